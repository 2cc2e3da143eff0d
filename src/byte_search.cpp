// The kernel table, the choice among it, and the portable kernels, which
// run anywhere, the WebAssembly build included.
#include "byte_search.hpp"
#include "byte_search_kernels.hpp"

#include <cstdlib>
#include <cstring>
#include <iterator>

namespace b2m {

namespace {

// The portable loops look at eight bytes at a time, in a 64-bit word whose
// lowest byte is the first.
std::uint64_t word_at(const char *p) {
  std::uint64_t word = 0;
  for (int i = 7; i >= 0; --i)
    word = word << 8 | static_cast<unsigned char>(p[i]);
  return word;
}

// 0x80 in each byte of the word that equals c, and 0 in the others: the
// low seven bits of a byte cannot carry into the next.
std::uint64_t equal_bytes(std::uint64_t word, char c) {
  constexpr std::uint64_t low7 = 0x7f7f7f7f7f7f7f7f;
  const std::uint64_t v =
      word ^ std::uint64_t{0x0101010101010101} * static_cast<unsigned char>(c);
  return ~(((v & low7) + low7) | v | low7);
}

// Those 0x80s as eight bits, bit i for byte i: the multiply moves each to
// a bit of its own in the top byte.
std::uint32_t byte_bits(std::uint64_t flags) {
  return static_cast<std::uint32_t>(
      (flags >> 7) * std::uint64_t{0x0102040810204080} >> 56);
}

std::uint32_t match_portable(const char *p, const ByteSet &s) {
  std::uint32_t mask = 0;
  for (std::size_t k = 0; k < search_width / 8; ++k) {
    const std::uint64_t word = word_at(p + 8 * k);
    std::uint64_t flags = 0;
    for (const char b : s.bytes)
      flags |= equal_bytes(word, b);
    mask |= byte_bits(flags) << 8 * k;
  }
  return mask;
}

// The classes of class_width bytes, all there to read.
void classify_all_portable(const char *p, Classes &c) {
  c = {};
  for (std::size_t k = 0; k < class_width / 8; ++k) {
    const std::uint64_t word = word_at(p + 8 * k);
    std::uint64_t stop = 0;
    for (const char b : stop_bytes)
      stop |= equal_bytes(word, b);
    const std::uint64_t open = equal_bytes(word, open_byte[0]),
                        close = equal_bytes(word, close_byte[0]),
                        quote = equal_bytes(word, quote_byte[0]);
    if ((open | close | quote | stop) == 0)
      continue;
    c.open |= std::uint64_t{byte_bits(open)} << 8 * k;
    c.close |= std::uint64_t{byte_bits(close)} << 8 * k;
    c.quote |= std::uint64_t{byte_bits(quote)} << 8 * k;
    c.stop |= std::uint64_t{byte_bits(stop)} << 8 * k;
  }
}

char *copy_portable(char *out, const char *&p, const char *end,
                    const ByteSet &set) {
  return copy_found(out, p, end, set, window_portable);
}

bool runs_anywhere() {
  return true;
}

// Fastest first: the first this processor runs is the one it gets.
constexpr Kernel kernel_table[] = {
#ifdef B2M_X86
    {"avx512",
     runs_avx512,
     {window_avx512, equal_sse2, replacing_avx512, classify_avx512}},
    {"avx2",
     runs_avx2,
     {window_avx2, equal_sse2, replacing_avx2, classify_avx2}},
    {"sse2",
     runs_sse2,
     {window_sse2, equal_sse2, replacing_sse2, classify_sse2}},
#endif
    {"portable",
     runs_anywhere,
     {window_portable, equal_portable, replacing_portable, classify_portable}},
};

} // namespace

const char *window_portable(const char *p, const char *end, const ByteSet &s,
                            std::uint32_t &mask) {
  for (; left_at_least(p, end, search_width); p += search_width)
    if ((mask = match_portable(p, s)) != 0)
      return p;
  return tail_window(p, end, s, mask, match_portable);
}

std::uint32_t equal_portable(const char *p, const char *end, char c) {
  std::uint32_t mask = 0;
  for (std::ptrdiff_t i = 0; i < std::ptrdiff_t{search_width} && i < end - p;
       ++i)
    mask |= static_cast<std::uint32_t>(p[i] == c) << i;
  return mask;
}

char *replacing_portable(char *out, const char *from, const char *end,
                         const Replacing &r) {
  return replacing_with<copy_portable>(out, from, end, r);
}

bool classify_portable(const char *p, const char *end, Classes &c) {
  return classify_with(p, end, c, classify_all_portable);
}

KernelList all_kernels() {
  return {std::begin(kernel_table), std::end(kernel_table)};
}

KernelChoice choose_kernel(const char *name) {
  for (const Kernel &k : kernel_table) {
    if (name == nullptr || *name == '\0' ? k.runs()
                                         : std::strcmp(name, k.name) == 0)
      return {k.runs() ? &k : nullptr, true};
  }
  return {nullptr, false};
}

KernelChoice kernel_from_environment() {
#ifdef __wasm__
  // No environment to ask: the module imports nothing.
  return choose_kernel(nullptr);
#else
  return choose_kernel(std::getenv("B2M_KERNEL"));
#endif
}

const Kernel &chosen_kernel() {
  // Asked once: the answer cannot change while the program runs.
  static const Kernel &kernel = []() -> const Kernel & {
    const KernelChoice choice = kernel_from_environment();
    return choice.kernel != nullptr ? *choice.kernel
                                    : *choose_kernel(nullptr).kernel;
  }();
  return kernel;
}

} // namespace b2m
