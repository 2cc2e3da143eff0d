// bookmarks2menu: turns a browser's bookmarks export into menu.js.
#include "convert.hpp"
#include "platform.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr const char *output_name = "menu.js";

// "name: system error text", or the text alone for an empty name.
int report(const char *name, int err) {
  std::string line = *name != '\0' ? std::string(name) + ": " : "";
  b2m::put_text(stderr, line + std::strerror(err) + "\n");
  return 1;
}

// A failed call need not set errno; never report "Success" for it.
int last_error() {
  return errno != 0 ? errno : EIO;
}

int usage(const char *program) {
  const bool put = b2m::put_text(
      stdout, std::string("USAGE: ") + program +
                  " bookmarks_file\n"
                  "Create javascript menu file from bookmarks file\n");
  if (!put | (std::fflush(stdout) != 0))
    report("stdout", last_error());
  return 1;
}

// Which file failed, and why; no name means no failure.
struct Failure {
  const char *name = nullptr;
  int err = 0;
};

// menu.js as the writer's drain: after the first failure, nothing more is
// written and that failure is kept.
struct Target {
  std::FILE *file;
  int err;
};

void write_out(void *target, const char *bytes, std::size_t size) {
  auto &t = *static_cast<Target *>(target);
  errno = 0;
  if (t.err == 0 && std::fwrite(bytes, 1, size, t.file) != size)
    t.err = last_error();
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

Failure convert_stream(Input &in, b2m::Conversion &conversion,
                       const Target &target) {
  while (in.got != 0 && target.err == 0 && b2m::add_input(conversion, in.got)) {
    const Failure failure = read_block(in, conversion);
    if (failure.name != nullptr)
      return failure;
  }
  b2m::finish(conversion);
  if (b2m::shortage(conversion) == b2m::Shortage::output)
    return {output_name, ENOMEM};
  if (target.err != 0)
    return {output_name, target.err};
  return {};
}

// The first block is read before menu.js is emptied, so that a name typed
// wrong, or a directory, leaves the last menu as it was.
Failure convert_file(Input &in, std::FILE *&out) {
  Target target{nullptr, 0};
  b2m::Conversion conversion;
  b2m::start(conversion, write_out, &target);
  Failure failure = read_block(in, conversion);
  if (failure.name != nullptr)
    return failure;
  // Emptied from the start, menu.js read as its own input has nothing left.
  if (in.got != 0 && b2m::same_file(in.name, output_name))
    in.got = 0;
  errno = 0;
  if ((out = b2m::reopen_file(output_name, "wb", out)) == nullptr)
    return {output_name, last_error()};
  // The conversion's buffers are the buffers; a second layer would only
  // copy.
  std::setvbuf(out, nullptr, _IONBF, 0);
  target.file = out;
  return convert_stream(in, conversion, target);
}

int run(const char *in_name) {
  // menu.js is opened first, so that one that cannot be written is found
  // before the input is touched; appending leaves it as it is for now.
  std::FILE *out = b2m::open_file(output_name, "ab");
  if (out == nullptr)
    return report(output_name, errno);
  Input in;
  in.file = b2m::open_file(in_name, "rb");
  in.name = in_name;
  if (in.file == nullptr) {
    const int err = errno;
    std::fclose(out);
    return report(in_name, err);
  }
  std::setvbuf(in.file, nullptr, _IONBF, 0);
  Failure failure = convert_file(in, out);
  std::fclose(in.file);
  errno = 0;
  if (out != nullptr && std::fclose(out) != 0 && failure.name == nullptr)
    failure = {output_name, last_error()};
  return failure.name != nullptr ? report(failure.name, failure.err) : 0;
}

int dispatch(int argc, char *argv[]) {
  const char *program = argc > 0 && argv[0] != nullptr ? argv[0] : "";
  if (argc < 2 || std::strcmp(argv[1], "-h") == 0)
    return usage(program);
  return run(argv[1]);
}

} // namespace

int main(int argc, char *argv[]) {
  return dispatch(argc, argv);
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
  return dispatch(argc, args.data());
}
#endif
