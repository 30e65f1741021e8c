// fandrel_bench DIR [ROUNDS [ENTRIES]]: times the search against a bare walk of a synthetic
// tree in DIR (made first if DIR has none, of ENTRIES entries, 200,000 by default; ROUNDS 0
// only makes it) and against find where there is one, the sort and distinct pass alone, and
// the peak memory of a search that matches most of the tree; then prints the goal lines. The
// measurements take turns for ROUNDS (31) rounds, and each figure is the fastest of its
// rounds, as noise only ever adds time.
#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <system_error>
#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "bench/synthetic_tree.h"
#include "bench/system_bench.h"
#include "platform/lower_case.h"
#include "search/favorites_search.h"
#include "search/rank_titles.h"
#include "search/sort_by_title.h"
#include "search/text_store.h"
#include "search/title_key.h"

namespace fandrel::bench {
namespace {

using Step = std::function<void()>;

// Runs every step once a round, forwards and backwards by turns, after a first round that
// only warms the caches; the fastest milliseconds of each.
std::vector<double> Fastest(const std::vector<Step>& steps, int rounds) {
  std::vector<double> fastest(steps.size(), 1e300);
  for (int round = 0; round <= rounds; ++round) {
    for (std::size_t k = 0; k < steps.size(); ++k) {
      const std::size_t step = round % 2 ? steps.size() - 1 - k : k;
      const auto start = std::chrono::steady_clock::now();
      steps[step]();
      const std::chrono::duration<double, std::milli> ms = std::chrono::steady_clock::now() - start;
      if (round > 0) fastest[step] = std::min(fastest[step], ms.count());
    }
  }
  return fastest;
}

// The search through this system's folder reader, as the window runs it; roots and
// fragments here are ASCII.
std::size_t Search(const std::string& root, const std::string& fragment) {
  FavoritesSources sources;
  sources.readRoot = [&] { return std::optional(Text(root.begin(), root.end()) + kPathSeparator); };
  PathList matches;
  PathList distinct;
  SearchFavorites(Text(fragment.begin(), fragment.end()), matches, distinct, sources);
  return matches.size();
}

// 100,000 paths in random order, as the walk might have found them: all titles distinct,
// or each title ten times in different folders and letter cases. Each path is its folder's
// place among `folders`, and its name in `names`, where the names lie one after another as a
// walk's listing gives them.
struct SortInput {
  std::vector<Text> folders;
  TextStore names;
  std::vector<std::pair<std::size_t, std::uint32_t>> paths;
};

SortInput MakeSortInput(bool runs, std::mt19937& random) {
  const auto utf16 = [](const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end())).u16string();
  };
  constexpr int kFolders = 997;
  SortInput input;
  for (int k = 0; k < kFolders; ++k) {
    input.folders.push_back(utf16("Favorites/Folder " + std::to_string(k) + "/"));
    std::replace(input.folders.back().begin(), input.folders.back().end(), u'/', kPathSeparator);
  }
  std::vector<std::pair<std::size_t, std::string>> paths;
  for (int k = 0; k < 100000; ++k) {
    const int title = runs ? k / 10 : k;
    std::mt19937 titleRandom(static_cast<std::uint32_t>(title));
    std::string name = ShortcutTitle(titleRandom) + " " + std::to_string(title);
    for (char& c : name) c = runs && k % 2 && c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
    paths.emplace_back(k % kFolders, name + ".url");
  }
  std::shuffle(paths.begin(), paths.end(), random);
  for (const auto& [folder, name] : paths) {
    input.paths.emplace_back(folder, input.names.Store(utf16(name)));
  }
  return input;
}

// The paths kept as the walk keeps them, each folder's path once, and where `keyed` their keys
// made, ranked, sorted and reduced to one a title, as a search does once its walk has found
// them. Keeping the paths alone is measured too: the sort line is what the keys add to it.
void SortAsTheSearchDoes(const SortInput& input, bool keyed) {
  PathList paths;
  TitleKeys keys(paths);
  constexpr std::uint32_t kNotStored = 0xFFFFFFFF;
  std::vector<std::uint32_t> stored(input.folders.size(), kNotStored);
  TitleKey key;
  for (const auto& [folder, name] : input.paths) {
    if (stored[folder] == kNotStored) stored[folder] = paths.AddFolder(input.folders[folder]);
    if (!keyed) {
      paths.Add(stored[folder], input.names.Get(name));
      continue;
    }
    key.MakeFrom(input.names.Get(name));
    keys.Add(stored[folder], key);
  }
  if (keyed) SortAndKeepDistinct(paths, RankTitleKeys(keys));
}

// The goals are set for the POSIX layer's figures (where find runs too) on this many entries.
constexpr long kGoalEntries = 200000;

