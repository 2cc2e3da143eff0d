#include "bookmark_line.hpp"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

namespace {

TEST(TakeLine, SplitsAtLineFeedsOnly) {
  struct Case {
    std::string text, line, left;
  } cases[] = {
      {"a\nb", "a", "b"},       {"a\r\nb", "a", "b"},
      {"a\r\r\n", "a\r", ""}, // only the CR right before the feed goes
      {"a\rb\n", "a\rb", ""},   {"\n", "", ""},
      {"a\0b\n"s, "a\0b"s, ""},
  };
  for (const Case &c : cases) {
    std::string_view text = c.text, line;
    ASSERT_TRUE(b2m::take_line(text, line)) << c.text;
    EXPECT_EQ(line, c.line);
    EXPECT_EQ(text, c.left);
  }
  std::string_view tail = "no feed\r", line;
  EXPECT_FALSE(b2m::take_line(tail, line));
  EXPECT_EQ(tail, "no feed\r");
}

TEST(EndMarks, EndTheTextOrTheLine) {
  EXPECT_EQ(b2m::before_end_mark("a\nb\x1a<DT>\x1a"), "a\nb");
  EXPECT_EQ(b2m::before_end_mark(""), "");
  EXPECT_EQ(b2m::line_text("<DT>\0<H3 >"s), "<DT>");
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
    std::string_view seen = c.line;
    EXPECT_EQ(b2m::cut_folder_title(seen), c.title) << c.line;
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
    std::string_view seen = c.line, rest;
    EXPECT_EQ(b2m::cut_link_address(seen, rest), c.address) << c.line;
    EXPECT_EQ(b2m::cut_link_title(rest), c.title) << c.line;
    EXPECT_EQ(seen, c.seen) << c.line;
  }
}

TEST(Markers, AreExactAndCaseSensitive) {
  const struct {
    const char *line;
    bool entry, folder, closes;
  } cases[] = {
      {"<DT><H3 FOLDED>x</H3>", true, true, false},
      {"<DT><H3>x</H3>", true, false, false},
      {"<dt><h3 >x</h3></dl>", false, false, false},
      {"</DL><p>", false, false, true},
      {"<DL><p>", false, false, false},
      {R"(<A HREF="x">y</A><DT><H3 >z</H3>)", true, true, false},
  };
  for (const auto &c : cases) {
    EXPECT_EQ(b2m::has_entry(c.line), c.entry) << c.line;
    EXPECT_EQ(b2m::is_folder(c.line), c.folder) << c.line;
    EXPECT_EQ(b2m::closes_list(c.line), c.closes) << c.line;
  }
}

} // namespace
