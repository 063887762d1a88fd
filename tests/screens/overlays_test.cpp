// The play screen's other overlays and dialogs over the staged data: the standard dialog builders
// and the name prompt, the time-bonus count, the in-game menu's drop and save, the hint scroll and
// the hints file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "cards/card.h"
#include "cards/card_list.h"
#include "gfx/bitmap_font.h"
#include "gfx/channel_array.h"
#include "gfx/game_text.h"
#include "gfx/image_bank.h"
#include "gfx/shadow.h"
#include "screens/avatar_selection_screen.h"
#include "screens/title_screen.h"
#include "util/image.h"
#include "gfx/sprite.h"
#include "platform/audio.h"
#include "platform/files.h"
#include "platform/graphics.h"
#include "platform/text_encoding.h"
#include "play/pointer_particles.h"
#include "progress/avatar.h"
#include "progress/career_stats.h"
#include "progress/profile_hooks.h"
#include "progress/progress_rules.h"
#include "screens/game_dialogs.h"
#include "screens/game_menu.h"
#include "screens/hint_scroll.h"
#include "screens/resume_game_dialog.h"
#include "screens/score_card_screen.h"
#include "screens/time_bonus_dialog.h"
#include "tests/screens/overlay_support.h"
#include "tests/support/harness.h"
#include "ui/dialog_ok.h"
#include "ui/dialog_text_input.h"
#include "ui/dialog_yes_no.h"
#include "ui/label.h"
#include "ui/text_input.h"
#include "util/animation.h"
#include "util/error.h"
#include "util/strings.h"
#include "util/types.h"

namespace {

using overlay_test::OverlayTest;

// ---- the standard dialogs ----------------------------------------------------------------------

// Each builder's dialog as the game's dialogs look: frame width, header offset below the top,
// caption colour and shadow, caption offset, buttons' margin above the bottom, and how it opens
// (at once, fading, or sliding in from a side), with the sound it makes.
TEST_F(OverlayTest, EveryBuilderLaysItsDialogOutAsItsKindLooks) {
  struct Row {
    const char* kind;
    std::function<std::shared_ptr<TDialog>()> build;
    int width, headerOffset, r, g, b;
    bool shadow;
    int captionOffset, bottomMargin;
    bool transitions;
    int fade;  // with transitions: 1 fades, 0 slides
    const char* sound;  // "" for none of its own
  };
  const std::vector<Row> rows = {
      {"error", [] { return ErrorDialog("Something went wrong."); }, 380, 29, 248, 73, 54, false, -1, 6, false, 0,
       "Dialog_error"},
      {"yes/no", [] { return MakeDialogYesNo("Delete this player?"); }, 380, 30, 255, 255, 255, false, -1, 6, false,
       0, "Dialog_misc"},
      {"course selector", [] { return CourseSelectorDialog("Locked.", "error"); }, 380, 29, 255, 255, 255, false,
       -1, 6, true, 1, ""},
      {"course unlocked",
       [] {
         return CourseUnlockedDialog("Open!", "course_unlocked", Game->ImagePath + "dialogs/unlocked.png", 25, 206,
                                     "", 0, 0, "");
       },
       380, 29, 255, 255, 255, false, -1, 6, true, 0, ""},
      {"tip", [] { return MakePopUpTipDialog("Look ahead."); }, 330, 49, 255, 255, 204, true, -4, 26, true, 1,
       "dialog_hint"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.kind);
    platform::ClearAudioLog();
    auto dialog = row.build();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->Active, 1);
    EXPECT_EQ(dialog->w, row.width);
    EXPECT_EQ(dialog->x, (ScreenWidth - dialog->w) / 2);
    EXPECT_EQ(dialog->y, (ScreenHeight - dialog->h) / 2);
    ASSERT_TRUE(dialog->Header);
    EXPECT_EQ(static_cast<int>(dialog->Header->y), dialog->y + row.headerOffset);
    EXPECT_EQ(dialog->Border, 50);
    EXPECT_EQ(dialog->CaptionOffsetY, row.captionOffset);
    ASSERT_TRUE(dialog->Caption && dialog->Caption->Color);
    EXPECT_EQ(dialog->Caption->Color->R, row.r);
    EXPECT_EQ(dialog->Caption->Color->G, row.g);
    EXPECT_EQ(dialog->Caption->Color->B, row.b);
    EXPECT_EQ(dialog->Caption->Shadow != nullptr, row.shadow);
    EXPECT_EQ(dialog->MenuOY, dialog->y + dialog->h - dialog->Menu->CalcHeight() - row.bottomMargin);
    EXPECT_EQ(dialog->TransitionIn != nullptr, row.transitions);
    if (row.transitions) {
      EXPECT_EQ(dialog->FadeDialog, row.fade);
    }
    for (const auto& button : dialog->Menu->Buttons) EXPECT_EQ(button->FixedGlowOnMO, 1) << button->name;
    // The data folder's sound files are named in lower case.
    std::string sound = row.sound;
    std::transform(sound.begin(), sound.end(), sound.begin(), [](unsigned char c) { return std::tolower(c); });
    int sounds = 0;
    for (const auto& record : platform::AudioLog())
      if (record.what == "cue" && !sound.empty() && record.sound == sound + ".ogg") ++sounds;
    EXPECT_EQ(sounds, sound.empty() ? 0 : 1);
    dialog->Kill();
  }
  // The unlock dialog slides in from a side and carries its picture from the dialog's corner.
  auto unlocked = CourseUnlockedDialog("Open!", "course_unlocked", Game->ImagePath + "dialogs/unlocked.png", 25,
                                       206, "", 0, 0, "dialog_largerect");
  EXPECT_GE(unlocked->Slide, 1);
  EXPECT_LE(unlocked->Slide, 4);
  ASSERT_TRUE(unlocked->Picture);
  // Its height fits there: it keeps its place; its left half would lie on the rim: it moves in
  // just off it, still by the corner.
  EXPECT_EQ(unlocked->PictureY, unlocked->y + 206);
  EXPECT_GT(unlocked->PictureX, unlocked->x + 25);
  EXPECT_LT(unlocked->PictureX, unlocked->x + 100);
  EXPECT_EQ(unlocked->PictureScale, 1.0f);
  // The large frame puts the header a pixel lower and the button two pixels higher.
  EXPECT_EQ(static_cast<int>(unlocked->Header->y), unlocked->y + 30);
  EXPECT_EQ(unlocked->MenuOY, unlocked->y + unlocked->h - unlocked->Menu->CalcHeight() - 8);
}

