#include "screens/hint_scroll.h"

#include <cmath>

#include "cards/game_grid.h"
#include "cards/globals.h"
#include "cards/pixie_dust.h"
#include "content/globals.h"
#include "core/fixed_rate_logic.h"
#include "core/game.h"
#include "core/globals.h"
#include "core/upper_layer.h"
#include "gfx/bitmap_font.h"
#include "gfx/channel_array.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/particle.h"
#include "gfx/particle_list.h"
#include "gfx/sound_bank.h"
#include "gfx/sprite.h"
#include "platform/files.h"
#include "platform/graphics.h"
#include "platform/text_encoding.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "progress/player.h"
#include "screens/dialog_drop.h"
#include "ui/button.h"
#include "ui/menu.h"
#include "ui/mouse_pointer.h"
#include "util/animation.h"
#include "util/error.h"
#include "util/files.h"
#include "util/image.h"
#include "util/input.h"
#include "util/maths.h"
#include "util/section_file.h"
#include "util/text_draw.h"
#include "util/word_wrap.h"

namespace {

constexpr int UNROLL_MS = 400;
constexpr int DROP_SPARKLE_MS = 900;
// Sparkle bursts come twice as often as round the in-game menu.
constexpr float SPARKLE_INTERVAL_MS = 10.0f;
constexpr int BODY_LINE_GAP = 16;
// The second heading line sits this far below the first.
constexpr int HEADING_LINE_GAP = 28;
// Room for a heading line across the scroll's page.
constexpr double HEADING_ROOM = 320.0;

void PlayOnPool(const std::shared_ptr<TGameSound>& sound, float volume) {
  if (sound && Game->Channels) Game->Channels->PlayGameSound(sound, nullptr, volume, 0);
}

std::shared_ptr<TGameSound> FindSound(const std::string& name) {
  return sounds ? sounds->Find(name) : nullptr;
}

// The files every hint shows, under the image folder.
constexpr const char* kPaperFile = "hints/hint_bg.png";
constexpr const char* kHeadlineFile = "hints/headline_learn.png";
constexpr const char* kOverlayFile = "hints/hint_overlay.png";

}  // namespace

std::vector<std::vector<std::string>> ReadHintsText(const std::string& text, const std::string& file,
                                                    int required) {
  std::vector<std::vector<std::string>> hints;
  const std::vector<std::string> lines = ccSplitStringIntoLines(text);
  int index = 0;
  while (index < static_cast<int>(lines.size())) {
    const std::string number = std::to_string(hints.size() + 1);
    ccTestSectionHeader(number, lines[static_cast<size_t>(index)],
                        file + ", line " + std::to_string(index + 1));
    ++index;
    hints.push_back(ccLoadSectionArrayFromArray(lines, index));
  }
  // Every hint the game asks for must be there now, not when a hole first wants it.
  if (static_cast<int>(hints.size()) < required) {
    ccRunTimeError("Hint " + std::to_string(hints.size() + 1) + " is missing from " + file +
                       " (the game needs hints 1 to " + std::to_string(required) + ")",
                   1);
  }
  return hints;
}

std::shared_ptr<THintScrollPictures> THintScrollPictures::Current(
    std::shared_ptr<THintScrollPictures>* kept) {
  const std::string folder = Game->ImagePath;
  return KeptPictures(kept, KeptPicturesSource(folder, {kPaperFile, kHeadlineFile, kOverlayFile}),
                      [&](THintScrollPictures& set) {
                        set.Paper = ccLoadBitmap(folder + kPaperFile, -1);
                        set.Paper->SetHandle(0, 0);
                        set.Headline = Game->Upper->CreateHeaderSprite(
                            folder + kHeadlineFile, static_cast<float>(ScreenWidth / 2 + 3), 0);
                        set.Overlay = TGameImage::Create(folder + kOverlayFile, -1, 1);
                      });
}

THintScroll::THintScroll() : MenuY(ScreenHeight + 19) { name = "hints"; }

THintScroll::~THintScroll() = default;

int THintScroll::LoadTextData() {
  const std::string path = ccDataFileName(Game->TextPath + "hints.txt");
  auto stream = ccLoadFile(path);
  std::vector<unsigned char> bytes;
  bytes.reserve(static_cast<size_t>(stream->Size()));
  while (!stream->Eof()) bytes.push_back(stream->ReadByte());
  Hints = ReadHintsText(platform::DecodeText(bytes), path, REQUIRED_HINTS);
  return 0;
}

