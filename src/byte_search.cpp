#include "byte_search.hpp"

#include <cstdlib>
#include <cstring>

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#define B2M_X86 1
#include <immintrin.h>
#endif

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
  for (int k = 0; k < 4; ++k) {
    const std::uint64_t word = word_at(p + 8 * k);
    std::uint64_t flags = 0;
    for (const char b : s.bytes)
      flags |= equal_bytes(word, b);
    mask |= byte_bits(flags) << 8 * k;
  }
  return mask;
}

// The last, short window, read from a copy so that nothing past end is.
template <typename Match>
const char *tail_window(const char *p, const char *end, const ByteSet &s,
                        std::uint32_t &mask, Match match) {
  if (p >= end)
    return end;
  char tail[32] = {};
  std::memcpy(tail, p, end - p);
  mask = match(tail, s) & ((std::uint32_t{1} << (end - p)) - 1);
  return mask != 0 ? p : end;
}

const char *window_portable(const char *p, const char *end, const ByteSet &s,
                            std::uint32_t &mask) {
  for (; end - p >= 32; p += 32)
    if ((mask = match_portable(p, s)) != 0)
      return p;
  return tail_window(p, end, s, mask, match_portable);
}

std::uint32_t equal_portable(const char *p, const char *end, char c) {
  std::uint32_t mask = 0;
  for (int i = 0; i < 32 && i < end - p; ++i)
    mask |= static_cast<std::uint32_t>(p[i] == c) << i;
  return mask;
}

bool any_class(const Classes &c) {
  return (c.open | c.close | c.quote | c.stop) != 0;
}

// The classes of 64 bytes, all there to read.
void classify64_portable(const char *p, Classes &c) {
  c = {};
  for (int k = 0; k < 8; ++k) {
    const std::uint64_t word = word_at(p + 8 * k);
    const std::uint64_t open = equal_bytes(word, '<'),
                        close = equal_bytes(word, '>'),
                        quote = equal_bytes(word, '"'),
                        stop = equal_bytes(word, '\n') |
                               equal_bytes(word, '\0') |
                               equal_bytes(word, '\x1a');
    if ((open | close | quote | stop) == 0)
      continue;
    c.open |= std::uint64_t{byte_bits(open)} << 8 * k;
    c.close |= std::uint64_t{byte_bits(close)} << 8 * k;
    c.quote |= std::uint64_t{byte_bits(quote)} << 8 * k;
    c.stop |= std::uint64_t{byte_bits(stop)} << 8 * k;
  }
}

// The last, short window, from a copy, so that nothing past end is read,
// and with what lies past end taken out.
template <typename Classify>
bool classify_tail(const char *p, const char *end, Classes &c,
                   Classify classify) {
  char tail[64] = {};
  std::memcpy(tail, p, end - p);
  classify(tail, c);
  const std::uint64_t in = (std::uint64_t{1} << (end - p)) - 1;
  c.open &= in;
  c.close &= in;
  c.quote &= in;
  c.stop &= in;
  return any_class(c);
}

// The classes of the window at p by `classify`, which reads 64 bytes.
template <typename Classify>
bool classify_with(const char *p, const char *end, Classes &c,
                   Classify classify) {
  if (end - p < 64)
    return classify_tail(p, end, c, classify);
  classify(p, c);
  return any_class(c);
}

