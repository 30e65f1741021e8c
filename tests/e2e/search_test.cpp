// A user's searches, typed into the real program, with the shell's "open" landing in
// the recorder: what is opened, what the list offers, and where the focus goes.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

#include "fandrel_process.h"
#include "fandrel_window.h"
#include "favorites_tree.h"
#include "keyboard.h"
#include "wait.h"
#include "window_state.h"

namespace e2e {
namespace {

std::vector<std::string> Utf8(const std::vector<std::wstring>& texts) {
  std::vector<std::string> converted;
  for (const std::wstring& text : texts) converted.push_back(ToUtf8(text));
  return converted;
}

class Search : public testing::Test {
 protected:
  HWND Window() const { return app_.Window(); }
  HWND Input() const { return app_.Control(kInputId); }
  HWND Result() const { return app_.Control(kResultId); }

  void Start() {
    ASSERT_TRUE(app_.Start());
    ASSERT_TRUE(BringToFront(Window())) << "cannot bring the window to the foreground";
  }

  // Types the fragment into the text box as a user would, then presses Enter.
  void SearchFor(const std::wstring& fragment) {
    ASSERT_TRUE(BringToFront(Window()));
    TypeText(fragment);
    ASSERT_TRUE(WaitUntil([&] { return WindowText(Input()) == fragment; }))
        << "typed '" << ToUtf8(fragment) << "', the text box holds '" << ToUtf8(WindowText(Input()))
        << "'";
    PressKey(VK_RETURN);
  }

  void Press(WORD key) {
    ASSERT_TRUE(BringToFront(Window()));
    PressKey(key);
  }

  bool InEmptyInputMode() const {
    return !IsWindowVisible(Result()) && WindowText(Input()).empty() &&
           FocusOf(Window()) == Input();
  }

  bool InChoiceMode() const { return IsWindowVisible(Result()) && FocusOf(Window()) == Result(); }

  // What a user would see, for failure messages.
  std::string State() const {
    if (app_.HasExited()) return "the program has ended";
    return std::string(IsWindowVisible(Result()) ? "choice mode" : "input mode") + ", text '" +
           ToUtf8(WindowText(Input())) + "', focus on " + ControlName(FocusOf(Window())) + ", " +
           std::to_string(ListCount(Result())) + " entries in the list";
  }

  // Waits for `done`, giving up early when the program has ended.
  template <typename Predicate>
  bool Settles(Predicate done, DWORD timeoutMs = kWaitMs) const {
    return WaitUntil([&] { return done() || app_.HasExited(); }, timeoutMs) && done();
  }

  testing::AssertionResult EmptyInputMode(const char* after) const {
    if (Settles([&] { return InEmptyInputMode(); })) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "after " << after << ": " << State();
  }

  // The list is shown with `count` entries and holds the focus.
  testing::AssertionResult ChoiceMode(int count, const char* after) const {
    if (Settles([&] { return InChoiceMode() && ListCount(Result()) == count; })) {
      return testing::AssertionSuccess();
    }
    return testing::AssertionFailure()
           << "after " << after << ": " << State() << " instead of choice mode with " << count;
  }

  // Nothing that happened so far opened a shortcut: one known single match is then the
  // first and only thing the recorder logs. Waiting for that is surer than waiting for
  // nothing for a while.
  void ExpectNothingOpenedBefore(const std::wstring& fragment, const std::wstring& onlyMatch) {
    SearchFor(fragment);
    tree_.WaitForOpened(1);
    Sleep(300);
    EXPECT_EQ(Utf8(tree_.Opened()), Utf8({onlyMatch}));
  }

