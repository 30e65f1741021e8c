#include "bench/bare_walk.h"

#include <dirent.h>

#include <cstring>
#include <vector>

namespace fandrel::bench {

long BareWalk(const std::string& root) {
  long names = 0;
  std::vector<std::string> folders{root};
  for (std::size_t cursor = 0; cursor < folders.size(); ++cursor) {
    DIR* dir = opendir(folders[cursor].c_str());
    if (dir == nullptr) continue;
    while (const dirent* entry = readdir(dir)) {
      ++names;
      if (entry->d_type != DT_DIR || entry->d_name[0] == '.') continue;
      std::string path = folders[cursor];
      path += '/';
      path += entry->d_name;
      folders.push_back(std::move(path));
    }
    closedir(dir);
  }
  return names;
}

}  // namespace fandrel::bench