// Every tip and reward the play screen can show, the course selector's two refusals and the player
// manager's messages, with the texts of the game's text file, fit their frames: every line lies
// below the header's banner and above the buttons.
TEST_F(OverlayTest, EveryTipRewardAndRefusalFitsBetweenItsHeaderAndItsOK) {
  int checked = 0;
  auto fits = [&checked](const std::string& what, const std::shared_ptr<TDialog>& dialog) {
    ++checked;
    ASSERT_TRUE(dialog && dialog->Header && dialog->Header->image) << what;
    ASSERT_FALSE(dialog->Menu->Buttons.empty()) << what;
    float buttonsTop = static_cast<float>(ScreenHeight);
    for (const auto& button : dialog->Menu->Buttons) buttonsTop = std::min(buttonsTop, button->y);
    const float headerBottom = dialog->Header->y + static_cast<float>(dialog->Header->image->h) / 2.0f;
    const auto& caption = *dialog->Caption;
    EXPECT_GE(caption.Y, headerBottom) << what << ": " << caption.TotalLines << " lines";
    EXPECT_LE(caption.Y + caption.H, buttonsTop) << what << ": " << caption.TotalLines << " lines";
    dialog->Kill();
  };
  for (const char* key : {"Tip - Missed A Card", "Tip - Long Drive", "Tip - First Iron"}) {
    fits(key, MakePopUpTipDialog(GameText->FindString(key)));
  }
  auto reward = [&](const std::string& what) {
    fits(what, GameScreen->UnlockedDialog);
    GameScreen->UnlockedDialog = nullptr;
  };
  GameScreen->TopScore = 1;
  GameScreen->OpenNextReward();
  reward("top score");
  for (int rank = 1; rank <= TSaveData::MAX_RANK; ++rank) {
    Save().Rank = rank;
    GameScreen->RankUnlocked = 1;
    GameScreen->OpenNextReward();
    reward("rank " + std::to_string(rank));
  }
  for (int male = 0; male <= 1; ++male) {
    for (int at = 0; at < TAvatar::ITEM_COUNT; ++at) {
      Save().Male = male;
      Save().AvatarItemUnlocked = at;
      GameScreen->ItemUnlocked = 1;
      GameScreen->OpenNextReward();
      reward("item " + std::to_string(at) + (male ? " (gent)" : " (lady)"));
    }
  }
  for (int id = 0; id < TSaveData::TROPHIES; ++id) {
    GameScreen->TrophyDialogs[static_cast<std::size_t>(id)] = id;
    AwardTrophy(id);
    reward("trophy " + std::to_string(id));
  }
  // A course goal that opens the longest name of the course list, and one that opens two courses
  // at once (a timed course and the one after it, the longest such pair).
  for (const bool pair : {false, true}) {
    CourseList = std::make_shared<TCourseList>();
    CourseList->push_back(overlay_test::MakeCourse("Nine Test", 9, 4));
    CourseList->push_back(overlay_test::MakeCourse(pair ? "Raked Stone Garden" : "Quillbrook Municipal", 9, 4));
    CourseList->push_back(overlay_test::MakeCourse("Brickwork Yards", 9, 4));
    (*CourseList)[1]->UnlockCode = UNLOCK_SCORE;
    (*CourseList)[1]->UnlockedBy = "Nine Test";
    (*CourseList)[1]->Timed = pair ? 1 : 0;
    (*CourseList)[2]->UnlockedBy = pair ? "Nine Test" : (*CourseList)[1]->Name;
    Game->MaxLevels = 3;
    Save().UnlockedCourses.fill(COURSE_LOCKED);
    Save().UnlockedCourses[0] = COURSE_OPEN;
    UseCourse("Nine Test");
    ASSERT_EQ(CourseUnlock(UNLOCK_SCORE, 0, 0), 1);
    reward(pair ? "two courses opened" : "one course opened");
  }
  fits("course locked", CourseSelectorDialog(GameText->FindString("Course Locked message"), "course_locked"));
  fits("cannot afford", CourseSelectorDialog(GameText->FindString("Cannot Afford Message"), "insufficient_funds"));
  // The player manager's and the name prompt's messages.
  for (const char* key : {"Profile Exists", "Cannot Create", "Cannot Delete"}) fits(key, ErrorDialog(GameText->FindString(key)));
  fits("Confirm Delete", MakeDialogYesNo(GameText->FindString("Confirm Delete")));
  EXPECT_EQ(checked, 12 + TSaveData::MAX_RANK + 2 * TAvatar::ITEM_COUNT + TSaveData::TROPHIES);
}

