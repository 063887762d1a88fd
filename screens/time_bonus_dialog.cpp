#include "screens/time_bonus_dialog.h"

#include <algorithm>
#include <cmath>

#include "content/globals.h"
#include "core/fixed_rate_logic.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/bitmap_font.h"
#include "gfx/channel_array.h"
#include "gfx/game_text.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/shadow.h"
#include "gfx/sound_bank.h"
#include "gfx/sprite.h"
#include "platform/graphics.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "play/hud.h"
#include "progress/currency.h"
#include "progress/player.h"
#include "progress/progress_rules.h"
#include "screens/game_dialogs.h"
#include "screens/globals.h"
#include "screens/score_card_screen.h"
#include "ui/button.h"
#include "ui/label.h"
#include "ui/menu.h"
#include "util/image.h"
#include "util/strings.h"
#include "util/text_draw.h"
#include "util/types.h"

namespace {

std::string Text(const std::string& key) { return GameText ? GameText->FindString(key) : std::string(); }

TPlayer* ThePlayer() { return GameScreen && GameScreen->Player ? GameScreen->Player.get() : nullptr; }

}  // namespace

TTimeBonusDialog::~TTimeBonusDialog() = default;

std::shared_ptr<TTimeBonusDialog> TTimeBonusDialog::Create(const std::string& caption,
                                                           const std::shared_ptr<platform::Image>& background,
                                                           int w, int h, int x) {
  auto dialog = std::make_shared<TTimeBonusDialog>();
  dialog->Init(caption, background, w, h, x, 0);
  dialog->MenuCreate();
  return dialog;
}

std::shared_ptr<TTimeBonusDialog> TTimeBonusDialog::Setup() {
  const float t = HUD ? HUD->TimeCalc() : 0.0f;
  std::string caption = Text(t > 0 ? "Time Bonus Good" : "Time Bonus Bad");
  if (t > 0) {
    if (const auto at = caption.find("XX"); at != std::string::npos) {
      caption.replace(at, 2, std::to_string(ccRound(t / 1000.0)));
    }
  }
  auto dialog = Create(caption, ccLoadBitmap(Game->ImagePath + "dialogs/dialog_square.png", -1), 330, 0, 0);
  dialog->HeaderLoad("dialogs/time_bonus", static_cast<float>(ScreenWidth / 2), static_cast<float>(dialog->y + 46));
  dialog->StopWatch = TGameImage::Create(Game->ImagePath + "scorecard/stopwatch_bonus.png", -1, 0);
  StyleScoreCardDialog(*dialog);
  dialog->SetTransitions(200, 200, 0.3f, 1);
  dialog->Start();
  dialog->SetLabels();
  dialog->SetAnimation(t);
  dialog->BonusChannel = platform::AllocChannel();
  dialog->BonusSound = sounds ? sounds->Find("bonus_count") : nullptr;
  dialog->FadeChannel = t > 0 ? PlayCheer(4, 6) : PlayGroan();
  Game->FixedRateLogic->Init();
  return dialog;
}

int TTimeBonusDialog::SetLabels() {
  Label1 = Text("Time Bonus - Seconds") + ": ";
  Label2 = Text("Time Bonus - Multiplier") + ": ";
  Label3 = Text("Time Bonus - Cash") + ": ";
  Label4 = Text("Time Bonus - Total") + ": ";
  LabelFont = WildshotFont;
  LabelWidth = 0;
  if (LabelFont) {
    for (const auto* label : {&Label1, &Label2, &Label3, &Label4}) {
      LabelWidth = std::max(LabelWidth, static_cast<int>(LabelFont->StringWidth(*label)));
    }
  }
  return 0;
}

int TTimeBonusDialog::SetAnimation(float msLeft) {
  Seconds = static_cast<int>(msLeft / 1000.0f);
  if (Seconds > 0) {
    PauseCounter = Game->CalcAnimLength(750);
    BonusCounterLength = static_cast<int>(Game->CalcAnimLength(50));
  }
  return SetDataValues(Seconds);
}

