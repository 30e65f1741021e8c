#pragma once

#include <optional>
#include <string>

namespace fandrel {

// The short (8.3) form of a path in the long form, which may be longer than the path; on
// a volume without short names, the path itself ("GetShortPathNameW"). Empty when the path
// cannot be found.
std::wstring ShortForm(const std::wstring& exact);

// What the shell is given to open the file whose long form is `exact`, the volume having
// given it the short form `shortForm`. The shell normalises a path ("Trail.\x.url" reads as
// "Trail\x.url") and opens none of MAX_PATH characters or more, and a handler registered
// with %l, which asks for the long name, may lengthen a short form again. So: nothing where the
// normalised path names another existing file; else the path where it reads as itself; else its
// short form where that does; else the path.
std::optional<std::wstring> PathForTheShell(const std::wstring& exact,
                                            const std::wstring& shortForm);

}  // namespace fandrel
