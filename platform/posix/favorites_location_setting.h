#pragma once

#include <optional>
#include <string>

namespace fandrel {

// A POSIX system has no registry that says where the Favorites folder is; tests and the
// benchmark say it here. Nothing (the default) means there is no usable location.
void SetFavoritesLocation(std::optional<std::string> folder);

}  // namespace fandrel
