#pragma once

#include <cstdint>
#include <vector>

#include "search/title_key.h"

namespace fandrel {

// A rank for each key, from 0 up with none left out, so that comparing two ranks decides
// exactly what comparing the two keys ordinally would.
std::vector<std::uint32_t> RankTitleKeys(const TitleKeys& keys);

}  // namespace fandrel
