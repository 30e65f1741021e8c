#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include "platform/folder_reader.h"
#include "platform/posix/utf8.h"

namespace fandrel {
namespace {

// The Windows attribute word that stands for what POSIX knows of an entry: a folder is
// read-only when its owner may not write it, a symbolic link is a reparse point, and a
// name beginning with "." is hidden.
std::uint32_t AttributesOf(const struct stat& info) {
  if (S_ISDIR(info.st_mode)) {
    return kAttributeDirectory | ((info.st_mode & S_IWUSR) ? 0 : kAttributeReadOnly);
  }
  return kAttributeArchive;
}

std::uint32_t AttributesAt(int folder, const char* name, unsigned char type) {
  struct stat info;
  if (type == DT_REG) return kAttributeArchive;
  if (type == DT_LNK) {
    // Reported like Windows reports a link: the target's kind plus the reparse bit.
    if (fstatat(folder, name, &info, 0) != 0) return kAttributeReparsePoint | kAttributeArchive;
    return kAttributeReparsePoint | (AttributesOf(info) & ~kAttributeReadOnly);
  }
  if (fstatat(folder, name, &info, AT_SYMLINK_NOFOLLOW) != 0) return kAttributesUnknown;
  if (S_ISLNK(info.st_mode)) return AttributesAt(folder, name, DT_LNK);
  return AttributesOf(info);
}

class PosixFolderReader final : public FolderReader {
 public:
  void ReadFolder(const Text& folder, const EntryVisitor& visit) override {
    DIR* dir = opendir(ToFileName(folder).c_str());
    if (dir == nullptr) return;
    const int fd = dirfd(dir);
    Text converted;  // one buffer for every name of the folder
    while (const dirent* entry = readdir(dir)) {
      const std::string_view name = entry->d_name;
      const bool dots = name == "." || name == "..";
      if (!dots && name.front() == '.') continue;  // hidden
      const std::uint32_t attributes =
          dots ? kAttributeDirectory : AttributesAt(fd, entry->d_name, entry->d_type);
      AssignFromFileName(name, converted);
      visit(converted, attributes);
    }
    closedir(dir);
  }
};

}  // namespace

FolderReader& SystemFolderReader() {
  static PosixFolderReader reader;
  return reader;
}

}  // namespace fandrel
