#include "output.hpp"

#include <algorithm>
#include <cstdint>
#include <cstring>

#ifdef __linux__
#include <sys/mman.h>
#endif

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

#ifdef __linux__
namespace {
constexpr std::size_t huge_page = 2 << 20;
}
#endif

void huge_pages(void *bytes, std::size_t size) {
#ifdef __linux__
  // Only whole huge pages inside the range: the advice splits the mapping
  // at its ends.
  const auto at = reinterpret_cast<std::uintptr_t>(bytes);
  const std::uintptr_t from = (at + huge_page - 1) / huge_page * huge_page;
  const std::uintptr_t to = (at + size) / huge_page * huge_page;
  if (to > from)
    madvise(reinterpret_cast<void *>(from), to - from, MADV_HUGEPAGE);
#else
  (void)bytes;
  (void)size;
#endif
}

bool fresh(Buffer &buffer, std::size_t capacity) {
#ifdef __linux__
  void *bytes = nullptr;
  if (capacity >= 2 * huge_page &&
      posix_memalign(&bytes, huge_page, capacity) == 0) {
    huge_pages(bytes, capacity);
    buffer.bytes.reset(static_cast<char *>(bytes));
    buffer.capacity = capacity;
    buffer.size = 0;
    return true;
  }
#endif
  buffer.size = 0;
  return resize(buffer, capacity);
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
