#pragma once

#include <optional>

#include "platform/text.h"

namespace fandrel {

// Where the current user's Favorites folder is, read afresh on every call, as a folder
// path that always ends with a separator. Nothing when no usable location can be found.
std::optional<Text> ReadFavoritesRoot();

}  // namespace fandrel
