#include "screens/intro_screen.h"

#include <string>

#include "content/loading.h"
#include "core/fixed_rate_logic.h"
#include "core/game.h"
#include "core/game_fade.h"
#include "core/globals.h"
#include "core/loading_screen.h"
#include "core/splash.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/particle.h"
#include "gfx/particle_list.h"
#include "gfx/sine_counter.h"
#include "gfx/slide.h"
#include "gfx/slide_show.h"
#include "gfx/sound_bank.h"
#include "gfx/transition_effect.h"
#include "play/hud.h"
#include "play/play_effects.h"
#include "platform/graphics.h"
#include "screens/globals.h"
#include "screens/required_sound.h"
#include "ui/mouse_pointer.h"
#include "util/animation.h"
#include "util/input.h"

namespace {

using TEffect = TTransitionEffect;

TGameImageRef Single(const std::string& name) {
  return TGameImage::Create(Game->ImagePath + name, -1, 1);
}

TGameImageRef Anim(const std::string& name, int cellW, int cellH, int cells) {
  auto image = std::make_shared<TGameImage>();
  image->LoadAnim(Game->ImagePath + name, cellW, cellH, 0, cells, 6, 1);
  return image;
}

void Precache(const TGameImageRef& image) {
  if (image) image->Precache();
}

// Frame 0 of an image at (u, v) in the coordinates of a slide drawn at its x, y and scale.
void DrawOnSlide(const TGameImageRef& image, const TSlide& slide, float u, float v) {
  if (!image) return;
  platform::DrawImage(image->image, slide.x + u * slide.scale, slide.y + v * slide.scale, 0);
}

}  // namespace

TIntroScreen::TIntroScreen()
    : IntroParticles(TParticleList::Create()),
      PhotoParticles(TParticleList::Create()),
      s1(std::make_shared<TSineCounter>()),
      s2(std::make_shared<TSineCounter>()) {}

TIntroScreen::~TIntroScreen() = default;

