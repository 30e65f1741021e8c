#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/folder_reader.h"
#include "platform/posix/utf8.h"

namespace fandrel {
namespace {

// The Windows attribute word that stands for a POSIX mode: a symbolic link is a reparse
// point, and a folder is read-only when its owner may not write it. The listing tells
// folders, files and links apart by itself; whether a folder is read-only is decided when
// it is opened, from its own descriptor, rather than by one more lookup of every folder.
std::uint32_t AttributesOf(mode_t mode) {
  if (S_ISLNK(mode)) return kAttributeReparsePoint;
  if (S_ISDIR(mode)) return kAttributeDirectory | ((mode & S_IWUSR) ? 0 : kAttributeReadOnly);
  return kAttributeArchive;
}

std::uint32_t AttributesAt(int folder, const dirent& entry) {
  switch (entry.d_type) {
    case DT_DIR:
      return kAttributeDirectory;
    case DT_LNK:
      return kAttributeReparsePoint;
    case DT_UNKNOWN:
      break;  // a file system that does not say: ask
    default:
      return kAttributeArchive;
  }
  struct stat info;
  if (fstatat(folder, entry.d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) return kAttributesUnknown;
  return AttributesOf(info.st_mode);
}

class PosixFolderReader final : public FolderReader {
 public:
  Text BeginSearch(const Text& root) override { return root_ = root; }

  // Listed with the calls the standard directory stream makes on Linux (open, fstat,
  // getdents64, close), its status serving the read-only decision.
  void ReadFolder(const Text& folder, const EntryVisitor& visit) override {
    AssignFileName(folder, path_);
    const int fd = open(path_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    // A read-only folder below the root reads as if the walk had seen its mark: empty.
    struct stat info;
    const bool readable = fstat(fd, &info) == 0 &&
                          (folder == root_ || AttributesOf(info.st_mode) == kAttributeDirectory);
    for (long got; readable && (got = getdents64(fd, buffer_, sizeof buffer_)) > 0;) {
      for (long at = 0; at < got;) {
        const auto& entry = *reinterpret_cast<const dirent*>(buffer_ + at);
        at += entry.d_reclen;
        const std::string_view name = entry.d_name;
        const bool dots = name == "." || name == "..";
        if (!dots && name.front() == '.') continue;  // POSIX's mark of a hidden name
        AssignFromFileName(name, converted_);
        visit(converted_, dots ? kAttributeDirectory : AttributesAt(fd, entry));
      }
    }
    close(fd);
  }

 private:
  Text root_;
  Text converted_;    // one buffer for every name of the tree
  std::string path_;  // and one for every folder
  alignas(dirent) char buffer_[32768];
};

}  // namespace

FolderReader& SystemFolderReader() {
  static PosixFolderReader reader;
  return reader;
}

}  // namespace fandrel