TEST_F(OverlayTest, TrophyAndCourseOpenedPicturesStayInsideTheirFrames) {
  for (int male : {0, 1}) {
    Save().Male = male;
    for (int id = 0; id < TSaveData::TROPHIES; ++id) {
      if (male == 1 && id != 0) continue;  // only the championship cup differs between the sexes
      SCOPED_TRACE("trophy " + std::to_string(id) + (male ? " (gent)" : " (lady)"));
      GameScreen->TrophyDialogs[static_cast<std::size_t>(id)] = id;
      AwardTrophy(id);
      auto dialog = GameScreen->UnlockedDialog;
      ASSERT_TRUE(dialog && dialog->Picture);
      const auto [reach, count] = overlay_test::PictureOverhang(*dialog, dialog->Picture, &dialog->PictureShadow);
      EXPECT_EQ(reach, 0);
      EXPECT_GT(count, 400);  // still a picture to see
      dialog->Kill();
      GameScreen->UnlockedDialog = nullptr;
    }
  }
  Save().UnlockedCourses.fill(COURSE_LOCKED);
  Save().UnlockedCourses[0] = COURSE_OPEN;
  CourseList->front()->Unlocks = "Eighteen Test";
  (*CourseList)[1]->UnlockCode = UNLOCK_SCORE;
  (*CourseList)[1]->UnlockedBy = "Nine Test";
  ASSERT_EQ(CourseUnlock(UNLOCK_SCORE, 0, 0), 1);
  auto opened = GameScreen->UnlockedDialog;
  ASSERT_TRUE(opened && opened->Picture);
  const auto [reach, count] = overlay_test::PictureOverhang(*opened, opened->Picture, &opened->PictureShadow);
  EXPECT_EQ(reach, 0);
  EXPECT_GT(count, 400);
  opened->Kill();
  GameScreen->UnlockedDialog = nullptr;
}

// Every picture a reward dialog shows (the course-opened padlock, each trophy, the best score's
// newspaper, the rank's plaque, the shop item and its star) lies inside its frame's inner panel,
// below the text and off the OK button, and is drawn there at three quarters of its own size or
// more (the championship cup's own size is half its picture's), the frame growing to make room
// with its text kept at the top and its OK at the foot.
TEST_F(OverlayTest, EveryRewardPictureLiesInsideItsFramesPanel) {
  struct Case {
    std::string name;
    std::function<void()> open;
    float own = 1.0f;  // the picture's own scale
    int frame = 240;   // the frame picture's own height (the large frame: 340)
  };
  std::vector<Case> table;
  for (const bool pair : {false, true}) {
    table.push_back({pair ? "two_courses_opened" : "course_opened", [this, pair] {
                       CourseList = std::make_shared<TCourseList>();
                       CourseList->push_back(overlay_test::MakeCourse("Nine Test", 9, 4));
                       CourseList->push_back(overlay_test::MakeCourse("Raked Stone Garden", 9, 4));
                       CourseList->push_back(overlay_test::MakeCourse("Brickwork Yards", 9, 4));
                       (*CourseList)[1]->UnlockCode = UNLOCK_SCORE;
                       (*CourseList)[1]->UnlockedBy = "Nine Test";
                       (*CourseList)[2]->UnlockedBy = pair ? "Nine Test" : "Raked Stone Garden";
                       (*CourseList)[1]->Timed = pair ? 1 : 0;
                       Game->MaxLevels = 3;
                       Save().UnlockedCourses.fill(COURSE_LOCKED);
                       Save().UnlockedCourses[0] = COURSE_OPEN;
                       UseCourse("Nine Test");
                       CourseUnlock(UNLOCK_SCORE, 0, 0);
                     },
                     1.0f, pair ? 340 : 240});
  }
  table.push_back({"top_score", [] {
                     GameScreen->TopScore = 1;
                     GameScreen->OpenNextReward();
                   }});
  for (int rank = 1; rank <= TSaveData::MAX_RANK; ++rank) {
    table.push_back({"rank" + std::to_string(rank), [this, rank] {
                       Save().Rank = rank;
                       GameScreen->RankUnlocked = 1;
                       GameScreen->OpenNextReward();
                     }});
  }
  for (int male = 0; male <= 1; ++male) {
    for (int at = 0; at < TAvatar::ITEM_COUNT; ++at) {
      table.push_back(
          {std::string(male ? "gent" : "lady") + "_item" + std::to_string(at), [this, male, at] {
             Save().Male = male;
             Save().AvatarItemUnlocked = at;
             GameScreen->ItemUnlocked = 1;
             GameScreen->OpenNextReward();
           }});
    }
    for (int id = 0; id < TSaveData::TROPHIES; ++id) {
      if (male == 1 && id != 0) continue;  // only the championship cup differs between the sexes
      table.push_back(
          {std::string(male ? "gent" : "lady") + "_trophy" + std::to_string(id), [this, male, id] {
             Save().Male = male;
             GameScreen->TrophyDialogs[static_cast<std::size_t>(id)] = id;
             AwardTrophy(id);
           },
           id == 0 ? 0.5f : 1.0f, 340});
    }
  }
  for (const auto& row : table) {
    SCOPED_TRACE(row.name);
    row.open();
    auto dialog = GameScreen->UnlockedDialog;
    ASSERT_TRUE(dialog && dialog->Picture);
    const auto pixels = overlay_test::PicturesPastPanel(*dialog, row.name);
    EXPECT_EQ(pixels.reach, 0);
    EXPECT_EQ(pixels.overText, 0);  // the text and the OK stay clear
    EXPECT_GT(pixels.count, 400);   // still a picture to see
    // However tall the frame grows, the text's middle lies no lower than the middle of the frame
    // at its own height, and the OK stays centred at its foot (6 pixels up, 8 on the large frame).
    EXPECT_LE(dialog->Caption->Y + dialog->Caption->H / 2.0f,
              static_cast<float>(dialog->y + row.frame / 2 + 1));
    const auto ok = dialog->Menu->FindButton("OK");
    ASSERT_TRUE(ok);
    EXPECT_NEAR(ok->x + static_cast<float>(ok->w) / 2.0f,
                static_cast<float>(dialog->x) + static_cast<float>(dialog->w) / 2.0f, 1.0f);
    EXPECT_GE(ok->y + static_cast<float>(ok->h), static_cast<float>(dialog->y + dialog->h - 8));
    // Both pictures together fill a box at least three quarters as wide and as tall as the larger
    // of them at its own size.
    float ownWidth = 0.0f, ownHeight = 0.0f;
    for (const auto& picture : {dialog->Picture, dialog->Picture2}) {
      if (!picture) continue;
      const auto [w, h] = overlay_test::ShownSize(*picture, row.own);
      ownWidth = std::max(ownWidth, w);
      ownHeight = std::max(ownHeight, h);
    }
    EXPECT_GE(static_cast<float>(pixels.width), 0.75f * ownWidth);
    EXPECT_GE(static_cast<float>(pixels.height), 0.75f * ownHeight);
    dialog->Kill();
    GameScreen->UnlockedDialog = nullptr;
  }
  EXPECT_EQ(table.size(),
            3u + TSaveData::MAX_RANK + 2 * TAvatar::ITEM_COUNT + TSaveData::TROPHIES + 1);
}