int TIntroScreen::Load() {
  name = "intro";
  Game->Mouse->Off();
  platform::SetBlend(platform::BLEND_ALPHA);
  Game->LoadingScreen->DrawLoading(1);
  if (Game->IntroShow != 0) {
    SlideShow = TSlideShow::Create();
    SlideShow->LetterBoxHeight = 370;

    ClickSound = RequiredSound("Buttonclick");
    ClickChannel = platform::AllocChannel();
    IntroSpeech = TGameSound::Create(Game->SpeechPath + "opening.ogg", 0);
    SpeechChannel = platform::AllocChannel();
    EnvironmentSound = TGameSound::Create(Game->MusicPath + "introambience.ogg", 0);
    EnvironmentChannel = platform::AllocChannel();
    FireworksSound = TGameSound::Create(Game->MusicPath + "introfireworks.ogg", 0);
    Game->FixedRateLogic->Init();

    FadeCircle = Single("intro/black_mask.png");
    CardBack = Single("cards/card_back.png");
    CardFront = Single("intro/card_front.png");
    SpinCard = Single("cards/spincard.png");
    Pointer = Single("pointer.png");
    Perfect = Single("particles/perfect.png");
    Cleared = Single("intro/cleared5.png");
    ParticleImages[1] = Single("particles/spark_line.png");
    ParticleImages[2] = Single("particles/sparkle1small.png");

    // Every effect frames the picture with the soft mask, open at 1.5 once it has arrived.
    auto masked = [this](int type, int ms) {
      auto effect = TEffect::Create(type, ms);
      effect->MaskImage = FadeCircle;
      effect->MaskEndSize = 1.5f;
      return effect;
    };
    auto fadeIn = masked(TEffect::EFFECT_FADE_FROM_BLACK, 1500);
    fadeIn->MaskStartSize = 0.8f;
    auto hold = masked(TEffect::EFFECT_PLAIN, 2750);
    auto fadeOut = masked(TEffect::EFFECT_FADE_TO_BLACK, 1500);
    fadeOut->MaskStartSize = 1.5f;
    fadeOut->MaskEndSize = 0.8f;
    auto cross = masked(TEffect::EFFECT_CROSS_FADE, 1000);
    // A copy keeps type, length, motion and mask but not the zoom or MaskAndFade.
    auto copy = [](const TTransitionEffectRef& base, float sx, float sy, float zoom, int maskAndFade) {
      auto effect = base->CreateCopy();
      effect->ScrollSpeedX = sx;
      effect->ScrollSpeedY = sy;
      effect->ZoomSpeed = zoom;
      effect->MaskAndFade = maskAndFade;
      return effect;
    };
    auto plain = [&](int ms, float sx, float sy, float zoom) {
      auto effect = masked(TEffect::EFFECT_PLAIN, ms);
      effect->ScrollSpeedX = sx;
      effect->ScrollSpeedY = sy;
      effect->ZoomSpeed = zoom;
      return effect;
    };
    const float lastZoom = static_cast<float>((1.6634 - 0.78) / 600.0);

    struct SlideRow {
      const char* name;
      const char* picture;
      TTransitionEffectRef in, hold, out;
    };
    const SlideRow rows[] = {
        {"1", "intro/1.jpg", copy(fadeIn, 0.1f, 0, 0, 1), copy(hold, 0.1f, 0, 0, 0),
         copy(fadeOut, 0.1f, 0, 0, 1)},
        {"2", "intro/2.jpg", copy(fadeIn, 0, -0.2f, 0, 1), copy(hold, 0, -0.2f, 0, 0),
         copy(fadeOut, 0, -0.2f, 0, 1)},
        {"3", "intro/3.jpg", copy(fadeIn, 0, 0.055f, 0, 1), plain(3250, 0, 0.055f, 0), nullptr},
        {"4", "intro/4.jpg", nullptr, plain(4000, 0.2f, 0, 0), nullptr},
        {"5", "intro/5.jpg", nullptr, plain(2200, 0.22f, -0.15f, 0.001f), nullptr},
        {"5b", "intro/5b.jpg", nullptr, plain(2200, 0, -0.18f, 0.0005f), nullptr},
        {"5c", "intro/5c.jpg", nullptr, plain(2200, 0, -0.09f, 0.001f), nullptr},
        {"6", "intro/6.jpg", copy(cross, 0.075f, 0, 0, 0), plain(4200, 0.075f, 0, 0), nullptr},
        {"7", "intro/7.jpg", cross, plain(4250, 0, 0, 0), nullptr},
        {"8", "intro/8.jpg", nullptr, plain(7750, 0, 0.18f, 0.0002f), nullptr},
        {"9", "intro/2.jpg", copy(cross, 0, 0, 0.001f, 0), plain(3000, 0, 0, 0.001f), nullptr},
        {"9", "intro/clubhouse_mid.jpg", copy(cross, 0, 0, lastZoom, 0), plain(2000, 0, 0, lastZoom),
         nullptr},
    };
    int position = 0;
    for (const SlideRow& row : rows) {
      TSlideRef slide = SlideShow->AddSlide(Game->ImagePath + row.picture, 2, 1, row.in, row.hold,
                                            row.out, row.name);
      switch (position) {
        case 0:
        case 7:
          slide->UserDraw = &TIntroScreen::DrawParticles;
          break;
        case 1:
          slide->y -= 150;
          slide->UserDraw = &TIntroScreen::DrawParticles;
          break;
        case 2:
        case 10:
          slide->y += 50;
          break;
        case 3:
          slide->x += 110;
          break;
        case 8:
          slide->scale = 1.3f;
          slide->y -= 170;
          slide->x -= 50;
          slide->StoreOriginalCoords();
          slide->UserDraw = &TIntroScreen::DrawPerfectSequence;
          break;
        case 9:
          slide->y += 110;
          slide->UserDraw = &TIntroScreen::DrawParticles;
          break;
        case 11:
          slide->scale = 0.78f;
          slide->y -= 63.5f;
          slide->x += 3;
          break;
        default:
          break;
      }
      ++position;
    }

    Bird = Anim("intro/bird.png", 64, 128, 6);
    Butterfly = Anim("intro/Butterfly.png", 80, 80, 10);
    Sparkle = Anim("intro/Sparkle.png", 64, 128, 9);
    for (int i = 0; i < 3; ++i) Photos[i] = Single("intro/photo" + std::to_string(i + 1) + ".png");

    struct BirdRow {
      int x, y;
      float dx, dy, scale;
      int cycleMs;
    };
    const BirdRow birds[] = {{850, 250, -3, -0.2f, 1.0f, 230},
                             {920, 300, -3, 0.25f, 1.0f, 250},
                             {1000, 270, -3, -0.1f, 0.9f, 240},
                             {1100, 350, -3, 0.05f, 0.8f, 250}};
    for (const BirdRow& b : birds) {
      auto bird = IntroParticles->AddNew(b.x, b.y, Bird, b.dx, b.dy, 0, 0, 0, 0, 0, b.scale, 0, 0, 0);
      bird->SetupAnim(6, b.cycleMs, 0, 0, 1);
      bird->NoOutOfBounds = 1;
    }
    s1->Init(0, 360, 1.2f);
    s2->Init(0, 360, 1.0f);
    anim = TAnimation::Create(1800, 1, 0, 0);
    anim->AddPhase(1000);
    anim->AddPhase(600);
    anim->AddPhase(5000);

    SlideShow->PreCache();
    for (const auto& image : {FadeCircle, Bird, Butterfly, Sparkle, Photos[0], Photos[1], Photos[2],
                              CardBack, CardFront, SpinCard, Pointer, Perfect, Cleared,
                              ParticleImages[1], ParticleImages[2]})
      Precache(image);
  }
  Game->MusicLoad("intro.ogg", 0);
  return 0;
}

