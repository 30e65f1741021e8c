#pragma once

#include <filesystem>

#include "platform/text.h"
#include "search/favorites_search.h"

namespace fandrel::testing {

// A Favorites folder on the real disk, in a fresh temporary folder that is removed when
// the tree goes. Relative paths are written with '/' and stand for the system's own
// separator.
class FavoritesTree {
 public:
  FavoritesTree();
  ~FavoritesTree();
  FavoritesTree(const FavoritesTree&) = delete;
  FavoritesTree& operator=(const FavoritesTree&) = delete;

  // The root as the search sees it: a folder path ending with the separator.
  Text Root() const;
  // The full path of an entry, as the search reports it.
  Text PathOf(TextView relative) const;
  std::filesystem::path FsPath(TextView relative) const;

  // A small shortcut file; its parent folders are made as needed.
  void AddFile(TextView relative);
  void AddFolder(TextView relative);
  // Makes a symbolic link to a folder; false where the system does not allow it.
  bool AddFolderLink(TextView relative, TextView target);

  // Marks an entry hidden. POSIX has no such mark, so there the entry is renamed to
  // a name beginning with ".", which is how that system hides a name.
  void MarkHidden(TextView relative);
  // Makes a folder read-only (on POSIX: its owner may not write it).
  void MarkReadOnly(TextView relative);

  // Sources that make the search walk this tree.
  FavoritesSources Sources() const;

 private:
  std::filesystem::path root_;
};

// Distinct title keys of the paths, in order: how the result reads to the user.
std::vector<Text> KeysOf(const PathList& paths);

}  // namespace fandrel::testing
