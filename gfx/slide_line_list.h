#pragma once
// Slide lines that share one colour and are started, moved and drawn together.

#include <memory>
#include <string>
#include <vector>

#include "gfx/slide_line.h"

class TSlideLineList {
 public:
  std::vector<TSlideLineRef> Lines;
  std::shared_ptr<TColor> Color;  // black, alpha 1; shared by every line added

  TSlideLineList();
  TSlideLineRef Add(const std::string& text, int x1, int y1, int x2, int y2, int length);
  int Start();
  int Manage();
  int Draw();
};
