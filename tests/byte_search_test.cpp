#include "byte_search.hpp"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

using b2m::Kernel;

// Every kernel the processor runs answers as the portable one, at every
// offset and length, hits or none, with bytes of both signs.
TEST(ByteSearch, KernelsAgreeWithThePortableLoops) {
  const b2m::ByteSet sets[] = {b2m::byte_set("\n<>\"\0\x1a"),
                               b2m::byte_set("\\'\r"),
                               b2m::byte_set("\xfc\x80"
                                             "a")};
  std::mt19937 random(7);
  std::string text(300, ' ');
  for (int round = 0; round < 1000; ++round) {
    const char pool[] = "ab<>\"\n\\'\r\x1a\xfc\x80 ";
    for (char &c : text)
      c = random() % 8 ? 'x' : pool[random() % (sizeof pool - 1)];
    text[random() % text.size()] = '\0';
    const std::size_t from = random() % 70, to = from + random() % 200;
    const char *p = text.data() + from, *end = text.data() + to;
    for (const b2m::ByteSet &set : sets) {
      std::uint32_t want_mask = 0;
      const char *want =
          b2m::kernels_of(Kernel::portable).find_window(p, end, set, want_mask);
      std::string want_out(300, '?');
      const char *want_from = p;
      want_out.resize(b2m::kernels_of(Kernel::portable)
                          .copy_until(&want_out[0], want_from, end, set) -
                      want_out.data());
      for (const Kernel k : {Kernel::sse2, Kernel::avx2, Kernel::avx512}) {
        if (!b2m::supports(k))
          continue;
        std::uint32_t mask = 0;
        EXPECT_EQ(b2m::kernels_of(k).find_window(p, end, set, mask), want);
        if (want != end) {
          EXPECT_EQ(mask, want_mask);
        }
        std::string out(300 + b2m::copy_slack, '?');
        const char *at = p;
        out.resize(b2m::kernels_of(k).copy_until(&out[0], at, end, set) -
                   out.data());
        EXPECT_EQ(at, want_from);
        EXPECT_EQ(out, want_out);
        EXPECT_EQ(b2m::kernels_of(k).equal_mask(p, end, '"'),
                  b2m::kernels_of(Kernel::portable).equal_mask(p, end, '"'));
      }
    }
  }
}

} // namespace
