// The conversion for a web page, as a WebAssembly reactor: the page writes
// each block of the file into the module's memory, and takes the menu.js
// bytes formatted so far after each one. The same code as the command
// line's, so the same bytes.
#include "convert.hpp"

#include <cstdint>
#include <new>

namespace {

struct Session {
  b2m::Conversion conversion;
  b2m::Blocks blocks;
};

} // namespace

extern "C" {

// A new conversion; null when there is no memory for it.
Session *b2m_start() {
  auto *s = new (std::nothrow) Session;
  if (s != nullptr)
    b2m::init(s->conversion);
  return s;
}

std::size_t b2m_block_size() {
  return b2m::block_size;
}

// Where the page writes the next block, at most b2m_block_size() bytes;
// null when a line is longer than the memory left.
char *b2m_block(Session *s) {
  return b2m::block_room(s->blocks);
}

// The block of `size` bytes just written; false once the input has ended
// (a 0x1A byte), so that nothing more need be given.
bool b2m_add(Session *s, std::size_t size) {
  b2m::add_read(s->conversion, s->blocks, size);
  return !s->conversion.ended;
}

void b2m_finish(Session *s) {
  b2m::finish(s->conversion, s->blocks);
}

// The menu.js bytes formatted since the last b2m_taken.
const char *b2m_output(Session *s) {
  return s->conversion.menu.out.bytes.get();
}
std::size_t b2m_output_size(Session *s) {
  return s->conversion.menu.out.size;
}
void b2m_taken(Session *s) {
  s->conversion.menu.out.size = 0;
}

void b2m_end(Session *s) {
  delete s;
}

} // extern "C"
