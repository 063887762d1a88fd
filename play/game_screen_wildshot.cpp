// What a wild shot story does to the hole in play, and the card animations that some stories
// leave running: floating waves, the second broken iron, the card pick and the shuffle.

#include <array>
#include <cstdlib>
#include <vector>

#include "cards/card_list.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "cards/token_generator_list.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/channel_array.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/particle_list.h"
#include "gfx/sound_bank.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "play/hud.h"
#include "play/play_effects.h"
#include "platform/random.h"
#include "progress/career_stats.h"
#include "progress/player.h"
#include "progress/save_data.h"
#include "ui/button.h"
#include "ui/mouse_pointer.h"
#include "wildshot/globals.h"
#include "wildshot/wildshot_screen.h"

namespace {

bool IronNumber(int n) { return n >= 2 && n <= 9; }

void PlayOnGrid(const std::shared_ptr<TGameSound>& sound) {
  if (GameGrid && GameGrid->Channels && sound)
    GameGrid->Channels->PlayGameSound(sound, nullptr, 1.0f, 0.0f);
}

// The shuffle's slide: the slide sound played higher, its pitch put back for other users.
void PlaySlideHigh(const std::shared_ptr<TGameSound>& slide) {
  if (!slide) return;
  slide->pitch = 1.6f;
  PlayOnGrid(slide);
  slide->pitch = 1.0f;
}

void Drop(double x) {
  if (HUD && HUD->MultiplierGhost > 1.0) HUD->MultiplierDrop(x);
}

// A free, face-up layout card that is not moving: the only kind the card pick can take.
bool Pickable(const TCard& c) {
  return c.Relationships.empty() && c.Playfield == 1 && c.Foundation == 0 && c.FlipCounter == 0 &&
         c.Spinning == 0 && c.FaceUp == 1;
}

bool Gathered(const TCard& c) { return c.Stock || c.Playfield; }

// A story's broken iron: its particle and the bag's slot emptied; a number outside the bag does
// nothing.
void BreakIron(TPlayer& player, int iron) {
  if (!IronNumber(iron)) return;
  IronParticleMake(iron);
  player.Irons[static_cast<std::size_t>(iron)] = 0;
}

}  // namespace

int TGameScreen::WildshotBoostCash(int amount) {
  if (!TokenGeneratorList || !GameGrid || !HUD) return 0;
  TokenGeneratorList->Add(ScreenWidth / 2, GameGrid->STOCKY - 20, HUD->HOLECASHX, HUD->HOLECASHY,
                          TGameGrid::CalcTokenQuantity(amount), amount, 225, 500, 0, 1, 0);
  HUD->HoleCashBounce();
  return 0;
}

int TGameScreen::WildshotTokenPenalty(int amount) {
  if (!TokenGeneratorList || !HUD) return 0;
  TokenGeneratorList->Add(HUD->CASHX, HUD->CASHY, 0, 0, TGameGrid::CalcTokenQuantity(std::abs(amount)),
                          amount, 225, 0, 1, 1, 0);
  return 0;
}

// The steps of a wild shot story that are more than an amount: each is one story's own effect.
enum class TStoryStep {
  None,
  NewIron,        // 2: an iron for the bag's free slot
  GopherVisit,    // 5: the gopher takes the hole's winnings and the multiplier
  GopherFlushed,  // 6: the gopher's find counts in the career
  FloatWater,     // 7: the free water cards float away
  FloatSand,      // 8: the free sand cards float away
  LostBall,       // 12: a lost ball costs stock cards or cash
  BreakIron,      // 18: one iron breaks
  MulliganWon,    // 19: one more mulligan
  BreakIrons,     // 20: one iron breaks now, a second later
  LoseItem,       // 21: an avatar item is lost
  SkyBall,        // 23: twenty seconds back on the clock
  CardPick,       // 24: the player shoots one free card
  Shuffle,        // 27: the layout and the stock are shuffled
  ClearLayout,    // 28: every free card floats away and the stock goes
};

