#pragma once

#include <windows.h>

#include "ui/search_interaction.h"

namespace fandrel {

// Hands the characters typed into the text box and the list to their key-press handlers.
// The message loop runs every message through IsDialogMessage, which turns Enter into the
// command IDOK ("Dialog Box Keyboard Interface"); both controls therefore ask for Enter with
// WM_GETDLGCODE. `interaction` must outlive both controls.
void RouteKeys(HWND input, HWND list, SearchInteraction& interaction);

}  // namespace fandrel
