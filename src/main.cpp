// bookmarks2menu: turns a browser's bookmarks export into menu.js.
#include "bookmark_store.hpp"
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
  std::string text = {}; // a reason of our own, in place of err's
};

// A failed call need not set errno; never report "Success" for it.
int last_error() {
  return errno != 0 ? errno : EIO;
}

// "name: system error text", or the text alone for an empty name.
int report(const Failure &failure) {
  const std::string name = failure.name;
  b2m::put_text(stderr, (name.empty() ? "" : name + ": ") +
                            (failure.text.empty() ? std::strerror(failure.err)
                                                  : failure.text) +
                            "\n");
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
  b2m::MenuTarget out;
  int err = 0;
  bool ready = false; // emptied, or the temporary file made
};

// menu.js made ready for the new menu: only once the input is known to be
// one, so that a failure before keeps the last menu as it was.
int make_ready(MenuFile &menu) {
  if (!menu.ready) {
    menu.ready = true;
    if (const int err = b2m::empty_menu(menu.out, output_name))
      return err;
    // The conversion's buffers are the buffers; a second layer would only
    // copy.
    std::setvbuf(menu.out.file, nullptr, _IONBF, 0);
  }
  return 0;
}

void write_out(void *target, const char *bytes, std::size_t size) {
  auto &menu = *static_cast<MenuFile *>(target);
  if (menu.err == 0)
    menu.err = make_ready(menu);
  errno = 0;
  if (menu.err == 0 && std::fwrite(bytes, 1, size, menu.out.file) != size)
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

// A 0x1A byte ends the input, as it did where the format comes from; a
// file that goes on after it is cut short, and the user is told where.
// One that ends with it, as old editors wrote them, is not.
void warn_if_stopped(const b2m::Conversion &conversion, Input &in) {
  if (conversion.stopped_line == 0)
    return;
  char byte;
  if (!conversion.after_stop && std::fread(&byte, 1, 1, in.file) == 0)
    return;
  b2m::put_text(stderr, std::string("bookmarks2menu: ") + in.name + ": line " +
                            std::to_string(conversion.stopped_line) +
                            ": a 0x1A byte ends the input here; the rest "
                            "is not read\n");
}

// The first block is read before menu.js is emptied, so that a name typed
// wrong, or a directory, leaves the last menu as it was.
Failure convert_file(Input &in, MenuFile &menu) {
  b2m::Conversion conversion;
  b2m::start(conversion, write_out, &menu);
  Failure failure = read_block(in, conversion);
  if (failure.name != nullptr)
    return failure;
  // A browser's own store is read and checked whole before a line of it
  // is handed on; menu.js is made ready at its first output.
  const std::string_view first(conversion.input.bytes.get(), in.got);
  if (b2m::store_kind(first) != b2m::StoreKind::none) {
    const b2m::StoreFailure store = b2m::add_store(conversion, in.file, first);
    if (store.failed())
      return {in.name, store.err, store.reason};
  } else {
    // Emptied from the start, menu.js read as its own input has nothing
    // in it: its menu is the trailer alone.
    const bool own_input = b2m::same_entry(in.name, output_name);
    if (const int err = make_ready(menu))
      return {output_name, err};
    if (!own_input) {
      failure = convert_input(in, conversion, menu);
      if (failure.name != nullptr)
        return failure;
    }
  }
  failure = finish_menu(conversion, menu);
  if (failure.name == nullptr) {
    warn_if_empty(conversion, in.name);
    warn_if_stopped(conversion, in);
  }
  return failure;
}

// menu.js is looked at first, so that one that cannot be written is found
// before the input is touched; nothing is made or emptied yet.
Failure run(const char *in_name) {
  MenuFile menu;
  if (const int err = b2m::open_menu(menu.out, output_name))
    return {output_name, err};
  errno = 0;
  Input in{b2m::open_file(in_name, "rb"), in_name};
  Failure failure;
  if (in.file == nullptr) {
    failure = {in_name, last_error()};
  } else {
    std::setvbuf(in.file, nullptr, _IONBF, 0);
    failure = convert_file(in, menu);
    std::fclose(in.file);
  }
  if (failure.name != nullptr) {
    b2m::discard_menu(menu.out);
  } else if (const int err = b2m::close_menu(menu.out)) {
    failure = {output_name, err};
  }
  return failure;
}

// The input under another name, as a link, would be emptied before it is
// read: refused. menu.js named as itself keeps its old answer.
bool refuse_own_input(const char *in_name) {
  if (!b2m::same_file(in_name, output_name) ||
      b2m::same_entry(in_name, output_name))
    return false;
  b2m::put_text(stderr, std::string("bookmarks2menu: ") + output_name + " is " +
                            in_name + " under another name; nothing written\n");
  return true;
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
  if (kernel_refused() || refuse_own_input(argv[1]))
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
