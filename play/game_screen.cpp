#include "play/game_screen.h"

#include "cards/card_list.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "cards/play_list.h"
#include "cards/token_generator_list.h"
#include "content/globals.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/particle_list.h"
#include "gfx/sound_bank.h"
#include "platform/files.h"
#include "platform/graphics.h"
#include "play/globals.h"
#include "play/hud.h"
#include "play/play_effects.h"
#include "progress/player.h"
#include "screens/game_dialogs.h"
#include "ui/button.h"
#include "ui/dialog_ok.h"
#include "ui/menu.h"
#include "util/value_list.h"

namespace {

float Ticks(int ms) { return Game ? Game->CalcAnimLength(ms) : ms / 5.0f; }

// An image of the bank, or none when the bank does not hold it (the play screen runs without
// its effect pictures).
std::shared_ptr<TGameImage> OptionalImage(const std::string& name) {
  if (!images || !images->FindTImage(name)) return nullptr;
  return images->Find(name);
}

}  // namespace

TGameScreen::TGameScreen() {
  name = "game";
  PopUpTipBuilder = MakePopUpTipDialog;
  Player = std::make_shared<TPlayer>();
}

int TGameScreen::TerminatedUserFunction() { return 0; }

int TGameScreen::Load() {
  ClearedParticle = OptionalImage("cleared");
  InvalidParticle = OptionalImage("invalid");
  WedgeFoundParticle = OptionalImage("wedgefound");
  IronFoundParticle = OptionalImage("ironfound");
  if (!ParticleImages[3]) ParticleImages[3] = OptionalImage("particlering");
  if (!HUD) HUD = std::make_shared<THUD>();
  return 0;
}

int TGameScreen::Start() {
  NearPerfectPlayed = 0;
  PerfectHoleRecorded = 0;
  CardToIronAnim = 0;
  EndHoleEnabled = 0;
  TokenGeneratorList = std::make_shared<TTokenGeneratorList>();
  // A saved hole that could not be read back is played afresh.
  if (LoadLevelFromProfile && Player->SaveData->HoleDamaged) LoadLevelFromProfile = 0;
  LevelLoad();
  if (!GameGrid) return 0;
  GameGrid->PointerRestore();
  if (!LoadLevelFromProfile) {
    // Values and suits for the layout, then a stock of face-down cards; the first goes onto the
    // foundation.
    int layout = 0;
    for (const auto& c : CardList->Cards) {
      c->Value = GameGrid->Rng.Rand(1, 13);
      c->Suit = GameGrid->Rng.Rand(0, 3);
      c->ChooseImage();
      ++layout;
    }
    GameGrid->CardsLeft = layout;
    TCardList::HighID = 100;
    for (int i = 0; i < 24; ++i) {
      auto c = CardList->Add(GameGrid->STOCKX, GameGrid->STOCKY, CARDTYPE_NORMAL, 0,
                             GameGrid->Rng.Rand(1, 13), GameGrid->Rng.Rand(0, 3));
      c->ID = TCardList::HighID++;
      c->Playfield = 0;
      c->Stock = 1;
      c->FromStock = 1;
    }
    CardList->StockZOrder();
    CardList->StockSpread();
    CardList->StockTopMark();
    CardList->SortAll();
    if (auto first = CardList->StockTopFind()) {
      first->StockTop = 0;
      first->MakeFaceUp();
      first->MoveToFoundation(1);
      CardList->StockTopMark();
    }
    CardList->FlipAll();
    if (Player->SaveData->AvatarItems[2]) CardList->FlipHalf();
  } else {
    Player->SaveData->Apply();
  }
  CardList->GlowSpecialCards();
  CardList->GlowValidCards();
  return 0;
}

int TGameScreen::Kill() {
  KillGameObjects();
  return 0;
}

int TGameScreen::LevelLoad() {
  GameGrid = TGameGrid::Create();
  GameGrid->LevelName = Player->SaveData->CourseName;
  GameGrid->Load(Player->Level);
  return 0;
}

int TGameScreen::KillGameObjects() {
  if (GameGrid) GameGrid->Kill();
  GameGrid.reset();
  TokenGeneratorList.reset();
  return 0;
}

int TGameScreen::ManageAll() {
  if (GameGrid) GameGrid->Manage();
  if (TokenGeneratorList) TokenGeneratorList->Manage();
  if (HUD) HUD->Manage();
  return 0;
}

int TGameScreen::Logic() {
  if (PopUpTipDialog) {
    if (PopUpTipDialog->Manage() != 0) {
      PopUpTipDialog->Kill();
      PopUpTipDialog.reset();
      if (PopUpTipType == 1 && CardList) CardList->GlowValidCardsDo(1);
    }
    return 0;
  }
  if (WildshotAnimCounter > 0) {
    WildshotAnimCounter -= Delta;
    if (WildshotAnimCounter < 0) WildshotAnimCounter = 0;
  }
  if (StockPenaltyCounter > 0) {
    StockPenaltyCounter -= Delta;
    if (StockPenaltyCounter < 0) StockPenaltyCounter = 0;
  }
  IdleCounter += Delta;
  ManageAll();
  for (const auto& list : {::Particles, ::Particles2, ::ScoreParticles})
    if (list) list->Manage();
  return 0;
}

