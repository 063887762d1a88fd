#pragma once
// The drawable object of the whole game: an image with a position, a velocity, a frame animation,
// a scale and a rotation that can each run for a set time, an opacity, an optional tint, a drop
// shadow and an additive glow pass. The sprite has no per-tick method of its own: its owner calls,
// once per logic tick, whichever of Move (or MoveForward), ManageAnim, ManageScale, ManageRotation
// and ManageGlow it needs, and Draw once per frame. Speeds are per logic tick and every step is
// scaled by Delta; durations are milliseconds turned into whole ticks when they are set.
//
// Operations that call other operations go through the virtual functions, so overrides take part.

#include <functional>
#include <memory>
#include <string>

class TColor;
class TGameImage;
class TSineCounter;
class TSprite;
using TSpriteRef = std::shared_ptr<TSprite>;

class TSprite {
 public:
  // Glow modes (values of GlowMode).
  static constexpr int GLOW_NONE = 0;
  static constexpr int GLOW_STEADY = 1;
  static constexpr int GLOW_DECAY = 2;
  static constexpr int GLOW_PULSE = 3;

  std::string name;   // upper-cased by SetName
  int active = 0;     // for owners and subclasses; no sprite operation reads it
  int visible = 1;    // 0: DoDraw and DrawLight draw nothing
  float x = 0, y = 0;  // position of the image's handle, screen pixels
  float offx = 0, offy = 0;  // added while UseOffset is set
  int UseOffset = 0;
  float dx = 0, dy = 0;            // velocity for Move, pixels per tick
  float xspeed = 0, yspeed = 0;    // steps of MoveLeft/Right and MoveUp/Down
  float speed = 0;                 // forward speed of MoveForward
  float ygravity = 0;              // added to dy by Move, per tick, when positive
  int w = 0, h = 0;
  float w2 = 0, h2 = 0;
  std::shared_ptr<TGameImage> image;
  int RoundCoords = 0;  // 1: drawn at whole pixels
  int ImageFrame = 0;   // the frame drawn while no frame animation runs
  std::shared_ptr<TColor> Color;  // optional tint, applied without its alpha
  int Shadow = 0;
  float ShadowX = 3.0f, ShadowY = 3.0f;
  float ShadowAlpha = 0.5f;  // multiplied by Alpha
  int frame = 0;             // frame last worked out by ManageAnim
  int FramesTotal = 1;
  float AnimCounter = 0;     // position in the animation cycle, ticks
  int AnimLength = 1000;     // ticks
  int AnimCounterDir = 0;    // 1: the counter runs up during forward play
  int AnimReverse = 0;       // 1: frames play backwards
  float ScaleX = 1.0f, ScaleY = 1.0f;
  float BaseScaleX = 1.0f, BaseScaleY = 1.0f;
  float ScaleXSpeed = 0.1f, ScaleYSpeed = 0.1f;
  float ScaleCounter = 0;
  int ScaleLength = 1000;
  float Rotation = 0;  // degrees, clockwise
  float RotationSpeed = 1.0f;
  float RotationCounter = 0;
  int RotationLength = 1000;
  int UseAlpha = 1;
  float Alpha = 1.0f;
  int GlowMode = 0;
  float Glow = 0;
  float GlowSpeed = 0;
  float GlowMin = 0, GlowMax = 1.0f;
  float GlowRange = 1.0f;
  std::shared_ptr<TSineCounter> GlowCounter;
  std::shared_ptr<TGameImage> AlternativeImage;  // drawn instead of `image` during one DrawLight
  std::shared_ptr<TSineCounter> MiscSineCounter;
  float cx = 0, cy = 0;
  std::function<int(TSprite&)> AnimStoppedFunction;  // called each time the animation wraps round
  float ox = 0, oy = 0;

  TSprite();
  virtual ~TSprite() = default;
  TSprite(const TSprite&) = delete;
  TSprite& operator=(const TSprite&) = delete;

  static TSpriteRef Create(const std::shared_ptr<TGameImage>& image, float x, float y);
  // Loads Game->ImagePath + name + ".png" mid-handled; centre non-zero puts it mid-screen.
  static TSpriteRef CreateFromFile(const std::string& name, float x, float y, int centre, int flags);

  virtual int Init();
  virtual int SetName(const std::string& name);
  virtual int GetSize();
  virtual int SetImage(const std::shared_ptr<TGameImage>& image);
  virtual int Centre();
  virtual int CentreX(int y);
  virtual int StoreCentreCoords();
  virtual int StoreOriginalCoords();
  virtual int ScaleOriginalCoords();
  virtual float Width() const;
  virtual float Height() const;
  virtual int MoveLeft();
  virtual int MoveRight();
  virtual int MoveUp();
  virtual int MoveDown();
  virtual int Move();
  virtual int MoveOriginalCoords();
  virtual int MoveForward();
  virtual int Stop();
  virtual int BoundsCheck();
  virtual int OutOfBounds() const;
  virtual int ClearTransformations();
  virtual int ClearScale();
  virtual int ClearRotation();
  virtual int SetGlow(int mode, float glow, float speed, float min, float max);
  virtual int ManageGlow();
  virtual int SetShadow(int on, float x, float y, float alpha);
  virtual int SetPosition(float x, float y);
  virtual int SetScaleXY(float sx, float sy);
  virtual int SetupScale(float xSpeed, float ySpeed, int ms);
  virtual int ManageScale();
  virtual int SetupAnim(int frames, int ms, int dir, int reverse, int randomStart);
  virtual int RandomiseAnimPos();
  virtual int ManageAnim();
  virtual int AnimBoundsCheckLower();
  virtual int AnimBoundsCheckUpper();
  virtual int SetupRotation(float speed, int ms);
  virtual int ManageRotation();
  virtual int DrawShadow(const std::shared_ptr<TGameImage>& img, int frame, int scrolled);
  virtual int Draw();
  virtual int DoDraw();
  virtual int DrawNormal();
  virtual int DrawRounded();
  virtual int DrawWithOffset();
  virtual int DrawLight(float glow, float r, float g, float b,
                        const std::shared_ptr<TGameImage>& img);

  // The frame that drawing shows now: the animation's frame while AnimCounter > 0, else ImageFrame.
  int CurrentDrawFrame() const;

 private:
  // DrawNormal and DrawRounded: the shadow, then the picture at x, y (plus the offset when used),
  // rounded half up to whole pixels when asked.
  int DrawAtPosition(bool rounded);
};
