#include <windows.h>
#include <psapi.h>

#include "bench/system_bench.h"
#include "platform/win32/long_path.h"

namespace fandrel::bench {

void BareWalk(const std::string& root) {
  std::vector<std::wstring> folders{std::wstring(kLongPrefix) +
                                    std::wstring(root.begin(), root.end())};
  WIN32_FIND_DATAW data;
  for (std::size_t cursor = 0; cursor < folders.size(); ++cursor) {
    const HANDLE find = FindFirstFileExW((folders[cursor] + L"\\*").c_str(), FindExInfoBasic, &data,
                                         FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) continue;
    do {
      if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && data.cFileName[0] != L'.') {
        folders.push_back(folders[cursor] + L'\\' + data.cFileName);
      }
    } while (FindNextFileW(find, &data));
    FindClose(find);
  }
}

bool RunFind(const std::string&, const char*) { return false; }

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
  DWORD kib = 0;
  if (CreateProcessW(self, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                     &child)) {
    WaitForSingleObject(child.hProcess, INFINITE);
    GetExitCodeProcess(child.hProcess, &kib);
  }
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

}  // namespace fandrel::bench
