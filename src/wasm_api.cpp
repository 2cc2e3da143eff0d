// The conversion for a web page, as a WebAssembly reactor: the page writes
// each block of the file into the module's memory, and takes the menu.js
// bytes formatted so far after each one. The same code as the command
// line's, so the same bytes.
//
// A browser's store is read whole, as the command line reads it: the page
// writes the first block with b2m_block as for an export, and asks
// b2m_store_kind what those bytes make the file. For a store (1: JSON,
// 2: a Firefox .jsonlz4) it copies the whole file to b2m_store_room,
// instead of adding blocks, then calls b2m_add_store, which parses and
// checks it and hands its lines to the conversion; on false,
// b2m_failure says why in English. b2m_finish and b2m_output follow as
// for an export.
#include "bookmark_store.hpp"
#include "convert.hpp"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <new>
#include <string>

namespace {

// The page's handle: the conversion, and a store's bytes and failure.
struct Session {
  b2m::Conversion c;
  b2m::Buffer store;
  std::string failure;
};

} // namespace

extern "C" {

// The module imports nothing. simdjson asks the environment whether to
// force one of its implementations, and its abstract classes name the
// runtime's pure virtual handler, which writes to stderr: wasi-libc's and
// libc++abi's own would import WASI's environment and file calls. The
// page has no environment, and a pure virtual call is a fault.
char *getenv(const char *) {
  return nullptr;
}
void __cxa_pure_virtual() {
  __builtin_trap();
}

// A new conversion; null when there is no memory for it.
Session *b2m_start() {
  auto *s = new (std::nothrow) Session;
  if (s != nullptr)
    b2m::start(s->c);
  return s;
}

std::size_t b2m_block_size() {
  return b2m::block_size;
}

// Where the page writes the next block, at most b2m_block_size() bytes;
// null when a line is longer than the memory left.
char *b2m_block(Session *s) {
  return b2m::input_room(s->c);
}

// The block of `size` bytes just written; false once no more input is
// wanted: a 0x1A byte ended it, or memory ran out (b2m_shortage says
// which), so that nothing more need be given.
bool b2m_add(Session *s, std::size_t size) {
  return b2m::add_input(s->c, size);
}

// What the first `size` bytes written at b2m_block make the file: 0 an
// export, read a block at a time; 1 a JSON store; 2 a .jsonlz4 store.
int b2m_store_kind(Session *s, std::size_t size) {
  const char *first = b2m::input_room(s->c);
  return static_cast<int>(b2m::store_kind({first, size}));
}

// Room for a whole store of `size` bytes, and the padding the parser reads
// past it; null when there is no memory for it.
char *b2m_store_room(Session *s, std::size_t size) {
  if (size > SIZE_MAX - store_padding ||
      !b2m::resize(s->store, size + store_padding))
    return nullptr;
  std::memset(s->store.bytes.get() + size, 0, store_padding);
  s->store.size = size;
  return s->store.bytes.get();
}

// The store of `size` bytes just written to b2m_store_room, parsed and its
// lines converted; false, the conversion given nothing, when it is not a
// store the browsers write or memory ran out.
bool b2m_add_store(Session *s, std::size_t size) {
  if (s->store.bytes == nullptr || size > s->store.size) {
    s->failure = std::strerror(EINVAL);
    return false;
  }
  const b2m::StoreFailure f =
      b2m::add_store(s->c, {s->store.bytes.get(), size});
  s->store = {}; // read, and no longer needed
  if (!f.failed())
    return true;
  s->failure = f.err != 0 ? std::strerror(f.err) : f.reason;
  return false;
}

// Why b2m_add_store failed, NUL-terminated.
const char *b2m_failure(Session *s) {
  return s->failure.c_str();
}

void b2m_finish(Session *s) {
  b2m::finish(s->c);
}

// The menu.js bytes formatted since the last b2m_taken.
const char *b2m_output(Session *s) {
  return b2m::output(s->c).data();
}
std::size_t b2m_output_size(Session *s) {
  return b2m::output(s->c).size();
}
void b2m_taken(Session *s) {
  b2m::take_output(s->c);
}

// Whether memory ran out: 1 for the input, 2 for the output, else 0.
int b2m_shortage(Session *s) {
  return static_cast<int>(b2m::shortage(s->c));
}

// The line on which a 0x1A byte ended the input, 0 when none did; a
// double, which JavaScript takes as a plain number.
double b2m_stopped_line(Session *s) {
  return static_cast<double>(s->c.stopped_line);
}

void b2m_end(Session *s) {
  delete s;
}

} // extern "C"
