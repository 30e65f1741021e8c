#pragma once

#include "platform/text.h"

namespace fandrel {

// Asks the shell to open `path` with its "open" verb, on behalf of the window
// `ownerWindow` (an HWND on Windows). What opens it is the shell's choice, and the
// result is the shell's to report.
void OpenWithShell(void* ownerWindow, const Text& path);

}  // namespace fandrel
