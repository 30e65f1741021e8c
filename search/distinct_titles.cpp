#include "search/distinct_titles.h"

namespace fandrel {

std::vector<std::size_t> RunStarts(const std::vector<TextView>& keys) {
  std::vector<std::size_t> starts;
  for (std::size_t j = 0; j < keys.size(); ++j) {
    if (j == 0 || keys[j] != keys[j - 1]) starts.push_back(j);
  }
  return starts;
}

void BuildDistinctFromRunStarts(const PathList& sorted, const std::vector<std::size_t>& starts,
                                PathList& distinct) {
  distinct.clear();
  // Allocated once at its final size: with many matches, a growing list would briefly
  // hold its old and new storage at once.
  distinct.reserve(starts.size());
  for (std::size_t j : starts) distinct.push_back(sorted[j]);
}

void BuildDistinct(const PathList& sorted, const std::vector<Text>& keys, PathList& distinct) {
  BuildDistinctFromRunStarts(sorted, RunStarts(std::vector<TextView>(keys.begin(), keys.end())),
                             distinct);
}

}  // namespace fandrel
