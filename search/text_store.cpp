#include "search/text_store.h"

#include <algorithm>

namespace fandrel {

std::uint32_t TextStore::Store(TextView text) {
  // A text never straddles two blocks.
  if (used_ + 1 + text.size() > kBlockSize) {
    blocks_.push_back(std::make_unique_for_overwrite<char16_t[]>(kBlockSize));
    used_ = 0;
  }
  char16_t* run = blocks_.back().get() + used_;
  run[0] = static_cast<char16_t>(text.size());
  std::copy(text.begin(), text.end(), run + 1);
  const auto at = static_cast<std::uint32_t>(((blocks_.size() - 1) << kBlockBits) | used_);
  used_ += static_cast<std::uint32_t>(1 + text.size());
  return at;
}

}  // namespace fandrel
