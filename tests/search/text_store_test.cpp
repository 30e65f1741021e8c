// The store that keeps every path and name of a search, across the ends of its blocks.
#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

#include "search/text_store.h"

namespace fandrel {
namespace {

// Texts that fill a block to its last unit, then the next block to all but one unit, then
// a text that needs two: each is read back as it was stored.
TEST(TextStore, ReadsBackEveryTextAcrossItsBlocks) {
  static_assert(TextStore::kBlockSize == 8 * (TextStore::kLongest + 1));
  std::vector<std::size_t> lengths(15, TextStore::kLongest);
  lengths.insert(lengths.end(), {TextStore::kLongest - 1, 1, 0});
  std::mt19937 random(5);
  TextStore store;
  std::vector<std::pair<std::uint32_t, Text>> texts;
  for (std::size_t length : lengths) {
    Text text(length, u'\0');
    for (char16_t& unit : text) unit = static_cast<char16_t>(random());
    texts.emplace_back(store.Store(text), text);
  }
  for (const auto& [at, text] : texts) ASSERT_TRUE(store.Get(at) == text) << text.size();
}

}  // namespace
}  // namespace fandrel
