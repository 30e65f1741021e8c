#include "tests/support/tree.h"

#include <algorithm>
#include <optional>

#include "search/title_key.h"

namespace fandrel::testing {

Texts Keys(const Texts& paths) {
  Texts keys;
  for (const Text& path : paths) keys.push_back(GetTitleKey(path));
  return keys;
}

Texts Split(TextView text) {
  Texts parts(1);
  for (char16_t c : text) c == u'|' ? parts.emplace_back() : parts.back() += c;
  return parts;
}

Text Tree::Path(TextView relative) const {
  Text path = root_ + Text(relative);
  std::replace(path.begin(), path.end(), u'/', kPathSeparator);
  return path;
}

Found Tree::Search(const Text& fragment) {
  FavoritesSources sources;
  sources.readRoot = [this] { return std::optional(root_); };
  sources.folders = folders_;
  Found found{SearchFavorites(fragment, matches_, distinct_, sources), {}, {}};
  for (std::size_t k = 0; k < matches_.size(); ++k) found.matches.push_back(matches_.FullPath(k));
  for (std::size_t k = 0; k < distinct_.size(); ++k) {
    found.distinct.push_back(distinct_.FullPath(k));
  }
  return found;
}

MemoryTree::MemoryTree() {
  root_ = Text(u"R") + kPathSeparator;
  folders_ = this;
  entries_[root_];
}

MemoryTree& MemoryTree::Add(TextView relative, std::uint32_t attributes) {
  const bool folder = relative.back() == u'/';
  const TextView parent = relative.substr(0, relative.rfind(u'/', relative.size() - 2) + 1);
  if (!entries_.count(Path(parent))) Add(parent);
  if (folder) entries_[Path(relative)];
  const TextView name = relative.substr(parent.size(), relative.size() - parent.size() - folder);
  if (!attributes) attributes = folder ? kAttributeDirectory : kAttributeArchive;
  entries_[Path(parent)].emplace_back(name, attributes);
  return *this;
}

void MemoryTree::ReadFolder(const Text& folder, const EntryVisitor& visit) {
  if (folder == root_) opened.clear();  // a search begins
  opened.push_back(folder);
  visit(u".", kAttributeDirectory);
  visit(u"..", kAttributeDirectory);
  for (const auto& [name, attributes] : entries_[folder]) visit(name, attributes);
}

}  // namespace fandrel::testing
