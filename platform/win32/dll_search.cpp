#include "platform/win32/dll_search.h"

#include <windows.h>

namespace fandrel {

bool LoadDllsFromSystemFolderOnly() {
  return SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32) != 0;
}

}  // namespace fandrel