int TGameScreen::Draw() {
  platform::SetClsColor(20, 90, 40);
  platform::Cls();
  if (CardList) CardList->Draw();
  for (const auto& list : {::Particles, ::Particles2, ::ScoreParticles})
    if (list) list->Draw();
  platform::SetColor(255, 255, 255);
  platform::DrawText(name, 8, 8);
  if (PopUpTipDialog) PopUpTipDialog->Draw();
  return 0;
}

std::shared_ptr<TButton> TGameScreen::MenuButton(const std::string& buttonName) const {
  return Menu ? Menu->FindButton(buttonName) : nullptr;
}

int TGameScreen::MulliganStart() {
  if (!GameGrid || GameGrid->LastMoveWasIronToBag == 0) return 0;
  const int iron = GameGrid->LastMoveWasIronToBag;
  // The iron leaves the bag for its place in the stock: the player no longer holds it.
  IronPlayed(iron, 1);
  if (iron >= IRON_FIRST && iron <= IRON_LAST) Player->Irons[static_cast<std::size_t>(iron)] = 0;
  GameGrid->CardAnimCounter = Ticks(20000);
  GameGrid->CardAction = CARDACTION_IRON_TO_STOCK;
  GameGrid->BlockInputSet();
  EndDriveEnable(0);
  return 0;
}

int TGameScreen::MulliganDisable(int flag) {
  auto b = MenuButton("mulligan");
  if (b && (flag != 0 || Player->Mulligans > 0)) {
    b->Disabled = flag;
    b->Glow = 0;
  }
  return 0;
}

int TGameScreen::MulliganManage() { return 0; }

int TGameScreen::EndDriveButtonShow() {
  if (auto b = MenuButton("enddrive")) {
    auto top = CardList ? CardList->StockTopFind() : nullptr;
    b->x = top ? top->x : (GameGrid ? GameGrid->STOCKX : 0);
    b->y = top ? top->y : (GameGrid ? GameGrid->STOCKY : 0);
    b->Active = 1;
  }
  EndHoleEnable(0);
  return 0;
}

int TGameScreen::EndDriveEnable(int flag) {
  auto b = MenuButton("enddrive");
  if (b && b->Active) b->Disabled = flag ? 0 : 1;
  return 0;
}

bool TGameScreen::EndHoleIsEnabled() const {
  auto b = MenuButton("end_hole");
  return b ? b->Disabled == 0 : EndHoleEnabled != 0;
}

int TGameScreen::EndHoleEnable(int flag) {
  auto b = MenuButton("end_hole");
  auto set = [&](int enabled) {
    EndHoleEnabled = enabled;
    if (b) b->Disabled = enabled ? 0 : 1;
  };
  if (flag == 0) {
    set(0);
    return 1;
  }
  if (EndHoleIsEnabled()) return 1;
  auto endDrive = MenuButton("enddrive");
  const bool busy = (endDrive && endDrive->Active) || (CardList && CardList->StockCount() > 0) ||
                    (PlayList && PlayList->Count() > 0) ||
                    (TokenGeneratorList && (TokenGeneratorList->Count() > 0 ||
                                            TokenGeneratorList->BonusTokens != 0)) ||
                    WildshotAnimCounter > 0 || (CardList && CardList->AnimatingIronMorph());
  if (busy) return 0;
  set(1);
  return 1;
}

int TGameScreen::LevelEndTest() {
  ++LevelEndTests;
  if (GameGrid && GameGrid->CardsLeft == 0 && !PerfectHoleRecorded) PerfectHoleRecorded = 1;
  EndHoleEnable(1);
  return 0;
}

int TGameScreen::PopUpsReset() {
  MissedCardPopUps = 0;
  return 0;
}

int TGameScreen::SpeechLoad(const std::string& key, const std::string& file) {
  AnnouncerSound.reset();
  if (!Game || !SpeechChances) return 0;
  auto entry = SpeechChances->GetValueByName(key);
  const int chance = entry ? entry->value : 0;
  if (EffectsRandom.Rand(1, 100) > chance) return 0;
  const std::string path = Game->SpeechPath + file + ".ogg";
  if (!platform::FileExists(path)) return 0;
  AnnouncerSound = TGameSound::Create(path, 0);
  return 0;
}

int TGameScreen::SpeechPlay(const std::string& key) {
  if (!AnnouncerSound || !Game) return 0;
  if (!key.empty()) {
    auto entry = SpeechChances ? SpeechChances->GetValueByName(key) : nullptr;
    const int chance = entry ? entry->value : 0;
    if (EffectsRandom.Rand(1, 100) > chance) return 0;
  }
  Game->SpeechPlay(*AnnouncerSound, 1);
  return 0;
}

int TGameScreen::ToolTipCardAssign() {
  if (!Player->SaveData->AvatarItems[3] || !CardList) return 0;
  auto top = CardList->StockTopFind();
  if (!top) return 0;
  if (!ToolTipCard) ToolTipCard = TCard::Make(0, 0, CARDTYPE_NORMAL, 1, 1, 0);
  top->CopyCore(*ToolTipCard);
  ToolTipCard->FaceUp = 1;
  ToolTipCard->ChooseImage();
  return 0;
}

int TGameScreen::TestForAnims() {
  if (!Game || !GameScreen || Game->CurrentTScreen != GameScreen) return -1;
  if (!GameGrid) return 0;
  return 0;
}
