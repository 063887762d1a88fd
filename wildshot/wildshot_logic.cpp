// The wild shot dialog tick by tick: the drop-in, play or drop, the shuffle, the story, the result
// and the roll-up.

#include "wildshot/wildshot_screen.h"

#include <algorithm>

#include "cards/card.h"
#include "cards/card_list.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "cards/pixie_dust.h"
#include "core/game.h"
#include "core/globals.h"
#include "content/globals.h"
#include "gfx/bitmap_font.h"
#include "gfx/channel_array.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/particle_list.h"
#include "ui/button.h"
#include "ui/menu.h"
#include "util/animation.h"
#include "util/error.h"
#include "util/input.h"
#include "util/word_wrap.h"

namespace {

constexpr float STOP_LIFT = 91.0f;  // the stop button sits this far above the button row

TGameChannelRef PlayOn(const std::shared_ptr<TChannelArray>& pool,
                       const std::shared_ptr<TGameSound>& sound, float volume) {
  if (!pool || !sound) return nullptr;
  return pool->PlayGameSound(sound, nullptr, volume, 0.0f);
}

std::shared_ptr<TChannelArray> FieldPool() { return GameGrid ? GameGrid->Channels : nullptr; }
std::shared_ptr<TChannelArray> GamePool() { return Game ? Game->Channels : nullptr; }

// Puts `value` in place of the first `marker` of the lines; false when no line holds it.
bool InsertAtMarker(std::vector<std::string>& lines, const std::string& marker,
                    const std::string& value) {
  for (auto& line : lines) {
    const auto at = line.find(marker);
    if (at == std::string::npos) continue;
    line = line.substr(0, at) + value + line.substr(at + marker.size());
    return true;
  }
  return false;
}

}  // namespace

int TWildshotScreen::ShuffleFrames() const {
  // The shuffle shows first pictures of the stories; never a frame the strip does not have.
  const int frames = WildshotFirstFrames ? WildshotFirstFrames->Frames() : 0;
  return std::max(1, std::min(StoriesCount, frames));
}

int TWildshotScreen::NextShuffleFrame() {
  const int frames = ShuffleFrames();
  if (frames <= 1) {
    IconFrame = 0;
    return 0;
  }
  // Any of the other frames, each as likely: one roll, never the frame shown now.
  const int shown = std::clamp(IconFrame, 0, frames - 1);
  const int pick = EffectsRandom.Rand(0, frames - 2);
  IconFrame = pick >= shown ? pick + 1 : pick;
  return 0;
}

int TWildshotScreen::StartShuffle() {
  ShufflingAnim->Start();
  ShuffleCounterLength = static_cast<int>(Game->CalcAnimLength(80));
  ShuffleCounter = static_cast<float>(ShuffleCounterLength);
  Icon = WildshotFirstFrames;
  IconFrame = EffectsRandom.Rand(0, ShuffleFrames() - 1);
  ShuffleChannel = PlayOn(FieldPool(), ShuffleSound, 1.0f);
  if (ShuffleChannel) Game->SpecialChannel = ShuffleChannel->Channel;
  IconX = static_cast<float>(IconStartX + IconDX);
  IconY = static_cast<float>(IconStartY + IconDY);
  if (auto stop = Menu ? Menu->FindButton("stop_wild") : nullptr) stop->Active = 1;
  return 0;
}

int TWildshotScreen::ShowResult() {
  IconX = static_cast<float>(IconStartX);
  IconY = static_cast<float>(IconStartY);
  if (auto ok = Menu ? Menu->FindButton("ok") : nullptr) ok->Active = 1;
  if (ChosenStory < 0 || ChosenStory >= StoriesCount) return 0;
  const TWildshot& story = Stories[static_cast<std::size_t>(ChosenStory)];
  Text = story.Story;
  WrapText();
  Text2 = story.Result;
  const std::string number = std::to_string(ChosenStory + 1);
  if (!SpecialText.empty() && !InsertAtMarker(Text2, "XX", SpecialText)) {
    ccRunTimeError("Special Text marker 'XX' not found in Result for Wildshot No. " + number, 1);
    return 0;
  }
  if (!SpecialText2.empty() && !InsertAtMarker(Text2, "YY", SpecialText2)) {
    ccRunTimeError("Special Text marker 'YY' not found in Result for Wildshot No. " + number, 1);
    return 0;
  }
  Text2 = ccWordWrapArray(Text2, PageWidth2, WildshotFont);
  TotalResultLines = static_cast<int>(Text2.size());
  TextFade->Start();
  return 0;
}

