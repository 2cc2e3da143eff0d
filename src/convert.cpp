#include "convert.hpp"

#include "bookmark_line.hpp"

namespace b2m {

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

void finish(MenuScript &menu, std::string_view rest) {
  if (!rest.empty())
    add_line(menu, rest);
  write_trailer(menu);
}

std::string_view add_block(MenuScript &menu, std::string_view text,
                           std::size_t fresh, bool &ended) {
  const std::size_t held = text.size() - fresh;
  const std::size_t kept = before_end_mark(text.substr(held)).size();
  ended = kept < fresh;
  text = text.substr(0, held + kept);
  add_lines(menu, text);
  return text;
}

std::string convert(std::string_view file) {
  MenuScript menu;
  init(menu);
  bool ended;
  finish(menu, add_block(menu, file, file.size(), ended));
  return std::string(menu.out.bytes.get(), menu.out.size);
}

} // namespace b2m
