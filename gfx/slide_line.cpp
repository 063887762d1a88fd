#include "gfx/slide_line.h"

#include "platform/graphics.h"
#include "util/types.h"

TSlideLine::TSlideLine() : Color(TColor::Create(0, 0, 0, 1.0f)) {}

int TSlideLine::InitLine(const std::string& t, int x1, int y1, int x2, int y2, int length) {
  Init(length, 0, 0, 0);
  text = t;
  StartX[0] = static_cast<float>(x1);
  StartY[0] = static_cast<float>(y1);
  EndX[0] = static_cast<float>(x2);
  EndY[0] = static_cast<float>(y2);
  CalcDistance();
  return 0;
}

int TSlideLine::AddPhaseSpecial(int x1, int y1, int x2, int y2, int length) {
  const int phase = TotalPhases;
  if (phase < 0 || phase >= PHASES) return -1;
  if (AddPhase(length) != 0) return -1;
  StartX[phase] = static_cast<float>(x1);
  StartY[phase] = static_cast<float>(y1);
  EndX[phase] = static_cast<float>(x2);
  EndY[phase] = static_cast<float>(y2);
  return 0;
}

int TSlideLine::CalcDistance() {
  const int p = CurrentPhase >= 0 && CurrentPhase < PHASES ? CurrentPhase : 0;
  DX = EndX[p] - StartX[p];
  DY = EndY[p] - StartY[p];
  return 0;
}

namespace {

int LastPhase(const TSlideLine& line) {
  const int last = line.TotalPhases - 1;
  return last < 0 ? 0 : (last >= TSlideLine::PHASES ? TSlideLine::PHASES - 1 : last);
}

// The timer's ratio, 1 at the start of the phase down to 0 at its end; 0 for a phase of 0 ticks.
float Ratio(const TSlideLine& line) {
  const int p = line.CurrentPhase;
  if (p < 0 || p >= TSlideLine::PHASES || line.Length[p] <= 0) return 0.0f;
  return line.Counter / line.Length[p];
}

}  // namespace

float TSlideLine::GetX() const {
  if (Active == 0) return EndX[LastPhase(*this)];
  return StartX[CurrentPhase] + (1.0f - Ratio(*this)) * DX;
}

float TSlideLine::GetY() const {
  if (Active == 0) return EndY[LastPhase(*this)];
  return StartY[CurrentPhase] + (1.0f - Ratio(*this)) * DY;
}

int TSlideLine::Manage() {
  if (TAnimation::Manage() != 0) CalcDistance();
  return 0;
}

int TSlideLine::Draw() {
  if (Color) Color->Apply();
  platform::DrawText(text, GetX(), GetY());
  platform::SetColor(255, 255, 255);
  platform::SetAlpha(1.0f);
  return 0;
}

int TSlideLine::AttachObject(std::shared_ptr<void> object) {
  AttachedObject = std::move(object);
  return 0;
}
