#pragma once

#include <windows.h>

#include <optional>
#include <string>

// What screen readers read of a control, asked the two ways they ask. COM must be
// initialised on the calling thread.
namespace fandrel::testing {

// The control's name through Active Accessibility ("AccessibleObjectFromWindow"), which
// older screen readers read; nothing where it cannot be asked.
std::optional<std::wstring> AccessibleName(HWND control);

// The control as UI Automation gives it ("IUIAutomation::ElementFromHandle"), which
// Narrator reads; nothing where UI Automation does not answer.
struct AutomationElement {
  std::wstring name;  // its Name property
  long controlType;   // its ControlType property
};
std::optional<AutomationElement> AutomationOf(HWND control);

// Control types, as "Control Type Identifiers" numbers them.
inline constexpr long kComboBoxControlType = 50003;
inline constexpr long kEditControlType = 50004;

}  // namespace fandrel::testing