bool classify_portable(const char *p, const char *end, Classes &c) {
  return classify_with(p, end, c, classify64_portable);
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
char *replacing(char *out, const char *from, const char *end,
                const Replacing &r) {
  for (;;) {
    out = copy(out, from, end, r.set);
    if (from == end)
      return out;
    out = replace(out, *from++, r);
  }
}

#ifdef B2M_X86
// The set, in registers once per call: loads and stores in the loops could
// alias a ByteSet in memory, so it is never read there. SSE2 compares with
// each byte; AVX2 looks both nibbles up in the set's tables.
struct Set16 {
  __m128i a, b, c, d, e, f;
};
struct Set32 {
  __m256i low, high, nibble;
};

__attribute__((target("sse2"))) Set16 spread16(const ByteSet &s) {
  const char *b = s.bytes;
  return {_mm_set1_epi8(b[0]), _mm_set1_epi8(b[1]), _mm_set1_epi8(b[2]),
          _mm_set1_epi8(b[3]), _mm_set1_epi8(b[4]), _mm_set1_epi8(b[5])};
}

__attribute__((target("avx2"))) Set32 spread32(const ByteSet &s) {
  return {_mm256_loadu_si256(reinterpret_cast<const __m256i *>(s.low)),
          _mm256_loadu_si256(reinterpret_cast<const __m256i *>(s.high)),
          _mm256_set1_epi8(15)};
}

__attribute__((target("sse2"))) unsigned match16(const char *p,
                                                 const Set16 &s) {
  const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
  const __m128i ab =
      _mm_or_si128(_mm_cmpeq_epi8(v, s.a), _mm_cmpeq_epi8(v, s.b));
  const __m128i cd =
      _mm_or_si128(_mm_cmpeq_epi8(v, s.c), _mm_cmpeq_epi8(v, s.d));
  const __m128i ef =
      _mm_or_si128(_mm_cmpeq_epi8(v, s.e), _mm_cmpeq_epi8(v, s.f));
  return static_cast<unsigned>(
      _mm_movemask_epi8(_mm_or_si128(_mm_or_si128(ab, cd), ef)));
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

__attribute__((target("sse2"))) std::uint32_t match32(const char *p,
                                                      const Set16 &s) {
  return match16(p, s) | static_cast<std::uint32_t>(match16(p + 16, s)) << 16;
}

__attribute__((target("sse2"))) std::uint32_t match32_sse2(const char *p,
                                                           const ByteSet &s) {
  return match32(p, spread16(s));
}

__attribute__((target("avx2"))) std::uint32_t match32_avx2(const char *p,
                                                           const ByteSet &s) {
  return match32(p, spread32(s));
}

__attribute__((target("sse2"))) const char *window_sse2(const char *p,
                                                        const char *end,
                                                        const ByteSet &s,
                                                        std::uint32_t &mask) {
  const Set16 set = spread16(s);
  for (; end - p >= 32; p += 32) {
    if (const std::uint32_t m = match32(p, set)) {
      mask = m;
      return p;
    }
  }
  return tail_window(p, end, s, mask, match32_sse2);
}

__attribute__((target("avx2"))) const char *window_avx2(const char *p,
                                                        const char *end,
                                                        const ByteSet &s,
                                                        std::uint32_t &mask) {
  const Set32 set = spread32(s);
  // Two vectors a step: long runs without a delimiter, such as icon data,
  // go at the speed of the loads.
  for (; end - p >= 64; p += 64) {
    const std::uint32_t low = match32(p, set), high = match32(p + 32, set);
    if ((low | high) != 0) {
      mask = low != 0 ? low : high;
      return low != 0 ? p : p + 32;
    }
  }
  for (; end - p >= 32; p += 32) {
    if (const std::uint32_t m = match32(p, set)) {
      mask = m;
      return p;
    }
  }
  return tail_window(p, end, s, mask, match32_avx2);
}

// Bit i set where byte i of the 16 equals c.
__attribute__((target("sse2"))) unsigned bits_equal16(__m128i v, char c) {
  return static_cast<unsigned>(
      _mm_movemask_epi8(_mm_cmpeq_epi8(v, _mm_set1_epi8(c))));
}

__attribute__((target("sse2"))) __m128i load16(const char *p) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
}

__attribute__((target("sse2"))) std::uint32_t
equal_sse2(const char *p, const char *end, char c) {
  if (end - p < 32)
    return equal_portable(p, end, c);
  return bits_equal16(load16(p), c) | bits_equal16(load16(p + 16), c) << 16;
}

// The classes of 16 bytes, by comparing with each.
struct Class16 {
  unsigned open, close, quote, stop;
};

__attribute__((target("sse2"))) Class16 classes16(const char *p) {
  const __m128i v = load16(p);
  return {bits_equal16(v, '<'), bits_equal16(v, '>'), bits_equal16(v, '"'),
          bits_equal16(v, '\n') | bits_equal16(v, '\0') |
              bits_equal16(v, '\x1a')};
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

__attribute__((target("sse2"))) bool
classify_sse2(const char *p, const char *end, Classes &c) {
  return classify_with(p, end, c, classify64_sse2);
}

// The classes of 32 bytes under AVX2.
__attribute__((target("avx2"))) std::uint64_t equal32(__m256i v, char c) {
  return static_cast<std::uint32_t>(
      _mm256_movemask_epi8(_mm256_cmpeq_epi8(v, _mm256_set1_epi8(c))));
}

__attribute__((target("avx2"))) std::uint64_t equal64(__m256i a, __m256i b,
                                                      char c) {
  return equal32(a, c) | equal32(b, c) << 32;
}

__attribute__((target("avx2"))) void classify64_avx2(const char *p,
                                                     Classes &c) {
  const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(p));
  const __m256i b =
      _mm256_loadu_si256(reinterpret_cast<const __m256i *>(p + 32));
  c.open = equal64(a, b, '<');
  c.close = equal64(a, b, '>');
  c.quote = equal64(a, b, '"');
  c.stop = equal64(a, b, '\n') | equal64(a, b, '\0') | equal64(a, b, '\x1a');
}

__attribute__((target("avx2"))) bool
classify_avx2(const char *p, const char *end, Classes &c) {
  return classify_with(p, end, c, classify64_avx2);
}

// AVX-512 loads only the bytes before end, and compares straight into
// masks.
__attribute__((target("avx512bw"))) __mmask64 equal512(__mmask64 in, __m512i v,
                                                       char c) {
  return _mm512_mask_cmpeq_epi8_mask(in, v, _mm512_set1_epi8(c));
}

__attribute__((target("avx512bw"))) bool
classify_avx512(const char *p, const char *end, Classes &c) {
  const auto left = static_cast<std::size_t>(end - p);
  const __mmask64 in = left >= 64 ? ~__mmask64{0} : (__mmask64{1} << left) - 1;
  const __m512i v = _mm512_maskz_loadu_epi8(in, p);
  c.open = equal512(in, v, '<');
  c.close = equal512(in, v, '>');
  c.quote = equal512(in, v, '"');
  c.stop =
      equal512(in, v, '\n') | equal512(in, v, '\0') | equal512(in, v, '\x1a');
  return any_class(c);
}

// AVX-512BW: the same look-up, 64 bytes at a time, straight into a mask.
__attribute__((target("avx512bw"))) const char *
window_avx512(const char *p, const char *end, const ByteSet &s,
              std::uint32_t &mask) {
  const __m512i low = _mm512_loadu_si512(s.low);
  const __m512i high = _mm512_loadu_si512(s.high);
  const __m512i nibble = _mm512_set1_epi8(15);
  for (; end - p >= 64; p += 64) {
    const __m512i v = _mm512_loadu_si512(p);
    const __m512i l = _mm512_shuffle_epi8(low, _mm512_and_si512(v, nibble));
    const __m512i h = _mm512_shuffle_epi8(
        high, _mm512_and_si512(_mm512_srli_epi16(v, 4), nibble));
    if (const std::uint64_t m = _mm512_test_epi8_mask(l, h)) {
      const auto first = static_cast<std::uint32_t>(m);
      mask = first != 0 ? first : static_cast<std::uint32_t>(m >> 32);
      return first != 0 ? p : p + 32;
    }
  }
  return window_avx2(p, end, s, mask);
}

// AVX2 copies and looks in one loop. It stores whole vectors, hit or not:
// past the hit is slack, and a last vector that ends with the range
// overlaps the one before it, whose bytes are known to hold no hit and are
// stored again unchanged.
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
#endif

constexpr struct {
  const char *name;
  Kernel kernel;
} kernels[] = {{"avx512", Kernel::avx512},
               {"avx2", Kernel::avx2},
               {"sse2", Kernel::sse2},
               {"portable", Kernel::portable}};

Kernel choose_kernel() {
#ifdef B2M_X86
  const char *forced = std::getenv("B2M_KERNEL");
#else
  // Only the portable kernel here, and no environment to ask: the
  // WebAssembly module imports nothing.
  const char *forced = nullptr;
#endif
  for (const auto &k : kernels)
    if (forced != nullptr && std::strcmp(forced, k.name) == 0 &&
        supports(k.kernel))
      return k.kernel;
  for (const auto &k : kernels) // the fastest first
    if (supports(k.kernel))
      return k.kernel;
  return Kernel::portable;
}

char *copy_portable(char *out, const char *&p, const char *end,
                    const ByteSet &set) {
  return copy_found(out, p, end, set, window_portable);
}

#ifdef B2M_X86
char *copy_sse2(char *out, const char *&p, const char *end,
                const ByteSet &set) {
  return copy_found(out, p, end, set, window_sse2);
}
#endif

} // namespace

