#pragma once

#include "platform/text.h"

namespace fandrel {

// Lower-cases text with the rules of the user's locale, into `lowered`, whose storage is
// reused: the walk lowers the title of every shortcut in the tree.
void LowerCase(TextView text, Text& lowered);

// 'I' lowered by the user's locale, the one ASCII letter FoldAscii may get wrong.
char16_t LowerCaseI();

// Takes the user's locale for lowering: called once, where a program starts, before any
// text is lowered. On POSIX the C library's locale is the program's to set; Windows lowers
// by the user's locale as each call names it (LOCALE_NAME_USER_DEFAULT), and needs nothing.
void UseUsersLocale();

}  // namespace fandrel
