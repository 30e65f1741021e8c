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
  kOne,      // one distinct title: `distinct` holds exactly one path
  kSeveral,  // two or more distinct titles
};

// What the search reads: where the Favorites folder is, and the folders themselves.
// The program uses the system's; tests put trees and faults of their own here.
struct FavoritesSources {
  std::function<std::optional<Text>()> readRoot = ReadFavoritesRoot;
  FolderReader* folders = &SystemFolderReader();
};

// Walks the Favorites tree breadth-first from its root and collects into `matches` every
// shortcut whose title contains `fragment` regardless of case. When anything matched,
// sorts `matches` by title key and rebuilds `distinct` with one path per distinct title;
// when nothing did, `distinct` is left as it was.
Outcome SearchFavorites(const Text& fragment, PathList& matches, PathList& distinct,
                        const FavoritesSources& sources = {});

}  // namespace fandrel
