#pragma once

#include <cstddef>

#include "platform/text.h"

namespace fandrel {

// Sorts `paths` between positions lo and hi inclusive in ascending order of title key.
// Among equal keys the outcome is fixed by the partition (the order the user sees, and
// which of several equal titles the distinct pass keeps, depend on it), so this is one
// exact quicksort rather than any sort that merely orders the keys.
void SortByTitle(PathList& paths, std::ptrdiff_t lo, std::ptrdiff_t hi);

// The same sort on paths whose title keys are already known (the search keeps them side
// by side in one buffer, which the sort reads far faster than thousands of separate
// strings): `keys[i]` is the key of `paths[i]`, and both lists are permuted together.
void SortByKeys(std::vector<TextView>& keys, PathList& paths, std::ptrdiff_t lo, std::ptrdiff_t hi);

}  // namespace fandrel
