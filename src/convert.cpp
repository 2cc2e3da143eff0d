#include "convert.hpp"

#include <algorithm>
#include <cstring>

namespace b2m {

namespace {

// Room for a line that goes on past its block, and the next block.
constexpr std::size_t base_capacity = 2 * block_size;

// Adds the lines of `text` up to the first that is not whole; `last`
// makes the end of the text the end of a line.
std::string_view add_lines(Conversion &c, std::string_view text, bool last) {
  c.scan.window = {}; // of the text before, which has moved
  const char *const text_end = text.data() + text.size();
  while (!c.ended) {
    const char *const line_start = text.data();
    const Scanned scanned = scan_line(text, c.scan, last);
    if (scanned == Scanned::partial)
      break;
    add_line(c.menu, c.scan.line);
    next_line(c.scan);
    ++c.lines;
    c.ended = scanned == Scanned::end;
    if (c.ended) {
      // The first 0x1A from the line's start is the one that ended it;
      // a last line with none ended with the text.
      const std::string_view rest(line_start, text_end - line_start);
      const std::size_t stop = rest.find('\x1a');
      if (stop != npos) {
        c.stopped_line = c.lines;
        c.after_stop = stop + 1 < rest.size();
      }
    }
  }
  return text;
}

} // namespace

void add_line(MenuScript &menu, const Line &line) {
  if (line.entry != npos) {
    const std::int64_t entry = next_entry(menu);
    if (line.folder != npos) {
      write_folder(menu, entry, cut_folder_title(line));
    } else {
      write_link(menu, entry, cut_link_address(line), cut_link_title(line));
    }
  }
  if (closes_list(line))
    close_level(menu);
}

void start(Conversion &c, Drain drain, void *target) {
  init(c.menu);
  c.menu.out.drain = drain;
  c.menu.out.target = target;
  c.scan = {};
  c.input.size = 0;
  c.ended = false;
  c.input_short = false;
  c.lines = 0;
  c.stopped_line = 0;
  c.after_stop = false;
}

// Only a line longer than a block grows the input; once it is done, the
// room goes back.
char *input_room(Conversion &c) {
  Buffer &b = c.input;
  if (b.capacity - b.size < block_size) {
    if (!resize(b, std::max(2 * b.capacity, b.size + block_size))) {
      c.input_short = true;
      return nullptr;
    }
  } else if (b.capacity > base_capacity && b.size <= block_size) {
    resize(b, base_capacity); // a failure keeps the larger one
  }
  return b.bytes.get() + b.size;
}

bool add_input(Conversion &c, std::size_t got) {
  Buffer &b = c.input;
  const std::string_view rest =
      add_lines(c, {b.bytes.get(), b.size + got}, false);
  b.size = rest.size();
  // A line longer than a block is already at the front.
  if (rest.data() != b.bytes.get())
    std::memmove(b.bytes.get(), rest.data(), b.size);
  return !c.ended && !c.menu.out.out_of_memory;
}

void finish(Conversion &c) {
  add_lines(c, {c.input.bytes.get(), c.input.size}, true);
  c.input.size = 0;
  write_trailer(c.menu);
  if (c.menu.out.drain != nullptr)
    flush(c.menu.out);
}

Shortage shortage(const Conversion &c) {
  return c.input_short              ? Shortage::input
         : c.menu.out.out_of_memory ? Shortage::output
                                    : Shortage::none;
}

std::string_view output(const Conversion &c) {
  return {c.menu.out.buffer.bytes.get(), c.menu.out.buffer.size};
}

void take_output(Conversion &c) {
  c.menu.out.buffer.size = 0;
}

std::string convert(std::string_view file) {
  Conversion c;
  start(c);
  for (std::size_t at = 0; at < file.size() && !c.ended; at += block_size) {
    const std::size_t got = std::min(block_size, file.size() - at);
    char *room = input_room(c);
    if (room == nullptr)
      break;
    std::memcpy(room, file.data() + at, got);
    add_input(c, got);
  }
  finish(c);
  return std::string(output(c));
}

} // namespace b2m
