#pragma once

#include <windows.h>

#include "platform/text.h"

namespace fandrel {

// Asks the shell to open `path`, a path a search found, with its "open" verb, on behalf of
// the window `owner`. What opens it, and what is reported when it cannot, is the shell's
// choice; but a path that would reach another file is not handed over (see PathForTheShell).
void OpenWithShell(HWND owner, const Text& path);

}  // namespace fandrel
