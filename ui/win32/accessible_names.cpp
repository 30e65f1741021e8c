#include "ui/win32/accessible_names.h"

// initguid.h first: oleacc.h's DEFINE_GUIDs then define the service's identifiers here.
#include <initguid.h>
#include <oleacc.h>

#include <iterator>

namespace fandrel {
namespace {

const DWORD kClient = static_cast<DWORD>(OBJID_CLIENT);
// The name for Active Accessibility's readers, and UI Automation's Name property
// (Name_Property_GUID), which Narrator reads: "Using Direct Annotation" takes a UI Automation
// property in place of an Active Accessibility one.
const MSAAPROPID kNames[] = {
    PROPID_ACC_NAME,
    {0xc3a6921b, 0x4a99, 0x44f1, {0xbc, 0xa6, 0x61, 0x18, 0x70, 0x52, 0xc4, 0x31}}};

}  // namespace

void AccessibleNames::Name(HWND control, const wchar_t* name) {
  if (!service_ &&
      FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IAccPropServices, reinterpret_cast<void**>(&service_)))) {
    service_ = nullptr;
    return;
  }
  bool named = false;
  for (const MSAAPROPID& property : kNames) {
    named = SUCCEEDED(service_->SetHwndPropStr(control, kClient, CHILDID_SELF, property, name)) ||
            named;
  }
  if (named) named_.push_back(control);
}

void AccessibleNames::Clear() {
  for (HWND control : named_) {
    service_->ClearHwndProps(control, kClient, CHILDID_SELF, kNames,
                             static_cast<int>(std::size(kNames)));
  }
  named_.clear();
  if (service_) service_->Release();
  service_ = nullptr;
}

}  // namespace fandrel
