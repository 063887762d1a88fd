#include "screens/course_end_dialog.h"

#include <cstdlib>

#include "cards/game_grid.h"
#include "cards/globals.h"
#include "content/course.h"
#include "content/globals.h"
#include "core/fixed_rate_logic.h"
#include "core/game.h"
#include "core/globals.h"
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
#include "progress/currency.h"
#include "progress/player.h"
#include "progress/progress_rules.h"
#include "screens/game_dialogs.h"
#include "screens/globals.h"
#include "screens/score_card_screen.h"
#include "ui/button.h"
#include "ui/menu.h"
#include "ui/profile.h"
#include "util/image.h"
#include "util/maths.h"
#include "util/types.h"

namespace {

void ReplaceFirst(std::string& text, const std::string& from, const std::string& to) {
  if (const auto at = text.find(from); at != std::string::npos) text.replace(at, from.size(), to);
}

}  // namespace

std::shared_ptr<TCourseEndDialog> TCourseEndDialog::Create(const std::string& caption,
                                                           const std::shared_ptr<platform::Image>& background,
                                                           int w, int h, int x) {
  auto dialog = std::make_shared<TCourseEndDialog>();
  dialog->Init(caption, background, w, h, x, 0);
  dialog->MenuCreate();
  return dialog;
}

std::shared_ptr<TCourseEndDialog> TCourseEndDialog::Setup() {
  auto& card = *ScoreCardScreen;
  TPlayer* player = GameScreen && GameScreen->Player ? GameScreen->Player.get() : nullptr;
  auto course = GameGrid ? CourseFind(GameGrid->LevelName) : nullptr;
  const int toPar = card.out[2] + card.in[2];
  card.PurseWon = 0;
  card.PurseValue = 0;
  // At or above par, or without the course's record, nothing is paid and nothing shown.
  if (toPar >= 0 || !player || !course) return nullptr;
  card.PurseWon = 1;
  const int purse = GetPurse(course->Purse);
  card.PurseValue = purse;
  player->Score = ccSaturatingAdd(player->Score, purse);
  if (auto& profile = Game->CurrentProfile) profile->Score = ccSaturatingAdd(profile->Score, purse);
  player->SaveData->CareerStats->CareerEarnings->Increase(purse);

  std::string text = GameText ? GameText->FindString("Gopher Dialog Good") : std::string();
  const std::string underPar = GameText ? GameText->FindString("Gopher Dialog - Under Par") : std::string();
  const std::string currency = GetCurrencyChar();
  ReplaceFirst(text, "XX", std::to_string(std::abs(toPar)) + " " + underPar);
  ReplaceFirst(text, "PP", currency + std::to_string(purse));
  // The cash the player now holds: the last hole's winnings and the purse are both in it.
  ReplaceFirst(text, "CC", currency + std::to_string(player->Score));

  auto dialog = Create(text, ccLoadBitmap(Game->ImagePath + "dialogs/dialog_square.png", -1), 330, 0, 0);
  dialog->HeaderLoad("dialogs/purse_won", static_cast<float>(ScreenWidth / 2), static_cast<float>(dialog->y + 47));
  dialog->Picture = TGameImage::Create(Game->ImagePath + "dialogs/course_end_good.png", -1, 1);
  dialog->Good = 1;
  StyleScoreCardDialog(*dialog);
  // The frame grows until the band below the text and beside the OK button is tall enough for the
  // gopher at its own size.
  if (dialog->Picture) {
    dialog->SetLabelsXY();
    dialog->MenuPosition();
    GrowDialogFor(*dialog, PictureRowsShort(*dialog, *dialog->Picture, dialog->x + 50, 1.0f));
  }
  dialog->DialogSound = sounds ? sounds->Find("course_end_good") : nullptr;
  if (dialog->DialogSound && Game->Channels) {
    dialog->FadeChannel = Game->Channels->PlayGameSound(dialog->DialogSound, nullptr, 1.0f, 0);
  }
  dialog->SetTransitions(200, 200, 0.3f, 1);
  dialog->Start();
  // The gopher stands at the foot of the frame's panel, left of the OK button and below the text:
  // from its place under the box's left half it moves in as far as it must to stand inside the
  // panel (and is drawn smaller where the room there is smaller than it).
  if (dialog->Picture) {
    dialog->PictureX = dialog->x + 50;
    dialog->PictureY = dialog->PictureCentreY();
    dialog->PictureScale = 1.0f;
    KeepPictureInPanel(*dialog, *dialog->Picture, dialog->PictureX, dialog->PictureY,
                       dialog->PictureScale);
  }
  Game->FixedRateLogic->Init();
  return dialog;
}

int TCourseEndDialog::PictureCentreY() const {
  return Picture ? static_cast<int>(static_cast<float>(y + h) - Picture->h2 + 25) : y + h;
}
