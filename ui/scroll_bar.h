#pragma once
// The scroll bar of a list: a thumb that slides along a straight track, an arrow button at each
// end and a value from 0 to a maximum that follows the thumb. The thumb is dragged while any mouse
// button is held; each click on an arrow moves the value by one step.

#include <memory>
#include <string>

class TGameImage;
class TMenu;

class TScrollBar {
 public:
  TScrollBar() = default;
  virtual ~TScrollBar() = default;
  TScrollBar(const TScrollBar&) = delete;
  TScrollBar& operator=(const TScrollBar&) = delete;

  std::shared_ptr<TGameImage> Slider;  // the thumb; handle at its top-left corner
  std::shared_ptr<TMenu> Menu;         // the two arrows, made by SetArrows
  int Vertical = 1;
  int Value = 0;               // ValuePrecise rounded half up
  double ValuePrecise = 0.0;   // 0 .. ValueMax
  double ValueStep = 1.0;      // one arrow click
  int Size = 0;                // track length in pixels
  double ValueMax = 0.0;       // never negative
  int SliderPosition = 0;      // thumb's distance from the start of the track, pixels
  int SliderSelected = 0;      // being dragged
  int SliderOffset = 0;        // where the thumb was grabbed, along the axis
  float X = 0.0f, Y = 0.0f;    // top-left corner of the track
  std::string UpName, DownName;
  int FixedGlowOnMO = 0;
  float SliderGlow = 0.0f;
  float GlowMax = 0.5f;
  float GlowSpeed = 0.02f;  // per logic tick
  float Scale = 1.0f;       // drawing only

  static std::shared_ptr<TScrollBar> Create(const std::shared_ptr<TGameImage>& slider, int size,
                                            double valueMax, float x, float y, int vertical);
  virtual int DisableButtons();
  virtual int Draw();
  virtual int Kill();
  virtual int Manage();
  // Arrow buttons named after their pictures; `ms` is their pressed-picture time.
  virtual int SetArrows(const std::string& upName, const std::string& downName, int ms);
  virtual int SliderSetPosition(double value);
  virtual int ValueCalc();
  virtual int ValueRound();

 private:
  int Travel() const;
  bool PointerOverThumb() const;
};
