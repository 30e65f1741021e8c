#pragma once

#include "platform/text.h"

namespace fandrel {

// Lower-cases text with the rules of the user's locale, into `lowered`, whose storage is
// reused: the walk lowers the title of every shortcut in the tree.
void LowerCase(TextView text, Text& lowered);

}  // namespace fandrel
