// What a line of a bookmarks file is to the converter, and the cuts that
// take its fields out. Nothing here parses HTML: browsers export every
// heading and link on a line of its own, so fixed markers are enough.
#ifndef BOOKMARKS2MENU_BOOKMARK_LINE_HPP
#define BOOKMARKS2MENU_BOOKMARK_LINE_HPP

#include <string_view>

namespace b2m {

// The file is read the way the console platform it comes from reads text:
// the first 0x1A byte ends it.
std::string_view before_end_mark(std::string_view text);

// Splits the first whole line off the front of `text` into `line`, without
// its line feed and without a CR right before it. False, and `text` left
// alone, when no line feed is left.
bool take_line(std::string_view &text, std::string_view &line);

// A NUL ends a line's text for every search.
std::string_view line_text(std::string_view line);

bool has_entry(std::string_view line);
bool is_folder(std::string_view line);
bool closes_list(std::string_view line);

// The cuts leave in `line` only what the list-close test may still see: the
// text before the first delimiter they cut. A field whose delimiters are
// missing comes back empty and cuts nothing.
std::string_view cut_folder_title(std::string_view &line);
// `rest` receives what follows the address, for cut_link_title.
std::string_view cut_link_address(std::string_view &line,
                                  std::string_view &rest);
// The title as it stands; its apostrophes turn into grave accents only when
// it is written.
std::string_view cut_link_title(std::string_view rest);

} // namespace b2m

#endif
