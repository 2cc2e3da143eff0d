#include "bookmark_line.hpp"

#include "byte_search.hpp"

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

bool is_letter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Whether `m` stands at the front of `text`.
bool matches(std::string_view text, const Marker &m) {
  const std::size_t n = m.text.size();
  if (text.size() < n + !m.followed.empty())
    return false;
  for (std::size_t i = 0; i < n; ++i) {
    const char want = m.text[i], got = text[i];
    if (is_letter(want) ? (got | 0x20) != (want | 0x20) : got != want)
      return false;
  }
  return m.followed.empty() || m.followed.find(text[n]) != npos;
}

void keep_first(std::size_t &mark, std::size_t at) {
  if (mark == npos)
    mark = at;
}

// Which marker, if any, starts at `at`, where a '<' stands.
bool mark(Line &line, std::string_view text, std::size_t at) {
  for (const Marker &m : markers)
    if (matches(text.substr(at), m)) {
      const bool first = line.*m.field == npos;
      keep_first(line.*m.field, at);
      return first;
    }
  return false;
}

bool ready(const Line &line, const Step &step) {
  return line.*step.field == npos &&
         (step.after == nullptr || line.*step.after != npos);
}

// Whether byte c at `at` was a delimiter some step still waited for.
bool delimit(Line &line, char c, std::size_t at) {
  bool found = false;
  for (const Step &step : steps)
    if (step.byte == c && ready(line, step) &&
        (step.after == nullptr || line.*step.after < at)) {
      line.*step.field = at;
      found = true;
    }
  return found;
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
  unsigned which = 0;
  for (const Step &step : steps)
    if (ready(scan.line, step))
      which |= step.byte == '"' ? 1 : step.byte == '>' ? 2 : 0;
  return sets[which];
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
        keep_first(scan.nul, at);
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
