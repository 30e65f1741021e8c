#pragma once

#include <vector>

#include "platform/text.h"

namespace fandrel {

// What the interaction rules need from the main window's controls: the text box, the
// drop-down list of matching titles, and the window itself. The program's view
// forwards each call to a real control; tests record the calls.
class MainView {
 public:
  virtual ~MainView() = default;

  // The text box.
  virtual Text InputText() const = 0;
  virtual void SetInputText(const Text& text) = 0;
  virtual void SetInputTabStop(bool inTabOrder) = 0;
  virtual void FocusInput() = 0;

  // The list. It keeps its entries in the order they were added.
  virtual void ClearList() = 0;
  virtual void AppendToList(const std::vector<Text>& entries) = 0;
  virtual int ListSelection() const = 0;  // -1 when no entry is selected
  virtual void SetListSelection(int position) = 0;
  virtual bool ListVisible() const = 0;
  virtual void SetListVisible(bool visible) = 0;
  virtual void FocusList() = 0;

  // The window: hand a path to the shell's "open" action, and close the window.
  virtual void OpenPath(const Text& path) = 0;
  virtual void Close() = 0;
};

}  // namespace fandrel
