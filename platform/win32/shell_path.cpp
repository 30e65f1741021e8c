#include "platform/win32/shell_path.h"

#include <windows.h>

#include "platform/win32/long_path.h"

namespace fandrel {
namespace {

// The path as the system normalises it, in its usual form.
std::wstring Normalised(const std::wstring& path) { return UsualForm(LongPathForm(path)); }

bool ReadAsItself(const std::wstring& path) {
  return !path.empty() && path.size() < MAX_PATH && Normalised(path) == path;
}

// A file or folder by its volume and its index there, which no form of its path changes
// ("BY_HANDLE_FILE_INFORMATION").
struct FileId {
  DWORD volume, high, low;
  friend bool operator==(const FileId&, const FileId&) = default;
};

std::optional<FileId> IdOf(const std::wstring& path) {
  // No access asked and every sharing allowed, so that a file another program holds open
  // is identified all the same; folders open only with backup semantics ("CreateFileW").
  const HANDLE file =
      CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  BY_HANDLE_FILE_INFORMATION info;
  const bool known = GetFileInformationByHandle(file, &info) != 0;
  CloseHandle(file);
  if (!known) return std::nullopt;
  return FileId{info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
}

}  // namespace

std::wstring ShortForm(const std::wstring& exact) {
  std::wstring shortForm(exact.size() + 1, L'\0');
  for (;;) {
    const DWORD length =
        GetShortPathNameW(exact.c_str(), shortForm.data(), static_cast<DWORD>(shortForm.size()));
    if (length == 0) return {};
    // Too small, the answer is the size needed, its NUL included ("GetShortPathNameW").
    if (length < shortForm.size()) return shortForm.substr(0, length);
    shortForm.assign(length, L'\0');
  }
}

std::optional<std::wstring> PathForTheShell(const std::wstring& exact,
                                            const std::wstring& shortForm) {
  const std::wstring path = UsualForm(exact);
  if (ReadAsItself(path)) return path;
  const std::optional<FileId> reached = IdOf(LongPathForm(path));
  if (reached && reached != IdOf(exact)) return std::nullopt;
  const std::wstring shortPath = UsualForm(shortForm);
  if (ReadAsItself(shortPath)) return shortPath;
  return path;
}

}  // namespace fandrel
