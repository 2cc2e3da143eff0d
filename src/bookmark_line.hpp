// What a line of a bookmarks file is to the converter, and the cuts that
// take its fields out. Nothing here parses HTML: browsers export every
// heading and link on a line of its own, so fixed markers are enough.
#ifndef BOOKMARKS2MENU_BOOKMARK_LINE_HPP
#define BOOKMARKS2MENU_BOOKMARK_LINE_HPP

#include "byte_search.hpp"

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace b2m {

constexpr std::size_t npos = std::string_view::npos;

// The longest marker, "</DL>"; a heading's "<H3" is looked at with the
// byte after it.
constexpr std::size_t marker_size = 5;

// One line, and where the first of each marker and the delimiters of the
// cuts stand in its text, all found by one scan.
struct Line {
  std::string_view text; // without its line end; a NUL ends it early
  // The first of each marker outside comments, searched over the whole
  // line and matched in any case; a heading is "<H3" before a space, a tab
  // or its '>'.
  std::size_t entry = npos;  // "<DT>"
  std::size_t folder = npos; // "<H3"
  std::size_t close = npos;  // "</DL>"
  // A link's address: the quoted value after " HREF=", else the first
  // quoted value; quotes pair up from the start of the line.
  std::size_t address = npos, address_end = npos; // its quotes
  bool href = false; // the address is an HREF value
  // The end of the tag, the first '>' after the address outside quotes;
  // the end of the title, the first '<' after that which opens a tag.
  std::size_t link_tag_end = npos, link_text_end = npos;
  // A folder: the same after its "<H3".
  std::size_t folder_tag_end = npos, folder_text_end = npos;
};

// Where the bytes a line is made of stand in 64 bytes of the text being
// scanned, which may reach into the next line.
struct Window {
  const char *at = nullptr; // none yet
  Classes classes;
};

// How far the scan of a line has got; a line that goes on past the end of
// a block is scanned on from there, never again from its start.
struct LineScan {
  Line line;
  std::size_t scanned = 0;
  std::size_t nul = npos;
  bool quoted = false;        // an odd number of quotes so far
  std::size_t comment = npos; // the "<!--" of a comment still open
  Window window;              // of the same text, or none
};

// Ready for the next line of the same text: the window is kept, as the
// line may begin in it. Text that has moved needs it dropped.
inline void next_line(LineScan &scan) {
  const Window window = scan.window;
  scan = {};
  scan.window = window;
}

enum class Scanned {
  line,    // scan.line is whole, and the text goes on past its line end
  partial, // no line end yet: the line goes on in the next block
  end,     // the input ends: a 0x1A byte, or `last` and no line end
};

// Scans the line at the front of `text` in one pass, for its line end, a
// NUL, a 0x1A (which ends the file the way the platform the format comes
// from reads text), the markers and the delimiters. As in HTML, a line
// ends at a line feed, at CR LF or at a lone CR, inside a quoted value
// too; a CR that ends the text waits for the next block, which may begin
// with its line feed. `last`: no more text will come.
// A new line of the shapes browsers write, whole in `text`, is taken in a
// few searches instead, with the same result.
Scanned scan_line(std::string_view &text, LineScan &scan, bool last);

// A whole line on its own, scanned.
Line read_line(std::string_view text);

// The bytes between two delimiters; nothing when the second is missing.
inline std::string_view between(const Line &line, std::size_t open,
                                std::size_t close) {
  if (close == npos)
    return {};
  return line.text.substr(open + 1, close - open - 1);
}

// The fields of an entry line. One whose delimiters are missing comes back
// empty. Apostrophes in a link's title turn into grave accents only when
// it is written.
inline std::string_view cut_folder_title(const Line &line) {
  return between(line, line.folder_tag_end, line.folder_text_end);
}
inline std::string_view cut_link_address(const Line &line) {
  return between(line, line.address, line.address_end);
}
inline std::string_view cut_link_title(const Line &line) {
  return between(line, line.link_tag_end, line.link_text_end);
}

// Whether the line closes a list. On an entry line, a "</DL>" counts only
// before the end of the first field cut: a folder's title, a link's
// address.
inline bool closes_list(const Line &line) {
  std::size_t seen = line.text.size();
  if (line.entry != npos)
    seen = std::min(seen, line.folder != npos ? line.folder_text_end
                                              : line.address_end);
  return line.close != npos && line.close + marker_size <= seen;
}

} // namespace b2m

#endif
