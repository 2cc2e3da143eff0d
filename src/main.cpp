// bookmarks2menu: turns a browser's bookmarks export into menu.js.
#include "convert.hpp"
#include "platform.hpp"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr const char *output_name = "menu.js";

// Which file failed, and why; no name means no failure.
struct Failure {
  const char *name = nullptr;
  int err = 0;
};

// A failed call need not set errno; never report "Success" for it.
int last_error() {
  return errno != 0 ? errno : EIO;
}

// "name: system error text", or the text alone for an empty name.
int report(const Failure &failure) {
  const std::string name = failure.name;
  b2m::put_text(stderr, (name.empty() ? "" : name + ": ") +
                            std::strerror(failure.err) + "\n");
  return 1;
}

int usage(const char *program) {
  const bool put = b2m::put_text(
      stdout, std::string("USAGE: ") + program +
                  " bookmarks_file\n"
                  "Create javascript menu file from bookmarks file\n");
  if (!put | (std::fflush(stdout) != 0))
    report({"stdout", last_error()});
  return 1;
}

// menu.js as the writer's drain: after the first failure, nothing more is
// written and that failure is kept.
struct MenuFile {
  std::FILE *file = nullptr;
  int err = 0;
};

void write_out(void *target, const char *bytes, std::size_t size) {
  auto &menu = *static_cast<MenuFile *>(target);
  errno = 0;
  if (menu.err == 0 && std::fwrite(bytes, 1, size, menu.file) != size)
    menu.err = last_error();
}

// The bookmarks file; `got` is what the last read added.
struct Input {
  std::FILE *file;
  const char *name;
  std::size_t got = 0;
};

Failure read_block(Input &in, b2m::Conversion &conversion) {
  char *room = b2m::input_room(conversion);
  if (room == nullptr)
    return {in.name, ENOMEM};
  errno = 0;
  in.got = std::fread(room, 1, b2m::block_size, in.file);
  if (in.got == 0 && std::ferror(in.file))
    return {in.name, last_error()};
  return {};
}

// The input, block by block, from the one read last.
Failure convert_input(Input &in, b2m::Conversion &conversion,
                      const MenuFile &menu) {
  while (in.got != 0 && menu.err == 0 && b2m::add_input(conversion, in.got)) {
    const Failure failure = read_block(in, conversion);
    if (failure.name != nullptr)
      return failure;
  }
  return {};
}

// The last line and the trailer, and whether menu.js took them all.
Failure finish_menu(b2m::Conversion &conversion, const MenuFile &menu) {
  b2m::finish(conversion);
  if (b2m::shortage(conversion) == b2m::Shortage::output)
    return {output_name, ENOMEM};
  if (menu.err != 0)
    return {output_name, menu.err};
  return {};
}

// A file with no entries gives a menu of the MAX line alone, as scripts
// may rely on; the user is told, as a web page is no bookmarks file.
void warn_if_empty(const b2m::Conversion &conversion, const char *name) {
  if (conversion.menu.entries == 0)
    b2m::put_text(stderr, std::string("bookmarks2menu: ") + name +
                              ": no bookmarks found; is it a browser's "
                              "bookmarks export?\n");
}

// The first block is read before menu.js is emptied, so that a name typed
// wrong, or a directory, leaves the last menu as it was.
Failure convert_file(Input &in, MenuFile &menu) {
  b2m::Conversion conversion;
  b2m::start(conversion, write_out, &menu);
  Failure failure = read_block(in, conversion);
  if (failure.name != nullptr)
    return failure;
  // Emptied from the start, menu.js read as its own input has nothing in
  // it: its menu is the trailer alone.
  const bool own_input = b2m::same_file(in.name, output_name);
  errno = 0;
  menu.file = b2m::reopen_file(output_name, "wb", menu.file);
  if (menu.file == nullptr)
    return {output_name, last_error()};
  // The conversion's buffers are the buffers; a second layer would only
  // copy.
  std::setvbuf(menu.file, nullptr, _IONBF, 0);
  if (!own_input) {
    failure = convert_input(in, conversion, menu);
    if (failure.name != nullptr)
      return failure;
  }
  failure = finish_menu(conversion, menu);
  if (failure.name == nullptr)
    warn_if_empty(conversion, in.name);
  return failure;
}

// menu.js is opened first, so that one that cannot be written is found
// before the input is touched; appending leaves it as it is for now.
Failure run(const char *in_name) {
  MenuFile menu;
  if ((menu.file = b2m::open_file(output_name, "ab")) == nullptr)
    return {output_name, errno};
  Input in{b2m::open_file(in_name, "rb"), in_name};
  Failure failure;
  if (in.file == nullptr) {
    failure = {in_name, errno};
  } else {
    std::setvbuf(in.file, nullptr, _IONBF, 0);
    failure = convert_file(in, menu);
    std::fclose(in.file);
  }
  errno = 0;
  if (menu.file != nullptr && std::fclose(menu.file) != 0 &&
      failure.name == nullptr)
    failure = {output_name, last_error()};
  return failure;
}

// B2M_KERNEL naming a kernel that cannot run is refused before any file
// is touched, rather than quietly running another.
bool kernel_refused() {
  const b2m::KernelChoice choice = b2m::kernel_from_environment();
  if (choice.kernel != nullptr)
    return false;
  std::string names; // the slowest first
  for (const b2m::Kernel &k : b2m::all_kernels())
    names = k.name + (names.empty() ? "" : ", " + names);
  b2m::put_text(stderr, std::string("bookmarks2menu: B2M_KERNEL=") +
                            std::getenv("B2M_KERNEL") + ": " +
                            (choice.known ? "this processor does not run it"
                                          : "no such kernel (" + names + ")") +
                            "\n");
  return true;
}

int run_command(int argc, char *argv[]) {
  const char *program = argc > 0 && argv[0] != nullptr ? argv[0] : "";
  if (argc < 2 || std::strcmp(argv[1], "-h") == 0)
    return usage(program);
  if (kernel_refused())
    return 1;
  const Failure failure = run(argv[1]);
  return failure.name != nullptr ? report(failure) : 0;
}

} // namespace

int main(int argc, char *argv[]) {
  return run_command(argc, argv);
}

#ifdef _WIN32
// Windows hands over the command line as typed only in UTF-16; its narrow
// form has lost every letter outside the ANSI code page.
int wmain(int argc, wchar_t *argv[]) {
  std::vector<std::string> words;
  for (int i = 0; i < argc; ++i)
    words.push_back(b2m::wtf8_from_utf16(std::u16string(
        argv[i], argv[i] + std::char_traits<wchar_t>::length(argv[i]))));
  std::vector<char *> args;
  for (std::string &w : words)
    args.push_back(&w[0]);
  args.push_back(nullptr);
  return run_command(argc, args.data());
}
#endif
