#include <windows.h>

#include "platform/folder_reader.h"
#include "platform/win32/wide.h"

namespace fandrel {
namespace {

// Past MAX_PATH a path only reaches the file system with the "\\?\" prefix, unless the
// system has long paths enabled. Short paths are left alone: the prefix also turns off
// the normalisation that a path from the registry may rely on.
std::wstring SearchPattern(const Text& folder) {
  std::wstring pattern = ToWide(folder);
  pattern += L'*';
  if (pattern.size() < MAX_PATH) return pattern;
  if (pattern.rfind(L"\\\\?\\", 0) == 0) return pattern;
  if (pattern.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + pattern.substr(2);
  return L"\\\\?\\" + pattern;
}

class Win32FolderReader final : public FolderReader {
 public:
  void ReadFolder(const Text& folder, const EntryVisitor& visit) override {
    WIN32_FIND_DATAW data;
    // The attribute word comes with each name, so no second query per entry is needed.
    HANDLE find = FindFirstFileExW(SearchPattern(folder).c_str(), FindExInfoBasic, &data,
                                   FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) return;
    Text name;
    do {
      if (data.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) continue;
      const wchar_t* raw = data.cFileName;
      name.assign(raw, raw + wcsnlen(raw, MAX_PATH));
      visit(name, data.dwFileAttributes);
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
