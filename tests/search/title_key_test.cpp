// The title key as the program makes it, four units at a time where a title is plain ASCII
// and read again from the name as the ranking compares it, held to the rule unit by unit.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "tests/support/plain_quicksort.h"
#include "tests/support/tree.h"

namespace fandrel::testing {
namespace {

TEST(TitleKey, IsTheRuleAppliedUnitByUnitAndRanksAsItsKeysCompare) {
  Texts names;
  // Every ASCII unit at each place of a title of two four-unit blocks, but the separator,
  // which no name holds.
  for (char16_t unit = 0; unit < 0x80; ++unit) {
    for (std::size_t at = 0; unit != kPathSeparator && at < 8; ++at) {
      Text title = u"ABCDwxyz";
      title[at] = unit;
      names.push_back(title + u".url");
    }
  }
  // Titles shorter than a block; other scripts among ASCII; and titles that begin with
  // another, then a unit below the suffix's '.', which a suffix left in a key would put first.
  for (const char16_t* name : {u"A.url", u"Ab.URL", u"ABC.url", u".url", u"Café NEWS.url",
                               u"NEWS Ñandú.url", u"ÄBCDEFGH.url", u"ABCDEFGÉ.url",
                               u"ΚΑΙΡΟΣ Zeta.url", u"news.url", u"news!.url", u"News .url"}) {
    names.push_back(name);
  }
  Texts expected;
  PathList paths;
  TitleKeys keys(paths);
  TitleKey key;
  for (const Text& name : names) {
    expected.push_back(ReferenceKey(name));
    EXPECT_EQ(GetTitleKey(name), expected.back()) << ::testing::PrintToString(name);
    key.MakeFrom(name);
    keys.Add(paths.AddFolder(u""), key);
  }
  // In the rule's order, the ranks rise exactly where the keys differ.
  const std::vector<std::uint32_t> ranks = RankTitleKeys(keys);
  std::vector<std::size_t> order(names.size());
  std::iota(order.begin(), order.end(), 0);
  std::sort(order.begin(), order.end(), [&](auto a, auto b) { return expected[a] < expected[b]; });
  for (std::size_t k = 1; k < order.size(); ++k) {
    const std::size_t a = order[k - 1], b = order[k];
    EXPECT_EQ(ranks[b] - ranks[a], expected[a] == expected[b] ? 0u : 1u)
        << ::testing::PrintToString(names[a]) << " then " << ::testing::PrintToString(names[b]);
  }
}

}  // namespace
}  // namespace fandrel::testing
