// Growable buffers, and the output of a conversion: menu.js bytes
// formatted and not yet handed to where they go.
#ifndef BOOKMARKS2MENU_OUTPUT_HPP
#define BOOKMARKS2MENU_OUTPUT_HPP

#include <cstddef>
#include <cstdlib>
#include <memory>

namespace b2m {

struct Free {
  void operator()(char *p) const { std::free(p); }
};

// A growable run of bytes, for the input and the output alike. Growing
// fails by returning false, never by throwing: the one way a conversion
// runs out of memory.
struct Buffer {
  std::unique_ptr<char, Free> bytes;
  std::size_t size = 0;
  std::size_t capacity = 0;
};

// Makes the capacity `capacity`, keeping what fits; false, and the buffer
// as it was, when there is no memory for it.
bool resize(Buffer &buffer, std::size_t capacity);

// A new, empty buffer of `capacity` bytes, for one that is filled once and
// whole: a bookmark store. See huge_pages.
bool fresh(Buffer &buffer, std::size_t capacity);
// Asks Linux to back what lies in [bytes, bytes + size) with huge pages
// where it may: on some hosts faulting in a store's memory 4 KiB at a time
// costs ten times more than parsing it. Elsewhere nothing.
void huge_pages(void *bytes, std::size_t size);

// Once this much is formatted, whole pieces of it go to the drain, if
// there is one.
constexpr std::size_t flush_size = 1 << 16;

// Where formatted bytes go; the target keeps what failed, if anything.
using Drain = void (*)(void *target, const char *bytes, std::size_t size);

// menu.js bytes formatted but not yet written. With a drain, the buffer
// stays near the flush size whatever the input; without one, it keeps the
// whole script. Once out of memory, nothing more is formatted.
struct Output {
  Buffer buffer;
  Drain drain = nullptr;
  void *target = nullptr;
  bool out_of_memory = false;
};

// Room for `n` more bytes at the end of the output, made by the slow path
// when the buffer must drain or grow; null once there is no memory.
char *make_room(Output &out, std::size_t n);

// Inline: every record asks, and nearly always there is room already.
inline char *room(Output &out, std::size_t n) {
  Buffer &b = out.buffer;
  if (b.size < flush_size && b.capacity - b.size >= n && !out.out_of_memory)
    return b.bytes.get() + b.size;
  return make_room(out, n);
}

// The bytes up to `end`, written into the room, are now part of the
// output.
inline void commit(Output &out, const char *end) {
  out.buffer.size = end - out.buffer.bytes.get();
}

// Hands what is formatted to the drain.
void flush(Output &out);

} // namespace b2m

#endif
