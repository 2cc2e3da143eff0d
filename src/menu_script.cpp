#include "menu_script.hpp"

#include "byte_search.hpp"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <utility>

namespace b2m {

namespace {

// Deeper levels keep exact parents but no more indentation.
constexpr std::size_t max_indent = 1999;

std::size_t indent_for(std::int64_t depth) {
  return std::min(static_cast<std::size_t>(depth), max_indent);
}

// Room for `n` more bytes at the end of the output. With a drain, whole
// flush-size pieces go out first: writes of whole pages cost the kernel
// least. The buffer grows only for a record larger than what it has.
char *room(Output &out, std::size_t n) {
  if (out.drain != nullptr && out.size >= flush_size) {
    const std::size_t whole = out.size - out.size % flush_size;
    out.drain(out.target, out.bytes.get(), whole);
    out.size -= whole;
    std::memmove(out.bytes.get(), out.bytes.get() + whole, out.size);
  }
  if (out.capacity - out.size < n) {
    const std::size_t capacity = std::max(out.size + n, 2 * out.capacity);
    std::unique_ptr<char[]> bytes(new char[capacity]);
    if (out.size != 0)
      std::memcpy(bytes.get(), out.bytes.get(), out.size);
    out.bytes = std::move(bytes);
    out.capacity = capacity;
  }
  return out.bytes.get() + out.size;
}

void done(Output &out, const char *end) {
  out.size = end - out.bytes.get();
}

char *put(char *p, std::string_view text) {
  // A field that could not be cut is a view of nothing, not even memory.
  if (!text.empty())
    std::memcpy(p, text.data(), text.size());
  return p + text.size();
}

// Digits of the widest entry number, with its sign.
constexpr std::size_t number_room = 20;

char *put_number(char *p, std::int64_t n) {
  return std::to_chars(p, p + number_room, n).ptr;
}

// Each escape is the same four bytes in every charset a page may read
// menu.js in: a backslash or apostrophe after a two-byte lead byte would
// be swallowed into that character in Shift_JIS, GBK or Big5, but "x" and
// hex digits cannot end the string.
constexpr std::size_t escape_size = 4;

constexpr ByteSet escaped = byte_set("\\'\r");

// The inside of a single-quoted script string. Only what would end or bend
// the string is escaped, so every other byte reaches the page as it was.
// Writes at most escape_size times the text's length, and may store up to
// copy_slack bytes past what it writes.
char *put_quoted(char *p, std::string_view text, bool apostrophe_as_grave) {
  const char *from = text.data(), *end = from + text.size();
  for (;;) {
    p = copy_until(p, from, end, escaped);
    if (from == end)
      return p;
    if (*from == '\'' && apostrophe_as_grave)
      *p++ = '`';
    else
      p = put(p, *from == '\\' ? "\\x5c" : *from == '\'' ? "\\x27" : "\\x0d");
    ++from;
  }
}

// Fixed-size stores: most records carry few tabs and short numbers.
constexpr std::size_t store_size = 32;
constexpr char tabs[store_size + 1] = "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t"
                                      "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t";

// Room for a record less its value: indent, name, numbers, punctuation and
// the slack of the fixed-size stores.
std::size_t record_room(const MenuScript &menu) {
  return menu.indent + 2 * number_room + 16 + 2 * store_size + copy_slack;
}

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

char *put_head(char *p, MenuScript &menu, const char *array,
               std::int64_t entry) {
  if (menu.indent <= store_size)
    std::memcpy(p, tabs, store_size);
  else
    std::memset(p, '\t', menu.indent);
  p += menu.indent;
  std::memcpy(p, array, 3);
  label(menu, entry);
  std::memcpy(p + 3, menu.label, store_size);
  return p + 3 + menu.label_size;
}

// Long values go out in pieces, so that with a drain no value needs more
// than a piece's room, escaped.
constexpr std::size_t piece_size = 1 << 14;

void write_text(MenuScript &menu, const char *array, std::int64_t entry,
                std::string_view text, bool apostrophe_as_grave = false) {
  std::size_t piece = std::min(text.size(), piece_size);
  char *p = room(menu.out, record_room(menu) + escape_size * piece);
  p = put_head(p, menu, array, entry);
  *p++ = '\'';
  p = put_quoted(p, text.substr(0, piece), apostrophe_as_grave);
  for (text.remove_prefix(piece); !text.empty(); text.remove_prefix(piece)) {
    done(menu.out, p);
    piece = std::min(text.size(), piece_size);
    p = room(menu.out, escape_size * piece + 4 + copy_slack);
    p = put_quoted(p, text.substr(0, piece), apostrophe_as_grave);
  }
  done(menu.out, put(p, "';\r\n"));
}

void write_parent(MenuScript &menu, std::int64_t entry) {
  // Entries after surplus closes have no enclosing folder left.
  const std::int64_t parent = menu.depth < 0 ? 0 : menu.parents[menu.depth];
  char *p = room(menu.out, record_room(menu));
  p = put_number(put_head(p, menu, "par", entry), parent);
  done(menu.out, put(p, ";\r\n"));
}

void open_level(MenuScript &menu, std::int64_t folder) {
  // Below -1 there is no slot to fill: only the count of levels moves.
  if (++menu.depth < 0)
    return;
  const auto depth = static_cast<std::size_t>(menu.depth);
  if (menu.parents.size() <= depth)
    menu.parents.resize(depth + 1);
  menu.parents[depth] = folder;
  menu.indent = indent_for(menu.depth);
}

} // namespace

void flush(Output &out) {
  if (out.size != 0)
    out.drain(out.target, out.bytes.get(), out.size);
  out.size = 0;
}

void init(MenuScript &menu) {
  menu.entries = 0;
  menu.depth = 0;
  menu.parents.assign(1, 0);
  menu.indent = 1;
  menu.out.size = 0;
  menu.label_entry = 0; // no entry has that number
}

std::int64_t next_entry(MenuScript &menu) {
  return ++menu.entries;
}

void write_folder(MenuScript &menu, std::int64_t entry,
                  std::string_view title) {
  write_text(menu, "ref", entry, ".");
  write_text(menu, "nam", entry, title);
  write_parent(menu, entry);
  open_level(menu, entry);
}

void write_link_address(MenuScript &menu, std::int64_t entry,
                        std::string_view address) {
  write_text(menu, "ref", entry, address);
}

void write_link_rest(MenuScript &menu, std::int64_t entry,
                     std::string_view title) {
  write_text(menu, "nam", entry, title, true);
  write_parent(menu, entry);
}

void close_level(MenuScript &menu) {
  // At the top level and below, the indentation keeps what it had.
  if (--menu.depth >= 0)
    menu.indent = indent_for(menu.depth);
}

void write_trailer(MenuScript &menu) {
  char *p = put(room(menu.out, number_room + 16), "var MAX = ");
  done(menu.out, put(put_number(p, menu.entries + 1), ";\r\n"));
}

} // namespace b2m