  FavoritesTree tree_;
  FandrelProcess app_;
};

TEST_F(Search, NoMatchClearsTheTextBoxAndKeepsTheFocusThere) {
  const std::wstring weather = tree_.Add(L"Weather.url");
  tree_.Add(L"Sub\\News.url");
  Start();

  PressKey(VK_RETURN);  // nothing typed: nothing to search
  SearchFor(L"zzz");
  ASSERT_TRUE(EmptyInputMode("a search without a match"));
  ExpectNothingOpenedBefore(L"weath", weather);
}

struct SingleTitleCase {
  const char* name;
  std::vector<std::wstring> files;
  std::wstring fragment;
  size_t opened;  // position in `files`
};

void PrintTo(const SingleTitleCase& row, std::ostream* out) { *out << row.name; }

class SingleTitle : public Search, public testing::WithParamInterface<SingleTitleCase> {};

TEST_P(SingleTitle, OpensAtOnceAndReturnsToAnEmptyTextBox) {
  const SingleTitleCase& row = GetParam();
  std::vector<std::wstring> paths;
  for (const std::wstring& file : row.files) paths.push_back(tree_.Add(file));
  Start();

  SearchFor(row.fragment);
  const auto opened = tree_.WaitForOpened(1);
  EXPECT_EQ(Utf8(opened), Utf8({paths[row.opened]}));
  ASSERT_TRUE(EmptyInputMode("opening the only match"));
}

INSTANTIATE_TEST_SUITE_P(
    Trees, SingleTitle,
    testing::Values(
        SingleTitleCase{"OneFile", {L"Weather.URL", L"News.url"}, L"weath", 0},
        // Equal title keys: the sort exchanges the two, and the subfolder's is kept.
        SingleTitleCase{"SameTitleInRootAndSubfolder",
                        {L"News.url", L"Sub\\news.url", L"Weather.url"},
                        L"news",
                        1},
        SingleTitleCase{"Spanish", {L"Weather.url", L"Animales\\Ñandú del Sur.url"}, L"ñandú", 1},
        SingleTitleCase{"Cyrillic", {L"Новости дня.url", L"Weather.url"}, L"новости", 0},
        SingleTitleCase{"Japanese", {L"News.url", L"旅行\\天気予報.url"}, L"天気", 1}),
    [](const testing::TestParamInfo<SingleTitleCase>& info) { return info.param.name; });

// Titles whose ordinal order differs from a dictionary's: digits and '_' before letters,
// accented letters after 'z'.
class SeveralTitles : public Search {
 protected:
  void SetUp() override {
    news_ = {tree_.Add(L"Zeta News.url"),        tree_.Add(L"Daily NEWS.URL"),
             tree_.Add(L"_news digest.url"),     tree_.Add(L"2news.url"),
             tree_.Add(L"Sub\\Émigré news.url"), tree_.Add(L"Sub\\Deeper\\Local news.url")};
    weather_ = tree_.Add(L"Sub\\Weather.url");
    wiki_ = {tree_.Add(L"Wikipedia.url"), tree_.Add(L"Sub\\wiki how.url")};
    tree_.Add(L"readme.txt");
  }

