#include "util/word_wrap.h"

#include <algorithm>

#include "platform/graphics.h"
#include "util/globals.h"
#include "util/strings.h"

namespace {

// No wrapped line holds more bytes than this, whatever the font measures: a font whose glyphs
// measure nothing would otherwise keep a whole text on one line and measure it again for every
// word. The widest wrap in the game is under 800 pixels, which no font of ours fills with 1024
// bytes, so every line it wraps is as wide as its font says.
constexpr std::size_t kLongestLineBytes = 1024;

// Whether `text` fits on a line of `limit` pixels.
bool Fits(const ccImageFont& measure, const std::string& text, int limit) {
  return text.size() <= kLongestLineBytes && static_cast<int>(measure.TextWidth(text)) <= limit;
}

// Where to end the line that takes the part of `word` from byte `from` on, when that part is
// wider than `limit`: after the most whole characters that fit (at least one, so the word always
// shrinks), or after the last "/" or backslash among them when there is one, so that a path breaks
// between its folders. Only the first kLongestLineBytes bytes are looked at: the time stays linear
// in the word's length.
std::size_t BreakPoint(const ccImageFont& measure, const std::string& word, std::size_t from,
                       int limit) {
  std::vector<std::size_t> ends;  // where each character after the first ends its prefix
  const std::size_t last = std::min(word.size(), from + kLongestLineBytes + 1);
  for (std::size_t i = from + 1; i < last; ++i) {
    if ((static_cast<unsigned char>(word[i]) & 0xC0) != 0x80) ends.push_back(i);
  }
  // A prefix only widens as it grows, so the longest one that fits is found by halving.
  std::size_t low = 0, high = ends.size();
  while (low < high) {
    const std::size_t mid = (low + high + 1) / 2;
    if (Fits(measure, word.substr(from, ends[mid - 1] - from), limit)) {
      low = mid;
    } else {
      high = mid - 1;
    }
  }
  if (low == 0) return ends.empty() ? word.size() : ends[0];
  const std::size_t cut = ends[low - 1];
  for (std::size_t slash = cut - 1; slash > from; --slash) {
    if (word[slash] == '/' || word[slash] == '\\') return slash + 1;
  }
  return cut;
}

std::vector<std::string> Wrap(const std::vector<std::string>& lines, int width, int width2,
                              int switch_line, const std::shared_ptr<ccImageFont>& font,
                              bool break_words) {
  const std::shared_ptr<ccImageFont> measure = font ? font : ccGetImageFont();
  int limit = width;
  std::vector<std::string> out;
  auto append = [&](std::string line) {
    out.push_back(std::move(line));
    if (static_cast<int>(out.size()) == switch_line - 1) limit = width2;
  };
  // A line that starts with a word wider than the limit gives that word's leading parts lines of
  // their own, until what is left of it fits.
  auto break_wide = [&](std::string& current) {
    if (!break_words) return;
    std::size_t from = 0;
    const auto rest_fits = [&] {
      const std::size_t rest = current.size() - from;
      if (rest <= 1) return true;
      return rest <= kLongestLineBytes && Fits(*measure, current.substr(from), limit);
    };
    while (!rest_fits()) {
      const std::size_t cut = BreakPoint(*measure, current, from, limit);
      if (cut >= current.size()) break;
      append(current.substr(from, cut - from));
      from = cut;
    }
    current.erase(0, from);
  };
  std::string line, candidate;
  for (const std::string& input : lines) {
    if (input.empty()) {
      append("");
      continue;
    }
    // Two spaces in a row count as one.
    line.clear();
    for (std::size_t i = 0; i < input.size(); ++i) {
      if (input[i] == ' ' && i + 1 < input.size() && input[i + 1] == ' ') ++i;
      line += input[i];
    }
    // The words are walked in place, each looked at once: the time is linear in the text's length.
    std::size_t space = line.find(' ');
    std::string current = line.substr(0, space);
    break_wide(current);
    while (space != std::string::npos) {
      const std::size_t start = space + 1;
      space = line.find(' ', start);
      const std::size_t end = space == std::string::npos ? line.size() : space;
      // A run of three or more blanks leaves empty words: skip them and go on with the words after
      // the run rather than dropping the rest of the line.
      if (end == start) continue;
      candidate.assign(current).append(1, ' ').append(line, start, end - start);
      if (!Fits(*measure, candidate, limit)) {
        append(std::move(current));
        current.assign(line, start, end - start);
        break_wide(current);
      } else {
        current.swap(candidate);
      }
    }
    append(std::move(current));
  }
  return out;
}

}  // namespace

std::vector<std::string> ccSplitStringIntoLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t feed = text.find('\n', start);
    if (feed == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    std::size_t end = feed;
    if (end > start && text[end - 1] == '\r') --end;
    lines.push_back(text.substr(start, end - start));
    start = feed + 1;
  }
  return lines;
}

std::vector<std::string> ccWordWrapArray(const std::vector<std::string>& lines, int width,
                                         const std::shared_ptr<ccImageFont>& font) {
  return Wrap(lines, width, width, 0, font, false);
}

std::vector<std::string> ccWordWrapArrayStrict(const std::vector<std::string>& lines, int width,
                                               const std::shared_ptr<ccImageFont>& font) {
  return Wrap(lines, width, width, 0, font, true);
}

std::vector<std::string> ccWordWrapArraySpecial(const std::vector<std::string>& lines, int width,
                                                int width2, int switch_line,
                                                const std::shared_ptr<ccImageFont>& font) {
  return Wrap(lines, width, width2, switch_line, font, false);
}

int ccShadowTextWrapped(float x, float y, const std::vector<std::string>& lines, int centre,
                        int line_height) {
  const std::shared_ptr<ccImageFont> font = ccGetImageFont();
  if (line_height == 0) line_height = font->TextHeight("ABCXYZ");
  const int blend = platform::GetBlend();
  int r = 255, g = 255, b = 255;
  platform::GetColor(&r, &g, &b);
  platform::SetBlend(platform::BLEND_ALPHA);
  for (const std::string& line : lines) {
    float line_x = x;
    if (centre != 0) line_x -= static_cast<float>(static_cast<int>(font->TextWidth(line))) / 2.0f;
    platform::SetColor(0, 0, 0);
    platform::SetAlpha(ccShadowTextAlpha * ccTextAlpha);
    font->DrawText(line, line_x + ccShadowTextDepthX, y + ccShadowTextDepthY);
    platform::SetColor(r, g, b);
    platform::SetAlpha(ccTextAlpha);
    font->DrawText(line, line_x, y);
    y += static_cast<float>(line_height);
  }
  platform::SetBlend(blend);
  return 0;
}
