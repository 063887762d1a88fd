#include "screens/game_dialogs.h"

#include <algorithm>
#include <cmath>

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
#include "progress/progress_rules.h"
#include "screens/avatar_selection_screen.h"
#include "screens/globals.h"
#include "screens/title_screen.h"
#include "ui/button.h"
#include "ui/dialog_ok.h"
#include "ui/dialog_text_input.h"
#include "ui/dialog_yes_no.h"
#include "ui/label.h"
#include "ui/menu.h"
#include "ui/player_manager.h"
#include "ui/profile.h"
#include "ui/text_input.h"
#include "util/files.h"
#include "util/image.h"
#include "util/types.h"

const std::array<TDialogStyle, 5> DialogStyles = {{
    {TDialogKind::Error, "dialogs/dialog_rect.png", 380, "error", 29, 248, 73, 54, 0,
     TDialogFontKind::Dialog, -1, 6, 0, 0, 0.0f, 0, "Dialog_error", 1.0f},
    {TDialogKind::YesNo, "dialogs/dialog_rect.png", 380, "confirm", 30, 255, 255, 255, 0,
     TDialogFontKind::Dialog, -1, 6, 0, 0, 0.0f, 0, "Dialog_misc", 0.8f},
    {TDialogKind::CourseSelector, "dialogs/dialog_rect.png", 380, "", 29, 255, 255, 255, 0,
     TDialogFontKind::Dialog, -1, 6, 1, 200, 0.5f, 1, "", 1.0f},
    {TDialogKind::CourseUnlocked, "dialogs/dialog_rect.png", 380, "", 29, 255, 255, 255, 0,
     TDialogFontKind::Dialog, -1, 6, 1, 200, 0.5f, 0, "", 1.0f},
    {TDialogKind::PopUpTip, "dialogs/dialog_square.png", 330, "tip", 49, 255, 255, 204, 1,
     TDialogFontKind::Wildshot, -4, 26, 1, 200, 0.5f, 1, "dialog_hint", 1.0f},
}};

const TDialogStyle& DialogStyle(TDialogKind kind) { return DialogStyles[static_cast<size_t>(kind)]; }

namespace {

std::shared_ptr<TBitmapFont> StyleFont(TDialogFontKind kind) {
  return kind == TDialogFontKind::Wildshot ? WildshotFont : DialogFont;
}

std::shared_ptr<platform::Image> LoadFrame(const std::string& file) {
  return ccLoadBitmap(Game->ImagePath + file, -1);
}

void PlayStyleSound(const TDialogStyle& style) {
  if (style.Sound[0] == '\0' || !sounds || !Game->Channels) return;
  if (auto sound = sounds->Find(style.Sound)) {
    Game->Channels->PlayGameSound(sound, nullptr, style.Volume, 0);
  }
}

// The common steps after the dialog is made: header, border, caption, menu placement, button
// glows and transitions. `header` is below "dialogs/"; `headerExtraY` and `marginExtra` shift the
// header down and the buttons up (the large frame).
void StyleDialog(TDialog& dialog, const TDialogStyle& style, const std::string& header,
                 int headerExtraY, int marginExtra) {
  dialog.HeaderLoad("dialogs/" + header, static_cast<float>(ScreenWidth / 2),
                    static_cast<float>(dialog.y + style.HeaderOffsetY + headerExtraY));
  dialog.Border = 50;
  dialog.DrawHighlight = 0;
  dialog.SetupCaption(nullptr, TColor::Create(style.R, style.G, style.B, 1.0f),
                      style.CaptionShadow != 0 ? TShadow::Create(2, 2, 0.6f) : nullptr,
                      StyleFont(style.Font));
  dialog.CaptionOffsetY = style.CaptionOffsetY;
  if (dialog.Menu) {
    dialog.Menu->ChangeShadow(0, 0, 0, 0);
    dialog.MenuOX = dialog.MenuGetCentredX();
    dialog.MenuOY = dialog.y + dialog.h - dialog.Menu->CalcHeight() - style.BottomMargin - marginExtra;
    for (const auto& button : dialog.Menu->Buttons) {
      button->SetFixedGlowOnMO(0.5f, 0.02f, 0);
      if (style.OKDown != 0 && button->name == "OK") button->LoadMouseClick("OK_down", 350);
    }
  }
}

void OpenDialog(TDialog& dialog, const TDialogStyle& style) {
  if (style.TransitionMs > 0) {
    dialog.SetTransitions(style.TransitionMs, style.TransitionMs, style.Dim, style.Fade);
  }
  dialog.Start();
  PlayStyleSound(style);
  Game->FixedRateLogic->Init();
}

std::shared_ptr<TDialogOK> BuildOK(const TDialogStyle& style, const std::string& text,
                                   const std::string& frame, const std::string& header) {
  auto dialog = TDialogOK::Create(text, LoadFrame(frame), style.Width, 0, 0);
  StyleDialog(*dialog, style, header, 0, 0);
  return dialog;
}

}  // namespace

