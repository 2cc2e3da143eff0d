#include "convert.hpp"

#include <algorithm>
#include <cstring>

namespace b2m {

void init(Conversion &conversion) {
  init(conversion.menu);
  conversion.scan = {};
  conversion.ended = false;
}

void add_line(MenuScript &menu, const Line &line) {
  std::string_view seen = line.text; // shortened by the cuts
  if (line.entry != npos) {
    const std::int64_t entry = next_entry(menu);
    if (line.folder != npos) {
      write_folder(menu, entry, cut_folder_title(line, seen));
    } else {
      write_link_address(menu, entry, cut_link_address(line, seen));
      write_link_rest(menu, entry, cut_link_title(line));
    }
  }
  if (closes_list(line, seen))
    close_level(menu);
}

namespace {

// Adds the lines of `text` up to the first that is not whole; `last`
// makes the end of the text the end of a line.
std::string_view add_lines(Conversion &c, std::string_view text, bool last) {
  while (!c.ended) {
    const Scanned scanned = scan_line(text, c.scan, last);
    if (scanned == Scanned::partial)
      break;
    add_line(c.menu, c.scan.line);
    c.scan = {};
    c.ended = scanned == Scanned::end;
  }
  return text;
}

} // namespace

std::string_view add_block(Conversion &conversion, std::string_view text) {
  return add_lines(conversion, text, false);
}

void finish(Conversion &conversion, std::string_view rest) {
  add_lines(conversion, rest, true);
  write_trailer(conversion.menu);
}

namespace {

// Room for a line that goes on past its block, and the next block.
constexpr std::size_t base_capacity = 2 * block_size;

// realloc: a large buffer moves by remapping its pages, not by holding a
// copy beside it.
bool resize(Blocks &blocks, std::size_t capacity) {
  void *bytes = std::realloc(blocks.bytes.get(), capacity);
  if (bytes == nullptr)
    return false;
  blocks.bytes.release();
  blocks.bytes.reset(static_cast<char *>(bytes));
  blocks.capacity = capacity;
  return true;
}

} // namespace

char *block_room(Blocks &b) {
  if (b.capacity - b.held < block_size) {
    if (!resize(b, std::max(2 * b.capacity, b.held + block_size)))
      return nullptr;
  } else if (b.capacity > base_capacity && b.held <= block_size) {
    resize(b, base_capacity); // a failure keeps the larger one
  }
  return b.bytes.get() + b.held;
}

void add_read(Conversion &conversion, Blocks &b, std::size_t got) {
  const std::string_view rest =
      add_block(conversion, {b.bytes.get(), b.held + got});
  b.held = rest.size();
  // A line longer than a block is already at the front.
  if (rest.data() != b.bytes.get())
    std::memmove(b.bytes.get(), rest.data(), b.held);
}

void finish(Conversion &conversion, const Blocks &b) {
  finish(conversion, {b.bytes.get(), b.held});
}

std::string convert(std::string_view file) {
  Conversion conversion;
  init(conversion);
  finish(conversion, file);
  const Output &out = conversion.menu.out;
  return std::string(out.bytes.get(), out.size);
}

} // namespace b2m
