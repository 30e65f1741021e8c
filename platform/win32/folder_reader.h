#pragma once

#include <cstdint>

namespace fandrel {

// The attribute word the walk is given for a listed entry. A reparse point that stands for
// another name (a symbolic link, a junction, a mount point: "IsReparseTagNameSurrogate")
// keeps its reparse bit, so the walk never follows it; so does one listed without a tag.
// Any other (a cloud file placeholder, a deduplicated folder) holds its own contents and is
// reported as an ordinary entry.
std::uint32_t ListedAttributes(std::uint32_t attributes, std::uint32_t reparseTag);

}  // namespace fandrel
