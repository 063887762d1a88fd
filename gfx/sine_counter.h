#pragma once
// An angle in degrees that advances by `Speed` each logic tick, wraps round within
// [StartPoint, EndPoint) and keeps the sine of its value: the pulse of every throbbing glow.

class TSineCounter {
 public:
  float Counter = 0.0f;     // current angle, degrees
  float Speed = 1.0f;       // degrees per logic tick (negative runs backwards)
  float StartPoint = 0.0f;  // lower end of the range, degrees
  float EndPoint = 360.0f;  // upper end of the range, degrees
  float ratio = 0.0f;       // sine of Counter after the last Manage

  // Sets the range and speed and puts Counter at the start; `ratio` keeps its value.
  int Init(float startPoint, float endPoint, float speed);
  // One logic tick scaled by Delta; corrects by at most one range per tick.
  int Manage();
};
