// Inside byte_search: what the kernel files share. The portable kernels,
// the window helpers every kernel ends on, and the vector kernels, which
// exist only where the compiler builds for x86.
#ifndef BOOKMARKS2MENU_BYTE_SEARCH_KERNELS_HPP
#define BOOKMARKS2MENU_BYTE_SEARCH_KERNELS_HPP

#include "byte_search.hpp"

#include <cstring>

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#define B2M_X86 1
#endif

namespace b2m {

const char *window_portable(const char *p, const char *end, const ByteSet &s,
                            std::uint32_t &mask);
std::uint32_t equal_portable(const char *p, const char *end, char c);
char *replacing_portable(char *out, const char *from, const char *end,
                         const Replacing &r);
bool classify_portable(const char *p, const char *end, Classes &c);

#ifdef B2M_X86
// Declared with the targets they are built for: in C++, a declaration
// without its definition's target would be another version of it.
bool runs_sse2();
bool runs_avx2();
bool runs_avx512();

__attribute__((target("sse2"))) const char *window_sse2(const char *p,
                                                        const char *end,
                                                        const ByteSet &s,
                                                        std::uint32_t &mask);
__attribute__((target("sse2"))) std::uint32_t
equal_sse2(const char *p, const char *end, char c);
char *replacing_sse2(char *out, const char *from, const char *end,
                     const Replacing &r);
__attribute__((target("sse2"))) bool classify_sse2(const char *p,
                                                   const char *end, Classes &c);

__attribute__((target("avx2"))) const char *window_avx2(const char *p,
                                                        const char *end,
                                                        const ByteSet &s,
                                                        std::uint32_t &mask);
char *replacing_avx2(char *out, const char *from, const char *end,
                     const Replacing &r);
__attribute__((target("avx2"))) bool classify_avx2(const char *p,
                                                   const char *end, Classes &c);

__attribute__((target("avx512bw"))) const char *
window_avx512(const char *p, const char *end, const ByteSet &s,
              std::uint32_t &mask);
__attribute__((target("avx512bw,avx512vl"))) char *
replacing_avx512(char *out, const char *from, const char *end,
                 const Replacing &r);
__attribute__((target("avx512bw"))) bool
classify_avx512(const char *p, const char *end, Classes &c);
#endif

// Whether at least n bytes are left from p on.
inline bool left_at_least(const char *p, const char *end, std::size_t n) {
  return end - p >= static_cast<std::ptrdiff_t>(n);
}

// The last, short window, read from a copy so that nothing past end is.
template <typename Match>
const char *tail_window(const char *p, const char *end, const ByteSet &s,
                        std::uint32_t &mask, Match match) {
  if (p >= end)
    return end;
  char tail[search_width] = {};
  std::memcpy(tail, p, end - p);
  mask = match(tail, s) & ((std::uint32_t{1} << (end - p)) - 1);
  return mask != 0 ? p : end;
}

inline bool any_class(const Classes &c) {
  return (c.open | c.close | c.quote | c.stop) != 0;
}

// The last, short window, from a copy, so that nothing past end is read,
// and with what lies past end taken out.
template <typename Classify>
bool classify_tail(const char *p, const char *end, Classes &c,
                   Classify classify) {
  char tail[class_width] = {};
  std::memcpy(tail, p, end - p);
  classify(tail, c);
  const std::uint64_t in = (std::uint64_t{1} << (end - p)) - 1;
  c.open &= in;
  c.close &= in;
  c.quote &= in;
  c.stop &= in;
  return any_class(c);
}

// The classes of the window at p by `classify`, which reads class_width
// bytes.
template <typename Classify>
bool classify_with(const char *p, const char *end, Classes &c,
                   Classify classify) {
  if (!left_at_least(p, end, class_width))
    return classify_tail(p, end, c, classify);
  classify(p, c);
  return any_class(c);
}

// Without a fused loop: find the first byte of the set, then copy up to it.
template <typename Window>
char *copy_found(char *out, const char *&p, const char *end, const ByteSet &s,
                 Window window) {
  std::uint32_t mask;
  const char *w = window(p, end, s, mask);
  const char *at = w == end ? end : w + lowest_bit(mask);
  if (at != p)
    std::memcpy(out, p, at - p);
  out += at - p;
  p = at;
  return out;
}

// The copy up to a byte of the set, of a kernel without a fused loop.
using CopyUntil = char *(*)(char *out, const char *&p, const char *end,
                            const ByteSet &set);

// Copies up to each byte of the set with `copy`, then its replacement.
template <CopyUntil copy>
char *replacing_with(char *out, const char *from, const char *end,
                     const Replacing &r) {
  for (;;) {
    out = copy(out, from, end, r.set);
    if (from == end)
      return out;
    out = replace(out, *from++, r);
  }
}

} // namespace b2m

#endif
