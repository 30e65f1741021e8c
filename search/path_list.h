#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/text.h"
#include "search/text_store.h"

namespace fandrel {

// An ordered list of full paths held compactly: each folder path and each name once in one
// store of UTF-16 text, and each path as two numbers (eight bytes) into it, so that a search
// matching most of a large tree keeps no string per path; a full path is made only to open
// it. Lists made by Pick share the store, which lives as long as any of them.
class PathList {
 public:
  std::size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }
  Text FullPath(std::size_t position) const;
  TextView Name(std::size_t position) const { return texts_->Get(entries_[position].name); }

  // Empties the list; lists made from it keep what they hold.
  void clear();

  // Stores a folder path once, for any number of names in it.
  std::uint32_t AddFolder(TextView folder);
  void Add(std::uint32_t folder, TextView name);

  // The entry at `order[k]` moves to k, for every k.
  void Reorder(const std::vector<std::uint32_t>& order);
  // A list of the entries at `positions`, in that order, sharing this list's store.
  PathList Pick(const std::vector<std::uint32_t>& positions) const;

 private:
  struct Entry {
    std::uint32_t folder;
    std::uint32_t name;
  };
  std::uint32_t Store(TextView text);

  std::shared_ptr<TextStore> texts_;
  std::vector<Entry> entries_;
};

}  // namespace fandrel
