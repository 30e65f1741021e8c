#include "platform/win32/long_path.h"

#include <windows.h>

namespace fandrel {

std::wstring LongPathForm(std::wstring_view path) {
  const std::wstring given(path);
  std::wstring full(MAX_PATH, L'\0');
  DWORD length = 0;
  while ((length = GetFullPathNameW(given.c_str(), static_cast<DWORD>(full.size()), full.data(),
                                    nullptr)) > full.size()) {
    full.resize(length);
  }
  if (length == 0) return {};
  full.resize(length);
  // Already in the long form, or a device path ("\\.\"), which has no other.
  if (full.starts_with(kLongPrefix) || full.starts_with(L"\\\\.\\")) return full;
  if (full.starts_with(L"\\\\")) return std::wstring(kLongUncPrefix) + full.substr(2);
  return std::wstring(kLongPrefix) + full;
}

std::wstring UsualForm(std::wstring path) {
  if (path.starts_with(kLongUncPrefix)) return path.replace(0, kLongUncPrefix.size(), L"\\\\");
  if (path.starts_with(kLongPrefix)) return path.erase(0, kLongPrefix.size());
  return path;
}

}  // namespace fandrel
