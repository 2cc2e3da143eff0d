// AVX2: looks each byte's two nibbles up in a set's tables, 32 bytes a
// vector.
#include "byte_search_kernels.hpp"

#ifdef B2M_X86
#include <immintrin.h>

namespace b2m {

namespace {

// The set, in registers once per call (see Set16): AVX2 looks both
// nibbles of each byte up in the set's tables.
struct Set32 {
  __m256i low, high, nibble;
};

__attribute__((target("avx2"))) Set32 spread32(const ByteSet &s) {
  return {_mm256_loadu_si256(reinterpret_cast<const __m256i *>(s.low)),
          _mm256_loadu_si256(reinterpret_cast<const __m256i *>(s.high)),
          _mm256_set1_epi8(15)};
}

__attribute__((target("avx2"))) std::uint32_t match32(__m256i v,
                                                      const Set32 &s) {
  const __m256i low = _mm256_shuffle_epi8(s.low, _mm256_and_si256(v, s.nibble));
  const __m256i high = _mm256_shuffle_epi8(
      s.high, _mm256_and_si256(_mm256_srli_epi16(v, 4), s.nibble));
  const __m256i none =
      _mm256_cmpeq_epi8(_mm256_and_si256(low, high), _mm256_setzero_si256());
  return ~static_cast<std::uint32_t>(_mm256_movemask_epi8(none));
}

__attribute__((target("avx2"))) std::uint32_t match32(const char *p,
                                                      const Set32 &s) {
  return match32(_mm256_loadu_si256(reinterpret_cast<const __m256i *>(p)), s);
}

__attribute__((target("avx2"))) std::uint32_t match32_avx2(const char *p,
                                                           const ByteSet &s) {
  return match32(p, spread32(s));
}

// Bit i set where byte i of the two vectors is one of `bytes`: the
// compares are joined before their masks are taken.
__attribute__((target("avx2"))) std::uint64_t
any_equal64(__m256i a, __m256i b, std::string_view bytes) {
  __m256i x = _mm256_setzero_si256(), y = x;
  for (const char c : bytes) {
    const __m256i with = _mm256_set1_epi8(c);
    x = _mm256_or_si256(x, _mm256_cmpeq_epi8(a, with));
    y = _mm256_or_si256(y, _mm256_cmpeq_epi8(b, with));
  }
  return static_cast<std::uint32_t>(_mm256_movemask_epi8(x)) |
         std::uint64_t{static_cast<std::uint32_t>(_mm256_movemask_epi8(y))}
             << 32;
}

// The classes of class_width bytes under AVX2, two vectors. Inlined, as
// the compiler may not see that it should.
__attribute__((target("avx2"), always_inline)) inline void
classify64_avx2(const char *p, Classes &c) {
  const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(p));
  const __m256i b =
      _mm256_loadu_si256(reinterpret_cast<const __m256i *>(p + 32));
  c.open = any_equal64(a, b, open_byte);
  c.close = any_equal64(a, b, close_byte);
  c.quote = any_equal64(a, b, quote_byte);
  c.stop = any_equal64(a, b, stop_bytes);
}

// Which of the 16 bytes of v are in the set, by its nibble tables.
__attribute__((target("avx2"))) unsigned match_nibbles(__m128i v,
                                                       const ByteSet &s) {
  const __m128i nibble = _mm_set1_epi8(15);
  const __m128i low =
      _mm_shuffle_epi8(_mm_load_si128(reinterpret_cast<const __m128i *>(s.low)),
                       _mm_and_si128(v, nibble));
  const __m128i high = _mm_shuffle_epi8(
      _mm_load_si128(reinterpret_cast<const __m128i *>(s.high)),
      _mm_and_si128(_mm_srli_epi16(v, 4), nibble));
  const __m128i none =
      _mm_cmpeq_epi8(_mm_and_si128(low, high), _mm_setzero_si128());
  return ~static_cast<unsigned>(_mm_movemask_epi8(none)) & 0xffff;
}

// A copy of fewer than 32 bytes, as most values are: the first and the
// last 8 or 16 bytes of the range, which overlap, read and stored whole,
// so that nothing outside it is read. What lies past the hit is slack.
__attribute__((target("avx2"))) char *
copy_short(char *out, const char *&from, const char *end, const ByteSet &s) {
  const auto n = static_cast<unsigned>(end - from);
  std::uint32_t mask;
  if (n >= 16) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i *>(from));
    const __m128i b =
        _mm_loadu_si128(reinterpret_cast<const __m128i *>(end - 16));
    _mm_storeu_si128(reinterpret_cast<__m128i *>(out), a);
    _mm_storeu_si128(reinterpret_cast<__m128i *>(out + n - 16), b);
    mask = match_nibbles(a, s) | match_nibbles(b, s) << (n - 16);
  } else if (n >= 8) {
    std::uint64_t a, b;
    std::memcpy(&a, from, 8);
    std::memcpy(&b, end - 8, 8);
    std::memcpy(out, &a, 8);
    std::memcpy(out + n - 8, &b, 8);
    const unsigned m = match_nibbles(
        _mm_set_epi64x(static_cast<long long>(b), static_cast<long long>(a)),
        s);
    mask = (m & 0xff) | (m >> 8) << (n - 8);
  } else {
    std::uint64_t a = 0;
    if (n != 0) // an empty value may be a view of nothing
      std::memcpy(&a, from, n);
    std::memcpy(out, &a, 8);
    mask = match_nibbles(_mm_loadl_epi64(reinterpret_cast<const __m128i *>(&a)),
                         s) &
           ((1u << n) - 1);
  }
  const unsigned copied = mask != 0 ? lowest_bit(mask) : n;
  from += copied;
  return out + copied;
}

