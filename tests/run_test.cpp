// Runs the built converter in a fresh directory and compares bytes.
#include "convert.hpp"
#include "test_files.hpp"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
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
// caps the converter's address space; a `user` other than 0 runs it as
// that user when the tests run as root, who may write anywhere; `kernel`,
// when given, is B2M_KERNEL.
pid_t start(const fs::path &dir, const std::vector<std::string> &args,
            rlim_t memory = RLIM_INFINITY, uid_t user = 0,
            const char *kernel = nullptr) {
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
    // Opened while still root: the other user may not reach the build
    // tree, only run the file.
    const int exe = open(argv[0], O_RDONLY | O_CLOEXEC);
    if (user != 0 && geteuid() == 0 && (setgid(user) != 0 || setuid(user) != 0))
      _exit(97);
    fexecve(exe, argv.data(), environ);
    _exit(98);
  }
  return pid;
}

Result finish(const fs::path &dir, pid_t pid) {
  int status = 0;
  waitpid(pid, &status, 0);
  Result r{WIFEXITED(status) ? WEXITSTATUS(status) : -1, slurp(dir / "out.txt"),
           slurp(dir / "err.txt"), std::nullopt};
  if (fs::is_regular_file(dir / "menu.js"))
    r.menu = slurp(dir / "menu.js");
  return r;
}

Result run(const fs::path &dir, const std::vector<std::string> &args,
           rlim_t memory = RLIM_INFINITY, uid_t user = 0,
           const char *kernel = nullptr) {
  return finish(dir, start(dir, args, memory, user, kernel));
}

// A temporary menu left in `dir`.
bool temp_left(const fs::path &dir) {
  for (const auto &f : fs::directory_iterator(dir))
    if (f.path().filename().string().rfind(".menu.js.", 0) == 0)
      return true;
  return false;
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

const std::string stopped =
    "<DT><A HREF=\"a\">t</A>\r\n<DL>\n<DT><A HREF=\"b\">u\x1a</A>\n<DT>x\n";

// 2184 lines of 30 bytes, then the 0x1A as the block's last byte.
const std::string block_end_stop = [] {
  std::string s;
  while (s.size() < b2m::block_size - 30)
    s += "<DT><A HREF=\"u\">T</A>        \n";
  s.resize(b2m::block_size - 1, ' ');
  return s + "\x1a<DT><A HREF=\"v\">U</A>\n";
}();

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
      {"-H is a file name, and a mistyped one makes no menu.js",
       nothing,
       {"-H"},
       1,
       "",
       "-H: No such file or directory\n",
       std::nullopt},
      {"missing input keeps the last menu",
       [](const fs::path &d) { spit(d / "menu.js", "old"); },
       {"nope.html"},
       1,
       "",
       "nope.html: No such file or directory\n",
       "old"},
      {"empty name",
       nothing,
       {""},
       1,
       "",
       "No such file or directory\n",
       std::nullopt},
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
      {"./menu.js is menu.js by its own name",
       [](const fs::path &d) { spit(d / "menu.js", worked); },
       {"./menu.js"},
       0,
       "",
       no_bookmarks("./menu.js"),
       "var MAX = 1;\r\n"},
      {"a 0x1A byte: the line the reading stopped on",
       [](const fs::path &d) { spit(d / "in.html", stopped); },
       {"in.html"},
       0,
       "",
       "bookmarks2menu: in.html: line 3: a 0x1A byte ends the input here; "
       "the rest is not read\n",
       b2m::convert(stopped)},
      {"a 0x1A byte that ends the first block, more after it",
       [](const fs::path &d) { spit(d / "in.html", block_end_stop); },
       {"in.html"},
       0,
       "",
       "bookmarks2menu: in.html: line 2185: a 0x1A byte ends the input "
       "here; the rest is not read\n",
       b2m::convert(block_end_stop)},
      {"a 0x1A byte that ends the file: no word",
       [](const fs::path &d) { spit(d / "in.html", worked + "\x1a"); },
       {"in.html"},
       0,
       "",
       "",
       worked_menu},
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
    EXPECT_FALSE(temp_left(dir)) << c.what;
    fs::remove_all(dir);
  }
}

std::string refused(const std::string &name) {
  return "bookmarks2menu: menu.js is " + name +
         " under another name; nothing written\n";
}

// The other user the converter runs as, where root would write anyway.
constexpr uid_t other_user = 65534;

