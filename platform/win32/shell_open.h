#pragma once

#include <windows.h>

#include "platform/text.h"

namespace fandrel {

// Asks the shell to open `path` with its "open" verb, on behalf of the window `owner`.
// What opens it is the shell's choice, and the result is the shell's to report.
void OpenWithShell(HWND owner, const Text& path);

}  // namespace fandrel