// AVX2 copies and looks in one loop. It stores whole vectors, hit or not:
// past the hit is slack, and a last vector that ends with the range
// overlaps the one before it, whose bytes are known to hold no hit and are
// stored again unchanged.
__attribute__((target("avx2"))) char *
copy_avx2(char *out, const char *&from, const char *end, const ByteSet &s) {
  if (end - from < 32)
    return copy_short(out, from, end, s);
  const Set32 set = spread32(s);
  const char *p = from;
  for (const char *last = end - 32;; p += 32, out += 32) {
    if (p > last) {
      out -= p - last;
      p = last;
    }
    _mm256_storeu_si256(
        reinterpret_cast<__m256i *>(out),
        _mm256_loadu_si256(reinterpret_cast<const __m256i *>(p)));
    if (const std::uint32_t mask = match32(p, set)) {
      const int n = lowest_bit(mask);
      from = p + n;
      return out + n;
    }
    if (p == last) {
      from = end;
      return out + 32;
    }
  }
}

} // namespace

bool runs_avx2() {
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx2");
}

__attribute__((target("avx2"))) const char *window_avx2(const char *p,
                                                        const char *end,
                                                        const ByteSet &s,
                                                        std::uint32_t &mask) {
  const Set32 set = spread32(s);
  // Two vectors a step: long runs without a delimiter, such as icon data,
  // go at the speed of the loads.
  for (; left_at_least(p, end, 2 * search_width); p += 2 * search_width) {
    const std::uint32_t low = match32(p, set),
                        high = match32(p + search_width, set);
    if ((low | high) != 0) {
      mask = low != 0 ? low : high;
      return low != 0 ? p : p + search_width;
    }
  }
  for (; left_at_least(p, end, search_width); p += search_width) {
    if (const std::uint32_t m = match32(p, set)) {
      mask = m;
      return p;
    }
  }
  return tail_window(p, end, s, mask, match32_avx2);
}

__attribute__((target("avx2"))) bool
classify_avx2(const char *p, const char *end, Classes &c) {
  return classify_with(p, end, c, classify64_avx2);
}

char *replacing_avx2(char *out, const char *from, const char *end,
                     const Replacing &r) {
  return replacing_with<copy_avx2>(out, from, end, r);
}

} // namespace b2m

#endif
