// A browser's own bookmarks store, read as the lines that browser's HTML
// export writes for the same bookmarks, so that its menu is the export's
// byte for byte: Chromium's `Bookmarks` (JSON), and Firefox's backups, as
// a `.jsonlz4` file (mozLz4) or as plain JSON.
//
// A store is read and parsed whole before anything of it is written, so
// that one cut short or broken keeps the last menu. Memory for a store of
// n bytes (after decompression): the bytes and their padding, and
// simdjson's tape (8 n), structural indexes (4 n) and strings (5 n / 3),
// so about 15 n of address space, plus the compressed file for a
// .jsonlz4; of it, only what the store fills is ever touched, about 2 n
// resident for a browser's store (3 spaces a level, long addresses).
#ifndef BOOKMARKS2MENU_BOOKMARK_STORE_HPP
#define BOOKMARKS2MENU_BOOKMARK_STORE_HPP

#include "convert.hpp"

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace b2m {

enum class StoreKind {
  none, // not a store: an HTML export, read as it always was
  json, // '{' first: Chromium's Bookmarks or a Firefox backup
  lz4,  // "mozLz40\0": a Firefox backup, compressed
};

// What the first bytes of a file make it; the rest of the file is not
// needed to tell.
StoreKind store_kind(std::string_view first);

// A parsed and checked store.
struct StoreTree;
struct StoreTreeFree {
  void operator()(StoreTree *tree) const;
};

struct Store {
  std::unique_ptr<StoreTree, StoreTreeFree> tree; // none on a failure
  std::string error; // why it is no store, said plainly
  int err = 0;       // a system error, for strerror
};

// Reads the rest of `file`, which began with `first`, then parses and
// checks the whole store.
Store read_store(std::FILE *file, std::string_view first, StoreKind kind);

// The same, of a whole file's bytes in memory.
Store parse_store(std::string_view file, StoreKind kind);

// Hands the conversion the lines of the browser's export; the caller
// finishes it.
void add_store(Conversion &c, const StoreTree &tree);

// The whole conversion of a store's bytes in memory: its menu.js, or an
// empty string and `error` set.
std::string convert_store(std::string_view file, std::string &error);

} // namespace b2m

#endif