namespace {

// What one wild shot story does to the hole in play. WildshotProcessStory applies the amounts in
// the order of these fields, then the story's own step.
struct TStoryOutcome {
  int Cash = 0;                // paid into the hole's winnings with a token stream
  bool PaysFoundCash = false;  // the story's value, when above 0, is paid the same way
  double MultiplierBoost = 0;  // added to the multiplier
  double MultiplierDrop = 0;   // taken from the multiplier while it is above 1
  int CashPenalty = 0;         // taken from the cash in hand with a token stream
  int StockDrop = 0;           // stock cards dropped
  TStoryStep Step = TStoryStep::None;
};

// Indexed by story number, 1 to 29 (row 0 is unused).
constexpr std::array<TStoryOutcome, 30> STORY_OUTCOMES = {{
    {},
    {.Cash = 250},                                               // 1
    {.Step = TStoryStep::NewIron},                               // 2
    {.MultiplierBoost = 0.2},                                    // 3
    {.MultiplierBoost = 0.3},                                    // 4
    {.StockDrop = 3, .Step = TStoryStep::GopherVisit},           // 5
    {.PaysFoundCash = true, .Step = TStoryStep::GopherFlushed},  // 6
    {.Step = TStoryStep::FloatWater},                            // 7
    {.Step = TStoryStep::FloatSand},                             // 8
    {.StockDrop = 1},                                            // 9
    {.MultiplierDrop = 0.4},                                     // 10
    {.CashPenalty = 250},                                        // 11
    {.PaysFoundCash = true, .Step = TStoryStep::LostBall},       // 12
    {.MultiplierDrop = 0.1},                                     // 13
    {.MultiplierDrop = 0.2},                                     // 14
    {.StockDrop = 2},                                            // 15
    {.MultiplierDrop = 0.3},                                     // 16
    {.CashPenalty = 175},                                        // 17
    {.Step = TStoryStep::BreakIron},                             // 18
    {.Step = TStoryStep::MulliganWon},                           // 19
    {.Step = TStoryStep::BreakIrons},                            // 20
    {.Step = TStoryStep::LoseItem},                              // 21
    {.CashPenalty = 100},                                        // 22
    {.Step = TStoryStep::SkyBall},                               // 23
    {.Step = TStoryStep::CardPick},                              // 24
    {.PaysFoundCash = true},                                     // 25
    {.PaysFoundCash = true},                                     // 26
    {.Step = TStoryStep::Shuffle},                               // 27
    {.Step = TStoryStep::ClearLayout},                           // 28
    {.MultiplierDrop = 0.5},                                     // 29
}};

}  // namespace

int TGameScreen::WildshotProcessStory() {
  if (!WildShotScreen || !GameGrid || !CardList || !HUD) return 0;
  const int story = WildShotScreen->ChosenStory + 1;
  if (story < 1 || story >= static_cast<int>(STORY_OUTCOMES.size())) return 0;
  const TStoryOutcome& outcome = STORY_OUTCOMES[static_cast<std::size_t>(story)];
  const int value = WildShotScreen->SpecialValue;
  if (outcome.Cash > 0) WildshotBoostCash(outcome.Cash);
  if (outcome.PaysFoundCash && value > 0) WildshotBoostCash(value);
  if (outcome.MultiplierBoost > 0) HUD->MultiplierBoost(outcome.MultiplierBoost);
  if (outcome.MultiplierDrop > 0) Drop(outcome.MultiplierDrop);
  if (outcome.CashPenalty > 0) WildshotTokenPenalty(-outcome.CashPenalty);
  if (outcome.StockDrop > 0) DropStockCards(outcome.StockDrop);
  WildshotStoryStep(outcome.Step, value);
  return 0;
}

