#pragma once

#include <string>

#include "platform/text.h"

namespace fandrel {

// POSIX file names are bytes, conventionally UTF-8. A byte that is not part of valid UTF-8
// (always 0x80 or more) becomes a lone low surrogate, U+DC00 plus the byte (U+DC80 to
// U+DCFF), and turns back into the same byte, so that every name survives the round trip
// exactly. `out`'s storage is reused: the walk converts every name and folder of the tree
// into one buffer each.
void AssignFromFileName(std::string_view bytes, Text& out);
void AssignFileName(TextView text, std::string& out);

}  // namespace fandrel
