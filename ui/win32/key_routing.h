#pragma once

#include <windows.h>

#include "ui/search_interaction.h"

namespace fandrel {

// Hands the characters typed into the text box and the list to their key-press handlers.
// The window's message loop runs every message through IsDialogMessage, which would turn
// Enter into the command IDOK and never let either control see it; both controls therefore
// ask for Enter themselves.
class KeyRouting {
 public:
  KeyRouting() = default;
  KeyRouting(const KeyRouting&) = delete;
  KeyRouting& operator=(const KeyRouting&) = delete;

  // Must outlive both controls.
  void Attach(HWND input, HWND results, SearchInteraction& interaction);

  struct Route {
    WNDPROC original = nullptr;
    SearchInteraction* interaction = nullptr;
  };

 private:
  Route input_;
  Route results_;
};

}  // namespace fandrel
