#pragma once

#include <string>
#include <vector>

namespace fandrel::bench {

// The floor no search can beat: opens every folder below `root` and reads every name,
// descending by the entry type the folder listing gives, and does nothing else.
void BareWalk(const std::string& root);

// Runs `find ROOT -iname '*FRAGMENT*.url'` as a user does, its output going nowhere; false
// where it could not be started. On Windows it runs nothing and says false: `where /r`
// finds files by a pattern too, but with case rules of its own, so no ratio to it is a goal.
bool RunFind(const std::string& root, const char* fragment);

// The peak memory, in MiB, of a fresh process of this program run with `arguments`, whose
// main returns ReportPeak(): on Windows its own peak in KiB, how the parent learns it;
// elsewhere the parent measures the child.
double PeakMiB(const std::vector<std::string>& arguments);
int ReportPeak();

}  // namespace fandrel::bench
