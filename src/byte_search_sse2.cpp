// SSE2: compares with each byte of a set, 16 bytes a vector.
#include "byte_search_kernels.hpp"

#ifdef B2M_X86
#include <immintrin.h>

namespace b2m {

namespace {

// The set, in registers once per call: loads and stores in the loops could
// alias a ByteSet in memory, so it is never read there. SSE2 compares with
// each byte.
struct Set16 {
  __m128i bytes[set_capacity];
};

__attribute__((target("sse2"))) Set16 spread16(const ByteSet &s) {
  Set16 set;
  for (std::size_t i = 0; i < set_capacity; ++i)
    set.bytes[i] = _mm_set1_epi8(s.bytes[i]);
  return set;
}

__attribute__((target("sse2"))) unsigned match16(const char *p,
                                                 const Set16 &s) {
  const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
  __m128i any = _mm_cmpeq_epi8(v, s.bytes[0]);
  for (std::size_t i = 1; i < set_capacity; ++i)
    any = _mm_or_si128(any, _mm_cmpeq_epi8(v, s.bytes[i]));
  return static_cast<unsigned>(_mm_movemask_epi8(any));
}

__attribute__((target("sse2"))) std::uint32_t match32(const char *p,
                                                      const Set16 &s) {
  return match16(p, s) | static_cast<std::uint32_t>(match16(p + 16, s)) << 16;
}

__attribute__((target("sse2"))) std::uint32_t match32_sse2(const char *p,
                                                           const ByteSet &s) {
  return match32(p, spread16(s));
}

// Bit i set where byte i of the 16 equals c.
__attribute__((target("sse2"))) unsigned bits_equal16(__m128i v, char c) {
  return static_cast<unsigned>(
      _mm_movemask_epi8(_mm_cmpeq_epi8(v, _mm_set1_epi8(c))));
}

__attribute__((target("sse2"))) __m128i load16(const char *p) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
}

// The classes of 16 bytes, by comparing with each.
struct Class16 {
  unsigned open, close, quote, stop;
};

// Bit i set where byte i of the 16 is one of `bytes`.
__attribute__((target("sse2"))) unsigned any_equal16(__m128i v,
                                                     std::string_view bytes) {
  __m128i any = _mm_setzero_si128();
  for (const char c : bytes)
    any = _mm_or_si128(any, _mm_cmpeq_epi8(v, _mm_set1_epi8(c)));
  return static_cast<unsigned>(_mm_movemask_epi8(any));
}

__attribute__((target("sse2"))) Class16 classes16(const char *p) {
  const __m128i v = load16(p);
  return {any_equal16(v, open_byte), any_equal16(v, close_byte),
          any_equal16(v, quote_byte), any_equal16(v, stop_bytes)};
}

__attribute__((target("sse2"))) void classify64_sse2(const char *p,
                                                     Classes &c) {
  c = {};
  for (int i = 0; i < 4; ++i) {
    const Class16 k = classes16(p + 16 * i);
    c.open |= std::uint64_t{k.open} << 16 * i;
    c.close |= std::uint64_t{k.close} << 16 * i;
    c.quote |= std::uint64_t{k.quote} << 16 * i;
    c.stop |= std::uint64_t{k.stop} << 16 * i;
  }
}

char *copy_sse2(char *out, const char *&p, const char *end,
                const ByteSet &set) {
  return copy_found(out, p, end, set, window_sse2);
}

} // namespace

bool runs_sse2() {
  __builtin_cpu_init();
  return __builtin_cpu_supports("sse2");
}

__attribute__((target("sse2"))) const char *window_sse2(const char *p,
                                                        const char *end,
                                                        const ByteSet &s,
                                                        std::uint32_t &mask) {
  const Set16 set = spread16(s);
  for (; left_at_least(p, end, search_width); p += search_width) {
    if (const std::uint32_t m = match32(p, set)) {
      mask = m;
      return p;
    }
  }
  return tail_window(p, end, s, mask, match32_sse2);
}

__attribute__((target("sse2"))) std::uint32_t
equal_sse2(const char *p, const char *end, char c) {
  if (!left_at_least(p, end, search_width))
    return equal_portable(p, end, c);
  return bits_equal16(load16(p), c) | bits_equal16(load16(p + 16), c) << 16;
}

__attribute__((target("sse2"))) bool
classify_sse2(const char *p, const char *end, Classes &c) {
  return classify_with(p, end, c, classify64_sse2);
}

char *replacing_sse2(char *out, const char *from, const char *end,
                     const Replacing &r) {
  return replacing_with<copy_sse2>(out, from, end, r);
}

} // namespace b2m

#endif
