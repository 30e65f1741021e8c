#include "search/distinct_titles.h"

namespace fandrel {

std::vector<std::uint32_t> RunStarts(const std::vector<std::uint32_t>& sortedRanks) {
  std::vector<std::uint32_t> starts;
  for (std::uint32_t j = 0; j < sortedRanks.size(); ++j) {
    if (j == 0 || sortedRanks[j] != sortedRanks[j - 1]) starts.push_back(j);
  }
  return starts;
}

}  // namespace fandrel
