#include "search/favorites_search.h"

#include <cstddef>

#include "platform/lower_case.h"
#include "search/distinct_titles.h"
#include "search/sort_by_title.h"
#include "search/title_key.h"

namespace fandrel {
namespace {

bool IsDotEntry(TextView name) { return name == u"." || name == u".."; }

// Only plain folders are searched. Read-only, archive, hidden, system and reparse-point
// folders are not (the last keeps links and junctions from being followed, so the walk
// cannot loop), nor is an entry whose attributes could not be read. The
// not-content-indexed bit is ignored: a plain folder on a drive without indexing has it.
bool IsSearchedFolder(std::uint32_t attributes) {
  if (attributes == kAttributesUnknown) return false;
  return (attributes & ~kAttributeNotContentIndexed) == kAttributeDirectory;
}

// The walk: every matching shortcut's full path, in breadth-first order, each folder's
// entries in the file system's own order. The lower-cased title that was matched is the
// path's title key, so it is kept for the sort instead of being computed again.
void CollectMatches(const Text& root, TextView loweredFragment, FolderReader& folders,
                    PathList& strMatches, std::vector<Text>& keys) {
  PathList strFolders{root};
  for (std::size_t cursor = 0; cursor < strFolders.size(); ++cursor) {
    // Copied: appending subfolders below may move the list's storage.
    const Text folder = strFolders[cursor];
    folders.ReadFolder(folder, [&](TextView name, std::uint32_t attributes) {
      if (IsDotEntry(name)) return;
      if (HasShortcutSuffix(name)) {
        // A candidate, even when it is a folder; it is never descended into.
        Text title = LowerCase(name.substr(0, name.size() - 4));
        if (!title.empty() && title.find(loweredFragment) != Text::npos) {
          Text path = folder;
          path += name;
          strMatches.push_back(std::move(path));
          keys.push_back(std::move(title));
        }
      } else if (IsSearchedFolder(attributes)) {
        Text path = folder;
        path += name;
        path += kPathSeparator;
        strFolders.push_back(std::move(path));
      }
    });
  }
}

}  // namespace

Outcome SearchFavorites(const Text& fragment, PathList& strMatches, PathList& strDistinct,
                        const FavoritesSources& sources) {
  strMatches.clear();
  const std::optional<Text> root = sources.readRoot();
  if (!root || fragment.empty()) return Outcome::kNone;

  std::vector<Text> keys;
  CollectMatches(*root, LowerCase(fragment), *sources.folders, strMatches, keys);
  if (strMatches.empty()) return Outcome::kNone;

  SortByKeys(keys, strMatches, 0, static_cast<std::ptrdiff_t>(strMatches.size()) - 1);
  BuildDistinct(strMatches, keys, strDistinct);
  return strDistinct.size() == 1 ? Outcome::kOne : Outcome::kSeveral;
}

}  // namespace fandrel