int THintScroll::LoadSpecial(int hint, int exitGame) {
  const auto pictures =
      THintScrollPictures::Current(GameScreen ? &GameScreen->HintPictures : nullptr);
  Image = pictures->Paper;
  ccCreateFrames(Image);
  Header = pictures->Headline;
  if (Header && Header->image) Header->image->Precache();
  Overlay = pictures->Overlay;
  Overlay->Precache();
  Hint = hint;
  if (hint == 21) {
    const int level = GameScreen && GameScreen->Player ? GameScreen->Player->Level : 1;
    Icon = TGameImage::Create(Game->ImagePath + "thumb" + std::to_string((level - 1) / 5) + ".png", -1, 1);
  } else {
    Icon = TGameImage::Create(Game->ImagePath + "hints/Hint" + std::to_string(hint) + ".png", -1, 1);
  }
  Icon->Precache();
  Unroll = TAnimation::Create(UNROLL_MS, 0, 0, 0);
  Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 10);
  Menu->AddQuick("OK", "")->OKButton = 1;
  if (auto ok = Menu->FindButton("ok")) {
    ok->LoadMouseClick("ok_down", 350);
    ok->y = static_cast<float>(MenuY);
    ok->SetFixedGlowOnMO(0.5f, 0.02f, 0);
  }
  Menu->Precache();
  ActivateSound = FindSound("landing");
  DeactivateSound = FindSound("sliding");
  ExitGame = exitGame;
  SetText();
  Active = 0;
  PixieDust = std::make_shared<TPixieDust>();
  return 0;
}

int THintScroll::SetText() {
  // A hint the file does not hold shows no text rather than stopping the game mid-hole.
  std::vector<std::string> lines;
  if (Hint >= 1 && Hint <= static_cast<int>(Hints.size())) lines = Hints[static_cast<size_t>(Hint - 1)];
  Text = HintFont ? ccWordWrapArray(lines, PageWidth, HintFont) : lines;
  TotalLines = static_cast<int>(Text.size());
  WidestLine = 0;
  for (size_t i = 2; i < Text.size(); ++i) {
    const int width = HintFont ? static_cast<int>(HintFont->StringWidth(Text[i])) : 0;
    if (width > WidestLine) WidestLine = width;
  }
  return 0;
}

int THintScroll::Show(int) {
  Active = 1;
  ccFlushAll();
  Menu->ManageNoSound();
  Unroll->Start();
  MouseState = Game->Mouse ? Game->Mouse->Active : 0;
  if (Game->Mouse) Game->Mouse->On();
  PlayOnPool(FindSound("dialog_hint"), 1.0f);
  PlayOnPool(FindSound("dialog_rustle"), 1.0f);
  Menu->AcceptInput = 0;
  Bounces = 3;
  const int bgW = Image ? Image->Width() : 0;
  const int bgH = Image ? Image->Height() : 0;
  Y = static_cast<float>(-bgH);
  TopY = Y;
  YSpeed = DIALOG_GRAVITY;
  StartDialogDrop(*PixieDust, (ScreenWidth - bgW) / 2 + 25, static_cast<int>(Y), bgW - 50, bgH - 35, bgW,
                  DROP_SPARKLE_MS, SPARKLE_INTERVAL_MS);
  ccFlushAll();
  Game->FixedRateLogic->Init();
  return 0;
}

int THintScroll::PlayActivateSound() {
  PlayOnPool(ActivateSound, 1.0f);
  return 0;
}

int THintScroll::Logic() {
  if (Active == 0) return 0;
  TScreen::Logic();
  if (Bounces > 0) {
    Y += YSpeed * Delta;
    if (Y >= static_cast<float>(FinalY)) {
      --Bounces;
      static constexpr float kLandingVolume[3] = {0.25f, 0.5f, 1.0f};
      if (ActivateSound && GameGrid && GameGrid->Channels) {
        GameGrid->Channels->PlayGameSound(ActivateSound, nullptr, kLandingVolume[Bounces], 0);
      } else {
        PlayOnPool(ActivateSound, kLandingVolume[Bounces]);
      }
      if (Bounces == 0) {
        Y = static_cast<float>(FinalY);
        Menu->AcceptInput = 1;
      } else {
        YSpeed = -YSpeed / 2.2f;
        Y = static_cast<float>(FinalY) - 0.01f;
      }
    }
    YSpeed += DIALOG_GRAVITY * Delta;
  }
  if (Unroll->Reverse != 0) {
    Y = static_cast<float>(FinalY) - static_cast<float>(Image ? Image->Height() : 0) * Unroll->GetRatio();
  }
  TopY = Y;
  PixieDust->y = static_cast<int>(TopY);
  PixieDust->Manage();
  if (Unroll->Manage() == 1 && Unroll->Reverse != 0) {
    Hide();
    return 1;
  }
  if (Unroll->Active == 0 && Bounces == 0) {
    if (Game->Mouse && Game->Mouse->GetMh(1) != 0) {
      if (auto ok = Menu->FindButton("OK")) {
        ok->FixedGlowOnMOActivate();
        ok->Click();
      }
      RollUp();
    } else if (Menu->Clicked("OK") != 0) {
      RollUp();
    }
  }
  return 0;
}

