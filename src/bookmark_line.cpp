#include "bookmark_line.hpp"

#include "byte_search.hpp"

#include <iterator>
#include <utility>

namespace b2m {

namespace {

// The cut rules, in the order the scan meets what they find: each field is
// the first of its byte after the field named before it (after nothing:
// from the start of the line).
struct Step {
  std::size_t Line::*field;
  char byte;
  std::size_t Line::*after;
};
constexpr Step steps[] = {
    {&Line::quote, '"', nullptr},                         // the address
    {&Line::quote_end, '"', &Line::quote},                // its end
    {&Line::link_tag_end, '>', &Line::quote_end},         // the link's title
    {&Line::link_text_end, '<', &Line::link_tag_end},     // its end
    {&Line::folder_tag_end, '>', &Line::folder},          // the folder's title
    {&Line::folder_text_end, '<', &Line::folder_tag_end}, // its end
};

// The markers, each found at a '<' and matched in any ASCII case; a
// heading's "<H3" must end there, before a space, a tab or its '>'.
struct Marker {
  std::string_view text;     // upper case
  std::string_view followed; // one of these comes next, unless empty
  std::size_t Line::*field;
};
constexpr Marker markers[] = {{"<DT>", "", &Line::entry},
                              {"<H3", " \t>", &Line::folder},
                              {"</DL>", "", &Line::close}};
constexpr std::size_t marker_size = 5; // "</DL>", the longest; "<H3" + 1

// The tables are walked at compile time: each step and each marker becomes
// code of its own, with its fields and bytes as constants.
constexpr auto each_step = std::make_index_sequence<std::size(steps)>();
constexpr auto each_marker = std::make_index_sequence<std::size(markers)>();

// Whether finding `field` can change which bytes the scan wants: it is a
// step that waits for a quote or a '>', or what such a step comes after.
constexpr bool steers(std::size_t Line::*field) {
  for (const Step &step : steps)
    if (step.byte != '<' && (step.field == field || step.after == field))
      return true;
  return false;
}

constexpr bool is_letter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Whether marker m stands at p, where a '<' is, with `left` bytes from p
// on.
template <std::size_t m> bool matches(const char *p, std::size_t left) {
  constexpr Marker marker = markers[m];
  constexpr std::size_t n = marker.text.size();
  static_assert(marker.text[0] == '<', "the scan stops at a '<'");
  if (left < n + !marker.followed.empty())
    return false;
  for (std::size_t i = 1; i < n; ++i) {
    const char fold = is_letter(marker.text[i]) ? 0x20 : 0;
    if ((p[i] | fold) != (marker.text[i] | fold))
      return false;
  }
  return marker.followed.empty() || marker.followed.find(p[n]) != npos;
}

// Whether marker m stands at `at`. If so and it is the first of its
// kind, its field is set, and `steer` says whether that may change what
// the scan wants.
template <std::size_t m>
bool mark_one(Line &line, std::string_view text, std::size_t at, bool &steer) {
  constexpr Marker marker = markers[m];
  if (!matches<m>(text.data() + at, text.size() - at))
    return false;
  if (line.*marker.field == npos) {
    line.*marker.field = at;
    steer = steers(marker.field);
  }
  return true;
}

// The markers are tried in turn until one stands there.
template <std::size_t... m>
bool mark_each(Line &line, std::string_view text, std::size_t at,
               std::index_sequence<m...>) {
  bool steer = false;
  (mark_one<m>(line, text, at, steer) || ...);
  return steer;
}

// Which marker, if any, starts at `at`, where a '<' stands; true when it
// may change what the scan wants.
bool mark(Line &line, std::string_view text, std::size_t at) {
  return mark_each(line, text, at, each_marker);
}

// Step i takes its byte at `at` if it still waits for one there; true when
// that may change what the scan wants.
template <std::size_t i> bool take_step(Line &line, std::size_t at) {
  constexpr Step step = steps[i];
  if (line.*step.field != npos)
    return false;
  if constexpr (step.after != nullptr)
    if (!(line.*step.after < at)) // npos: not found yet
      return false;
  line.*step.field = at;
  return steers(step.field);
}

// Byte c at `at`, to the steps that wait for a c.
template <char c, std::size_t... i>
bool delimit_each(Line &line, std::size_t at, std::index_sequence<i...>) {
  bool changed = false;
  ((changed |= steps[i].byte == c && take_step<i>(line, at)), ...);
  return changed;
}

// The bytes of the steps; the scan stops at no other delimiter.
constexpr bool steps_use_only(std::string_view bytes) {
  for (const Step &step : steps)
    if (bytes.find(step.byte) == npos)
      return false;
  return true;
}
static_assert(steps_use_only("\"<>"), "delimit() knows every step's byte");

// Byte c at `at`, to the steps that wait for it; true when what the scan
// wants may have changed.
bool delimit(Line &line, char c, std::size_t at) {
  switch (c) {
  case '"':
    return delimit_each<'"'>(line, at, each_step);
  case '>':
    return delimit_each<'>'>(line, at, each_step);
  default:
    return delimit_each<'<'>(line, at, each_step);
  }
}

// Bit 1: step i waits for a quote; bit 2: for a '>'. '<' is always wanted.
template <std::size_t i> unsigned waits(const Line &line) {
  constexpr Step step = steps[i];
  constexpr unsigned bit = step.byte == '"' ? 1 : step.byte == '>' ? 2 : 0;
  if constexpr (bit == 0) {
    return 0;
  } else {
    const bool ready = step.after == nullptr || line.*step.after != npos;
    return line.*step.field == npos && ready ? bit : 0;
  }
}

template <std::size_t... i>
unsigned waits_each(const Line &line, std::index_sequence<i...>) {
  return (waits<i>(line) | ...);
}

// The bytes the scan still has to stop at: line ends, NULs and markers
// always, and the delimiters of the steps that wait for one. One no step
// needs any more is left out, so that the attributes after a link's
// address, and its icon data, pass in whole windows.
const ByteSet &wanted(const LineScan &scan) {
  static constexpr ByteSet after_nul = byte_set("\n\x1a");
  static constexpr ByteSet sets[4] = {
      byte_set("\n\x1a\0<"), byte_set("\n\x1a\0<\""), byte_set("\n\x1a\0<>"),
      byte_set("\n\x1a\0<\">")};
  if (scan.nul != npos)
    return after_nul;
  return sets[waits_each(scan.line, each_step)];
}

// Ends the scan: the line is `size` bytes of `text`, up to the first NUL.
void take(LineScan &scan, std::string_view text, std::size_t size) {
  scan.line.text = text.substr(0, size < scan.nul ? size : scan.nul);
}

} // namespace

Scanned scan_line(std::string_view &text, LineScan &scan, bool last) {
  Line &line = scan.line;
  const char *begin = text.data(), *end = begin + text.size();
  const char *window = begin + scan.scanned;
  std::uint32_t mask;
  for (const ByteSet *set = &wanted(scan);
       (window = find_window(window, end, *set, mask)) != end;) {
    const char *next = window + 32;
    for (; mask != 0; mask &= mask - 1) {
      const std::size_t at = window - begin + lowest_bit(mask);
      const char c = text[at];
      if (c == '\n') {
        take(scan, text, at != 0 && text[at - 1] == '\r' ? at - 1 : at);
        text.remove_prefix(at + 1);
        return Scanned::line;
      }
      if (c == '\x1a') {
        take(scan, text, at);
        return Scanned::end;
      }
      if (c == '\0') {
        if (scan.nul == npos)
          scan.nul = at;
        continue;
      }
      if (scan.nul != npos)
        continue;
      bool found = false;
      if (c == '<') {
        // A marker cut by the end of the block is looked at again whole.
        if (text.size() - at < marker_size && !last) {
          scan.scanned = at;
          return Scanned::partial;
        }
        found = mark(line, text, at);
      }
      if (!(delimit(line, c, at) || found))
        continue;
      const ByteSet *now = &wanted(scan);
      if (now != set) { // the rest of the window is looked at anew
        set = now;
        next = begin + at + 1;
        break;
      }
    }
    window = next;
  }
  scan.scanned = text.size();
  if (!last)
    return Scanned::partial;
  take(scan, text, text.size());
  return Scanned::end;
}

Line read_line(std::string_view text) {
  LineScan scan;
  scan_line(text, scan, true);
  return scan.line;
}

bool closes_list(const Line &line, std::string_view seen) {
  return line.close != npos && line.close + marker_size <= seen.size();
}

namespace {

// The content of an element: after the end of its start tag, up to the
// next '<', where the cut leaves `seen`. Nothing when either is missing.
std::string_view element_text(std::string_view &seen, std::size_t tag_end,
                              std::size_t text_end) {
  if (text_end == npos)
    return {};
  const std::string_view text =
      seen.substr(tag_end + 1, text_end - tag_end - 1);
  seen = seen.substr(0, text_end);
  return text;
}

} // namespace

std::string_view cut_folder_title(const Line &line, std::string_view &seen) {
  return element_text(seen, line.folder_tag_end, line.folder_text_end);
}

std::string_view cut_link_address(const Line &line, std::string_view &seen) {
  if (line.quote_end == npos)
    return {};
  seen = seen.substr(0, line.quote_end);
  return line.text.substr(line.quote + 1, line.quote_end - line.quote - 1);
}

std::string_view cut_link_title(const Line &line) {
  std::string_view seen = line.text;
  return element_text(seen, line.link_tag_end, line.link_text_end);
}

} // namespace b2m