  const std::vector<std::string> newsTitles_ = {"2news",      "_news digest", "daily news",
                                                "local news", "zeta news",    "émigré news"};
  std::vector<std::wstring> news_;
  std::vector<std::wstring> wiki_;
  std::wstring weather_;
};

TEST_F(SeveralTitles, FillTheListSortedAndLowerCasedWithTheFirstSelectedAndFocused) {
  Start();
  SearchFor(L"news");
  ASSERT_TRUE(ChoiceMode(6, "a search with six titles"));
  EXPECT_EQ(Utf8(ListEntries(Result())), newsTitles_);
  EXPECT_EQ(ListSelection(Result()), 0);
  EXPECT_TRUE(CoveredOrHidden(app_.Control(kCancelId), Input())) << "cmdCancel came into view";
  EXPECT_TRUE(tree_.Opened().empty()) << "something was opened before a choice";
}

TEST_F(SeveralTitles, ArrowsAndEnterOpenTheChosenOneAndReturnToAnEmptyTextBox) {
  Start();
  SearchFor(L"news");
  ASSERT_TRUE(ChoiceMode(6, "a search with six titles"));
  Press(VK_DOWN);
  Press(VK_DOWN);
  ASSERT_TRUE(WaitUntil([&] { return ListSelection(Result()) == 2; }))
      << "two presses of Down select entry " << ListSelection(Result());
  Press(VK_RETURN);

  EXPECT_EQ(Utf8(tree_.WaitForOpened(1)), Utf8({news_[1]})) << "entry 2 is 'daily news'";
  ASSERT_TRUE(EmptyInputMode("Enter in the list"));
}

TEST_F(SeveralTitles, EscInTheListOpensNothingAndASecondEscEndsTheProgram) {
  Start();
  SearchFor(L"news");
  ASSERT_TRUE(ChoiceMode(6, "a search with six titles"));
  Press(VK_ESCAPE);
  ASSERT_TRUE(EmptyInputMode("Esc in the list"));
  ExpectNothingOpenedBefore(L"weather", weather_);

  ASSERT_TRUE(EmptyInputMode("opening the only match"));
  Press(VK_ESCAPE);
  const auto exitCode = app_.WaitForExit(kWaitMs);
  ASSERT_TRUE(exitCode.has_value()) << "Esc in the text box did not end the program";
  EXPECT_EQ(*exitCode, 0u);
}

TEST_F(SeveralTitles, ASecondListReplacesEveryEntryOfTheFirst) {
  Start();
  SearchFor(L"news");
  ASSERT_TRUE(ChoiceMode(6, "a search with six titles"));
  Press(VK_ESCAPE);
  ASSERT_TRUE(EmptyInputMode("Esc in the list"));

  SearchFor(L"wiki");
  ASSERT_TRUE(ChoiceMode(2, "a second search with two titles"));
  EXPECT_EQ(Utf8(ListEntries(Result())), (std::vector<std::string>{"wiki how", "wikipedia"}));
  EXPECT_EQ(ListSelection(Result()), 0);
  Press(VK_RETURN);
  EXPECT_EQ(Utf8(tree_.WaitForOpened(1)), Utf8({wiki_[1]}));
}

TEST_F(SeveralTitles, EnterWithNoEntrySelectedOpensNothingAndTheProgramCarriesOn) {
  Start();
  SearchFor(L"news");
  ASSERT_TRUE(ChoiceMode(6, "a search with six titles"));
  // A user cannot clear the selection with the keyboard; another program can.
  SendMessageW(Result(), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  ASSERT_EQ(ListSelection(Result()), CB_ERR);
  Press(VK_RETURN);
  Sleep(1000);
  EXPECT_FALSE(app_.HasExited()) << "the program ended";
  EXPECT_TRUE(Responds(Window(), 5000));
  EXPECT_TRUE(tree_.Opened().empty()) << "opened " << ToUtf8(tree_.Opened().front());
}

TEST_F(SeveralTitles, FocusIsWhereItWasWhenTheUserComesBack) {
  Start();
  SearchFor(L"news");
  ASSERT_TRUE(ChoiceMode(6, "a search with six titles"));

  // Another program comes to the front (as a browser would), then the user returns.
  const HWND other =
      CreateWindowExW(0, L"STATIC", L"Another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                      100, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(other, nullptr);
  ASSERT_TRUE(BringToFront(other));
  ASSERT_TRUE(BringToFront(Window()));
  DestroyWindow(other);
  EXPECT_TRUE(Settles([&] { return FocusOf(Window()) == Result(); }))
      << "back in the window: " << State();
  Press(VK_DOWN);
  EXPECT_TRUE(Settles([&] { return ListSelection(Result()) == 1; }))
      << "Down did not reach the list: " << State();
}

TEST_F(Search, EscInTheTextBoxEndsTheProgram) {
  Start();
  Press(VK_ESCAPE);
  const auto exitCode = app_.WaitForExit(kWaitMs);
  ASSERT_TRUE(exitCode.has_value()) << "still running after Esc";
  EXPECT_EQ(*exitCode, 0u);
}

TEST_F(Search, FortyThousandMatchesFillTheListAndTheProgramStaysResponsive) {
  constexpr int kCount = 40000;
  constexpr int kPerFolder = 1000;
  for (int i = 0; i < kCount; ++i) {
    wchar_t name[64];
    swprintf(name, std::size(name), L"Folder %02d\\Bulk %05d.url", i / kPerFolder, i);
    tree_.Add(name, true);
  }
  Start();

  TypeText(L"bulk");
  ASSERT_TRUE(WaitUntil([&] { return WindowText(Input()) == L"bulk"; }));
  const ULONGLONG pressed = GetTickCount64();
  PressKey(VK_RETURN);
  // The search holds the window's thread, so the program answers no message until it
  // is done: wait on what can be read without it, and give up early once it answers
  // again without having shown the list.
  const bool shown = WaitUntil(
      [&] {
        if (IsWindowVisible(Result())) return true;
        return GetTickCount64() - pressed > 3000 && Responds(Window(), 100);
      },
      240000);
  ASSERT_TRUE(shown && IsWindowVisible(Result())) << "no list after Enter: " << State();
  ASSERT_TRUE(Settles([&] { return ListCount(Result()) == kCount; }, 60000)) << State();
  const ULONGLONG filled = GetTickCount64();
  std::printf("[   INFO   ] %d matches: %.1f s from Enter to the filled list\n", kCount,
              static_cast<double>(filled - pressed) / 1000.0);
  RecordProperty("enter_to_filled_list_ms", static_cast<int>(filled - pressed));

  EXPECT_TRUE(Responds(Window(), 5000)) << "the window does not answer once the list is filled";
  EXPECT_EQ(ToUtf8(ListEntry(Result(), 0)), "bulk 00000");
  EXPECT_EQ(ToUtf8(ListEntry(Result(), kCount - 1)), "bulk 39999");
  EXPECT_EQ(FocusOf(Window()), Result());
  Press(VK_DOWN);
  EXPECT_TRUE(WaitUntil([&] { return ListSelection(Result()) == 1; })) << State();
  Press(VK_ESCAPE);
  ASSERT_TRUE(EmptyInputMode("Esc in the long list"));
}

}  // namespace
}  // namespace e2e
