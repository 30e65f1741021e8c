#pragma once

#include <map>
#include <vector>

#include "search/favorites_search.h"

namespace fandrel::testing {

// Whether this Windows program runs under Wine (never true natively).
bool RunningUnderWine();

using Texts = std::vector<Text>;

// What one search found, as plain paths.
struct Found {
  Outcome outcome = Outcome::kNone;
  std::vector<Text> matches;
  std::vector<Text> distinct;
};

// The title keys of paths, in order: how a result reads to the user.
std::vector<Text> Keys(const std::vector<Text>& paths);
// The parts of `text` between its '|'s.
std::vector<Text> Split(TextView text);

// A Favorites tree made for one test, in memory or on this system's disk. Relative paths
// use '/'; one that ends in '/' is a folder, any other a shortcut, and the folders on the
// way are made plain. In memory an entry carries whatever attribute word it is given, a
// folder lists its entries in the order they were added, and, as every folder reader does,
// leaves out those marked hidden or system. On disk the tree is a fresh temporary folder,
// removed afterwards, and the hidden, system and read-only bits of the word become the
// system's own marks. Either way the tree is the search's folder reader too, so a test sees
// which folders the walk opened.
class Tree final : public FolderReader {
 public:
  enum Where { kMemory, kDisk };
  explicit Tree(Where where);
  ~Tree() override;

  Tree& Add(TextView relative, std::uint32_t attributes = 0);
  // A link to the folder `target` (on disk); false where the system makes none.
  bool Link(TextView relative, TextView target);

  Text Root() const { return root_; }
  Text Path(TextView relative) const;
  // A search of the tree into lists the tree keeps, as the window keeps its own.
  Found Search(const Text& fragment);
  bool located = true;  // false: no usable Favorites location

  Text BeginSearch(const Text& root) override;
  void ReadFolder(const Text& folder, const EntryVisitor& visit) override;
  std::vector<Text> opened;  // the folders the walk opened, in order

 private:
  Where where_;
  Text root_;
  std::map<Text, std::vector<std::pair<Text, std::uint32_t>>> memory_;
  PathList matches_;
  PathList distinct_;
  std::vector<Text> locked_;  // folders whose permissions go back before removal
};

}  // namespace fandrel::testing
