// Music, effects and speech against the recording silent audio.
#include "core_fixture.h"
#include "util/files.h"
#include "util/settings.h"

namespace {

int CountLog(const std::string& what, const std::string& sound) {
  int count = 0;
  for (const auto& record : platform::AudioLog()) {
    if (record.what == what && record.sound == sound) ++count;
  }
  return count;
}

float LastVolume(const std::string& sound) {
  float volume = -1;
  for (const auto& record : platform::AudioLog()) {
    if (record.what == "volume" && record.sound == sound) volume = record.value;
  }
  return volume;
}

}  // namespace

using MusicTest = CoreTest;

TEST_F(MusicTest, AFadedStartRisesFromOneFiftiethToFullInTenTicks) {
  Game->MusicVolume = 80;
  Game->MusicLoad("theme.wav", 1);
  Game->MusicPlay(1);
  EXPECT_FLOAT_EQ(Game->MusicFadeInCounter, 9.8f);
  EXPECT_NEAR(LastVolume("theme.wav"), 0.02f * 0.8f, 1e-5);
  EXPECT_EQ(Game->MusicRestart, 0);
  Delta = 1;
  for (int i = 0; i < 9; ++i) Game->MusicFadeInManage();
  EXPECT_LT(LastVolume("theme.wav"), 0.8f);
  Game->MusicFadeInManage();
  EXPECT_NEAR(LastVolume("theme.wav"), 0.8f, 1e-5);
}

TEST_F(MusicTest, WithMusicOffNothingLoadsUntilMusicIsSwitchedOn) {
  Game->MusicOff();
  platform::ClearAudioLog();
  Game->MusicLoad("theme.wav", 1);
  Game->MusicPlay(1);
  EXPECT_EQ(CountLog("load", "theme.wav"), 0);
  EXPECT_EQ(Game->MusicRestart, 1);
  EXPECT_EQ(Game->MusicOn(), 1);
  EXPECT_EQ(CountLog("load", "theme.wav"), 1);
  EXPECT_TRUE(Game->MusicChannel->Playing());
}

TEST_F(MusicTest, TheSwitchTurnsOffWhileNoTrackRunsAndNoneIsNeverLoaded) {
  Game->MusicLoad("theme.wav", 1);
  EXPECT_EQ(Game->MusicOff(), 1);
  EXPECT_EQ(Game->Music, 0);
  Game->MusicNone();
  platform::ClearAudioLog();
  EXPECT_EQ(Game->MusicOn(), 1);
  EXPECT_EQ(Game->Music, 1);
  for (const auto& record : platform::AudioLog()) EXPECT_NE(record.what, "load");
}

TEST_F(MusicTest, AOneShotTrackThatEndedStaysSilentWhenMusicComesBack) {
  Game->MusicLoad("jingle.wav", 0);
  Game->MusicPlay(0);
  platform::AdvanceManualClock(500);
  Game->CheckWindow();
  EXPECT_EQ(Game->MusicStopped, 1);
  Game->MusicOff();
  platform::ClearAudioLog();
  Game->MusicOn();
  EXPECT_EQ(CountLog("resume", "jingle.wav"), 0);
}

TEST_F(MusicTest, VolumesAreClampedAndSavedOnlyWithSaveOne) {
  Game->MusicSetVolume(150, 0);
  EXPECT_EQ(Game->MusicVolume, 100);
  EXPECT_FALSE(platform::FileExists(SubPath() + "inichanged.dat"));
  Game->MusicSetVolume(-5, 1);
  EXPECT_EQ(Game->MusicVolume, 0);
  EXPECT_TRUE(platform::FileExists(SubPath() + "inichanged.dat"));
  Game->SoundChangeVolume(-500);
  EXPECT_EQ(Game->SoundVolume, 0);
  Game->SpeechSetVolume(101, 0);
  EXPECT_EQ(Game->SpeechVolume, 100);
}

TEST_F(MusicTest, AnEffectDuringAFadeStartsAtTheFadedLevelAndKeepsItsChannel) {
  TSoundToPlay click{ccLoadSample(Game->SoundPath + "buttonclick.wav", 0), 1.0f, 1.0f};
  Game->SoundVolume = 80;
  Game->GameFade->Init(300, 1, nullptr, 0, 0);
  Game->GameFade->Counter = 30;
  Game->GameFade->CalcRatio();
  platform::ChannelRef channel;
  Game->GameSoundPlay(channel, click, 0.0f);
  ASSERT_TRUE(channel);
  EXPECT_TRUE(channel->Playing());
  EXPECT_NEAR(channel->Volume(), 0.4f, 1e-5);

  Game->Sound = 0;
  platform::ChannelRef silent;
  Game->GameSoundPlay(silent, click, 0.0f);
  EXPECT_FALSE(silent);
}

TEST_F(MusicTest, SpeechIsOnlyCutByAnInterruptingLine) {
  TSoundToPlay first{ccLoadSample(Game->SpeechPath + "hello.wav", 0), 1.0f, 1.0f};
  Game->SpeechPlay(first, 0);
  platform::ClearAudioLog();
  Game->SpeechPlay(first, 0);
  EXPECT_EQ(CountLog("cue", "hello.wav"), 0);
  Game->SpeechPlay(first, 1);
  EXPECT_EQ(CountLog("cue", "hello.wav"), 1);
}

TEST_F(MusicTest, TheEndOfEveryFadeStopsSpeech) {
  TSoundToPlay line{ccLoadSample(Game->SpeechPath + "hello.wav", 0), 1.0f, 1.0f};
  Game->SpeechPlay(line, 0);
  ASSERT_TRUE(Game->SpeechChannel->Playing());
  Game->GameFade->Init(300, 0, nullptr, 0, 0);
  Game->GameFade->Finish();
  EXPECT_FALSE(Game->SpeechChannel->Playing());
}

TEST_F(MusicTest, WithoutAnAudioDeviceTheGameRunsSilentAndKeepsTheChosenDriver) {
  struct NoDevice {
    NoDevice() { platform::SetHeadlessAudioFails(true); }
    ~NoDevice() { platform::SetHeadlessAudioFails(false); }
  } no_device;
  for (const char* driver : {"FreeAudio", "DirectSound", "OpenAL Generic Software"}) {
    Game->ChangeSoundDriver(driver, 1);
    EXPECT_EQ(Game->AudioFailed, 1) << driver;
    EXPECT_EQ(Game->SoundDriver, driver);
    EXPECT_EQ(ccReadIniLine(Game->SettingsFilePath(), "SOUND DRIVER"), driver);
  }
  // A start on such a machine keeps it too, and plays nothing.
  MakeGame();
  EXPECT_EQ(Game->SoundDriver, "OpenAL Generic Software");
  EXPECT_EQ(Game->AudioFailed, 1);
  EXPECT_EQ(ccReadIniLine(Game->SettingsFilePath(), "SOUND DRIVER"), "OpenAL Generic Software");
  EXPECT_TRUE(platform::AudioIsSilent());
}

TEST_F(MusicTest, TheChosenDriverStaysInTheSettings) {
  Game->ChangeSoundDriver("OpenAL Generic Software", 0);
  EXPECT_EQ(Game->SoundDriver, "OpenAL Generic Software");
  EXPECT_FALSE(platform::FileExists(SubPath() + "inichanged.dat"));
  MakeGame();
  EXPECT_EQ(Game->SoundDriver, "OpenAL Generic Software");
}
