#pragma once

namespace fandrel {

// From here on, every DLL asked for by bare name, by the program or by a system DLL on its
// behalf (COM, the common controls, the shell's open), is loaded from the system folder
// only. Otherwise the program's own folder is searched first, and a program started from
// the Downloads folder would load whatever DLL of a system name was downloaded beside it.
// False where the system refused.
bool LoadDllsFromSystemFolderOnly();

}  // namespace fandrel
