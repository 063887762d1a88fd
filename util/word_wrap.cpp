#include "util/word_wrap.h"

#include "platform/graphics.h"
#include "util/globals.h"
#include "util/strings.h"

namespace {

// No wrapped line holds more bytes than this, whatever the font measures: a font whose glyphs
// measure nothing would otherwise keep a whole text on one line and measure it again for every
// word. The widest wrap in the game is under 800 pixels, which no font of ours fills with 1024
// bytes, so every line it wraps is as wide as its font says.
constexpr std::size_t kLongestLineBytes = 1024;

std::vector<std::string> Wrap(const std::vector<std::string>& lines, int width, int width2,
                              int switch_line, const std::shared_ptr<ccImageFont>& font) {
  const std::shared_ptr<ccImageFont> measure = font ? font : ccGetImageFont();
  int limit = width;
  std::vector<std::string> out;
  auto append = [&](std::string line) {
    out.push_back(std::move(line));
    if (static_cast<int>(out.size()) == switch_line - 1) limit = width2;
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
    while (space != std::string::npos) {
      const std::size_t start = space + 1;
      space = line.find(' ', start);
      const std::size_t end = space == std::string::npos ? line.size() : space;
      // A run of three or more blanks leaves empty words: skip them and go on with the words after
      // the run rather than dropping the rest of the line.
      if (end == start) continue;
      candidate.assign(current).append(1, ' ').append(line, start, end - start);
      if (candidate.size() > kLongestLineBytes ||
          static_cast<int>(measure->TextWidth(candidate)) > limit) {
        append(std::move(current));
        current.assign(line, start, end - start);
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
  return Wrap(lines, width, width, 0, font);
}

std::vector<std::string> ccWordWrapArraySpecial(const std::vector<std::string>& lines, int width,
                                                int width2, int switch_line,
                                                const std::shared_ptr<ccImageFont>& font) {
  return Wrap(lines, width, width2, switch_line, font);
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
