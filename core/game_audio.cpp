// Music, sound effects, speech, the channel pool and the sound driver.
#include <algorithm>
#include <cmath>

#include "core/fixed_rate_logic.h"
#include "core/game.h"
#include "core/game_fade.h"
#include "core/globals.h"
#include "core/upper_layer.h"
#include "platform/audio.h"
#include "util/files.h"

namespace {

float VolumeFactor(int volume) { return static_cast<float>(volume) / 100.0f; }

}  // namespace

int TGame::MusicLoad(const std::string& fileName, int looped) {
  if (Music != 0) {
    MusicStop();
    MusicSample = ccLoadSample(MusicPath + fileName, looped != 0 ? platform::SOUND_LOOP : 0);
  }
  MusicLooped = looped;
  MusicRestart = 1;
  MusicFileName = fileName;
  return 0;
}

int TGame::MusicStop() {
  if (Music != 0 && MusicChannel && MusicChannel->Playing()) {
    MusicChannel->Stop();
    MusicChannel = platform::AllocChannel();
  }
  MusicRestart = 1;
  return 0;
}

int TGame::MusicPlay(int fadeIn) {
  if (Music != 0 && MusicChannel && MusicSample) {
    MusicFadeInCounter =
        fadeIn != 0 ? CalcAnimLength(static_cast<int>(MusicFadeIn - 1.0f)) : 0.0f;
    MusicChannel->Play(MusicSample, true);
    MusicFadeInApply();
    MusicChannel->Resume();
    MusicRestart = 0;
    MusicStopped = 0;
  } else if (Music == 0) {
    MusicRestart = 1;
  }
  MusicName = MusicFileName;
  return 0;
}

int TGame::MusicNone() {
  MusicFileName = "none";
  MusicName = "none";
  MusicRestart = 1;
  return 0;
}

float TGame::MusicFadeInCalc() {
  const int length = static_cast<int>(CalcAnimLengthFromFloat(MusicFadeIn));
  if (length <= 0) return 1.0f;
  return (static_cast<float>(length) - MusicFadeInCounter) / static_cast<float>(length);
}

int TGame::MusicFadeInApply() {
  const float ratio = MusicFadeIn > 0 ? MusicFadeInCalc() : 1.0f;
  if (MusicChannel) MusicChannel->SetVolume(ratio * VolumeFactor(MusicVolume));
  return 0;
}

int TGame::MusicFadeInManage() {
  if (MusicFadeInCounter > 0) {
    MusicFadeInCounter = std::max(0.0f, MusicFadeInCounter - Delta);
    MusicFadeInApply();
  }
  return 0;
}

int TGame::MusicSetVolume(int volume, int save) {
  MusicVolume = std::clamp(volume, 0, 100);
  if (MusicChannel) MusicChannel->SetVolume(VolumeFactor(MusicVolume));
  if (save == 1) {
    IniUpdate(1);
    FixedRateLogic->Init();
  }
  return 0;
}

int TGame::MusicChangeVolume(int step) {
  return MusicSetVolume(std::clamp(MusicVolume + step, 0, 100), 1);
}

int TGame::ToggleMusic() {
  if (Paused != 0) return 0;
  if (Music != 0) {
    MusicOff();
  } else {
    MusicOn();
  }
  IniUpdate(1);
  FixedRateLogic->Init();
  return 0;
}

int TGame::MusicOff() {
  if (MusicRestart != 0) {
    // No track runs: the switch still goes off, and the track waits to be started afresh.
    if (Music == 0) return 0;
    Music = 0;
    return 1;
  }
  Music = 0;
  if (MusicChannel) MusicChannel->Pause();
  if (SpecialChannel) SpecialChannel->Pause();
  MusicRestart = 0;
  return 1;
}

int TGame::MusicOn() {
  if (Music == 1) return 0;
  Music = 1;
  if (MusicRestart == 1 || !MusicChannel) {
    // "none" names no track: there is nothing to load or play.
    if (MusicFileName != "none") {
      MusicLoad(MusicFileName, MusicLooped);
      if (MusicName != "none") MusicPlay(1);
    }
  } else {
    if (MusicLooped != 0 || MusicStopped == 0) MusicChannel->Resume();
    if (SpecialChannel) SpecialChannel->Resume();
  }
  return 1;
}

int TGame::ChannelsCreate(int count) {
  Channels = Upper->CreateChannels(count);
  return 0;
}

int TGame::ChannelsKill() {
  if (Channels) {
    Upper->KillChannels(*Channels);
    Channels = nullptr;
  }
  return 0;
}

int TGame::ChangeSoundDriver(const std::string& name, int save) {
  std::string error;
  if (platform::AudioOpen(name, &error)) {
    AudioFailed = 0;
  } else {
    // No output this run; the player's choice stays in the settings for the next start.
    AudioFailed = name == "None" ? 0 : 1;
  }
  SoundDriver = name;
  IniUpdate(save);
  FixedRateLogic->Init();
  return 0;
}

int TGame::SoundPlay(const platform::SoundRef& sound) {
  if (Sound == 0 || !sound) return 0;
  platform::ChannelRef channel = platform::AllocChannel();
  if (!channel) return 0;
  channel->Play(sound, true);
  channel->SetVolume(VolumeFactor(SoundVolume));
  channel->Resume();
  return 0;
}

