#include "screens/game_menu.h"

#include "cards/game_grid.h"
#include "cards/globals.h"
#include "cards/pixie_dust.h"
#include "core/fixed_rate_logic.h"
#include "core/game.h"
#include "core/game_fade.h"
#include "core/globals.h"
#include "gfx/channel_array.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/particle.h"
#include "gfx/particle_list.h"
#include "gfx/sound_bank.h"
#include "platform/graphics.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "play/pointer_particles.h"
#include "progress/player.h"
#include "screens/dialog_drop.h"
#include "screens/globals.h"
#include "screens/options_screen.h"
#include "screens/title_screen.h"
#include "ui/button.h"
#include "ui/menu.h"
#include "ui/mouse_pointer.h"
#include "util/animation.h"
#include "util/image.h"
#include "util/input.h"
#include "util/maths.h"

namespace {

constexpr int FADE_MS = 400;
constexpr int OPEN_SPARKLE_MS = 900;
constexpr float SPARKLE_INTERVAL_MS = 20.0f;

void PlayOnPool(const std::string& name) {
  if (!sounds || !Game->Channels) return;
  if (auto sound = sounds->Find(name)) Game->Channels->PlayGameSound(sound, nullptr, 1.0f, 0);
}


}  // namespace

TGameMenu::TGameMenu() { name = "game menu"; }

TGameMenu::~TGameMenu() = default;

int TGameMenu::Load() {
  ImageLoad("gamescreen/ingamemenu_bg.png", 0);
  ccCreateFrames(Image);
  Paused = images ? images->Find("pausedsmall") : nullptr;
  Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 5);
  for (const char* button : {"InGameMenu_resume", "InGameMenu_options", "InGameMenu_save"}) {
    auto b = Menu->AddQuick(button, "");
    b->LoadMouseClick(std::string(button) + "_down", 350);
  }
  Menu->FindButton("InGameMenu_resume")->OKButton = 1;
  Menu->Centre();
  Menu->SetX(Menu->x + 2);
  for (const auto& b : Menu->Buttons) b->SetFixedGlowOnMO(0.5f, 0.02f, 0);
  Menu->Precache();
  ActivateSound = sounds ? sounds->Find("landing") : nullptr;
  FadeIn = TAnimation::Create(FADE_MS, 0, 0, 0);
  FadeOut = TAnimation::Create(FADE_MS, 0, 0, 0);
  Active = 0;
  PixieDust = std::make_shared<TPixieDust>();
  return 0;
}

int TGameMenu::Kill() {
  TScreen::Kill();
  ActivateSound.reset();
  DeactivateSound.reset();
  FadeIn.reset();
  FadeOut.reset();
  PixieDust.reset();
  Paused.reset();
  return 0;
}

int TGameMenu::Show(int) {
  if (TGameScreen::TestForAnims() != 0) return -1;
  if (GameScreen && GameScreen->Player) {
    GameScreen->Player->SaveData->MidCourse = 1;
    GameScreen->Player->SaveData->MidHole = 1;
    if (Game->CurrentProfile) GameScreen->Player->ProfileUpdate(*Game->CurrentProfile);
  }
  if (auto options = Menu->FindButton("InGameMenu_options")) options->PlayClick();
  Active = 1;
  Menu->ClearMouseOver();
  Menu->ClearGlow();
  Menu->ClearMouseClick();
  ccFlushAll();
  Menu->ManageNoSound();
  MouseState = Game->Mouse ? Game->Mouse->Active : 0;
  PlayOnPool("dialog_rustle");
  FadeIn->Reset();
  Bounces = 3;
  const int width = Image ? Image->Width() : 0;
  const int height = Image ? Image->Height() : 0;
  Y = static_cast<float>(-height);
  TopY = Y;
  YSpeed = DIALOG_GRAVITY;
  StartDialogDrop(*PixieDust, (ScreenWidth - width) / 2 + 5, static_cast<int>(Y), width - 10, height - 5, width,
                  OPEN_SPARKLE_MS, SPARKLE_INTERVAL_MS);
  PointerParticlesOn = 1;
  ccFlushAll();
  return 1;
}

