#pragma once

#include "platform/text.h"

namespace fandrel {

// Lower-cases text with the rules of the user's locale, into `lowered`, whose storage is
// reused: the walk lowers the title of every shortcut in the tree.
void LowerCase(TextView text, Text& lowered);

// 'I' lowered by the user's locale, the one ASCII letter FoldAscii may get wrong; asked
// once for the life of the program.
char16_t LowerCaseI();

}  // namespace fandrel
