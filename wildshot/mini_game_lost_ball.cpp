// The Lost Ball: ten face-down cards, one hiding the ball and one cash; five tries (seven with
// avatar item 6) to turn the ball up.

#include "wildshot/wildshot_screen.h"

#include "cards/card.h"
#include "cards/card_list.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "content/globals.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/bitmap_font.h"
#include "gfx/game_text.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/sound_bank.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "platform/graphics.h"
#include "progress/currency.h"
#include "progress/player.h"
#include "progress/save_data.h"
#include "ui/button.h"
#include "ui/menu.h"
#include "ui/mouse_pointer.h"
#include "util/animation.h"
#include "util/globals.h"
#include "util/text_draw.h"
#include "util/word_wrap.h"
#include "wildshot/globals.h"

namespace {

int StockCount() { return CardList ? CardList->StockCount() : 0; }

}  // namespace

int TWildshotScreen::LoadLostBall() {
  MinigameMenuY = DialogHeight() - 71;
  MinigameMenu->SetX(static_cast<float>(MinigameX + 10));
  MinigameMenu->SetY(static_cast<float>(MinigameMenuY));
  LoadMinigameOKButton();
  MinigameBG = TGameImage::Create(Game->ImagePath + "Wildshots/minigames/LostBall/" + "bg.png", -1, 0);
  Tries = 5;
  if (GameScreen && GameScreen->Player && GameScreen->Player->SaveData &&
      GameScreen->Player->SaveData->AvatarItems[6] != 0)
    Tries += 2;
  LostBallResultFont = StatsFont;
  Instructions = InstructionLines(StockCount() >= 2 ? "Minigame Lost Ball Instructions 1"
                                                    : "Minigame Lost Ball Instructions 2",
                                  Tries);
  WinningsText = TextOf("Minigame Winnings");
  TriesText = TextOf("Tries");

  Cards = std::make_shared<TCardList>();
  for (int c = 0; c < 5; ++c)
    for (int r = 0; r < 2; ++r) {
      auto card = Cards->Add(MinigameX + 22 + 76 * c, MinigameY + 26 + 109 * r, CARDTYPE_BLANK, 0, 1, 0);
      card->UseAlpha = 0;
      card->FlipEndFunction = [](TCard& flipped) { return CheckFlippedCard(&flipped); };
    }
  platform::Random& rng = Rng();
  const int ball = rng.Rand(0, MAX_MINIGAME_CARDS - 1);
  int cash = rng.Rand(0, MAX_MINIGAME_CARDS - 1);
  while (cash == ball) cash = rng.Rand(0, MAX_MINIGAME_CARDS - 1);
  auto ball_card = Cards->Cards[static_cast<std::size_t>(ball)];
  ball_card->CardType = CARDTYPE_BALL;
  ball_card->ChooseImage();
  auto cash_card = Cards->Cards[static_cast<std::size_t>(cash)];
  cash_card->CardType = CARDTYPE_CASH;
  cash_card->ChooseImage();

  SoundFoundMoney = sounds ? sounds->Find("mini_found_money") : nullptr;
  SoundFoundBall = sounds ? sounds->Find("mini_found_ball") : nullptr;
  BallFound = 0;
  MouseUpFlag = 0;
  Prize = 0;
  MinigamePhase = MINIGAME_PHASE_RUNNING;
  return 0;
}

int TWildshotScreen::MinigameLostBall() {
  const int mx = Game->Mouse ? Game->Mouse->x : 0;
  const int my = Game->Mouse ? Game->Mouse->y : 0;
  const int held = Game->Mouse ? Game->Mouse->GetMb() : 0;
  if (MinigamePhase == MINIGAME_PHASE_RUNNING && !MinigameFadeOut->Active && Cards) {
    if (held > 0 && MouseUpFlag == 1 && Tries > 0) {
      for (const auto& card : Cards->Cards) {
        if (!(card->x <= mx && mx < card->x + TCard::cardw && card->y <= my && my < card->y + TCard::cardh))
          continue;
        if (card->FaceUp == 0 && card->FlipCounter == 0) {
          --Tries;
          if (GameGrid) PlayField(GameGrid->CardFlipSound, 1.0f);
          card->FlipStart(1);
        } else if (GameGrid) {
          PlayField(GameGrid->InvalidSound, 1.0f);
        }
      }
    }
    MouseUpFlag = held == 0 ? 1 : 0;
    bool turning = false;
    const auto cards = Cards->Cards;  // a turn's end may reach back into the screen
    for (const auto& card : cards) {
      card->Manage();
      turning = turning || card->FlipCounter > 0;
    }
    if (!turning && (Tries == 0 || BallFound == 1)) MinigameFadeOut->Start();
  }
  if (MinigameFadeOut->Manage() == 1) {
    MinigamePhase = MINIGAME_PHASE_RESULT;
    ResultFadeIn->Start();
    std::vector<std::string> lines;
    if (BallFound) {
      ResultText = TextOf("Ball Found");
      lines = ccSplitStringIntoLines(TextOf("Ball Found Result"));
    } else {
      ResultText = TextOf("Ball Lost");
      lines = ccSplitStringIntoLines(TextOf(StockCount() >= 2 ? "Ball Lost Result 1" : "Ball Lost Result 2"));
    }
    LostBallResultText = ccWordWrapArray(lines, MinigameW - 80, LostBallResultFont);
    SpecialValue = Prize;
    if (auto ok = MinigameMenu ? MinigameMenu->FindButton("OK") : nullptr) ok->AlwaysDraw = 1;
  }
  return 0;
}

int TWildshotScreen::CheckFlippedCard(TCard* card) {
  if (!card || !WildShotScreen) return 0;
  TWildshotScreen& w = *WildShotScreen;
  if (card->CardType == CARDTYPE_CASH) {
    w.Prize += 100;
    w.PlayField(w.SoundFoundMoney, 1.0f);
  } else if (card->CardType == CARDTYPE_BALL) {
    w.BallFound = 1;
    w.PlayField(w.SoundFoundBall, 1.0f);
    w.MinigameGood = 1;
  }
  return 0;
}

int TWildshotScreen::DrawLostBall(float alpha) {
  platform::SetAlpha(alpha);
  if (MinigameBG && MinigameBG->image)
    platform::DrawImage(MinigameBG->image, static_cast<float>(MinigameX), MinigameY + TopY, 0);
  if (Cards) {
    for (const auto& card : Cards->Cards) card->y = card->OriginalY + TopY;
    Cards->Draw();
  }
  int y = static_cast<int>(TopY + 226);
  if (LostBallResultText.size() == 1) y += 15;
  const float a = DrawResultHead(y);
  if (MinigamePhase == MINIGAME_PHASE_RESULT) {
    y += 50;
    if (LostBallResultFont) {
      platform::SetAlpha(a);
      LostBallResultFont->DrawStringArray(LostBallResultText, ScreenWidth / 2, y, 1, 0, 1, 0, 1, 0, 0);
    }
    y += 30 * static_cast<int>(LostBallResultText.size());
    if (Prize > 0) MinigameDrawResult(WinningsLine(), y);
    ccTextAlpha = 1.0f;
  }
  return 0;
}