std::shared_ptr<TDialogOK> ErrorDialog(const std::string& text) {
  const auto& style = DialogStyle(TDialogKind::Error);
  auto dialog = BuildOK(style, text, style.Frame, style.Header);
  OpenDialog(*dialog, style);
  return dialog;
}

std::shared_ptr<TDialogYesNo> MakeDialogYesNo(const std::string& text) {
  const auto& style = DialogStyle(TDialogKind::YesNo);
  auto dialog = TDialogYesNo::Create(text, LoadFrame(style.Frame), style.Width, 0, 0, 1);
  StyleDialog(*dialog, style, style.Header, 0, 0);
  OpenDialog(*dialog, style);
  return dialog;
}

std::shared_ptr<TDialogTextInput> EnterNamePrompt(int withCancel) {
  Game->FixedRateLogic->Init();
  auto prompt = TDialogTextInput::Create("", "", 12, LoadFrame("dialogs/dialog_enter_name.png"), 0,
                                         0, 0, 200);
  prompt->TextInput->MakeCharsFileNameSafe();
  prompt->CalcSize();
  prompt->CalcXY();
  prompt->HeaderLoad("dialogs/enter_your_name", static_cast<float>(ScreenWidth / 2),
                     static_cast<float>(prompt->y + 63));
  prompt->DrawHighlight = 0;
  prompt->Gap = 38;
  prompt->Border = 46;
  prompt->MenuCreate(withCancel, 50);
  prompt->Menu->ChangeShadow(0, 0, 0, 0);
  for (const auto& button : prompt->Menu->Buttons) button->SetFixedGlowOnMO(0.5f, 0.02f, 0);
  prompt->MenuOX = prompt->MenuGetCentredX();
  prompt->MenuOY = prompt->y + prompt->h - prompt->Menu->CalcHeight() - 38;
  prompt->SetupText(nullptr, TColor::Create(255, 255, 255, 1.0f), nullptr, 0, HintHeaderFont);
  prompt->TextOX = static_cast<int>(prompt->Text->X) + 75;
  prompt->TextOY = static_cast<int>(prompt->Text->Y) + 36;
  prompt->TextYOffset = -3;
  prompt->BoxColor = TColor::Create(0, 0, 0, 0.3f);
  prompt->BoxBorderH = 75;
  prompt->BoxBorderV = 8;
  if (prompt->TextInput->CursorCol) prompt->TextInput->CursorCol->Set(255, 255, 255, 1.0f);
  // A letter that no longer fits is answered with the play field's refusal sound.
  if (sounds) prompt->TextInput->FullSound = sounds->Find("invalid");
  prompt->ErrorCheckFunc = CheckPlayerName;
  prompt->ErrorDialogFunc = ErrorDialog;
  prompt->OKClickedFunc = CreateAvatarSelection;
  prompt->MenuPosition();
  Game->FixedRateLogic->Init();
  return prompt;
}

int CheckPlayerName(const std::string& name, std::string& message) {
  // Any file of that name refuses the name, also one that cannot be opened for writing: a new
  // player never takes over another's file.
  if (TProfile::CheckNewName(name, message) == 0) {
    message.clear();
    return 1;
  }
  return -1;
}

