#include "screens/game_finished_screen.h"

#include <string>

#include "core/fixed_rate_logic.h"
#include "core/game.h"
#include "core/game_fade.h"
#include "core/globals.h"
#include "core/loading_screen.h"
#include "gfx/channel_array.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/particle.h"
#include "gfx/particle_list.h"
#include "gfx/slide.h"
#include "gfx/slide_show.h"
#include "gfx/sound_bank.h"
#include "gfx/transition_effect.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "platform/graphics.h"
#include "progress/player.h"
#include "progress/save_data.h"
#include "screens/game_dialogs.h"
#include "screens/globals.h"
#include "screens/required_sound.h"
#include "screens/title_screen.h"
#include "ui/button.h"
#include "ui/menu.h"
#include "ui/mouse_pointer.h"
#include "util/animation.h"
#include "util/error.h"
#include "util/files.h"
#include "util/image.h"
#include "util/input.h"

namespace {

struct SparkleRow {
  int x, y, delayMs;
};
constexpr SparkleRow kGentSparkles[9] = {{409, 210, 2060},  {322, 332, 3336},  {325, 344, 8443},
                                         {437, 332, 10275}, {231, 348, 15675}, {339, 346, 16557},
                                         {177, 375, 18573}, {159, 363, 20471}, {326, 311, 24353}};
constexpr SparkleRow kLadySparkles[9] = {{415, 225, 1665},  {309, 312, 3422},  {335, 312, 7504},
                                         {414, 282, 14002}, {228, 363, 14785}, {333, 314, 17635},
                                         {132, 330, 18934}, {157, 355, 20717}, {324, 312, 24575}};

TGameImageRef Picture(const std::string& name, int flags, int midhandle) {
  auto image = TGameImage::Create(Game->ImagePath + name, flags, midhandle);
  image->Precache();
  return image;
}

}  // namespace

TGameFinishedScreen::TGameFinishedScreen() = default;
TGameFinishedScreen::~TGameFinishedScreen() = default;

int ComposeChampionPage(platform::Pixmap& page, const TGameImage& trophy, const TGameImage& portrait) {
  // util's compositing clips to the page, so a picture larger than the page is cut, never written
  // outside it.
  ccDrawOnPixmap(trophy.image, 0, page, 200 - trophy.w / 2, 150 + 36 - trophy.h / 2, 1.0f, 1.0f);
  ccDrawOnPixmap(portrait.image, 0, page, 200 + 50 - portrait.w / 2, 150 + 52 - portrait.h / 2, 1.0f,
                 1.0f);
  return 0;
}

