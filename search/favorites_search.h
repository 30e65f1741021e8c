#pragma once

#include <functional>
#include <optional>

#include "platform/favorites_location.h"
#include "platform/folder_reader.h"
#include "platform/text.h"
#include "search/path_list.h"

namespace fandrel {

enum class Outcome {
  kNone,     // nothing matched
  kOne,      // one distinct title: strDistinct holds exactly one path
  kSeveral,  // two or more distinct titles
};

// What the search reads: where the Favorites folder is, and the folders themselves.
// The program uses the system's; tests put trees and faults of their own here.
struct FavoritesSources {
  std::function<std::optional<Text>()> readRoot = ReadFavoritesRoot;
  FolderReader* folders = &SystemFolderReader();
};

// Walks the Favorites tree breadth-first from its root and collects into strMatches
// every shortcut whose title contains `fragment` regardless of case. When anything
// matched, sorts strMatches by title key and rebuilds strDistinct with one path per
// distinct title; when nothing did, strDistinct is left as it was.
Outcome SearchFavorites(const Text& fragment, PathList& strMatches, PathList& strDistinct,
                        const FavoritesSources& sources = {});

}  // namespace fandrel
