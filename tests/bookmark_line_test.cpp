#include "bookmark_line.hpp"

#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <string>
#include <tuple>

using namespace std::string_literals;

namespace {

TEST(ScanLine, SplitsAtLineEndsAndEndsAtTheEndMark) {
  using b2m::Scanned;
  struct Case {
    std::string text, line, left;
    Scanned scanned;
    bool last = false;
  } cases[] = {
      {"a\nb", "a", "b", Scanned::line},
      {"a\r\nb", "a", "b", Scanned::line},
      {"a\r\r\n", "a", "\r\n", Scanned::line}, // a lone CR, then CR LF
      {"a\rb\n", "a", "b\n", Scanned::line},
      {"<DT><H3>a\rb</H3>\n", "<DT><H3>a", "b</H3>\n", Scanned::line},
      {"<DD>a \"note\r<DT><A HREF=\"u\">", "<DD>a \"note", "<DT><A HREF=\"u\">",
       Scanned::line}, // in a quoted value too
      {"\n", "", "", Scanned::line},
      {"\r", "", "", Scanned::line, true},
      {"a\0b\n"s, "a", "", Scanned::line}, // a NUL ends the line's text
      {"a\0b\rc"s, "a", "c", Scanned::line},
      {"a\0b\r"s, "", "a\0b\r"s, Scanned::partial},
      {"a\nb\x1a<DT>\n", "a", "b\x1a<DT>\n", Scanned::line},
      {"b\x1a<DT>\n", "b", "b\x1a<DT>\n", Scanned::end},
      // A CR that ends the block waits for a line feed in the next.
      {"no feed\r", "", "no feed\r", Scanned::partial},
      {"no feed\r", "no feed", "", Scanned::line, true},
  };
  for (const Case &c : cases) {
    std::string_view text = c.text;
    b2m::LineScan scan;
    EXPECT_EQ(b2m::scan_line(text, scan, c.last), c.scanned) << c.text;
    EXPECT_EQ(scan.line.text, c.line) << c.text;
    EXPECT_EQ(text, c.left) << c.text;
  }
}

// A new line is first tried against the shapes browsers write, in a few
// searches; the full scan, which a scan that has begun goes on with, must
// read every line the same. A leading space, which no rule looks at, lets
// the full scan start past it. The lines are those shapes, broken at
// random with the bytes that steer the scan.
TEST(ScanLine, PlainShapesReadAsTheFullScanReads) {
  const std::string icon = "ICON=\"data:" + std::string(150, 'Q') + "\" ";
  const std::string shapes[] = {
      R"(<DT><A HREF="https://a.test/it's" ADD_DATE="1">R&amp;D</A>)",
      "<DT><A HREF=\"h\" " + icon + "X=\"2\">t</A>",
      R"(    <DT><H3 ADD_DATE="1" LAST_MODIFIED="2">Part</H3>)",
      "<DT><H3>x</H3>",
      "</DL><p>",
      "<DL><p>",
      "<dl>",
      "</dl>",
      "",
      "<DT><A HREF=\"" + std::string(100, 'u') + "\">" + std::string(70, 't') +
          "</A>"};
  const char *bits[] = {"<",     ">",    "\"",  "\0",   "\x1a",
                        "\r",    "<!--", "-->", "<DT>", "<H3 ",
                        "</DL>", "</A>", "<p>", "x",    " HREF=\"",
                        "\t",    "<a",   "<3",  " ",    "\n"};
  std::mt19937 random(11);
  for (int round = 0; round < 20000; ++round) {
    std::string line = shapes[random() % std::size(shapes)];
    for (int change = random() % 3; change > 0; --change) {
      const std::size_t at = random() % (line.size() + 1);
      const std::string bit = bits[random() % std::size(bits)];
      line.replace(
          at, random() % 2 * std::min<std::size_t>(1, line.size() - at), bit);
    }
    // A CR that ends the text may be half a CR LF: both scans must wait.
    const char *ends[] = {"\n", "\r\n", "\r", "\r"};
    const std::size_t end = random() % std::size(ends);
    const std::string text =
        " " + line + ends[end] + (end == std::size(ends) - 1 ? "" : "<");
    std::string_view plain = text, full = text;
    b2m::LineScan a, b;
    b.scanned = 1;
    ASSERT_EQ(b2m::scan_line(plain, a, false), b2m::scan_line(full, b, false))
        << text;
    const auto fields = [](const b2m::Line &l) {
      return std::make_tuple(
          l.text, l.entry, l.folder, l.close, l.address, l.address_end, l.href,
          l.link_tag_end, l.link_text_end, l.folder_tag_end, l.folder_text_end);
    };
    ASSERT_EQ(fields(a.line), fields(b.line)) << text;
    ASSERT_EQ(plain, full) << text;
  }
}

struct Cut {
  const char *line, *address, *title;
  bool closes;
};

TEST(CutFolderTitle, TakesTheHeadingText) {
  const Cut cases[] = {
      {R"(<DT><H3 ADD_DATE="1" FOLDED>It's &amp; x</H3></DL>)", "",
       "It's &amp; x", false},
      {"<DT><H3 ></H3>", "", "", false},
      {"x>y<DT><H3 >a</H3>", "", "a", false},
      {R"(<DT><H3 X="a>b">T</H3>)", "", "T", false},
      {"<DT><H3 >a < b <3</H3>", "", "a < b <3", false},
      {"<DT><H3 >x<!--y--></H3>", "", "x", false},
      {"</DL><DT><H3 >t</H3>", "", "t", true},
      // Missing delimiters: nothing is cut, so the list test sees it all.
      {"<DT><H3 FOLDED>no end <3", "", "", false},
      {"<DT><H3 FOLDED </DL>", "", "", true},
  };
  for (const Cut &c : cases) {
    const b2m::Line line = b2m::read_line(c.line);
    EXPECT_EQ(b2m::cut_folder_title(line), c.title) << c.line;
    EXPECT_EQ(b2m::closes_list(line), c.closes) << c.line;
  }
}

TEST(CutLink, TakesTheHrefValueAndAnchorText) {
  const Cut cases[] = {
      {R"(<DT><A HREF="a.html" ADD_DATE="1">Today's</A></DL>)", "a.html",
       "Today's", false},
      {R"(<DT><A HREF="it's\n" ICON="d>x">t</A>)", R"(it's\n)", "t", false},
      {R"(<DT><A HREF="a">1</A><DT><A HREF="b">2</A>)", "a", "1", false},
      {R"(<DT><A HREF="">t</A>)", "", "t", false},
      {R"(<DT><A FEEDURL="f" HREF="h">t</A>)", "h", "t", false},
      {R"(<dt><a icon="d>x" href="h">t</a>)", "h", "t", false},
      {"<DT><A X=\"1\"\tHREF=\"h\">t</A>", "h", "t", false},
      {R"(<DT><A Z="w" XHREF="y">t</A>)", "w", "t", false},
      {R"(<DT><A X="1">t</A> <A HREF="h">u</A>)", "h", "u", false},
      {R"(<DT><A X="1" </DL> HREF="h">t</A>)", "h", "t", true},
      // Not an HREF attribute: the first quoted value, as before.
      {R"(<DT><A X="a HREF="b">t</A>)", "a HREF=", "", false},
      {R"(<DT><A HREF = "x" Y="q">t</A>)", "x", "t", false},
      {R"(<DT><A HREF='x' X="q">t</A>)", "q", "t", false},
      // Titles end only where a tag can open.
      {R"(<DT><A HREF="h">a < b <3</A>)", "h", "a < b <3", false},
      {R"(<DT><A HREF="h">t<!-- c --></A>)", "h", "t", false},
      // Missing delimiters.
      {"<DT><H3>plain</H3>", "", "", false},
      {R"(<DT><A HREF="a.html>t</A></DL>)", "", "", true},
      {R"(<DT><A HREF="a" ADD)", "a", "", false},
      {R"(<DT><A HREF="a">title <3)", "a", "", false},
  };
  for (const Cut &c : cases) {
    const b2m::Line line = b2m::read_line(c.line);
    EXPECT_EQ(b2m::cut_link_address(line), c.address) << c.line;
    EXPECT_EQ(b2m::cut_link_title(line), c.title) << c.line;
    EXPECT_EQ(b2m::closes_list(line), c.closes) << c.line;
  }
}

TEST(Markers, MatchInAnyCaseAndEndAHeadingTag) {
  const struct {
    const char *line;
    bool entry, folder, closes;
  } cases[] = {
      {"<DT><H3 FOLDED>x</H3>", true, true, false},
      {"<DT><H3>x</H3>", true, true, false},
      {"<DT><H3\tADD_DATE=\"1\">x</H3>", true, true, false},
      {"<DT><H30>x</H30>", true, false, false},
      {"<dt><h3 >x</h3>", true, true, false},
      {"<Dt><a href=\"x\">y</A>", true, false, false},
      {"</dl><p>", false, false, true},
      {"</Dl>", false, false, true},
      {"</DL><p>", false, false, true},
      {"<DL><p>", false, false, false},
      {R"(<A HREF="x">y</A><DT><H3 >z</H3>)", true, true, false},
      {"</DL</DL>", false, false, true},
      // Nothing counts inside a comment, which ends at "-->" or the line.
      {R"(<!--<DT><A HREF="x">y</A>-->)", false, false, false},
      {"<!-- <DT><H3 >x</H3> -->", false, false, false},
      {"<!--</DL>-->", false, false, false},
      {"<!-- x --></DL>", false, false, true},
      {"<!-- x </DL>", false, false, false},
      {"<DT><!-- <H3 > --><A HREF=\"x\">y</A>", true, false, false},
  };
  for (const auto &c : cases) {
    const b2m::Line line = b2m::read_line(c.line);
    EXPECT_EQ(line.entry != b2m::npos, c.entry) << c.line;
    EXPECT_EQ(line.folder != b2m::npos, c.folder) << c.line;
    EXPECT_EQ(b2m::closes_list(line), c.closes) << c.line;
  }
}

} // namespace
