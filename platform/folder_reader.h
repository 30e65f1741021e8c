#pragma once

#include <cstdint>
#include <functional>

#include "platform/text.h"

namespace fandrel {

// Bits of an entry's attribute word, with their Windows values ("File Attribute Constants").
inline constexpr std::uint32_t kAttributeReadOnly = 0x1;
inline constexpr std::uint32_t kAttributeHidden = 0x2;
inline constexpr std::uint32_t kAttributeSystem = 0x4;
inline constexpr std::uint32_t kAttributeDirectory = 0x10;
inline constexpr std::uint32_t kAttributeArchive = 0x20;
// Set for a link to another name (a symbolic link, junction or mount point); on Windows,
// ListedAttributes clears it for other reparse points, such as cloud files.
inline constexpr std::uint32_t kAttributeReparsePoint = 0x400;
// The word of an entry whose attributes could not be read.
inline constexpr std::uint32_t kAttributesUnknown = 0xFFFFFFFF;

using EntryVisitor = std::function<void(TextView name, std::uint32_t attributes)>;

// The file system as the search sees it: one folder's entries at a time.
class FolderReader {
 public:
  virtual ~FolderReader() = default;

  // Called when a search begins, before any folder is read: the root in the form this
  // reader reads folders through, ending with a separator; empty where the root cannot be
  // put in that form, and the search then reads nothing. Every path the search finds is
  // this form followed by names as listed.
  virtual Text BeginSearch(const Text& root) { return root; }

  // Calls `visit` for each entry of `folder` (a path ending with a separator), in the file
  // system's own order, with its attribute word as this system gives it: files and folders,
  // "." and ".." wherever the system lists them, and entries marked hidden or system too
  // (the search decides what it leaves out). A folder that cannot be read yields nothing.
  // Only one folder is open at a time.
  virtual void ReadFolder(const Text& folder, const EntryVisitor& visit) = 0;
};

// The real file system of this computer.
FolderReader& SystemFolderReader();

}  // namespace fandrel
