#include "search/favorites_search.h"

#include <cstddef>
#include <optional>
#include <utility>

#include "platform/lower_case.h"
#include "search/rank_titles.h"
#include "search/sort_by_title.h"
#include "search/title_key.h"

namespace fandrel {
namespace {

bool IsDotEntry(TextView name) { return name == u"." || name == u".."; }

// What the walk makes of an entry by its attribute word, the one rule on every system: the
// folder readers report what they see. Hidden and system entries are left out. A folder is
// searched unless it is marked read-only or archive, or is a link (a reparse point), so that
// the walk cannot loop; any other bit is ignored, so a compressed, encrypted, cloud or
// unindexed folder is searched. An entry whose attributes could not be read is no folder.
enum class Seen { kLeftOut, kFolderToSearch, kOther };

Seen SeenAs(std::uint32_t attributes) {
  if (attributes == kAttributesUnknown) return Seen::kOther;
  if (attributes & (kAttributeHidden | kAttributeSystem)) return Seen::kLeftOut;
  constexpr std::uint32_t kKeptOut =
      kAttributeReadOnly | kAttributeArchive | kAttributeReparsePoint;
  return (attributes & kAttributeDirectory) && !(attributes & kKeptOut) ? Seen::kFolderToSearch
                                                                        : Seen::kOther;
}

// Every matching shortcut's path, breadth-first, each folder's entries in the file
// system's own order. The lowered title that matched is the path's title key, kept for the
// sort. A folder's path is stored with the matches once, at its first match.
void CollectMatches(const Text& root, TextView loweredFragment, FolderReader& folders,
                    PathList& matches, TitleKeys& keys) {
  const Text start = folders.BeginSearch(root);
  if (start.empty()) return;
  TextStore folderPaths;
  std::vector<std::uint32_t> folderQueue{folderPaths.Store(start)};
  Text folder;
  Text subfolder;
  TitleKey title;
  for (std::size_t cursor = 0; cursor < folderQueue.size(); ++cursor) {
    folder.assign(folderPaths.Get(folderQueue[cursor]));
    std::optional<std::uint32_t> stored;
    folders.ReadFolder(folder, [&](TextView name, std::uint32_t attributes) {
      const Seen seen = SeenAs(attributes);
      if (seen == Seen::kLeftOut || IsDotEntry(name)) return;
      if (HasShortcutSuffix(name)) {
        // A candidate, even when it is a folder; it is never descended into.
        title.MakeFrom(name);
        const Text& lowered = title.Lowered();
        if (!lowered.empty() && lowered.find(loweredFragment) != Text::npos) {
          if (!stored) stored = matches.AddFolder(folder);
          keys.Add(*stored, title);
        }
      } else if (seen == Seen::kFolderToSearch &&
                 folder.size() + name.size() < TextStore::kLongest) {  // else none can open it
        subfolder.assign(folder).append(name).push_back(kPathSeparator);
        folderQueue.push_back(folderPaths.Store(subfolder));
      }
    });
  }
}

}  // namespace

Outcome SearchFavorites(const Text& fragment, PathList& matches, PathList& distinct,
                        const FavoritesSources& sources) {
  matches.clear();
  const std::optional<Text> root = sources.readRoot();
  if (!root || fragment.empty()) return Outcome::kNone;

  std::vector<std::uint32_t> ranks;
  {
    // The keys go once they are ranked: the sort and the distinct pass need no more.
    TitleKeys keys(matches);
    Text lowered;
    LowerCase(fragment, lowered);
    CollectMatches(*root, lowered, *sources.folders, matches, keys);
    if (matches.empty()) return Outcome::kNone;
    ranks = RankTitleKeys(keys);
  }
  distinct = SortAndKeepDistinct(matches, std::move(ranks));
  return distinct.size() == 1 ? Outcome::kOne : Outcome::kSeveral;
}

}  // namespace fandrel
