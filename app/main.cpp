#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "platform/lower_case.h"
#include "platform/win32/dll_search.h"
#include "resource.h"
#include "ui/win32/main_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  // No later load of a DLL by bare name from the program's own folder. The imports are
  // mapped before this; only the MSVC build keeps them to the system folder (app/CMakeLists.txt).
  fandrel::LoadDllsFromSystemFolderOnly();
  fandrel::UseUsersLocale();

  // The shell may hand a favorite to a COM handler, so callers of ShellExecute initialise
  // COM this way first ("ShellExecuteW"); the names screen readers read come from COM too.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);

  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  fandrel::MainWindow window;
  if (window.Create(instance, LoadIconW(instance, MAKEINTRESOURCEW(IDI_FANDREL)))) {
    window.Show(showCommand);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
      // Enter goes to the search; the dialog manager gives the window the rest of its
      // keyboard: Tab, and Esc as the cancel button's command.
      if (window.Handle() &&
          (window.TakeKey(message) || IsDialogMessageW(window.Handle(), &message))) {
        continue;
      }
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }

  if (SUCCEEDED(com)) CoUninitialize();
  return 0;
}
