// The line loop: each line of a bookmarks file, as the line recognition
// reads it, becomes records of the menu script.
#ifndef BOOKMARKS2MENU_CONVERT_HPP
#define BOOKMARKS2MENU_CONVERT_HPP

#include "bookmark_line.hpp"
#include "menu_script.hpp"

#include <string>
#include <string_view>

namespace b2m {

struct Conversion {
  MenuScript menu;
  LineScan scan;      // of the line the last block ended in
  bool ended = false; // a 0x1A byte ended the input
};

void init(Conversion &conversion);

// One line of the bookmarks file.
void add_line(MenuScript &menu, const Line &line);

// A block of the file behind the unfinished line of the last one, which
// stands at the front of `text`. Adds its whole lines and returns what no
// line feed ends yet, for the front of the next block. After a 0x1A byte
// nothing more is added.
std::string_view add_block(Conversion &conversion, std::string_view text);

// At the end of the file: what no line feed ended, then the trailer.
void finish(Conversion &conversion, std::string_view rest);

// The whole conversion of a file's bytes, in memory.
std::string convert(std::string_view file);

} // namespace b2m

#endif