TEST_F(OverlayTest, TheTopScoreDialogPaysFiveHundredIntoThePlayScreensRewardSlot) {
  GameScreen->TopScore = 1;
  EXPECT_EQ(TopScoreDialog(), 0);
  EXPECT_EQ(GameScreen->TopScore, 0);
  EXPECT_EQ(Player().Score, 1500);
  EXPECT_EQ(Game->CurrentProfile->Score, 1500);
  ASSERT_TRUE(GameScreen->UnlockedDialog);
  EXPECT_NE(GameScreen->UnlockedDialog->Caption->Text.find("$500"), std::string::npos);
}

TEST_F(OverlayTest, OKButtonCreateCentresTheButtonFifteenPixelsAboveTheBottom) {
  auto menu = TMenu::Create("", "", 0, 0, 0);
  OKButtonCreate(menu);
  auto ok = menu->FindButton("OK");
  ASSERT_TRUE(ok);
  EXPECT_EQ(ok->OKButton, 1);
  EXPECT_EQ(static_cast<int>(ok->x), (800 - ok->w) / 2);
  EXPECT_EQ(static_cast<int>(ok->y), 600 - ok->h - 15);
}

TEST_F(OverlayTest, AddStandardOKButtonGlowsUnderThePointerAndShowsItsPressedPicture) {
  auto menu = TMenu::Create("", "", 0, 0, 0);
  auto ok = AddStandardOKButton(menu);
  ASSERT_TRUE(ok);
  EXPECT_EQ(ok, menu->FindButton("OK"));
  EXPECT_EQ(ok->OKButton, 1);
  EXPECT_EQ(static_cast<int>(ok->y), 600 - ok->h - 15);
  EXPECT_EQ(ok->FixedGlowOnMO, 1);
  EXPECT_EQ(ok->FixedGlowOnMOUseMO, 0);
  EXPECT_FLOAT_EQ(ok->GlowMax, 0.5f);
  EXPECT_FLOAT_EQ(ok->GlowSpeed, 0.02f);
  ASSERT_TRUE(ok->ImageMouseClick);
  EXPECT_FLOAT_EQ(ok->MouseClickDuration, Game->CalcAnimLength(350));
  EXPECT_FALSE(AddStandardOKButton(nullptr));
}

class NamePromptTest : public OverlayTest {
 protected:
  std::shared_ptr<TDialogTextInput> prompt_;
  int result_ = 0;
  void Open(int withCancel) {
    prompt_ = EnterNamePrompt(withCancel);
    prompt_->Start();
  }
  // One character a step, as a player types.
  void Type(const std::string& text) {
    for (char32_t c : platform::CodePoints(text)) {
      quill_test::PushText(platform::FromCodePoint(c));
      Step([&] { result_ = prompt_->Manage(); });
    }
  }
  void Press(int key) {
    quill_test::PushKey(key);
    Step([&] { result_ = prompt_->Manage(); });
  }
};

