// The loops that touch every byte of the input and of every value written:
// which of 32 bytes are among a few given ones, and copying up to the
// first of them. Vector code where the processor has it; the portable
// loops give the same answers.
#ifndef BOOKMARKS2MENU_BYTE_SEARCH_HPP
#define BOOKMARKS2MENU_BYTE_SEARCH_HPP

#include <cstddef>
#include <cstdint>

namespace b2m {

// Up to six bytes to look for, and the tables that vector kernels look
// them up in: byte x is in the set when low[x % 16] & high[x / 16] != 0,
// as each byte of the set has a bit of its own. The tables repeat every 16
// bytes, as wide as the widest vector, to be loaded as they stand.
struct ByteSet {
  char bytes[6];
  alignas(64) unsigned char low[64];
  alignas(64) unsigned char high[64];
};

// The set of the bytes of a string literal, NULs included.
template <std::size_t n> constexpr ByteSet byte_set(const char (&text)[n]) {
  static_assert(n >= 2 && n <= 7, "one to six bytes");
  ByteSet set{};
  for (std::size_t i = 0; i < 6; ++i) {
    const auto byte = static_cast<unsigned char>(text[i < n - 1 ? i : 0]);
    set.bytes[i] = text[i < n - 1 ? i : 0];
    for (std::size_t lane = 0; lane < 64; lane += 16) {
      set.low[lane + byte % 16] |= 1 << i;
      set.high[lane + byte / 16] |= 1 << i;
    }
  }
  return set;
}

// Up to six bytes, and what each of them becomes in a copy: up to four
// bytes, stored whole.
struct Replacing {
  ByteSet set;
  char with[6][4];
  unsigned char size[6];
};

template <std::size_t n>
constexpr Replacing replacing(const char (&bytes)[n],
                              const char *const (&with)[n - 1]) {
  Replacing r{byte_set(bytes), {}, {}};
  for (std::size_t i = 0; i < 6; ++i) {
    const char *w = with[i < n - 1 ? i : 0];
    for (; w[r.size[i]] != '\0'; ++r.size[i])
      r.with[i][r.size[i]] = w[r.size[i]];
  }
  return r;
}

// The bytes that replace c, a byte of the set, at out; their end.
inline char *replace(char *out, char c, const Replacing &r) {
  std::size_t i = 0;
  while (r.set.bytes[i] != c)
    ++i;
  for (std::size_t k = 0; k < 4; ++k)
    out[k] = r.with[i][k];
  return out + r.size[i];
}

// How far past the end of its copy copy_replacing may write.
constexpr std::size_t copy_slack = 32;

// Where the bytes a line is made of stand among 64: bit i of each mask is
// byte i. Bytes past the end of the text are in none.
struct Classes {
  std::uint64_t open = 0;  // '<'
  std::uint64_t close = 0; // '>'
  std::uint64_t quote = 0; // '"'
  std::uint64_t stop = 0;  // line feed, NUL, 0x1A
};

// One processor's kernels.
struct Kernels {
  // The first window of 32 bytes from p on, in steps of 32, that holds a
  // byte of `set`: its start, with bit i of `mask` set where window[i] is
  // in `set`. Bytes past end never match. end when no byte matches.
  const char *(*find_window)(const char *p, const char *end, const ByteSet &set,
                             std::uint32_t &mask);
  // The 32 bytes from `window` on that equal c: bit i set where window[i]
  // does. Bytes past end never match.
  std::uint32_t (*equal_mask)(const char *window, const char *end, char c);
  // Copies [from, end) to `out` with each byte of the set replaced, and
  // returns the end of the copy; stores up to copy_slack bytes past it.
  char *(*copy_replacing)(char *out, const char *from, const char *end,
                          const Replacing &r);
  // The classes of the 64 bytes from `window` on; whether any is there.
  bool (*classify)(const char *window, const char *end, Classes &classes);
};

// Whether a mask has an odd number of bits set.
inline bool odd_bits(std::uint64_t mask) {
#if defined(__GNUC__)
  return __builtin_parityll(mask) != 0;
#else
  bool odd = false;
  for (; mask != 0; mask &= mask - 1)
    odd = !odd;
  return odd;
#endif
}

// The index of the lowest set bit of a mask that is not 0.
inline int lowest_bit(std::uint64_t mask) {
#if defined(__GNUC__)
  return __builtin_ctzll(mask);
#else
  int i = 0;
  for (; (mask & 1) == 0; mask >>= 1)
    ++i;
  return i;
#endif
}

enum class Kernel { portable, sse2, avx2, avx512 };

// Whether this processor runs the kernel.
bool supports(Kernel kernel);

// The functions of a kernel the processor runs.
const Kernels &kernels_of(Kernel kernel);

// The kernel the functions below use, chosen once: the fastest this
// processor runs, or the one the environment variable B2M_KERNEL names
// (portable, sse2, avx2 or avx512) where the processor runs it, so that
// tests can take the path the WebAssembly build ships.
Kernel chosen_kernel();

// Called for every stop and value: the chosen functions, looked up once.
inline const Kernels &kernels() {
  static const Kernels &chosen = kernels_of(chosen_kernel());
  return chosen;
}

inline const char *find_window(const char *p, const char *end,
                               const ByteSet &set, std::uint32_t &mask) {
  return kernels().find_window(p, end, set, mask);
}
inline std::uint32_t equal_mask(const char *window, const char *end, char c) {
  return kernels().equal_mask(window, end, c);
}
inline char *copy_replacing(char *out, const char *from, const char *end,
                            const Replacing &r) {
  return kernels().copy_replacing(out, from, end, r);
}
inline bool classify(const char *window, const char *end, Classes &classes) {
  return kernels().classify(window, end, classes);
}

} // namespace b2m

#endif
