// The menu tree state of a run and the records of menu.js: three parallel
// script arrays (ref, nam, par) indexed by entry number, then MAX.
#ifndef BOOKMARKS2MENU_MENU_SCRIPT_HPP
#define BOOKMARKS2MENU_MENU_SCRIPT_HPP

#include "byte_search.hpp"
#include "output.hpp"

#include <cstdint>
#include <string_view>

namespace b2m {

// Tabs and "[N] = " are stored 32 bytes at a time.
constexpr std::size_t store_size = 32;

// The tree state of one menu.js being written, and its output. A fresh one
// is ready to use; init() makes a used one fresh again.
struct MenuScript {
  std::int64_t entries = 0; // number of the latest entry
  std::int64_t depth = 0;   // folder levels open; below 0 after surplus closes
  Buffer parents;           // the folder that opened each depth; 0 past its end
  std::size_t indent = 1;   // tabs before each record
  Output out;
  // "[N] = " of the latest entry, shared by its three records.
  char label[store_size] = {};
  std::size_t label_size = 0;
  std::int64_t label_entry = 0; // no entry has that number
  // "N;" CR LF of the folder open at the current depth.
  char parent_text[store_size] = {'0', ';', '\r', '\n'};
  std::size_t parent_size = 4;
};

// Top level, one tab of indentation until a level first closes back to it.
void init(MenuScript &menu);

std::int64_t next_entry(MenuScript &menu);
// A folder's three records; then the folder opens a level.
void write_folder(MenuScript &menu, std::int64_t entry, std::string_view title);
// A link's three records.
void write_link(MenuScript &menu, std::int64_t entry, std::string_view address,
                std::string_view title);
void close_level(MenuScript &menu);
void write_trailer(MenuScript &menu);

// The most a record can take beyond its value, and the most its value can
// take: every byte escaped, the longest number, the deepest indentation.
// Deeper levels keep their depth and parents, only not more tabs: a tab a
// level would let a small file of nested headings fill a disk.
constexpr std::size_t max_indent = 64;
constexpr std::size_t number_room = 20; // "-9223372036854775808"
constexpr std::size_t escape_size = 4;  // "\x5c"
// Values go out in pieces, so that no piece needs more than this, escaped.
constexpr std::size_t piece_size = 1 << 14;
constexpr std::size_t label_room = 1 + number_room + 4; // "[N] = "
static_assert(label_room <= store_size, "a label is one store");
constexpr std::size_t head_room(std::size_t indent) {
  return indent + 3 + store_size; // tabs, "ref", "[N] = "
}
// What copy_replacing may store past its end.
constexpr std::size_t value_slack = copy_slack;
constexpr std::size_t value_room(std::size_t size) {
  return escape_size * size + value_slack;
}
constexpr std::size_t text_record_room(std::size_t indent, std::size_t size) {
  return head_room(indent) + 1 + value_room(size) + 4; // 'value';CR LF
}
constexpr std::size_t piece_room(std::size_t size) {
  return value_room(size) + 4;
}
constexpr std::size_t parent_record_room(std::size_t indent) {
  return head_room(indent) + store_size; // "N;" CR LF, stored whole
}
static_assert(number_room + 3 <= store_size, "a parent is one store");
// An entry's three records, when no value is longer than a piece.
constexpr std::size_t entry_room(std::size_t indent, std::size_t ref_size,
                                 std::size_t nam_size) {
  return text_record_room(indent, ref_size) +
         text_record_room(indent, nam_size) + parent_record_room(indent);
}
constexpr std::size_t trailer_room = 10 + number_room + 3; // var MAX = N;

} // namespace b2m

#endif