TEST_F(NamePromptTest, TwelveSafeCharactersTheFirstUpperCasedAndExistingNamesRefused) {
  Open(0);
  EXPECT_EQ(prompt_->Menu->FindButton("Cancel"), nullptr);
  Type("a\"|*\\/:;~?<>,+=%nn");
  EXPECT_EQ(prompt_->TextInput->Text, "ann");
  // Escape neither empties nor closes the first-run prompt.
  Press(27);
  EXPECT_EQ(result_, 0);
  EXPECT_EQ(prompt_->TextInput->Text, "ann");
  EXPECT_EQ(prompt_->Active, 1);

  // A player file of that name exists: the error dialog opens and the name stays.
  const std::string existing = Game->ProfilePath + "Ann.dat";
  platform::CreateFolder(Game->ProfilePath);
  ASSERT_TRUE(platform::WriteFileAtomic(existing, std::string("x")));
  Press(13);
  EXPECT_EQ(result_, 0);
  ASSERT_TRUE(prompt_->DialogOK);
  EXPECT_NE(prompt_->DialogOK->Caption->Text.find("already exists"), std::string::npos);
  EXPECT_EQ(prompt_->TextInput->Text, "Ann");
  std::string message;
  EXPECT_EQ(CheckPlayerName("Ann", message), -1);
  platform::DeleteFile(existing);
  EXPECT_EQ(CheckPlayerName("Ann", message), 1);
  EXPECT_TRUE(message.empty());

  // At most 12 characters and 200 pixels; with the pixels out of the way the 13th is refused.
  EXPECT_EQ(prompt_->TextInput->MaxPixelWidth, 200);
  prompt_->TextInput->MaxPixelWidth = 100000;
  Type("abcdefghijklm");
  EXPECT_EQ(platform::CharCount(prompt_->TextInput->Text), 12);
  EXPECT_EQ(prompt_->TextInput->Text.rfind("Ann", 0), 0u);
}

TEST_F(NamePromptTest, TheLetterThatNoLongerFitsIsRefusedWithTheRefusalSoundAndARedName) {
  Open(0);
  auto& field = *prompt_->TextInput;
  // The prompt's own limit is the 200 pixels: the name is full before its twelfth letter.
  std::string typed;
  for (const char c : std::string("Robin Ash")) {
    typed += c;
    if (static_cast<int>(HintHeaderFont->StringWidth(typed)) > 200) break;
  }
  ASSERT_LT(typed.size(), 12u);
  const std::string kept = typed.substr(0, typed.size() - 1);
  auto refusals = [] {
    int n = 0;
    for (const auto& r : platform::AudioLog())
      if ((r.what == "cue" || r.what == "play") && r.sound == "invalid.ogg") ++n;
    return n;
  };
  auto redPixels = [&] {
    quill_test::OpenScreen();
    platform::SetClsColor(0, 0, 0);
    platform::Cls();
    prompt_->Draw();
    int red = 0;
    for (int y = field.Y; y < field.Y + 40; ++y)
      for (int x = field.X; x < field.X + 200; ++x) {
        const auto p = quill_test::ScreenPixel(x, y);
        if (((p >> 16) & 0xFF) > 200 && ((p >> 8) & 0xFF) < 130 && (p & 0xFF) < 130) ++red;
      }
    return red;
  };
  platform::ClearAudioLog();
  Type(kept);
  EXPECT_EQ(field.Text, kept);
  EXPECT_EQ(refusals(), 0);
  EXPECT_EQ(redPixels(), 0);
  Type(typed.substr(kept.size()));
  EXPECT_EQ(field.Text, kept);
  EXPECT_EQ(refusals(), 1);
  EXPECT_GT(redPixels(), 100);
}

TEST_F(NamePromptTest, AnAcceptedNameRunsTheAvatarChooserInsideThePrompt) {
  Open(1);
  ASSERT_TRUE(prompt_->Menu->FindButton("Cancel"));
  Type("bo");
  Press(13);
  EXPECT_EQ(prompt_->OKClickedScreen, AvatarSelectionScreen);
  EXPECT_EQ(prompt_->TextInput->Text, "Bo");
  // Nothing is confirmed until a face is chosen; a double click on the third lady confirms it.
  for (int i = 0; i < 5; ++i) Step([&] { result_ = prompt_->Manage(); });
  EXPECT_EQ(result_, 0);
  for (int click = 0; click < 2 && result_ == 0; ++click) {
    story_test::Push(platform::EVENT_MOUSE_MOVE, 0, 316 + 78, 305 + 99);
    story_test::Push(platform::EVENT_MOUSE_DOWN, 1, 316 + 78, 305 + 99);
    story_test::Push(platform::EVENT_MOUSE_UP, 1, 316 + 78, 305 + 99);
    Step([&] { result_ = prompt_->Manage(); });
  }
  EXPECT_EQ(result_, 1);
  EXPECT_EQ(AvatarSelectionScreen->Male, 0);
  EXPECT_EQ(AvatarSelectionScreen->Head, 2);
}

// ---- the resume dialog ---------------------------------------------------------------------------

