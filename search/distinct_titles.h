#pragma once

#include <cstdint>
#include <vector>

namespace fandrel {

// The distinct pass: given the ranks of title keys in sorted order, the positions where
// a run of equal keys begins. The paths there, one per distinct title in key order, are
// strDistinct.
std::vector<std::uint32_t> RunStarts(const std::vector<std::uint32_t>& sortedRanks);

}  // namespace fandrel
