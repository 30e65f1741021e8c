// The two modes of the main window and what Enter and Esc do in them, over controls held
// in memory and a search whose results the test decides.
#include <gtest/gtest.h>
#include <algorithm>

#include "tests/support/tree.h"
#include "ui/search_interaction.h"

namespace fandrel {
namespace {

// "/" in a test stands for the system's separator.
std::string Ascii(TextView text) {
  std::string ascii;
  for (char16_t c : text) ascii += c == kPathSeparator ? '/' : static_cast<char>(c);
  return ascii;
}

// Controls held in memory, as the window starts (input mode). Every call that changes
// something is logged, so a test sees the steps and their order.
struct FakeView final : MainView {
  Text text;
  int selection = -1;
  bool listShown = false;
  std::string log;

  void Note(const std::string& step) { log += (log.empty() ? "" : ", ") + step; }
  Text InputText() const override { return text; }
  void SetInputText(const Text& t) override { text = t, Note("text '" + Ascii(t) + "'"); }
  void SetInputTabStop(bool on) override { Note(on ? "tab stop" : "no tab stop"); }
  void FocusInput() override { Note("focus text"); }
  void ClearList() override { Note("clear list"); }
  void AppendToList(const std::vector<Text>& entries) override {
    std::string shown;
    for (const Text& entry : entries) shown += (shown.empty() ? "" : "|") + Ascii(entry);
    Note("add " + shown);
  }
  int ListSelection() const override { return selection; }
  void SetListSelection(int p) override { selection = p, Note("select " + std::to_string(p)); }
  bool ListVisible() const override { return listShown; }
  void SetListVisible(bool shown) override { listShown = shown, Note(shown ? "show" : "hide"); }
  void FocusList() override { Note("focus list"); }
  void OpenPath(const Text& path) override { Note("open " + Ascii(path)); }
  void Close() override { Note("close"); }
};

TEST(Interaction, EnterAndEscInBothModes) {
  const std::string list =
      "clear list, add nemo|netlib|news, no tab stop, show, select 0, focus list";
  const std::string back = "text '', hide, tab stop, focus text";
  // Keys as the user presses them: each goes to the text box, or to the list while it
  // shows. '\r' is Enter, '\x1b' Esc (the cancel button); '#' selects the list's third
  // entry, '-' no entry and '+' one past the end. A search finds the row's results.
  const std::u16string_view three = u"F/Nemo.url|G/NETLIB.URL|F/news.url";
  const struct {
    const char* what;
    std::u16string_view keys, results;
    std::string log;
  } rows[] = {
      {"Enter in an empty text box", u"\r", three, ""},
      {"no match", u" a \r", u"", "search ' a ', text '', focus text"},
      {"one title", u"x\r", u"F/X.url", "search 'x', open F/X.url, text '', focus text"},
      {"Enter in the list", u"ne\r x#\r", three,
       "search 'ne', " + list + ", open F/news.url, " + back},
      {"Enter in the list without a selection", u"ne\r-\r+\r", three, "search 'ne', " + list},
      {"Esc twice", u"ne\r\x1b\x1b", three, "search 'ne', " + list + ", " + back + ", close"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    FakeView view;
    SearchInteraction interaction(view, [&](const Text& fragment, PathList& m, PathList& d) {
      view.Note("search '" + Ascii(fragment) + "'");
      m.clear();
      for (Text path : testing::Split(row.results)) {
        std::replace(path.begin(), path.end(), u'/', kPathSeparator);
        const std::size_t cut = path.rfind(kPathSeparator) + 1;
        if (!path.empty()) m.Add(m.AddFolder(path.substr(0, cut)), path.substr(cut));
      }
      d = m;
      return m.empty() ? Outcome::kNone : m.size() == 1 ? Outcome::kOne : Outcome::kSeveral;
    });
    for (char16_t key : row.keys) {
      if (key == u'\x1b') {
        interaction.OnCancelClick();
      } else if (view.listShown) {
        const auto pick = std::u16string_view(u"-#+").find(key);
        if (pick != std::u16string_view::npos) view.selection = pick ? int(pick) + 1 : -1;
        interaction.OnListKeyPress(key);
      } else {
        interaction.OnInputKeyPress(key);  // before the text box takes the character
        if (key != u'\r') view.text += key;
      }
    }
    EXPECT_EQ(view.log, row.log);
  }
}

}  // namespace
}  // namespace fandrel
