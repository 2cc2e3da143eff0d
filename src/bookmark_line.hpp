// What a line of a bookmarks file is to the converter, and the cuts that
// take its fields out. Nothing here parses HTML: browsers export every
// heading and link on a line of its own, so fixed markers are enough.
#ifndef BOOKMARKS2MENU_BOOKMARK_LINE_HPP
#define BOOKMARKS2MENU_BOOKMARK_LINE_HPP

#include <cstddef>
#include <string_view>

namespace b2m {

constexpr std::size_t npos = std::string_view::npos;

// One line, and where the first of each marker and the delimiters of the
// cuts stand in its text, all found by one scan.
struct Line {
  std::string_view text; // without its line end; a NUL ends it early
  // Markers match in any case; a heading is "<H3" before a space, a tab
  // or its '>'.
  std::size_t entry = npos;  // "<DT>"
  std::size_t folder = npos; // "<H3", searched over the whole line
  std::size_t close = npos;  // "</DL>"
  // A link: the first two double quotes, the first '>' after them and
  // the first '<' after that.
  std::size_t quote = npos, quote_end = npos;
  std::size_t link_tag_end = npos, link_text_end = npos;
  // A folder: the first '>' after the heading's "<H3", then the next '<'.
  std::size_t folder_tag_end = npos, folder_text_end = npos;
};

// How far the scan of a line has got; a line that goes on past the end of
// a block is scanned on from there, never again from its start.
struct LineScan {
  Line line;
  std::size_t scanned = 0;
  std::size_t nul = npos;
};

enum class Scanned {
  line,    // scan.line is whole, and the text goes on past its line feed
  partial, // no line feed yet: the line goes on in the next block
  end,     // the input ends: a 0x1A byte, or `last` and no line feed
};

// Scans the line at the front of `text` in one pass, for its line feed,
// a NUL, a 0x1A (which ends the file the way the platform the format
// comes from reads text), the markers and the delimiters. A CR right before the
// line feed is not part of the line. `last`: no more text will come.
Scanned scan_line(std::string_view &text, LineScan &scan, bool last);

// A whole line on its own, scanned.
Line read_line(std::string_view text);

// Whether the line, as far as the cuts have left it, closes a list.
bool closes_list(const Line &line, std::string_view seen);

// The cuts leave in `seen` only what the list-close test may still see:
// the text before the first delimiter they cut. A field whose delimiters
// are missing comes back empty and cuts nothing.
std::string_view cut_folder_title(const Line &line, std::string_view &seen);
std::string_view cut_link_address(const Line &line, std::string_view &seen);
// The title as it stands; its apostrophes turn into grave accents only when
// it is written.
std::string_view cut_link_title(const Line &line);

} // namespace b2m

#endif
