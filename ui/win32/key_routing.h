#pragma once

#include <windows.h>

#include "ui/search_interaction.h"

namespace fandrel {

// Hands the characters typed into the text box and the list to their key-press handlers.
// The window's message loop runs every message through IsDialogMessage, which would turn
// Enter into the command IDOK and never let either control see it; both controls therefore
// ask for Enter themselves. `interaction` must outlive both controls.
void RouteKeys(HWND input, HWND list, SearchInteraction& interaction);

}  // namespace fandrel
