#include "platform.hpp"

#include <gtest/gtest.h>

// Windows names travel as WTF-8 and must come back unit for unit, lone
// surrogates included.
TEST(Names, RoundTripEveryUtf16Name) {
  const struct {
    std::u16string name;
    std::string wtf8;
  } cases[] = {
      {u"in.html", "in.html"},
      {u"für 书签", "f\xC3\xBCr \xE4\xB9\xA6\xE7\xAD\xBE"},
      {u"\U0001F516", "\xF0\x9F\x94\x96"},
      {std::u16string(1, char16_t(0xD800)) + u"x", "\xED\xA0\x80x"},
      {std::u16string(1, char16_t(0xDC00)), "\xED\xB0\x80"},
  };
  for (const auto &c : cases) {
    EXPECT_EQ(b2m::wtf8_from_utf16(c.name), c.wtf8);
    EXPECT_TRUE(b2m::utf16_from_wtf8(c.wtf8) == c.name) << c.wtf8;
  }
}
