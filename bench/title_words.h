#pragma once

#include <random>
#include <string>

namespace fandrel::bench {

// Folder and shortcut names of the kind people keep in their Favorites, in several
// scripts, drawn from `random`. No name contains the benchmark's special fragments.
std::string FolderName(std::mt19937& random);
std::string ShortcutTitle(std::mt19937& random);

}  // namespace fandrel::bench
