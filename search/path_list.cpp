#include "search/path_list.h"

namespace fandrel {

Text PathList::FullPath(std::size_t position) const {
  const TextView folder = texts_->Get(entries_[position].folder);
  const TextView name = texts_->Get(entries_[position].name);
  Text path;
  path.reserve(folder.size() + name.size());
  path += folder;
  path += name;
  return path;
}

void PathList::clear() {
  texts_.reset();
  // Its storage goes too, so that a search that finds little after one that found most of
  // a large tree does not keep the large one's while the window waits.
  entries_ = std::vector<Entry>();
}

std::uint32_t PathList::AddFolder(TextView folder) { return Store(folder); }

void PathList::Add(std::uint32_t folder, TextView name) {
  entries_.push_back(Entry{folder, Store(name)});
}

void PathList::Reorder(const std::vector<std::uint32_t>& order) {
  // Eight bytes a path: a second list of entries costs little beside the names.
  std::vector<Entry> reordered(entries_.size());
  for (std::size_t k = 0; k < order.size(); ++k) reordered[k] = entries_[order[k]];
  entries_ = std::move(reordered);
}

PathList PathList::Pick(const std::vector<std::uint32_t>& positions) const {
  PathList picked;
  picked.texts_ = texts_;
  picked.entries_.reserve(positions.size());
  for (std::uint32_t at : positions) picked.entries_.push_back(entries_[at]);
  return picked;
}

std::uint32_t PathList::Store(TextView text) {
  if (!texts_) texts_ = std::make_shared<TextStore>();
  return texts_->Store(text);
}

}  // namespace fandrel
