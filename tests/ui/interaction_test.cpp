// The two modes of the main window and what Enter and Esc do in them, over controls held
// in memory and a search of a tree held in memory.
#include <gtest/gtest.h>

#include <optional>
#include <string>

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
  int pick = 0;  // the entry the user selects once the list has the focus
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
  void FocusList() override { Note("focus list"), selection = pick; }
  void OpenPath(const Text& path) override { Note("open " + Ascii(path)); }
  void Close() override { Note("close"); }
};

TEST(Interaction, EnterAndEscInBothModes) {
  const std::string list =
      "clear list, add nemo|netlib|news, no tab stop, show, select 0, focus list";
  const std::string back = "text '', hide, tab stop, focus text";
  // Keys as the user presses them, each to the text box, or to the list while it shows:
  // ⏎ is Enter, ⎋ Esc (the cancel button's command), any other character is typed.
  const struct {
    const char* what;
    std::u16string_view keys;
    std::string log;
    int pick = 0;
  } rows[] = {
      {"Enter in an empty text box", u"⏎", ""},
      {"no match", u" a ⏎", "search ' a ', text '', focus text"},
      {"one title", u"x⏎", "search 'x', open R/F/X.url, text '', focus text"},
      {"Enter on the third entry", u"ne⏎ x⏎",
       "search 'ne', " + list + ", open R/F/news.url, " + back, 2},
      {"Enter with no entry selected", u"ne⏎⏎", "search 'ne', " + list, -1},
      {"Enter with a selection past the end", u"ne⏎⏎", "search 'ne', " + list, 3},
      {"Esc twice", u"ne⏎⎋⎋", "search 'ne', " + list + ", " + back + ", close"},
  };
  testing::MemoryTree tree;
  tree.Add(u"F/Nemo.url").Add(u"G/NETLIB.URL").Add(u"F/news.url").Add(u"F/X.url");
  const FavoritesSources sources{[&] { return std::optional(tree.Root()); }, &tree};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    FakeView view;
    view.pick = row.pick;
    SearchInteraction interaction(view, [&](const Text& fragment, PathList& m, PathList& d) {
      view.Note("search '" + Ascii(fragment) + "'");
      return SearchFavorites(fragment, m, d, sources);
    });
    for (char16_t key : row.keys) {
      const char16_t code = key == u'⏎' ? kEnterKey : key;
      if (key == u'⎋') {
        interaction.OnCancelClick();
      } else if (view.listShown) {
        interaction.OnListKeyPress(code);
      } else {
        interaction.OnInputKeyPress(code);  // before the text box takes the character
        if (key != u'⏎') view.text += key;
      }
    }
    EXPECT_EQ(view.log, row.log);
  }
}

}  // namespace
}  // namespace fandrel
