#pragma once

#include <cstddef>

#include "platform/text.h"

namespace fandrel {

// Rebuilds `distinct` from paths sorted by title key: the first path of each run of
// equal keys, in key order. `keys[i]` is the title key of `sorted[i]`.
void BuildDistinct(const PathList& sorted, const std::vector<Text>& keys, PathList& distinct);

// The same pass in two steps, so that a caller can let the keys go before the paths are
// copied: the positions where a run of equal keys begins, then the paths at them.
std::vector<std::size_t> RunStarts(const std::vector<TextView>& keys);
void BuildDistinctFromRunStarts(const PathList& sorted, const std::vector<std::size_t>& starts,
                                PathList& distinct);

}  // namespace fandrel
