#include "core/tracking_var.h"

#include "platform/graphics.h"

namespace {

std::string PadWithZeros(int value, int chars) {
  std::string text = std::to_string(value);
  const bool negative = value < 0;
  std::string digits = negative ? text.substr(1) : text;
  while (static_cast<int>(digits.size()) < chars) digits.insert(digits.begin(), '0');
  return negative ? "-" + digits : digits;
}

}  // namespace

int TTrackingVar::Init() {
  current = 0;
  maximum = 0;
  displayLimit = 999;
  displayLimitChars = static_cast<int>(std::to_string(displayLimit).size());
  return 0;
}

int TTrackingVar::Display(int x, int y) {
  platform::DrawText(GetDisplay(), static_cast<float>(x), static_cast<float>(y));
  return 0;
}

std::string TTrackingVar::GetDisplay() {
  return Label + PadWithZeros(current, displayLimitChars) + "/" +
         PadWithZeros(maximum, displayLimitChars);
}
