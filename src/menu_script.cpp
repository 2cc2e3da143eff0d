#include "menu_script.hpp"

#include "byte_search.hpp"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <utility>

namespace b2m {

namespace {

std::size_t indent_for(std::int64_t depth) {
  return std::min(static_cast<std::size_t>(depth), max_indent);
}

char *put(char *p, std::string_view text) {
  // A field that could not be cut is a view of nothing, not even memory.
  if (!text.empty())
    std::memcpy(p, text.data(), text.size());
  return p + text.size();
}

constexpr std::size_t slot = sizeof(std::int64_t);

// The folder open at the current depth: 0 at the top level, and for
// entries after surplus closes, which have no enclosing folder left.
std::int64_t parent_at(const MenuScript &menu) {
  const auto at = static_cast<std::size_t>(menu.depth) * slot;
  std::int64_t parent = 0;
  if (menu.depth >= 0 && at < menu.parents.size)
    std::memcpy(&parent, menu.parents.bytes.get() + at, slot);
  return parent;
}

char *put_number(char *p, std::int64_t n) {
  return std::to_chars(p, p + number_room, n).ptr;
}

// Each escape is the same four bytes in every charset a page may read
// menu.js in: a backslash or apostrophe after a two-byte lead byte would
// be swallowed into that character in Shift_JIS, GBK or Big5, but "x" and
// hex digits cannot end the string.

constexpr Replacing escaped = replacing("\\'\r", {"\\x5c", "\\x27", "\\x0d"});
constexpr Replacing escaped_grave = replacing("\\'\r", {"\\x5c", "`", "\\x0d"});

// The inside of a single-quoted script string. Only what would end or bend
// the string is escaped, so every other byte reaches the page as it was.
// Writes at most escape_size times the text's length, and may store up to
// copy_slack bytes past what it writes: value_room.
inline char *put_quoted(char *p, std::string_view text,
                        bool apostrophe_as_grave) {
  return copy_replacing(p, text.data(), text.data() + text.size(),
                        apostrophe_as_grave ? escaped_grave : escaped);
}

// Fixed-size stores: most records carry few tabs and short numbers.
constexpr char tabs[store_size + 1] = "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t"
                                      "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t";

// "[N] = ", formatted once for the three records of an entry.
void label(MenuScript &menu, std::int64_t entry) {
  if (menu.label_entry == entry)
    return;
  char *p = menu.label;
  *p++ = '[';
  p = put(put_number(p, entry), "] = ");
  menu.label_size = p - menu.label;
  menu.label_entry = entry;
}

// The next entry's label, made ready once this one's records are out: its
// last digit goes up, as a counter's wheels turn, and long before the
// next entry's records read it.
void next_label(MenuScript &menu) {
  if (menu.label_entry <= 0 || menu.label_entry == INT64_MAX)
    return;
  char *digit = menu.label + menu.label_size - 5; // before "] = "
  for (; *digit == '9'; --digit)
    *digit = '0';
  if (*digit == '[') { // one digit more
    label(menu, menu.label_entry + 1);
    return;
  }
  ++*digit;
  ++menu.label_entry;
}

// "N;" and its line end for the folder open at the current depth,
// formatted when the depth changes rather than looked at for each entry.
void set_parent_text(MenuScript &menu) {
  char *p = put(put_number(menu.parent_text, parent_at(menu)), ";\r\n");
  menu.parent_size = p - menu.parent_text;
}

// What each record of an entry begins with, but for the array's name: its
// tabs and its label, made once for the three.
char *put_head(char *p, const MenuScript &menu, const char *array) {
  if (menu.indent <= store_size)
    std::memcpy(p, tabs, store_size);
  else
    std::memset(p, '\t', menu.indent);
  p += menu.indent;
  std::memcpy(p, array, 3);
  std::memcpy(p + 3, menu.label, store_size);
  return p + 3 + menu.label_size;
}

// Long values go out in pieces, so that with a drain no value needs more
// than a piece's room.
void write_text(MenuScript &menu, const char *array, std::string_view text,
                bool apostrophe_as_grave = false) {
  std::size_t piece = std::min(text.size(), piece_size);
  char *p = room(menu.out, text_record_room(menu.indent, piece));
  if (p == nullptr)
    return;
  p = put_head(p, menu, array);
  *p++ = '\'';
  p = put_quoted(p, text.substr(0, piece), apostrophe_as_grave);
  for (text.remove_prefix(piece); !text.empty(); text.remove_prefix(piece)) {
    commit(menu.out, p);
    piece = std::min(text.size(), piece_size);
    if ((p = room(menu.out, piece_room(piece))) == nullptr)
      return;
    p = put_quoted(p, text.substr(0, piece), apostrophe_as_grave);
  }
  commit(menu.out, put(p, "';\r\n"));
}

// The parent's text is stored whole; what lies past it is slack.
char *put_parent_record(char *p, const MenuScript &menu) {
  p = put_head(p, menu, "par");
  std::memcpy(p, menu.parent_text, store_size);
  return p + menu.parent_size;
}

void write_parent(MenuScript &menu) {
  char *p = room(menu.out, parent_record_room(menu.indent));
  if (p == nullptr)
    return;
  commit(menu.out, put_parent_record(p, menu));
}

char *put_text_record(char *p, const MenuScript &menu, const char *array,
                      std::string_view text, bool apostrophe_as_grave) {
  p = put_head(p, menu, array);
  *p++ = '\'';
  return put(put_quoted(p, text, apostrophe_as_grave), "';\r\n");
}

// The ref, nam and par records of an entry. Nearly every entry's values
// are short, and its three records take one room.
void write_entry(MenuScript &menu, std::int64_t entry, std::string_view ref,
                 std::string_view nam, bool apostrophe_as_grave) {
  label(menu, entry);
  if (ref.size() > piece_size || nam.size() > piece_size) {
    write_text(menu, "ref", ref);
    write_text(menu, "nam", nam, apostrophe_as_grave);
    write_parent(menu);
    return;
  }
  char *p = room(menu.out, entry_room(menu.indent, ref.size(), nam.size()));
  if (p == nullptr)
    return;
  p = put_text_record(p, menu, "ref", ref, false);
  p = put_text_record(p, menu, "nam", nam, apostrophe_as_grave);
  commit(menu.out, put_parent_record(p, menu));
  next_label(menu);
}

void push_level(MenuScript &menu, std::int64_t folder) {
  // Below -1 there is no slot to fill: only the count of levels moves.
  if (++menu.depth < 0)
    return;
  const std::size_t at = static_cast<std::size_t>(menu.depth) * slot;
  Buffer &b = menu.parents;
  if (b.capacity < at + slot &&
      !resize(b, std::max({2 * b.capacity, 64 * slot, at + slot}))) {
    menu.out.out_of_memory = true;
    return;
  }
  if (b.size < at)
    std::memset(b.bytes.get() + b.size, 0, at - b.size);
  std::memcpy(b.bytes.get() + at, &folder, slot);
  b.size = std::max(b.size, at + slot);
  menu.indent = indent_for(menu.depth);
}

void open_level(MenuScript &menu, std::int64_t folder) {
  push_level(menu, folder);
  set_parent_text(menu);
}

} // namespace

void init(MenuScript &menu) {
  menu.entries = 0;
  menu.depth = 0;
  menu.parents.size = 0;
  menu.indent = 1;
  menu.out.buffer.size = 0;
  menu.out.out_of_memory = false;
  menu.label_entry = 0; // no entry has that number
  set_parent_text(menu);
}

std::int64_t next_entry(MenuScript &menu) {
  return ++menu.entries;
}

void write_folder(MenuScript &menu, std::int64_t entry,
                  std::string_view title) {
  write_entry(menu, entry, ".", title, false);
  open_level(menu, entry);
}

void write_link(MenuScript &menu, std::int64_t entry, std::string_view address,
                std::string_view title) {
  write_entry(menu, entry, address, title, true);
}

void close_level(MenuScript &menu) {
  // At the top level and below, the indentation keeps what it had.
  if (--menu.depth >= 0)
    menu.indent = indent_for(menu.depth);
  set_parent_text(menu);
}

void write_trailer(MenuScript &menu) {
  char *p = room(menu.out, trailer_room);
  if (p == nullptr)
    return;
  p = put_number(put(p, "var MAX = "), menu.entries + 1);
  commit(menu.out, put(p, ";\r\n"));
}

} // namespace b2m
