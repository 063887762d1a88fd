#include "core/text_cursor.h"

#include "util/text_draw.h"

int TTextCursor::Init(int newX, int newY, int newLinegap) {
  x = newX;
  y = newY;
  linegap = newLinegap;
  return 0;
}

int TTextCursor::NewLine() {
  y += linegap;
  return 0;
}

int TTextCursor::Output(const std::string& text) {
  ccDrawText(text, static_cast<float>(x), static_cast<float>(y), Shadow, 0);
  return 0;
}

int TTextCursor::OutputNL(const std::string& text) {
  Output(text);
  return NewLine();
}
