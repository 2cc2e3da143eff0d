// The line loop: each line of a bookmarks file, as the line recognition
// reads it, becomes records of the menu script.
#ifndef BOOKMARKS2MENU_CONVERT_HPP
#define BOOKMARKS2MENU_CONVERT_HPP

#include "menu_script.hpp"

#include <string>
#include <string_view>

namespace b2m {

// One line of the bookmarks file, without its line end.
void add_line(MenuScript &menu, std::string_view line);
// Adds every whole line of `text`, leaving in it what no line feed ends.
void add_lines(MenuScript &menu, std::string_view &text);
// A block of the file behind the unfinished line of the last one: `text`
// ends with the `fresh` bytes just read. Adds its whole lines and returns
// what no line feed ends yet; `ended` is set when a 0x1A byte ended the
// input, and what follows it is not looked at.
std::string_view add_block(MenuScript &menu, std::string_view text,
                           std::size_t fresh, bool &ended);
// At the end of the file: what no line feed ended, then the trailer.
void finish(MenuScript &menu, std::string_view rest);

// The whole conversion of a file's bytes, in memory.
std::string convert(std::string_view file);

} // namespace b2m

#endif
