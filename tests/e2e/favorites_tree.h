#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace e2e {

// A Favorites folder of the test's own in a temporary folder, made the current user's
// Favorites location (the shell's "Favorites" value) for as long as it lives, with the
// log that the recorder writes beside it. The previous value is put back afterwards, so
// the tests are safe to run on a real desktop.
class FavoritesTree {
 public:
  FavoritesTree();
  FavoritesTree(const FavoritesTree&) = delete;
  FavoritesTree& operator=(const FavoritesTree&) = delete;
  ~FavoritesTree();

  // The folder, as the registry value holds it (no trailing backslash).
  const std::wstring& Root() const { return root_; }

  // Creates the Internet shortcut `relativePath` ("News.url", "Sub\\news.url"), and any
  // folders on its way; returns its full path. With `minimal`, the file is left empty,
  // which the search does not look into, to build large trees quickly.
  std::wstring Add(std::wstring_view relativePath, bool minimal = false);

  // The paths the shell has opened so far, in the order the recorder logged them.
  std::vector<std::wstring> Opened() const;

  // Waits until at least `count` paths were opened; returns what was opened by then.
  std::vector<std::wstring> WaitForOpened(size_t count) const;

 private:
  std::wstring base_;
  std::wstring root_;
  std::wstring log_;
  bool hadValue_ = false;
  DWORD savedType_ = REG_SZ;
  std::vector<BYTE> savedData_;
};

}  // namespace e2e