int CreateAvatarSelection(TDialogTextInput& prompt) {
  prompt.OKClickedScreen = AvatarSelectionScreen;
  AvatarSelectionScreen->Load();
  prompt.DrawDisabled = 1;
  if (TitleScreen) {
    TitleScreen->DrawDisabled = 1;
    if (TitleScreen->PlayerManager) TitleScreen->PlayerManager->DrawDisabled = 1;
  }
  AvatarSelectionScreen->Show();
  return 0;
}

std::shared_ptr<TDialogOK> CourseSelectorDialog(const std::string& text, const std::string& header) {
  const auto& style = DialogStyle(TDialogKind::CourseSelector);
  auto dialog = BuildOK(style, text, style.Frame, header);
  OpenDialog(*dialog, style);
  return dialog;
}

namespace {

// How far a picture's pixels (its faint glow too) reach from its handle on each side, with room
// kept right of and below it for its drop shadow. False for a picture with no pixels to show.
bool ReachWithShadow(const TGameImage& picture, TPictureReach& reach) {
  if (!PictureReach(picture, 1, reach)) return false;
  reach.right += DIALOG_PICTURE_SHADOW;
  reach.down += DIALOG_PICTURE_SHADOW;
  return true;
}

// The room a picture at x may take: the frame's panel below the text, and beside the buttons on
// the picture's side of the frame's middle. Eight pixels are kept below the text, so a picture
// does not crowd its last line, and two on the other sides: a picture drawn smaller is placed to
// the whole pixel and smoothed over one more.
struct TPictureRoom {
  int left, right, top, foot;
};
TPictureRoom PictureRoom(const TDialog& dialog, int x) {
  TPictureRoom room{dialog.x + DIALOG_PANEL_LEFT, dialog.x + dialog.w - DIALOG_PANEL_RIGHT,
                    dialog.y + DIALOG_PANEL_TOP, dialog.y + dialog.h - DIALOG_PANEL_BOTTOM};
  if (dialog.Caption && dialog.Caption->TotalLines > 0)
    room.top =
        std::max(room.top, static_cast<int>(std::ceil(dialog.Caption->Y + dialog.Caption->H)));
  const bool leftSide = x < dialog.x + dialog.w / 2;
  if (dialog.Menu) {
    for (const auto& button : dialog.Menu->Buttons) {
      if (!button) continue;
      if (leftSide)
        room.right = std::min(room.right, static_cast<int>(std::floor(button->x)));
      else
        room.left = std::max(room.left, static_cast<int>(std::ceil(button->x)) + button->w);
    }
  }
  constexpr int CLEAR = 2, BELOW_TEXT = 8;
  room.left += CLEAR;
  room.right -= CLEAR;
  room.top += BELOW_TEXT;
  room.foot -= CLEAR;
  return room;
}

// A copy of a frame picture `extra` rows taller: its middle row repeated, its rim, corners and
// nails as drawn. The frame's panel is the same distance in from each edge.
std::shared_ptr<platform::Image> TallerFrame(platform::Image& frame, int extra) {
  const auto pixels = frame.LockFrame(0);
  const int w = pixels->Width(), h = pixels->Height(), middle = h / 2;
  auto taller = platform::CreatePixmap(w, h + extra);
  for (int y = 0; y < h + extra; ++y) {
    const int from = y < middle ? y : (y < middle + extra ? middle : y - extra);
    std::copy_n(pixels->Pixels() + static_cast<std::ptrdiff_t>(from) * w, w,
                taller->Pixels() + static_cast<std::ptrdiff_t>(y) * w);
  }
  frame.UnlockFrame(0);
  return platform::LoadImageFromPixmap(taller);
}

// Grows a dialog by `extra` rows at its middle: the frame is drawn taller, the header and the text
// keep their places from its top, the buttons theirs from its bottom, and it stays centred on the
// screen.
void GrowDialog(TDialogOK& dialog, int extra) {
  const int oldY = dialog.y, oldBottom = dialog.y + dialog.h;
  const float textFromTop = dialog.Caption->Y - static_cast<float>(dialog.CaptionOffsetY + oldY);
  dialog.Background = TallerFrame(*dialog.Background, extra);
  dialog.CalcAll();
  dialog.CaptionOX = dialog.CaptionGetCentredX();
  dialog.CaptionOY = dialog.y + static_cast<int>(std::lround(textFromTop));
  if (dialog.Header) dialog.Header->y += static_cast<float>(dialog.y - oldY);
  dialog.MenuOY += dialog.y + dialog.h - oldBottom;
  dialog.MenuPosition();
}

}  // namespace

