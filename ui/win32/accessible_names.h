#pragma once

#include <windows.h>

#include <vector>

struct IAccPropServices;

namespace fandrel {

// Names that screen readers read for controls without a visible label, which they would
// otherwise announce only as "edit" or "combo box". They are given through the system's
// annotation service, which MSAA and UI Automation clients both consult. Where it fails
// (Wine's SetHwndPropStr is a stub), the controls stay unnamed. COM must be initialised on
// the window's thread.
class AccessibleNames {
 public:
  AccessibleNames() = default;
  AccessibleNames(const AccessibleNames&) = delete;
  AccessibleNames& operator=(const AccessibleNames&) = delete;
  ~AccessibleNames() { Clear(); }

  void Name(HWND control, const wchar_t* name);
  // The service asks for its annotations to be cleared before the controls are destroyed.
  void Clear();

 private:
  IAccPropServices* service_ = nullptr;
  std::vector<HWND> named_;
};

}  // namespace fandrel
