// The title key as the program makes it, four units at a time where a title is plain ASCII
// and read again from the name as the ranking compares it, held to the rule unit by unit.
#include <gtest/gtest.h>

#include "tests/support/plain_quicksort.h"
#include "tests/support/tree.h"

namespace fandrel::testing {
namespace {

TEST(TitleKey, IsTheRuleAppliedUnitByUnitAndSortsAsItsKeysCompare) {
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
  for (const Text& name : names) {
    EXPECT_EQ(GetTitleKey(name), ReferenceKey(name)) << ::testing::PrintToString(name);
  }
  // Read again from the names as the ranking compares them, they sort as the rule's keys do.
  EXPECT_TRUE(SortsAsPlainQuicksort(names));
}

}  // namespace
}  // namespace fandrel::testing
