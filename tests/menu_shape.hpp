// Checks that a menu.js has the shape the writer gives it, whatever the
// input: for entries 1 to MAX-1 exactly ref, nam and par in that order,
// every quoted value closed and escaped, and a trailer that matches.
#ifndef BOOKMARKS2MENU_MENU_SHAPE_HPP
#define BOOKMARKS2MENU_MENU_SHAPE_HPP

#include <cstdint>
#include <string>
#include <string_view>

namespace shape {

// Reads `want` at the front of `s`.
inline bool eat(std::string_view &s, std::string_view want) {
  if (s.substr(0, want.size()) != want)
    return false;
  s.remove_prefix(want.size());
  return true;
}

inline bool eat_number(std::string_view &s, std::int64_t &n) {
  std::size_t i = 0;
  n = 0;
  while (i < s.size() && s[i] >= '0' && s[i] <= '9' && i < 19)
    n = n * 10 + (s[i++] - '0');
  s.remove_prefix(i);
  return i > 0;
}

// The inside of a quoted value, up to its closing apostrophe.
inline bool eat_quoted(std::string_view &s) {
  while (!s.empty() && s.front() != '\'') {
    const char c = s.front();
    if (c == '\n' || c == '\r')
      return false;
    if (c == '\\' && !eat(s, "\\x5c") && !eat(s, "\\x27") && !eat(s, "\\x0d"))
      return false;
    if (c != '\\')
      s.remove_prefix(1);
  }
  return eat(s, "'");
}

// One record line of entry `entry`; `indent` is the first line's, which
// the other two must repeat.
inline bool eat_record(std::string_view &s, const char *array,
                       std::int64_t entry, std::string_view &indent) {
  const std::size_t tabs = s.find_first_not_of('\t');
  if (tabs == std::string_view::npos || tabs > 64)
    return false;
  if (*array == 'r')
    indent = s.substr(0, tabs);
  else if (s.substr(0, tabs) != indent)
    return false;
  s.remove_prefix(tabs);
  std::int64_t n;
  if (!eat(s, array) || !eat(s, "[") || !eat_number(s, n) || n != entry ||
      !eat(s, "] = "))
    return false;
  std::int64_t parent;
  const bool value = *array == 'p' ? eat_number(s, parent) && parent < entry
                                   : eat(s, "'") && eat_quoted(s);
  return value && eat(s, ";\r\n");
}

// Empty when the menu is well formed, else what is wrong first.
inline std::string problem(std::string_view menu) {
  std::int64_t entry = 1;
  for (; !menu.empty() && menu.front() != 'v'; ++entry) {
    std::string_view indent;
    if (!eat_record(menu, "ref", entry, indent) ||
        !eat_record(menu, "nam", entry, indent) ||
        !eat_record(menu, "par", entry, indent))
      return "bad records for entry " + std::to_string(entry);
  }
  std::int64_t max;
  if (!eat(menu, "var MAX = ") || !eat_number(menu, max) ||
      !eat(menu, ";\r\n") || !menu.empty())
    return "bad trailer after entry " + std::to_string(entry - 1);
  if (max != entry)
    return "MAX is " + std::to_string(max) + ", want " + std::to_string(entry);
  return "";
}

} // namespace shape

#endif