int TGame::SoundPlaySameChannel(platform::ChannelRef& channel, const platform::SoundRef& sound) {
  if (Sound == 0 || !sound) return 0;
  if (channel && channel->Playing()) channel->SetVolume(0.1f);
  if (!channel) channel = platform::AllocChannel();
  if (!channel) return 0;
  channel->Play(sound, true);
  channel->SetVolume(VolumeFactor(SoundVolume));
  channel->Resume();
  return 0;
}

int TGame::SoundPlayReturnChannel(platform::ChannelRef& channel, const platform::SoundRef& sound,
                                  float rate) {
  if (Sound == 0 || !sound) return 0;
  if (channel && channel->Playing()) channel->SetVolume(0.1f);
  channel = platform::AllocChannel();
  if (!channel) return 0;
  channel->Play(sound, true);
  channel->SetVolume(VolumeFactor(SoundVolume));
  channel->SetRate(rate);
  channel->Resume();
  return 0;
}

int TGame::GameSoundPlay(platform::ChannelRef& channel, const TSoundToPlay& sound, float pan) {
  if (Sound == 0 || !sound.sound) return 0;
  if (channel && channel->Playing()) {
    channel->SetVolume(0.1f);
    channel->Stop();
  }
  // An empty channel variable receives the channel the sound plays on, so the caller can stop
  // or fade it later and nothing plays unheard.
  if (!channel) channel = platform::AllocChannel();
  if (!channel) return 0;
  channel->Play(sound.sound, true);
  float volume = VolumeFactor(SoundVolume) * sound.volume;
  if (GameFade->Active != 0) volume *= GameFade->Ratio;
  channel->SetVolume(volume);
  channel->SetPan(pan);
  channel->SetRate(sound.pitch);
  channel->Resume();
  return 0;
}

int TGame::GameSoundPlay(platform::ChannelRef& channel, const platform::SoundRef& sound,
                         float volume, float pitch, float pan) {
  return GameSoundPlay(channel, TSoundToPlay{sound, pitch, volume}, pan);
}

int TGame::SoundSetVolume(int volume, int save) {
  SoundVolume = std::clamp(volume, 0, 100);
  if (save == 1) {
    IniUpdate(1);
    FixedRateLogic->Init();
  }
  return 0;
}

int TGame::SoundChangeVolume(int step) {
  return SoundSetVolume(std::clamp(SoundVolume + step, 0, 100), 1);
}

int TGame::ToggleSound() {
  if (Sound != 0) {
    SoundOff();
  } else {
    SoundOn();
  }
  IniUpdate(1);
  FixedRateLogic->Init();
  return 0;
}

int TGame::SoundOff() {
  Sound = 0;
  return 0;
}

int TGame::SoundOn() {
  Sound = 1;
  return 0;
}

int TGame::SpeechStop() {
  if (Speech != 0 && SpeechChannel && SpeechChannel->Playing()) {
    SpeechChannel->Stop();
    SpeechChannel = platform::AllocChannel();
  }
  return 0;
}

int TGame::SpeechPlay(const TSoundToPlay& sound, int interrupt) {
  if (Speech == 0 || !SpeechChannel || !sound.sound) return 0;
  if (SpeechChannel->Playing() && interrupt == 0) return 0;
  SpeechChannel->Play(sound.sound, true);
  SpeechChannel->SetVolume(VolumeFactor(SpeechVolume));
  SpeechChannel->Resume();
  SpeechStopped = 0;
  return 0;
}

int TGame::SpeechSetVolume(int volume, int save) {
  SpeechVolume = std::clamp(volume, 0, 100);
  if (SpeechChannel) SpeechChannel->SetVolume(VolumeFactor(SpeechVolume));
  if (save == 1) {
    IniUpdate(1);
    FixedRateLogic->Init();
  }
  return 0;
}

int TGame::SpeechChangeVolume(int step) {
  return SpeechSetVolume(std::clamp(SpeechVolume + step, 0, 100), 1);
}

int TGame::SpeechOff() {
  Speech = 0;
  if (SpeechChannel) SpeechChannel->Pause();
  return 1;
}

int TGame::SpeechOn() {
  if (Speech == 1) return 0;
  Speech = 1;
  if (SpeechChannel && SpeechStopped == 0) SpeechChannel->Resume();
  return 1;
}

int TGame::StopChannels() {
  if (MusicChannel) MusicChannel->Stop();
  MusicChannel = platform::AllocChannel();
  if (SpeechChannel) SpeechChannel->Stop();
  SpeechChannel = platform::AllocChannel();
  return 0;
}

int TGame::SetEscapeSound(const std::string& name) {
  auto sound = std::make_shared<TSoundToPlay>();
  sound->sound = ccLoadSample(SoundPath + name + ".wav", 0);
  EscapeSound = sound;
  return 0;
}

int TGame::EscapeSoundPlay() {
  if (EscapeSound) GameSoundPlay(EscapeChannel, *EscapeSound, 0.0f);
  return 0;
}
