// Times the search against a bare walk of the same trees (and against find, where the
// system has one), the sort and distinct pass alone, and the peak memory of a search that
// matches most of a large tree. scripts/bench makes the trees and runs this; its output
// ends with the lines that the goals are read from.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "bench/synthetic_tree.h"
#include "bench/system_bench.h"
#include "bench/title_words.h"
#include "search/distinct_titles.h"
#include "search/favorites_search.h"
#include "search/sort_by_title.h"
#include "search/title_key.h"

namespace fandrel::bench {
namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsOf(const std::function<void()>& work) {
  const auto start = Clock::now();
  work();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Roots and fragments here are ASCII.
Text Ascii(const std::string& text) { return Text(text.begin(), text.end()); }

// The search through this system's folder reader, as the window runs it.
std::size_t Search(const std::string& root, const char* fragment) {
  FavoritesSources sources;
  sources.readRoot = [folder = Ascii(root) + kPathSeparator] { return std::optional(folder); };
  PathList matches;
  PathList distinct;
  SearchFavorites(Ascii(fragment), matches, distinct, sources);
  return matches.size();
}

struct Fragment {
  const char* what;
  const char* text;
};
constexpr Fragment kFragments[] = {{"no match", kNoMatchFragment},
                                   {"one match", kOneMatchFragment},
                                   {"a few hundred", kFewMatchesFragment},
                                   {"most of the tree", kMostMatchesFragment}};
constexpr std::size_t kMost = 3;  // the last fragment

struct TreeResult {
  double fewVsWalk = 0;  // the worst of the fragments that match little
  double mostVsWalk = 0;
  double vsFind = 0;  // the worst fragment's
};

TreeResult CompareOnTree(const char* label, const std::string& root, int repetitions) {
  constexpr std::size_t kCount = std::size(kFragments);
  std::vector<double> search[kCount], find[kCount], walk;
  std::size_t matches[kCount];
  // Each reads the tree once untimed, so that all start with it in the cache.
  const long names = BareWalk(root);
  for (std::size_t f = 0; f < kCount; ++f) {
    matches[f] = Search(root, kFragments[f].text);
    const std::optional<long> found = FindCount(root, kFragments[f].text);
    if (found && *found != static_cast<long>(matches[f])) {
      std::printf("warning: find lists %ld paths for \"%s\", the search %zu\n", *found,
                  kFragments[f].text, matches[f]);
    }
  }
  for (int r = 0; r < repetitions; ++r) {
    walk.push_back(MillisecondsOf([&] { BareWalk(root); }));
    for (std::size_t f = 0; f < kCount; ++f) {
      const char* text = kFragments[f].text;
      // Alternated, so that neither always runs right after the other.
      if (r % 2 == 0) search[f].push_back(MillisecondsOf([&] { Search(root, text); }));
      if (const auto ms = FindMilliseconds(root, text)) find[f].push_back(*ms);
      if (r % 2 == 1) search[f].push_back(MillisecondsOf([&] { Search(root, text); }));
    }
  }

  const double walkMedian = Median(walk);
  std::printf("\n%s tree (%ld names read by the bare walk), medians of %d runs:\n", label, names,
              repetitions);
  std::printf("  %-18s %-10s %8s  %9s  %9s  %11s  %11s\n", "fragment", "", "matches", "search",
              "find", "search/find", "search/walk");
  TreeResult result;
  for (std::size_t f = 0; f < kCount; ++f) {
    const double s = Median(search[f]);
    const double x = Median(find[f]);
    const double vsWalk = s / walkMedian;
    char vsFind[32] = "-";  // Windows has no find
    if (x > 0) std::snprintf(vsFind, sizeof vsFind, "%6.1f ms  %11.2f", x, s / x);
    std::printf("  %-18s %-10s %8zu  %6.1f ms  %22s  %11.2f\n", kFragments[f].what,
                (std::string("\"") + kFragments[f].text + "\"").c_str(), matches[f], s, vsFind,
                vsWalk);
    if (x > 0) result.vsFind = std::max(result.vsFind, s / x);
    (f == kMost ? result.mostVsWalk : result.fewVsWalk) =
        std::max(f == kMost ? result.mostVsWalk : result.fewVsWalk, vsWalk);
  }
  std::printf("  %-18s %-10s %8s  %6.1f ms\n", "bare walk", "", "", walkMedian);
  return result;
}

// 100,000 paths in random order, as the walk might have found them: all titles
// distinct, or each title ten times in different folders and letter cases.
PathList SortInput(bool runs, std::mt19937& random) {
  constexpr int kPaths = 100000;
  constexpr int kRun = 10;
  std::vector<std::string> paths;
  for (int k = 0; k < kPaths; ++k) {
    const int title = runs ? k / kRun : k;
    std::mt19937 titleRandom(static_cast<std::uint32_t>(title));
    std::string name = ShortcutTitle(titleRandom) + " " + std::to_string(title);
    if (runs && k % 2) {
      std::transform(name.begin(), name.end(), name.begin(),
                     [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
    }
    paths.push_back("Favorites/Folder " + std::to_string(k % 997) + "/" + name + ".url");
  }
  std::shuffle(paths.begin(), paths.end(), random);
  PathList list;
  for (const std::string& path : paths) {
    Text text = std::filesystem::path(std::u8string(path.begin(), path.end())).u16string();
    std::replace(text.begin(), text.end(), u'/', kPathSeparator);
    list.push_back(text);
  }
  return list;
}

// The sort and distinct pass as the search runs them, title keys included.
double SortAndDistinct(int repetitions) {
  std::mt19937 random(7);
  double worst = 0;
  for (bool runs : {false, true}) {
    const PathList input = SortInput(runs, random);
    std::vector<double> times;
    std::size_t distinctCount = 0;
    for (int r = 0; r < repetitions; ++r) {
      PathList paths = input;
      PathList distinct;
      times.push_back(MillisecondsOf([&] {
        std::vector<std::uint32_t> ranks = RankTitles(paths);
        paths.Reorder(SortRanks(ranks, 0, static_cast<std::ptrdiff_t>(ranks.size()) - 1));
        distinct = paths.Pick(RunStarts(ranks));
      }));
      distinctCount = distinct.size();
    }
    worst = std::max(worst, Median(times));
    std::printf("  %-34s %6zu distinct  %6.1f ms\n",
                runs ? "runs of 10 equal titles" : "all titles distinct", distinctCount,
                Median(times));
  }
  return worst;
}

int Run(const std::string& small, const std::string& large, int repetitions) {
  const double idle = PeakMiB({"peak", large, ""});
  const double peak = PeakMiB({"peak", large, kMostMatchesFragment});
  const double fewPeak = PeakMiB({"peak", large, kFewMatchesFragment});
  const std::size_t most = Search(large, kMostMatchesFragment);

  CompareOnTree("Small", small, repetitions);
  const TreeResult result = CompareOnTree("Large", large, repetitions);

  std::printf("\nSort and distinct pass alone on 100,000 paths (keys, ranks, sort, distinct):\n");
  const double sort = SortAndDistinct(repetitions * 2 + 1);
  std::printf(
      "\nPeak memory of a search of the large tree: %.1f MiB for \"%s\" (%zu matches), "
      "%.1f MiB for \"%s\" (%d matches); a process that searches nothing: %.1f MiB\n",
      peak, kMostMatchesFragment, most, fewPeak, kFewMatchesFragment, kFewMatches, idle);

  if (UnderWine()) {
    std::printf("\nUnder Wine: Wine's figures, not goals.\n");
  } else {
    std::printf("\nGoals (large tree):\n");
    auto goal = [](const char* what, double value, double limit) {
      std::printf("  %-40s <= %-5g %s\n", what, limit, value <= limit ? "met" : "MISSED");
    };
    goal("search / bare walk, few matches", result.fewVsWalk, 1.2);
    goal("search / bare walk, most matches", result.mostVsWalk, 1.6);
    goal("sort and distinct of 100,000 paths, ms", sort, 25);
    goal("peak memory, most matches, MiB", peak, 32);
    if (result.vsFind > 0) goal("search / find, worst fragment", result.vsFind, 0.7);
  }
  std::printf("search / bare walk, few matches: %.2f\n", result.fewVsWalk);
  std::printf("search / bare walk, most matches: %.2f\n", result.mostVsWalk);
  std::printf("sort and distinct of 100,000 paths: %.1f ms\n", sort);
  std::printf("peak memory, most matches: %.1f MiB\n", peak);
  // Windows has no find to compare with.
  if (result.vsFind > 0) std::printf("ratio vs find: %.2f\n", result.vsFind);
  return 0;
}

int Usage() {
  std::fprintf(stderr,
               "usage: fandrel_bench tree DIR ENTRIES SEED\n"
               "       fandrel_bench run SMALL_DIR LARGE_DIR REPETITIONS\n"
               "       fandrel_bench search DIR FRAGMENT REPETITIONS\n"
               "       fandrel_bench sort REPETITIONS\n");
  return 2;
}

}  // namespace
}  // namespace fandrel::bench

int main(int argc, char** argv) {
  using namespace fandrel::bench;
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "tree" && argc == 5) {
    const auto start = Clock::now();
    const TreeFacts facts = MakeSyntheticTree(argv[2], std::atol(argv[3]),
                                              static_cast<std::uint32_t>(std::atol(argv[4])));
    std::printf("%s: %ld shortcuts, %ld folders, %d levels deep (made in %.1f s)\n", argv[2],
                facts.shortcuts, facts.folders, facts.depth,
                std::chrono::duration<double>(Clock::now() - start).count());
    return 0;
  }
  if (command == "run" && argc == 5) return Run(argv[2], argv[3], std::max(1, std::atoi(argv[4])));
  if (command == "search" && argc == 5) {  // one search, repeated: for profiling
    std::vector<double> times;
    std::size_t matches = 0;
    for (int r = 0; r < std::max(1, std::atoi(argv[4])); ++r) {
      times.push_back(MillisecondsOf([&] { matches = Search(argv[2], argv[3]); }));
    }
    std::printf("%zu matches, median %.1f ms\n", matches, Median(times));
    return 0;
  }
  if (command == "sort" && argc == 3) return SortAndDistinct(std::max(1, std::atoi(argv[2]))), 0;
  if (command == "peak" && argc == 4) {  // one search (none for ""), for PeakMiB
    if (*argv[3]) Search(argv[2], argv[3]);
    return ReportPeak();
  }
  return Usage();
}
