#include <dirent.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <vector>

#include "bench/system_bench.h"

extern char** environ;

namespace fandrel::bench {
namespace {

std::vector<std::string> FindArguments(const std::string& root, const char* fragment) {
  return {"find", root, "-iname", std::string("*") + fragment + "*.url"};
}

// Runs `arguments` with its output going to `output`, and waits for it to end.
struct rusage Spawn(std::vector<std::string> arguments, int output) {
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, output, STDOUT_FILENO);
  pid_t child = 0;
  int status = 0;
  struct rusage usage {};
  if (posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
    wait4(child, &status, 0, &usage);
  }
  posix_spawn_file_actions_destroy(&actions);
  return usage;
}

}  // namespace

long BareWalk(const std::string& root) {
  long names = 0;
  std::vector<std::string> folders{root};
  for (std::size_t cursor = 0; cursor < folders.size(); ++cursor) {
    DIR* dir = opendir(folders[cursor].c_str());
    if (dir == nullptr) continue;
    while (const dirent* entry = readdir(dir)) {
      ++names;
      if (entry->d_type != DT_DIR || entry->d_name[0] == '.') continue;
      folders.push_back(folders[cursor] + '/' + entry->d_name);
    }
    closedir(dir);
  }
  return names;
}

std::optional<double> FindMilliseconds(const std::string& root, const char* fragment) {
  const int nowhere = open("/dev/null", O_WRONLY);
  const auto start = std::chrono::steady_clock::now();
  Spawn(FindArguments(root, fragment), nowhere);
  const auto end = std::chrono::steady_clock::now();
  close(nowhere);
  return std::chrono::duration<double, std::milli>(end - start).count();
}

std::optional<long> FindCount(const std::string& root, const char* fragment) {
  FILE* lines = std::tmpfile();
  Spawn(FindArguments(root, fragment), fileno(lines));
  std::rewind(lines);
  long count = 0;
  for (int c; (c = std::fgetc(lines)) != EOF;) count += c == '\n';
  std::fclose(lines);
  return count;
}

double PeakMiB(const std::vector<std::string>& arguments) {
  std::vector<std::string> command{"/proc/self/exe"};  // this same program
  command.insert(command.end(), arguments.begin(), arguments.end());
  const int nowhere = open("/dev/null", O_WRONLY);
  const struct rusage usage = Spawn(command, nowhere);
  close(nowhere);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // KiB on Linux
}

int ReportPeak() { return 0; }  // the parent reads the child's peak as it waits for it

bool UnderWine() { return false; }

}  // namespace fandrel::bench
