#include <dirent.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "bench/system_bench.h"

extern char** environ;  // for posix_spawnp

namespace fandrel::bench {
namespace {

// Runs `arguments` with its output going nowhere, waits for it, and returns what it used;
// false where it could not be started.
bool Spawn(std::vector<std::string> arguments, struct rusage& usage) {
  std::vector<char*> argv(arguments.size() + 1);  // null-terminated
  for (std::size_t k = 0; k < arguments.size(); ++k) argv[k] = arguments[k].data();
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t child = 0;
  const bool started = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0;
  if (started) wait4(child, nullptr, 0, &usage);
  posix_spawn_file_actions_destroy(&actions);
  return started;
}

}  // namespace

void BareWalk(const std::string& root) {
  std::vector<std::string> folders{root};
  for (std::size_t cursor = 0; cursor < folders.size(); ++cursor) {
    DIR* dir = opendir(folders[cursor].c_str());
    if (dir == nullptr) continue;
    while (const dirent* entry = readdir(dir)) {
      if (entry->d_type == DT_DIR && entry->d_name[0] != '.') {
        folders.push_back(folders[cursor] + '/' + entry->d_name);
      }
    }
    closedir(dir);
  }
}

bool RunFind(const std::string& root, const char* fragment) {
  struct rusage usage {};
  return Spawn({"find", root, "-iname", std::string("*") + fragment + "*.url"}, usage);
}

double PeakMiB(const std::vector<std::string>& arguments) {
  std::vector<std::string> command{"/proc/self/exe"};  // this same program
  command.insert(command.end(), arguments.begin(), arguments.end());
  struct rusage usage {};
  Spawn(command, usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // KiB on Linux
}

int ReportPeak() { return 0; }  // the parent measures the child here

}  // namespace fandrel::bench
