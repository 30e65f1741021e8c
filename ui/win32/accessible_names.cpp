#include "ui/win32/accessible_names.h"

// initguid.h first: oleacc.h's DEFINE_GUIDs then define the service's identifiers here.
#include <initguid.h>
#include <oleacc.h>

namespace fandrel {
namespace {

const DWORD kClient = static_cast<DWORD>(OBJID_CLIENT);

}  // namespace

void AccessibleNames::Name(HWND control, const wchar_t* name) {
  if (!service_ &&
      FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IAccPropServices, reinterpret_cast<void**>(&service_)))) {
    service_ = nullptr;
    return;
  }
  if (SUCCEEDED(service_->SetHwndPropStr(control, kClient, CHILDID_SELF, PROPID_ACC_NAME, name))) {
    named_.push_back(control);
  }
}

void AccessibleNames::Clear() {
  for (HWND control : named_) {
    service_->ClearHwndProps(control, kClient, CHILDID_SELF, &PROPID_ACC_NAME, 1);
  }
  named_.clear();
  if (service_) service_->Release();
  service_ = nullptr;
}

}  // namespace fandrel
