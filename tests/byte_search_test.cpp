#include "byte_search.hpp"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>

using namespace std::string_literals;

namespace {

const b2m::Kernels &portable_kernels() {
  return b2m::choose_kernel("portable").kernel->functions;
}

// Every kernel the processor runs answers as the portable one, at every
// offset and length, hits or none, with bytes of both signs.
TEST(ByteSearch, KernelsAgreeWithThePortableLoops) {
  const b2m::ByteSet sets[] = {b2m::byte_set("\n<>\"\0\x1a"),
                               b2m::byte_set("\\'\r"),
                               b2m::byte_set("\xfc\x80"
                                             "a")};
  const b2m::Replacing replacings[] = {
      b2m::replacing("\\'\r", {"\\x5c", "`", "\\x0d"}),
      b2m::replacing("\xfc\x80"
                     "a",
                     {"1234", "", "Z"})};
  std::mt19937 random(7);
  std::string text(300, ' ');
  const auto &portable = portable_kernels();
  for (int round = 0; round < 1000; ++round) {
    const char pool[] = "ab<>\"\n\\'\r\x1a\xfc\x80 ";
    for (char &c : text)
      c = random() % 8 ? 'x' : pool[random() % (sizeof pool - 1)];
    text[random() % text.size()] = '\0';
    const std::size_t from = random() % 70, to = from + random() % 200;
    const char *p = text.data() + from, *end = text.data() + to;
    b2m::Classes want_classes;
    portable.classify(p, end, want_classes);
    for (const b2m::Kernel &k : b2m::all_kernels()) {
      if (!k.runs())
        continue;
      const auto &kernel = k.functions;
      for (const b2m::ByteSet &set : sets) {
        std::uint32_t want_mask = 0, mask = 0;
        const char *want = portable.find_window(p, end, set, want_mask);
        EXPECT_EQ(kernel.find_window(p, end, set, mask), want);
        if (want != end) {
          EXPECT_EQ(mask, want_mask);
        }
      }
      for (const b2m::Replacing &r : replacings) {
        std::string want(4 * 300 + b2m::copy_slack, '?'), out = want;
        want.resize(portable.copy_replacing(&want[0], p, end, r) - &want[0]);
        out.resize(kernel.copy_replacing(&out[0], p, end, r) - &out[0]);
        EXPECT_EQ(out, want);
      }
      EXPECT_EQ(kernel.equal_mask(p, end, '"'),
                portable.equal_mask(p, end, '"'));
      b2m::Classes classes;
      kernel.classify(p, end, classes);
      EXPECT_EQ(
          std::tie(classes.open, classes.close, classes.quote, classes.stop),
          std::tie(want_classes.open, want_classes.close, want_classes.quote,
                   want_classes.stop));
    }
  }
}

// The portable loops themselves, on one text: what each byte becomes, and
// where each class of byte stands.
TEST(ByteSearch, PortableLoopsReplaceAndClassify) {
  const auto &portable = portable_kernels();
  const std::string text = "a'b\\c\r<\">\n\0\x1a"s;
  std::string out(4 * text.size() + b2m::copy_slack, '?');
  out.resize(portable.copy_replacing(
                 &out[0], text.data(), text.data() + text.size(),
                 b2m::replacing("\\'\r", {"\\x5c", "`", "\\x0d"})) -
             &out[0]);
  EXPECT_EQ(out, "a`b\\x5cc\\x0d<\">\n"s + '\0' + "\x1a");
  b2m::Classes c;
  portable.classify(text.data(), text.data() + text.size(), c);
  EXPECT_EQ(c.open, 1u << 6);
  EXPECT_EQ(c.quote, 1u << 7);
  EXPECT_EQ(c.close, 1u << 8);
  EXPECT_EQ(c.stop, 1u << 5 | 7u << 9);
}

// B2M_KERNEL's names: one the processor runs, one it may not, none, and
// the fastest when nothing is asked.
TEST(ByteSearch, ChoosesTheKernelNamedWhereItRuns) {
  const b2m::Kernel *fastest = nullptr;
  for (const b2m::Kernel &k : b2m::all_kernels())
    if (fastest == nullptr && k.runs())
      fastest = &k;
  ASSERT_NE(fastest, nullptr);
  EXPECT_STREQ((b2m::all_kernels().end() - 1)->name, "portable");
  const struct {
    const char *name;
    bool known;
    const char *chosen; // null: none
  } cases[] = {
      {nullptr, true, fastest->name}, {"", true, fastest->name},
      {"portable", true, "portable"}, {"avx9", false, nullptr},
      {"PORTABLE", false, nullptr},
  };
  for (const auto &c : cases) {
    const b2m::KernelChoice choice = b2m::choose_kernel(c.name);
    const char *name = c.name != nullptr ? c.name : "(null)";
    EXPECT_EQ(choice.known, c.known) << name;
    EXPECT_STREQ(choice.kernel != nullptr ? choice.kernel->name : nullptr,
                 c.chosen)
        << name;
  }
  for (const b2m::Kernel &k : b2m::all_kernels()) {
    const b2m::KernelChoice choice = b2m::choose_kernel(k.name);
    EXPECT_TRUE(choice.known) << k.name;
    EXPECT_EQ(choice.kernel, k.runs() ? &k : nullptr) << k.name;
  }
}

} // namespace
