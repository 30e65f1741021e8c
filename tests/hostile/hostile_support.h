#pragma once

#include <functional>

#include "platform/text.h"
#include "search/favorites_search.h"
#include "tests/support/favorites_tree.h"
#include "tests/support/unix_side.h"

namespace fandrel::testing {

struct SearchResult {
  Outcome outcome = Outcome::kNone;
  PathList matches;
  PathList distinct;
};

SearchResult SearchIn(const FavoritesSources& sources, const Text& fragment);
SearchResult SearchIn(const FavoritesTree& tree, const Text& fragment);

// Makes the folders of `relative` and an empty file at its end, at any path length:
// on Windows through the "\\?\" form, which the standard library may not use.
void AddFileAtAnyLength(const FavoritesTree& tree, TextView relative);

// Makes `count` entries named `prefix` + a six-digit number + `suffix` in the existing
// folder `relative`, quickly: most are further names (hard links) of a few empty files,
// which costs the file system no new file each and is, to a search that reads names,
// the same as many files. Where links cannot be made, each is a file of its own.
void AddNumberedFiles(const FavoritesTree& tree, TextView relative, TextView prefix,
                      TextView suffix, int count);

}  // namespace fandrel::testing
