#pragma once

#include <string>

#include "platform/text.h"

namespace fandrel {

// The long form of a path: "\\?\" before a drive path, "\\?\UNC\" in place of the "\\"
// of a network path. Only this form reaches past MAX_PATH, and it reaches a name exactly
// as written, trailing dots and spaces included.
inline constexpr std::wstring_view kLongPrefix = L"\\\\?\\";
inline constexpr std::wstring_view kLongUncPrefix = L"\\\\?\\UNC\\";

// The long form of `path` once the system has made it full and normalised it ('/' read as
// '\', "." and ".." resolved, doubled separators dropped, a name's trailing dot dropped,
// and the last name's trailing dots and spaces), for the long form is only ever to be made
// from a normalised path. Empty when the system cannot make the path full.
std::wstring LongPathForm(std::wstring_view path);
// The usual form of a path in the long form: "\\?\D:\x" is "D:\x", "\\?\UNC\s\x" is "\\s\x".
std::wstring UsualForm(std::wstring path);

// The exact long form of the paths one search reports: the long form of its root, made
// once when the search begins, followed by the names exactly as the folders listed them
// (a name may end in a dot or a space, which normalising can drop). Empty for every path
// when the root's long form cannot be made: such a root is searched as nothing.
class SearchPaths {
 public:
  void BeginSearch(const Text& root);
  std::wstring ExactForm(const Text& path) const;

 private:
  Text root_;
  std::wstring longRoot_;
};

// The one the folder reader and the shell share: the walk reads through it, and a path
// that the walk found is opened through it.
SearchPaths& LastSearchPaths();

}  // namespace fandrel
