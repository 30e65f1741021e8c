// What a screen reader reads for the window's controls, through the accessibility API.
#include <windows.h>
#include <initguid.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include "ui/control_ids.h"
#include "ui/main_window.h"

namespace fandrel::testing {
namespace {

TEST(AccessibleNames, NameTheTextBoxAndTheList) {
  ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  // Wine has the annotation service only as a stub, which implements none of its calls.
  IAccPropServices* service = nullptr;
  BYTE* identity = nullptr;
  DWORD length = 0;
  const bool working =
      SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                 IID_IAccPropServices, reinterpret_cast<void**>(&service))) &&
      SUCCEEDED(service->ComposeHwndIdentityString(GetDesktopWindow(), 0, 0, &identity, &length));
  CoTaskMemFree(identity);
  if (service) service->Release();
  if (!working) GTEST_SKIP() << "this system has no working annotation service";
  MainWindow window;
  ASSERT_TRUE(window.Create(GetModuleHandleW(nullptr), nullptr));
  for (const auto& [id, name] : {std::pair{kInputId, kInputName}, {kResultId, kResultName}}) {
    IAccessible* control = nullptr;
    ASSERT_EQ(AccessibleObjectFromWindow(GetDlgItem(window.Handle(), id),
                                         static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                         reinterpret_cast<void**>(&control)),
              S_OK);
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR read = nullptr;
    control->get_accName(self, &read);
    EXPECT_EQ(std::wstring(read ? read : L""), name);
    SysFreeString(read);
    control->Release();
  }
}

}  // namespace
}  // namespace fandrel::testing
