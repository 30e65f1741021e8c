#pragma once

#include <windows.h>

#include "ui/search_interaction.h"

namespace fandrel {

// Hands Enter, pressed in the text box or the list, to their key-press handlers. It is taken
// from the message loop before the dialog manager sees it, which would make Enter the command
// IDOK ("Dialog Box Keyboard Interface"): every other message reaches the controls as the
// system sends it, at no cost of this program's. True when `message` has been dealt with.
bool RouteKey(MSG& message, HWND input, HWND list, SearchInteraction& interaction);

}  // namespace fandrel
