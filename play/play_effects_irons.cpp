// Irons between the layout and the golf bag: card to iron and back, and the club that breaks.

#include <cmath>
#include <string>

#include "cards/card.h"
#include "cards/card_list.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "cards/play_list.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/game_text.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/particle.h"
#include "gfx/particle_list.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "play/hud.h"
#include "play/play_effects.h"
#include "play/play_support.h"
#include "progress/player.h"
#include "screens/game_dialogs.h"
#include "util/strings.h"

using play_support::PlayBankSound;
using play_support::PlaySound;
using play_support::Ticks;

namespace {

using play_support::Picture;
using play_support::ScreenPicture;

std::shared_ptr<TGameImage> MorphImage() { return Picture(ScreenPicture::CardToIronMorph); }
std::shared_ptr<TGameImage> FullLengthIronImage() { return Picture(ScreenPicture::FullLengthIron); }
std::shared_ptr<TGameImage> IronHeadImage() { return Picture(ScreenPicture::IronHead); }
std::shared_ptr<TGameImage> IronHandleImage() { return Picture(ScreenPicture::IronHandle); }
std::shared_ptr<TGameImage> WhackImage() { return Picture(ScreenPicture::Whack); }

// Half the height of the morph strip's frames (90 x 215).
float MorphHalfHeight() {
  auto m = MorphImage();
  return m ? m->h2 : 215 / 2;
}

bool ValidIron(int n) { return n >= 2 && n <= 9; }

}  // namespace

int CardToIronMorphStart(const std::shared_ptr<TCard>& card) {
  if (!card) return 0;
  const int x = ccRound(card->x);
  const int y = ccRound(card->y);
  if (::Particles && TCard::CardIron) {
    auto flash = ::Particles->AddNew(x, y, TCard::CardIron, 0, 0, 0, 0, 0, 0, 0, 1.0f, 0, 0, 0);
    flash->ImageFrame = ValidIron(card->Value) ? card->Value - 2 : 0;
    flash->SetFade(0, 0, 10);
  }
  if (AnimatedParticles) {
    auto morph = AnimatedParticles->AddNew(x + 39, y + 98, MorphImage(), 0, 0, 0, 0, 0, 0, 0, 1.0f, 0, 0, 0);
    morph->SetupAnim(50, 1125, 0, 0, 0);
    morph->AnimStoppedFunction = CardToIronMorphAnimEnd;
    morph->DataObject = card;
  }
  PlayBankSound("iron_morphin", 0.8f);
  return 0;
}

int CardToIronMorphAnimEnd(TSprite& sprite) {
  auto& morph = static_cast<TParticle&>(sprite);
  auto card = std::static_pointer_cast<TCard>(morph.DataObject);
  if (IronParticles && card && HUD) {
    auto iron = IronParticles->AddNew(static_cast<int>(morph.x), static_cast<int>(morph.y), MorphImage(), 0, 0,
                                      0, 0, 0, 0, 0, 1.0f, 0, 0, 0);
    iron->ImageFrame = 49;
    iron->DataObject = card;
    const int k = ValidIron(card->Value) ? card->Value - 2 : 0;
    const int d = static_cast<int>(HUD->Irons_Y[static_cast<std::size_t>(k)] - (iron->y - MorphHalfHeight()) - 38.0f);
    const float v = static_cast<float>(d) / Ticks(210);
    auto fall1 = iron->AddPhase(110);
    fall1->dy = v;
    fall1->UserFunction = CardToIronMorphPlayBagSound;
    auto fall2 = iron->AddPhase(100);
    fall2->dy = v;
    fall2->UserFunction = IronLandedInBag;
    iron->StartPhases();
  }
  morph.Kill();
  return 0;
}

int CardToIronMorphPlayBagSound(TParticle& /*iron*/) {
  if (GameGrid) PlaySound(GameGrid->IronCollectSound, 1.0f);
  return 0;
}

int IronLandedInBag(TParticle& iron) {
  auto card = std::static_pointer_cast<TCard>(iron.DataObject);
  if (!card) return 0;
  card->IronToBagCounter = 0;
  card->CardType = 0;
  const int n = card->Value;
  if (ValidIron(n)) {
    if (GameScreen && GameScreen->Player) GameScreen->Player->Irons[static_cast<std::size_t>(n)] = 1;
    if (HUD) HUD->IronsGlow[static_cast<std::size_t>(n - 2)] = static_cast<float>(HUD->IronsGlowLength);
  }
  if (CardList) CardList->Remove(card.get());
  if (!GameScreen) return 0;
  if (GameGrid && GameGrid->BlockInput == 0 && (!PlayList || PlayList->Count() == 0))
    GameScreen->LevelEndTest();
  GameScreen->CardToIronAnim -= 1;
  GameScreen->EndHoleEnable(1);
  if (!GameGrid || GameGrid->LevelName != "The Vuva Rivudar") return 0;
  if (GameScreen->IronPopUps < 1) {
    GameScreen->IronPopUps += 1;
    GameScreen->TipsKeep();
    const std::string text = GameText ? GameText->FindString("Tip - First Iron") : std::string();
    GameScreen->PopUpTipDialog =
        GameScreen->PopUpTipBuilder ? GameScreen->PopUpTipBuilder(text) : MakePopUpTipDialog(text);
    GameScreen->PopUpTipType = 2;
  }
  return 1;
}

