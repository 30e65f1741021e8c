#include "tests/e2e/screen_reader.h"

#include <oleacc.h>

#ifdef _MSC_VER
#include <uiautomation.h>
#else
// The two client interfaces of UI Automation used here, which MinGW-w64's headers leave out:
// each declared up to the method called, its methods in the order of the Windows SDK's
// uiautomationclient.h.
struct IUIAutomationElement : IUnknown {
  // SetFocus, GetRuntimeId, FindFirst, FindAll, FindFirstBuildCache, FindAllBuildCache and
  // BuildUpdatedCache, not called here.
  virtual HRESULT STDMETHODCALLTYPE NotCalled1() = 0;
  virtual HRESULT STDMETHODCALLTYPE NotCalled2() = 0;
  virtual HRESULT STDMETHODCALLTYPE NotCalled3() = 0;
  virtual HRESULT STDMETHODCALLTYPE NotCalled4() = 0;
  virtual HRESULT STDMETHODCALLTYPE NotCalled5() = 0;
  virtual HRESULT STDMETHODCALLTYPE NotCalled6() = 0;
  virtual HRESULT STDMETHODCALLTYPE NotCalled7() = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCurrentPropertyValue(int property, VARIANT* value) = 0;
};
struct IUIAutomation : IUnknown {
  // CompareElements, CompareRuntimeIds and GetRootElement, not called here.
  virtual HRESULT STDMETHODCALLTYPE NotCalled1() = 0;
  virtual HRESULT STDMETHODCALLTYPE NotCalled2() = 0;
  virtual HRESULT STDMETHODCALLTYPE NotCalled3() = 0;
  virtual HRESULT STDMETHODCALLTYPE ElementFromHandle(void* window,
                                                      IUIAutomationElement** element) = 0;
};
#endif

namespace fandrel::testing {
namespace {

// CLSID_CUIAutomation and IID_IUIAutomation.
constexpr GUID kAutomationClass = {
    0xff48dba4, 0x60ef, 0x4201, {0xaa, 0x87, 0x54, 0x10, 0x3e, 0xef, 0x59, 0x4e}};
constexpr GUID kAutomationInterface = {
    0x30cbe57d, 0xd9d0, 0x452a, {0xab, 0x13, 0x7a, 0xc5, 0xac, 0x48, 0x25, 0xee}};
// "Automation Element Property Identifiers".
constexpr int kControlTypeProperty = 30003;
constexpr int kNameProperty = 30005;

}  // namespace

std::optional<std::wstring> AccessibleName(HWND control) {
  IAccessible* accessible = nullptr;
  if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                        __uuidof(IAccessible),
                                        reinterpret_cast<void**>(&accessible)))) {
    return std::nullopt;
  }
  VARIANT self{};
  self.vt = VT_I4;  // CHILDID_SELF, 0
  BSTR name = nullptr;
  const bool named = SUCCEEDED(accessible->get_accName(self, &name));
  std::optional<std::wstring> read;
  if (named) read = name ? name : L"";
  SysFreeString(name);
  accessible->Release();
  return read;
}

std::optional<AutomationElement> AutomationOf(HWND control) {
  IUIAutomation* automation = nullptr;
  if (FAILED(CoCreateInstance(kAutomationClass, nullptr, CLSCTX_INPROC_SERVER, kAutomationInterface,
                              reinterpret_cast<void**>(&automation)))) {
    return std::nullopt;
  }
  std::optional<AutomationElement> found;
  IUIAutomationElement* element = nullptr;
  if (SUCCEEDED(automation->ElementFromHandle(control, &element)) && element) {
    VARIANT name, type;
    VariantInit(&name);
    VariantInit(&type);
    if (SUCCEEDED(element->GetCurrentPropertyValue(kNameProperty, &name)) &&
        SUCCEEDED(element->GetCurrentPropertyValue(kControlTypeProperty, &type))) {
      found = AutomationElement{name.vt == VT_BSTR && name.bstrVal ? name.bstrVal : L"",
                                type.vt == VT_I4 ? type.lVal : 0};
    }
    VariantClear(&name);
    VariantClear(&type);
    element->Release();
  }
  automation->Release();
  return found;
}

}  // namespace fandrel::testing
