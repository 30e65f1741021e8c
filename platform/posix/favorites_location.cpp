#include "platform/favorites_location.h"

namespace fandrel {

// A POSIX system keeps no Favorites location: there a search is always given its root
// (by the tests and the benchmark).
std::optional<Text> ReadFavoritesRoot() { return std::nullopt; }

}  // namespace fandrel
