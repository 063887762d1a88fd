#pragma once
// The ambient animations of the course backgrounds: one TAmbientAnim per kind of figure (a flock
// of birds, a figure popping up at a spot, a shimmer), with its strip, timing, speeds, scale,
// fading and spawn chance, and the spots where it may appear. The play screen builds them when it
// loads a background, decides when and where to spawn, and kills them with the screen; each
// figure is a particle of AmbientParticles.

#include <memory>
#include <string>
#include <vector>

class TGameImage;
class TParticle;

// One spot where an animation may appear.
class TAmbientAnimCoords {
 public:
  int x = 0;
  int y = 0;
  float scale = 0.0f;
};

class TAmbientAnim {
 public:
  int AnimType = 0;  // 1 flock, 3 pop-up with a cooldown, 4 placed at hole start, 5 pop-up
  std::shared_ptr<TGameImage> Image;
  int Frames = 0;
  int RandomStartFrame = 0;
  int Duration = 0;          // ms of one run through the frames
  int DurationVaration = 0;  // ms; each figure's run time varies by up to this either way
  int Loop = 1;              // 1: repeats and lives LifeCounter ms; 0: ends after one run
  int LifeCounter = 0;       // ms; 0: no limit
  float SpeedX = 0.0f, SpeedXVariation = 0.0f;  // pixels per tick
  float SpeedY = 0.0f, SpeedYVariation = 0.0f;
  int RandomiseRotation = 0;
  float RotationSpeedMin = 0.0f, RotationSpeedMax = 0.0f;
  int Chance = 0;      // percent per test
  int ChanceTest = 0;  // ms between tests; 0: never tested
  float ChanceCounter = 0.0f;  // ticks gathered towards the next test (the play screen's)
  int CreateAtStart = 0;
  float Scale = 1.0f;
  float ScaleVariation = 0.0f;
  float ScaleSpeed = 0.0f;  // per tick
  int Fade = 0;             // 1: fade in 0.6, hold 1.8, fade out 0.6 run times
  int Layer = 0;
  std::shared_ptr<std::vector<std::shared_ptr<TAmbientAnimCoords>>> PossibleCoords;

  // A new animation of `animType` whose strip is Game->ImagePath + imageName + ".png", cut into
  // `frames` cells of cellWidth x cellHeight, centre-handled. A missing file is fatal.
  static std::shared_ptr<TAmbientAnim> Create(int animType, const std::string& imageName,
                                              int cellWidth, int cellHeight, int frames,
                                              int duration);
  int AddCoords(int x, int y, float scale);
  // Spawns one figure at (x, y) on AmbientParticles; flip mirrors it and its speed; a scale of
  // exactly 1.0 stands for the animation's own Scale.
  std::shared_ptr<TParticle> MakeParticle(int x, int y, int flip, float scale);
  // Lets go of the spots and the image; harmless twice.
  int Kill();
};
