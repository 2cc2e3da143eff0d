#include "bookmark_line.hpp"

#include "byte_search.hpp"

namespace b2m {

namespace {

constexpr std::size_t marker_size = 5; // "</DL>", the longest

void keep_first(std::size_t &mark, std::size_t at) {
  if (mark == npos)
    mark = at;
}

// Which marker, if any, starts at `at`, where a '<' stands.
void mark(Line &line, std::string_view text, std::size_t at) {
  const std::string_view tag = text.substr(at, marker_size);
  if (tag.substr(0, 4) == "<DT>")
    keep_first(line.entry, at);
  else if (tag.substr(0, 4) == "<H3 ")
    keep_first(line.folder, at);
  else if (tag == "</DL>")
    keep_first(line.close, at);
}

// The delimiters of the cuts, in the order the scan meets them.
void delimit(Line &line, char c, std::size_t at) {
  if (c == '"') {
    keep_first(line.quote == npos ? line.quote : line.quote_end, at);
  } else if (c == '>') {
    if (line.quote_end != npos)
      keep_first(line.link_tag_end, at);
    if (line.folder != npos)
      keep_first(line.folder_tag_end, at);
  } else {
    if (line.link_tag_end != npos)
      keep_first(line.link_text_end, at);
    if (line.folder_tag_end != npos)
      keep_first(line.folder_text_end, at);
  }
}

// The bytes the scan still has to stop at. A delimiter no cut needs any
// more is left out, so that the attributes after a link's address, and
// its icon data, pass in whole windows.
const ByteSet &wanted(const LineScan &scan) {
  static constexpr ByteSet after_nul = byte_set("\n\x1a");
  static constexpr ByteSet sets[2][2] = {
      {byte_set("\n\x1a\0<"), byte_set("\n\x1a\0<>")},
      {byte_set("\n\x1a\0<\""), byte_set("\n\x1a\0<\">")}};
  const Line &l = scan.line;
  if (scan.nul != npos)
    return after_nul;
  const bool quote = l.quote_end == npos;
  const bool tag_end = (!quote && l.link_tag_end == npos) ||
                       (l.folder != npos && l.folder_tag_end == npos);
  return sets[quote][tag_end];
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
      if (c == '<') {
        // A marker cut by the end of the block is looked at again whole.
        if (text.size() - at < marker_size && !last) {
          scan.scanned = at;
          return Scanned::partial;
        }
        mark(line, text, at);
      }
      delimit(line, c, at);
      // Only a quote, a '>' or a heading changes what is still wanted.
      if (c == '<' && line.folder != at)
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
