#include "platform/win32/long_path.h"

#include <windows.h>

#include "platform/win32/wide.h"

namespace fandrel {

std::wstring LongPathForm(std::wstring_view path) {
  const std::wstring given(path);
  std::wstring full(MAX_PATH, L'\0');
  for (DWORD needed; (needed = GetFullPathNameW(given.c_str(), static_cast<DWORD>(full.size()),
                                                full.data(), nullptr)) > full.size();) {
    full.resize(needed);
  }
  full.resize(wcslen(full.c_str()));
  if (full.empty() || full.rfind(L"\\\\?\\", 0) == 0 || full.rfind(L"\\\\.\\", 0) == 0) {
    return full;  // a device path, or already in the long form
  }
  if (full.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + full.substr(2);
  return L"\\\\?\\" + full;
}

void SearchPaths::BeginSearch(const Text& root) {
  root_ = root;
  longRoot_ = LongPathForm(ToWide(root));
}

std::wstring SearchPaths::ExactForm(const Text& path) const {
  if (!root_.empty() && path.rfind(root_, 0) == 0) {
    return longRoot_ + ToWide(TextView(path).substr(root_.size()));
  }
  return LongPathForm(ToWide(path));
}

SearchPaths& LastSearchPaths() {
  static SearchPaths paths;
  return paths;
}

}  // namespace fandrel
