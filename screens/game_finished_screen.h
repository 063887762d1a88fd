#pragma once
// The ending, shown once the purse of the last course is won: a blue slide in a letter-box band,
// the large trophy and the player's head rising over it (21 s) and easing to a stop (4 s), five
// small newspapers (the fifth composed at load time from the grand-champion trophy and the
// player's portrait), sparkles, camera flashes from 20 s to 26 s, the ending music and the
// announcer. A click anywhere, the OK button or Esc fades to the title screen over 3 x FADE_SPEED,
// lowering the music and the announcer. The one instance is `GameFinishedScreen`.

#include <array>
#include <memory>

#include "core/screen.h"

class TAnimation;
class TGameChannel;
class TGameImage;
class TGameSound;
class TParticle;
class TParticleList;
class TSlide;
class TSlideShow;
namespace platform {
class Pixmap;
}

class TGameFinishedScreen : public TScreen {
 public:
  TGameFinishedScreen();
  ~TGameFinishedScreen() override;

  std::shared_ptr<TAnimation> Anim;  // phase 0 the rise (21000 ms), phase 1 the ease (4000 ms)
  std::shared_ptr<TGameSound> Announcer;  // "ending.ogg" of the speech folder
  std::shared_ptr<TGameChannel> AnnouncerChannel;
  std::shared_ptr<TSlideShow> SlideShow;  // the one background slide
  std::shared_ptr<TGameImage> FadeCircle;
  std::shared_ptr<TGameImage> Trophy;  // the large trophy, by the player's sex
  float TrophyY = 0;        // top edge of the trophy picture
  float TrophyPhase2Y = 0;  // TrophyY when the ease began
  float BGPhase2Y = 0;      // the slide's y when the ease began
  std::shared_ptr<TGameImage> Avatar;  // the player's head
  float AvatarY = 0;
  float AvatarPhase2Y = 0;
  std::shared_ptr<TGameSound> FlashBulb;
  float FlashCounter = 0;       // ticks left of the flash showing
  int FlashLength = 0;          // ticks of one flash (100 ms)
  float FlashStartCounter = 0;  // ticks counted towards FlashStart
  int FlashStart = 0;           // ticks before flashes may begin (20000 ms)
  std::shared_ptr<TGameImage> Sparkle;
  std::shared_ptr<TParticleList> Sparkles;
  std::array<std::shared_ptr<TGameImage>, 5> Newspapers{};  // entry 4: the composed front page
  std::shared_ptr<TParticleList> NewspaperParticles;
  std::shared_ptr<TGameImage> NewspaperAvatar;  // the portrait drawn onto the front page
  std::shared_ptr<TGameImage> NewspaperTrophy;  // the grand-champion trophy drawn onto it
  float BGSpeed = 0.096f;     // upward speeds during the rise, pixels per tick
  float TrophySpeed = 0.144f;
  float HeadSpeed = 0.192f;

  // Prepares the whole scene from the play screen's player (sex and avatar number).
  int Load() override;
  // Music, announcer and Anim start; Esc is taken over from the framework.
  int Start() override;
  int PostFadeIn() override;
  int Kill() override;
  // The slide, particles, flashes and motion; a click, OK or Esc closes.
  int Logic() override;
  int Draw() override;
  // The title screen over 3 x FADE_SPEED.
  int SetEscDestination() override;

  // One sparkle at (x, y), shown after `delay` ms, rising at TrophySpeed.
  std::shared_ptr<TParticle> MakeSparkle(int x, int y, int delay);
  // Newspapers[index] centred at (x, y), shown after `delay` ms, turned by `rotation` degrees, at
  // `scale` changing by `scaleSpeed` per tick.
  std::shared_ptr<TParticle> MakeNewspaper(int x, int y, int index, int delay, int rotation,
                                           float scale, float scaleSpeed);
  // The fade to the title screen (a second call leaves the running fade as it is).
  int Close();
  // The slide's draw callback: newspapers, trophy, sparkles, head and the flash.
  static int DrawExtra(TSlide& slide);
};

// The fifth newspaper: the page with the trophy centred on page pixel (200, 186) and the portrait
// over it centred on (250, 202), both clipped to the page.
int ComposeChampionPage(platform::Pixmap& page, const TGameImage& trophy, const TGameImage& portrait);
