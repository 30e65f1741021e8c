#pragma once

#include <string>

namespace fandrel {

// The long form of a path: "\\?\" before a drive path, "\\?\UNC\" in place of the "\\"
// of a network path. The system takes it as written, a name's trailing dots and spaces
// included ("Naming Files, Paths, and Namespaces").
inline constexpr std::wstring_view kLongPrefix = L"\\\\?\\";
inline constexpr std::wstring_view kLongUncPrefix = L"\\\\?\\UNC\\";

// The long form of `path` once GetFullPathNameW has made it full and normalised it, which
// the long form skips ("File path formats on Windows systems"). Empty when the system
// cannot make the path full.
std::wstring LongPathForm(std::wstring_view path);
// The usual form of a path in the long form: "\\?\D:\x" is "D:\x", "\\?\UNC\s\x" is "\\s\x".
std::wstring UsualForm(std::wstring path);

}  // namespace fandrel
