// Texts and pictures that must stay inside their places on the staged data: the career statistics
// cells in their columns, the trophy names on their plaques, the shop's cannot-afford note on its
// card, the course selector's lines, the name prompt's box and the loading screen's pointer trail.
// Widths and heights are measured with the fonts the screens draw with; pictures are read back.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "content/course.h"
#include "content/course_list.h"
#include "content/globals.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/bitmap_font.h"
#include "gfx/game_text.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/particle_list.h"
#include "play/game_screen.h"
#include "play/pointer_particles.h"
#include "platform/audio.h"
#include "platform/graphics.h"
#include "progress/player.h"
#include "progress/save_data.h"
#include "screens/career_stats_screen.h"
#include "screens/globals.h"
#include "screens/game_dialogs.h"
#include "screens/level_select_screen.h"
#include "screens/shop_screen.h"
#include "screens/title_screen.h"
#include "screens/trophy_screen.h"
#include "tests/screens/menu_game.h"
#include "tests/support/harness.h"
#include "util/animation.h"
#include "ui/button.h"
#include "ui/dialog_text_input.h"
#include "ui/list_box.h"
#include "ui/menu.h"
#include "ui/mouse_pointer.h"
#include "ui/text_input.h"
#include "util/strings.h"
#include "wildshot/globals.h"
#include "wildshot/wildshot_screen.h"

using namespace menu_test;