// menu.js is replaced whole where it can be, written in place where
// replacing would break something, and never taken for its own input
// under another name.
TEST(Run, MenuReplacedWholeOrWrittenInPlace) {
  const mode_t mask = umask(0);
  umask(mask);
  const bool root = geteuid() == 0;
  std::string deep;
  for (int i = 0; i < 100; ++i)
    deep += "<DT><H3>F</H3>\n<DL><p>\n";
  const struct {
    const char *what;
    std::function<void(const fs::path &)> setup;
    uid_t user;
    int status;
    std::string err;
    bool replaced; // a menu.js there before is another file after
    std::function<void(const fs::path &, const char *)> check;
  } cases[] = {
      {"menu.js a hard link to the input",
       [](const fs::path &d) {
         worked_input(d);
         fs::create_hard_link(d / "in.html", d / "menu.js");
       },
       0, 1, refused("in.html"), false,
       [](const fs::path &d, const char *what) {
         EXPECT_EQ(slurp(d / "in.html"), worked) << what;
       }},
      {"menu.js a symbolic link to the input",
       [](const fs::path &d) {
         worked_input(d);
         fs::create_symlink("in.html", d / "menu.js");
       },
       0, 1, refused("in.html"), false,
       [](const fs::path &d, const char *what) {
         EXPECT_EQ(slurp(d / "in.html"), worked) << what;
       }},
      {"the input a symbolic link to menu.js",
       [](const fs::path &d) {
         spit(d / "menu.js", worked);
         fs::create_symlink("menu.js", d / "in.html");
       },
       0, 1, refused("in.html"), false,
       [](const fs::path &d, const char *what) {
         EXPECT_EQ(slurp(d / "menu.js"), worked) << what;
       }},
      {"menu.js with another link: written in place",
       [](const fs::path &d) {
         worked_input(d);
         spit(d / "menu.js", "old");
         fs::create_hard_link(d / "menu.js", d / "keep.js");
       },
       0, 0, "", false,
       [](const fs::path &d, const char *what) {
         EXPECT_EQ(slurp(d / "menu.js"), worked_menu) << what;
         EXPECT_EQ(slurp(d / "keep.js"), worked_menu) << what;
       }},
      {"a mode 0640 menu.js keeps it",
       [](const fs::path &d) {
         worked_input(d);
         spit(d / "menu.js", "old");
         chmod((d / "menu.js").c_str(), 0640);
       },
       0, 0, "", true,
       [](const fs::path &d, const char *what) {
         EXPECT_EQ(slurp(d / "menu.js"), worked_menu) << what;
         struct stat st;
         EXPECT_EQ(stat((d / "menu.js").c_str(), &st), 0) << what;
         EXPECT_EQ(st.st_mode & 07777, 0640u) << what;
       }},
      {"a new menu.js has the mode a create gives", worked_input, 0, 0, "",
       true,
       [mask](const fs::path &d, const char *what) {
         struct stat st;
         EXPECT_EQ(stat((d / "menu.js").c_str(), &st), 0) << what;
         EXPECT_EQ(st.st_mode & 07777, 0666u & ~mask) << what;
       }},
      {"menu.js a symbolic link: its target replaced, the link kept",
       [](const fs::path &d) {
         worked_input(d);
         fs::create_directory(d / "sub");
         spit(d / "sub/real.js", "old");
         fs::create_symlink("sub/real.js", d / "menu.js");
       },
       0, 0, "", true,
       [](const fs::path &d, const char *what) {
         EXPECT_TRUE(fs::is_symlink(d / "menu.js")) << what;
         EXPECT_EQ(slurp(d / "sub/real.js"), worked_menu) << what;
         EXPECT_FALSE(temp_left(d / "sub")) << what;
       }},
      {"menu.js of another owner: written in place, the owner kept",
       [root](const fs::path &d) {
         worked_input(d);
         spit(d / "menu.js", "old");
         if (root) {
           EXPECT_EQ(chown((d / "menu.js").c_str(), other_user, other_user), 0);
         }
       },
       0, 0, "", !root,
       [root](const fs::path &d, const char *what) {
         EXPECT_EQ(slurp(d / "menu.js"), worked_menu) << what;
         struct stat st;
         EXPECT_EQ(stat((d / "menu.js").c_str(), &st), 0) << what;
         EXPECT_EQ(st.st_uid, root ? other_user : geteuid()) << what;
       }},
      {"a directory that takes no new file: written in place",
       [root](const fs::path &d) {
         worked_input(d);
         spit(d / "menu.js", "old");
         spit(d / "out.txt", "");
         spit(d / "err.txt", "");
         if (root) {
           EXPECT_EQ(chown((d / "menu.js").c_str(), other_user, other_user), 0);
         }
         chmod(d.c_str(), 0555);
       },
       other_user, 0, "", false,
       [](const fs::path &d, const char *what) {
         EXPECT_EQ(slurp(d / "menu.js"), worked_menu) << what;
       }},
      {"a read-only menu.js is refused",
       [](const fs::path &d) {
         worked_input(d);
         spit(d / "menu.js", "old");
         chmod((d / "menu.js").c_str(), 0444);
       },
       other_user, 1, "menu.js: " + std::string(std::strerror(EACCES)) + "\n",
       false,
       [](const fs::path &d, const char *what) {
         EXPECT_EQ(slurp(d / "menu.js"), "old") << what;
       }},
      {"deep nesting: at most 64 tabs, parents exact",
       [&deep](const fs::path &d) { spit(d / "in.html", deep); }, 0, 0, "",
       true,
       [](const fs::path &d, const char *what) {
         const std::string menu = slurp(d / "menu.js");
         EXPECT_NE(menu.find("\n" + std::string(64, '\t') + "par[100] = 99;"),
                   std::string::npos)
             << what;
         EXPECT_EQ(menu.find(std::string(65, '\t')), std::string::npos) << what;
       }},
  };
  int n = 0;
  for (const auto &c : cases) {
    const fs::path dir = fresh_dir("replace-" + std::to_string(n++));
    c.setup(dir);
    struct stat st;
    const fs::path menu = dir / "menu.js";
    const ino_t before = stat(menu.c_str(), &st) == 0 ? st.st_ino : 0;
    const Result r = run(dir, {"in.html"}, RLIM_INFINITY, c.user);
    EXPECT_EQ(r.status, c.status) << c.what;
    if (before != 0 && stat(menu.c_str(), &st) == 0) {
      EXPECT_EQ(st.st_ino != before, c.replaced) << c.what;
    }
    EXPECT_EQ(r.err, c.err) << c.what;
    c.check(dir, c.what);
    EXPECT_FALSE(temp_left(dir)) << c.what;
    chmod(dir.c_str(), 0755);
    fs::remove_all(dir);
  }
}

