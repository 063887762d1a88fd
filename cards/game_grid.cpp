#include "cards/game_grid.h"

#include <cmath>

#include "cards/card_list.h"
#include "cards/field_events.h"
#include "cards/globals.h"
#include "cards/play_list.h"
#include "cards/token_generator_list.h"
#include "content/course.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/channel_array.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/particle.h"
#include "gfx/particle_list.h"
#include "gfx/sound_bank.h"
#include "platform/files.h"
#include "util/error.h"
#include "util/files.h"

TGameGrid::TGameGrid() {
  Channels = TChannelArray::Create(32);
  for (int i = 0; i < 2; ++i)
    for (int f = 0; f < 5; ++f)
      for (int b = 0; b < 5; ++b) TOKEN_FACTOR[i][f][b] = TOKEN_FACTOR_TABLE[i][f][b];
}

TGameGridRef TGameGrid::Create() {
  auto grid = std::make_shared<TGameGrid>();
  grid->Init();
  return grid;
}

int TGameGrid::Init() {
  SetImages();
  SetSounds();
  glow->Init(0, 180, 1);
  glow2->Init(0, 180, 1.5f);
  CardList = std::make_shared<TCardList>();
  PlayList = std::make_shared<TPlayList>();
  STOCKX = FOUNDATIONX - 104;
  STOCKY = FOUNDATIONY;
  return 0;
}

int TGameGrid::SetImages() { return 0; }

int TGameGrid::SetSounds() {
  auto find = [](const std::string& name) -> SoundRef { return sounds ? sounds->Find(name) : nullptr; };
  CardFlipSound = find("card_being_played");
  CardFlipQuickSound = find("card_flip_quick");
  CardLandingSound = find("card_landing_on_card");
  InvalidSound = find("invalid");
  PlayCardSound1 = find("play_card");
  PlayCardSound2 = find("play_card_2");
  PlayCardSound3 = find("play_card_3");
  WaterSpray = find("water_spray");
  SandWedgeUsedSound = find("Sand_Wedge_Used");
  WaterHazardClearedSound = find("Water_Hazard_Cleared");
  WildshotAppearsSound = find("wild_shot_card_appears");
  IronCollectSound = find("iron_power_up_collect");
  IronPlayedSound = find("iron_play");
  IronMouseOver = find("iron_mouseover");
  FireworkSound = find("firework");
  TokenSound = find("token_appears");
  TokenHitSignSound = find("token_hit_sign");
  RunEndSound = find("run_end");
  RunEndReverseSound = find("run_end_reverse");
  FiveXMusic = find("5x");
  SwishSound = find("swish");
  LandingSound = find("landing");
  CashSignSound = find("cash_sign");
  RustleSound = find("dialog_rustle");
  RifleShotSound = find("rifleshot");
  MulliganWonSound = find("mulligan_won");
  SkyBallSound = find("sky_ball");
  SnapSound = find("snap");
  XraySound = find("xray");
  TimeLowBeepSound = find("timelowbeep");
  TimeUpSound = find("timeup");
  StopwatchHitSignSound = find("stopwatch_hit_sign");
  ItemLostSound = find("lostitem");
  LongDriveWhooshSound = find("long_drive_whoosh");
  LongDriveIronSound = find("long_drive_iron");
  LongDriveTone = find("long_drive_tone");
  for (int i = 0; i < 5; ++i) DriveStrike[static_cast<std::size_t>(i)] = find("long_drive_strike" + std::to_string(i + 1));
  if (Channels) Channels->MaxVol = 32;
  return 0;
}

void TGameGrid::PlaySound(const SoundRef& sound, float volume) {
  if (sound && Channels) Channels->PlayGameSound(sound, nullptr, volume, 0);
}