class ResumeTest : public OverlayTest {
 protected:
  std::shared_ptr<TResumeGameDialog> Make() {
    auto d = TResumeGameDialog::Create("Resume?", ccLoadBitmap(Game->ImagePath + "dialogs/dialog_square.png", -1), 330, 0, 0, 1);
    d->Start();
    return d;
  }
  int Press(TResumeGameDialog& d, int key) {
    if (key != 0) quill_test::PushKey(key);
    int r = 0;
    Step([&] { r = d.Manage(); });
    return r;
  }
};

TEST_F(ResumeTest, YAndNAnswerOnceEscapeClosesItUnanswered) {
  auto yes = Make();
  EXPECT_EQ(Press(*yes, 89), 1);
  EXPECT_EQ(yes->Disabled, 1);
  EXPECT_EQ(Press(*yes, 89), 0);
  auto no = Make();
  EXPECT_EQ(Press(*no, 78), -1);
  auto escape = Make();
  EXPECT_EQ(Press(*escape, 27), 0);
  EXPECT_EQ(escape->Active, 0);
  EXPECT_EQ(Press(*escape, 78), 0);
}

// ---- the time bonus ------------------------------------------------------------------------------

class TimeBonusTest : public OverlayTest {
 protected:
  // A timed hole whose clock had `secondsLeft` seconds left, with `cash` won.
  std::shared_ptr<TTimeBonusDialog> Open(int secondsLeft, int cash, int hole = 2) {
    HUD->FlagLevel = hole;
    Player().TimeLimit = 60000;
    Player().TimeTaken = 200.0 * (60 - secondsLeft);
    Player().LevelScore = cash;
    return TTimeBonusDialog::Setup();
  }
  int Tick(TTimeBonusDialog& d) {
    int r = 0;
    Step([&] { r = d.Manage(); });
    return r;
  }
};

TEST_F(TimeBonusTest, TheTotalIsFixedWhenTheDialogOpens) {
  const std::tuple<int, int, int> cases[] = {{7, 1500, 2550}, {0, 1500, 1500}, {9, 0, 0}, {1, 1000, 1100}};
  for (const auto& [seconds, cash, total] : cases) {
    auto d = Open(seconds, cash);
    EXPECT_EQ(d->Seconds, seconds);
    EXPECT_EQ(d->FinalTotal, total) << seconds << " " << cash;
    d->Kill();
  }
  auto bad = Open(0, 100);
  EXPECT_EQ(bad->Caption->Text, GameText->FindString("Time Bonus Bad"));
  bad->Kill();
}

// Every timed hole counts its time into the hole statistics, whether or not time was left; the
// course's last hole also counts the course's time. Averages are rounded half up.
TEST_F(TimeBonusTest, EveryTimedHoleRecordsItsTimeAndTheLastHoleTheCourses) {
  struct Row {
    int hole, secondsLeft, holeTime, courseTime;
    int fastestHole, totalHoles, timedHoles, averageHole;
    int fastestCourse, totalCourses, timedCourses, averageCourse;
  };
  const std::vector<Row> rows = {
      {2, 15, 45, 0, 45, 45, 1, 45, 0, 0, 0, 0},
      {5, 0, 30, 0, 30, 75, 2, 38, 0, 0, 0, 0},  // the clock ran out: still counted; 37.5 is 38
      {9, 10, 50, 400, 30, 125, 3, 42, 400, 400, 1, 400},
      {9, 10, 31, 501, 30, 156, 4, 39, 400, 901, 2, 451},  // 450.5 is 451
      {9, 10, 29, 399, 29, 185, 5, 37, 399, 1300, 3, 433},
  };
  const auto& cs = *Save().CareerStats;
  for (const Row& row : rows) {
    SCOPED_TRACE("hole " + std::to_string(row.hole) + " in " + std::to_string(row.holeTime) + " s");
    ScoreCardScreen->mins = row.holeTime / 60;
    ScoreCardScreen->secs = row.holeTime % 60;
    Save().CourseTime = row.courseTime;
    auto d = Open(row.secondsLeft, 100, row.hole);
    EXPECT_EQ(cs.FastestHole->Value, row.fastestHole);
    EXPECT_EQ(cs.TotalTimedHole->Value, row.totalHoles);
    EXPECT_EQ(cs.NumberTimedHoles->Value, row.timedHoles);
    EXPECT_EQ(cs.AverageTimedHole->Value, row.averageHole);
    EXPECT_EQ(cs.FastestCourse->Value, row.fastestCourse);
    EXPECT_EQ(cs.TotalTimedCourse->Value, row.totalCourses);
    EXPECT_EQ(cs.NumberTimedCourses->Value, row.timedCourses);
    EXPECT_EQ(cs.AverageTimedCourse->Value, row.averageCourse);
    d->Kill();
  }
}

