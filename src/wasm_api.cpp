// The conversion for a web page, as a WebAssembly reactor: the page writes
// each block of the file into the module's memory, and takes the menu.js
// bytes formatted so far after each one. The same code as the command
// line's, so the same bytes.
#include "convert.hpp"

#include <cstdint>
#include <new>

extern "C" {

// A new conversion; null when there is no memory for it.
b2m::Conversion *b2m_start() {
  auto *c = new (std::nothrow) b2m::Conversion;
  if (c != nullptr)
    b2m::start(*c);
  return c;
}

std::size_t b2m_block_size() {
  return b2m::block_size;
}

// Where the page writes the next block, at most b2m_block_size() bytes;
// null when a line is longer than the memory left.
char *b2m_block(b2m::Conversion *c) {
  return b2m::input_room(*c);
}

// The block of `size` bytes just written; false once no more input is
// wanted: a 0x1A byte ended it, or memory ran out (b2m_shortage says
// which), so that nothing more need be given.
bool b2m_add(b2m::Conversion *c, std::size_t size) {
  return b2m::add_input(*c, size);
}

void b2m_finish(b2m::Conversion *c) {
  b2m::finish(*c);
}

// The menu.js bytes formatted since the last b2m_taken.
const char *b2m_output(b2m::Conversion *c) {
  return b2m::output(*c).data();
}
std::size_t b2m_output_size(b2m::Conversion *c) {
  return b2m::output(*c).size();
}
void b2m_taken(b2m::Conversion *c) {
  b2m::take_output(*c);
}

// Whether memory ran out: 1 for the input, 2 for the output, else 0.
int b2m_shortage(b2m::Conversion *c) {
  return static_cast<int>(b2m::shortage(*c));
}

// The line on which a 0x1A byte ended the input, 0 when none did; a
// double, which JavaScript takes as a plain number.
double b2m_stopped_line(b2m::Conversion *c) {
  return static_cast<double>(c->stopped_line);
}

void b2m_end(b2m::Conversion *c) {
  delete c;
}

} // extern "C"
