#include "play/play_support.h"

#include <cctype>

#include "cards/game_grid.h"
#include "cards/globals.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/sound_bank.h"
#include "platform/graphics.h"
#include "play/game_screen.h"
#include "play/globals.h"

namespace play_support {

float Ticks(int ms) { return Game ? Game->CalcAnimLength(ms) : static_cast<float>(ms) / 5.0f; }

float TicksF(float ms) { return Game ? Game->CalcAnimLengthFromFloat(ms) : ms / 5.0f; }

void PlaySound(const std::shared_ptr<TGameSound>& sound, float volume) {
  if (GameGrid && sound) GameGrid->PlaySound(sound, volume);
}

void PlayBankSound(const std::string& name, float volume) {
  if (!sounds || !GameGrid) return;
  // A look-up that does not report a missing name: the effect simply plays nothing.
  std::string key = name;
  for (auto& ch : key) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  for (const auto& s : sounds->Sounds)
    if (s && s->name == key) {
      GameGrid->PlaySound(s, volume);
      return;
    }
}

void DrawFrame(const std::shared_ptr<TGameImage>& image, float x, float y, int frame) {
  if (image && image->image) platform::DrawImage(image->image, x, y, frame);
}

int Detail() { return Game ? Game->Particles : 100; }

std::shared_ptr<TGameImage> Picture(ScreenPicture which) {
  if (!GameScreen) return nullptr;
  const TGameScreen& g = *GameScreen;
  switch (which) {
    case ScreenPicture::LongDrive: return g.LongDriveParticle;
    case ScreenPicture::Five: return g.FiveParticle;
    case ScreenPicture::X: return g.XParticle;
    case ScreenPicture::Multiplier: return g.MultiplierParticle;
    case ScreenPicture::Whack: return g.WhackParticle;
    case ScreenPicture::Leaf: return g.LeafParticle;
    case ScreenPicture::CardToIronMorph: return g.CardToIronMorph;
    case ScreenPicture::FullLengthIron: return g.FullLengthIron;
    case ScreenPicture::IronHead: return g.IronHead;
    case ScreenPicture::IronHandle: return g.IronHandle;
    case ScreenPicture::WaterHazardCleared: return g.WaterHazardClearedParticle;
  }
  return nullptr;
}

}  // namespace play_support
