#pragma once

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "search/favorites_search.h"

namespace fandrel::testing {

// Whether this Windows program runs under Wine (false on POSIX).
bool RunningUnderWine();

using Texts = std::vector<Text>;

// What one search found, as plain paths.
struct Found {
  Outcome outcome = Outcome::kNone;
  Texts matches;
  Texts distinct;
};

// The title keys of paths, in order: how a result reads to the user.
Texts Keys(const Texts& paths);
// The parts of `text` between its '|'s.
Texts Split(TextView text);

// A Favorites tree made for one test. Relative paths use '/'; one that ends in '/' is a
// folder, any other a shortcut, and the folders on the way are made plain.
class Tree {
 public:
  Text Root() const { return root_; }
  Text Path(TextView relative) const;
  // A search of the tree into lists the tree keeps, as the window keeps its own.
  Found Search(const Text& fragment);

 protected:
  Text root_;
  FolderReader* folders_ = nullptr;  // what the search reads the tree with

 private:
  PathList matches_;
  PathList distinct_;
};

// In memory, and its own folder reader, so that a test sees which folders the walk opened:
// an entry carries whatever attribute word it is given, and a folder lists all its entries
// in the order they were added.
class MemoryTree final : public Tree, public FolderReader {
 public:
  MemoryTree();
  MemoryTree& Add(TextView relative, std::uint32_t attributes = 0);
  void ReadFolder(const Text& folder, const EntryVisitor& visit) override;
  Texts opened;  // the folders the walk opened, in order

 private:
  std::map<Text, std::vector<std::pair<Text, std::uint32_t>>> entries_;
};

// On this system's disk, read through its own folder reader: a fresh temporary folder,
// removed afterwards, whose entries get the system's own hidden, system and read-only marks.
class DiskTree final : public Tree {
 public:
  DiskTree();
  ~DiskTree();
  DiskTree& Add(TextView relative, std::uint32_t marks = 0);
  // A link to the folder `target`; false where the system makes none.
  bool Link(TextView relative, TextView target);
};

}  // namespace fandrel::testing
