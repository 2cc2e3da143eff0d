#include "bookmark_line.hpp"

#include <cstring>

namespace b2m {

namespace {

constexpr auto npos = std::string_view::npos;

// memchr over a view; an empty view may have no storage at all.
std::size_t find_byte(std::string_view text, char byte) {
  if (text.empty())
    return npos;
  const void *at = std::memchr(text.data(), byte, text.size());
  return at ? static_cast<const char *>(at) - text.data() : npos;
}

// The text after the first '>' at or after `from` up to the next '<': the
// content of the element whose start tag stands there. Sets `end` to the
// '<', or leaves it npos when either bracket is missing.
std::string_view element_text(std::string_view line, std::size_t from,
                              std::size_t &end) {
  end = npos;
  const std::size_t tag_end = line.find('>', from);
  if (tag_end == npos)
    return {};
  const std::size_t close = line.find('<', tag_end + 1);
  if (close == npos)
    return {};
  end = close;
  return line.substr(tag_end + 1, close - tag_end - 1);
}

} // namespace

std::string_view before_end_mark(std::string_view text) {
  return text.substr(0, find_byte(text, 0x1A));
}

bool take_line(std::string_view &text, std::string_view &line) {
  const std::size_t len = find_byte(text, '\n');
  if (len == npos)
    return false;
  line = text.substr(0, len);
  text.remove_prefix(len + 1);
  if (!line.empty() && line.back() == '\r')
    line.remove_suffix(1);
  return true;
}

std::string_view line_text(std::string_view line) {
  return line.substr(0, find_byte(line, '\0'));
}

bool has_entry(std::string_view line) {
  return line.find("<DT>") != npos;
}

bool is_folder(std::string_view line) {
  return line.find("<H3 ") != npos;
}

bool closes_list(std::string_view line) {
  return line.find("</DL>") != npos;
}

std::string_view cut_folder_title(std::string_view &line) {
  std::size_t end;
  const std::string_view title = element_text(line, line.find("<H3 "), end);
  if (end != npos)
    line = line.substr(0, end);
  return title;
}

std::string_view cut_link_address(std::string_view &line,
                                  std::string_view &rest) {
  rest = {};
  const std::size_t open = line.find('"');
  if (open == npos)
    return {};
  const std::size_t close = line.find('"', open + 1);
  if (close == npos)
    return {};
  const std::string_view address = line.substr(open + 1, close - open - 1);
  rest = line.substr(close + 1);
  line = line.substr(0, close);
  return address;
}

std::string_view cut_link_title(std::string_view rest) {
  std::size_t end;
  return element_text(rest, 0, end);
}

} // namespace b2m
