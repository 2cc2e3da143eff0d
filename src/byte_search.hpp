// The loops that touch every byte of the input and of every value written:
// which of 32 bytes are among a few given ones, and copying up to the
// first of them. Vector code where the processor has it; the portable
// loops give the same answers.
#ifndef BOOKMARKS2MENU_BYTE_SEARCH_HPP
#define BOOKMARKS2MENU_BYTE_SEARCH_HPP

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace b2m {

// The kernels' widths: a window search and a mask of equal bytes look at
// 32 bytes, the classes of a line's bytes at 64.
constexpr std::size_t search_width = 32;
constexpr std::size_t class_width = 64;

// How many bytes a set may hold.
constexpr std::size_t set_capacity = 7;

// Up to seven bytes to look for, and the tables that vector kernels look
// them up in: byte x is in the set when low[x % 16] & high[x / 16] != 0,
// as each byte of the set has a bit of its own. The tables repeat every 16
// bytes, as wide as the widest vector, to be loaded as they stand.
struct ByteSet {
  char bytes[set_capacity]; // past the set's own, its first again
  alignas(64) unsigned char low[64];
  alignas(64) unsigned char high[64];
};

// The set of the bytes of the parts, NULs included.
constexpr ByteSet byte_set(std::initializer_list<std::string_view> parts) {
  ByteSet set{};
  std::size_t i = 0;
  for (const std::string_view part : parts)
    for (const char c : part)
      set.bytes[i++] = c;
  for (std::size_t k = i; k < set_capacity; ++k)
    set.bytes[k] = set.bytes[0];
  for (std::size_t k = 0; k < set_capacity; ++k) {
    const auto byte = static_cast<unsigned char>(set.bytes[k]);
    for (std::size_t lane = 0; lane < 64; lane += 16) {
      set.low[lane + byte % 16] |= 1 << k;
      set.high[lane + byte / 16] |= 1 << k;
    }
  }
  return set;
}

// The set of the bytes of a string literal, NULs included.
template <std::size_t n> constexpr ByteSet byte_set(const char (&text)[n]) {
  static_assert(n >= 2 && n <= set_capacity + 1, "one to seven bytes");
  return byte_set({std::string_view(text, n - 1)});
}

// The bytes a line is read by, a class each in Classes below.
constexpr std::string_view open_byte = "<", close_byte = ">", quote_byte = "\"";
// The stops: the line ends (a line feed, a CR), then a NUL, which ends a
// line's text, then 0x1A, which ends the input the way the platform the
// format comes from reads text.
constexpr std::string_view stop_bytes{"\n\r\0\x1a", 4};
constexpr std::string_view line_end_bytes =
    stop_bytes.substr(0, stop_bytes.size() - 2);
constexpr std::string_view end_mark = stop_bytes.substr(stop_bytes.size() - 1);

// Up to seven bytes, and what each of them becomes in a copy: up to four
// bytes, stored whole.
struct Replacing {
  ByteSet set;
  char with[set_capacity][4];
  unsigned char size[set_capacity];
};

template <std::size_t n>
constexpr Replacing replacing(const char (&bytes)[n],
                              const char *const (&with)[n - 1]) {
  Replacing r{byte_set(bytes), {}, {}};
  for (std::size_t i = 0; i < set_capacity; ++i) {
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

// How far past the end of its copy copy_replacing may write: a vector.
constexpr std::size_t copy_slack = 32;

// Where the bytes a line is made of stand among class_width: bit i of each
// mask is byte i. Bytes past the end of the text are in none.
struct Classes {
  std::uint64_t open = 0;  // open_byte
  std::uint64_t close = 0; // close_byte
  std::uint64_t quote = 0; // quote_byte
  std::uint64_t stop = 0;  // stop_bytes
};

// One processor's kernels.
struct Kernels {
  // The first window of search_width bytes from p on, in steps of as many,
  // that holds a byte of `set`: its start, with bit i of `mask` set where
  // window[i] is in `set`. Bytes past end never match. end when no byte
  // matches.
  const char *(*find_window)(const char *p, const char *end, const ByteSet &set,
                             std::uint32_t &mask);
  // The search_width bytes from `window` on that equal c: bit i set where
  // window[i] does. Bytes past end never match.
  std::uint32_t (*equal_mask)(const char *window, const char *end, char c);
  // Copies [from, end) to `out` with each byte of the set replaced, and
  // returns the end of the copy; stores up to copy_slack bytes past it.
  char *(*copy_replacing)(char *out, const char *from, const char *end,
                          const Replacing &r);
  // The classes of the class_width bytes from `window` on; whether any is
  // there.
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

// A kernel: its name, whether this processor runs it, its functions.
struct Kernel {
  const char *name;
  bool (*runs)();
  Kernels functions;
};

// Every kernel, the fastest first; the last, "portable", runs anywhere.
struct KernelList {
  const Kernel *first, *last;
  const Kernel *begin() const { return first; }
  const Kernel *end() const { return last; }
};
KernelList all_kernels();

// The kernel named, if this processor runs it; the fastest it runs when
// `name` is null or empty. Nothing chosen means the name is unknown (`known`
// false) or names a kernel this processor does not run.
struct KernelChoice {
  const Kernel *kernel;
  bool known;
};
KernelChoice choose_kernel(const char *name);

// The kernel the environment variable B2M_KERNEL names, so that tests can
// take the path the WebAssembly build ships; the fastest without it. The
// WebAssembly build has no environment: the portable one.
KernelChoice kernel_from_environment();

// The kernel the functions below use, chosen once; a choice the
// environment cannot make, which the program refuses before it starts,
// falls to the fastest.
const Kernel &chosen_kernel();

// Called for every stop and value: the chosen functions, looked up once.
inline const Kernels &kernels() {
  static const Kernels &chosen = chosen_kernel().functions;
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
