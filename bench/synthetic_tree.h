#pragma once

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>

namespace fandrel::bench {

// Fragments in no title, in one, in 300 and in most titles of a tree.
inline constexpr const char* kNoMatchFragment = "qzxv";
inline constexpr const char* kOneMatchFragment = "quokka";
inline constexpr const char* kFewMatchesFragment = "origami";
inline constexpr const char* kMostMatchesFragment = "e";

// A shortcut title of the kind people keep in their Favorites, in several scripts, drawn
// from `random`. None contains the first three fragments above.
std::string ShortcutTitle(std::mt19937& random);

// The fewest entries a tree is made of: its deepest folder, and the 300 titles of the third
// fragment a small part of the rest.
inline constexpr long kFewestEntries = 1000;

// Fills the empty folder `root` with a Favorites tree of about `entries` entries (at least
// kFewestEntries, else std::invalid_argument), the same for the same seed: nine in ten are
// shortcuts (empty files: the search reads names only), the rest folders up to six levels deep.
// Returns the number of shortcuts.
long MakeSyntheticTree(const std::filesystem::path& root, long entries, std::uint32_t seed);

}  // namespace fandrel::bench