int GrowDialogFor(TDialogOK& dialog, int rows) {
  constexpr int SCREEN_MARGIN = 20;
  const int extra = std::min(rows, ScreenHeight - 2 * SCREEN_MARGIN - dialog.h);
  if (extra <= 0 || !dialog.Background) return 0;
  GrowDialog(dialog, extra);
  return extra;
}

void KeepPictureInPanel(const TDialog& dialog, const TGameImage& picture, int& x, int& y,
                        float& scale) {
  TPictureReach reach;
  if (!ReachWithShadow(picture, reach)) return;
  const TPictureRoom room = PictureRoom(dialog, x);
  // Smaller only when the picture is wider or taller than the room.
  const float width = reach.left + reach.right, height = reach.up + reach.down;
  scale = std::min(scale, static_cast<float>(std::max(0, room.right - room.left)) / width);
  scale = std::min(scale, static_cast<float>(std::max(0, room.foot - room.top)) / height);
  // Then in from each side as far as it reaches past it (whole pixels, rounded inwards).
  auto keep = [scale](int at, float before, float after, int low, int high) {
    const int least = static_cast<int>(std::ceil(static_cast<float>(low) + before * scale));
    const int most = static_cast<int>(std::floor(static_cast<float>(high) - after * scale));
    return least > most ? (least + most) / 2 : std::clamp(at, least, most);
  };
  x = keep(x, reach.left, reach.right, room.left, room.right);
  y = keep(y, reach.up, reach.down, room.top, room.foot);
}

int PictureRowsShort(const TDialog& dialog, const TGameImage& picture, int x, float scale) {
  TPictureReach reach;
  if (!ReachWithShadow(picture, reach)) return 0;
  const TPictureRoom room = PictureRoom(dialog, x);
  const int needed = static_cast<int>(std::ceil((reach.up + reach.down) * scale));
  return std::max(0, needed - (room.foot - room.top));
}

std::shared_ptr<TDialogOK> CourseUnlockedDialog(const std::string& text, const std::string& header,
                                                const std::string& image, int x, int y,
                                                const std::string& image2, int x2, int y2,
                                                const std::string& frame, float scale) {
  const auto& style = DialogStyle(TDialogKind::CourseUnlocked);
  const std::string frameName = frame.empty() ? "dialog_rect" : frame;
  const int large = frameName == "dialog_largerect" ? 1 : 0;
  auto dialog = TDialogOK::Create(text, LoadFrame("dialogs/" + frameName + ".png"), style.Width, 0, 0);
  StyleDialog(*dialog, style, header, large, 2 * large);
  // The trophy room's and the shop's pictures come with those screens; until a picture is in the
  // data folder the dialog shows its text alone.
  if (!image.empty() && ccFileExists(image)) dialog->Picture = TGameImage::Create(image, -1, 1);
  if (!image2.empty() && ccFileExists(image2)) dialog->Picture2 = TGameImage::Create(image2, -1, 1);
  // The frame grows (at most to the screen's height less a margin) until the band below the text
  // and beside the OK button is tall enough for each picture at its own size.
  dialog->MenuPosition();
  int rows = 0;
  if (dialog->Picture)
    rows = std::max(rows, PictureRowsShort(*dialog, *dialog->Picture, dialog->x + x, scale));
  if (dialog->Picture2)
    rows = std::max(rows, PictureRowsShort(*dialog, *dialog->Picture2, dialog->x + x2, scale));
  const int extra = GrowDialogFor(*dialog, rows);
  // The pictures' places are given from the frame's top-left corner as drawn at its own height:
  // they keep their distance from its bottom.
  if (dialog->Picture) {
    dialog->PictureX = dialog->x + x;
    dialog->PictureY = dialog->y + y + extra;
    dialog->PictureScale = scale;
  }
  if (dialog->Picture2) {
    dialog->Picture2X = dialog->x + x2;
    dialog->Picture2Y = dialog->y + y2 + extra;
    dialog->Picture2Scale = scale;
  }
  if (sounds) {
    dialog->SlideInSound = sounds->Find("Dialog_slidein");
    dialog->SlideOutSound = sounds->Find("Dialog_slideout");
  }
  dialog->Slide = 5;
  dialog->SlideExtra = 50;
  OpenDialog(*dialog, style);
  // Where a picture would still reach past the frame's panel (over the rim, or off the frame),
  // over the text or over a button, it moves in (and is drawn smaller where the room left is too
  // small for it).
  if (dialog->Picture)
    KeepPictureInPanel(*dialog, *dialog->Picture, dialog->PictureX, dialog->PictureY,
                       dialog->PictureScale);
  if (dialog->Picture2)
    KeepPictureInPanel(*dialog, *dialog->Picture2, dialog->Picture2X, dialog->Picture2Y,
                       dialog->Picture2Scale);
  return dialog;
}

