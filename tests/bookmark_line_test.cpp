#include "bookmark_line.hpp"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

namespace {

TEST(ScanLine, SplitsAtLineFeedsAndEndsAtTheEndMark) {
  using b2m::Scanned;
  struct Case {
    std::string text, line, left;
    Scanned scanned;
  } cases[] = {
      {"a\nb", "a", "b", Scanned::line},
      {"a\r\nb", "a", "b", Scanned::line},
      {"a\r\r\n", "a\r", "", Scanned::line}, // only the CR before the feed
      {"a\rb\n", "a\rb", "", Scanned::line},
      {"\n", "", "", Scanned::line},
      {"a\0b\n"s, "a", "", Scanned::line}, // a NUL ends the line's text
      {"a\nb\x1a<DT>\n", "a", "b\x1a<DT>\n", Scanned::line},
      {"b\x1a<DT>\n", "b", "b\x1a<DT>\n", Scanned::end},
      {"no feed\r", "", "no feed\r", Scanned::partial},
  };
  for (const Case &c : cases) {
    std::string_view text = c.text;
    b2m::LineScan scan;
    EXPECT_EQ(b2m::scan_line(text, scan, false), c.scanned) << c.text;
    EXPECT_EQ(scan.line.text, c.line) << c.text;
    EXPECT_EQ(text, c.left) << c.text;
  }
}

struct Cut {
  const char *line, *address, *title, *seen;
};

TEST(CutFolderTitle, TakesTheHeadingText) {
  const Cut cases[] = {
      {R"(<DT><H3 ADD_DATE="1" FOLDED>It's &amp; x</H3></DL>)", "",
       "It's &amp; x", R"(<DT><H3 ADD_DATE="1" FOLDED>It's &amp; x)"},
      {"<DT><H3 ></H3>", "", "", "<DT><H3 >"},
      {"x>y<DT><H3 >a</H3>", "", "a", "x>y<DT><H3 >a"},
      // Missing delimiters: nothing is cut, so the list test sees it all.
      {"<DT><H3 FOLDED>no end", "", "", "<DT><H3 FOLDED>no end"},
      {"<DT><H3 FOLDED", "", "", "<DT><H3 FOLDED"},
  };
  for (const Cut &c : cases) {
    const b2m::Line line = b2m::read_line(c.line);
    std::string_view seen = line.text;
    EXPECT_EQ(b2m::cut_folder_title(line, seen), c.title) << c.line;
    EXPECT_EQ(seen, c.seen) << c.line;
  }
}

TEST(CutLink, TakesFirstQuotedValueAndAnchorText) {
  const Cut cases[] = {
      {R"(<DT><A HREF="a.html" ADD_DATE="1">Today's</A></DL>)", "a.html",
       "Today's", R"(<DT><A HREF="a.html)"},
      {R"(<DT><A HREF="it's\n" ICON="d>x">t</A>)", R"(it's\n)", "x\">t",
       R"(<DT><A HREF="it's\n)"},
      {R"(<DT><A HREF="a">1</A><DT><A HREF="b">2</A>)", "a", "1",
       R"(<DT><A HREF="a)"},
      {R"(<DT><A HREF="">t</A>)", "", "t", R"(<DT><A HREF=")"},
      // Missing delimiters.
      {"<DT><H3>plain</H3>", "", "", "<DT><H3>plain</H3>"},
      {R"(<DT><A HREF="a.html>t</A>)", "", "", R"(<DT><A HREF="a.html>t</A>)"},
      {R"(<DT><A HREF="a" ADD)", "a", "", R"(<DT><A HREF="a)"},
      {R"(<DT><A HREF="a">title)", "a", "", R"(<DT><A HREF="a)"},
  };
  for (const Cut &c : cases) {
    const b2m::Line line = b2m::read_line(c.line);
    std::string_view seen = line.text;
    EXPECT_EQ(b2m::cut_link_address(line, seen), c.address) << c.line;
    EXPECT_EQ(b2m::cut_link_title(line), c.title) << c.line;
    EXPECT_EQ(seen, c.seen) << c.line;
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
  };
  for (const auto &c : cases) {
    const b2m::Line line = b2m::read_line(c.line);
    EXPECT_EQ(line.entry != b2m::npos, c.entry) << c.line;
    EXPECT_EQ(line.folder != b2m::npos, c.folder) << c.line;
    EXPECT_EQ(b2m::closes_list(line, line.text), c.closes) << c.line;
  }
}

} // namespace
