// One conversion: blocks of a bookmarks file in, the bytes of menu.js out.
// It owns its input buffer, its output buffer and where the output goes;
// a front end only reads blocks into it and writes out what it formats.
#ifndef BOOKMARKS2MENU_CONVERT_HPP
#define BOOKMARKS2MENU_CONVERT_HPP

#include "bookmark_line.hpp"
#include "menu_script.hpp"

#include <string>
#include <string_view>

namespace b2m {

// The most a front end reads at a time.
constexpr std::size_t block_size = 1 << 16;

struct Conversion {
  MenuScript menu;
  LineScan scan;            // of the line the last block ended in
  Buffer input;             // a line no line end has ended yet, at the front
  bool ended = false;       // a 0x1A byte ended the input, or its last line
  bool input_short = false; // no memory for a line this long
  std::int64_t lines = 0;   // lines added so far
  // The line on which a 0x1A byte ended the input, 0 for none, and whether
  // anything came after that byte in what was given.
  std::int64_t stopped_line = 0;
  bool after_stop = false;
};

// Starts anew. With a drain, the output goes to it as it is formatted;
// without one, it waits in the conversion until it is taken.
void start(Conversion &c, Drain drain = nullptr, void *target = nullptr);

// Where the next block goes, room for block_size bytes; null when there
// is no memory left for a line this long.
char *input_room(Conversion &c);

// Adds the whole lines that the `got` bytes just put at input_room end.
// False once no more input is wanted: the input ended, or memory did.
bool add_input(Conversion &c, std::size_t got);

// At the end of the input: the last line, then the trailer; everything
// formatted goes to the drain.
void finish(Conversion &c);

// What ran out of memory, if anything.
enum class Shortage { none, input, output };
Shortage shortage(const Conversion &c);

// Without a drain: what is formatted and not yet taken, and taking it.
std::string_view output(const Conversion &c);
void take_output(Conversion &c);

// The whole conversion of a file's bytes, in memory.
std::string convert(std::string_view file);

// One line of the bookmarks file, into records.
void add_line(MenuScript &menu, const Line &line);

} // namespace b2m

#endif
