#pragma once

#include <cstdint>
#include <vector>

#include "search/path_list.h"

namespace fandrel {

// Sorts `paths` by title with the exact quicksort, on the ranks RankTitleKeys gave their
// keys, then returns the distinct pass: the first path of each run of equal titles, in
// order. Among equal keys the outcome is fixed by the quicksort's partition (the pivot is
// the middle position, rounded to the nearest, an exact half to the even one): the order
// the user sees, and which of several equal titles the distinct pass keeps, depend on it,
// so this is one exact quicksort rather than any sort that merely orders the keys.
PathList SortAndKeepDistinct(PathList& paths, std::vector<std::uint32_t> ranks);

}  // namespace fandrel
