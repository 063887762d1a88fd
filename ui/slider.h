#pragma once
// A horizontal percentage control: a bar picture with a dot that marks a value from 0 to 100. The
// player sets it by holding any mouse button with the pointer on or near the bar.

#include <memory>
#include <string>

#include "gfx/sprite.h"

class TGameImage;

class TSlider : public TSprite {
 public:
  TSlider() = default;
  ~TSlider() override = default;
  TSlider(const TSlider&) = delete;
  TSlider& operator=(const TSlider&) = delete;

  std::string Ext = ".png";
  std::shared_ptr<TGameImage> DotImage;  // handle at its top-left corner
  int DotX = 0, DotY = 0;                // dot's top-left corner
  int MouseOver = 0;
  int Value = 0;    // 0 .. 100
  int Border = 0;   // pixels at each end of the bar outside the value range
  int BorderY = 5;  // how far the mouse zone reaches above and below the bar

  static std::shared_ptr<TSlider> CreateSpecial(const std::string& barName,
                                                const std::string& dotName, int x, int y,
                                                int border, const std::string& name, int borderY);
  virtual int Load(const std::string& barName, const std::string& dotName, const std::string& name);
  virtual int LoadImages(const std::string& barName, const std::string& dotName);
  // Clamps v to 0..100 and centres the dot on the value's point.
  virtual int SetValue(int v);
  // 1 when a held button inside the zone set the value in this tick.
  virtual int Manage();

  int Init() override;
  int Draw() override;
};
