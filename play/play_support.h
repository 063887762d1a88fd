#pragma once
// Small helpers shared by the HUD and the play effects: milliseconds as logic ticks, the play
// field's sound pool, and drawing a frame of a bank image.

#include <memory>
#include <string>

class TGameImage;
class TGameSound;

namespace play_support {

// ms as logic ticks (TGame::CalcAnimLength; 200 ticks per second without an application object).
float Ticks(int ms);
float TicksF(float ms);
// Plays a sound through the play field's channel pool (nothing without a play field or sound).
void PlaySound(const std::shared_ptr<TGameSound>& sound, float volume = 1.0f);
// The same for a sound of the sound bank, found by name (nothing when the bank lacks it).
void PlayBankSound(const std::string& name, float volume = 1.0f);
// Frame `frame` of the image at (x, y) with the current drawing state (nothing for a null image).
void DrawFrame(const std::shared_ptr<TGameImage>& image, float x, float y, int frame = 0);
// The detail setting Game->Particles (100 without an application object).
int Detail();

// The play screen's effect pictures (none while it has not loaded them).
enum class ScreenPicture {
  LongDrive,
  Five,
  X,
  Multiplier,
  Whack,
  Leaf,
  CardToIronMorph,
  FullLengthIron,
  IronHead,
  IronHandle,
  WaterHazardCleared,
};
std::shared_ptr<TGameImage> Picture(ScreenPicture which);

}  // namespace play_support