int TGameMenu::Hide() {
  if (MouseState == 0 && Game->Mouse) Game->Mouse->Off();
  if (DeactivateSound && Game->Channels) Game->Channels->PlayGameSound(DeactivateSound, nullptr, 1.0f, 0);
  PlayOnPool("sliding");
  // The dimming falls back from where the fade-in had brought it.
  FadeOut->Reset();
  FadeOut->Counter = FadeIn->Length[static_cast<size_t>(FadeIn->CurrentPhase)] - FadeIn->Counter;
  FadeIn->Active = 0;
  ccFlushAll();
  Bounces = 0;
  PointerParticlesOn = 0;
  if (Game->Particles > 0) StartDialogSparkles(*PixieDust, FADE_MS, SPARKLE_INTERVAL_MS);
  return 0;
}

float TGameMenu::GetRatio() {
  if (FadeOut && FadeOut->Active != 0) return FadeOut->GetRatio();
  if (FadeIn && FadeIn->Active != 0) return FadeIn->GetRatioInv();
  return 1.0f;
}

int TGameMenu::Logic() {
  if (!Menu) return 0;
  if (Active == 1) {
    FadeIn->Manage();
    if (Bounces > 0) {
      Y += YSpeed * Delta;
      if (Y >= static_cast<float>(FinalY)) {
        --Bounces;
        static constexpr float kLandingVolume[3] = {0.25f, 0.5f, 1.0f};
        if (ActivateSound && GameGrid && GameGrid->Channels) {
          GameGrid->Channels->PlayGameSound(ActivateSound, nullptr, kLandingVolume[Bounces], 0);
        }
        if (Bounces == 0) {
          Y = static_cast<float>(FinalY);
        } else {
          YSpeed = -YSpeed / 2.2f;
          Y = static_cast<float>(FinalY) - 0.01f;
        }
      }
      YSpeed += DIALOG_GRAVITY * Delta;
    }
    if (FadeOut->Active != 0) {
      const float height = static_cast<float>(Image ? Image->Height() : 0);
      Y -= height / Game->CalcAnimLength(FADE_MS) * Delta;
    }
    TopY = Y;
    PixieDust->y = static_cast<int>(TopY);
    PixieDust->Manage();
    if (FadeOut->Manage() == 1) {
      Active = 0;
      return 0;
    }
    if (FadeIn->Active == 0 && FadeOut->Active == 0 && Bounces == 0) {
      TScreen::Logic();
    } else {
      Menu->ManageFixedGlowOnly();
    }
  }
  if (FadeOut->Active != 0) return 0;
  if (KeyHit(KEY_ESCAPE) != 0) {
    if (Active == 0) {
      auto menuButton = GameScreen && GameScreen->Menu ? GameScreen->Menu->FindButton("menu") : nullptr;
      if (menuButton) menuButton->SimulateClick();
      if (Show(1) == -1 && menuButton) menuButton->ClearClick();
    } else if (auto resume = Menu->FindButton("InGameMenu_resume")) {
      resume->FixedGlowOnMOActivate();
      resume->Click();
      Hide();
    }
  }
  if (Active == 1) {
    if (Menu->Clicked("InGameMenu_resume") != 0) Hide();
    if (Menu->Clicked("InGameMenu_options") != 0) {
      Game->GameFade->Init(static_cast<float>(FADE_SPEED), 1, nullptr, 1, 0);
      Game->DestinationTScreen = OptionsScreen;
      GameScreen->StopKill = 1;
      GameScreen->StopInit = 1;
      OptionsScreen->Destination = GameScreen;
    }
    if (Menu->Clicked("InGameMenu_save") != 0) {
      Game->GameFade->Init(static_cast<float>(FADE_SPEED), 1, Game->MusicChannel, 1, 0);
      Game->DestinationTScreen = TitleScreen;
      // The sparkle trail ends with the round it belonged to.
      PointerParticlesOn = 0;
      if (GameScreen && GameScreen->Player) GameScreen->Player->ProfileWrite(Game->CurrentProfile.get());
    }
  }
  return 0;
}

int TGameMenu::Draw() {
  if (Active == 0) return 0;
  float dim = 0.5f;
  if (FadeIn->Active != 0) {
    dim = 0.5f * FadeIn->GetRatioInvSine();
  } else if (FadeOut->Active != 0) {
    dim = 0.5f * FadeOut->GetRatioSine();
  }
  ccDimScreen(dim);
  platform::SetBlend(platform::BLEND_ALPHA);
  if (Image) platform::DrawImage(Image, static_cast<float>((ScreenWidth - Image->Width()) / 2), TopY);
  Menu->SetY(MenuY + TopY);
  Menu->Draw(0, 0);
  if (Paused) platform::DrawImage(Paused->image, static_cast<float>(ScreenWidth / 2), TopY + 491);
  return 0;
}
