// The floor a converter cannot beat: reads the input in 64 KiB blocks,
// finds its line ends (a converter must at least do that), and writes
// menu.js of a given size in 64 KiB pieces, with no other parsing.
// Usage: floor INPUT MENU_SIZE
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

int main(int argc, char *argv[]) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: floor INPUT MENU_SIZE\n");
    return 2;
  }
  std::FILE *in = std::fopen(argv[1], "rb");
  std::FILE *out = std::fopen("menu.js", "wb");
  if (in == nullptr || out == nullptr) {
    std::perror("floor");
    return 1;
  }
  std::setvbuf(in, nullptr, _IONBF, 0);
  std::setvbuf(out, nullptr, _IONBF, 0);
  constexpr std::size_t block = 1 << 16;
  std::vector<char> buf(block, '\t');
  std::size_t left = std::strtoull(argv[2], nullptr, 10), got, lines = 0;
  // Output as the input goes, then what is left.
  while ((got = std::fread(buf.data(), 1, block, in)) != 0 || left != 0) {
    for (const char *p = buf.data(), *end = p + got;
         (p = static_cast<const char *>(std::memchr(p, '\n', end - p)));
         ++p)
      ++lines;
    const std::size_t n = std::min(left, block);
    if (std::fwrite(buf.data(), 1, n, out) != n)
      return 1;
    left -= n;
  }
  std::fclose(in);
  std::printf("%zu lines\n", lines);
  return std::fclose(out) == 0 ? 0 : 1;
}