int TTimeBonusDialog::SetDataValues(int seconds) {
  Multiplier = 1.0;
  TPlayer* player = ThePlayer();
  Cash = player ? player->LevelScore : 0;
  Total = Cash;
  FinalTotal = ccRound(static_cast<float>(static_cast<double>(Cash) * (1.0 + seconds * 0.1)));
  if (!player || !ScoreCardScreen) return 0;
  auto& cs = *player->SaveData->CareerStats;
  const int holeTime = ScoreCardScreen->mins * 60 + ScoreCardScreen->secs;
  cs.FastestHole->IsLess(holeTime);
  cs.TotalTimedHole->Increase(holeTime);
  cs.NumberTimedHoles->Increase(1);
  cs.AverageTimedHole->SetValue(ccRound(static_cast<double>(cs.TotalTimedHole->Value) / cs.NumberTimedHoles->Value));
  if (HUD && HUD->FlagLevel == player->CourseHoles) {
    const int courseTime = player->SaveData->CourseTime;
    cs.FastestCourse->IsLess(courseTime);
    cs.TotalTimedCourse->Increase(courseTime);
    cs.NumberTimedCourses->Increase(1);
    cs.AverageTimedCourse->SetValue(
        ccRound(static_cast<double>(cs.TotalTimedCourse->Value) / cs.NumberTimedCourses->Value));
  }
  return 0;
}

int TTimeBonusDialog::Manage() {
  const int r = TDialogOK::Manage();
  if (CloseResult != 0) return CloseResult;
  if (Active == 0 || Transitioning != 0) return r;
  // Both counters end on reaching 0: a pause of exactly 150 ticks still starts the count.
  if (PauseCounter > 0) {
    PauseCounter -= Delta;
    if (PauseCounter <= 0) {
      BonusCounter = static_cast<float>(BonusCounterLength);
      if (BonusSound) BonusSound->PlayInChannel(BonusChannel, 0);
      Game->SpecialChannel = BonusChannel;
    }
  } else if (Seconds > 0) {
    BonusCounter -= Delta;
    if (BonusCounter <= 0) {
      BonusCounter += static_cast<float>(BonusCounterLength);
      --Seconds;
      Multiplier += 0.1;
      Total = ccRound(Cash * Multiplier);
      if (Seconds == 0) {
        // The count ends on the sum that is paid.
        Total = FinalTotal;
        if (BonusChannel) BonusChannel->Pause();
        if (Game->SpecialChannel == BonusChannel) Game->SpecialChannel = nullptr;
      }
    }
  }
  return r;
}

int TTimeBonusDialog::Draw() {
  if (TDialog::Draw() == 0) return 0;
  const float alpha = Header ? Header->Alpha : 1.0f;
  if (LabelFont && Caption) {
    const std::string currency = GetCurrencyChar();
    const std::string values[4] = {std::to_string(Seconds), ccRoundFloatToString(Multiplier, 1) + "X",
                                   currency + std::to_string(Cash), currency + std::to_string(Total)};
    const std::string* labels[4] = {&Label1, &Label2, &Label3, &Label4};
    const int x0 = (ScreenWidth - (LabelWidth + static_cast<int>(LabelFont->StringWidth("$900")))) / 2;
    const int y0 = static_cast<int>(Caption->Y + Caption->H + 8);
    ccTextAlpha = alpha;
    ccShadowTextSet(2, 2, 0.6f);
    for (int k = 0; k < 4; ++k) {
      const auto row = static_cast<float>(y0 + 19 * k);
      platform::SetColor(255, 255, 204);
      LabelFont->DrawAlignedWithShadow(*labels[k], static_cast<float>(x0), row, 0, 1, 1);
      platform::SetColor(255, 255, 204);
      LabelFont->DrawAlignedWithShadow(values[k], static_cast<float>(x0 + LabelWidth), row, 0, 1, 1);
    }
    ccTextAlpha = 1.0f;
    platform::SetColor(255, 255, 255);
  }
  if (StopWatch) {
    platform::SetAlpha(alpha);
    platform::DrawImage(StopWatch->image, static_cast<float>(x - 20), static_cast<float>(y + h - StopWatch->h + 10));
  }
  platform::SetAlpha(1.0f);
  return 0;
}

int TTimeBonusDialog::Kill() {
  TDialog::Kill();
  StopWatch = nullptr;
  if (BonusChannel) {
    if (Game->SpecialChannel == BonusChannel) Game->SpecialChannel = nullptr;
    BonusChannel->Stop();
    BonusChannel = nullptr;
  }
  return 0;
}
