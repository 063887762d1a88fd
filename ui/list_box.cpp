#include "ui/list_box.h"

#include <cmath>

#include "core/game.h"
#include "core/globals.h"
#include "gfx/bitmap_font.h"
#include "gfx/channel_array.h"
#include "gfx/font.h"
#include "gfx/shadow.h"
#include "gfx/sound_bank.h"
#include "platform/graphics.h"
#include "ui/mouse_pointer.h"
#include "ui/scroll_bar.h"
#include "util/globals.h"
#include "util/input.h"
#include "util/strings.h"
#include "util/text_draw.h"
#include "util/types.h"

TListBox::TListBox() = default;
TListBox::~TListBox() = default;

std::shared_ptr<TListBox> TListBox::Create(int border, int gap, int centred, int drawBox,
                                           int doubleClickMs) {
  auto box = std::make_shared<TListBox>();
  box->Init(border, gap, centred, drawBox);
  box->Font = TFont::Create(nullptr, TColor::Create(255, 255, 255, 1.0f), nullptr, 0, nullptr, nullptr);
  box->Box = TBox::Create(0, 0, 0, 0, TColor::Create(0, 0, 0, 1.0f));
  box->HighlightCol = TColor::Create(0, 0, 150, 1.0f);
  box->Strings = std::make_shared<std::vector<std::string>>();
  box->DoubleClickTime = Game->CalcAnimLength(doubleClickMs);
  if (!Game->Channels) box->ClickChannel = platform::AllocChannel();
  return box;
}

int TListBox::Init(int /*border*/, int gap, int centred, int drawBox) {
  Gap = gap;
  Centred = centred;
  DrawBox = drawBox;
  return 0;
}

int TListBox::SetupFont(const std::shared_ptr<ccImageFont>& imageFont,
                        const std::shared_ptr<TColor>& color, const std::shared_ptr<TShadow>& shadow,
                        const std::shared_ptr<TBitmapFont>& bitmapFont,
                        const std::shared_ptr<TColor>& inverseColor) {
  Font->Init(imageFont, color, shadow, 0, bitmapFont, inverseColor);
  return CalcLineHeight();
}

int TListBox::SetCoords(float x, float y, float w, float h) {
  Box->X = x;
  Box->Y = y;
  Box->W = w;
  Box->H = h;
  return 0;
}

int TListBox::SetupBox(const std::shared_ptr<TColor>& color) {
  Box->Color = color;
  return 0;
}

int TListBox::CalcLineHeight() {
  LineHeight = static_cast<int>(Font->H + static_cast<float>(2 * Gap));
  // A line height of 0 (no font measured yet) would divide by zero below.
  if (LineHeight <= 0) {
    DisplayLines = 0;
    return 0;
  }
  if (RoundHeight != 0) {
    Box->H = std::floor(Box->H / static_cast<float>(LineHeight)) * static_cast<float>(LineHeight);
  }
  DisplayLines = static_cast<int>(Box->H / static_cast<float>(LineHeight));
  return 0;
}

int TListBox::ClearIndex() {
  Index = -1;
  Clicked = -1;
  Value.clear();
  return 0;
}

int TListBox::GetIndexY() {
  if (Index == -1) return 0;
  return static_cast<int>(Box->Y + static_cast<float>(Index - TopIndex) *
                                       static_cast<float>(LineHeight) * Scale);
}

int TListBox::Count() const { return Strings ? static_cast<int>(Strings->size()) : 0; }

int TListBox::GetTempLimit() {
  if (Limit != 0 && TopIndex + Limit <= Count()) return TopIndex + Limit;
  return Count();
}

int TListBox::SetIndex(int index) {
  // Anything but -1 or a listed row selects nothing, so Index always names a real row.
  if (index < -1 || index >= Count()) index = -1;
  Index = index;
  if (Index == -1) {
    Value.clear();
    return 0;
  }
  Value = (*Strings)[static_cast<std::size_t>(Index)];
  if (Index < TopIndex) TopIndex = Index;
  if (Limit > 0 && TopIndex < Index - (Limit - 1)) TopIndex = Index - (Limit - 1);
  if (ScrollBar) {
    ScrollBar->SliderSetPosition(TopIndex);
    ScrollBar->ValueCalc();
    ScrollBar->DisableButtons();
  }
  return 0;
}

int TListBox::SetTopIndex(int top) {
  TopIndex = top < 0 ? 0 : top;
  if (TopIndex + Limit > Count() - 1) TopIndex = Count() - Limit;
  // A list shorter than its limit would give a negative first row.
  if (TopIndex < 0) TopIndex = 0;
  return 0;
}

int TListBox::Manage() {
  if (ScrollBar) {
    ScrollBar->Manage();
    TopIndex = ScrollBar->Value;
  }
  if (Game->Mouse->GetMh(1) != 0) {
    const auto mx = static_cast<float>(Game->Mouse->x);
    const auto my = static_cast<float>(Game->Mouse->y);
    const float rowHeight = static_cast<float>(LineHeight) * Scale;
    const int end = GetTempLimit();
    for (int row = TopIndex; row < end; ++row) {
      const auto r = static_cast<float>(row - TopIndex);
      const bool on = Box->X <= mx && mx < Box->X + Box->W * Scale && Box->Y + r * rowHeight < my &&
                      my < Box->Y + (r + 1.0f) * rowHeight;
      if (!on) continue;
      if (DoubleClickCounter > 0 && row == Index) {
        DoubleClicked = row;
      } else {
        PlayClick();
      }
      SetIndex(row);
      DoubleClickCounter = DoubleClicked == -1 ? DoubleClickTime : 0.0f;
      break;
    }
  }
  if (ArrowKeysMoveHighlight != 0) {
    if (KeyHit(KEY_UP) != 0 && Index > 0) {
      PlayClick();
      SetIndex(Index - 1);
    }
    if (KeyHit(KEY_DOWN) != 0 && Index < Count() - 1) {
      PlayClick();
      SetIndex(Index + 1);
    }
  }
  if (DoubleClickCounter > 0) DoubleClickCounter -= 1.0f * Delta;
  return 0;
}