namespace {

class ScreenFitTest : public testing::Test {
 protected:
  void SetUp() override {
    if (!LoadGame()) GTEST_SKIP() << "no data folder";
    Quiesce();
    ResetProfiles({"Tess"});
    UsePlayer("Tess");
    GameScreen->Player->SaveData->Male = 1;
  }
  void TearDown() override {
    if (!Game) return;
    Game->DestinationTScreen = nullptr;
    if (Game->CurrentTScreen && Game->CurrentTScreen != TitleScreen) Game->CurrentTScreen->Kill();
    Game->CurrentTScreen = TitleScreen;
  }
};

// The widest of `texts` as `font` draws them.
double Widest(const TBitmapFont& font, const std::vector<std::string>& texts) {
  double w = 0;
  for (const auto& t : texts) w = std::max(w, font.StringWidth(t));
  return w;
}

// The rows below a line's pen y that the glyphs of `text` cover, as drawn: {top, bottom}.
std::pair<double, double> InkRows(const TBitmapFont& font, const std::string& text) {
  double top = 1e9, bottom = -1e9;
  for (char c : text) {
    if (c == ' ') continue;
    const int slot = font.SlotOf(static_cast<unsigned char>(c));
    top = std::min(top, font.yOffset[slot]);
    bottom = std::max(bottom, font.yOffset[slot] + font.height[slot] * font.TextureH);
  }
  return {top * font.ScaleFactor, bottom * font.ScaleFactor};
}

double InkHeight(const TBitmapFont& font, const std::string& text) {
  const auto [top, bottom] = InkRows(font, text);
  return bottom - top;
}

// The lowest picture row of frame 0 with a pixel of at least a quarter cover; -1 for none.
int LowestInkRow(const platform::ImageRef& image) {
  const auto pixels = image->LockFrame(0);
  int lowest = -1;
  for (int y = 0; y < pixels->Height(); ++y)
    for (int x = 0; x < pixels->Width(); ++x)
      if ((pixels->ReadPixel(x, y) >> 24) >= 64) lowest = y;
  image->UnlockFrame(0);
  return lowest;
}

// The leftmost and rightmost columns of frame `frame` with a pixel of at least a quarter cover.
std::pair<int, int> InkColumns(const platform::ImageRef& image, int frame) {
  const auto pixels = image->LockFrame(frame);
  int left = pixels->Width(), right = -1;
  for (int y = 0; y < pixels->Height(); ++y)
    for (int x = 0; x < pixels->Width(); ++x)
      if ((pixels->ReadPixel(x, y) >> 24) >= 64) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
  image->UnlockFrame(frame);
  return {left, right};
}

// The topmost row of frame 0 with a pixel of at least a quarter cover.
int TopInkRow(const platform::ImageRef& image) {
  const auto pixels = image->LockFrame(0);
  int top = pixels->Height();
  for (int y = 0; y < pixels->Height() && top == pixels->Height(); ++y)
    for (int x = 0; x < pixels->Width(); ++x)
      if ((pixels->ReadPixel(x, y) >> 24) >= 64) {
        top = y;
        break;
      }
  image->UnlockFrame(0);
  return top;
}

// ---- career statistics ----

TEST_F(ScreenFitTest, EveryStatisticsCellStaysInItsColumnAndRowsKeepAGap) {
  Enter(CareerStatsScreen, TitleScreen);
  ASSERT_TRUE(Settle(CareerStatsScreen));
  ASSERT_TRUE(CareerStatsScreen->RowFont);
  const TBitmapFont& font = *CareerStatsScreen->RowFont;
  const auto& col = TCareerStatsScreen::ColumnX;
  // A column's divider stands 10 px left of the next column's text; a cell keeps 3 px from it.
  auto room = [&](int i) { return col[i + 1] - 10 - 3 - col[i]; };

  std::vector<std::string> captions;
  for (const auto& row : TCareerStatsScreen::Rows) captions.push_back(GameText->FindString(row.Key));
  EXPECT_LE(Widest(font, captions), room(0));

  // Values as large as a career makes them: scores of a course, cash, seconds, drives.
  EXPECT_LE(Widest(font, {"144 (+72)", "$9999999", "9999 secs", "999:59", "999.99yds"}), room(1));

  // A name of any length is cut to the 98 px the column leaves it.
  EXPECT_LE(font.StringWidth(font.TruncateString("Wolverhampton-Smythe", static_cast<int>(98 / font.ScaleFactor))), 98);

  // Every course with the hole number of its last hole.
  std::vector<std::string> courses;
  for (const auto& course : *CourseList) courses.push_back(course->Name + " (" + std::to_string(course->Holes) + ")");
  EXPECT_LE(Widest(font, courses), room(3));

  // Dates "%d %b %Y" on every month and day; times in 12-hour form on every hour.
  const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::vector<std::string> dates, times;
  for (const char* m : months)
    for (int d = 1; d <= 31; ++d) dates.push_back(ccPadWithZeros(std::to_string(d), 2) + " " + m + " 2088");
  for (int h = 0; h < 24; ++h)
    for (int m : {0, 38, 59}) times.push_back(ccTimeTo12Hour(ccPadWithZeros(std::to_string(h), 2) + ":" + ccPadWithZeros(std::to_string(m), 2)));
  EXPECT_LE(Widest(font, dates), col[5] - 6 - col[4]);
  EXPECT_LE(Widest(font, times), TCareerStatsScreen::FRAME_RIGHT - 4 - col[5]);

  // Rows 15 px apart: from the top of a capital to the foot of a descender, outline included, a
  // row leaves a clear line before the next.
  EXPECT_LE(InkHeight(font, "Agy"), TCareerStatsScreen::ROW_GAP - 1);
}

// ---- trophy room ----

TEST_F(ScreenFitTest, TrophyNamesStayOnTheirPlaquesAndWonTrophiesStandAboveThem) {
  for (int male : {1, 0}) {
    SCOPED_TRACE(male);
    GameScreen->Player->SaveData->Male = male;
    Enter(TrophyScreen, TitleScreen);
    ASSERT_TRUE(Settle(TrophyScreen));
    const TTrophyScreen& room = *TrophyScreen;
    const TBitmapFont& font = *room.PlaqueFont;
    for (int id = 0; id < TTrophyScreen::TROPHIES; ++id) {
      SCOPED_TRACE(id);
      const auto& plaque = (id == 0 ? room.PlaqueBig : room.Plaque)->image;
      // The plaque's face lies inside its 4 px wooden rim, above the 2 px of shadow at its foot.
      const int top = TTrophyScreen::PlaqueY[id] + 3 - plaque->Height() / 2;
      const int faceTop = top + 4, faceBottom = top + plaque->Height() - 6;
      const int faceWidth = plaque->Width() - 10;
      const auto& lines = room.PlaqueText[id];
      ASSERT_FALSE(lines.empty());
      EXPECT_LE(lines.size(), 2u);
      std::string all;
      for (const auto& line : lines) {
        EXPECT_LE(font.StringWidth(line) + 1, faceWidth) << line;  // the light pass lies 1 px right
        all += line;
      }
      const auto [inkTop, inkBottom] = InkRows(font, all);
      const int blockTop = TTrophyScreen::PlaqueTextTop(TTrophyScreen::PlaqueY[id], static_cast<int>(lines.size()));
      EXPECT_GE(blockTop + inkTop, faceTop);
      EXPECT_LE(blockTop + TTrophyScreen::PLAQUE_LINE_GAP * (lines.size() - 1) + inkBottom + 1, faceBottom);
      // Won, the trophy's foot stands above its plaque.
      const auto& trophy = (id == 0 && male == 0) ? room.FemaleTrophy : room.Trophies[id];
      ASSERT_TRUE(trophy);
      EXPECT_LT(TTrophyScreen::TrophyY[id] + LowestInkRow(trophy->image), top);
    }
    TrophyScreen->Kill();
    Game->CurrentTScreen = TitleScreen;
  }
}

TEST_F(ScreenFitTest, NoPlaqueNameComesNearAScrewOfItsPlaque) {
  Enter(TrophyScreen, TitleScreen);
  ASSERT_TRUE(Settle(TrophyScreen));
  TTrophyScreen& room = *TrophyScreen;
  Game->Mouse->x = Game->Mouse->y = -100;  // no tool tip
  // The plaque's area on the screen as drawn, with and without its names: the pixels that differ
  // are the names' ink, both passes.
  auto draw = [](int left, int top, int w, int h) {
    quill_test::OpenScreen();
    Game->ScreenDraw();
    std::vector<platform::Argb> px;
    for (int y = top; y < top + h; ++y)
      for (int x = left; x < left + w; ++x) px.push_back(quill_test::ScreenPixel(x, y));
    return px;
  };
  auto luminance = [](platform::Argb p) {
    return static_cast<int>(((p >> 16) & 0xFF) * 3 + ((p >> 8) & 0xFF) * 6 + (p & 0xFF));
  };
  for (int id = 0; id < TTrophyScreen::TROPHIES; ++id) {
    SCOPED_TRACE(id);
    const auto& plaque = (id == 0 ? room.PlaqueBig : TTrophyScreen::IsGoldPlaque(id) ? room.PlaqueGold : room.Plaque)->image;
    const int w = plaque->Width(), h = plaque->Height();
    const int left = TTrophyScreen::PlaqueX[id] - w / 2, top = TTrophyScreen::PlaqueY[id] + 3 - h / 2;
    // Screws: inside the face (its 4 px rim and the shadow at its foot left out), the pixels far
    // darker than the face in the middle of the same row.
    std::vector<std::pair<int, int>> screws;
    const auto pixels = plaque->LockFrame(0);
    for (int y = 6; y < h - 8; ++y) {
      const int face = luminance(pixels->ReadPixel(w / 2, y));
      for (int x = 5; x < w - 7; ++x)
        if (luminance(pixels->ReadPixel(x, y)) * 10 < face * 7) screws.emplace_back(x, y);
    }
    plaque->UnlockFrame(0);
    ASSERT_GE(screws.size(), 2u);

    const auto named = draw(left, top, w, h);
    const auto lines = room.PlaqueText[id];
    room.PlaqueText[id].clear();
    const auto bare = draw(left, top, w, h);
    room.PlaqueText[id] = lines;
    int ink = 0, nearest = 1000;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        if (named[static_cast<std::size_t>(y * w + x)] == bare[static_cast<std::size_t>(y * w + x)]) continue;
        ++ink;
        for (const auto& [sx, sy] : screws) nearest = std::min(nearest, std::max(std::abs(sx - x), std::abs(sy - y)));
      }
    EXPECT_GT(ink, 20);
    // Two clear pixels at least between a letter and a screw.
    EXPECT_GE(nearest, 3);
  }
}

