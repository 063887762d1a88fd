// util: word wrap of a long text value, as a damaged or oversized text table could hand a screen:
// 1 MB and 2 MB of words wrapped to 400 pixels in a fixed-width font. The time is linear in the
// text's length: the 2 MB run takes about twice the 1 MB one. Goals: 1 MB in 100 ms, 2 MB in at
// most 2.5 times the 1 MB time.
// Run: taskset -c 0,1 build/bench/word_wrap_bench [runs]
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "bench/bench_timing.h"
#include "platform/text_encoding.h"
#include "util/text_draw.h"
#include "util/word_wrap.h"

namespace {

// Every character 8 pixels wide: the wrap's own work, not a font's.
class FixedWidthFont : public ccImageFont {
 public:
  double TextWidth(const std::string& text) const override { return 8.0 * platform::CharCount(text); }
  int TextHeight(const std::string&) const override { return 16; }
  void DrawText(const std::string&, float, float) const override {}
  int GlyphIndex(char32_t c) const override { return static_cast<int>(c); }
  float GlyphAdvance(int) const override { return 8.0f; }
  int GlyphOffsetX(int) const override { return 0; }
  int GlyphOffsetY(int) const override { return 0; }
  void DrawGlyph(int, float, float) const override {}
};

std::string Text(std::size_t bytes) {
  static const char* const kWords[] = {"the", "ball", "rolled", "past", "a", "green", "and", "stopped"};
  std::string text;
  for (std::size_t i = 0; text.size() < bytes; ++i) {
    if (!text.empty()) text += ' ';
    text += kWords[i % 8];
  }
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  const auto font = std::make_shared<FixedWidthFont>();
  bench::Verdicts verdicts("word_wrap_bench");
  double one = 0, two = 0;
  for (const std::size_t megabytes : {1u, 2u}) {
    const std::vector<std::string> lines{Text(megabytes << 20)};
    std::vector<double> times;
    std::size_t wrapped = 0;
    for (int r = 0; r < runs; ++r)
      times.push_back(bench::TimeMs([&] { wrapped = ccWordWrapArray(lines, 400, font).size(); }));
    const double median = bench::Median(times);
    (megabytes == 1 ? one : two) = median;
    std::printf("word_wrap_bench: %zu MB to 400 px: %zu lines, median %.1f ms of %d runs\n",
                megabytes, wrapped, median, runs);
  }
  verdicts.AtMost("1 MB wrapped, median", one, 100, "ms");
  // Linear: twice the text, about twice the time.
  verdicts.AtMost("2 MB time over the 1 MB time", one > 0 ? two / one : 0, 2.5, "x");
  return verdicts.Status();
}