TEST_F(TimeBonusTest, TheCountStartsAfterItsPauseAndStepsASecondEveryTenTicks) {
  auto d = Open(7, 1500);
  while (d->Transitioning != 0) Tick(*d);
  // The tick that ended the fade-in already took one tick off the 150 of the pause.
  int ticks = 1;
  while (Game->SpecialChannel != d->BonusChannel && ticks < 400) {
    Tick(*d);
    ++ticks;
  }
  EXPECT_EQ(ticks, 150);
  EXPECT_EQ(d->Seconds, 7);
  for (int i = 0; i < 10; ++i) Tick(*d);
  EXPECT_EQ(d->Seconds, 6);
  for (int i = 0; i < 60; ++i) Tick(*d);
  EXPECT_EQ(d->Seconds, 0);
  EXPECT_EQ(d->Total, 2550);
  EXPECT_EQ(ccRoundFloatToString(d->Multiplier, 1) + "X", "1.7X");
  EXPECT_EQ(Game->SpecialChannel, nullptr);
  d->Kill();
}

TEST_F(TimeBonusTest, ClosingMidCountStillPaysTheWholeBonusAndStopsTheCount) {
  auto d = Open(7, 1500);
  for (int i = 0; i < 220; ++i) Tick(*d);
  ASSERT_EQ(Game->SpecialChannel, d->BonusChannel);
  ASSERT_GT(d->Seconds, 0);
  quill_test::PushKey(13);
  int r = 0;
  for (int i = 0; i < 100 && r == 0; ++i) r = Tick(*d);
  EXPECT_EQ(r, 1);
  EXPECT_EQ(d->FinalTotal, 2550);
  auto channel = d->BonusChannel;
  d->Kill();
  EXPECT_EQ(Game->SpecialChannel, nullptr);
  EXPECT_FALSE(channel->Playing());
}

// ---- the in-game menu ----------------------------------------------------------------------------

class GameMenuTest : public OverlayTest {
 protected:
  void SetUp() override {
    OverlayTest::SetUp();
    if (IsSkipped()) return;
    GameMenu->Load();
  }
  void TearDown() override {
    if (GameMenu) GameMenu->Kill();
    OverlayTest::TearDown();
  }
  int Show() {
    Game->CurrentTScreen = GameScreen;
    const int r = GameMenu->Show(1);
    Game->CurrentTScreen = host_;
    return r;
  }
  void Tick() { Step([] { GameMenu->Logic(); }); }
  std::vector<float> LandingVolumes() {
    std::vector<float> v;
    for (const auto& record : platform::AudioLog())
      if (record.what == "volume" && record.sound.find("landing") != std::string::npos) v.push_back(record.value);
    return v;
  }
};

TEST_F(GameMenuTest, DropsInLandingThreeTimesAndRestsAtMinusSeventyOne) {
  EXPECT_EQ(Show(), 1);
  EXPECT_EQ(Save().MidCourse, 1);
  EXPECT_EQ(Save().MidHole, 1);
  int landings = 0;
  int bounces = GameMenu->Bounces;
  for (int i = 0; i < 400; ++i) {
    Tick();
    if (GameMenu->Bounces != bounces) {
      ++landings;
      bounces = GameMenu->Bounces;
    }
  }
  EXPECT_EQ(landings, 3);
  EXPECT_EQ(GameMenu->TopY, -71.0f);
  const auto volumes = LandingVolumes();
  ASSERT_GE(volumes.size(), 3u);
  // Each landing is quieter than the one before (the pool may balance them further).
  EXPECT_GT(volumes[volumes.size() - 3], volumes[volumes.size() - 2]);
  EXPECT_GT(volumes[volumes.size() - 2], volumes[volumes.size() - 1]);
}

TEST_F(GameMenuTest, ShowDuringACardFlightIsRefusedSilently) {
  GameGrid->CardAnimCounter = 30;
  EXPECT_EQ(Show(), -1);
  EXPECT_EQ(GameMenu->Active, 0);
  EXPECT_EQ(Save().MidCourse, 0);
  EXPECT_EQ(Save().MidHole, 0);
  for (const auto& record : platform::AudioLog()) EXPECT_NE(record.what, "play") << record.sound;
}

TEST_F(GameMenuTest, SaveWritesTheRoundInProgressAndLeavesForTheTitle) {
  // The hole in play: one card on the table.
  const auto savedList = CardList;
  CardList = std::make_shared<TCardList>();
  CardList->Add(315, 460, CARDTYPE_NORMAL, 1, 7, 0);
  ASSERT_EQ(Show(), 1);
  for (int i = 0; i < 400; ++i) Tick();
  ClickOn(*GameMenu->Menu->FindButton("InGameMenu_save"));
  Tick();
  EXPECT_EQ(Game->DestinationTScreen, TitleScreen);
  EXPECT_EQ(PointerParticlesOn, 0);  // the sparkle trail ends with the round
  // Read back into the round's save record.
  Save().MidCourse = 0;
  Save().MidHole = 0;
  auto reread = TProfile::Create("Ann");
  InstallProfileHooks(*reread);
  ASSERT_EQ(reread->Load(), 1);
  EXPECT_EQ(Save().MidCourse, 1);
  EXPECT_EQ(Save().MidHole, 1);
  CardList = savedList;
}

TEST_F(GameMenuTest, EscapeDuringTheDropSendsItBackUp) {
  ASSERT_EQ(Show(), 1);
  for (int i = 0; i < 20; ++i) Tick();
  quill_test::PushKey(27);
  Tick();
  EXPECT_EQ(GameMenu->Bounces, 0);
  for (int i = 0; i < 120; ++i) Tick();
  EXPECT_EQ(GameMenu->Active, 0);
}

// ---- the hint scroll and the hints file ----------------------------------------------------------