// ---- golf shop ----

// The till's card, for every item of both sexes: the name on one line inside the card's text
// margins, the picture inside the card and wholly above the name's ink, the description lines
// inside the margins and above the cannot-afford note.
TEST_F(ScreenFitTest, EveryShopItemsNamePictureAndDescriptionKeepToTheTillsCard) {
  auto& save = *GameScreen->Player->SaveData;
  for (int male : {1, 0}) {
    SCOPED_TRACE(male);
    save.Male = male;
    Enter(ShopScreen, TitleScreen);
    ASSERT_TRUE(Settle(ShopScreen));
    TShopScreen& shop = *ShopScreen;
    ASSERT_TRUE(shop.ItemFont && shop.DescriptionFont);
    TBitmapFont description = *shop.DescriptionFont;
    const std::string note = GameText->FindString("Cannot Afford Item");
    const double noteInkTop = 534 + InkRows(description, note).first;
    for (int id = 0; id < TShopScreen::ITEMS; ++id) {
      const std::string& name = TShopScreen::ItemNames[static_cast<std::size_t>(id)];
      SCOPED_TRACE(name);
      ASSERT_FALSE(name.empty());
      shop.CurrentItem = id;
      shop.SetItemDetails();
      TBitmapFont title = *shop.ItemFont;
      title.ScaleFactor = shop.NameFontScale;
      // The name as drawn: at most the design's scale, never so small it reads below the
      // description's size.
      EXPECT_LE(shop.NameFontScale, shop.DescriptionFontScale + 1e-6);
      EXPECT_GE(InkHeight(title, "ABCXYZ"), InkHeight(description, "ABCXYZ"));
      EXPECT_GE(shop.CurrentDescriptionX, TShopScreen::CARD_TEXT_LEFT);
      EXPECT_LE(shop.CurrentDescriptionX + title.StringWidth(name), TShopScreen::CARD_TEXT_RIGHT);
      const double nameInkTop = TShopScreen::NAME_Y + InkRows(title, name).first;

      // The picture, scaled about its place: its ink inside the card, above the name.
      const auto& picture = shop.Items[static_cast<std::size_t>(id)];
      ASSERT_TRUE(picture);
      const auto [inkLeft, inkRight] = InkColumns(picture->image, 0);
      const int inkTop = TopInkRow(picture->image), inkBottom = LowestInkRow(picture->image);
      const double k = TShopScreen::TILL_PICTURE_SCALE;
      const double cx = TShopScreen::TILL_PICTURE_X, cy = TShopScreen::TILL_PICTURE_Y;
      const double hx = picture->w2, hy = picture->h2;
      EXPECT_GE(cx + (inkLeft - hx) * k, TShopScreen::CARD_TEXT_LEFT);
      EXPECT_LE(cx + (inkRight + 1 - hx) * k, TShopScreen::CARD_TEXT_RIGHT);
      EXPECT_GE(cy + (inkTop - hy) * k, 404);
      EXPECT_LT(cy + (inkBottom + 1 - hy) * k + 1, nameInkTop);
      // As drawn: the card with and without the picture differs only inside that box.
      auto card = [&] {
        quill_test::OpenScreen();
        Game->ScreenDraw();
        std::vector<platform::Argb> px;
        for (int y = 400; y < 562; ++y)
          for (int x = 348; x < 620; ++x) px.push_back(quill_test::ScreenPixel(x, y));
        return px;
      };
      const auto with = card();
      shop.Items[static_cast<std::size_t>(id)] = nullptr;
      const auto without = card();
      shop.Items[static_cast<std::size_t>(id)] = picture;
      int lowest = -1, rightmost = -1;
      for (int y = 400; y < 562; ++y)
        for (int x = 348; x < 620; ++x)
          if (with[static_cast<std::size_t>((y - 400) * 272 + x - 348)] != without[static_cast<std::size_t>((y - 400) * 272 + x - 348)]) {
            lowest = std::max(lowest, y);
            rightmost = std::max(rightmost, x);
          }
      EXPECT_GT(lowest, 0);
      EXPECT_LT(lowest + 1, nameInkTop);
      EXPECT_LE(rightmost, TShopScreen::CARD_TEXT_RIGHT);

      // The description: two lines at most, each inside the margins, the last above the note.
      ASSERT_LE(shop.ItemDescription.size(), 2u);
      const double nameHeight = title.StringHeight("ABCXYZ");
      int y = static_cast<int>(TShopScreen::NAME_Y + nameHeight + 8);
      const int lineHeight = static_cast<int>(description.StringHeight("ABCXYZ"));
      for (const auto& line : shop.ItemDescription) {
        EXPECT_LE(shop.CurrentDescriptionX + description.StringWidth(line), TShopScreen::CARD_TEXT_RIGHT) << line;
        EXPECT_GT(y + InkRows(description, line).first, TShopScreen::NAME_Y + InkRows(title, name).second) << line;
        EXPECT_LT(y + InkRows(description, line).second, noteInkTop) << line;
        y += lineHeight;
      }
    }
    shop.CurrentItem = -1;
    ShopScreen->Kill();
    Game->CurrentTScreen = TitleScreen;
  }
}

