#pragma once
// One kind of ambient animation of a course background (a flock, a gopher, the beach shimmer):
// its strip, timing, chance and the places where it may appear.

#include <memory>
#include <string>
#include <vector>

class TGameImage;
class TParticle;

class TAmbientAnimCoords {
 public:
  int x = 0, y = 0;
  float scale = 1.0f;
};

class TAmbientAnim {
 public:
  int AnimType = 0;
  std::shared_ptr<TGameImage> Image;
  int Frames = 0;
  int RandomStartFrame = 0;
  int Duration = 0;
  int DurationVaration = 0;
  int Loop = 1;
  int LifeCounter = 0;
  float SpeedX = 0, SpeedXVariation = 0, SpeedY = 0, SpeedYVariation = 0;
  int RandomiseRotation = 0;
  float RotationSpeedMin = 0, RotationSpeedMax = 0;
  int Chance = 0;
  int ChanceTest = 0;
  float ChanceCounter = 0;
  int CreateAtStart = 0;
  float Scale = 1.0f, ScaleVariation = 0, ScaleSpeed = 0;
  int Fade = 0;
  int Layer = 0;
  std::shared_ptr<std::vector<std::shared_ptr<TAmbientAnimCoords>>> PossibleCoords;

  // The strip Game->ImagePath + image + ".png" cut into `frames` cells; fatal when missing.
  static std::shared_ptr<TAmbientAnim> Create(int kind, const std::string& image, int cellWidth,
                                              int cellHeight, int frames, int duration);
  int AddCoords(int x, int y, float scale);
  int Kill();
  // One particle of this animation at (x, y) in AmbientParticles, mirrored when flip is set.
  std::shared_ptr<TParticle> MakeParticle(int x, int y, int flip, float scale);
};