int TIntroScreen::Start() {
  TScreen::Start();
  // Splash pictures keep their handle at the top-left corner.
  platform::SetAutoMidHandle(false);
  if (Game->PortalSplash2 != 0) PortalSplash(500, 750, 500, 2);
  if (Game->PortalSplash != 0) PortalSplash(750, 750, 750, 0);
  if (Game->Fade != 0) MarrowfenSplash(Game->Sound, 0);
  platform::SetAutoMidHandle(true);
  if (Game->IntroShow != 0) {
    Game->Mouse->Off();
    EnvironmentSound->volume = static_cast<float>(Game->MusicVolume) / 100.0f;
    EnvironmentSound->PlayInChannel(EnvironmentChannel, 0);
  } else {
    Close(0);
    HandOver();
  }
  // The seconds spent in the splashes (and, with the intro off, in loading) are not made up.
  Game->FixedRateLogic->Init();
  return 0;
}

int TIntroScreen::PostFadeIn() {
  if (Game->GameFade->FadeInAborted == 0) return 0;
  if (ClickSound) ClickSound->PlayInChannel(ClickChannel, 0);
  Close(0);
  HandOver();
  return 0;
}

int TIntroScreen::Close(int skipped) {
  // Every way out switches the screen away in the same step, so the loading runs once; the guard
  // keeps a second call (two ways out in one step) from loading everything again.
  if (closed_ != 0) {
    Game->NoFade = 1;
    return 0;
  }
  closed_ = 1;
  if (skipped != 0 && Game->IntroShow != 0) {
    Game->MusicStop();
    if (SpeechChannel) SpeechChannel->Stop();
    SpeechChannel.reset();
    if (EnvironmentChannel) EnvironmentChannel->Stop();
    EnvironmentChannel.reset();
  }
  LoadData2();
  Game->NoFade = 1;
  return 0;
}

void TIntroScreen::HandOver() {
  Game->GameFade->Init(static_cast<float>(FADE_SPEED), 1, nullptr, 1, 0);
  Game->DestinationTScreen = Destination;
  Game->GameFade->Manage();
  Game->ScreenChange();
}

int TIntroScreen::Kill() {
  TScreen::Kill();
  ClickSound.reset();
  if (ClickChannel) ClickChannel->Stop();
  ClickChannel.reset();
  IntroSpeech.reset();
  if (SlideShow) {
    if (SpeechChannel) SpeechChannel->Stop();
    SpeechChannel.reset();
    EnvironmentSound.reset();
    if (EnvironmentChannel) EnvironmentChannel->Stop();
    EnvironmentChannel.reset();
    FireworksSound.reset();
    SlideShow->Kill();
    Bird.reset();
    Butterfly.reset();
    Sparkle.reset();
    for (auto& photo : Photos) photo.reset();
    FadeCircle.reset();
    CardBack.reset();
    CardFront.reset();
    SpinCard.reset();
    Pointer.reset();
    Perfect.reset();
    Cleared.reset();
    ParticleImages[1].reset();
    ParticleImages[2].reset();
    anim.reset();
  }
  if (IntroParticles) IntroParticles->Clear();
  IntroParticles.reset();
  if (PhotoParticles) PhotoParticles->Clear();
  PhotoParticles.reset();
  s1.reset();
  s2.reset();
  SlideShow.reset();
  return 0;
}