TEST_F(ScreenFitTest, TheCannotAffordNoteFitsItsCardAndTheEntranceSoundIsHeard) {
  // The note is drawn at y 534 centred on x 462 in the description font; the card it stands on
  // spans 348..598 x 400..562 of the shop's background, with a brass rule 4 px inside its edge.
  const std::string note = GameText->FindString("Cannot Afford Item");
  const double w = HintFont->StringWidth(note);
  ASSERT_GT(w, 0);
  EXPECT_GE(462 - w / 2, 352 + 2);
  EXPECT_LE(462 + w / 2 + 1, 594 - 2);  // its shadow lies 1 px right and down
  EXPECT_LE(534 + InkRows(*HintFont, note).second + 1, 558 - 1);

  // Fades on: the entrance sound is cued before the fade in from black, at full volume.
  Game->Fade = 1;
  ShopScreen->Destination = TitleScreen;
  platform::ClearAudioLog();
  Enter(ShopScreen, TitleScreen);
  const auto& log = platform::AudioLog();
  const auto cue = std::find_if(log.begin(), log.end(), [](const platform::AudioRecord& r) {
    return r.what == "cue" && r.sound.find("ShopEntrance") != std::string::npos;
  });
  ASSERT_NE(cue, log.end());
  const auto volume = std::find_if(cue, log.end(), [](const platform::AudioRecord& r) { return r.what == "volume"; });
  ASSERT_NE(volume, log.end());
  EXPECT_FLOAT_EQ(volume->value, Game->SoundVolume / 100.0f);
  ASSERT_TRUE(Settle(ShopScreen));
}

