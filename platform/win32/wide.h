#pragma once

#include <string>

#include "platform/text.h"

namespace fandrel {

// UTF-16 is wchar_t on Windows: these only change the element type.
inline std::wstring ToWide(TextView text) { return std::wstring(text.begin(), text.end()); }
inline Text FromWide(std::wstring_view text) { return Text(text.begin(), text.end()); }

}  // namespace fandrel
