// The play effects' pictures, loaded once per visit, the eight particle layers emptied at each
// hole start, and the bitmap fonts of play made drawable ahead of use.

#include <cstdio>

#include "content/globals.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/bitmap_font.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/particle_list.h"
#include "play/game_screen.h"
#include "util/image.h"

int TGameScreen::LoadParticles() {
  auto file = [](const char* name, int flags) {
    return TGameImage::Create(Game->ImagePath + "particles/" + name, flags, 1);
  };
  PerfectParticle = file("perfect.png", -1);
  InvalidParticle = file("invalid.png", -1);
  ClearedParticle = file("cleared.png", -1);
  WedgeFoundParticle = file("wedgefound.png", -1);
  IronFoundParticle = file("ironfound.png", -1);
  WaterHazardClearedParticle = file("WaterHazardCleared.png", -1);
  LongDriveParticle = file("LongDrive.png", -1);
  FiveParticle = file(OwnsItem(7) ? "7.png" : "5.png", 7);
  XParticle = file("X.png", 7);
  MultiplierParticle = std::make_shared<TGameImage>();
  MultiplierParticle->LoadAnim(Game->ImagePath + "particles/Multiplier.png", 62, 76, 0, 11, -1, 1);
  ClickPlayableCardParticle = file("ClickAPlayableCard.png", -1);
  TimeUpParticle = file("TimeUp.png", -1);

  auto bank = [](const char* name) { return images ? images->Find(name) : nullptr; };
  FullLengthIron = bank("full_length_iron");
  IronHead = bank("iron_broken_head");
  IronHandle = bank("iron_broken_handle");
  LeafParticle = bank("leaf");
  WhackParticle = bank("whack");
  XRayingParticle = bank("xraying");

  long long ram = 0, vram = 0;
  for (const auto& image :
       {PerfectParticle, InvalidParticle, ClearedParticle, WedgeFoundParticle, IronFoundParticle,
        WaterHazardClearedParticle, LongDriveParticle, FiveParticle, XParticle, MultiplierParticle,
        ClickPlayableCardParticle, TimeUpParticle}) {
    ram += image->CalcRAM();
    vram += image->CalcVRAM();
  }
  std::printf("Particles: %lld   %lld\n", ram / 1024, vram / 1024);
  for (const auto& image :
       {PerfectParticle, InvalidParticle, ClearedParticle, WedgeFoundParticle, IronFoundParticle,
        WaterHazardClearedParticle, LongDriveParticle, FiveParticle, XParticle, MultiplierParticle,
        ClickPlayableCardParticle, TimeUpParticle})
    ccCreateFrames(image->image);

  ParticleImages[0] = bank("sparkle");
  ParticleImages[1] = bank("spark_line");
  ParticleImages[2] = bank("sparkle1small");
  ParticleImages[3] = bank("particlering");
  return 0;
}

int TGameScreen::ClearParticles() {
  for (const auto& layer : {AmbientParticles, BackgroundParticles, ::Particles, Particles2,
                            AnimatedParticles, ScoreParticles, IronParticles, DialogParticles})
    if (layer) layer->Clear();
  CurrentFloatingText.reset();
  return 0;
}

int TGameScreen::BitmapFontsPrecache() {
  for (const auto& font : {HintHeaderFont, LevelNameFont, BallFont, HintFont, WildshotFont})
    if (font) font->Precache();
  return 0;
}