// ---- course selector ----

TEST_F(ScreenFitTest, SelectorLinesKeepTheirSpacingAndLockedCoursesShowTheirPadlock) {
  auto& save = *GameScreen->Player->SaveData;
  for (std::size_t i = 0; i < save.UnlockedCourses.size(); ++i) save.UnlockedCourses[i] = i < 3 ? COURSE_OPEN : COURSE_LOCKED;
  Enter(LevelSelectScreen, TitleScreen);
  ASSERT_TRUE(Settle(LevelSelectScreen));
  ASSERT_TRUE(RunUntil([] { return LevelSelectScreen->Zoom->Active == 0; }));
  TLevelSelectScreen& s = *LevelSelectScreen;

  // Details 21 px apart and goal lines 17 px apart, each row's ink clear of the next.
  TBitmapFont detail = *s.LabelFont, goal = *s.TextFont;
  detail.ScaleFactor = TLevelSelectScreen::DETAIL_FONT_SCALE;
  goal.ScaleFactor = TLevelSelectScreen::GOAL_FONT_SCALE;
  EXPECT_LE(InkHeight(detail, s.Label1 + s.Label2 + s.Label3 + s.Label4 + "$0123456789"), 21 - 2);
  EXPECT_LE(InkHeight(goal, "Agpy"), 17 - 1);
  // The goal of a locked course, wrapped, stays within its 443 px.
  s.ListBox->SetIndex(5);
  s.LastIndex = 5;
  s.SelectedCourseChange();
  ASSERT_GE(s.UnlockText.size(), 1u);
  for (const auto& line : s.UnlockText) EXPECT_LE(goal.StringWidth(line), TLevelSelectScreen::GOAL_WIDTH) << line;

  // A padlock stands before every locked course in view but the selected one, which has its own
  // at its row's end: the margin before a row differs from an open course's.
  auto margin = [&](int row) {
    std::vector<platform::Argb> px;
    const int x0 = static_cast<int>(s.ListBox->Box->X - TLevelSelectScreen::LOCK_MARGIN);
    const int y0 = static_cast<int>(s.ListBox->Box->Y) + row * s.ListBox->LineHeight;
    for (int y = y0; y < y0 + 24; ++y)
      for (int x = x0; x < x0 + 20; ++x) px.push_back(quill_test::ScreenPixel(x, y));
    return px;
  };
  auto draw = [&] {
    quill_test::OpenScreen();
    Game->ScreenDraw();
    std::vector<std::vector<platform::Argb>> rows;
    for (int row = 0; row < s.ListBox->Limit; ++row) rows.push_back(margin(row));
    return rows;
  };
  const auto locked = draw();
  const auto states = save.UnlockedCourses;
  for (auto& state : save.UnlockedCourses) state = COURSE_OPEN;
  const auto open = draw();
  save.UnlockedCourses = states;
  for (int row = 0; row < s.ListBox->Limit; ++row) {
    const int index = s.ListBox->TopIndex + row;
    const bool padlock = index >= 3 && index != s.ListBox->Index;
    EXPECT_EQ(locked[static_cast<std::size_t>(row)] != open[static_cast<std::size_t>(row)], padlock) << "course " << index;
  }
}