Kernel chosen_kernel() {
  // Asked once: the answer cannot change while the program runs.
  static const Kernel kernel = choose_kernel();
  return kernel;
}

bool supports(Kernel kernel) {
#ifdef B2M_X86
  __builtin_cpu_init();
  if (kernel == Kernel::avx512)
    return __builtin_cpu_supports("avx512bw") &&
           __builtin_cpu_supports("avx512vl");
  if (kernel == Kernel::avx2)
    return __builtin_cpu_supports("avx2");
  if (kernel == Kernel::sse2)
    return __builtin_cpu_supports("sse2");
#endif
  return kernel == Kernel::portable;
}

const Kernels &kernels_of(Kernel kernel) {
  static constexpr Kernels portable{window_portable, equal_portable,
                                    replacing<copy_portable>,
                                    classify_portable};
#ifdef B2M_X86
  static constexpr Kernels sse2{window_sse2, equal_sse2, replacing<copy_sse2>,
                                classify_sse2};
  static constexpr Kernels avx2{window_avx2, equal_sse2, replacing<copy_avx2>,
                                classify_avx2};
  static constexpr Kernels avx512{window_avx512, equal_sse2, replacing_avx512,
                                  classify_avx512};
  if (kernel == Kernel::avx512)
    return avx512;
  if (kernel == Kernel::avx2)
    return avx2;
  if (kernel == Kernel::sse2)
    return sse2;
#endif
  (void)kernel;
  return portable;
}

} // namespace b2m