int Run(const std::string& root, int rounds, long entries) {
  if (!std::filesystem::exists(root)) {
    std::filesystem::create_directories(root);
    std::printf("%s: %ld shortcuts\n", root.c_str(), MakeSyntheticTree(root, entries, 2));
  }
  if (rounds == 0) return 0;
  const double peak = PeakMiB({"--peak", root, kMostMatchesFragment});
  const char* const fragments[][2] = {{"no match", kNoMatchFragment},
                                      {"one match", kOneMatchFragment},
                                      {"a few hundred", kFewMatchesFragment},
                                      {"most of the tree", kMostMatchesFragment}};
  std::size_t matches[std::size(fragments)] = {};
  bool withFind = false;
  std::vector<Step> steps{[&] { BareWalk(root); }};
  for (std::size_t f = 0; f < std::size(fragments); ++f) {
    steps.push_back([&, f] { matches[f] = Search(root, fragments[f][1]); });
    steps.push_back([&, f] { withFind = RunFind(root, fragments[f][1]); });
  }
  const std::vector<double> ms = Fastest(steps, rounds);
  // The sort and distinct pass as the search runs them, title keys included, each list's
  // rounds in a row: the search sorts keys it has just made.
  std::mt19937 random(7);
  double sortMs[2];
  for (int runs = 0; runs < 2; ++runs) {
    const SortInput input = MakeSortInput(runs == 1, random);
    const std::vector<double> fastest = Fastest({[&input] { SortAsTheSearchDoes(input, false); },
                                                 [&input] { SortAsTheSearchDoes(input, true); }},
                                                rounds);
    sortMs[runs] = fastest[1] - fastest[0];
  }

  std::printf("\nFastest of %d rounds; bare walk %.1f ms\n", rounds, ms[0]);
  std::printf("  %-18s %8s %10s %10s %12s %12s\n", "fragment", "matches", "search", "find",
              "search/find", "search/walk");
  double few = 0, most = 0, vsFind = 0;
  for (std::size_t f = 0; f < std::size(fragments); ++f) {
    const double search = ms[1 + 2 * f], find = ms[2 + 2 * f];
    std::printf("  %-18s %8zu %7.1f ms", fragments[f][0], matches[f], search);
    if (withFind) std::printf(" %7.1f ms %12.2f", find, search / find);
    std::printf(" %12.2f\n", search / ms[0]);
    if (withFind) vsFind = std::max(vsFind, search / find);
    double& worst = f + 1 == std::size(fragments) ? most : few;
    worst = std::max(worst, search / ms[0]);
  }
  std::printf("Sort and distinct of 100,000 paths: %.1f ms distinct, %.1f ms ten of each title\n",
              sortMs[0], sortMs[1]);
  std::printf("Peak memory of the search that matches most: %.1f MiB\n\n", peak);
  const bool goals = withFind && entries == kGoalEntries;
  if (!goals)
    std::printf("The goals are the POSIX layer's on %ld entries: figures only.\n", kGoalEntries);
  const auto line = [goals](const char* what, double value, double goal, const char* unit) {
    std::printf("%s: %.*f%s", what, *unit ? 1 : 2, value, unit);
    if (goals) std::printf(" (goal <= %g: %s)", goal, value <= goal ? "met" : "MISSED");
    std::printf("\n");
  };

  line("search / bare walk, few matches", few, 1.2, "");
  line("search / bare walk, most matches", most, 1.4, "");
  line("sort and distinct of 100,000 paths", std::max(sortMs[0], sortMs[1]), 25, " ms");
  line("peak memory, most matches", peak, 32, " MiB");
  if (withFind) line("ratio vs find", vsFind, 0.7, "");
  return 0;
}

}  // namespace
}  // namespace fandrel::bench

int main(int argc, char** argv) {
  using namespace fandrel::bench;
  fandrel::UseUsersLocale();
  if (argc == 4 && std::string(argv[1]) == "--peak") {  // one search, for PeakMiB
    Search(argv[2], argv[3]);
    return ReportPeak();
  }
  long rounds = 31, entries = kGoalEntries;
  const auto number = [](const char* text, long& value, long least) {
    const char* end = text + std::strlen(text);
    const auto [stop, error] = std::from_chars(text, end, value);
    return error == std::errc() && stop == end && value >= least;
  };
  if (argc < 2 || argc > 4 || (argc > 2 && !number(argv[2], rounds, 0)) ||
      (argc > 3 && !number(argv[3], entries, kFewestEntries))) {
    std::fprintf(stderr,
                 "usage: fandrel_bench DIR [ROUNDS [ENTRIES]]\n"
                 "  ROUNDS: a whole number, 0 or more (0 only makes the tree)\n"
                 "  ENTRIES: a whole number, %ld or more\n",
                 kFewestEntries);
    return 2;
  }
  return Run(argv[1], static_cast<int>(std::min(rounds, 1000000L)), entries);
}