int TListBox::PlayClick() {
  if (!ClickSound) return 0;
  if (Game->Channels) {
    Game->Channels->PlayGameSound(ClickSound, nullptr, 1.0f, 0.0f);
  } else {
    ClickSound->PlayInChannel(ClickChannel, 0.0f);
  }
  return 0;
}

int TListBox::Draw() {
  if (DrawBox != 0) Box->Draw();
  float x;
  int align;
  if (Centred != 0) {
    x = Box->X + Box->W / 2.0f * Scale;
    align = 1;
  } else {
    x = Box->X + static_cast<float>(TextBorder) * Scale;
    align = 0;
  }
  float y = Box->Y + static_cast<float>(Gap + LineYOffset) * Scale;
  if (HighlightUnder != 0) DrawHighlight();
  Font->Apply();
  const auto& bitmapFont = Font->BitmapFont;
  if (bitmapFont) {
    bitmapFont->ScaleFactor = Scale;
  } else {
    platform::SetScale(Scale, Scale);
  }
  const int round = Scale == 1.0f ? 1 : 0;
  const int end = GetTempLimit();
  for (int row = TopIndex; row < end; ++row) {
    const std::string& text = (*Strings)[static_cast<std::size_t>(row)];
    const bool selected = row == Index;
    bool locked = false;
    if (selected && Font->InverseColor) {
      Font->InverseColor->Apply();
    } else if (!selected && !LockedArray.empty() && row < static_cast<int>(LockedArray.size()) &&
               LockedArray[static_cast<std::size_t>(row)] != 0 && LockedColor) {
      LockedColor->Apply();
      locked = true;
    }
    const float alpha = locked ? LockedColor->Alpha : (Font->Color ? Font->Color->Alpha : 1.0f);
    const bool shadowed = Font->Shadow && !(NoShadowOnHighlighted == 1 && selected);
    if (shadowed) {
      Font->Shadow->ApplyToText();
      ccTextAlpha = alpha;
    } else {
      platform::SetAlpha(alpha);
    }
    if (bitmapFont) {
      // A row too wide for the box between its borders (the selected row: for the room left of its
      // end mark) is drawn smaller, so that it never runs past the box's edge or under the mark;
      // its line keeps the full height.
      bitmapFont->ScaleFactor = 1.0;
      const double room = selected && SelectedRowEnd > 0 && Centred == 0
                              ? static_cast<double>(SelectedRowEnd - TextBorder)
                              : static_cast<double>(Box->W) - 2.0 * TextBorder;
      const double width = bitmapFont->StringWidth(text);
      const double fit = room > 0 && width > room ? room / width : 1.0;
      bitmapFont->ScaleFactor = Scale * fit;
      const int rowRound = fit == 1.0 ? round : 0;
      const float rowY = y + static_cast<float>((1.0 - fit) * bitmapFont->StringHeight("ABCXYZ") / 2.0);
      if (shadowed) {
        bitmapFont->DrawAlignedWithShadow(text, x, rowY, align, rowRound, rowRound);
      } else {
        bitmapFont->DrawAligned(text, x, rowY, align, rowRound, rowRound, 0);
      }
      bitmapFont->ScaleFactor = 1.0;
      const float height = static_cast<float>(ccRound(bitmapFont->StringHeight("ABCXYZ")));
      bitmapFont->ScaleFactor = Scale;
      y += (height + static_cast<float>(2 * Gap)) * Scale;
    } else {
      ccDrawTextAligned(text, x, y, shadowed ? 1 : 0, align, 1);
      y += (static_cast<float>(ccTextHeight(text)) + static_cast<float>(2 * Gap)) * Scale;
    }
    if (selected || locked) {
      if (Font->Color) Font->Color->Apply();
    }
  }
  if (bitmapFont) {
    bitmapFont->ScaleFactor = 1.0;
  } else {
    platform::SetScale(1.0f, 1.0f);
  }
  if (Font->Color) Font->Color->Restore();
  if (HighlightUnder == 0) DrawHighlight();
  if (ScrollBar) ScrollBar->Draw();
  return 0;
}

int TListBox::DrawHighlight() {
  if (Index == -1 || Index < TopIndex || Index >= GetTempLimit()) return 0;
  HighlightCol->Apply();
  platform::DrawRect(Box->X, Box->Y + static_cast<float>(Index - TopIndex) * static_cast<float>(LineHeight) * Scale,
                     Box->W * Scale, static_cast<float>(LineHeight) * Scale);
  HighlightCol->Restore();
  return 0;
}

int TListBox::Kill() {
  if (Box) Box->Kill();
  if (Font) Font->Kill();
  if (Strings) Strings->clear();
  Strings.reset();
  HighlightCol.reset();
  if (!Game->Channels && ClickChannel) ClickChannel->Stop();
  ClickChannel.reset();
  return 0;
}