int TGameGrid::Load(int hole) {
  auto& events = FieldEvents();
  const std::string courseName = events.CourseName();
  auto course = events.CourseFind(courseName);
  if (!course) {
    ccRunTimeError("The course \"" + courseName + "\" of the saved game does not exist.", 1);
    return 0;
  }
  if (hole < 1 || hole > course->Holes || hole > MAX_COURSE_HOLES) {
    ccRunTimeError("The course \"" + courseName + "\" has no hole " + std::to_string(hole) + ".", 1);
    return 0;
  }
  const std::string prefix = Game ? Game->DataPrefix : std::string();
  const std::string path =
      HoleFilePath(prefix, course->HoleNames[static_cast<std::size_t>(hole - 1)]);
  auto in = ccLoadFile(path, HOLE_FILE_MAX_BYTES);
  if (!in) return 0;
  std::string text;
  while (!in->Eof()) text += in->ReadLine() + "\n";
  const HoleFileResult result = ParseHoleFile(text, path, events.LoadLevelFromProfile() != 0);
  if (!result.ok) {
    ccRunTimeError(result.error, 1);
    return 0;
  }
  HolePar = result.hole.par;
  if (events.LoadLevelFromProfile()) return 0;
  return LoadFromData(result.hole);
}

int TGameGrid::LoadFromData(const HoleFileData& data) {
  HolePar = data.par;
  if (!CardList) CardList = std::make_shared<TCardList>();
  for (const auto& entry : data.cards) {
    auto card = CardList->Add(sx + ScaleHoleUnit(entry.x), sy + ScaleHoleUnit(entry.y), entry.type,
                              entry.faceUp, 1, 0);
    card->ID = entry.id;
    card->TokenFactor = entry.tokenFactor;
    card->ZOrder = entry.zorder;
    card->Relationships = entry.covers;
    card->OriginalRelationships = entry.covers;
  }
  return 0;
}

int TGameGrid::Kill() {
  if (CardList) CardList->Kill();
  CardList.reset();
  if (PlayList) PlayList->Clear();
  PlayList.reset();
  if (Channels) Channels->Kill();
  Channels.reset();
  return 0;
}

int TGameGrid::FoundationChange(const TCardRef& card, int reglow) {
  if (!card) return 0;
  FoundationValue = card->Value;
  FoundationCard = card;
  if (reglow && CardList) CardList->GlowValidCards();
  return 0;
}

int TGameGrid::GetHTP() { return GameGrid ? GameGrid->CardsLeft - GameGrid->HolePar : 0; }

// ---- Cash tokens ----------------------------------------------------------------------------------

int TGameGrid::CalcBonus(int factor) {
  if (factor <= 0) return 0;
  if (factor > 5) factor = 5;
  const int band = TokenLuckBand(Rng.Rand(0, 99));
  const int lo = TOKEN_FACTOR[0][factor - 1][band];
  const int hi = TOKEN_FACTOR[1][factor - 1][band];
  return RoundToFive(lo + Rng.Rand(0, hi - lo));
}

int TGameGrid::TokensMake(const TCardRef& card, int playSound, int centred, int showCleared) {
  if (!card) return 0;
  const int cash = CalcBonus(card->TokenFactor);
  auto& events = FieldEvents();
  events.TokensText(card, cash, centred);
  const int qty = CalcTokenQuantity(cash);
  int sxp = static_cast<int>(card->x);
  int syp = static_cast<int>(card->y);
  if (centred == 0) {
    sxp += TCard::cardw2;
    syp += TCard::cardh2;
  }
  TFieldEvents::TokenTargets to;
  if (TokenGeneratorList && events.HasPlayer() && events.TokenTargetsFind(to)) {
    if (!events.HoleTimed()) {
      TokenGeneratorList->Add(sxp, syp, to.holeCashX, to.holeCashY, qty, cash, 225, 500, 0,
                              playSound, 0);
    } else if (!events.TimeIsUp()) {
      TokenGeneratorList->Add(sxp, syp, to.stopWatchX, to.stopWatchY, card->TokenFactor, 0, 225,
                              500, 0, playSound, 1);
    }
  }
  const auto cleared = showCleared ? events.SignImage(TFieldEvents::Sign::Cleared) : nullptr;
  if (ScoreParticles && cleared) {
    auto p = ScoreParticles->AddNew(sxp, syp - 28, cleared, 0, -0.2f, 0, 0, 0, 0, 0, 1, 0, 0, 0);
    if (p) p->SetFade(50, 500, 500);
  }
  return 0;
}
