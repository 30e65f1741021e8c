#pragma once

#include <string>

#include "platform/text.h"

namespace fandrel {

// POSIX file names are bytes, conventionally UTF-8. A byte that is not part of valid
// UTF-8 becomes a lone low surrogate (U+DC80 + byte) and turns back into the same byte,
// so that every name survives the round trip exactly.
Text FromFileName(std::string_view bytes);
// The same into `out`, whose storage is reused: for a caller that converts many names.
void AssignFromFileName(std::string_view bytes, Text& out);
std::string ToFileName(TextView text);

}  // namespace fandrel
