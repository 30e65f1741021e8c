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

// The title of a candidate, lower-cased, into `title`. Most titles are plain ASCII, and
// for those the locale's answer is known without asking it: every locale lower-cases
// 'A' to 'Z' to 'a' to 'z', except 'I' in Turkish ones, which therefore takes the
// locale's own path. Reusing one buffer spares an allocation for each title that does
// not match.
void LowerCaseTitle(TextView name, Text& title) {
  title.assign(name);
  for (char16_t& c : title) {
    if (c >= 0x80 || c == u'I') {
      title = LowerCase(name);
      return;
    }
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + (u'a' - u'A'));
  }
}

// `folder` followed by `name`, allocated once at its final size: the matches stay in
// memory after the search, and a string grown by appending can hold twice its length.
Text Join(const Text& folder, TextView name, TextView after = {}) {
  Text path;
  path.reserve(folder.size() + name.size() + after.size());
  path += folder;
  path += name;
  path += after;
  return path;
}

// The title keys of the matches, side by side in one buffer: the sort and the distinct
// pass read them in an order unrelated to the walk's, and compact keys keep those reads
// in the processor's cache, where keys scattered among the paths would not be.
struct MatchKeys {
  Text chars;
  std::vector<std::size_t> ends;  // key k ends at ends[k]; it begins where k - 1 ends

  std::vector<TextView> Views() const {
    std::vector<TextView> views;
    views.reserve(ends.size());
    std::size_t begin = 0;
    for (std::size_t end : ends) {
      views.emplace_back(chars.data() + begin, end - begin);
      begin = end;
    }
    return views;
  }
};

// The walk: every matching shortcut's full path, in breadth-first order, each folder's
// entries in the file system's own order. The lower-cased title that was matched is the
// path's title key, so it is kept for the sort instead of being computed again.
void CollectMatches(const Text& root, TextView loweredFragment, FolderReader& folders,
                    PathList& strMatches, MatchKeys& keys) {
  folders.BeginSearch(root);
  PathList strFolders{root};
  Text title;
  static constexpr char16_t kSeparator[] = {kPathSeparator, 0};
  for (std::size_t cursor = 0; cursor < strFolders.size(); ++cursor) {
    // Copied: appending subfolders below may move the list's storage.
    const Text folder = strFolders[cursor];
    folders.ReadFolder(folder, [&](TextView name, std::uint32_t attributes) {
      if (IsDotEntry(name)) return;
      if (HasShortcutSuffix(name)) {
        // A candidate, even when it is a folder; it is never descended into.
        LowerCaseTitle(name.substr(0, name.size() - 4), title);
        if (!title.empty() && title.find(loweredFragment) != Text::npos) {
          strMatches.push_back(Join(folder, name));
          keys.chars += title;
          keys.ends.push_back(keys.chars.size());
        }
      } else if (IsSearchedFolder(attributes)) {
        strFolders.push_back(Join(folder, name, kSeparator));
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

  std::vector<std::size_t> starts;
  {
    // The keys go at the end of this block, before the distinct paths are copied, so
    // that a search matching most of a large tree never holds both at once. (Assigning
    // an empty string would not do: a string keeps its storage when given a short one.)
    MatchKeys keys;
    CollectMatches(*root, LowerCase(fragment), *sources.folders, strMatches, keys);
    if (strMatches.empty()) return Outcome::kNone;
    std::vector<TextView> views = keys.Views();
    SortByKeys(views, strMatches, 0, static_cast<std::ptrdiff_t>(strMatches.size()) - 1);
    starts = RunStarts(views);
  }
  BuildDistinctFromRunStarts(strMatches, starts, strDistinct);
  return strDistinct.size() == 1 ? Outcome::kOne : Outcome::kSeveral;
}

}  // namespace fandrel