class HintScrollTest : public OverlayTest {
 protected:
  int Tick() {
    int r = 0;
    Step([&] { r = HintScroll->Logic(); });
    return r;
  }
};

TEST_F(HintScrollTest, InputWaitsForTheLandingsAndTheUnrollThenAnyClickClosesIt) {
  HintScroll->LoadSpecial(1, 0);
  HintScroll->Show(0);
  int closed = 0;
  for (int i = 0; i < 70; ++i) {
    story_test::Push(platform::EVENT_MOUSE_DOWN, 1, 10, 10);
    story_test::Push(platform::EVENT_MOUSE_UP, 1, 10, 10);
    quill_test::PushKey(13);
    closed += Tick();
  }
  EXPECT_EQ(closed, 0);
  EXPECT_EQ(HintScroll->Unroll->Reverse, 0);
  for (int i = 0; i < 400 && (HintScroll->Bounces > 0 || HintScroll->Unroll->Active); ++i) Tick();
  EXPECT_EQ(HintScroll->Unroll->Reverse, 0);
  story_test::Push(platform::EVENT_MOUSE_DOWN, 1, 10, 10);
  story_test::Push(platform::EVENT_MOUSE_UP, 1, 10, 10);
  Tick();
  EXPECT_EQ(HintScroll->Unroll->Reverse, 1);
  for (int i = 0; i < 100; ++i) closed += Tick();
  EXPECT_EQ(closed, 1);
  EXPECT_EQ(HintScroll->Active, 0);
  EXPECT_EQ(HintScroll->Draw(), 0);
}

TEST_F(HintScrollTest, TheBodyIsCentredInABoxOfTenLines) {
  // The top of the body with one line and with twelve: 8 pixels higher per extra line.
  auto bodyTop = [&](int lines) {
    HintScroll->Hints = {std::vector<std::string>{"", ""}};
    for (int i = 0; i < lines; ++i) HintScroll->Hints[0].push_back("A body line");
    HintScroll->LoadSpecial(1, 0);
    HintScroll->Show(0);
    HintScroll->Unroll->Active = 0;
    HintScroll->TopY = static_cast<float>(HintScroll->FinalY);
    quill_test::OpenScreen();
    HintScroll->Draw();
    for (int y = 250; y < 460; ++y)
      for (int x = 250; x < 550; ++x) {
        const auto p = quill_test::ScreenPixel(x, y);
        // the body's pale cream (255, 255, 204)
        if (((p >> 16) & 255) > 250 && ((p >> 8) & 255) > 250 && std::abs(static_cast<int>(p & 255) - 204) < 4) return y;
      }
    return -1;
  };
  const int one = bodyTop(1);
  const int twelve = bodyTop(12);
  ASSERT_GT(one, 0);
  EXPECT_EQ(one - twelve, 524 - 436);
}

TEST_F(HintScrollTest, TheHintsFileReadsTheSameInEitherEncodingAndRefusesMisplacedHeaders) {
  const std::string latin1 = "[1]\nCaf\xE9\n\nBody\n[2]\n";
  const std::string utf8bom = "\xEF\xBB\xBF[1]\r\nCaf\xC3\xA9\r\n\r\nBody\r\n[2]\r\n";
  auto decode = [](const std::string& bytes) {
    return platform::DecodeText(std::vector<unsigned char>(bytes.begin(), bytes.end()));
  };
  const auto a = ReadHintsText(decode(latin1), "hints.txt", 2);
  const auto b = ReadHintsText(decode(utf8bom), "hints.txt", 2);
  EXPECT_EQ(a, b);
  ASSERT_EQ(a.size(), 2u);
  EXPECT_EQ(a[0], (std::vector<std::string>{"Caf\xC3\xA9", "", "Body"}));
  EXPECT_TRUE(a[1].empty());

  const std::pair<std::string, std::string> refused[] = {
      {"\n[1]\nA\n", "[1] header hot found"},
      {"[1]\nA\n[2 ]\nB\n", "[2] header hot found"},
      {"[1]\nA\n[3]\nB\n", "[2] header hot found"},
      {"[1]\nA\n", "Hint 2 is missing from hints.txt"},
  };
  for (const auto& [text, message] : refused) {
    try {
      ReadHintsText(text, "hints.txt", 2);
      ADD_FAILURE() << "accepted: " << text;
    } catch (const ccFatalError& e) {
      EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
      EXPECT_NE(std::string(e.what()).find("hints.txt"), std::string::npos) << e.what();
    }
  }
  // The game's own file holds every hint it asks for.
  HintScroll->LoadTextData();
  EXPECT_GE(HintScroll->Hints.size(), 10u);
}

TEST_F(HintScrollTest, AnEmptySectionOrAMissingHintShowsNoText) {
  HintScroll->Hints = {{}, {"Heading", "", "Body"}};
  HintScroll->Hint = 1;
  HintScroll->SetText();
  EXPECT_EQ(HintScroll->TotalLines, 0);
  HintScroll->Hint = 21;
  HintScroll->SetText();
  EXPECT_EQ(HintScroll->TotalLines, 0);
  HintScroll->Hint = 2;
  HintScroll->SetText();
  EXPECT_EQ(HintScroll->TotalLines, 3);
  EXPECT_GT(HintScroll->WidestLine, 0);
}

}  // namespace