// ---- wild shot dialog ----

TEST_F(ScreenFitTest, WildShotPicturesKeepToTheirPlacesAndTheOpeningTextToItsTwoFullLines) {
  TWildshotScreen& w = *WildShotScreen;
  const int left = (800 - w.Image->Width()) / 2;
  // The story card's place, 61 px inside the dialog, holds a 118 px card; the green panel starts
  // 48 px inside it. The gopher's pictures are drawn 26 px left of the place: their card must
  // still begin at the place, not out over the panel's edge.
  auto strip = platform::LoadAnimImage(Game->ImagePath + "wildshots/anims/gopher.png", 160, 176, 0, 8);
  ASSERT_TRUE(strip);
  auto first = platform::LoadImage(Game->ImagePath + "wildshots/anims/gopherfirstframe.png");
  ASSERT_TRUE(first);
  const int place = left + 61;
  for (int frame = -1; frame < strip->Frames(); ++frame) {
    SCOPED_TRACE(frame);
    const auto [inkLeft, inkRight] = frame < 0 ? InkColumns(first, 0) : InkColumns(strip, frame);
    EXPECT_GE(place - 26 + inkLeft, place);
    EXPECT_LE(place - 26 + inkRight, place + 118 - 1);
  }

  // While the cards shuffle, the card stands at (place + 136, 249 - 28); the stop button, 91 px
  // above the button row, shows its board only below the card.
  auto cards = platform::LoadAnimImage(Game->ImagePath + "wildshots/anims/firstframes.png", 118, 172, 0, 29);
  ASSERT_TRUE(cards);
  int cardBottom = 0;
  for (int frame = 0; frame < cards->Frames(); ++frame) {
    const auto pixels = cards->LockFrame(frame);
    for (int y = 0; y < pixels->Height(); ++y)
      for (int x = 0; x < pixels->Width(); ++x)
        if ((pixels->ReadPixel(x, y) >> 24) >= 64) cardBottom = std::max(cardBottom, w.IconStartY + w.IconDY + y);
    cards->UnlockFrame(frame);
  }
  auto stop = w.Menu->FindButton("stop_wild");
  ASSERT_TRUE(stop && stop->image);
  ASSERT_TRUE(stop->ImageMouseOver);
  for (const auto& picture : {stop->image, stop->ImageMouseOver})
    EXPECT_GT(w.MenuY - 91 + TopInkRow(picture->image), cardBottom);

  // The opening text with either penalty fills at most the two full-width lines, so it never
  // jumps right beside the card.
  for (const std::string* penalty : {&w.Penalty1, &w.Penalty2}) {
    w.Text = w.InitialText;
    ASSERT_FALSE(w.Text.empty());
    w.Text.back() += " " + *penalty;
    w.WrapText();
    EXPECT_LE(w.TotalLines, 2) << *penalty;
  }
  w.Text.clear();
  w.TotalLines = 0;
}

