#pragma once
// A line of text that travels along a chain of straight segments, one per timed phase.

#include <array>
#include <memory>
#include <string>

#include "util/animation.h"

class TColor;
class TSlideLine;
using TSlideLineRef = std::shared_ptr<TSlideLine>;

class TSlideLine : public TAnimation {
 public:
  static constexpr int PHASES = MAX_PHASES;

  std::array<float, PHASES> StartX{}, StartY{}, EndX{}, EndY{};
  float DX = 0.0f, DY = 0.0f;
  std::string text;
  std::shared_ptr<TColor> Color;
  std::shared_ptr<void> AttachedObject;

  TSlideLine();
  // One phase of `length` ms from (x1, y1) to (x2, y2); inactive until Start.
  int InitLine(const std::string& text, int x1, int y1, int x2, int y2, int length);
  // Appends a phase; returns -1 and adds nothing once all phases are used.
  int AddPhaseSpecial(int x1, int y1, int x2, int y2, int length);
  int CalcDistance();
  float GetX() const;
  float GetY() const;
  int Manage() override;
  int Draw();
  int AttachObject(std::shared_ptr<void> object);
};
