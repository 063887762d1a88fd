#pragma once
// A drop-shadow setting (offset and opacity) handed to text and image drawing and kept by fonts,
// dialogs and list boxes. Sprites carry shadow fields of their own instead.

#include <memory>

#include "util/types.h"

class TShadow : public ccDropShadow {
 public:
  float X = 1.0f;      // horizontal offset of the shadow, pixels
  float Y = 1.0f;      // vertical offset, pixels
  float Alpha = 0.5f;  // opacity of the shadow (for text: a factor of the text's opacity)

  static std::shared_ptr<TShadow> Create(float x, float y, float alpha);
  int Init(float x, float y, float alpha);
  // Makes this the shadow of all shadowed text drawn afterwards (the utility library's text globals).
  int ApplyToText() const;
  int Copy(const TShadow& other);
  float ShadowX() const override { return X; }
  float ShadowY() const override { return Y; }
  // Drawing state of a shadow pass: black at `Alpha`.
  int Apply() override;
  // Drawing state after a shadow pass: white at opacity 1, whatever was set before Apply.
  int Restore() override;
};