// An interrupt while the menu is written leaves the last one, and no
// temporary file; the converter dies of the signal, as callers expect.
TEST(Run, AnInterruptLeavesTheLastMenu) {
  std::string part;
  while (part.size() < 200000)
    part += "<DT><A HREF=\"https://e.org/\">T</A>\n";
  for (const int sig : {SIGINT, SIGTERM, SIGHUP}) {
    const fs::path dir = fresh_dir("signal");
    spit(dir / "menu.js", "old");
    ASSERT_EQ(mkfifo((dir / "in.html").c_str(), 0600), 0);
    const pid_t pid = start(dir, {"in.html"});
    const int fifo = open((dir / "in.html").c_str(), O_WRONLY);
    ASSERT_GE(fifo, 0);
    EXPECT_EQ(write(fifo, part.data(), part.size()),
              static_cast<ssize_t>(part.size()));
    const auto until =
        std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!temp_left(dir) && std::chrono::steady_clock::now() < until)
      usleep(1000);
    EXPECT_TRUE(temp_left(dir)) << sig;
    kill(pid, sig);
    int status = 0;
    waitpid(pid, &status, 0);
    close(fifo);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == sig) << sig;
    EXPECT_EQ(slurp(dir / "menu.js"), "old") << sig;
    EXPECT_FALSE(temp_left(dir)) << sig;
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
    const Result r = run(dir, {"in.html"}, RLIM_INFINITY, 0, c.kernel.c_str());
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
    EXPECT_FALSE(temp_left(dir)) << c.what;
  }
  fs::remove_all(dir);
}

// A browser's own store gives the menu of that browser's HTML export of
// it, both written by the browser from the same bookmarks.
TEST(Run, StoresGiveTheMenuOfTheirBrowsersExport) {
#ifndef B2M_STORES
  GTEST_SKIP() << "built without the bookmark stores";
#endif
  const struct {
    const char *store, *export_file;
  } pairs[] = {
      {"chromium-Bookmarks.json", "chromium-export.html"},
      {"firefox-backup.jsonlz4", "firefox-export.html"},
      {"firefox-backup.json", "firefox-export.html"},
  };
  const fs::path dir = fresh_dir("stores");
  int compared = 0;
  for (const auto &f : fs::directory_iterator(B2M_SOURCE "/tests/stores")) {
    for (const auto &p : pairs) {
      const fs::path store = f.path() / p.store;
      if (!fs::exists(store))
        continue;
      const Result from_export = run(dir, {f.path() / p.export_file});
      const Result from_store = run(dir, {store});
      EXPECT_EQ(from_store.status, 0) << store;
      EXPECT_EQ(from_store.err, "") << store;
      EXPECT_EQ(from_export.err, "") << store;
      EXPECT_TRUE(from_store.menu == from_export.menu) << store;
      ++compared;
    }
  }
  EXPECT_GE(compared, 6);
  fs::remove_all(dir);
}

