#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace fandrel::testing {

// Whether this Windows program runs under Wine (never true natively).
bool RunningUnderWine();

#ifdef _WIN32
// Some things a test needs Wine does only from the Unix side: it keeps a folder's
// read-only mark only as a missing write permission, makes links to folders only as Unix
// links, follows those links when it removes a folder, and makes thousands of entries
// slowly. Under Wine the tests ask a Unix shell for these; on Windows nothing happens.

// The Unix path of a Windows one, quoted for the shell; empty without Wine.
std::string QuotedUnixPath(const std::filesystem::path& path);

// Runs `script` (ASCII, without double quotes) with /bin/sh, then waits until `landed`
// says its work is done: Wine gives a Unix program no handle to wait on. False without
// Wine, or when it never lands.
bool RunUnixShell(const std::string& script, const std::function<bool()>& landed);
#endif

}  // namespace fandrel::testing
