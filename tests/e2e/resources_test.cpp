// The resources a user sees on the program file: its version record and its icon.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fandrel_process.h"
#include "window_state.h"

namespace e2e {
namespace {

#pragma pack(push, 2)
struct IconDirEntry {
  BYTE width;
  BYTE height;
  BYTE colorCount;
  BYTE reserved;
  WORD planes;
  WORD bitCount;
  DWORD bytesInRes;
  WORD id;
};
struct IconDir {
  WORD reserved;
  WORD type;
  WORD count;
  IconDirEntry entries[1];
};
#pragma pack(pop)

std::vector<BYTE> VersionRecord() {
  const std::wstring exe = FandrelProcess::ExePath();
  DWORD ignored = 0;
  std::vector<BYTE> record(GetFileVersionInfoSizeW(exe.c_str(), &ignored));
  if (record.empty() ||
      !GetFileVersionInfoW(exe.c_str(), 0, static_cast<DWORD>(record.size()), record.data())) {
    record.clear();
  }
  return record;
}

std::wstring VersionString(std::vector<BYTE>& record, const std::wstring& block,
                           const wchar_t* name) {
  void* text = nullptr;
  UINT length = 0;
  const std::wstring query = L"\\StringFileInfo\\" + block + L"\\" + name;
  if (!VerQueryValueW(record.data(), query.c_str(), &text, &length) || length == 0) {
    return L"<missing>";
  }
  return static_cast<const wchar_t*>(text);
}

// A resource name as EnumResourceNamesW gives it: a number, or a string that lives only
// during the enumeration and is therefore copied.
struct ResourceName {
  bool found = false;
  std::wstring text;
  LPCWSTR id = nullptr;
  LPCWSTR Get() const { return IS_INTRESOURCE(id) && id != nullptr ? id : text.c_str(); }
};

BOOL CALLBACK TakeFirstName(HMODULE, LPCWSTR, LPWSTR name, LPARAM context) {
  auto* first = reinterpret_cast<ResourceName*>(context);
  first->found = true;
  if (IS_INTRESOURCE(name)) {
    first->id = name;
  } else {
    first->text = name;
  }
  return FALSE;
}

TEST(Resources, VersionRecordIsSpanishUnicodeVersion102) {
  std::vector<BYTE> record = VersionRecord();
  ASSERT_FALSE(record.empty()) << "fandrel.exe has no version record";

  struct Translation {
    WORD language;
    WORD codePage;
  }* translations = nullptr;
  UINT bytes = 0;
  ASSERT_TRUE(VerQueryValueW(record.data(), L"\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(&translations), &bytes));
  ASSERT_GE(bytes, sizeof(Translation));
  EXPECT_EQ(translations[0].language, 0x0C0A) << "language: Spanish (Spain)";
  EXPECT_EQ(translations[0].codePage, 1200) << "code page: Unicode";

  // The string block is named after the language and code page: 0C0A04B0.
  EXPECT_EQ(ToUtf8(VersionString(record, L"0C0A04B0", L"FileVersion")), "1.02");
  EXPECT_EQ(ToUtf8(VersionString(record, L"0C0A04B0", L"ProductVersion")), "1.02");
}

TEST(Resources, ProgramFileHasA32PixelIconIn256Colours) {
  const std::wstring exe = FandrelProcess::ExePath();
  EXPECT_GE(ExtractIconExW(exe.c_str(), -1, nullptr, nullptr, 0), 1u)
      << "the shell finds no icon in fandrel.exe";

  const HMODULE module = LoadLibraryExW(exe.c_str(), nullptr,
                                        LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(module, nullptr);
  // The first icon group is the one the shell shows for the file.
  ResourceName group;
  EnumResourceNamesW(module, RT_GROUP_ICON, TakeFirstName, reinterpret_cast<LPARAM>(&group));
  ASSERT_TRUE(group.found) << "no icon group";
  const HRSRC resource = FindResourceW(module, group.Get(), RT_GROUP_ICON);
  ASSERT_NE(resource, nullptr);
  const auto* directory = static_cast<const IconDir*>(LockResource(LoadResource(module, resource)));
  ASSERT_NE(directory, nullptr);

  bool found = false;
  for (WORD i = 0; i < directory->count; ++i) {
    const IconDirEntry& entry = directory->entries[i];
    found = found || (entry.width == 32 && entry.height == 32 && entry.bitCount == 8);
  }
  EXPECT_TRUE(found) << "no 32 x 32 image at 8 bits per pixel among " << directory->count;
  FreeLibrary(module);
}

}  // namespace
}  // namespace e2e
