#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/text.h"

namespace fandrel {

// Many short texts, each with its length before it, one after another in blocks of fixed
// size, and found again by the number Store gave it. A search that matches most of a large
// tree stores hundreds of thousands of names here: in blocks, no text is ever moved, and
// growing never holds an old and a new copy of everything at once, as one string would.
class TextStore {
 public:
  static constexpr unsigned kBlockBits = 18;  // 256 Ki code units, 512 KiB
  static constexpr std::uint32_t kBlockSize = 1u << kBlockBits;
  // The longest text it is given: the longest path Windows opens ("Maximum Path Length
  // Limitation").
  static constexpr std::size_t kLongest = 32767;

  std::uint32_t Store(TextView text);
  TextView Get(std::uint32_t at) const {
    const char16_t* run = blocks_[at >> kBlockBits].get() + (at & (kBlockSize - 1));
    return TextView(run + 1, run[0]);
  }

 private:
  std::vector<std::unique_ptr<char16_t[]>> blocks_;
  std::uint32_t used_ = kBlockSize;  // in the last block
};

}  // namespace fandrel
