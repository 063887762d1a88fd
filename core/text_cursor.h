#pragma once
// A position for lines of debug text.

#include <string>

class TTextCursor {
 public:
  int x = 0;
  int y = 0;
  int linegap = 20;
  int Shadow = 0;  // 1: lines are drawn with a drop shadow

  int Init(int x, int y, int linegap);
  int NewLine();
  int Output(const std::string& text);
  int OutputNL(const std::string& text);
};
