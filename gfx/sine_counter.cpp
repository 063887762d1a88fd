#include "gfx/sine_counter.h"

#include <cmath>
#include <numbers>

#include "core/globals.h"

int TSineCounter::Init(float startPoint, float endPoint, float speed) {
  StartPoint = startPoint;
  EndPoint = endPoint;
  Speed = speed;
  Counter = StartPoint;
  return 0;
}

int TSineCounter::Manage() {
  Counter += Speed * Delta;
  const float range = EndPoint - StartPoint;
  if (Counter >= EndPoint) Counter -= range;
  if (Counter < StartPoint) Counter += range;
  ratio = static_cast<float>(std::sin(Counter * std::numbers::pi / 180.0));
  return 0;
}
