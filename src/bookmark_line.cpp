#include "bookmark_line.hpp"

#include "byte_search.hpp"

#include <algorithm>
#include <cstring>

namespace b2m {

namespace {

constexpr bool is_letter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Whether `upper` stands at p, in any ASCII case.
bool folded_at(const char *p, std::string_view upper) {
  for (std::size_t i = 0; i < upper.size(); ++i) {
    const char fold = is_letter(upper[i]) ? 0x20 : 0;
    if ((p[i] | fold) != (upper[i] | fold))
      return false;
  }
  return true;
}

// The markers, each found at a '<' and matched in any ASCII case; a
// heading's "<H3" must end there, before a space, a tab or its '>'. The
// byte after the '<' tells which one it can be. True when it finds the
// line's first heading, which waits for its '>'.
bool mark(Line &line, const char *p, std::size_t left, std::size_t at) {
  std::size_t Line::*field = nullptr;
  switch (p[1] | 0x20) {
  case 'd':
    if (left >= 4 && folded_at(p, "<DT>"))
      field = &Line::entry;
    break;
  case 'h':
    if (left >= 4 && p[2] == '3' &&
        (p[3] == ' ' || p[3] == '\t' || p[3] == '>'))
      field = &Line::folder;
    break;
  case '/':
    if (left >= 5 && folded_at(p, "</DL>"))
      field = &Line::close;
    break;
  }
  if (field == nullptr || line.*field != npos)
    return false;
  line.*field = at;
  return field == &Line::folder;
}

// Whether " HREF=" (or a tab before it) stands right before `at`.
bool after_href(std::string_view text, std::size_t at) {
  return at >= 6 && (text[at - 6] == ' ' || text[at - 6] == '\t') &&
         folded_at(text.data() + at - 5, "HREF=");
}

// Quotes pair up from the start of the line. An HREF value, once one
// opens, is the address; before it, the first value stands in for it.
// The handlers of the scan's stops return whether what the scan wants may
// have changed.
bool on_quote(LineScan &scan, std::string_view text, std::size_t at) {
  Line &line = scan.line;
  scan.quoted = !scan.quoted;
  if (!scan.quoted) {
    if (line.address == npos || line.address_end != npos)
      return false;
    line.address_end = at;
  } else if (!line.href && after_href(text, at)) {
    line.href = true;
    line.address = at;
    line.address_end = line.link_tag_end = line.link_text_end = npos;
  } else if (line.address == npos) {
    line.address = at;
  } else {
    return false;
  }
  return true;
}

// A '>' outside quotes ends the tag of the address or of the heading; one
// after "--" ends a comment.
bool on_tag_close(LineScan &scan, std::string_view text, std::size_t at) {
  bool changed = false;
  if (scan.comment != npos && at >= scan.comment + 6 && text[at - 1] == '-' &&
      text[at - 2] == '-') {
    scan.comment = npos;
    changed = true;
  }
  if (scan.quoted)
    return changed;
  Line &line = scan.line;
  if (line.address_end != npos && line.link_tag_end == npos) {
    line.link_tag_end = at;
    changed = true;
  }
  if (line.folder != npos && line.folder_tag_end == npos) {
    line.folder_tag_end = at;
    changed = true;
  }
  return changed;
}

// A '<' that can open a tag, before a letter, '/', '!' or '?', ends a
// title and may be a marker; "a < b" and "<3" are text. The `left` bytes
// from `at` on are enough for any marker, or all there is.
bool on_tag_open(LineScan &scan, std::string_view text, std::size_t at) {
  const char *p = text.data() + at;
  const std::size_t left = text.size() - at;
  if (left < 2 ||
      !(is_letter(p[1]) || p[1] == '/' || p[1] == '!' || p[1] == '?'))
    return false;
  Line &line = scan.line;
  if (line.link_tag_end != npos && line.link_text_end == npos)
    line.link_text_end = at;
  if (line.folder_tag_end != npos && line.folder_text_end == npos)
    line.folder_text_end = at;
  if (scan.comment != npos)
    return false;
  if (p[1] == '!' && left >= 4 && p[2] == '-' && p[3] == '-') {
    scan.comment = at;
    return true;
  }
  return mark(line, p, left, at);
}

// The bytes the scan still has to stop at: line ends, NULs and '<'
// always; quotes while their pairing matters, '>' while a tag or a
// comment waits for its end. The attributes after a link's address, and
// its icon data, pass in whole windows. Once quotes matter only for
// whether a '>' stands inside a value, they are counted a window at a
// time rather than stopped at.
struct Wanted {
  const ByteSet *set;
  bool counting; // quotes counted, not stopped at
};

inline Wanted wanted(const LineScan &scan) {
  static constexpr ByteSet after_nul = byte_set({line_end_bytes, end_mark});
  static constexpr ByteSet sets[4] = {
      byte_set({stop_bytes, open_byte}),
      byte_set({stop_bytes, open_byte, quote_byte}),
      byte_set({stop_bytes, open_byte, close_byte}),
      byte_set({stop_bytes, open_byte, quote_byte, close_byte})};
  if (scan.nul != npos)
    return {&after_nul, false};
  const Line &line = scan.line;
  const bool tag_open =
      (line.address_end != npos && line.link_tag_end == npos) ||
      (line.folder != npos && line.folder_tag_end == npos);
  const bool quotes = tag_open || (!line.href && line.folder == npos) ||
                      (line.address != npos && line.address_end == npos);
  const bool tag_close = tag_open || scan.comment != npos;
  const bool counting = quotes && (line.folder != npos ||
                                   (line.href && line.address_end != npos));
  return {&sets[quotes | tag_close << 1], counting};
}

// Ends the scan: the line is `size` bytes of `text`, up to the first NUL.
void end_line(LineScan &scan, std::string_view text, std::size_t size) {
  scan.line.text = text.substr(0, size < scan.nul ? size : scan.nul);
}

// A line's text, and the window of it whose classes are at hand.
struct Cursor {
  std::string_view text;
  Window &window;
};

enum Class : unsigned { open = 1, close = 2, quote = 4, stop = 8 };

// Looks at the window from `from` on; a window with none of the classes
// starts a run, such as icon data, that the window search passes whole.
bool move_window(Cursor &cursor, std::size_t from) {
  static constexpr ByteSet any =
      byte_set({open_byte, close_byte, quote_byte, stop_bytes});
  const char *begin = cursor.text.data(), *end = begin + cursor.text.size();
  if (from >= cursor.text.size())
    return false;
  Window &w = cursor.window;
  w.at = begin + from;
  if (classify(w.at, end, w.classes) ||
      end - w.at <= static_cast<std::ptrdiff_t>(class_width))
    return true;
  std::uint32_t mask;
  w.at = find_window(w.at + class_width, end, any, mask);
  if (w.at == end) {
    w.at = nullptr;
    return false;
  }
  classify(w.at, end, w.classes);
  return true;
}

// Makes the window the one `from` is in, or the next with any class in
// it, with `from` moved there; false past the text. Returns how far into
// the window `from` is.
inline bool reach(Cursor &cursor, std::size_t &from, unsigned &shift) {
  const Window &w = cursor.window;
  const char *p = cursor.text.data() + from;
  if (w.at == nullptr || p < w.at ||
      p - w.at >= static_cast<std::ptrdiff_t>(class_width)) {
    if (!move_window(cursor, from))
      return false;
    if (w.at > p) {
      from += w.at - p;
      p = w.at;
    }
  }
  shift = static_cast<unsigned>(p - w.at);
  return true;
}

// Where the next window starts, as a position in the line.
inline std::size_t next_window(const Cursor &cursor) {
  return cursor.window.at + class_width - cursor.text.data();
}

// The first byte from `from` on in one of the classes; npos past the text.
inline std::size_t find(Cursor &cursor, unsigned classes, std::size_t from) {
  for (unsigned shift; reach(cursor, from, shift); from = next_window(cursor)) {
    const Classes &c = cursor.window.classes;
    const std::uint64_t found =
        ((classes & open ? c.open : 0) | (classes & close ? c.close : 0) |
         (classes & quote ? c.quote : 0) | (classes & stop ? c.stop : 0)) >>
        shift;
    if (found != 0)
      return from + lowest_bit(found);
  }
  return npos;
}

// Whether `shape` stands at `at`, as a whole, in any ASCII case; most
// exports write it as it is given.
template <std::size_t n>
bool shape_at(std::string_view text, std::size_t at, const char (&shape)[n]) {
  return at <= text.size() && text.size() - at >= n - 1 &&
         (std::memcmp(text.data() + at, shape, n - 1) == 0 ||
          folded_at(text.data() + at, {shape, n - 1}));
}

// The first '<' that opens a tag from `from` on, or the first stop.
std::size_t tag_or_stop(Cursor &cursor, std::size_t from) {
  for (;;) {
    const std::size_t at = find(cursor, open | stop, from);
    const std::string_view t = cursor.text;
    if (at == npos || t[at] != '<' ||
        (at + 1 < t.size() && (is_letter(t[at + 1]) || t[at + 1] == '/' ||
                               t[at + 1] == '!' || t[at + 1] == '?')))
      return at;
    from = at + 1;
  }
}

// The first '>' from `from` on outside quoted values, when no '<' or stop
// comes before it; npos otherwise. A '>' is outside when an even number of
// quotes stand before it.
std::size_t tag_end(Cursor &cursor, std::size_t from) {
  bool quoted = false;
  for (unsigned shift; reach(cursor, from, shift); from = next_window(cursor)) {
    const Classes &c = cursor.window.classes;
    const std::uint64_t quotes = c.quote >> shift;
    const std::uint64_t stops = (c.open | c.stop) >> shift;
    const std::uint64_t before =
        stops != 0 ? (stops & -stops) - 1 : ~std::uint64_t{0};
    for (std::uint64_t g = (c.close >> shift) & before; g != 0; g &= g - 1) {
      if (odd_bits(quotes & ((g & -g) - 1)) == quoted)
        return from + lowest_bit(g);
    }
    if (stops != 0)
      return npos;
    quoted = quoted != odd_bits(quotes);
  }
  return npos;
}

// The bytes of the line end at `at`: one for a line feed or a lone CR,
// two for CR LF; none where no line end stands, or where a CR is the
// text's last byte and more text may come (not `last`) whose first byte
// may be its line feed.
std::size_t line_end_size(std::string_view text, std::size_t at, bool last) {
  if (at >= text.size() || (text[at] != '\n' && text[at] != '\r'))
    return 0;
  if (text[at] == '\n')
    return 1;
  if (at + 1 < text.size())
    return text[at + 1] == '\n' ? 2 : 1;
  return last ? 1 : 0;
}

// `at` when a line end stands there, as the plain shapes need it;
// npos otherwise.
std::size_t line_end_at(std::string_view text, std::size_t at) {
  return line_end_size(text, at, false) != 0 ? at : npos;
}

// The end of the tag from `from` on, and the title after it, which ends
// in `closing`; false when they are not there so.
template <std::size_t n>
bool tag_and_title(Cursor &cursor, std::size_t from, const char (&closing)[n],
                   std::size_t &tag, std::size_t &title_end) {
  tag = tag_end(cursor, from);
  if (tag == npos)
    return false;
  title_end = tag_or_stop(cursor, tag + 1);
  return shape_at(cursor.text, title_end, closing);
}

// A link, "<DT><A HREF="address" ...>title</A>", from its "<DT>".
std::size_t plain_link(Cursor &cursor, Line &line, std::size_t dt) {
  if (!shape_at(cursor.text, dt, "<DT><A HREF=\""))
    return npos;
  const std::size_t address = dt + 12;
  const std::size_t address_end =
      find(cursor, open | quote | stop, address + 1);
  if (address_end == npos || cursor.text[address_end] != '"')
    return npos;
  std::size_t tag, title_end;
  if (!tag_and_title(cursor, address_end + 1, "</A>", tag, title_end))
    return npos;
  line.entry = dt;
  line.address = address;
  line.address_end = address_end;
  line.href = true;
  line.link_tag_end = tag;
  line.link_text_end = title_end;
  return line_end_at(cursor.text, title_end + 4);
}

// A heading, "<DT><H3 ...>title</H3>", from its "<DT>".
std::size_t plain_folder(Cursor &cursor, Line &line, std::size_t dt) {
  const std::string_view t = cursor.text;
  if (!shape_at(t, dt, "<DT><H3") || dt + 7 >= t.size() ||
      (t[dt + 7] != ' ' && t[dt + 7] != '>'))
    return npos;
  std::size_t tag, title_end;
  if (!tag_and_title(cursor, dt + 7, "</H3>", tag, title_end))
    return npos;
  line.entry = dt;
  line.folder = dt + 4;
  line.folder_tag_end = tag;
  line.folder_text_end = title_end;
  return line_end_at(cursor.text, title_end + 5);
}

// "</DL>" or "<DL>", and a "<p>" after it or not.
std::size_t plain_list(Cursor &cursor, Line &line, std::size_t at) {
  const std::string_view t = cursor.text;
  if (at + 1 < t.size() && t[at + 1] == '/' && shape_at(t, at, "</DL>")) {
    line.close = at;
    at += 5;
  } else if (shape_at(t, at, "<DL>")) {
    at += 4;
  } else {
    return npos;
  }
  return line_end_at(t, shape_at(t, at, "<p>") ? at + 3 : at);
}

// The lines that make up nearly every export, taken in a few searches:
// a link, a heading, a list's start or end, a blank line. Each has its
// line end within `text`, and nothing on it but what its shape says;
// whatever else a line holds, it is left to the full scan, which reads it
// the same. `scan` comes in fresh, and goes back fresh when the shape
// does not hold.
bool scan_plain_line(std::string_view &text, LineScan &scan) {
  Cursor cursor{text, scan.window};
  Line &line = scan.line;
  const std::size_t first = find(cursor, open | quote | stop, 0);
  if (first == npos)
    return false;
  std::size_t end = npos;
  if (text[first] != '<')
    end = line_end_at(text, first);
  else if (first + 5 >= text.size())
    return false;
  else if ((text[first + 2] | 0x20) != 't') // not <DT>: </DL> or <DL>
    end = plain_list(cursor, line, first);
  else if ((text[first + 5] | 0x20) == 'a')
    end = plain_link(cursor, line, first);
  else
    end = plain_folder(cursor, line, first);
  if (end == npos) {
    line = {};
    return false;
  }
  line.text = text.substr(0, end);
  text.remove_prefix(end + line_end_size(text, end, false));
  return true;
}

// The full scan, between its windows.
struct FullScan {
  std::string_view &text;
  LineScan &scan;
  bool last;
  Wanted want;
};

// A line end or the end mark at `at` ends the scan: how, or false. A CR
// that ends the text waits for the next block, which may begin with its
// line feed.
bool ends_scan(FullScan &f, std::size_t at, Scanned &how) {
  std::string_view &text = f.text;
  if (text[at] == '\n' || text[at] == '\r') {
    const std::size_t size = line_end_size(text, at, f.last);
    if (size == 0) {
      f.scan.scanned = at;
      how = Scanned::partial;
      return true;
    }
    end_line(f.scan, text, at);
    text.remove_prefix(at + size);
    how = Scanned::line;
    return true;
  }
  if (text[at] == end_mark[0]) {
    end_line(f.scan, text, at);
    how = Scanned::end;
    return true;
  }
  return false;
}

// A marker cut by the end of the block is looked at again whole.
bool marker_cut(const FullScan &f, std::size_t at) {
  return f.text[at] == '<' && f.text.size() - at < marker_size && !f.last;
}

// What a stop within the line does; whether what the scan wants may have
// changed.
bool on_stop(LineScan &scan, std::string_view text, std::size_t at) {
  switch (text[at]) {
  case '"':
    return on_quote(scan, text, at);
  case '>':
    return on_tag_close(scan, text, at);
  case '<':
    return on_tag_open(scan, text, at);
  default: // the first NUL: the line's text ends there
    scan.nul = at;
    return true;
  }
}

// Whether the scan now wants other bytes than it searches for.
bool wants_anew(FullScan &f) {
  const Wanted now = wanted(f.scan);
  if (now.set == f.want.set && now.counting == f.want.counting)
    return false;
  f.want = now;
  return true;
}

// The stops of the window at `window`, whose bits are in `mask`, in turn.
// Where the search goes on: past the window, or past a stop after which
// the scan wants other bytes; null when the scan ends here, as `how` says.
// Counted quotes: scan.quoted stays what it was at the window's start and
// is set to what it is at each stop, then at the window's end.
const char *scan_window(FullScan &f, const char *window, std::uint32_t mask,
                        Scanned &how) {
  const std::size_t start = window - f.text.data();
  const bool counting = f.want.counting, was_quoted = f.scan.quoted;
  const std::uint32_t quotes =
      counting
          ? equal_mask(window, f.text.data() + f.text.size(), quote_byte[0]) &
                mask
          : 0;
  for (mask &= ~quotes; mask != 0; mask &= mask - 1) {
    const int bit = lowest_bit(mask);
    const std::size_t at = start + bit;
    if (ends_scan(f, at, how))
      return nullptr;
    if (counting)
      f.scan.quoted =
          was_quoted != odd_bits(quotes & ((std::uint32_t{1} << bit) - 1));
    if (marker_cut(f, at)) {
      f.scan.scanned = at;
      how = Scanned::partial;
      return nullptr;
    }
    if (on_stop(f.scan, f.text, at) && wants_anew(f))
      return f.text.data() + at + 1; // the rest of the window anew
  }
  if (counting)
    f.scan.quoted = was_quoted != odd_bits(quotes);
  return window + search_width;
}

// No line end in the text: the line goes on in the next block, or the
// input ends with it.
Scanned ran_out(LineScan &scan, std::string_view text, bool last) {
  scan.scanned = text.size();
  if (!last)
    return Scanned::partial;
  end_line(scan, text, text.size());
  return Scanned::end;
}

} // namespace

Scanned scan_line(std::string_view &text, LineScan &scan, bool last) {
  if (scan.scanned == 0 && scan_plain_line(text, scan))
    return Scanned::line;
  FullScan f{text, scan, last, wanted(scan)};
  const char *end = text.data() + text.size();
  std::uint32_t mask;
  Scanned how = Scanned::line;
  for (const char *window = text.data() + scan.scanned;
       (window = find_window(window, end, *f.want.set, mask)) != end;)
    if ((window = scan_window(f, window, mask, how)) == nullptr)
      return how;
  return ran_out(scan, text, last);
}

Line read_line(std::string_view text) {
  LineScan scan;
  scan_line(text, scan, true);
  return scan.line;
}

} // namespace b2m
