// The two modes of the main window and what Enter and Esc do in them, over controls
// held in memory and a search whose outcome the test decides.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui/fake_main_view.h"
#include "ui/search_interaction.h"

namespace fandrel {
namespace {

using Focus = FakeMainView::Focus;
using Log = std::vector<std::string>;

constexpr char16_t kEsc = 27;

Text Path(TextView folder, TextView name) {
  Text path = u"F";
  path += kPathSeparator;
  path += folder;
  path += kPathSeparator;
  path += name;
  return path;
}

Text Letter(size_t i) { return Text(1, static_cast<char16_t>(u'a' + i % 26)); }

// A search that yields prepared results the way the real one does: strMatches is
// always replaced, strDistinct only when something matched.
struct FakeSearch {
  PathList matches;
  PathList distinct;
  std::vector<Text> fragments;

  SearchFunction Function() {
    return [this](const Text& fragment, PathList& strMatches, PathList& strDistinct) {
      fragments.push_back(fragment);
      strMatches = matches;
      if (matches.empty()) return Outcome::kNone;
      strDistinct = distinct;
      return distinct.size() == 1 ? Outcome::kOne : Outcome::kSeveral;
    };
  }
};

class SearchInteractionTest : public testing::Test {
 protected:
  void Search(const Text& fragment, PathList distinct) {
    search.matches = distinct;
    search.distinct = std::move(distinct);
    view.inputText = fragment;
    interaction.OnInputKeyPress(u'\r');
  }

  // Two distinct titles in the list, as after typing "ne" and Enter.
  void EnterChoiceMode() {
    Search(u"ne", {Path(u"a", u"News.url"), Path(u"b", u"Netlib.url"), Path(u"c", u"Nemo.url")});
    view.log.clear();
  }

