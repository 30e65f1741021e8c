// The store that keeps every path and name of a search, across the ends of its blocks.
#include <gtest/gtest.h>

#include <random>

#include "search/text_store.h"

namespace fandrel {
namespace {

// Texts of random lengths, the longest a path may be first, until several blocks are full.
// Each block's last text is steered to the edge: by turns, it fills the room left exactly,
// or needs one unit more than there is.
TEST(TextStore, ReadsBackEveryTextAcrossItsBlocks) {
  std::mt19937 random(5);
  TextStore store;
  std::vector<std::pair<std::uint32_t, Text>> texts;
  std::size_t room = TextStore::kBlockSize;  // units left in the block being filled
  for (int blocks = 0; blocks < 6;) {
    std::size_t length = texts.empty() ? TextStore::kLongest : random() % TextStore::kLongest;
    if (room > 0 && room <= TextStore::kLongest) length = room - 1 + blocks % 2;
    Text text(length, u'\0');
    for (char16_t& unit : text) unit = static_cast<char16_t>(random());
    texts.emplace_back(store.Store(text), text);
    if (1 + length > room) ++blocks, room = TextStore::kBlockSize;
    room -= 1 + length;
  }
  for (const auto& [at, text] : texts) ASSERT_TRUE(store.Get(at) == text) << text.size();
}

}  // namespace
}  // namespace fandrel
