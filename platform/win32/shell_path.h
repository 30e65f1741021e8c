#pragma once

#include <optional>
#include <string>

namespace fandrel {

// The short (8.3) form of a path in the long form, however much longer than the path it
// is ("Twin." can be "TWIN~1", or "TWIN~3LU" under Wine). A volume that keeps no short
// names (ReFS, a Dev Drive, NTFS with 8.3 names turned off) gives each name as it is, so
// the path comes back unchanged. Empty when the path cannot be found.
std::wstring ShortForm(const std::wstring& exact);

// What the shell is to be given to open the file whose exact long form is `exact`, the
// volume having given it the short form `shortForm`. The shell takes a path as text and
// normalises it as the system does (a name's trailing dot dropped, "Trail.\x.url" read as
// "Trail\x.url"), and it opens no path of MAX_PATH characters or more. So the path is
// handed over as it is where the shell reads it as itself, else in its short form where
// the shell reads that as itself; else as it is, for the shell to fail on as it would on
// any shortcut it cannot open, but never where what the shell would make of it is another
// existing file: then nothing.
std::optional<std::wstring> PathForTheShell(const std::wstring& exact,
                                            const std::wstring& shortForm);

// Whether two paths name the same existing file or folder: the same volume and file
// index, whatever the text of the paths.
bool SameFile(const std::wstring& a, const std::wstring& b);

}  // namespace fandrel
