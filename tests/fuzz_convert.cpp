// libFuzzer target: the whole conversion on arbitrary bytes, in memory.
#include "convert.hpp"
#include "menu_shape.hpp"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data,
                                      std::size_t size) {
  const std::string menu =
      b2m::convert({reinterpret_cast<const char *>(data), size});
  const std::string problem = shape::problem(menu);
  if (!problem.empty()) {
    std::fprintf(stderr, "malformed menu.js: %s\n", problem.c_str());
    std::abort();
  }
  return 0;
}
