// bookmarks2menu: turns a browser's bookmarks export into menu.js.
#include "bookmark_line.hpp"
#include "convert.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>

namespace {

// Large blocks keep the run at the speed of the memory, not of the calls.
constexpr std::size_t block_size = 1 << 16;
constexpr std::size_t flush_size = 1 << 16;

constexpr const char *output_name = "menu.js";

// "name: system error text", or the text alone for an empty name.
int report(const char *name, int err) {
  if (*name != '\0')
    std::fprintf(stderr, "%s: %s\n", name, std::strerror(err));
  else
    std::fprintf(stderr, "%s\n", std::strerror(err));
  return 1;
}

// A failed call need not set errno; never report "Success" for it.
int last_error() {
  return errno != 0 ? errno : EIO;
}

int usage(const char *program) {
  std::printf("USAGE: %s bookmarks_file\n", program);
  std::printf("Create javascript menu file from bookmarks file\n");
  if (std::fflush(stdout) != 0)
    report("stdout", last_error());
  return 1;
}

// Which file failed, and why; no name means no failure.
struct Failure {
  const char *name = nullptr;
  int err = 0;
};

bool drain(b2m::Output &text, std::FILE *out) {
  errno = 0;
  const bool ok = std::fwrite(text.bytes.get(), 1, text.size, out) == text.size;
  text.size = 0;
  return ok;
}

// Reads the bookmarks file in blocks and hands its whole lines to the menu;
// a line longer than the block grows the buffer, so no line is ever cut.
Failure convert_stream(std::FILE *in, const char *in_name, std::FILE *out) {
  b2m::MenuScript menu;
  b2m::init(menu);
  std::string buf(block_size, '\0');
  std::size_t held = 0; // start of a line that the next block goes on with
  for (bool end_mark = false; !end_mark;) {
    if (held == buf.size())
      buf.resize(buf.size() * 2);
    errno = 0;
    const std::size_t got = std::fread(&buf[held], 1, buf.size() - held, in);
    if (got == 0 && std::ferror(in))
      return {in_name, last_error()};
    if (got == 0)
      break;
    const std::string_view fresh(&buf[held], got);
    const std::string_view kept = b2m::before_end_mark(fresh);
    end_mark = kept.size() < fresh.size();
    std::string_view text(buf.data(), held + kept.size());
    b2m::add_lines(menu, text);
    if (menu.out.size >= flush_size && !drain(menu.out, out))
      return {output_name, last_error()};
    held = text.size();
    std::memmove(&buf[0], text.data(), held);
  }
  b2m::finish(menu, std::string_view(buf.data(), held));
  if (!drain(menu.out, out))
    return {output_name, last_error()};
  return {};
}

int run(const char *in_name) {
  // menu.js comes first: a file that cannot be read still leaves it empty.
  std::FILE *out = std::fopen(output_name, "wb");
  if (out == nullptr)
    return report(output_name, errno);
  std::FILE *in = std::fopen(in_name, "rb");
  if (in == nullptr) {
    const int err = errno;
    std::fclose(out);
    return report(in_name, err);
  }
  // The blocks are the buffers; a second layer would only copy.
  std::setvbuf(in, nullptr, _IONBF, 0);
  std::setvbuf(out, nullptr, _IONBF, 0);
  Failure failure;
  try {
    failure = convert_stream(in, in_name, out);
  } catch (const std::bad_alloc &) {
    // Only a line longer than the memory left gets here.
    failure = {in_name, ENOMEM};
  }
  std::fclose(in);
  errno = 0;
  if (std::fclose(out) != 0 && failure.name == nullptr)
    failure = {output_name, last_error()};
  return failure.name != nullptr ? report(failure.name, failure.err) : 0;
}

} // namespace

int main(int argc, char *argv[]) {
  const char *program = argc > 0 && argv[0] != nullptr ? argv[0] : "";
  if (argc < 2 || std::strcmp(argv[1], "-h") == 0)
    return usage(program);
  return run(argv[1]);
}
