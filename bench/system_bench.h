#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace fandrel::bench {

// What the benchmark does differently on each system.

// The floor no search can beat: opens every folder below `root` and reads every name,
// descending by the entry type the folder listing gives, and does nothing else.
// Returns the number of names read.
long BareWalk(const std::string& root);

// The milliseconds `find ROOT -iname '*FRAGMENT*.url'` takes, printing every path (to
// nowhere), as a user runs it; nothing where the system has no find.
std::optional<double> FindMilliseconds(const std::string& root, const char* fragment);
// The number of paths find prints for the same.
std::optional<long> FindCount(const std::string& root, const char* fragment);

// The peak memory, in MiB, of a fresh process of this program run with `arguments`,
// which calls ReportPeak as it ends.
double PeakMiB(const std::vector<std::string>& arguments);
// What such a process returns from main: on Windows its own peak, in KiB, which is how
// the parent learns it (Wine keeps no figures of a process that has ended).
int ReportPeak();

// Whether the figures are Wine's rather than a system's own: they are printed, but no
// goal is read from them.
bool UnderWine();

}  // namespace fandrel::bench
