// The line loop: each line of a bookmarks file, as the line recognition
// reads it, becomes records of the menu script.
#ifndef BOOKMARKS2MENU_CONVERT_HPP
#define BOOKMARKS2MENU_CONVERT_HPP

#include "bookmark_line.hpp"
#include "menu_script.hpp"

#include <cstdlib>
#include <memory>
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

// The input, read in blocks: a line that goes on past its block is held at
// the front of the buffer, and the next block goes behind it. Only a line
// longer than a block grows the buffer; once it is done, the room goes
// back.
constexpr std::size_t block_size = 1 << 16;

struct Free {
  void operator()(char *p) const { std::free(p); }
};

struct Blocks {
  std::unique_ptr<char, Free> bytes;
  std::size_t capacity = 0;
  std::size_t held = 0; // bytes of a line no line feed has ended yet
};

// Where the next block goes, room for block_size bytes; null when no
// memory is left for a line this long.
char *block_room(Blocks &blocks);
// Adds the whole lines that the `got` bytes just put at block_room end.
void add_read(Conversion &conversion, Blocks &blocks, std::size_t got);
// At the end of the input.
void finish(Conversion &conversion, const Blocks &blocks);

// The whole conversion of a file's bytes, in memory.
std::string convert(std::string_view file);

} // namespace b2m

#endif
