#pragma once

#include <windows.h>

#include "platform/text.h"

namespace fandrel {

// Asks the shell to open `path` with its "open" verb, on behalf of the window `owner`.
// What opens it is the shell's choice, and the result is the shell's to report; but where
// every text the shell could be given for the path would reach another file, it is given
// nothing (see PathForTheShell).
void OpenWithShell(HWND owner, const Text& path);

}  // namespace fandrel
