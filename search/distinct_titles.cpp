#include "search/distinct_titles.h"

namespace fandrel {

void BuildDistinct(const PathList& sorted, const std::vector<Text>& keys, PathList& distinct) {
  distinct.clear();
  const Text* previous = nullptr;
  for (std::size_t j = 0; j < sorted.size(); ++j) {
    if (previous == nullptr || keys[j] != *previous) {
      distinct.push_back(sorted[j]);
      previous = &keys[j];
    }
  }
}

}  // namespace fandrel