// ---- name prompt ----

TEST_F(ScreenFitTest, TheNameBoxEndsWhereTheLongestNameThePromptTakesDoes) {
  auto prompt = EnterNamePrompt(1);
  prompt->Start();
  const TTextInput& field = *prompt->TextInput;
  ASSERT_EQ(field.MaxPixelWidth, 200);
  // The dark box behind the name, as the dialog draws it.
  const int boxLeft = prompt->x + prompt->BoxBorderH, boxRight = prompt->x + prompt->w - prompt->BoxBorderH;
  const int leftMargin = field.X - boxLeft;
  const int rightMargin = boxRight - (field.X + field.MaxPixelWidth);
  // The cursor after the widest name still lies in the box, and the box reaches no further
  // past the limit than it starts before the name.
  EXPECT_GE(rightMargin, HintHeaderFont->StringWidth("_"));
  EXPECT_GT(leftMargin, 0);
  EXPECT_LE(rightMargin, leftMargin + 2);
  prompt->Kill();
}

// ---- loading screen and pointer ----

TEST_F(ScreenFitTest, ThePointerMakesNoSparklesUntilItHasAPlace) {
  auto& m = *Game->Mouse;
  const int particles = Game->Particles, on = PointerParticlesOn;
  const auto maker = m.ParticleFunc;
  Game->Particles = 100;
  PointerParticlesOn = 1;
  m.ParticleFunc = PointerParticles;
  m.SparkleLength = 15;
  m.On();
  m.ParticleList->Clear();
  // As when the loading screen waits with the pointer never moved over the window.
  m.Placed = 0;
  m.x = m.y = 0;
  for (int i = 0; i < 300; ++i) {
    Delta = 1.0f;
    m.Manage();
  }
  EXPECT_EQ(m.ParticleList->Count(), 0);
  // The first move gives it a place: the trail follows it there, and nowhere near the corner.
  m.MoveEvent(400, 300);
  for (int i = 0; i < 100; ++i) {
    Delta = 1.0f;
    m.Manage();
  }
  EXPECT_GT(m.ParticleList->Count(), 0);
  quill_test::OpenScreen();
  platform::Cls();
  m.ParticleList->Draw();
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) ASSERT_EQ(quill_test::ScreenPixel(x, y) & 0xFFFFFF, 0u) << x << "," << y;
  m.ParticleList->Clear();
  m.ParticleFunc = maker;
  PointerParticlesOn = on;
  Game->Particles = particles;
}

}  // namespace