int IronPlayed(int n, int returnFlag) {
  if (!HUD || !ValidIron(n)) return 1;
  const auto k = static_cast<std::size_t>(n - 2);
  const int y0 = static_cast<int>(HUD->Irons_Y[k] + MorphHalfHeight() - 38.0f);
  if (IronParticles) {
    auto iron = IronParticles->AddNew(HUD->GetIronX() + 21, y0, MorphImage(), 0, 0, 0, 0, 0, 0, 0, 1.0f, 0, 0, 0);
    iron->ImageFrame = 49;
    iron->Data1 = n;
    iron->Data2 = returnFlag;
    const int d = (HUD->GetIronY() - 240) - (HUD->Irons_Y[k] - 28);
    auto rise = iron->AddPhase(140);
    rise->dy = static_cast<float>(d) / Ticks(140);
    rise->UserFunction = IronToCardMorph;
    iron->StartPhases();
  }
  return 1;
}

int IronToCardMorph(TParticle& iron) {
  const int x = ccRound(iron.x) - 39;
  const int y = ccRound(iron.y) - 98;
  if (::Particles && TCard::CardIron) {
    auto card = ::Particles->AddNew(x, y, TCard::CardIron, 0, 0, 0, 0, 0, 0, 0, 1.0f, 0, 0, 0);
    card->ImageFrame = ValidIron(iron.Data1) ? iron.Data1 - 2 : 0;
    auto hidden = card->AddPhase(250);
    hidden->Alpha = 0;
    auto appear = card->AddPhase(500);
    appear->FadeInMS = 500;
    card->StartPhases();
  }
  if (AnimatedParticles) {
    auto morph = AnimatedParticles->AddNew(x + 39, y + 98, MorphImage(), 0, 0, 0, 0, 0, 0, 0, 1.0f, 0, 0, 0);
    morph->SetupAnim(50, 750, 0, 1, 0);
    morph->AnimStoppedFunction = IronToCardMorphAnimEnd;
    morph->Data1 = iron.Data1;
    morph->Data2 = iron.Data2;
  }
  PlayBankSound("iron_morphout", 0.8f);
  iron.Kill();
  return 0;
}

int IronToCardMorphAnimEnd(TSprite& sprite) {
  auto& morph = static_cast<TParticle&>(sprite);
  const int x = ccRound(morph.x) - 39;
  const int y = ccRound(morph.y) - 98;
  const int n = morph.Data1;
  const int f = morph.Data2;
  morph.Kill();
  if (!CardList || !GameGrid) return 0;
  auto card = CardList->Add(x, y, CARDTYPE_IRON, 1, n, 0);
  card->ID = TCardList::HighID++;
  card->Playfield = 0;
  if (f != 0) {
    card->OriginalX = static_cast<float>(GameGrid->IronOriginalX);
    card->OriginalY = static_cast<float>(GameGrid->IronOriginalY);
    card->FlipStart(0);
    PlaySound(GameGrid->CardFlipSound, 1.0f);
  } else {
    card->FromBag = 1;
  }
  GameGrid->LastMoveWasIronToBag = 0;
  float t;
  float tx, ty;
  if (f != 0) {
    t = Ticks(380);
    tx = static_cast<float>(GameGrid->IronOriginalX);
    ty = static_cast<float>(GameGrid->IronOriginalY);
  } else {
    t = Ticks(190);
    tx = static_cast<float>(GameGrid->FOUNDATIONX);
    ty = static_cast<float>(GameGrid->FOUNDATIONY);
  }
  if (t <= 0) t = 1;
  card->dx = (tx - card->x) / t;
  card->dy = (ty - card->y) / t;
  GameGrid->CardAnimCounter = t;
  GameGrid->IronCard = card;
  return 0;
}

int IronParticleMake(int /*n*/) {
  if (!HUD || !IronParticles) return 1;
  auto club = IronParticles->AddNew(HUD->GetIronX() + 45, HUD->GetIronY() + 20, FullLengthIronImage(), 0, 0, 0,
                                    0, 0, 0, 0, 1.0f, 0, 0, 0);
  auto rise = club->AddPhase(300);
  rise->dy = -3.0f;
  auto swing = club->AddPhase(300);
  swing->dx = -3.2f;
  swing->dy = -2.0f;
  swing->DoRotate = 1;
  swing->RotationSpeed = 7.5f;
  auto still = club->AddPhase(300);
  still->SetAngle = 1;
  still->Angle = 90;
  still->UserFunction = BreakClub;
  club->StartPhases();
  if (GameGrid) PlaySound(GameGrid->SwishSound, 1.0f);
  return 1;
}

int BreakClub(TParticle& club) {
  const int x = static_cast<int>(club.x);
  const int y = static_cast<int>(club.y);
  if (::Particles) {
    auto flash = ::Particles->AddNew(x, y, WhackImage(), 0, 0, 0, 500, 0, 0, 0, 1.0f, 0.03f, 0, 0);
    flash->SetFade(50, 200, 100);
    auto head = ::Particles->AddNew(x, y, IronHeadImage(), 2.0f, 1.0f, 0.04f, 500, 0, 1, 1.0f, 1.0f, 0, 0, 0);
    head->Rotation = 90;
    head->SetFade(0, 500, 500);
    auto shaft = ::Particles->AddNew(x, y, IronHandleImage(), -2.0f, 1.0f, 0.04f, 500, 0, -1, 1.0f, 1.0f, 0, 0, 0);
    shaft->Rotation = 90;
    shaft->SetFade(0, 500, 500);
  }
  if (GameGrid) PlaySound(GameGrid->SnapSound, 1.0f);
  return 0;
}
