#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <string_view>

#include "platform/folder_reader.h"
#include "platform/posix/utf8.h"

namespace fandrel {
namespace {

// The Windows attribute word that stands for what POSIX has: a name that begins with "." is
// hidden, a folder its owner may not write is read-only, and a symbolic link is a reparse
// point that is also a folder where it leads to one, as Windows lists a link to a folder.
// Any other entry is a plain file: archive.
std::uint32_t AttributesOf(int folder, const dirent& entry, std::string_view name) {
  if (name == "." || name == "..") return kAttributeDirectory;
  const std::uint32_t marks = name.front() == '.' ? kAttributeHidden : 0;
  if (entry.d_type != DT_DIR && entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN) {
    return marks | kAttributeArchive;
  }
  // The listing tells folders and links from files; their marks need a look at each.
  struct stat info;
  if (fstatat(folder, entry.d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) return kAttributesUnknown;
  if (S_ISLNK(info.st_mode)) {
    const bool toFolder = fstatat(folder, entry.d_name, &info, 0) == 0 && S_ISDIR(info.st_mode);
    return marks | kAttributeReparsePoint | (toFolder ? kAttributeDirectory : kAttributeArchive);
  }
  if (!S_ISDIR(info.st_mode)) return marks | kAttributeArchive;
  return marks | kAttributeDirectory | ((info.st_mode & S_IWUSR) ? 0 : kAttributeReadOnly);
}

// Listed with the calls the standard directory stream makes on Linux (open, getdents64,
// close). Its buffers are scratch: nothing in them outlives the folder being read.
class PosixFolderReader final : public FolderReader {
 public:
  void ReadFolder(const Text& folder, const EntryVisitor& visit) override {
    AssignFileName(folder, path_);
    const int fd = open(path_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    for (long got; (got = getdents64(fd, buffer_, sizeof buffer_)) > 0;) {
      for (long at = 0; at < got;) {
        const auto& entry = *reinterpret_cast<const dirent*>(buffer_ + at);
        at += entry.d_reclen;
        const std::string_view name = entry.d_name;
        AssignFromFileName(name, name_);
        visit(name_, AttributesOf(fd, entry, name));
      }
    }
    close(fd);
  }

 private:
  std::string path_;
  Text name_;
  alignas(dirent) char buffer_[32768];
};

}  // namespace

FolderReader& SystemFolderReader() {
  static PosixFolderReader reader;
  return reader;
}

}  // namespace fandrel