int TWildshotScreen::Logic() {
  if (!Active) return 0;
  if (Minigame != 0 && MinigameLogic() == -1) return 0;
  if (MinigamePreFadeIn && MinigamePreFadeIn->Manage() == 1) {
    LoadMiniGame();
    MinigameFadeIn->Start();
    MinigameActive = 1;
    PlayOn(FieldPool(), MinigameSound, 1.0f);
    ccFlushAll();
  }
  if (MinigameFadeIn) MinigameFadeIn->Manage();

  auto stop = Menu ? Menu->FindButton("stop_wild") : nullptr;
  if (stop && stop->Active) stop->y -= STOP_LIFT;
  TScreen::Logic();
  if (stop && stop->Active) stop->y = static_cast<float>(MenuY) + Y;

  if (Bounces > 0) {
    Y += YSpeed * Delta;
    if (Y >= static_cast<float>(FinalY)) {
      --Bounces;
      const float volume = Bounces == 1 ? 0.5f : Bounces == 0 ? 0.25f : 1.0f;
      PlayOn(FieldPool(), ActivateSound, volume);
      if (Bounces == 0) {
        Y = static_cast<float>(FinalY);
        if (Menu) Menu->AcceptInput = 1;
        EnableButtons(1);
      } else {
        YSpeed = (0.0f - YSpeed) / 2.2f;
        Y = static_cast<float>(FinalY) - 0.01f;
      }
    }
    YSpeed += DIALOG_GRAVITY * Delta;
  }
  if (Unroll->Reverse)
    Y = static_cast<float>(FinalY) - Unroll->GetRatio() * static_cast<float>(DialogHeight());
  TopY = Y;
  if (PixieDust) {
    PixieDust->y = static_cast<int>(TopY);
    PixieDust->Manage();
  }
  if (Unroll->Manage() == 1 && Unroll->Reverse) {
    Hide();
    return 1;
  }

  // The story animation; it hands over once, on the tick its count crosses 0.
  if (WildshotAnimCounter > 0) {
    WildshotAnimCounter -= Delta;
    if (WildshotAnimCounter <= 0) {
      WildshotAnimCounter = 0;
      LastFrame = 1;
      if (Minigame > 0) {
        MinigamePreFadeIn->Start();
      } else {
        CardSlide->Reverse = 1;
        CardSlide->Start();
        PlayOn(GamePool(), SlideSound, 1.0f);
      }
    }
  }
  if (Minigame > 0) return 0;

  if (CardSlide->Manage() == 1) {
    if (CardSlide->Reverse)
      ShowResult();
    else
      StartShuffle();
  }
  ShufflingAnim->Manage();
  if (Menu && Menu->Clicked("stop_wild")) ShuffleEnd();
  ReadyNextPiece();
  if (ShufflingAnim->Active) {
    ShuffleCounter -= Delta;
    if (ShuffleCounter <= 0) {
      ShuffleCounter += static_cast<float>(ShuffleCounterLength);
      NextShuffleFrame();
    }
  }
  TextFade->Manage();
  if (Unroll->Active) return 0;

  auto drop = Menu ? Menu->FindButton("drop_wild") : nullptr;
  if (Menu && Menu->Clicked("play_wild")) {
    PlayWild();
  } else if (Menu && Menu->Clicked("drop_wild")) {
    RollUp();
    Result = WILDSHOT_RESULT_DROPPED;
  } else if (drop && drop->Active && KeyHit(KEY_ESCAPE)) {
    Game->EscapeSoundPlay();
    RollUp();
    Result = WILDSHOT_RESULT_DROPPED;
  } else if (Menu && Menu->Clicked("ok")) {
    RollUp();
    Result = WILDSHOT_RESULT_OK;
  }
  return 0;
}

int TWildshotScreen::PlayWild() {
  EnableButtons(0);
  Text = {ShufflingText};
  WrapText();
  CardSlide->Start();
  PlayOn(GamePool(), SlideSound, 1.0f);
  ReadyStory();
  return 0;
}

int TWildshotScreen::ShuffleEnd() {
  ShufflingAnim->EndAnim();
  ShufflingAnim->Active = 0;
  if (ShuffleChannel) {
    if (Game->SpecialChannel == ShuffleChannel->Channel) Game->SpecialChannel.reset();
    if (auto pool = FieldPool()) pool->StopGameChannel(ShuffleChannel);
    else ShuffleChannel->Kill();
  }
  Game->SpecialChannel.reset();
  ChooseStory();
  const int frame_ms = ChosenStory + 1 == 5 ? 67 : 50;
  WildshotAnimLength = static_cast<int>(Game->CalcAnimLength(WildshotAnimFrames * frame_ms));
  // At least one tick, so the story always reaches its result.
  WildshotAnimLength = std::max(1, WildshotAnimLength);
  WildshotAnimCounter = static_cast<float>(WildshotAnimLength);
  PlayOn(FieldPool(), AnimSound, 1.0f);
  return 0;
}

int TWildshotScreen::RollUp() {
  Unroll->Reverse = 1;
  Unroll->Start();
  EnableButtons(0);
  if (Menu) Menu->AcceptInput = 0;
  if (MinigameMenu) MinigameMenu->AcceptInput = 0;
  PlayOn(GamePool(), DeactivateSound, 1.0f);
  if (Game->Particles > 0 && PixieDust) {
    PixieDust->MainCounter = Game->CalcAnimLength(400);
    PixieDust->Length = SparkleInterval();
    PixieDust->Counter = PixieDust->Length;
  }
  if (GameGrid && GameGrid->StockCard) {
    auto card = GameGrid->StockCard;
    if (Particles)
      Particles->AddNew(static_cast<int>(card->x + 34), static_cast<int>(card->y + 50),
                        TCard::WildshotSpinCard, 2.0f, -2.0f, static_cast<float>(Gravity), 0.0f, 0,
                        1, 10.0f, 1.0f, 0.0f, 0, 0);
    if (CardList) CardList->Remove(card.get());
  }
  return 0;
}
