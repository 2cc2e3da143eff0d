#include "output.hpp"

#include <algorithm>
#include <cstring>

namespace b2m {

bool resize(Buffer &buffer, std::size_t capacity) {
  // realloc: a large buffer moves by remapping its pages, not by holding a
  // copy beside it.
  void *bytes = std::realloc(buffer.bytes.get(), capacity);
  if (bytes == nullptr)
    return false;
  buffer.bytes.release();
  buffer.bytes.reset(static_cast<char *>(bytes));
  buffer.capacity = capacity;
  buffer.size = std::min(buffer.size, capacity);
  return true;
}

// With a drain, whole flush-size pieces go out first: writes of whole
// pages cost the kernel least. The buffer grows only for a record larger
// than what it has.
char *make_room(Output &out, std::size_t n) {
  Buffer &b = out.buffer;
  if (out.out_of_memory)
    return nullptr;
  if (out.drain != nullptr && b.size >= flush_size) {
    const std::size_t whole = b.size - b.size % flush_size;
    out.drain(out.target, b.bytes.get(), whole);
    b.size -= whole;
    std::memmove(b.bytes.get(), b.bytes.get() + whole, b.size);
  }
  if (b.capacity - b.size < n &&
      !resize(b, std::max(b.size + n, 2 * b.capacity))) {
    out.out_of_memory = true;
    return nullptr;
  }
  return b.bytes.get() + b.size;
}

void flush(Output &out) {
  if (out.buffer.size != 0)
    out.drain(out.target, out.buffer.bytes.get(), out.buffer.size);
  out.buffer.size = 0;
}

} // namespace b2m