int TIntroScreen::Logic() {
  TScreen::Logic();
  if (!SlideShow) return 0;
  if (SpeechPlayed == 0) {
    IntroSpeechCounter += Delta;
    if (IntroSpeechCounter >= Game->CalcAnimLength(5500)) {
      Game->MusicPlay(1);
      SpeechPlayed = 1;
      IntroSpeech->volume = static_cast<float>(Game->MusicVolume) / 100.0f;
      IntroSpeech->PlayInChannel(SpeechChannel, 0);
    }
  }
  const int r = SlideShow->Manage();
  if (r == 1) {
    // The end of the last slide: nothing else of this step runs and no input is looked at.
    Close(0);
    HandOver();
    return 0;
  }
  if (r == 2) SlideEvent(SlideShow->CurrentSlide);
  TSlideRef slide = SlideShow->GetCurrentSlide();
  IntroParticles->Manage();
  PhotoParticles->Manage();
  const int position = SlideShow->CurrentSlide;
  if (position == 1) {
    s1->Manage();
    s2->Manage();
  }
  if (position == 8 && slide) CardSpinStep(*slide);
  if (Game->Mouse->GetMh(1) != 0 || KeyHit(KEY_ENTER) != 0 || KeyHit(KEY_SPACE) != 0) {
    Close(1);
    HandOver();
  }
  return 0;
}

void TIntroScreen::SlideEvent(int position) {
  switch (position) {
    case 1: {
      auto first = IntroParticles->AddNew(850, 400, Butterfly, -0.8f, -0.35f, 0, 0, 0, 0, 0, 0.6f, 0, 0, 0);
      first->Data1 = 1;
      first->StoreCentreCoords();
      first->UserMove = &TIntroScreen::MoveButterfly;
      first->SetupAnim(10, 400, 0, 0, 1);
      first->NoOutOfBounds = 1;
      auto second = IntroParticles->AddNew(0, 900, Butterfly, 0.5f, -1.0f, 0, 0, 0, 0, 0, 1.0f, 0, 0, 0);
      second->Data1 = 2;
      second->StoreCentreCoords();
      second->UserMove = &TIntroScreen::MoveButterfly;
      second->SetupAnim(10, 380, 0, 0, 1);
      second->ScaleX = -1.0f;
      second->NoOutOfBounds = 1;
      break;
    }
    case 2:
    case 10:
      IntroParticles->Clear();
      break;
    case 7: {
      const int places[3][2] = {{200, 300}, {420, 315}, {620, 280}};
      for (int i = 0; i < 3; ++i) {
        auto photo = PhotoParticles->AddNew(places[i][0], places[i][1], Photos[i], 0, 0, 0, 0, 0, 0,
                                            0, 1.0f, 0, 0, 0);
        photo->SetDelay(1500 + 1000 * i);
        photo->SetFade(1000, 10000, 0);
      }
      break;
    }
    case 8:
      anim->Start();
      break;
    case 9: {
      PhotoParticles->Clear();
      IntroParticles->Clear();
      ::Particles->Clear();
      auto first = IntroParticles->AddNew(540, 380, Sparkle, -0.15f, -0.15f, 0, 0, 0, 1, 1.0f, 1.6f, 0, 0, 0);
      first->SetDelay(5000);
      first->SetupAnim(9, 350, 0, 0, 0);
      first->KillAfterAnim = 1;
      auto second = IntroParticles->AddNew(290, 435, Sparkle, 0, 0.15f, 0, 0, 0, -1, 1.0f, 2.0f, 0, 0, 0);
      second->SetDelay(7500);
      second->SetupAnim(9, 350, 0, 0, 0);
      second->KillAfterAnim = 1;
      second->Rotation = 150;
      break;
    }
    default:
      break;
  }
}

