#include <windows.h>
#include <psapi.h>

#include <vector>

#include "bench/system_bench.h"

namespace fandrel::bench {

long BareWalk(const std::string& root) {
  long names = 0;
  std::vector<std::wstring> folders{L"\\\\?\\" + std::wstring(root.begin(), root.end())};
  WIN32_FIND_DATAW data;
  for (std::size_t cursor = 0; cursor < folders.size(); ++cursor) {
    const HANDLE find = FindFirstFileExW((folders[cursor] + L"\\*").c_str(), FindExInfoBasic, &data,
                                         FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) continue;
    do {
      ++names;
      if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || data.cFileName[0] == L'.') {
        continue;
      }
      folders.push_back(folders[cursor] + L'\\' + data.cFileName);
    } while (FindNextFileW(find, &data));
    FindClose(find);
  }
  return names;
}

// Windows has no find to compare with.
std::optional<double> FindMilliseconds(const std::string&, const char*) { return std::nullopt; }
std::optional<long> FindCount(const std::string&, const char*) { return std::nullopt; }

double PeakMiB(const std::vector<std::string>& arguments) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring line = L"\"" + std::wstring(self) + L"\"";
  for (const std::string& argument : arguments) {
    line += L" \"" + std::wstring(argument.begin(), argument.end()) + L"\"";
  }
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child{};
  if (!CreateProcessW(self, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &child)) {
    return 0;
  }
  WaitForSingleObject(child.hProcess, INFINITE);
  DWORD kib = 0;
  GetExitCodeProcess(child.hProcess, &kib);
  CloseHandle(child.hThread);
  CloseHandle(child.hProcess);
  return static_cast<double>(kib) / 1024.0;
}

int ReportPeak() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return static_cast<int>(counters.PeakWorkingSetSize / 1024);
}

bool UnderWine() {
  return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

}  // namespace fandrel::bench
