#include "bench/synthetic_tree.h"

#include <fstream>
#include <random>
#include <stdexcept>
#include <unordered_set>
#include <vector>

#include "bench/title_words.h"

namespace fandrel::bench {
namespace {

constexpr int kMaxDepth = 6;

struct Folder {
  std::filesystem::path path;
  int depth;
  std::unordered_set<std::string> names;  // taken in this folder
};

// `wanted` itself, or with " (2)", " (3)"... when the folder already holds that name,
// as a browser names a second favorite of the same title.
std::string FreeName(Folder& folder, const std::string& wanted, const char* suffix) {
  std::string name = wanted + suffix;
  for (int copy = 2; !folder.names.insert(name).second; ++copy) {
    name = wanted + " (" + std::to_string(copy) + ")" + suffix;
  }
  return name;
}

// Names are UTF-8, on every system.
std::filesystem::path Utf8(const std::string& name) {
  return std::u8string(name.begin(), name.end());
}

}  // namespace

TreeFacts MakeSyntheticTree(const std::filesystem::path& root, long entries, std::uint32_t seed) {
  std::mt19937 random(seed);
  TreeFacts facts;
  const long folderCount = entries / 10;
  std::vector<Folder> folders;
  folders.reserve(static_cast<std::size_t>(folderCount) + 1);
  folders.push_back({root, 0, {}});

  // A spine first, so that the tree reaches its full depth whatever its size; then each
  // folder goes under one picked at random among those not yet at the deepest level.
  std::vector<std::size_t> open{0};
  for (long made = 0; made < folderCount; ++made) {
    const std::size_t parent = made < kMaxDepth ? folders.size() - 1 : open[random() % open.size()];
    Folder child;
    child.depth = folders[parent].depth + 1;
    child.path = folders[parent].path / Utf8(FreeName(folders[parent], FolderName(random), ""));
    if (!std::filesystem::create_directory(child.path)) {
      throw std::runtime_error("cannot make " + child.path.string());
    }
    if (child.depth < kMaxDepth) open.push_back(folders.size());
    if (child.depth > facts.depth) facts.depth = child.depth;
    folders.push_back(std::move(child));
  }
  facts.folders = folderCount;

  // The shortcuts are empty files: the search reads names only.
  auto addShortcut = [&](Folder& folder, const std::string& title) {
    if (!std::ofstream(folder.path / Utf8(FreeName(folder, title, ".url")))) {
      throw std::runtime_error("cannot make a shortcut in " + folder.path.string());
    }
    ++facts.shortcuts;
  };
  std::uniform_int_distribution<std::size_t> anyFolder(0, folders.size() - 1);
  addShortcut(folders[kMaxDepth], "Quokka Sanctuary Tours");
  for (int k = 0; k < kFewMatches; ++k) {
    addShortcut(folders[anyFolder(random)], "Origami " + ShortcutTitle(random));
  }
  while (facts.shortcuts + facts.folders < entries) {
    addShortcut(folders[anyFolder(random)], ShortcutTitle(random));
  }
  return facts;
}

}  // namespace fandrel::bench