void TGameScreen::WildshotStoryStep(TStoryStep step, int value) {
  auto& save = *Player->SaveData;
  auto& stats = *save.CareerStats;
  switch (step) {
    case TStoryStep::None:
      break;
    case TStoryStep::NewIron:
      WildshotNewIron(value);
      break;
    case TStoryStep::GopherVisit: {
      stats.TotalGopherVisits->Increase(1);
      const int won = Player->LevelScore;
      if (won > 0) {
        stats.TotalGopherMoneyLost->Increase(won);
        if (TokenGeneratorList)
          TokenGeneratorList->Add(HUD->HOLECASHX, HUD->HOLECASHY, 0, 0,
                                  TGameGrid::CalcTokenQuantity(won), -won, 225, 0, 2, 1, 0);
      }
      HUD->HoleCashBounce();
      Drop(HUD->MultiplierGhost - 1.0);
      break;
    }
    case TStoryStep::GopherFlushed:
      // The gopher's find counts only as a real amount.
      if (value > 0) {
        stats.TotalGopherFlushed->Increase(1);
        stats.TotalGopherMoneyFound->Increase(value);
      }
      break;
    case TStoryStep::FloatWater:
      WildshotAnimType = WILDSHOT_ANIM_WATER;
      FloatCards(CardList->WaterCardsFindFree());
      break;
    case TStoryStep::FloatSand:
      WildshotAnimType = WILDSHOT_ANIM_SAND;
      FloatCards(CardList->SandCardsFindFree());
      break;
    case TStoryStep::LostBall:
      if (WildShotScreen->MinigameGood == 0) {
        if (CardList->StockCount() >= 2)
          DropStockCards(2);
        else
          WildshotTokenPenalty(-200);
      }
      break;
    case TStoryStep::BreakIron:
      BreakIron(*Player, value);
      break;
    case TStoryStep::MulliganWon:
      WildshotMulliganWon();
      break;
    case TStoryStep::BreakIrons:
      BreakIron(*Player, value);
      WildshotAnimType = WILDSHOT_ANIM_IRON;
      WildshotAnimLength = static_cast<int>(Game->CalcAnimLength(10000));
      WildshotAnimCounter = static_cast<float>(WildshotAnimLength);
      WildshotInterval = static_cast<int>(Game->CalcAnimLength(800));
      WildshotIntervalCounter = static_cast<float>(WildshotInterval);
      EndHoleEnable(0);
      break;
    case TStoryStep::LoseItem:
      if (value >= 0 && value < static_cast<int>(save.AvatarItems.size())) {
        save.AvatarItems[static_cast<std::size_t>(value)] = 0;
        PlayOnGrid(GameGrid->ItemLostSound);
      }
      break;
    case TStoryStep::SkyBall:
      Player->TimeTaken -= Game->CalcAnimLength(20000);
      HUD->StopWatchGlowEffect();
      PlayOnGrid(GameGrid->SkyBallSound);
      break;
    case TStoryStep::CardPick:
      GameGrid->PointerToCrosshair();
      WildshotAnimType = WILDSHOT_ANIM_PICK;
      WildshotAnimLength = static_cast<int>(Game->CalcAnimLength(10000));
      WildshotAnimCounter = static_cast<float>(WildshotAnimLength);
      GameGrid->BlockInputSet();
      EndHoleEnable(0);
      break;
    case TStoryStep::Shuffle:
      WildshotShuffleStart();
      break;
    case TStoryStep::ClearLayout:
      WildshotAnimType = WILDSHOT_ANIM_CLEAR;
      FloatCards(CardList->FindFree());
      CardList->StockKill();
      break;
  }
}

void TGameScreen::WildshotNewIron(int iron) {
  // A new iron for a free slot of the bag; a number outside the bag is ignored.
  if (!IronNumber(iron)) return;
  auto card = CardList->Add(HUD->GetIronX(), HUD->GetIronY(), CARDTYPE_IRON, 1, iron, 0);
  card->ID = TCardList::HighID++;
  card->x = static_cast<float>(HUD->GetIronX() - 17);
  card->y = static_cast<float>(HUD->GetIronY() - 240);
  card->visible = 0;
  GameGrid->IronCard = card;
  card->IronToBagCounter = 100000.0f;
  CardToIronAnim += 1;
  CardToIronMorphStart(card);
  GameGrid->LastMoveWasIronToBag = 0;
  EndHoleEnable(0);
}

void TGameScreen::WildshotMulliganWon() {
  Player->Mulligans += 1;
  SetMulliganImages();
  MulliganGlowLength = static_cast<int>(Game->CalcAnimLength(1500));
  MulliganGlowCounter = static_cast<float>(MulliganGlowLength);
  if (auto b = MenuButton("mulligan")) {
    const int px = static_cast<int>(b->x + b->w2 - 2);
    const int py = static_cast<int>(b->y + b->h2 - 2);
    b->ScaleOnMO = b->ScaleOnMOMax;
    if (::Particles) {
      ::Particles->AddNew(px, py, ParticleImages[3], 0, 0, 0, 200, 1, 0, 0, 0.5f, 0.05f, 0, 0);
      ::Particles->AddNew(px, py, ParticleImages[3], 0, 0, 0, 300, 1, 0, 0, 0.25f, 0.04f, 0, 0);
      ::Particles->AddNew(px, py, ParticleImages[3], 0, 0, 0, 400, 1, 0, 0, 0.125f, 0.03f, 0, 0);
    }
    TokenParticlesMake(static_cast<float>(px), static_cast<float>(py), 100, 1);
  }
  PlayOnGrid(GameGrid->MulliganWonSound);
}