int TopScoreDialog() {
  GameScreen->TopScore = 0;
  std::string text = GameText ? GameText->FindString("Top Score") : std::string();
  if (const auto at = text.find("XX"); at != std::string::npos) {
    text.replace(at, 2, GetCurrencyChar() + "500");
  }
  GivePrize(500);
  auto dialog = CourseUnlockedDialog(text, "new_record", Game->ImagePath + "dialogs/newspaper.png",
                                     48, 224, "", 0, 0, "");
  if (sounds) dialog->ActivateSound = sounds->Find("dialog_new_record");
  dialog->PictureShadow = TShadow::Create(4, 4, 0.5f);
  GameScreen->UnlockedDialog = dialog;
  return 0;
}

std::shared_ptr<TDialogOK> MakePopUpTipDialog(const std::string& text) {
  const auto& style = DialogStyle(TDialogKind::PopUpTip);
  auto dialog = BuildOK(style, text, style.Frame, style.Header);
  OpenDialog(*dialog, style);
  return dialog;
}

int OKButtonCreate(const std::shared_ptr<TMenu>& menu) {
  if (!menu) return 0;
  menu->AddNew("OK", "OKMO", "", 0, 0, 1);
  if (auto ok = menu->FindButton("OK")) {
    ok->OKButton = 1;
    ok->CentreX(ScreenHeight - ok->h - 15);
  }
  return 0;
}

void StyleOKButton(TButton& ok) {
  ok.SetFixedGlowOnMO(0.5f, 0.02f, 0);
  ok.LoadMouseClick("OK_down", 350);
}

std::shared_ptr<TButton> AddStandardOKButton(const std::shared_ptr<TMenu>& menu) {
  OKButtonCreate(menu);
  auto ok = menu ? menu->FindButton("OK") : nullptr;
  if (ok) StyleOKButton(*ok);
  return ok;
}

void StyleScoreCardDialog(TDialogOK& dialog) {
  dialog.Border = 50;
  dialog.DrawHighlight = 0;
  dialog.SetupCaption(nullptr, TColor::Create(255, 255, 204, 1.0f), TShadow::Create(2, 2, 0.6f), HintFont);
  dialog.CaptionOX = dialog.CaptionGetCentredX();
  dialog.CaptionOY = dialog.y + 83;
  dialog.Menu->ChangeShadow(0, 0, 0, 0);
  dialog.MenuOX = dialog.MenuGetCentredX();
  dialog.MenuOY = dialog.y + 236;
  if (auto ok = dialog.Menu->FindButton("OK")) StyleOKButton(*ok);
}
