#include "menu_script.hpp"

#include "bookmark_line.hpp"

#include <algorithm>
#include <charconv>
#include <utility>

namespace b2m {

namespace {

// Deeper levels keep exact parents but no more indentation.
constexpr std::size_t max_indent = 1999;

std::size_t indent_for(std::int64_t depth) {
  return std::min(static_cast<std::size_t>(depth), max_indent);
}

void append_number(std::string &out, std::int64_t n) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
  out.append(digits, end);
}

// The inside of a single-quoted script string. Only what would end or bend
// the string is escaped, so every other byte reaches the page as it was.
void append_quoted(std::string &out, std::string_view text,
                   bool apostrophe_as_grave) {
  std::size_t run = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\\' && c != '\'' && c != '\r')
      continue;
    out.append(text, run, i - run);
    run = i + 1;
    if (c == '\'' && apostrophe_as_grave) {
      out += '`';
    } else {
      out += '\\';
      out += c == '\r' ? 'r' : c;
    }
  }
  out.append(text, run, text.size() - run);
}

void begin_record(MenuScript &menu, const char *array, std::int64_t entry) {
  menu.out.append(menu.indent, '\t');
  menu.out += array;
  menu.out += '[';
  append_number(menu.out, entry);
  menu.out += "] = ";
}

void write_text(MenuScript &menu, const char *array, std::int64_t entry,
                std::string_view text, bool apostrophe_as_grave = false) {
  begin_record(menu, array, entry);
  menu.out += '\'';
  append_quoted(menu.out, text, apostrophe_as_grave);
  menu.out += "';\r\n";
}

void write_parent(MenuScript &menu, std::int64_t entry) {
  // Entries after surplus closes have no enclosing folder left.
  const std::int64_t parent = menu.depth < 0 ? 0 : menu.parents[menu.depth];
  begin_record(menu, "par", entry);
  append_number(menu.out, parent);
  menu.out += ";\r\n";
}

void open_level(MenuScript &menu, std::int64_t folder) {
  // Below -1 there is no slot to fill: only the count of levels moves.
  if (++menu.depth < 0)
    return;
  const auto depth = static_cast<std::size_t>(menu.depth);
  if (menu.parents.size() <= depth)
    menu.parents.resize(depth + 1);
  menu.parents[depth] = folder;
  menu.indent = indent_for(menu.depth);
}

} // namespace

void init(MenuScript &menu) {
  menu.entries = 0;
  menu.depth = 0;
  menu.parents.assign(1, 0);
  menu.indent = 1;
  menu.out.clear();
}

std::int64_t next_entry(MenuScript &menu) {
  return ++menu.entries;
}

void write_folder(MenuScript &menu, std::int64_t entry,
                  std::string_view title) {
  write_text(menu, "ref", entry, ".");
  write_text(menu, "nam", entry, title);
  write_parent(menu, entry);
  open_level(menu, entry);
}

void write_link_address(MenuScript &menu, std::int64_t entry,
                        std::string_view address) {
  write_text(menu, "ref", entry, address);
}

void write_link_rest(MenuScript &menu, std::int64_t entry,
                     std::string_view title) {
  write_text(menu, "nam", entry, title, true);
  write_parent(menu, entry);
}

void close_level(MenuScript &menu) {
  // At the top level and below, the indentation keeps what it had.
  if (--menu.depth >= 0)
    menu.indent = indent_for(menu.depth);
}

void write_trailer(MenuScript &menu) {
  menu.out += "var MAX = ";
  append_number(menu.out, menu.entries + 1);
  menu.out += ";\r\n";
}

void add_line(MenuScript &menu, std::string_view line) {
  line = line_text(line);
  std::string_view seen = line; // shortened by the cuts
  if (has_entry(line)) {
    const std::int64_t entry = next_entry(menu);
    if (is_folder(line)) {
      write_folder(menu, entry, cut_folder_title(seen));
    } else {
      std::string_view rest;
      write_link_address(menu, entry, cut_link_address(seen, rest));
      write_link_rest(menu, entry, cut_link_title(rest));
    }
  }
  if (closes_list(seen))
    close_level(menu);
}

void add_lines(MenuScript &menu, std::string_view &text) {
  std::string_view line;
  while (take_line(text, line))
    add_line(menu, line);
}

std::string convert(std::string_view file) {
  MenuScript menu;
  init(menu);
  std::string_view text = before_end_mark(file);
  add_lines(menu, text);
  if (!text.empty())
    add_line(menu, text);
  write_trailer(menu);
  return std::move(menu.out);
}

} // namespace b2m
