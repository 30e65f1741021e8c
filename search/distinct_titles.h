#pragma once

#include "platform/text.h"

namespace fandrel {

// Rebuilds `distinct` from paths sorted by title key: the first path of each run of
// equal keys, in key order. `keys[i]` is the title key of `sorted[i]`.
void BuildDistinct(const PathList& sorted, const std::vector<Text>& keys, PathList& distinct);
void BuildDistinctByKeyViews(const PathList& sorted, const std::vector<TextView>& keys,
                             PathList& distinct);

}  // namespace fandrel
