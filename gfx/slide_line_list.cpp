#include "gfx/slide_line_list.h"

#include "platform/graphics.h"
#include "util/types.h"

TSlideLineList::TSlideLineList() : Color(TColor::Create(0, 0, 0, 1.0f)) {}

TSlideLineRef TSlideLineList::Add(const std::string& text, int x1, int y1, int x2, int y2,
                                  int length) {
  auto line = std::make_shared<TSlideLine>();
  line->InitLine(text, x1, y1, x2, y2, length);
  line->Color = Color;
  Lines.push_back(line);
  return line;
}

int TSlideLineList::Start() {
  for (auto& line : Lines) line->Start();
  return 0;
}

int TSlideLineList::Manage() {
  for (auto& line : Lines) line->Manage();
  return 0;
}

int TSlideLineList::Draw() {
  for (auto& line : Lines) line->Draw();
  platform::SetColor(255, 255, 255);
  return 0;
}
