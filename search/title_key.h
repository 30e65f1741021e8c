#pragma once

#include "platform/text.h"

namespace fandrel {

// The title key of a shortcut path: its file name less the last four characters (the
// ".url" suffix), lower-cased under the user's locale. The list shows these keys, and
// the sort and the distinct pass compare them ordinally on UTF-16 code units.
Text GetTitleKey(TextView path);

// The same for an entry name, into `key`, whose storage is reused: the walk computes one
// for every candidate of the tree.
void TitleKeyOf(TextView name, Text& key);

// Whether an entry name ends in ".url" regardless of case; a name shorter than four
// characters is compared whole, so it never is.
bool HasShortcutSuffix(TextView name);

}  // namespace fandrel
