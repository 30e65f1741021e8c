#pragma once

#include "platform/text.h"

namespace fandrel {

// Lower-cases text with the rules of the user's locale.
Text LowerCase(TextView text);

}  // namespace fandrel
