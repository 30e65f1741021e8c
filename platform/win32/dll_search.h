#pragma once

namespace fandrel {

// From here on, a DLL loaded by bare name in this process comes from the system folder only
// ("SetDefaultDllDirectories"), not first from the program's own folder ("Dynamic-Link
// Library Search Order"), where a download could have put one of a system DLL's name.
// False where the system refused.
bool LoadDllsFromSystemFolderOnly();

}  // namespace fandrel