int THintScroll::RollUp() {
  Unroll->Reverse = 1;
  Unroll->Reset();
  Menu->AcceptInput = 0;
  if (Game->Particles > 0) StartDialogSparkles(*PixieDust, UNROLL_MS, SPARKLE_INTERVAL_MS);
  PlayOnPool(DeactivateSound, 1.0f);
  return 0;
}

int THintScroll::Hide() {
  if (MouseState == 0 && Game->Mouse) Game->Mouse->Off();
  ccFlushAll();
  Active = 0;
  Kill();
  Game->FixedRateLogic->Init();
  return 0;
}

int THintScroll::Kill() {
  TScreen::Kill();
  ActivateSound.reset();
  DeactivateSound.reset();
  Unroll.reset();
  Icon.reset();
  Overlay.reset();
  Text.clear();
  TotalLines = 0;
  Active = 0;
  return 0;
}

int THintScroll::Draw() {
  if (Active == 0) return 0;
  const float t = TopY;
  float dim = 0.3f;
  if (Unroll && Unroll->Active != 0) {
    dim = 0.3f * static_cast<float>(std::sin((1.0 - Unroll->GetRatio()) * 3.14159265358979 / 2.0));
  }
  ccDimScreen(dim);
  platform::SetBlend(platform::BLEND_ALPHA);
  if (Image) platform::DrawImage(Image, static_cast<float>((ScreenWidth - Image->Width()) / 2), t);
  if (Icon) platform::DrawImage(Icon->image, static_cast<float>(ScreenWidth / 2 - 1), t + 317);
  if (Overlay) platform::DrawImage(Overlay->image, 400, t + 316);
  if (Header && Header->image) platform::DrawImage(Header->image->image, Header->x, t + 239);
  ccShadowTextSet(2, 2, 0.6f);
  if (TotalLines > 0 && HintHeaderFont) {
    platform::SetColor(255, 255, 255);
    // A second heading line goes below the first, which keeps its place under the picture.
    const bool twoHeadings = TotalLines > 1 && !Text[1].empty();
    const float headingY = t + 390;
    // A heading wider than the scroll's page is drawn smaller, centred on its own line.
    const auto drawHeading = [&](const std::string& line, float y) {
      HintHeaderFont->ScaleFactor = 1.0;
      const double width = HintHeaderFont->StringWidth(line);
      const double fit = width > HEADING_ROOM ? HEADING_ROOM / width : 1.0;
      HintHeaderFont->ScaleFactor = fit;
      const float lift = static_cast<float>((1.0 - fit) * HintHeaderFont->StringHeight("ABCXYZ") / (2.0 * fit));
      HintHeaderFont->DrawAligned(line, ScreenWidth / 2, y + lift, 1, fit == 1.0 ? 1 : 0, 0, 0);
      HintHeaderFont->ScaleFactor = 1.0;
    };
    drawHeading(Text[0], headingY);
    if (twoHeadings) drawHeading(Text[1], headingY + HEADING_LINE_GAP);
  }
  if (TotalLines > 2 && HintFont) {
    const int bodyLines = TotalLines - 2;
    const float x = static_cast<float>((ScreenWidth - PageWidth) / 2 + 1 + (PageWidth - WidestLine) / 2);
    float y = t + 452 + static_cast<float>((10 - bodyLines) * 8);
    for (int i = 2; i < TotalLines; ++i) {
      platform::SetColor(0, 0, 0);
      platform::SetAlpha(0.6f);
      HintFont->Draw(Text[static_cast<size_t>(i)], x + 2, y + 2, 0, 0, 0, 0, 0);
      platform::SetColor(255, 255, 204);
      platform::SetAlpha(1.0f);
      HintFont->Draw(Text[static_cast<size_t>(i)], x, y, 0, 0, 0, 0, 0);
      y += BODY_LINE_GAP;
    }
  }
  platform::SetScale(1, 1);
  platform::SetColor(255, 255, 255);
  platform::SetAlpha(1.0f);
  if (Menu) {
    Menu->SetY(t + static_cast<float>(MenuY));
    Menu->Draw(0, 0);
  }
  return 1;
}
