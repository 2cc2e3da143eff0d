// Every input the tests keep, including what the fuzzer once found, gives
// a well-formed menu.js.
#include "convert.hpp"
#include "menu_shape.hpp"
#include "test_files.hpp"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

TEST(Shape, HoldsForEveryKeptInput) {
  int files = 0;
  for (const char *dir : {B2M_TESTS "/corpus", B2M_TESTS "/data",
                          B2M_TESTS "/fuzz_regressions"}) {
    for (const auto &f : fs::directory_iterator(dir)) {
      const std::string bytes = test_files::slurp(f.path());
      EXPECT_EQ(shape::problem(b2m::convert(bytes)), "") << f.path();
      ++files;
    }
  }
  EXPECT_GT(files, 25);
}

TEST(Shape, RejectsWhatTheWriterNeverGives) {
  const char *bad[] = {
      "",
      "var MAX = 2;\r\n",
      "\tref[1] = 'a';\r\n\tnam[1] = 'b';\r\n\tpar[1] = 0;\r\nvar MAX = 1;\r\n",
      "ref[1] = 'it's';\r\nnam[1] = '';\r\npar[1] = 0;\r\nvar MAX = 2;\r\n",
      "ref[1] = 'a\\';\r\nnam[1] = '';\r\npar[1] = 0;\r\nvar MAX = 2;\r\n",
      "ref[1] = 'a\\'';\r\nnam[1] = '';\r\npar[1] = 0;\r\nvar MAX = 2;\r\n",
      "ref[1] = 'a\r';\r\nnam[1] = '';\r\npar[1] = 0;\r\nvar MAX = 2;\r\n",
      "ref[1] = 'a';\r\n\tnam[1] = '';\r\npar[1] = 0;\r\nvar MAX = 2;\r\n",
      "ref[1] = 'a';\r\nnam[1] = '';\r\npar[1] = 1;\r\nvar MAX = 2;\r\n",
      "ref[1] = 'a';\r\npar[1] = 0;\r\nnam[1] = '';\r\nvar MAX = 2;\r\n",
      "var MAX = 1;\n",
  };
  for (const char *menu : bad)
    EXPECT_NE(shape::problem(menu), "") << menu;
  EXPECT_EQ(shape::problem("ref[1] = 'a\\x27\\x5c\\x0d';\r\nnam[1] = '';\r\n"
                           "par[1] = 0;\r\nvar MAX = 2;\r\n"),
            "");
}
