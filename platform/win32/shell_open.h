#pragma once

#include <windows.h>

#include "platform/text.h"

namespace fandrel {

// Asks the shell to open `path`, a path a search found, with its "open" verb, on behalf of
// the window `owner`, the parent of any error the shell shows ("ShellExecuteW"). A path
// that would reach another file is not handed over (see PathForTheShell).
void OpenWithShell(HWND owner, const Text& path);

}  // namespace fandrel
