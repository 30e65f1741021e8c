#pragma once

#include <optional>
#include <string>

namespace fandrel {

// The short (8.3) form of a path in the long form, however much longer than the path it
// is ("Twin." is "TWIN~3LU" under Wine). A volume that keeps no short names gives each
// name as it is. Empty when the path cannot be found.
std::wstring ShortForm(const std::wstring& exact);

// What the shell is given to open the file whose long form is `exact`, the volume having
// given it the short form `shortForm`. The shell normalises a path as GetFullPathNameW does
// ("Trail.\x.url" read as "Trail\x.url") and opens none of MAX_PATH characters or more;
// a handler registered with %l may lengthen a short form again. So: nothing where the path
// as normalised names another existing file; else the path where it reads as itself; else
// its short form where that does; else the path, for the shell to fail on.
std::optional<std::wstring> PathForTheShell(const std::wstring& exact,
                                            const std::wstring& shortForm);

}  // namespace fandrel
