#include "util/strings.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "platform/text_encoding.h"
#include "util/maths.h"

namespace {

std::string Join(const std::vector<char32_t>& cps, std::size_t from, std::size_t count) {
  std::string out;
  for (std::size_t i = from; i < cps.size() && i < from + count; ++i) out += platform::FromCodePoint(cps[i]);
  return out;
}

}  // namespace

std::string ccUpperCase(const std::string& text) {
  std::string out = text;
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

int ccStringToInt(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n'))
    ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i < text.size() && text[i] == '%') {
    base = 2;
    ++i;
  }
  // Accumulate in unsigned arithmetic so a long number wraps like a 32-bit int instead of
  // overflowing.
  std::uint32_t value = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    int digit;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (base == 16 && c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else if (base == 16 && c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else {
      break;
    }
    if (digit >= base) break;
    value = value * static_cast<std::uint32_t>(base) + static_cast<std::uint32_t>(digit);
  }
  if (negative) value = 0u - value;
  return static_cast<int>(value);
}

int ccRound(double x) { return ccSaturatingInt(std::floor(x + 0.5)); }

float ccRoundFloat(float x, int places) {
  const double p = places > 0 ? std::trunc(std::pow(10.0, places)) : 1.0;
  return static_cast<float>(std::trunc(static_cast<double>(x) * p + 0.5) / p);
}

std::string ccRoundFloatToString(double x, int places) {
  const double p = places > 0 ? std::trunc(std::pow(10.0, places)) : 1.0;
  const long long n = static_cast<long long>(std::floor(x * p + 0.5));
  // The sign is kept apart from the digits so that numbers between -1 and 0 keep their leading
  // zero ("-0.05").
  std::string digits = std::to_string(n < 0 ? -n : n);
  while (static_cast<int>(digits.size()) <= places) digits = "0" + digits;
  if (places > 0) digits.insert(digits.size() - static_cast<std::size_t>(places), ".");
  return (n < 0 ? "-" : "") + digits;
}

std::string ccFormatNumber(double x, int decimals, int group, int width) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%#.17g", x);
  std::string s = buffer;
  std::size_t point = s.find('.');
  int d = point == std::string::npos ? static_cast<int>(s.size()) : static_cast<int>(point);
  if (decimals == 0) decimals = -1;
  const int keep = std::max(0, d + decimals + 1);
  if (keep < static_cast<int>(s.size())) s.resize(static_cast<std::size_t>(keep));
  if (group > 0) {
    while (d > group) {
      d -= group;
      s.insert(static_cast<std::size_t>(d), ",");
    }
  }
  if (width != 0) {
    const int w = width + decimals + 1;
    if (static_cast<int>(s.size()) > w) s = "Error";
    if (w <= 0) return "";
    if (static_cast<int>(s.size()) < w) {
      s = std::string(static_cast<std::size_t>(w) - s.size(), ' ') + s;
    } else {
      s = s.substr(s.size() - static_cast<std::size_t>(w));
    }
  }
  return s;
}

std::string ccIntToStringWithSign(int n) { return (n > 0 ? "+" : "") + std::to_string(n); }

std::string ccPadWithZeros(const std::string& s, int length) {
  std::string out = s;
  int count = platform::CharCount(out);
  while (count < length) {
    out = "0" + out;
    ++count;
  }
  return out;
}

std::string ccPadWithChar(const std::string& s, int length, const std::string& c) {
  if (c.empty()) return s;
  std::string out = s;
  const int step = platform::CharCount(c);
  int count = platform::CharCount(out);
  while (count < length) {
    out += c;
    count += step;
  }
  return out;
}

int ccMillisecsToMinutes(float ms, int& minutes, int& seconds) {
  double t = static_cast<double>(ms) / 1000.0;
  bool negative = false;
  if (!(t >= 0)) {
    t = std::fabs(t);
    negative = true;
  }
  minutes = static_cast<int>(std::floor(t / 60.0));
  seconds = static_cast<int>(std::floor(t - minutes * 60.0));
  if (negative) {
    minutes = -minutes;
    seconds = -seconds;
  }
  return 0;
}

std::string ccTimeTo12Hour(const std::string& time) {
  int h = ccStringToInt(time.substr(0, std::min<std::size_t>(2, time.size())));
  std::string suffix = "am";
  if (h >= 12) {
    suffix = "pm";
    h -= 12;
  }
  if (h == 0) h = 12;
  return std::to_string(h) + (time.size() > 2 ? time.substr(2) : "") + suffix;
}

std::string ccFirstString(const std::string& s) { return ccFirstStringToSub(s, ","); }

std::string ccFirstStringToSub(const std::string& s, const std::string& sub) {
  const std::size_t at = s.find(sub);
  return at == std::string::npos ? s : s.substr(0, at);
}

std::string ccFirstStringToSubChop(std::string& s, const std::string& sub) {
  const std::size_t at = s.find(sub);
  if (at == std::string::npos || sub.empty()) {
    std::string all = s;
    s.clear();
    return all;
  }
  std::string first = s.substr(0, at);
  s = s.substr(at + sub.size());
  return first;
}

std::string ccLastStringToSub(const std::string& s, const std::string& sub) {
  const std::size_t at = s.find(sub);
  return at == std::string::npos ? "" : s.substr(at + sub.size());
}

std::string ccMid(const std::string& s, int start, int count) {
  if (count < 0) return "";
  if (start < 1) {
    count -= 1 - start;
    start = 1;
  }
  if (count <= 0) return "";
  const std::vector<char32_t> cps = platform::CodePoints(s);
  if (start > static_cast<int>(cps.size())) return "";
  return Join(cps, static_cast<std::size_t>(start - 1), static_cast<std::size_t>(count));
}

int ccCopyStringArray(const std::vector<std::string>& source, std::vector<std::string>& target,
                      int from, int to) {
  if (to == -1) to = static_cast<int>(source.size()) - 1;
  std::vector<std::string> result;
  if (from <= to && to >= 0) {
    result.resize(static_cast<std::size_t>(to) + 1);
    for (int i = std::max(from, 0); i <= to && i < static_cast<int>(source.size()); ++i) {
      result[static_cast<std::size_t>(i)] = source[static_cast<std::size_t>(i)];
    }
  }
  target = std::move(result);
  return 0;
}

std::vector<std::string> ccRemoveStringArraySlots(const std::vector<std::string>& array, int first,
                                                  int last) {
  std::vector<std::string> result;
  for (int i = 0; i < static_cast<int>(array.size()); ++i) {
    if (i >= first && i <= last) continue;
    result.push_back(array[static_cast<std::size_t>(i)]);
  }
  return result;
}

int ccSortIntArray(std::vector<int>& array, int ascending) {
  if (ascending != 0) {
    std::sort(array.begin(), array.end());
  } else {
    std::sort(array.begin(), array.end(), [](int a, int b) { return a > b; });
  }
  return 0;
}

int ccListStringIndex(const std::list<std::string>& list, const std::string& text) {
  int index = 0;
  for (const auto& entry : list) {
    if (entry == text) return index;
    ++index;
  }
  return -1;
}

int ccListStringIndex(const std::vector<std::string>& list, const std::string& text) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (list[i] == text) return static_cast<int>(i);
  }
  return -1;
}
