#include <windows.h>

#include "platform/win32/folder_reader.h"

#include "platform/folder_reader.h"
#include "platform/win32/long_path.h"
#include "platform/win32/wide.h"

namespace fandrel {

std::uint32_t ListedAttributes(std::uint32_t attributes, std::uint32_t reparseTag) {
  const bool otherName = reparseTag == 0 || IsReparseTagNameSurrogate(reparseTag);
  return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) && !otherName
             ? attributes & ~static_cast<std::uint32_t>(FILE_ATTRIBUTE_REPARSE_POINT)
             : attributes;
}

namespace {

class Win32FolderReader final : public FolderReader {
 public:
  // Folders are read through the "\\?\" form of their exact names: any other form reads a
  // folder whose name ends in a dot as the one named without it ("File path formats on
  // Windows systems").
  Text BeginSearch(const Text& root) override { return FromWide(LongPathForm(ToWide(root))); }

  void ReadFolder(const Text& folder, const EntryVisitor& visit) override {
    const std::wstring pattern = ToWide(folder) + L'*';
    WIN32_FIND_DATAW data;
    // The attribute word comes with each name, and with a reparse point its tag
    // ("WIN32_FIND_DATAW").
    HANDLE find = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                                   nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) return;
    Text name;
    do {
      const wchar_t* raw = data.cFileName;
      name.assign(raw, raw + wcsnlen(raw, MAX_PATH));
      visit(name, ListedAttributes(data.dwFileAttributes, data.dwReserved0));
    } while (FindNextFileW(find, &data));
    FindClose(find);
  }
};

}  // namespace

FolderReader& SystemFolderReader() {
  static Win32FolderReader reader;
  return reader;
}

}  // namespace fandrel
