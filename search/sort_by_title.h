#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "search/path_list.h"
#include "search/title_key.h"

namespace fandrel {

// A rank for each key: equal keys get equal ranks and a smaller key a smaller one, so
// that comparing two ranks decides exactly what comparing the two keys ordinally would.
std::vector<std::uint32_t> RankTitleKeys(const TitleKeys& keys);
// The same for the title keys of `paths`.
std::vector<std::uint32_t> RankTitles(const PathList& paths);

// The quicksort by title, on the ranks of the titles' keys as RankTitleKeys gives them
// (from 0 up, none left out): sorts `paths` between positions lo and hi inclusive, and
// `ranks` with them. Among equal keys the outcome is
// fixed by the partition (the order the user sees, and which of several equal titles the
// distinct pass keeps, depend on it), so this is one exact quicksort rather than any sort
// that merely orders the keys.
void SortByRanks(PathList& paths, std::vector<std::uint32_t>& ranks, std::ptrdiff_t lo,
                 std::ptrdiff_t hi);
// The whole list, then the distinct pass: the first path of each run of
// equal titles, in order.
PathList SortAndKeepDistinct(PathList& paths, std::vector<std::uint32_t> ranks);

// Sorts `paths` between positions lo and hi inclusive in ascending order of title key.
void SortByTitle(PathList& paths, std::ptrdiff_t lo, std::ptrdiff_t hi);

}  // namespace fandrel