void TGameScreen::WildshotShuffleStart() {
  WildshotAnimType = WILDSHOT_ANIM_SHUFFLE;
  WildshotAnimPhase = 0;
  WildshotAnimLength = static_cast<int>(Game->CalcAnimLength(500));
  WildshotAnimCounter = static_cast<float>(WildshotAnimLength);
  GameGrid->BlockInputSet();
  EndHoleEnable(0);
  PlaySlideHigh(SoundSlide);
  const float length = static_cast<float>(std::max(1, WildshotAnimLength));
  for (const auto& c : CardList->Cards) {
    if (!Gathered(*c)) continue;
    c->dx = ((ScreenWidth / 2 - 34) - c->x) / length;
    c->dy = ((ScreenHeight / 2 - 50) - c->y) / length;
  }
}

int TGameScreen::WildshotAnimKill() {
  WildshotAnimType = WILDSHOT_ANIM_NONE;
  WildshotAnimCounter = 0;
  WildshotIntervalCounter = 0;
  return 0;
}

int TGameScreen::WildshotAnimManage() {
  if (WildshotAnimType == WILDSHOT_ANIM_PICK) return WildshotPickManage();
  if (WildshotAnimType == WILDSHOT_ANIM_SHUFFLE) return WildshotShuffleManage();
  if (WildshotAnimCounter <= 0) return 0;
  WildshotAnimCounter -= Delta;
  if (WildshotIntervalCounter > 0) {
    WildshotIntervalCounter -= Delta;
    if (WildshotIntervalCounter <= 0) {
      WildshotIntervalCounter += static_cast<float>(WildshotInterval);
      switch (WildshotAnimType) {
        case WILDSHOT_ANIM_WATER:
        case WILDSHOT_ANIM_SAND: {
          const bool water = WildshotAnimType == WILDSHOT_ANIM_WATER;
          auto cards = water ? CardList->WaterCardsFindFree() : CardList->SandCardsFindFree();
          if (cards.empty()) {
            WildshotAnimKill();
          } else {
            FloatingCardsMake(cards, 0);
            auto more = water ? CardList->WaterCardsFindFree() : CardList->SandCardsFindFree();
            if (more.empty()) WildshotAnimKill();
          }
          break;
        }
        case WILDSHOT_ANIM_IRON: {
          const int iron = WildShotScreen ? WildShotScreen->SpecialValue2 : 0;
          BreakIron(*Player, iron);
          WildshotAnimKill();
          EndHoleEnable(1);
          break;
        }
        case WILDSHOT_ANIM_CLEAR: {
          auto cards = CardList->FindFree();
          if (cards.empty()) {
            WildshotAnimKill();
          } else {
            FloatingCardsMake(cards, -1);
            if (CardList->FindFree().empty()) WildshotAnimKill();
          }
          break;
        }
        default: break;
      }
    }
  }
  if (WildshotAnimCounter <= 0) WildshotAnimKill();
  return 0;
}

