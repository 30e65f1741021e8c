#include "platform/favorites_location.h"

#include "platform/posix/favorites_location_setting.h"
#include "platform/posix/utf8.h"

namespace fandrel {
namespace {

std::optional<std::string>& Location() {
  static std::optional<std::string> location;
  return location;
}

}  // namespace

void SetFavoritesLocation(std::optional<std::string> folder) { Location() = std::move(folder); }

std::optional<Text> ReadFavoritesRoot() {
  const std::optional<std::string>& location = Location();
  if (!location || location->empty()) return std::nullopt;
  // The separator is appended whatever the location ends with, as on Windows.
  Text root = FromFileName(*location);
  root += kPathSeparator;
  return root;
}

}  // namespace fandrel
