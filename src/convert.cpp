#include "convert.hpp"

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

std::string convert(std::string_view file) {
  Conversion conversion;
  init(conversion);
  finish(conversion, file);
  const Output &out = conversion.menu.out;
  return std::string(out.bytes.get(), out.size);
}

} // namespace b2m