int TGameFinishedScreen::Load() {
  name = "gamefinished";
  Game->LoadingScreen->DrawLoading(1);
  SlideShow = TSlideShow::Create();
  SlideShow->LetterBoxHeight = 370;
  const TSaveData& save = *GameScreen->Player->SaveData;
  const bool gent = save.Male != 0;
  const std::string number = std::to_string(save.Avatar + 1);

  FadeCircle = TGameImage::Create(Game->ImagePath + "intro/black_mask.png", -1, 1);
  Trophy = Picture(gent ? "outro/male_trophy_large.png" : "outro/female_trophy_large.png", -1, 0);
  Avatar = Picture((gent ? "outro/malehead" : "outro/femalehead") + number + ".png", -1, 0);
  Sparkle = std::make_shared<TGameImage>();
  Sparkle->LoadAnim(Game->ImagePath + "outro/Sparkle2.png", 64, 128, 0, 9, 6, 1);
  Sparkle->Precache();

  NewspaperParticles = TParticleList::Create();
  for (int i = 0; i < 4; ++i)
    Newspapers[static_cast<std::size_t>(i)] = Picture("outro/small_newspaper" + std::to_string(i + 1) + ".png", 6, 1);
  NewspaperTrophy = Picture(gent ? "outro/grand_champ_men.png" : "outro/grand_champ_women.png", 6, 1);
  NewspaperAvatar = Picture((gent ? "outro/gent" : "outro/lady") + number + ".png", 6, 1);

  const std::string pagePath = Game->ImagePath + "outro/small_newspaper5.png";
  platform::PixmapRef page = platform::LoadPixmap(pagePath);
  if (!page) ccRunTimeError("Error loading bitmap " + ccDataFileName(pagePath), 1);
  ComposeChampionPage(*page, *NewspaperTrophy, *NewspaperAvatar);
  auto composed = std::make_shared<TGameImage>();
  composed->image = platform::LoadImageFromPixmap(page, 6);
  if (!composed->image) ccRunTimeError("Error loading bitmap " + ccDataFileName(pagePath), 1);
  composed->GetSize();
  composed->MidHandle(1);
  composed->Precache();
  Newspapers[4] = composed;

  MakeNewspaper(650, 250, 0, 2000, -15, 1.0f, -0.0005f);
  MakeNewspaper(120, 300, 1, 5000, 15, 0.5f, 0.0005f);
  MakeNewspaper(640, 300, 2, 8000, 8, 0.5f, 0.0005f);
  MakeNewspaper(130, 280, 3, 11000, -10, 1.0f, -0.0005f);
  MakeNewspaper(650, 260, 4, 14000, -5, 1.0f, -0.0005f / 3);

  TrophyY = 150;
  TrophyPhase2Y = 0;
  BGPhase2Y = 0;
  AvatarY = 920;
  AvatarPhase2Y = 0;
  Game->MusicLoad("gameend.ogg", 0);
  Announcer = TGameSound::Create(Game->SpeechPath + "ending.ogg", 0);
  AnnouncerChannel = TGameChannel::Create();

  Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 0);
  if (auto ok = AddStandardOKButton(Menu)) ok->y += 10;

  auto in = TTransitionEffect::Create(TTransitionEffect::EFFECT_FADE_FROM_BLACK, 2000);
  in->MaskImage = FadeCircle;
  in->MaskStartSize = 0.8f;
  in->MaskEndSize = 1.5f;
  in->MaskAndFade = 1;
  auto hold = TTransitionEffect::Create(TTransitionEffect::EFFECT_PLAIN, 24000);
  hold->MaskImage = FadeCircle;
  hold->MaskEndSize = 1.5f;
  auto out = TTransitionEffect::Create(TTransitionEffect::EFFECT_FADE_TO_BLACK, 4000);
  out->MaskImage = FadeCircle;
  out->MaskStartSize = 1.5f;
  out->MaskEndSize = 0.8f;
  out->MaskAndFade = 1;
  TSlideRef slide = SlideShow->AddSlide(Game->ImagePath + "outro/blue_gradient.jpg", 2, 1, in, hold, out, "1");
  slide->y += 325;
  slide->UserDraw = &TGameFinishedScreen::DrawExtra;

  Anim = TAnimation::Create(21000, 1, 0, 0);
  Anim->AddPhase(4000);
  Anim->LeaveActive = 1;

  FlashBulb = RequiredSound("FlashBulb");
  FlashCounter = 0;
  FlashLength = static_cast<int>(Game->CalcAnimLength(100));
  FlashStartCounter = 0;
  FlashStart = static_cast<int>(Game->CalcAnimLength(20000));

  Sparkles = TParticleList::Create();
  const SparkleRow* rows = gent ? kGentSparkles : kLadySparkles;
  std::shared_ptr<TParticle> last;
  for (int i = 0; i < 9; ++i) last = MakeSparkle(rows[i].x, rows[i].y, rows[i].delayMs);
  last->dy = 0;
  Game->FadeMusic = 1;
  return 0;
}

std::shared_ptr<TParticle> TGameFinishedScreen::MakeSparkle(int x, int y, int delay) {
  int direction = EffectsRandom.Rand(0, 1);
  if (direction == 0) direction = -1;
  auto p = Sparkles->AddNew(x, y, Sparkle, 0, -TrophySpeed, 0, 0, 0, direction, 1.0f,
                            static_cast<float>(EffectsRandom.Rnd(1.2, 1.8)), 0, 0, 0);
  p->SetDelay(delay);
  p->SetupAnim(9, 300, 0, 0, 0);
  p->KillAfterAnim = 1;
  p->Rotation = static_cast<float>(EffectsRandom.Rand(0, 359));
  return p;
}

std::shared_ptr<TParticle> TGameFinishedScreen::MakeNewspaper(int x, int y, int index, int delay,
                                                               int rotation, float scale,
                                                               float scaleSpeed) {
  auto p = NewspaperParticles->AddNew(x, y, Newspapers[static_cast<std::size_t>(index)], 0, 0, 0, 0,
                                      0, 0, 0, scale, scaleSpeed, 0, 0);
  p->SetDelay(delay);
  p->Rotation = static_cast<float>(rotation);
  if (index == 4) {
    p->SetFade(1000, 2000, 2000);
  } else {
    p->SetFade(1000, 1500, 1000);
  }
  return p;
}

int TGameFinishedScreen::Start() {
  TScreen::Start();
  Game->MusicPlay(1);
  Announcer->volume = static_cast<float>(Game->MusicVolume) / 100.0f;
  Announcer->PlayInChannel(AnnouncerChannel->Channel, 0);
  Game->IgnoreEscapeKey = 1;
  Anim->Start();
  Game->FixedRateLogic->Init();
  return 0;
}

int TGameFinishedScreen::PostFadeIn() { return 0; }

