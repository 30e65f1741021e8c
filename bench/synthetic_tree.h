#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace fandrel::bench {

// Fragments whose number of matches the generator fixes, whatever the tree's size.
inline constexpr const char* kNoMatchFragment = "qzxv";     // in no title
inline constexpr const char* kOneMatchFragment = "quokka";  // in exactly one title
inline constexpr const char* kFewMatchesFragment = "origami";
inline constexpr int kFewMatches = 300;
inline constexpr const char* kMostMatchesFragment = "e";  // in most titles

struct TreeFacts {
  long shortcuts = 0;
  long folders = 0;
  int depth = 0;  // of the deepest folder below the root
};

// Fills the empty folder `root` with a Favorites tree of about `entries` entries, the
// same for the same seed: nine in ten are shortcuts with names like a browser would
// give them, the rest folders four to six levels deep. The shortcuts are empty files:
// the search reads names only.
TreeFacts MakeSyntheticTree(const std::filesystem::path& root, long entries, std::uint32_t seed);

}  // namespace fandrel::bench
