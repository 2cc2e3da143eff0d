// The per-line step on the kinds of line an export is made of.
#include "convert.hpp"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void add_one_line(benchmark::State &state, const std::string &line) {
  b2m::MenuScript menu;
  b2m::init(menu);
  for (auto _ : state) {
    b2m::add_line(menu, b2m::read_line(line));
    menu.out.buffer.size = 0; // as if drained
    menu.depth = 0;    // folders would nest without end
  }
  state.SetBytesProcessed(state.iterations() *
                          static_cast<std::int64_t>(line.size()));
}

const std::string link =
    R"(        <DT><A HREF="https://www.example.org/a/b?id=1&amp;x=2" ADD_DATE="1700000000" LAST_MODIFIED="1700000077">Today's news &amp; more</A>)";
const std::string icon_link =
    R"(        <DT><A HREF="https://www.example.org/" ADD_DATE="1700000000" ICON="data:image/png;base64,)" +
    std::string(6000, 'Q') + R"(">Example</A>)";
const std::string folder =
    R"(    <DT><H3 ADD_DATE="1700000000" LAST_MODIFIED="1700000009">Research</H3>)";
const std::string close = "    </DL><p>";

BENCHMARK_CAPTURE(add_one_line, link, link);
BENCHMARK_CAPTURE(add_one_line, link_with_icon, icon_link);
BENCHMARK_CAPTURE(add_one_line, folder, folder);
BENCHMARK_CAPTURE(add_one_line, list_close, close);

} // namespace

BENCHMARK_MAIN();
