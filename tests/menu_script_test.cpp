#include "convert.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

using namespace std::string_literals;

namespace {

// One entry's three records, as the writer formats them.
std::string records(const std::string &indent, int n, const std::string &ref,
                    const std::string &nam, long par) {
  const std::string at = "[" + std::to_string(n) + "] = ";
  return indent + "ref" + at + ref + ";\r\n" + indent + "nam" + at + nam +
         ";\r\n" + indent + "par" + at + std::to_string(par) + ";\r\n";
}

std::string trailer(int max) {
  return "var MAX = " + std::to_string(max) + ";\r\n";
}

const std::string folder = "<DT><H3 FOLDED>F</H3>\n";
const std::string link = "<DT><A HREF=\"x\">y</A>\n";

std::string cr_as_lf(std::string text) {
  std::replace(text.begin(), text.end(), '\r', '\n');
  return text;
}

TEST(Convert, WritesRecordsByTheNestingRules) {
  const std::string old_mac = "<DL><p>\r<DT><H3>F</H3>\r<DL><p>\r<DT><A "
                              "HREF=\"x\">y</A>\r</DL><p>\r<DT><H3>G</H3>";
  const struct {
    const char *what;
    std::string input, output;
  } cases[] = {
      {"empty file", "", trailer(1)},
      {"no entries", "<TITLE>x</TITLE>\n<DL><p>\n</DL>", trailer(1)},
      {"indent before and after the first close to the top",
       folder + "</DL>\n" + link,
       records("\t", 1, "'.'", "'F'", 0) + records("", 2, "'x'", "'y'", 0) +
           trailer(3)},
      {"a close in lower case", folder + "</dl>\n" + link,
       records("\t", 1, "'.'", "'F'", 0) + records("", 2, "'x'", "'y'", 0) +
           trailer(3)},
      {"a bare heading and lower-case tags, as serialisers write them",
       "<DT><H3>Bare</H3>\n<DL><p>\n<dt><a href=\"u\" add_date=\"1\">v</a>\n"
       "</DL><p>\n<dt><h3 add_date=\"2\">low</h3>\n<dl><p>\n" +
           link + "</dl><p>\n" + link,
       records("\t", 1, "'.'", "'Bare'", 0) +
           records("\t", 2, "'u'", "'v'", 1) +
           records("", 3, "'.'", "'low'", 0) +
           records("\t", 4, "'x'", "'y'", 3) + records("", 5, "'x'", "'y'", 0) +
           trailer(6)},
      {"close before the entry on its line closes after it",
       folder + "</DL><p>" + link + link,
       records("\t", 1, "'.'", "'F'", 0) + records("\t", 2, "'x'", "'y'", 1) +
           records("", 3, "'x'", "'y'", 0) + trailer(4)},
      {"close after a link on its line is not seen",
       folder + "<DT><A HREF=\"x\">y</A></DL>\n" + link,
       records("\t", 1, "'.'", "'F'", 0) + records("\t", 2, "'x'", "'y'", 1) +
           records("\t", 3, "'x'", "'y'", 1) + trailer(4)},
      {"one close per line", folder + folder + "</DL></DL>\n" + link,
       records("\t", 1, "'.'", "'F'", 0) + records("\t", 2, "'.'", "'F'", 1) +
           records("\t", 3, "'x'", "'y'", 1) + trailer(4)},
      {"below the top: parent 0, indent kept", "</DL>\n</DL>\n" + link,
       records("\t", 1, "'x'", "'y'", 0) + trailer(2)},
      {"a folder opened at -1 parents the top level", "</DL>\n" + folder + link,
       records("\t", 1, "'.'", "'F'", 0) + records("", 2, "'x'", "'y'", 1) +
           trailer(3)},
      {"a folder opened at -2 only raises the depth",
       "</DL>\n</DL>\n" + folder + link,
       records("\t", 1, "'.'", "'F'", 0) + records("\t", 2, "'x'", "'y'", 0) +
           trailer(3)},
      {"escaping keeps every field one script string",
       "<DT><H3 >What's \\new</H3>\n"
       "<DT><A HREF=\"javascript:alert('\\\\')\">Don't \\ </A>\n",
       records("\t", 1, "'.'", R"('What\x27s \x5cnew')", 0) +
           records("\t", 2, R"('javascript:alert(\x27\x5c\x5c\x27)')",
                   R"('Don`t \x5c ')", 1) +
           trailer(3)},
      {"a line without delimiters still writes its records",
       "<DT>\n<DT><H3 FOLDED\n" + link,
       records("\t", 1, "''", "''", 0) + records("\t", 2, "'.'", "''", 0) +
           records("\t", 3, "'x'", "'y'", 2) + trailer(4)},
      {"CR LF and a lone CR end lines", "<DT><A HREF=\"x\">a\rb</A>\r\n</DL>\r",
       records("\t", 1, "'x'", "''", 0) + trailer(2)},
      {"a note's quote ends at its lone CR",
       "<DT><A HREF=\"x\">y</A>\r<DD>a \"note\r<DT><A HREF=\"u\">v</A>\r\n",
       records("\t", 1, "'x'", "'y'", 0) + records("\t", 2, "'u'", "'v'", 0) +
           trailer(3)},
      {"CR alone ends every line, as LF does", old_mac,
       b2m::convert(cr_as_lf(old_mac))},
      {"CR CR LF: a lone CR, then an empty line",
       "<DT><A HREF=\"x\">y</A>\r\r\n" + link,
       records("\t", 1, "'x'", "'y'", 0) + records("\t", 2, "'x'", "'y'", 0) +
           trailer(3)},
      {"0x1A ends the input", link + "\x1a" + link,
       records("\t", 1, "'x'", "'y'", 0) + trailer(2)},
      {"a NUL ends the line's text", "<DT><A HREF=\"x\">t\0</A>\n\0<DT>\n"s,
       records("\t", 1, "'x'", "''", 0) + trailer(2)},
      {"a last line without a line feed", link + "<DT><H3 >G</H3>",
       records("\t", 1, "'x'", "'y'", 0) + records("\t", 2, "'.'", "'G'", 0) +
           trailer(3)},
  };
  for (const auto &c : cases)
    EXPECT_EQ(b2m::convert(c.input), c.output) << c.what;
}

// Blocks may end anywhere: inside a marker, between CR and LF, before a
// 0x1A. Every split gives the bytes of the whole.
TEST(Convert, EverySplitIntoBlocksGivesTheSameBytes) {
  const std::string input = "<DL><p>\r\n" + folder + "\t</DL>\r\n" +
                            "<DT><A HREF=\"a'\\\">b\r'c</A></DL>\n" + link +
                            "<DT>\0<H3 >n</H3>\n" + folder + "</D" + link +
                            "<DT><A F=\"f>\" HREF=\"h\">t <3<!--</A>\n" +
                            "<!--<DT>--></DL>\n" + "<DT><H3 X=\">\">g</H3>\n" +
                            "<DT><A HREF=\"c\">d</A>\r\r\n<DT><H3 >e\r" +
                            "</DL>\n" + link + "\x1a" + link;
  const std::string whole = b2m::convert(input);
  for (std::size_t split = 0; split <= input.size(); ++split) {
    b2m::Conversion c;
    b2m::start(c);
    for (const std::string_view block :
         {std::string_view(input).substr(0, split),
          std::string_view(input).substr(split)}) {
      std::memcpy(b2m::input_room(c), block.data(), block.size());
      if (!b2m::add_input(c, block.size()))
        break;
    }
    b2m::finish(c);
    EXPECT_EQ(b2m::output(c), whole) << split;
  }
}

TEST(Convert, KeepsLongLinesWhole) {
  const std::string icon(200000, 'A');
  const std::string line =
      "<DT><A HREF=\"u\" ICON=\"data:image/png;base64," + icon + "\">T</A>\n";
  EXPECT_EQ(b2m::convert(line + line), records("\t", 1, "'u'", "'T'", 0) +
                                           records("\t", 2, "'u'", "'T'", 0) +
                                           trailer(3));
}

TEST(Convert, NestingPastTheIndentCapKeepsExactParents) {
  std::string input;
  for (int i = 0; i < 2500; ++i)
    input += "<DT><H3 >F</H3>\n";
  input += link;
  for (int i = 0; i < 2500; ++i)
    input += "</DL>\n";
  input += link;
  const std::string out = b2m::convert(input);
  EXPECT_NE(out.find(std::string(64, '\t') + "par[2500] = 2499;\r\n"),
            std::string::npos);
  EXPECT_NE(out.find("\n" + std::string(64, '\t') + "par[2501] = 2500;"),
            std::string::npos);
  EXPECT_EQ(out.find(std::string(65, '\t')), std::string::npos);
  EXPECT_NE(out.find("\nref[2502] = 'x';\r\nnam[2502] = 'y';\r\n"
                     "par[2502] = 0;\r\nvar MAX = 2503;\r\n"),
            std::string::npos);
}

TEST(Convert, CountsEntriesInSixtyFourBits) {
  b2m::MenuScript menu;
  b2m::init(menu);
  menu.entries = 2147483647;
  b2m::write_link(menu, b2m::next_entry(menu), "a", "b");
  b2m::write_trailer(menu);
  EXPECT_EQ(std::string(menu.out.buffer.bytes.get(), menu.out.buffer.size),
            "\tref[2147483648] = 'a';\r\n\tnam[2147483648] = 'b';\r\n"
            "\tpar[2147483648] = 0;\r\nvar MAX = 2147483649;\r\n");
}

// Each label is counted on from the one before, across every carry into a
// new digit, up to the last number there is.
TEST(Convert, CountsLabelsOnAcrossDigits) {
  for (const std::int64_t first :
       {std::int64_t{8}, std::int64_t{98}, std::int64_t{999},
        std::int64_t{9999999999}, INT64_MAX - 3}) {
    b2m::MenuScript menu;
    b2m::init(menu);
    menu.entries = first - 1;
    std::string want;
    for (std::int64_t n = first; n < first + 3; ++n) {
      b2m::write_link(menu, b2m::next_entry(menu), "a", "b");
      want += "\tpar[" + std::to_string(n) + "] = 0;\r\n";
    }
    const std::string out(menu.out.buffer.bytes.get(), menu.out.buffer.size);
    std::string got;
    for (std::size_t at = 0; (at = out.find("\tpar[", at)) != out.npos;
         at = out.find('\n', at))
      got += out.substr(at, out.find('\n', at) + 1 - at);
    EXPECT_EQ(got, want) << first;
  }
}

// Each entry at its largest: the deepest indentation, the widest entry
// number, values of a piece escaped byte for byte. What it writes, plus
// what its fixed-size stores may write past that, must fit the room it
// asks for. The first entry on a fresh output gets exactly that room, so
// the sanitizer build also sees a store past it.
TEST(Convert, EveryRecordFitsTheRoomItAsksFor) {
  const std::string escaped(b2m::piece_size, '\\');
  const std::size_t deep = b2m::max_indent;
  const struct {
    const char *what;
    int record;
    std::size_t room, past;
  } cases[] = {
      {"link", 0, b2m::entry_room(deep, b2m::piece_size, b2m::piece_size),
       b2m::store_size},
      {"folder", 1, b2m::entry_room(deep, 1, b2m::piece_size), b2m::store_size},
      {"trailer", 2, b2m::trailer_room, 0},
  };
  for (const auto &c : cases) {
    b2m::MenuScript menu;
    menu.entries = INT64_MAX - 1;
    menu.indent = deep;
    if (c.record == 0)
      b2m::write_link(menu, INT64_MAX, escaped, escaped);
    else if (c.record == 1)
      b2m::write_folder(menu, INT64_MAX, escaped);
    else
      b2m::write_trailer(menu);
    EXPECT_FALSE(menu.out.out_of_memory) << c.what;
    EXPECT_LE(menu.out.buffer.size + c.past, c.room) << c.what;
  }
}

} // namespace
