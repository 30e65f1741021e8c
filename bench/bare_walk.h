#pragma once

#include <string>

namespace fandrel::bench {

// The floor no search can beat: opens every folder below `root` and reads every name,
// descending by the entry type the folder listing gives, and does nothing else.
// Returns the number of names read.
long BareWalk(const std::string& root);

}  // namespace fandrel::bench
