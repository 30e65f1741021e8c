#pragma once

#include <string>

#include "platform/text.h"

namespace fandrel {

// The "\\?\" form of a path, made full and normalised by the system first ('/' read as
// '\', "." and ".." resolved, doubled separators and trailing dots and spaces of names
// dropped), "\\?\UNC\" for a network path. Only this form reaches past MAX_PATH, and it
// reaches a name exactly as written, so it is only ever made from a normalised path.
std::wstring LongPathForm(std::wstring_view path);

// The exact "\\?\" form of the paths one search reports: the long form of its root,
// normalised once when the search begins, followed by the names exactly as the folders
// listed them (a name may end in a dot or a space, which normalising would drop).
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
