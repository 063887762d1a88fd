#include "gfx/ambient_sound.h"

#include "core/game.h"
#include "core/globals.h"
#include "gfx/channel_array.h"
#include "gfx/globals.h"
#include "gfx/sound_bank.h"

int TAmbientSounds::Init(int interval, int chance) {
  SoundCounterMax = static_cast<int>(Game->CalcAnimLength(interval));
  SoundCounter = static_cast<float>(SoundCounterMax);
  Chance = chance;
  return 0;
}

int TAmbientSounds::AddSound(const std::shared_ptr<TGameSound>& sound) {
  if (TotalSounds < 0 || TotalSounds >= MAX_SOUNDS) return -1;
  Sounds[TotalSounds] = sound;
  ++TotalSounds;
  return 0;
}

int TAmbientSounds::Fill(const std::string& prefix, int count, const std::string& ext) {
  for (int i = 0; i < count; ++i) {
    if (AddSound(TGameSound::Create(prefix + std::to_string(i) + ext, 0)) != 0) break;
  }
  return 0;
}

int TAmbientSounds::Manage() {
  // A set without sounds (never filled, or killed) has nothing to play.
  if (TotalSounds <= 0) return 0;
  SoundCounter -= Delta;
  if (SoundCounter > 0) return 0;
  // An interval under one tick would never bring the counter above 0 again.
  SoundCounter += static_cast<float>(SoundCounterMax > 0 ? SoundCounterMax : 1);
  if (EffectsRandom.Rand(1, 100) > Chance) return 0;
  const int index = EffectsRandom.Rand(0, TotalSounds - 1);
  const auto& sound = Sounds[index];
  if (sound && Game && Game->Channels) Game->Channels->PlayGameSound(sound, nullptr, 1.0f, 0.0f);
  return 0;
}

int TAmbientSounds::Kill() {
  for (int i = 0; i < TotalSounds && i < MAX_SOUNDS; ++i) Sounds[i] = nullptr;
  // Killed: Manage must find nothing to play.
  TotalSounds = 0;
  return 0;
}
