#include "search/distinct_titles.h"

namespace fandrel {
namespace {

template <typename Key>
void Build(const PathList& sorted, const std::vector<Key>& keys, PathList& distinct) {
  distinct.clear();
  // Where each run begins is noted first, so that the list is allocated once at its final
  // size: with many matches, a growing list would briefly hold its old and new storage.
  std::vector<std::size_t> firsts;
  for (std::size_t j = 0; j < sorted.size(); ++j) {
    if (j == 0 || keys[j] != keys[j - 1]) firsts.push_back(j);
  }
  distinct.reserve(firsts.size());
  for (std::size_t j : firsts) distinct.push_back(sorted[j]);
}

}  // namespace

void BuildDistinct(const PathList& sorted, const std::vector<Text>& keys, PathList& distinct) {
  Build(sorted, keys, distinct);
}

void BuildDistinctByKeyViews(const PathList& sorted, const std::vector<TextView>& keys,
                             PathList& distinct) {
  Build(sorted, keys, distinct);
}

}  // namespace fandrel