// A store cut short, broken or of the wrong shape is no menu: the last
// one stays, and the reason is given.
TEST(Run, BrokenStoresKeepTheLastMenu) {
#ifndef B2M_STORES
  GTEST_SKIP() << "built without the bookmark stores";
#endif
  const fs::path fixtures = B2M_SOURCE "/tests/stores/viewer";
  const std::string chromium = slurp(fixtures / "chromium-Bookmarks.json");
  const std::string lz4 = slurp(fixtures / "firefox-backup.jsonlz4");
  std::string lz4_resized = lz4;
  lz4_resized[8] = static_cast<char>(lz4_resized[8] + 1);
  std::string lz4_flipped = lz4;
  for (std::size_t i = 40; i < lz4_flipped.size(); i += 7)
    lz4_flipped[i] = static_cast<char>(~lz4_flipped[i]);
  const std::string shape = "not a bookmarks store: ";
  const std::string entry = R"("name":"t","type":"url","url":"u")";
  const std::string roots = R"({"roots":{"bookmark_bar":{"children":[)";
  const std::string roots_end = R"(],"name":"b","type":"folder"},)"
                                R"("other":{"children":[],"name":"o",)"
                                R"("type":"folder"}}})";
  const struct {
    const char *what;
    std::string input, err;
  } cases[] = {
      {"Chromium's store cut short", chromium.substr(0, chromium.size() / 2),
       "not a complete bookmarks store (cut short?)"},
      {"an empty object's start", " \n{",
       "not a complete bookmarks store (cut short?)"},
      {"a brace, then no JSON", "{<DT><A HREF=\"u\">t</A>}",
       shape + "not valid JSON"},
      {"a brace, then HTML cut short", "{<DT><A HREF=\"u\">t</A>",
       "not a complete bookmarks store (cut short?)"},
      {"JSON of another kind", R"({"version": 1})", shape + "no \"roots\""},
      {"roots not an object", R"({"roots": []})",
       shape + "\"roots\" is not an object"},
      {"no bookmark bar", R"({"roots": {"other": {}}})",
       shape + "no \"bookmark_bar\" or \"other\" in \"roots\""},
      {"an entry of no type", roots + R"({"name":"t"})" + roots_end,
       shape + "an entry without \"name\" or \"type\""},
      {"a link without its address",
       roots + R"({"name":"t","type":"url"})" + roots_end,
       shape + "a bookmark without \"url\""},
      {"a title that is a number",
       roots + R"({"name":1,"type":"url","url":"u"})" + roots_end,
       shape + "an entry field of the wrong type"},
      {"an entry that is a string", roots + R"("x")" + roots_end,
       shape + "an entry that is not an object"},
      {"invalid UTF-8", roots + "{" + entry + ",\"x\":\"\xff\"}" + roots_end,
       "invalid UTF-8"},
      {"nested too deeply", roots + std::string(3000, '[') + roots_end,
       "nested too deeply"},
      {"Firefox's root without a menu",
       R"({"type":"text/x-moz-place-container","children":[]})",
       shape + "no bookmarks menu"},
      {"Firefox's backup cut short", lz4.substr(0, lz4.size() - 9),
       "corrupt LZ4 data"},
      {"Firefox's backup, only its magic", lz4.substr(0, 10),
       "not a complete bookmarks store (cut short?)"},
      {"Firefox's backup of a wrong size", lz4_resized, "corrupt LZ4 data"},
      {"Firefox's backup with bytes changed", lz4_flipped, "corrupt LZ4 data"},
      {"a size no block can hold",
       std::string("mozLz40\0\xff\xff\xff\x7f\x10"
                   "ab",
                   15),
       "corrupt LZ4 data"},
  };
  const fs::path dir = fresh_dir("broken-stores");
  for (const auto &c : cases) {
    spit(dir / "menu.js", "old");
    spit(dir / "in", c.input);
    const Result r = run(dir, {"in"});
    EXPECT_EQ(r.status, 1) << c.what;
    EXPECT_EQ(r.err, "in: " + c.err + "\n") << c.what;
    EXPECT_EQ(r.menu, "old") << c.what;
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