int TGameFinishedScreen::Logic() {
  TScreen::Logic();
  SlideShow->Manage();
  Sparkles->Manage();
  NewspaperParticles->Manage();

  TSlideRef slide = SlideShow->GetCurrentSlide();
  if (SlideShow->Finished != 0 || (slide && slide->CurrentEffect == slide->OutEffect))
    FlashStartCounter = 0;
  FlashStartCounter += Delta;
  if (FlashStartCounter > static_cast<float>(FlashStart)) {
    if (FlashCounter > 0) {
      FlashCounter -= Delta;
      if (FlashCounter < 0) FlashCounter = 0;
    } else if (EffectsRandom.Rand(1, 10000) < 60 * Delta) {
      FlashCounter = static_cast<float>(FlashLength);
      FlashBulb->pitch = 1.0f + static_cast<float>(EffectsRandom.Rnd(-0.1, 0.1));
      Game->Channels->PlayGameSound(FlashBulb, nullptr, static_cast<float>(EffectsRandom.Rnd(0.5, 0.65)), 0);
    }
  }

  if (Anim->Finished == 0 && Anim->Manage() == 1 && Anim->Active != 0 && Anim->CurrentPhase == 1 &&
      Anim->Finished == 0) {
    TrophyPhase2Y = TrophyY;
    if (slide) BGPhase2Y = slide->y;
    AvatarPhase2Y = AvatarY;
  }
  if (Anim->CurrentPhase == 0) {
    TrophyY -= TrophySpeed * Delta;
    if (slide) slide->y -= BGSpeed * Delta;
    AvatarY -= HeadSpeed * Delta;
  } else {
    const float r = Anim->GetRatioInvSine();
    TrophyY = TrophyPhase2Y - 80 * r;
    if (slide) slide->y = BGPhase2Y - 80 * (BGSpeed / TrophySpeed) * r;
    AvatarY = AvatarPhase2Y - 80 * (HeadSpeed / TrophySpeed) * r;
  }

  auto ok = Menu->FindButton("OK");
  if (Game->Mouse->GetMh(1) != 0) {
    if (ok) ok->PlayClick();
    Close();
    return 0;
  }
  if (Menu->Clicked("ok") != 0) Close();
  if (KeyHit(KEY_ESCAPE) != 0) {
    if (ok) ok->SimulateClick();
    Close();
  }
  return 0;
}

int TGameFinishedScreen::Close() {
  Game->GameFade->Init(static_cast<float>(3 * FADE_SPEED), 1, Game->MusicChannel, 1, 0);
  Game->GameFade->Channel2 = AnnouncerChannel;
  Game->DestinationTScreen = TitleScreen;
  return 0;
}

int TGameFinishedScreen::Draw() {
  if (SlideShow->Draw() == 0) {
    platform::SetColor(0, 0, 0);
    platform::Cls();
    platform::SetColor(255, 255, 255);
  }
  Menu->Draw(0, 0);
  return 0;
}

int TGameFinishedScreen::DrawExtra(TSlide&) {
  if (!GameFinishedScreen) return 0;
  TGameFinishedScreen& s = *GameFinishedScreen;
  platform::SetBlend(platform::BLEND_ALPHA);
  if (s.NewspaperParticles) s.NewspaperParticles->Draw();
  if (s.Trophy) platform::DrawImage(s.Trophy->image, 0, s.TrophyY, 0);
  if (s.Sparkles) s.Sparkles->Draw();
  if (s.Avatar) platform::DrawImage(s.Avatar->image, 350, s.AvatarY, 0);
  if (s.FlashCounter > 0 && s.FlashLength > 0) {
    platform::SetAlpha(s.FlashCounter / static_cast<float>(s.FlashLength));
    platform::DrawRect(0, 115, static_cast<float>(ScreenWidth), static_cast<float>(ScreenHeight - 115));
    platform::SetAlpha(1);
  }
  return 0;
}

int TGameFinishedScreen::SetEscDestination() {
  Game->DestinationTScreen = TitleScreen;
  return 3 * FADE_SPEED;
}

int TGameFinishedScreen::Kill() {
  TScreen::Kill();
  if (SlideShow) SlideShow->Kill();
  SlideShow.reset();
  FadeCircle.reset();
  Anim.reset();
  for (auto& paper : Newspapers) paper.reset();
  NewspaperAvatar.reset();
  NewspaperTrophy.reset();
  if (NewspaperParticles) NewspaperParticles->Clear();
  NewspaperParticles.reset();
  Sparkle.reset();
  if (Sparkles) Sparkles->Clear();
  Sparkles.reset();
  Announcer.reset();
  if (AnnouncerChannel) AnnouncerChannel->Kill();
  AnnouncerChannel.reset();
  FlashBulb.reset();
  return 0;
}
