// Times the search against find and against a bare walk of the same trees, the sort and
// the distinct pass alone, and the peak memory of a large search. scripts/bench makes
// the trees and runs this; see there for the goals.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "bench/bare_walk.h"
#include "bench/synthetic_tree.h"
#include "bench/title_words.h"
#include "platform/posix/favorites_location_setting.h"
#include "platform/posix/utf8.h"
#include "search/distinct_titles.h"
#include "search/favorites_search.h"
#include "search/sort_by_title.h"
#include "search/title_key.h"

extern char** environ;

namespace fandrel::bench {
namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsOf(const std::function<void()>& work) {
  const auto start = Clock::now();
  work();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::size_t Search(const std::string& root, const char* fragment) {
  SetFavoritesLocation(root);
  PathList matches;
  PathList distinct;
  SearchFavorites(FromFileName(fragment), matches, distinct);
  return matches.size();
}

std::vector<std::string> FindArguments(const std::string& root, const char* fragment) {
  return {"find", root, "-iname", std::string("*") + fragment + "*.url"};
}

// find as a user runs it: its own process, printing every path (here to /dev/null).
void RunFind(const std::string& root, const char* fragment) {
  std::vector<std::string> arguments = FindArguments(root, fragment);
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t child = 0;
  if (posix_spawnp(&child, "find", &actions, nullptr, argv.data(), environ) != 0) {
    std::fprintf(stderr, "cannot start find\n");
    std::exit(1);
  }
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  waitpid(child, &status, 0);
}

std::size_t CountFound(const std::string& root, const char* fragment) {
  std::string command;
  for (const std::string& argument : FindArguments(root, fragment)) {
    command += " '" + argument + "'";
  }
  FILE* pipe = popen(command.c_str(), "r");
  std::size_t lines = 0;
  for (int c; (c = std::fgetc(pipe)) != EOF;) lines += c == '\n';
  pclose(pipe);
  return lines;
}

struct Fragment {
  const char* what;
  const char* text;
};
constexpr Fragment kFragments[] = {{"no match", kNoMatchFragment},
                                   {"one match", kOneMatchFragment},
                                   {"a few hundred", kFewMatchesFragment},
                                   {"most of the tree", kMostMatchesFragment}};

struct TreeResult {
  double worstRatioVsFind = 0;
  double worstRatioVsWalk = 0;
};

TreeResult CompareOnTree(const char* label, const std::string& root, int repetitions) {
  constexpr std::size_t kCount = std::size(kFragments);
  std::vector<double> search[kCount], find[kCount], walk;
  std::size_t matches[kCount];
  long names = 0;

  // Both read the tree once untimed, so both start with it in the cache.
  for (std::size_t f = 0; f < kCount; ++f) {
    matches[f] = Search(root, kFragments[f].text);
    const std::size_t found = CountFound(root, kFragments[f].text);
    if (found != matches[f]) {
      std::printf("warning: find lists %zu paths for \"%s\", the search %zu\n", found,
                  kFragments[f].text, matches[f]);
    }
  }
  names = BareWalk(root);

  for (int r = 0; r < repetitions; ++r) {
    walk.push_back(MillisecondsOf([&] { BareWalk(root); }));
    for (std::size_t f = 0; f < kCount; ++f) {
      const char* text = kFragments[f].text;
      auto timeSearch = [&] { search[f].push_back(MillisecondsOf([&] { Search(root, text); })); };
      auto timeFind = [&] { find[f].push_back(MillisecondsOf([&] { RunFind(root, text); })); };
      // Alternated, so that neither always runs right after the other.
      if (r % 2 == 0) {
        timeSearch();
        timeFind();
      } else {
        timeFind();
        timeSearch();
      }
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
    std::printf("  %-18s %-10s %8zu  %6.1f ms  %6.1f ms  %11.2f  %11.2f\n", kFragments[f].what,
                (std::string("\"") + kFragments[f].text + "\"").c_str(), matches[f], s, x, s / x,
                s / walkMedian);
    result.worstRatioVsFind = std::max(result.worstRatioVsFind, s / x);
    result.worstRatioVsWalk = std::max(result.worstRatioVsWalk, s / walkMedian);
  }
  std::printf("  %-18s %-10s %8s  %6.1f ms\n", "bare walk", "", "", walkMedian);
  return result;
}

// 100,000 paths in random order, as the walk might have found them: all titles
// distinct, or each title ten times in different folders and letter cases.
PathList SortInput(bool runs, std::mt19937& random) {
  constexpr int kPaths = 100000;
  constexpr int kRun = 10;
  PathList paths;
  for (int k = 0; k < kPaths; ++k) {
    const int title = runs ? k / kRun : k;
    std::mt19937 titleRandom(static_cast<std::uint32_t>(title));
    std::string name = ShortcutTitle(titleRandom) + " " + std::to_string(title);
    if (runs && k % 2) {
      std::transform(name.begin(), name.end(), name.begin(),
                     [](char c) { return c >= 'a' && c <= 'z' ? c - 32 : c; });
    }
    paths.push_back(FromFileName("/home/user/Favorites/Folder " + std::to_string(k % 997) + "/" +
                                 name + ".url"));
  }
  std::shuffle(paths.begin(), paths.end(), random);
  return paths;
}

void SortAndDistinct(int repetitions, double& worst) {
  std::mt19937 random(7);
  for (bool runs : {false, true}) {
    const PathList input = SortInput(runs, random);
    std::vector<double> times;
    std::size_t distinctCount = 0;
    for (int r = 0; r < repetitions; ++r) {
      PathList paths = input;
      PathList distinct;
      times.push_back(MillisecondsOf([&] {
        std::vector<Text> keys;
        keys.reserve(paths.size());
        for (const Text& path : paths) keys.push_back(GetTitleKey(path));
        std::vector<TextView> views(keys.begin(), keys.end());
        SortByKeys(views, paths, 0, static_cast<std::ptrdiff_t>(paths.size()) - 1);
        BuildDistinctFromRunStarts(paths, RunStarts(views), distinct);
      }));
      distinctCount = distinct.size();
    }
    const double median = Median(times);
    worst = std::max(worst, median);
    std::printf("  %-34s %6zu distinct  %6.1f ms\n",
                runs ? "runs of 10 equal titles" : "all titles distinct", distinctCount, median);
  }
}

// The peak resident size of a child process that does `work` and nothing else. The
// child starts as a copy of this still small process, so its peak includes the program
// itself; an idle child shows how much that is.
double ChildPeakMiB(const std::function<void()>& work) {
  std::fflush(stdout);
  const pid_t child = fork();
  if (child == 0) {
    work();
    _exit(0);
  }
  int status = 0;
  struct rusage usage {};
  wait4(child, &status, 0, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // KiB on Linux
}

int Run(const std::string& small, const std::string& large, int repetitions) {
  // First, while this process is still small: a child starts with its parent's memory.
  const double idle = ChildPeakMiB([] {});
  const double peak = ChildPeakMiB([&] { Search(large, kMostMatchesFragment); });
  const double fewPeak = ChildPeakMiB([&] { Search(large, kFewMatchesFragment); });
  const std::size_t largeMatches = Search(large, kMostMatchesFragment);

  const TreeResult smallResult = CompareOnTree("Small", small, repetitions);
  const TreeResult largeResult = CompareOnTree("Large", large, repetitions);

  std::printf("\nSort and distinct pass alone on 100,000 paths (keys, sort, distinct), medians:\n");
  double worstSort = 0;
  SortAndDistinct(repetitions * 2 + 1, worstSort);

  std::printf(
      "\nPeak memory of a search of the large tree for \"%s\" (%zu matches): %.1f MiB;"
      " for \"%s\" (%d matches): %.1f MiB (an idle child: %.1f MiB)\n",
      kMostMatchesFragment, largeMatches, peak, kFewMatchesFragment, kFewMatches, fewPeak, idle);

  std::printf("\nGoals:\n");
  auto goal = [](const char* what, double value, double limit, const char* unit) {
    std::printf("  %-44s %7.2f%-4s (goal <= %g%s) %s\n", what, value, unit, limit, unit,
                value <= limit ? "met" : "MISSED");
  };
  goal("search / find, large tree, worst fragment", largeResult.worstRatioVsFind, 0.7, "x");
  goal("search / bare walk, large tree, worst", largeResult.worstRatioVsWalk, 1.5, "x");
  goal("sort + distinct of 100,000 paths, worst", worstSort, 50, " ms");
  goal("peak memory, 200,000-entry search", peak, 64, " MiB");
  (void)smallResult;
  std::printf("ratio vs find: %.2f\n", largeResult.worstRatioVsFind);
  return 0;
}

int MakeTree(const std::string& root, long entries, std::uint32_t seed) {
  const auto start = Clock::now();
  const TreeFacts facts = MakeSyntheticTree(root, entries, seed);
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  std::printf("%s: %ld shortcuts, %ld folders, %d levels deep (made in %.1f s)\n", root.c_str(),
              facts.shortcuts, facts.folders, facts.depth, seconds);
  return 0;
}

// One search, repeated: for profiling.
int Repeat(const std::string& root, const char* fragment, int repetitions) {
  std::vector<double> times;
  std::size_t matches = 0;
  for (int r = 0; r < repetitions; ++r) {
    times.push_back(MillisecondsOf([&] { matches = Search(root, fragment); }));
  }
  std::printf("%zu matches, median %.1f ms\n", matches, Median(times));
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
  if (argc == 5 && std::strcmp(argv[1], "tree") == 0) {
    return MakeTree(argv[2], std::atol(argv[3]), static_cast<std::uint32_t>(std::atol(argv[4])));
  }
  if (argc == 5 && std::strcmp(argv[1], "run") == 0) {
    return Run(argv[2], argv[3], std::max(1, std::atoi(argv[4])));
  }
  if (argc == 5 && std::strcmp(argv[1], "search") == 0) {
    return Repeat(argv[2], argv[3], std::max(1, std::atoi(argv[4])));
  }
  if (argc == 3 && std::strcmp(argv[1], "sort") == 0) {
    double worst = 0;
    SortAndDistinct(std::max(1, std::atoi(argv[2])), worst);
    return 0;
  }
  return Usage();
}