void TIntroScreen::CardSpinStep(TSlide& s) {
  IntroParticles->ProcessScale(s.scale, s.scale, s.x, s.y);
  ::Particles->Manage();
  ::Particles->ProcessScale(s.scale, s.scale, s.x, s.y);
  auto followSlide = [](const TParticleRef& p) {
    p->StoreOriginalCoords();
    p->UpdateOriginalCoords = 1;
  };
  if (anim->Manage() == 1) {
    if (anim->CurrentPhase == 2) {
      auto card = IntroParticles->AddNew(cardx, cardy, SpinCard, -2.0f, -1.0f, 0.07f, 0, 0, -1, 10.0f,
                                         1.0f, 0, 0, 0);
      followSlide(card);
      auto cleared = IntroParticles->AddNew(200, -50, Cleared, 0, -0.2f, 0, 0, 0, 0, 0, 1.0f, 0, 0, 0);
      followSlide(cleared);
      cleared->SetFade(50, 500, 500);
      IntroParticles->ProcessScale(s.scale, s.scale, s.x, s.y);
    } else if (anim->CurrentPhase == 3) {
      auto perfect = IntroParticles->AddNew(0, 0, Perfect, 0, -0.1f, 0, 0, 0, 0, 0, 1.0f, 0, 0, 0);
      followSlide(perfect);
      FadeFloatingText(perfect);
      IntroParticles->ProcessScale(s.scale, s.scale, s.x, s.y);
      for (int i = 0; i < 5; ++i) MakeFirework();
      ::Particles->EnableUpdateOriginalCoords();
      ::Particles->ProcessScale(s.scale, s.scale, s.x, s.y);
      FireworksSound->volume = static_cast<float>(Game->MusicVolume) / 100.0f;
      // The ambience plays on this channel: it stops here for good.
      FireworksSound->PlayInChannel(EnvironmentChannel, 0);
    }
  }
  const float e = anim->GetRatioInvSine180();
  switch (anim->CurrentPhase) {
    case 1:
      s.x = s.ox - 400 * e;
      s.y = s.oy + 280 * e;
      s.scale = 1.3f + 0.9f * e;
      mx = omx + 135 * e;
      my = omy - 215 * e;
      break;
    case 2:
      s.x = s.ox - 400 + 460 * e;
      s.y = s.oy + 280 - 100 * e;
      s.scale = 2.2f - 0.9f * e;
      break;
    case 3:
      if (EffectsRandom.Rand(1, 1000) < 50 * Delta) {
        MakeFirework();
        ::Particles->EnableUpdateOriginalCoords();
        ::Particles->ProcessScale(s.scale, s.scale, s.x, s.y);
      }
      break;
    default:
      break;
  }
}

int TIntroScreen::MakeFirework() {
  const int n = EffectsRandom.Rand(0, 3);
  const int y = EffectsRandom.Rand(50, ScreenHeight - 100) - 300;
  const int x = EffectsRandom.Rand(50, ScreenWidth - 50) - 400;
  FireworkParticlesMake(static_cast<float>(x), static_cast<float>(y), 50,
                        THUD::FireworkColours[static_cast<std::size_t>(n)]);
  return 0;
}

int TIntroScreen::Draw() {
  if (SlideShow) SlideShow->Draw();
  return 0;
}

int TIntroScreen::SetEscDestination() {
  Close(1);
  Game->FadeMusic = 0;
  Game->DestinationTScreen = Destination;
  return 0;
}

int TIntroScreen::DrawParticles(TSlide&) {
  if (!IntroScreen) return 0;
  if (IntroScreen->PhotoParticles) IntroScreen->PhotoParticles->Draw();
  if (IntroScreen->IntroParticles) IntroScreen->IntroParticles->Draw();
  return 0;
}

int TIntroScreen::DrawPerfectSequence(TSlide& slide) {
  if (!IntroScreen || !IntroScreen->anim) return 0;
  TIntroScreen& intro = *IntroScreen;
  ::Particles->Draw();
  if (intro.IntroParticles) intro.IntroParticles->Draw();
  platform::SetScale(slide.scale, slide.scale);
  if (intro.anim->CurrentPhase < 3) DrawOnSlide(intro.CardBack, slide, -50, 211);
  if (intro.anim->CurrentPhase < 2)
    DrawOnSlide(intro.CardFront, slide, static_cast<float>(intro.cardx), static_cast<float>(intro.cardy));
  DrawOnSlide(intro.Pointer, slide, intro.mx, intro.my);
  return 0;
}

int TIntroScreen::MoveButterfly(TParticle& p) {
  p.cx += p.dx * Delta;
  p.cy += p.dy * Delta;
  if (!IntroScreen || !IntroScreen->s1 || !IntroScreen->s2) return 0;
  if (p.Data1 == 1) {
    p.x = p.cx;
    p.y = p.cy + 25 * IntroScreen->s1->ratio;
  } else {
    p.x = p.cx + 35 * IntroScreen->s2->ratio;
    p.y = p.cy;
  }
  return 0;
}
