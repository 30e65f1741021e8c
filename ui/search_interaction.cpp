#include "ui/search_interaction.h"

#include <utility>

#include "search/title_key.h"

namespace fandrel {

Outcome SearchSystemFavorites(const Text& fragment, PathList& matches, PathList& distinct) {
  return SearchFavorites(fragment, matches, distinct);
}

SearchInteraction::SearchInteraction(MainView& view, SearchFunction search)
    : view_(view), search_(std::move(search)) {}

void SearchInteraction::OnInputKeyPress(char16_t code) {
  if (code != kEnterKey) return;
  const Text fragment = view_.InputText();
  if (fragment.empty()) return;
  PresentOutcome(search_(fragment, matches_, distinct_));
}

void SearchInteraction::PresentOutcome(Outcome outcome) {
  switch (outcome) {
    case Outcome::kNone:
      view_.SetInputText(Text());
      view_.FocusInput();
      break;
    case Outcome::kOne:
      if (!distinct_.empty()) OpenFavorite(distinct_.FullPath(0));
      view_.SetInputText(Text());
      view_.FocusInput();
      break;
    case Outcome::kSeveral: {
      // Emptied in one step, not entry by entry: the list may hold tens of thousands.
      view_.ClearList();
      std::vector<Text> keys;
      keys.reserve(distinct_.size());
      for (std::size_t k = 0; k < distinct_.size(); ++k) {
        keys.push_back(GetTitleKey(distinct_.Name(k)));
      }
      view_.AppendToList(keys);
      view_.SetInputTabStop(false);
      view_.SetListVisible(true);
      view_.SetListSelection(0);
      view_.FocusList();
      break;
    }
  }
}

void SearchInteraction::OnListKeyPress(char16_t code) {
  if (code != kEnterKey) return;
  const int position = view_.ListSelection();
  // With nothing selected there is nothing to open; the list stays so that the user
  // can pick an entry.
  if (position < 0 || static_cast<size_t>(position) >= distinct_.size()) return;
  OpenFavorite(distinct_.FullPath(static_cast<size_t>(position)));
  ReturnToInput();
}

void SearchInteraction::OnCancelClick() {
  if (view_.ListVisible()) {
    ReturnToInput();
  } else {
    view_.Close();
  }
}

void SearchInteraction::ReturnToInput() {
  view_.SetInputText(Text());
  view_.SetListVisible(false);
  view_.SetInputTabStop(true);
  view_.FocusInput();
}

void SearchInteraction::OpenFavorite(const Text& path) { view_.OpenPath(path); }

}  // namespace fandrel
