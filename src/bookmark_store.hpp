// A browser's own bookmarks store, read as the lines that browser's HTML
// export writes for the same bookmarks, so that its menu is the export's
// byte for byte: Chromium's `Bookmarks` (JSON), and Firefox's backups, as
// a `.jsonlz4` file (mozLz4) or as plain JSON.
//
// A store is read and parsed whole before any of its lines is handed on,
// so that one cut short or broken keeps the last menu. Memory for a store
// of n bytes (after decompression): the file, mapped where the system can
// (else read into memory), with a little padding, and simdjson's tape
// (8 n), structural indexes (4 n) and strings (5 n / 3), so about 15 n of
// address space, plus the compressed file for a .jsonlz4; of it, only what
// the store fills is ever touched, about 2 n resident for a browser's
// store, half of it the file's own pages where it is mapped.
//
// On the 32-bit targets, Windows' 32-bit build (2 GB of address space) and
// WebAssembly (wasm32: 4 GB at most, and a browser may give a worker
// less), that bounds a store to roughly 100 MB after decompression; a
// larger one fails for want of memory and keeps the last menu.
//
// The reader, with the JSON and LZ4 libraries, is a module of its own
// where the system has them as shared libraries: the executable loads it
// only for a store, so that an HTML export starts no faster or slower, and
// in no more memory, than without it. Where the target has no system
// package of them (Windows, WebAssembly), the reader and their vendored
// release files (third_party/) are built in.
#ifndef BOOKMARKS2MENU_BOOKMARK_STORE_HPP
#define BOOKMARKS2MENU_BOOKMARK_STORE_HPP

#include "convert.hpp"

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

namespace b2m {

enum class StoreKind {
  none, // not a store: an HTML export, read as it always was
  json, // '{' first: Chromium's Bookmarks or a Firefox backup
  lz4,  // "mozLz40\0": a Firefox backup, compressed
};

// What the first bytes of a file make it; the rest of the file is not
// needed to tell. Without the reader built in, nothing is a store.
inline StoreKind store_kind(std::string_view first) {
#ifdef B2M_STORES
  constexpr std::string_view lz4_magic{"mozLz40\0", 8};
  if (first.substr(0, lz4_magic.size()) == lz4_magic)
    return StoreKind::lz4;
  const std::size_t at = first.find_first_not_of(" \t\r\n");
  return at != npos && first[at] == '{' ? StoreKind::json : StoreKind::none;
#else
  (void)first;
  return StoreKind::none;
#endif
}

// Why a store gave no lines: a system error for strerror, or a reason of
// its own said plainly.
struct StoreFailure {
  int err = 0;
  std::string reason;
  bool failed() const { return err != 0 || !reason.empty(); }
};

// Reads the rest of `file`, which began with `first`, parses and checks the
// whole store, then hands its export's lines to the conversion, which the
// caller finishes. On a failure the conversion has been given nothing.
StoreFailure add_store(Conversion &c, std::FILE *file, std::string_view first);

// The same for a whole store already in memory, followed by store_padding
// readable bytes.
StoreFailure add_store(Conversion &c, std::string_view file);

} // namespace b2m

// What the store's bytes are followed by, readable: the JSON parser looks
// at its input in whole vectors.
constexpr std::size_t store_padding = 64;

extern "C" {
// Where the lines go, a piece at a time; false once no more are wanted.
typedef bool b2m_store_sink(void *target, const char *bytes, size_t size);

// The reader's one entry, the same in the module and built in: parses the
// whole store `file`, followed by store_padding readable bytes, and hands
// `sink` its export's lines. 0, else an errno
// value, or -1 with `reason` filled (NUL-terminated, cut to its size).
int b2m_store_lines(const char *file, size_t size, b2m_store_sink *sink,
                    void *target, char *reason, size_t reason_size);
}

#endif
