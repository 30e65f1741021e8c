#pragma once

#include <optional>
#include <string>

namespace fandrel {

// The short (8.3) form of a path in the long form, which may be longer than the path; on
// a volume without short names, the path itself ("GetShortPathNameW"). Empty when the path
// cannot be found.
std::wstring ShortForm(const std::wstring& exact);

// What the shell is given to open the file whose long form is `exact`, the volume having
// given it the short form `shortForm`. The shell takes a path as the system takes any path
// not in the "\\?\" form, normalised ("File path formats on Windows systems": "Trail.\x.url"
// reads as "Trail\x.url"), and within MAX_PATH, past which only the "\\?\" form goes
// ("Maximum Path Length Limitation": the shell may not take what the file system does).
// Whether the handler of Internet shortcuts, registered with %l, lengthens a short form
// again, the Windows job's end-to-end session shows. So: nothing where the normalised path
// names another existing file; else the path where it reads as itself; else its short form
// where that does; else the path.
std::optional<std::wstring> PathForTheShell(const std::wstring& exact,
                                            const std::wstring& shortForm);

}  // namespace fandrel
