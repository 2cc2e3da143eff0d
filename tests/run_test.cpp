// Runs the built converter in a fresh directory and compares bytes.
#include "convert.hpp"
#include "test_files.hpp"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace fs = std::filesystem;

int bookmarks2menu_main(int argc, char *argv[]);

namespace {

using test_files::fresh_dir;
using test_files::slurp;
using test_files::spit;

struct Result {
  int status;
  std::string out, err;
  std::optional<std::string> menu;
};

// argv[0] is the converter as invoked; `args` follow it. A `memory` limit
// caps the converter's address space.
// `kernel`, when given, is B2M_KERNEL.
Result run(const fs::path &dir, const std::vector<std::string> &args,
           rlim_t memory = RLIM_INFINITY, const char *kernel = nullptr) {
  std::vector<std::string> words{B2M_EXE};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char *> argv;
  for (std::string &w : words)
    argv.push_back(w.data());
  argv.push_back(nullptr);
  const pid_t pid = fork();
  if (pid == 0) {
    if (chdir(dir.c_str()) != 0 || !freopen("out.txt", "w", stdout) ||
        !freopen("err.txt", "w", stderr))
      _exit(99);
    if (kernel != nullptr && setenv("B2M_KERNEL", kernel, 1) != 0)
      _exit(97);
    const rlimit limit{memory, memory};
    setrlimit(RLIMIT_AS, &limit);
    execv(argv[0], argv.data());
    _exit(98);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  Result r{WIFEXITED(status) ? WEXITSTATUS(status) : -1, slurp(dir / "out.txt"),
           slurp(dir / "err.txt"), std::nullopt};
  if (fs::is_regular_file(dir / "menu.js"))
    r.menu = slurp(dir / "menu.js");
  return r;
}

struct Case {
  const char *what;
  std::function<void(const fs::path &)> setup;
  std::vector<std::string> args;
  int status;
  std::string out, err;
  std::optional<std::string> menu;
};

const std::string usage = std::string("USAGE: ") + B2M_EXE +
                          " bookmarks_file\n"
                          "Create javascript menu file from bookmarks file\n";
const std::string worked = slurp(B2M_DATA "/worked.html");
const std::string worked_menu = slurp(B2M_DATA "/worked.menu.js");

void nothing(const fs::path &) {}
std::string no_bookmarks(const std::string &name) {
  return "bookmarks2menu: " + name +
         ": no bookmarks found; is it a browser's bookmarks export?\n";
}
void worked_input(const fs::path &d) {
  spit(d / "in.html", worked);
}

TEST(Run, ExitStatusOutputsAndMenuFile) {
  const Case cases[] = {
      {"no argument", nothing, {}, 1, usage, "", std::nullopt},
      {"-h, even with such a file",
       [](const fs::path &d) { spit(d / "-h", worked); },
       {"-h"},
       1,
       usage,
       "",
       std::nullopt},
      {"-H is a file name",
       nothing,
       {"-H"},
       1,
       "",
       "-H: No such file or directory\n",
       ""},
      {"missing input keeps the last menu",
       [](const fs::path &d) { spit(d / "menu.js", "old"); },
       {"nope.html"},
       1,
       "",
       "nope.html: No such file or directory\n",
       "old"},
      {"empty name", nothing, {""}, 1, "", "No such file or directory\n", ""},
      {"menu.js cannot be opened",
       [](const fs::path &d) {
         fs::create_directory(d / "menu.js");
         spit(d / "in.html", worked);
       },
       {"in.html"},
       1,
       "",
       "menu.js: Is a directory\n",
       std::nullopt},
      {"a directory as input keeps the last menu",
       [](const fs::path &d) {
         fs::create_directory(d / "dir");
         spit(d / "menu.js", "old");
       },
       {"dir"},
       1,
       "",
       "dir: Is a directory\n",
       "old"},
      {"full disk",
       [](const fs::path &d) {
         fs::create_symlink("/dev/full", d / "menu.js");
         worked_input(d);
       },
       {"in.html"},
       1,
       "",
       "menu.js: No space left on device\n",
       std::nullopt},
      {"no bookmarks: the MAX line, and a word why",
       [](const fs::path &d) { spit(d / "in.html", "<html>a page</html>"); },
       {"in.html"},
       0,
       "",
       no_bookmarks("in.html"),
       "var MAX = 1;\r\n"},
      {"worked example, extra arguments ignored",
       worked_input,
       {"in.html", "more", "-h"},
       0,
       "",
       "",
       worked_menu},
      {"menu.js as its own input",
       [](const fs::path &d) { spit(d / "menu.js", worked); },
       {"menu.js"},
       0,
       "",
       no_bookmarks("menu.js"),
       "var MAX = 1;\r\n"},
      {"bundled example",
       nothing,
       {B2M_SOURCE "/examples/bookmarks.html"},
       0,
       "",
       "",
       slurp(B2M_DATA "/bookmarks.menu.js")},
      {"headings without attributes are folders (iCab)",
       nothing,
       {B2M_SOURCE
        "/tests/corpus/icab-mac-netscape-bookmarks-perl-Hotlist.html"},
       0,
       "",
       "",
       slurp(B2M_DATA "/icab-hotlist.menu.js")},
  };
  int n = 0;
  for (const Case &c : cases) {
    const fs::path dir = fresh_dir("run-" + std::to_string(n++));
    c.setup(dir);
    const Result r = run(dir, c.args);
    EXPECT_EQ(r.status, c.status) << c.what;
    EXPECT_EQ(r.out, c.out) << c.what;
    EXPECT_EQ(r.err, c.err) << c.what;
    EXPECT_EQ(r.menu, c.menu) << c.what;
    fs::remove_all(dir);
  }
}

// B2M_KERNEL naming a kernel that cannot run stops the converter before it
// touches a file; an empty one asks for nothing.
TEST(Run, RefusesAKernelThatCannotRun) {
  if (b2m::all_kernels().end() - b2m::all_kernels().begin() != 4)
    GTEST_SKIP() << "the names below are x86's";
  const std::string names = "(portable, sse2, avx2, avx512)";
  struct {
    std::string kernel;
    int status;
    std::string err, menu;
  } cases[] = {
      {"avx9", 1,
       "bookmarks2menu: B2M_KERNEL=avx9: no such kernel " + names + "\n",
       "old"},
      {"AVX2", 1,
       "bookmarks2menu: B2M_KERNEL=AVX2: no such kernel " + names + "\n",
       "old"},
      {"portable", 0, "", worked_menu},
      {"", 0, "", worked_menu},
  };
  for (const b2m::Kernel &k : b2m::all_kernels())
    if (!k.runs())
      cases[2] = {k.name, 1,
                  "bookmarks2menu: B2M_KERNEL=" + std::string(k.name) +
                      ": this processor does not run it\n",
                  "old"};
  for (const auto &c : cases) {
    const fs::path dir = fresh_dir("kernel");
    worked_input(dir);
    spit(dir / "menu.js", "old");
    const Result r = run(dir, {"in.html"}, RLIM_INFINITY, c.kernel.c_str());
    EXPECT_EQ(r.status, c.status) << c.kernel;
    EXPECT_EQ(r.err, c.err) << c.kernel;
    EXPECT_EQ(r.menu, c.menu) << c.kernel;
    fs::remove_all(dir);
  }
}

// The file is read in blocks; the result must not depend on where they end.
TEST(Run, BlocksGiveTheSameBytesAsOneRead) {
  std::vector<std::string> inputs;
  for (const auto &f : fs::directory_iterator(B2M_SOURCE "/tests/corpus"))
    inputs.push_back(slurp(f.path()));
  // CR LF split across the first block end, a lone CR at the second's,
  // lines of every length, a line longer than a block, and a 0x1A well past
  // the first block.
  std::string mixed = "<DT><A HREF=\"a\">t\r";
  mixed.resize(65535, 'x');
  mixed += "\r\n";
  mixed.resize(131071, 'y');
  mixed += "\r<DT><A HREF=\"b\">B</A>\r";
  for (int i = 0; mixed.size() < 300000; ++i)
    mixed += "<DT><A HREF=\"u" + std::string(i % 700, 'i') + "\">" +
             std::string(i % 3, '\r') + "T</A>" + (i % 5 ? "\r\n" : "\n");
  mixed += "<DT><H3 >" + std::string(200000, 'L') + "</H3>\r\n</DL>\n";
  inputs.push_back(mixed + "\x1a<DT>after the end\n");
  const fs::path dir = fresh_dir("blocks");
  for (const std::string &input : inputs) {
    spit(dir / "in.html", input);
    const Result r = run(dir, {"in.html"});
    ASSERT_EQ(r.status, 0);
    EXPECT_TRUE(r.menu == b2m::convert(input)) << input.substr(0, 200);
  }
  fs::remove_all(dir);
}

// Memory follows the longest line, not the file or the nesting; a line
// larger than the memory left is a reported failure, not a crash.
TEST(Run, MemoryFollowsTheLongestLine) {
#ifdef B2M_SANITIZED
  GTEST_SKIP() << "the sanitizers need more address space than the limits";
#endif
  std::string deep, entries;
  for (int i = 0; i < 2000; ++i)
    deep += "<DT><H3 >F</H3>\n<DL><p>\n";
  for (int i = 0; i < 5000; ++i)
    entries +=
        "<DT><A HREF=\"https://e.org/" + std::to_string(i) + "\">T</A>\n";
  const std::string oom = std::string("in.html: ") + std::strerror(ENOMEM);
  const struct {
    const char *what;
    std::string input;
    rlim_t limit;
    std::string err;
  } cases[] = {
      {"deep entries", deep + entries, 12 << 20, ""},
      {"a long line between them",
       deep + "<DT><A HREF=\"u\" ICON=\"" + std::string(24 << 20, 'A') +
           "\">t</A>\n" + entries,
       40 << 20, ""},
      {"a line beyond the memory left",
       "<DT><A HREF=\"a\">t</A>\n" + std::string(96 << 20, 'x') + "\n",
       64 << 20, oom + "\n"},
  };
  const fs::path dir = fresh_dir("memory");
  for (const auto &c : cases) {
    spit(dir / "in.html", c.input);
    const Result r = run(dir, {"in.html"}, c.limit);
    EXPECT_EQ(r.status, c.err.empty() ? 0 : 1) << c.what;
    EXPECT_EQ(r.err, c.err) << c.what;
  }
  fs::remove_all(dir);
}

// The kernel fills in an empty argv[0] itself, so call the entry directly.
TEST(Run, EmptyArgumentVectorGivesUsageWithoutName) {
  char *argv[] = {nullptr};
  testing::internal::CaptureStdout();
  EXPECT_EQ(bookmarks2menu_main(0, argv), 1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "USAGE:  bookmarks_file\n"
            "Create javascript menu file from bookmarks file\n");
}

} // namespace
