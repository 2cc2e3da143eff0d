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

#ifndef _WIN32
#include <cstdio>
#include <string>
#include <unistd.h>

// A file cut shorter by a writer while mapped must read as zeros where it
// was lost, not kill the program, and be reported; the padding past its
// end reads as zeros whatever the file's size.
TEST(MappedFile, PaddedAndSurvivesACutShortFile) {
  const long page = sysconf(_SC_PAGESIZE);
  for (const long size : {1L, page - 1, page, 3 * page + 5}) {
    std::FILE *f = std::tmpfile();
    ASSERT_NE(f, nullptr);
    const std::string bytes(size, 'x');
    ASSERT_EQ(std::fwrite(bytes.data(), 1, size, f), std::size_t(size));
    std::fflush(f);
    std::rewind(f);
    char first;
    ASSERT_EQ(std::fread(&first, 1, 1, f), 1u);
    b2m::MappedFile map;
    ASSERT_TRUE(b2m::map_file(f, 1, 64, map)) << size;
    EXPECT_EQ(std::string(map.bytes, size), bytes);
    for (int i = 0; i < 64; ++i)
      EXPECT_EQ(map.bytes[size + i], 0) << size;
    EXPECT_EQ(ftruncate(fileno(f), 0), 0);
    volatile char lost = map.bytes[size - 1]; // faults: the page is gone
    EXPECT_EQ(lost, 0);
    EXPECT_FALSE(b2m::unmap_file(map)) << size;
    // Read from elsewhere than its start, it is not mapped.
    EXPECT_FALSE(b2m::map_file(f, 0, 64, map));
    std::fclose(f);
  }
}
#endif
