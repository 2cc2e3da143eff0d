// Files for the tests: whole-file reads and writes, and fresh directories.
#ifndef BOOKMARKS2MENU_TEST_FILES_HPP
#define BOOKMARKS2MENU_TEST_FILES_HPP

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace test_files {

namespace fs = std::filesystem;

inline std::string slurp(const fs::path &p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

inline void spit(const fs::path &p, const std::string &text) {
  std::ofstream(p, std::ios::binary) << text;
}

// An empty directory of this process's own; the caller removes it.
inline fs::path fresh_dir(const std::string &name) {
  const fs::path dir = fs::temp_directory_path() /
                       ("b2m-" + name + "-" + std::to_string(getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

} // namespace test_files

#endif
