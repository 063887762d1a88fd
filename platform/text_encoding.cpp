#include "platform/text_encoding.h"

namespace platform {

namespace {

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Decodes one code point at `i`, advancing it. A byte that does not start a well-formed sequence
// is taken as a Latin-1 character on its own, so stray bytes never vanish.
char32_t DecodeOne(const std::string& s, std::size_t& i) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  if (b0 < 0x80) {
    ++i;
    return b0;
  }
  int extra = 0;
  char32_t cp = 0;
  if ((b0 & 0xE0) == 0xC0) {
    extra = 1;
    cp = b0 & 0x1F;
  } else if ((b0 & 0xF0) == 0xE0) {
    extra = 2;
    cp = b0 & 0x0F;
  } else if ((b0 & 0xF8) == 0xF0) {
    extra = 3;
    cp = b0 & 0x07;
  } else {
    ++i;
    return b0;
  }
  if (i + static_cast<std::size_t>(extra) >= s.size()) {
    ++i;
    return b0;
  }
  for (int k = 1; k <= extra; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) {
      ++i;
      return b0;
    }
    cp = (cp << 6) | (b & 0x3F);
  }
  // Overlong forms and surrogates are not UTF-8: keep the lead byte as Latin-1.
  static constexpr char32_t kMin[4] = {0, 0x80, 0x800, 0x10000};
  if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    ++i;
    return b0;
  }
  i += static_cast<std::size_t>(extra) + 1;
  return cp;
}

std::string Utf16BytesToUtf8(const std::vector<unsigned char>& bytes, std::size_t start,
                             bool big_endian) {
  std::u16string units;
  for (std::size_t i = start; i + 1 < bytes.size(); i += 2) {
    const unsigned hi = big_endian ? bytes[i] : bytes[i + 1];
    const unsigned lo = big_endian ? bytes[i + 1] : bytes[i];
    units += static_cast<char16_t>((hi << 8) | lo);
  }
  return Utf16ToUtf8(units);
}

}  // namespace

std::string Latin1ToUtf8(const std::string& bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const char c : bytes) AppendUtf8(out, static_cast<unsigned char>(c));
  return out;
}

std::string Utf8ToLatin1(const std::string& utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (const char32_t cp : CodePoints(utf8)) out += static_cast<char>(cp & 0xFF);
  return out;
}

std::string Utf16ToUtf8(const std::u16string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t cp = text[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    }
    AppendUtf8(out, cp);
  }
  return out;
}

std::u16string Utf8ToUtf16(const std::string& utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  for (char32_t cp : CodePoints(utf8)) {
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (cp >> 10));
      out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    } else {
      out += static_cast<char16_t>(cp);
    }
  }
  return out;
}

std::string DecodeText(const std::vector<unsigned char>& bytes) {
  if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
    return Utf16BytesToUtf8(bytes, 2, false);
  }
  if (bytes.size() >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) {
    return Utf16BytesToUtf8(bytes, 2, true);
  }
  if (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) {
    // Re-encode through the decoder so malformed bytes become characters, never invalid UTF-8.
    std::string raw(bytes.begin() + 3, bytes.end());
    std::string out;
    for (const char32_t cp : CodePoints(raw)) AppendUtf8(out, cp);
    return out;
  }
  return Latin1ToUtf8(std::string(bytes.begin(), bytes.end()));
}

std::vector<char32_t> CodePoints(const std::string& utf8) {
  std::vector<char32_t> out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) out.push_back(DecodeOne(utf8, i));
  return out;
}

std::string FromCodePoint(char32_t cp) {
  std::string out;
  AppendUtf8(out, cp);
  return out;
}

int CharCount(const std::string& utf8) {
  int count = 0;
  std::size_t i = 0;
  while (i < utf8.size()) {
    DecodeOne(utf8, i);
    ++count;
  }
  return count;
}

}  // namespace platform
