#include "screens/required_sound.h"

#include "gfx/globals.h"
#include "gfx/sound_bank.h"
#include "util/strings.h"
#include "util/error.h"

std::shared_ptr<TGameSound> RequiredSound(const std::string& name) {
  std::shared_ptr<TGameSound> sound = sounds ? sounds->Find(name) : nullptr;
  if (!sound) ccRunTimeError("Sound '" + ccUpperCase(name) + "' was not found in the SoundBank", 1);
  return sound;
}
