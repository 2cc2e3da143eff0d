// AVX-512BW: the same look-ups and compares, 64 bytes a vector, straight
// into masks, with masked loads for the bytes of a short range.
#include "byte_search_kernels.hpp"

#ifdef B2M_X86
#include <immintrin.h>

namespace b2m {

namespace {

// AVX-512 loads only the bytes before end, and compares straight into
// masks.
__attribute__((target("avx512bw"))) __mmask64 equal512(__mmask64 in, __m512i v,
                                                       char c) {
  return _mm512_mask_cmpeq_epi8_mask(in, v, _mm512_set1_epi8(c));
}

} // namespace

bool runs_avx512() {
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx512bw") &&
         __builtin_cpu_supports("avx512vl");
}

__attribute__((target("avx512bw"))) bool
classify_avx512(const char *p, const char *end, Classes &c) {
  const auto left = static_cast<std::size_t>(end - p);
  const __mmask64 in = left >= 64 ? ~__mmask64{0} : (__mmask64{1} << left) - 1;
  const __m512i v = _mm512_maskz_loadu_epi8(in, p);
  c.open = equal512(in, v, open_byte[0]);
  c.close = equal512(in, v, close_byte[0]);
  c.quote = equal512(in, v, quote_byte[0]);
  c.stop = 0;
  for (const char s : stop_bytes)
    c.stop |= equal512(in, v, s);
  return any_class(c);
}

// AVX-512BW: the same look-up, 64 bytes at a time, straight into a mask.
__attribute__((target("avx512bw"))) const char *
window_avx512(const char *p, const char *end, const ByteSet &s,
              std::uint32_t &mask) {
  const __m512i low = _mm512_loadu_si512(s.low);
  const __m512i high = _mm512_loadu_si512(s.high);
  const __m512i nibble = _mm512_set1_epi8(15);
  // A vector is two windows.
  for (; left_at_least(p, end, 2 * search_width); p += 2 * search_width) {
    const __m512i v = _mm512_loadu_si512(p);
    const __m512i l = _mm512_shuffle_epi8(low, _mm512_and_si512(v, nibble));
    const __m512i h = _mm512_shuffle_epi8(
        high, _mm512_and_si512(_mm512_srli_epi16(v, 4), nibble));
    if (const std::uint64_t m = _mm512_test_epi8_mask(l, h)) {
      const auto first = static_cast<std::uint32_t>(m);
      mask = first != 0 ? first : static_cast<std::uint32_t>(m >> search_width);
      return first != 0 ? p : p + search_width;
    }
  }
  return window_avx2(p, end, s, mask);
}

// AVX-512 loads only the bytes of the range, whatever its length: a
// masked load neither faults nor reads past it, so short values, most of
// them, take no branch on their length. Past each byte of the set, its
// replacement, and the copy goes on with the set still in registers.
__attribute__((target("avx512bw,avx512vl"))) char *
replacing_avx512(char *out, const char *p, const char *end,
                 const Replacing &r) {
  const __m256i low =
      _mm256_loadu_si256(reinterpret_cast<const __m256i *>(r.set.low));
  const __m256i high =
      _mm256_loadu_si256(reinterpret_cast<const __m256i *>(r.set.high));
  const __m256i nibble = _mm256_set1_epi8(15);
  for (;;) {
    const auto left = static_cast<std::size_t>(end - p);
    const __mmask32 in =
        left >= 32 ? ~__mmask32{0} : (__mmask32{1} << left) - 1;
    const __m256i v = _mm256_maskz_loadu_epi8(in, p);
    _mm256_storeu_si256(reinterpret_cast<__m256i *>(out), v);
    const __m256i l = _mm256_shuffle_epi8(low, _mm256_and_si256(v, nibble));
    const __m256i h = _mm256_shuffle_epi8(
        high, _mm256_and_si256(_mm256_srli_epi16(v, 4), nibble));
    if (const std::uint32_t mask = _mm256_mask_test_epi8_mask(in, l, h)) {
      const int n = lowest_bit(mask);
      out = replace(out + n, p[n], r);
      p += n + 1;
    } else if (left <= 32) {
      return out + left;
    } else {
      p += 32;
      out += 32;
    }
  }
}

} // namespace b2m

#endif