int TGameScreen::WildshotPickManage() {
  if (!CardList || !Game->Mouse) return 0;
  const auto endPick = [this]() {
    if (GameGrid) GameGrid->PointerRestore();
    WildshotAnimKill();
    EndHoleEnable(1);
  };
  // With no card left that a shot could take, the pick ends without one.
  bool any = false;
  for (const auto& c : CardList->Cards)
    if (c && Pickable(*c)) any = true;
  if (!any) {
    endPick();
    return 0;
  }
  const int px = Game->Mouse->x, py = Game->Mouse->y;
  if (Game->Mouse->GetMh(1) == 0) return 0;
  std::shared_ptr<TCard> shot;
  for (const auto& c : CardList->Cards) {
    if (c && Pickable(*c) && c->x <= px && px < c->x + c->w && c->y <= py && py < c->y + c->h) {
      shot = c;
      break;  // one click takes one card
    }
  }
  if (!shot) return 0;
  const int cx = static_cast<int>(shot->x + 34);
  const int cy = static_cast<int>(shot->y + 50);
  const bool water = shot->CardType == CARDTYPE_WATER;
  FloatingCardsMake({shot}, 1);
  if (water) WaterHazardParticle(1);
  TokenParticlesMake(static_cast<float>(cx), static_cast<float>(cy), 100, 1);
  if (::Particles)
    ::Particles->AddNew(cx, cy, ParticleImages[3], 0, 0, 0, 400, 1, 0, 0, 0.5f, 0.025f, 0, 0);
  if (GameGrid) PlayOnGrid(GameGrid->RifleShotSound);
  endPick();
  if (ScoreParticles && ClickPlayableCardParticle)
    ScoreParticles->AddNew(ScreenWidth / 2, ScreenHeight / 2 - 145, ClickPlayableCardParticle, 0,
                           -0.2f, 0, 700, 0, 0, 1.0f, 1.0f, 0, 0, 0);
  return 0;
}

int TGameScreen::WildshotShuffleManage() {
  const int pileX = ScreenWidth / 2 - 34;
  const int pileY = ScreenHeight / 2 - 50;
  WildshotAnimCounter -= Delta;
  if (WildshotAnimPhase == 0) {
    if (WildshotAnimCounter > 0) return 0;
    for (const auto& c : CardList->Cards) {
      if (!Gathered(*c)) continue;
      c->x = static_cast<float>(pileX);
      c->y = static_cast<float>(pileY);
      c->dx = c->dy = 0;
    }
    WildshotAnimCounter = Game->CalcAnimLength(2000);
    WildshotInterval = static_cast<int>(Game->CalcAnimLength(80));
    WildshotIntervalCounter = static_cast<float>(WildshotInterval);
    WildshotAnimPhase = 1;
    ShuffleParticleMake();
    if (GameGrid && GameGrid->Channels && SoundShuffle)
      ChannelShuffle = GameGrid->Channels->PlayGameSound(SoundShuffle, nullptr, 1.0f, 0.0f);
    return 0;
  }
  if (WildshotAnimPhase == 1) {
    if (WildshotAnimCounter > 0) {
      WildshotIntervalCounter -= Delta;
      if (WildshotIntervalCounter <= 0) {
        WildshotIntervalCounter += static_cast<float>(WildshotInterval);
        ShuffleParticleMake();
      }
      return 0;
    }
    WildshotAnimPhase = 2;
    WildshotAnimCounter = Game->CalcAnimLength(500);
    if (GameGrid && GameGrid->Channels && ChannelShuffle)
      GameGrid->Channels->StopGameChannel(ChannelShuffle);
    PlaySlideHigh(SoundSlide);
    const float length = static_cast<float>(std::max(1, WildshotAnimLength));
    for (const auto& c : CardList->Cards) {
      if (!Gathered(*c)) continue;
      c->dx = (c->OriginalX - pileX) / length;
      c->dy = (c->OriginalY - pileY) / length;
    }
    ShuffleParticleKill();
    std::vector<std::shared_ptr<TCard>> pack;
    for (const auto& c : CardList->Cards)
      if (Gathered(*c) && (c->CardType == CARDTYPE_NORMAL || c->CardType == CARDTYPE_WATER ||
                           c->CardType == CARDTYPE_SAND))
        pack.push_back(c);
    for (const auto& c : pack) {
      auto& r = pack[static_cast<std::size_t>(GameGrid->Rng.Rand(0, static_cast<int>(pack.size()) - 1))];
      std::swap(c->Value, r->Value);
      std::swap(c->Suit, r->Suit);
    }
    for (const auto& c : pack) c->ChooseImage();
    // The stock top's copy takes its new face at once.
    ToolTipCardAssign();
    return 0;
  }
  if (WildshotAnimCounter > 0) return 0;
  WildshotAnimKill();
  for (const auto& c : CardList->Cards) {
    if (!Gathered(*c)) continue;
    c->x = c->OriginalX;
    c->y = c->OriginalY;
    c->dx = c->dy = 0;
  }
  EndHoleEnable(1);
  return 0;
}
