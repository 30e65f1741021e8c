#pragma once

#include <functional>

#include "platform/text.h"
#include "search/favorites_search.h"
#include "ui/main_view.h"

namespace fandrel {

// The search as the window calls it; tests put a search of their own here.
using SearchFunction =
    std::function<Outcome(const Text& fragment, PathList& matches, PathList& distinct)>;

Outcome SearchSystemFavorites(const Text& fragment, PathList& matches, PathList& distinct);

inline constexpr char16_t kEnterKey = 13;

// The two modes of the main window and what Enter and Esc do in them. The mode lives
// only in the controls: the list showing means choice mode. This object also holds the
// path lists the search fills: Enter in the list reads the distinct paths again.
class SearchInteraction {
 public:
  explicit SearchInteraction(MainView& view, SearchFunction search = SearchSystemFavorites);

  // Key-press handlers: `code` is the character of the key, kEnterKey for Enter. The key
  // goes on to the control afterwards, but for Enter in the text box (see RouteKeys).
  void OnInputKeyPress(char16_t code);
  void OnListKeyPress(char16_t code);

  // The cancel button's command, which Esc sends too: back to input mode from the list, or
  // close the window from the text box.
  void OnCancelClick();

  void PresentOutcome(Outcome outcome);
  void ReturnToInput();
  void OpenFavorite(const Text& path);

 private:
  MainView& view_;
  SearchFunction search_;
  PathList matches_;
  PathList distinct_;
};

}  // namespace fandrel