  FakeMainView view;
  FakeSearch search;
  SearchInteraction interaction{view, search.Function()};
};

TEST_F(SearchInteractionTest, InputKeysOtherThanEnterOnNonEmptyTextDoNotSearch) {
  struct Case {
    const char* name;
    Text text;
    char16_t code;
  };
  const Case cases[] = {
      {"Enter on empty text", u"", u'\r'},
      {"letter", u"abc", u'd'},
      {"line feed (Ctrl+Enter)", u"abc", u'\n'},
      {"Esc character", u"abc", kEsc},
      {"space", u"abc", u' '},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    view.inputText = c.text;
    view.log.clear();
    interaction.OnInputKeyPress(c.code);
    EXPECT_TRUE(search.fragments.empty());
    EXPECT_EQ(view.log, Log{});
    EXPECT_EQ(view.inputText, c.text);
  }
}

TEST_F(SearchInteractionTest, SearchesForTheTextExactlyAsTyped) {
  Search(u"  Ñandú ", {});
  EXPECT_EQ(search.fragments, std::vector<Text>{u"  Ñandú "});
}

TEST_F(SearchInteractionTest, NoMatchClearsTheTextAndKeepsInputMode) {
  Search(u"zzz", {});
  EXPECT_EQ(view.log, (Log{"clear text", "focus input"}));
  EXPECT_EQ(view.inputText, u"");
  EXPECT_EQ(view.focus, Focus::kInput);
  EXPECT_FALSE(view.resultVisible);
  EXPECT_TRUE(view.opened.empty());
}

TEST_F(SearchInteractionTest, NoMatchLeavesTheLastListsDistinctPathsForTheList) {
  EnterChoiceMode();
  interaction.OnCancelClick();
  Search(u"zzz", {});
  EXPECT_TRUE(interaction.Matches().empty());
  EXPECT_EQ(interaction.Distinct().size(), 3u);
}

TEST_F(SearchInteractionTest, OneDistinctTitleOpensAtOnceThenClearsTheText) {
  const Text kept = Path(u"a", u"News.url");
  search.matches = {kept, Path(u"b", u"NEWS.url")};
  search.distinct = {kept};
  view.inputText = u"news";
  interaction.OnInputKeyPress(u'\r');

  EXPECT_EQ(view.log, (Log{"open", "clear text", "focus input"}));
  EXPECT_EQ(view.opened, PathList{kept});
  EXPECT_EQ(view.inputText, u"");
  EXPECT_FALSE(view.resultVisible);
  EXPECT_TRUE(view.inputTabStop);
}

TEST_F(SearchInteractionTest, SeveralTitlesAreOfferedInTheListInTheirOrder) {
  Search(u"ne", {Path(u"a", u"Nemo.url"), Path(u"b", u"NETLIB.URL"), Path(u"b", u"News.url")});

  EXPECT_EQ(view.log, (Log{"clear list", "fill list", "input out of tab order", "show list",
                           "select 0", "focus list"}));
  EXPECT_EQ(view.results, (PathList{u"nemo", u"netlib", u"news"}));
  EXPECT_EQ(view.selection, 0);
  EXPECT_EQ(view.focus, Focus::kResult);
  EXPECT_FALSE(view.inputTabStop);
  EXPECT_TRUE(view.opened.empty());
  EXPECT_EQ(view.inputText, u"ne") << "the fragment stays under the list";
}

TEST_F(SearchInteractionTest, ASecondListReplacesEveryEntryOfTheFirst) {
  struct Case {
    const char* name;
    size_t first;
    size_t second;
  };
  const Case cases[] = {{"longer first", 500, 2}, {"shorter first", 2, 40}, {"equal", 7, 7}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PathList first, second;
    for (size_t i = 0; i < c.first; ++i) first.push_back(Path(u"a", u"One" + Letter(i) + u".url"));
    for (size_t i = 0; i < c.second; ++i)
      second.push_back(Path(u"b", u"Two" + Letter(i) + u".url"));
    Search(u"one", first);
    interaction.OnCancelClick();
    Search(u"two", second);
    ASSERT_EQ(view.results.size(), c.second);
    for (const Text& entry : view.results) EXPECT_EQ(entry.substr(0, 3), u"two");
  }
}

TEST_F(SearchInteractionTest, EnterInTheListOpensTheSelectedPathThenReturnsToInput) {
  EnterChoiceMode();
  view.selection = 2;
  interaction.OnResultKeyPress(u'\r');

  EXPECT_EQ(view.opened, PathList{Path(u"c", u"Nemo.url")});
  EXPECT_EQ(view.log,
            (Log{"open", "clear text", "hide list", "input into tab order", "focus input"}));
  EXPECT_EQ(view.inputText, u"");
  EXPECT_FALSE(view.resultVisible);
  EXPECT_TRUE(view.inputTabStop);
  EXPECT_EQ(view.focus, Focus::kInput);
  EXPECT_EQ(view.results.size(), 3u) << "the hidden list keeps its entries";
}

TEST_F(SearchInteractionTest, OtherKeysInTheListOpenNothing) {
  EnterChoiceMode();
  for (char16_t code : {u'n', u' ', u'\n', kEsc}) {
    interaction.OnResultKeyPress(code);
  }
  EXPECT_EQ(view.log, Log{});
  EXPECT_TRUE(view.resultVisible);
}

TEST_F(SearchInteractionTest, EnterInTheListWithoutASelectionOpensNothing) {
  EnterChoiceMode();
  for (int selection : {-1, 3, 100}) {
    SCOPED_TRACE(selection);
    view.selection = selection;
    interaction.OnResultKeyPress(u'\r');
    EXPECT_TRUE(view.opened.empty());
    EXPECT_TRUE(view.resultVisible) << "the list stays for the user to pick from";
    EXPECT_EQ(view.focus, Focus::kResult);
  }
}

TEST_F(SearchInteractionTest, EscInTheListReturnsToInputWithoutOpening) {
  EnterChoiceMode();
  interaction.OnCancelClick();
  EXPECT_EQ(view.log, (Log{"clear text", "hide list", "input into tab order", "focus input"}));
  EXPECT_TRUE(view.opened.empty());
  EXPECT_FALSE(view.closed);
}

TEST_F(SearchInteractionTest, EscInInputModeClosesTheWindow) {
  struct Case {
    const char* name;
    bool throughTheList;
  };
  for (const Case& c : {Case{"at start", false}, Case{"after the list", true}}) {
    SCOPED_TRACE(c.name);
    FakeMainView fresh;
    SearchInteraction window(fresh, search.Function());
    if (c.throughTheList) {
      search.matches = search.distinct = {Path(u"a", u"x1.url"), Path(u"a", u"x2.url")};
      fresh.inputText = u"x";
      window.OnInputKeyPress(u'\r');
      window.OnCancelClick();
      EXPECT_FALSE(fresh.closed) << "the first Esc only leaves the list";
    }
    fresh.log.clear();
    window.OnCancelClick();
    EXPECT_TRUE(fresh.closed);
    EXPECT_EQ(fresh.log, Log{"close"});
  }
}

}  // namespace
}  // namespace fandrel
