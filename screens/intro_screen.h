#pragma once
// The opening of the game: the splash pictures the settings ask for, then (with "Intro" on) a
// narrated, letter-boxed show of 12 slides with birds, butterflies, photos, a card spinning away
// and fireworks. At its end, or as soon as the player clicks or presses Enter, Space or Esc, it
// runs the second loading stage once and hands over to the loading screen (its Destination) in
// the same logic step, without a visible fade. The one instance is `IntroScreen`; it runs once per
// program run.

#include <array>
#include <memory>

#include "core/screen.h"
#include "platform/audio.h"

class TAnimation;
class TGameImage;
class TGameSound;
class TParticle;
class TParticleList;
class TSineCounter;
class TSlide;
class TSlideShow;

class TIntroScreen : public TScreen {
 public:
  TIntroScreen();
  ~TIntroScreen() override;

  // The click of a fade-in skip ("Buttonclick" of the sound bank) and the intro's own channels.
  std::shared_ptr<TGameSound> ClickSound;
  platform::ChannelRef ClickChannel;
  std::shared_ptr<TGameSound> IntroSpeech;  // "opening.ogg" of the speech folder
  platform::ChannelRef SpeechChannel;
  float IntroSpeechCounter = 0.0f;  // ticks until music and narration start (5500 ms)
  int SpeechPlayed = 0;             // 1 once they have started
  std::shared_ptr<TGameSound> EnvironmentSound;  // "introambience.ogg" of the music folder
  platform::ChannelRef EnvironmentChannel;
  std::shared_ptr<TGameSound> FireworksSound;  // "introfireworks.ogg" of the music folder
  // Made by Load only with the intro switched on: the sign that the show's resources exist.
  std::shared_ptr<TSlideShow> SlideShow;
  std::shared_ptr<TGameImage> FadeCircle;  // the mask of every transition
  std::shared_ptr<TGameImage> Bird;
  std::shared_ptr<TGameImage> Butterfly;
  std::shared_ptr<TGameImage> Sparkle;
  std::array<std::shared_ptr<TGameImage>, 3> Photos{};
  std::shared_ptr<TParticleList> IntroParticles;  // birds, butterflies, sparkles, the sequence's
  std::shared_ptr<TParticleList> PhotoParticles;
  std::shared_ptr<TSineCounter> s1;  // sway of the first butterfly (up and down)
  std::shared_ptr<TSineCounter> s2;  // sway of the second (left and right)
  std::shared_ptr<TAnimation> anim;  // the card-spin sequence: 1800, 1000, 600, 5000 ms
  std::shared_ptr<TGameImage> CardBack;
  std::shared_ptr<TGameImage> CardFront;
  std::shared_ptr<TGameImage> SpinCard;
  std::shared_ptr<TGameImage> Pointer;
  std::shared_ptr<TGameImage> Perfect;
  std::shared_ptr<TGameImage> Cleared;
  int cardx = 200;  // the sequence's card, slide coordinates
  int cardy = -50;
  float omx = 80.0f;  // where the sequence's pointer starts, slide coordinates
  float omy = 185.0f;
  float mx = 80.0f;  // where it is now
  float my = 185.0f;

  // Builds the show (only with the intro on), shows a loading frame and loads "intro.ogg".
  int Load() override;
  // The splashes, then the ambience; with the intro off, Close(0) and the hand-over at once.
  int Start() override;
  // A fade-in cut short while the intro is current: the click, Close(0) and the hand-over.
  int PostFadeIn() override;
  int Kill() override;
  // Music and narration at 5500 ms, the show and its events, the card-spin sequence, the skip.
  int Logic() override;
  int Draw() override;
  // Esc: Close(1) and the loading screen as destination, without fading the music. Returns 0.
  int SetEscDestination() override;

  // One burst at a random point of the sequence's slide, into the global `Particles`.
  int MakeFirework();
  // skipped 1 silences the show first; then the second loading stage and Game->NoFade. Runs once.
  int Close(int skipped);

  // Slide callbacks; they reach the screen through the global IntroScreen.
  static int DrawParticles(TSlide& slide);
  static int DrawPerfectSequence(TSlide& slide);
  static int MoveButterfly(TParticle& particle);

 private:
  // The fade-out that ends at once, the destination and the screen switch, in the same step.
  void HandOver();
  void SlideEvent(int position);
  void CardSpinStep(TSlide& slide);

  int closed_ = 0;  // 1 once Close has run the loading stage
};
