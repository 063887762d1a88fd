#include "gfx/sound_bank.h"

#include "core/game.h"
#include "core/globals.h"
#include "gfx/file_names.h"
#include "gfx/globals.h"
#include "util/error.h"
#include "util/files.h"
#include "util/strings.h"

TGameSoundRef TGameSound::Create(const std::string& file, int flags) {
  auto snd = std::make_shared<TGameSound>();
  snd->Load(file, flags);
  return snd;
}

int TGameSound::Load(const std::string& file, int flags) {
  name = ccUpperCase(gfx_names::BaseName(file));
  sound = ccLoadSample(file, flags);
  return 0;
}

int TGameSound::PlayInChannel(platform::ChannelRef& channel, float pan) {
  if (!Game) return 0;
  return Game->GameSoundPlay(channel, *this, pan);
}

int TSoundBank::SetPath(const std::string& path) {
  Path = ccAddSlash(path);
  return 0;
}

int TSoundBank::Load(const std::string& file, float pitch, float volume, const std::string& name,
                     int flags) {
  auto snd = std::make_shared<TGameSound>();
  std::string ext = "." + gfx_names::Extension(file);
  if (ext == ".") ext = Ext;
  snd->Load(Path + gfx_names::WithoutExtension(file) + ext, flags);
  snd->pitch = pitch;
  snd->volume = volume;
  if (!name.empty()) snd->name = ccUpperCase(name);
  Sounds.push_back(snd);
  return 0;
}

TGameSoundRef TSoundBank::Find(const std::string& name) const {
  const std::string key = ccUpperCase(name);
  for (const auto& snd : Sounds)
    if (snd->name == key) return snd;
  if (ShowErrors != 0) ccRunTimeError("Sound '" + key + "' was not found in the SoundBank", 1);
  return nullptr;
}
