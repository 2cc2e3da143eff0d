// The menu tree state of a run and the records of menu.js: three parallel
// script arrays (ref, nam, par) indexed by entry number, then MAX.
#ifndef BOOKMARKS2MENU_MENU_SCRIPT_HPP
#define BOOKMARKS2MENU_MENU_SCRIPT_HPP

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace b2m {

// Once this much is formatted, whole pieces of it go to the drain, if
// there is one.
constexpr std::size_t flush_size = 1 << 16;

// Where formatted bytes go; the target keeps what failed, if anything.
using Drain = void (*)(void *target, const char *bytes, std::size_t size);

// menu.js bytes formatted but not yet written. With a drain, the buffer
// stays near the flush size whatever the input; without one, it keeps the
// whole script.
struct Output {
  std::unique_ptr<char[]> bytes;
  std::size_t size = 0;
  std::size_t capacity = 0;
  Drain drain = nullptr;
  void *target = nullptr;
};

// Hands what is formatted to the drain.
void flush(Output &out);

// A fresh one is ready to use; init() makes a used one fresh again.
struct MenuScript {
  std::int64_t entries = 0; // number of the latest entry
  std::int64_t depth = 0;   // folder levels open; below 0 after surplus closes
  std::vector<std::int64_t> parents{0}; // the folder that opened each depth
  std::size_t indent = 1;               // tabs before each record
  Output out;
  // "[N] = " of the latest entry, shared by its three records.
  char label[32] = {};
  std::size_t label_size = 0;
  std::int64_t label_entry = 0; // no entry has that number
};

// Top level, one tab of indentation until a level first closes back to it.
void init(MenuScript &menu);

std::int64_t next_entry(MenuScript &menu);
// A folder's three records; then the folder opens a level.
void write_folder(MenuScript &menu, std::int64_t entry, std::string_view title);
void write_link_address(MenuScript &menu, std::int64_t entry,
                        std::string_view address);
// The nam and par records of a link.
void write_link_rest(MenuScript &menu, std::int64_t entry,
                     std::string_view title);
void close_level(MenuScript &menu);
void write_trailer(MenuScript &menu);

} // namespace b2m

#endif
