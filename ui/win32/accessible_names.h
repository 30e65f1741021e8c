#pragma once

#include <windows.h>

#include <vector>

struct IAccPropServices;

namespace fandrel {

// Names that screen readers read for controls without a visible label, given through the
// system's annotation service ("Using Direct Annotation"). Where it fails, the controls stay
// unnamed. COM must be initialised on the window's thread.
class AccessibleNames {
 public:
  AccessibleNames() = default;
  AccessibleNames(const AccessibleNames&) = delete;
  AccessibleNames& operator=(const AccessibleNames&) = delete;
  ~AccessibleNames() { Clear(); }

  void Name(HWND control, const wchar_t* name);
  // Clears the names, before the controls are destroyed, and lets the service go.
  void Clear();

 private:
  IAccPropServices* service_ = nullptr;
  std::vector<HWND> named_;
};

}  // namespace fandrel
