#pragma once

#include <cstdint>
#include <vector>

#include "search/path_list.h"

namespace fandrel {

// Sorts `paths` by title with the exact quicksort, on the ranks RankTitleKeys gave their
// keys, then returns the distinct pass: the first path of each run of equal titles, in
// order. The order of equal titles is fixed by the quicksort's partitions (the pivot is the
// middle position, an exact half rounded to the even one): the order the user sees, and
// which of several equal titles is kept, depend on it, so no other sort will do.
PathList SortAndKeepDistinct(PathList& paths, std::vector<std::uint32_t> ranks);

}  // namespace fandrel
