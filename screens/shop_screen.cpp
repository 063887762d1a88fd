#include "screens/shop_screen.h"

#include <cmath>

#include "content/globals.h"
#include "core/fixed_rate_logic.h"
#include "core/game.h"
#include "core/game_fade.h"
#include "core/globals.h"
#include "core/loading_screen.h"
#include "gfx/bitmap_font.h"
#include "gfx/channel_array.h"
#include "gfx/game_text.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/sound_bank.h"
#include "play/game_screen.h"
#include "platform/graphics.h"
#include "progress/avatar.h"
#include "progress/currency.h"
#include "progress/globals.h"
#include "progress/player.h"
#include "progress/save_data.h"
#include "screens/globals.h"
#include "screens/room_screen.h"
#include "screens/level_select_screen.h"
#include "screens/title_screen.h"
#include "ui/button.h"
#include "ui/menu.h"
#include "ui/mouse_pointer.h"
#include "ui/profile.h"
#include "util/animation.h"
#include "util/globals.h"
#include "util/input.h"
#include "util/maths.h"
#include "util/strings.h"
#include "util/text_draw.h"
#include "util/word_wrap.h"

namespace {

void Play(const std::shared_ptr<TGameSound>& sound) {
  if (sound && Game->Channels) Game->Channels->PlayGameSound(sound, nullptr, 1.0f, 0.0f);
}

TSaveData& Save() { return *GameScreen->Player->SaveData; }

int Cash() { return Game->CurrentProfile ? Game->CurrentProfile->Score : 0; }

}  // namespace

TShopScreen::TShopScreen() { name = "shop"; }

int TShopScreen::SlotX(int position) {
  const int column = position % 4;
  return 389 + 111 * column + (column == 3 ? 1 : 0);
}

int TShopScreen::SlotY(int position) { return 168 + 84 * (position / 4); }

int TShopScreen::SellPrice(int id) { return ccRound(static_cast<float>(Prices[id] * 0.75f)); }

bool TShopScreen::Owned(int id) const { return Save().AvatarItems[id] != 0; }

std::vector<std::string> TShopScreen::WrapDescription(const std::vector<std::string>& lines, int width,
                                                      int left, const std::shared_ptr<TBitmapFont>& font) {
  // A text of three or more paragraphs can never fit two lines; the widening stops at the screen
  // edge instead of looping for ever.
  const int widest = std::max(width, ScreenWidth - left);
  auto wrapped = ccWordWrapArray(lines, width, font);
  while (wrapped.size() > 2 && width + 5 <= widest) {
    width += 5;
    wrapped = ccWordWrapArray(lines, width, font);
  }
  return wrapped;
}

int TShopScreen::Load() {
  name = "shop";
  Game->LoadingScreen->DrawLoading(1);
  Game->MusicLoad("golf shop.ogg", 1);
  ImageLoad("shop/background.jpg", 0);
  HeaderLoad("shop/shop_sign", static_cast<float>(ScreenWidth / 2 + 156), 83.0f);
  Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 0);
  const float press = Game->CalcAnimLength(350);
  auto leave = Menu->AddQuickAuto("leave_shop", "");
  leave->x = 50;
  leave->y = 566;
  leave->OKButton = 1;
  auto buy = Menu->AddQuickAuto("buy", "");
  buy->x = 645;
  buy->y = 535;
  buy->Disabled = 1;
  buy->ClickDisabled = 0;
  auto sell = Menu->AddQuickAuto("sell", "");
  sell->x = 645;
  sell->y = 535;
  sell->Active = 0;
  for (auto& b : {leave, buy, sell}) {
    b->MouseClickDuration = press;
    b->SetFixedGlowOnMO(0.5f, 0.02f, 0);
  }
  Intro = TAnimation::Create(300, 1, 0, 0);
  Intro->Start();
  Slide = TAnimation::Create(100, 1, 0, 0);

  CashFont = std::make_shared<TGameImage>();
  CashFont->LoadAnim(Game->ImagePath + "fonts/score_sign_numbers_small_beige.png", 14, 20, 0, 17, -1, 0);
  ItemFont = HintHeaderFont;
  DescriptionFont = HintFont;
  StatsFont = TBitmapFont::Create(Game->DataPrefix + "Data/fonts/Voodoo20", -1);
  StatsFont->CharGap = 1.0;
  PriceFontBlack = std::make_shared<TGameImage>();
  PriceFontBlack->LoadAnim(Game->ImagePath + "fonts/price_font_black.png", 14, 20, 0, 14, -1, 0);
  PriceFontRed = std::make_shared<TGameImage>();
  PriceFontRed->LoadAnim(Game->ImagePath + "fonts/price_font_red.png", 14, 20, 0, 14, -1, 0);

  const TSaveData& save = Save();
  const std::string rankKey = "Rank" + std::to_string(save.Rank);
  Rank = StatsFont->TruncateString(GameText->FindString(rankKey), 162);
  PlayerName = StatsFont->TruncateString(Game->CurrentProfile ? Game->CurrentProfile->Name : "", 162);
  const std::string sex = save.Male != 0 ? "male" : "female";
  for (int i = 0; i < ITEMS; ++i)
    Items[i] = TGameImage::Create(Game->ImagePath + "Shop/" + sex + "Item" + std::to_string(i) + ".png", -1, 1);

  struct Fixed {
    std::shared_ptr<TGameImage>* field;
    const char* file;
    int centred;
  };
  const Fixed fixed[] = {
      {&LabelFittingRoom, "shop/fitting_room_label.png", 1}, {&LabelPlayer, "shop/player.png", 0},
      {&LabelRank, "shop/rank.png", 0}, {&LabelCash, "shop/cash.png", 0},
      {&TillTop, "shop/checkout_counter.png", 0}, {&PriceBackground, "shop/cash_total_bg.png", 0},
      {&PriceCard, "shop/cash_total.png", 0}, {&Curtains, "shop/curtains.png", 0},
      {&FittingRoomSign, "shop/Fitting_Room_Sign.png", 1}, {&LockedPane, "Shop/locked_box.png", 1},
      {&SoldOutPane, "Shop/sold_out_bg.png", 1}, {&SoldOutText, "Shop/sold_out.png", 1},
      {&GlowingPane, "Shop/item_over.png", 1}, {&GlowingPane2, "Shop/item_over_dark.png", 1},
  };
  for (const auto& f : fixed) *f.field = TGameImage::Create(Game->ImagePath + f.file, -1, f.centred);

  // Bank sounds: a missing one stops with the bank's message rather than a silent null.
  SoundEntrance = sounds->Find("ShopEntrance");
  SoundInvalid = sounds->Find("golfshop_invalid");
  SoundBuy = sounds->Find("golfshop_buy");
  SoundItem = sounds->Find("golfshop_item");
  for (int i = 0; i < MAX_AMBIENCE; ++i)
    Ambience[i] = TGameSound::Create(Game->SoundPath + "shop/" + std::to_string(i) + ".ogg", 0);
  CurrentItem = -1;
  for (int i = 0; i < ITEMS; ++i) {
    const std::string key = (save.Male != 0 ? "MaleItem" : "FemaleItem") + std::to_string(i);
    ItemNames[i] = GameText->FindString(key);
  }
  Avatar = std::make_shared<TAvatar>();
  Avatar->Load();
  CannotAfford = GameText->FindString("Cannot Afford Item");
  Game->FadeMusic = 0;
  return 0;
}

int TShopScreen::Start() {
  StartRoom(*this, [this] { Play(SoundEntrance); });
  SoundCounterMax = static_cast<int>(Game->CalcAnimLength(1000));
  SoundCounter = 5.0f * SoundCounterMax;
  return 0;
}

int TShopScreen::PositionAt(float x, float y) const {
  const float w2 = LockedPane ? LockedPane->w2 : 0, h2 = LockedPane ? LockedPane->h2 : 0;
  const int paneW = LockedPane ? LockedPane->w : 0;
  const int dx = static_cast<int>(x - GridX + w2);
  const int dy = static_cast<int>(y - GridY + h2);
  if (x - GridX + w2 < 0 || y - GridY + h2 < 0) return -1;
  const int column = dx / ColWidth, row = dy / RowHeight;
  if (column < 4 && row < 3 && dx < column * ColWidth + paneW) return column + row * 4;
  return -1;
}

int TShopScreen::Logic() {
  TScreen::Logic();
  Intro->Manage();
  Slide->Manage();
  if (Game->Mouse->GetMh(1)) {
    const int position = PositionAt(static_cast<float>(Game->Mouse->x), static_cast<float>(Game->Mouse->y));
    if (position >= 0) SelectItem(position);
  }
  SoundCounter -= Delta;
  if (SoundCounter <= 0) {
    SoundCounter += SoundCounterMax;
    if (EffectsRandom.Rand(1, 100) <= 15) Play(Ambience[EffectsRandom.Rand(0, MAX_AMBIENCE - 1)]);
  }
  if (Menu->Clicked("leave_shop")) LeaveShop();
  if (EscapePressesButton(*Menu, "leave_shop")) LeaveShop();
  if (Menu->Clicked("buy")) BuyItem();
  if (Menu->Clicked("sell")) SellItem();
  return 0;
}

int TShopScreen::SelectItem(int position) {
  if (position < 0 || position >= ITEMS) return 0;
  const int id = TAvatar::ItemUnlockOrder[position];
  if (position > Save().AvatarItemUnlocked) {
    Play(SoundInvalid);
    return 0;
  }
  if (id == CurrentItem) return 0;
  auto buy = Menu->FindButton("buy");
  auto sell = Menu->FindButton("sell");
  Play(SoundItem);
  if (Owned(id)) {
    if (auto leave = Menu->FindButton("leave_shop")) leave->PlayClick();
    sell->Active = 1;
    buy->Active = 0;
  } else {
    sell->Active = 0;
    buy->Active = 1;
    buy->Disabled = Prices[id] > Cash() ? 1 : 0;
  }
  CurrentItem = id;
  SetItemDetails();
  return 0;
}

int TShopScreen::SetItemDetails() {
  if (CurrentItem < 0) return 0;
  CurrentDescriptionX = DefaultDescriptionX;
  NameFontScale = DescriptionFontScale;
  int extra = 0;
  if (ItemFont) {
    const double fullWidth = ItemFont->StringWidth(ItemNames[CurrentItem]);
    // A name too long for the card is drawn smaller rather than out over the card's edge.
    if (fullWidth * DescriptionFontScale > NameMaxWidth() && fullWidth > 0)
      NameFontScale = NameMaxWidth() / fullWidth;
    const int nameWidth = static_cast<int>(fullWidth * NameFontScale);
    if (nameWidth > DescriptionWidth) {
      extra = nameWidth - DescriptionWidth;
      CurrentDescriptionX -= extra / 2;
    }
  }
  const std::string key = "ItemDescription" + std::to_string(CurrentItem);
  const auto lines = ccSplitStringIntoLines(GameText->FindString(key));
  ItemDescription = WrapDescription(lines, DescriptionWidth + extra, CurrentDescriptionX, DescriptionFont);
  Slide->Reset();
  return 0;
}

int TShopScreen::BuyItem() {
  if (CurrentItem < 0) return 0;
  Play(SoundBuy);
  Save().AvatarItems[CurrentItem] = 1;
  auto& cash = Game->CurrentProfile->Score;
  cash = std::max(0, ccSaturatingAdd(cash, -Prices[CurrentItem]));
  CurrentItem = -1;
  Menu->FindButton("buy")->Disabled = 1;
  return 0;
}

int TShopScreen::SellItem() {
  if (CurrentItem < 0) return 0;
  Play(SoundBuy);
  Save().AvatarItems[CurrentItem] = 0;
  auto& cash = Game->CurrentProfile->Score;
  cash = ccSaturatingAdd(cash, SellPrice(CurrentItem));
  CurrentItem = -1;
  Menu->FindButton("sell")->Active = 0;
  auto buy = Menu->FindButton("buy");
  buy->Active = 1;
  buy->Disabled = 1;
  return 0;
}

int TShopScreen::LeaveShop() {
  // A failed write has already shown its message naming the file; the purchases stay in memory
  // and the player leaves as usual.
  GameScreen->Player->ProfileWrite(Game->CurrentProfile.get());
  FadeOutTo(Destination);
  if (Destination && Destination == std::static_pointer_cast<TScreen>(LevelSelectScreen)) GameScreen->GameStart();
  return 0;
}

void TShopScreen::DrawPrice(int amount, const std::shared_ptr<TGameImage>& font, int cardY) const {
  const std::string digits = std::to_string(amount);
  const int step = font->w - 4;
  const int x0 = 681 - (step * (static_cast<int>(digits.size()) + 1)) / 2;
  const float y = static_cast<float>(cardY + 7);
  platform::DrawImage(font->image, static_cast<float>(x0), y, GetCurrencySymbol(1));
  ccDrawNumbers(digits, static_cast<float>(x0 + step), y, font->image, static_cast<float>(step), 0, 1);
}

int TShopScreen::Draw() {
  if (Header) Header->y = -Header->h / 2.0f + Intro->GetRatioInv() * Header->h;
  TScreen::Draw();
  platform::SetBlend(platform::BLEND_ALPHA);
  platform::DrawImage(LabelPlayer->image, 10, 47);
  if (StatsFont) StatsFont->Draw(PlayerName, 88, 50, 0, 0, 1, 1, 0);
  platform::DrawImage(LabelRank->image, 10, 72);
  if (StatsFont) StatsFont->Draw(Rank, 88, 75, 0, 0, 1, 1, 0);
  platform::DrawImage(LabelCash->image, 10, 97);
  platform::DrawImage(CashFont->image, 85, 101, GetCurrencySymbol(0));
  // Digit strips hold digits only: a damaged negative cash shows as 0.
  const int step = CashFont->w - 2;
  ccDrawNumbers(std::to_string(std::max(0, Cash())), static_cast<float>(85 + step), 101, CashFont->image,
                static_cast<float>(step), 0, 1);

  const TSaveData& save = Save();
  for (int p = 0; p < ITEMS; ++p) {
    const float x = static_cast<float>(SlotX(p)), y = static_cast<float>(SlotY(p));
    const int id = TAvatar::ItemUnlockOrder[p];
    if (p > save.AvatarItemUnlocked) {
      platform::DrawImage(LockedPane->image, x, y);
    } else if (Owned(id)) {
      platform::DrawImage((id == CurrentItem ? GlowingPane2 : SoldOutPane)->image, x, y);
      const int shade = id == CurrentItem ? 220 : 180;
      platform::SetColor(shade, shade, shade);
      if (Items[id]) platform::DrawImage(Items[id]->image, x, y);
      platform::SetColor(255, 255, 255);
      platform::DrawImage(SoldOutText->image, x, y);
    } else {
      if (id == CurrentItem) platform::DrawImage(GlowingPane->image, x, y);
      if (Items[id]) platform::DrawImage(Items[id]->image, x, y);
    }
  }
  if (Avatar) Avatar->Draw(44, 214);
  platform::DrawImage(Curtains->image, 13, 163);
  platform::DrawImage(FittingRoomSign->image, 116, 154);
  platform::DrawImage(LabelFittingRoom->image, 116, 152);
  platform::DrawImage(PriceBackground->image, 634, 414);

  auto buy = Menu->FindButton("buy");
  auto sell = Menu->FindButton("sell");
  const bool cannotAfford = CurrentItem >= 0 && buy && buy->Active && Prices[CurrentItem] > Cash();
  if (CurrentItem >= 0) {
    const int cardY = static_cast<int>(414 + 30 * Slide->GetRatio());
    platform::DrawImage(PriceCard->image, 644, static_cast<float>(cardY));
    const int amount = sell && sell->Active ? SellPrice(CurrentItem) : Prices[CurrentItem];
    DrawPrice(amount, cannotAfford ? PriceFontRed : PriceFontBlack, cardY);
  }
  platform::DrawImage(TillTop->image, 619, 377);
  if (CurrentItem >= 0) {
    if (Items[CurrentItem]) {
      // The shelf's picture, smaller at the till, so that it stays on the card and clear of the
      // name below it.
      platform::SetScale(TILL_PICTURE_SCALE, TILL_PICTURE_SCALE);
      platform::DrawImage(Items[CurrentItem]->image, TILL_PICTURE_X, TILL_PICTURE_Y);
      platform::SetScale(1, 1);
    }
    if (ItemFont) {
      ItemFont->ScaleFactor = NameFontScale;
      ItemFont->Draw(ItemNames[CurrentItem], CurrentDescriptionX, NAME_Y, 0, 0, 1, 1, 0);
      const double h = ItemFont->StringHeight("ABCXYZ");
      ItemFont->ScaleFactor = 1.0;
      int y = static_cast<int>(NAME_Y + h + 8);
      if (DescriptionFont) {
        const int lineHeight = static_cast<int>(DescriptionFont->StringHeight("ABCXYZ"));
        platform::SetColor(69, 76, 24);
        for (const auto& line : ItemDescription) {
          DescriptionFont->Draw(line, CurrentDescriptionX, y, 0, 0, 1, 1, 0);
          y += lineHeight;
        }
        if (cannotAfford) {
          platform::SetColor(255, 50, 50);
          ccShadowTextSet(1, 1, 0.6f);
          DescriptionFont->DrawAlignedWithShadow(CannotAfford, 462, 534, 1, 1, 0);
        }
      }
    }
    platform::SetColor(255, 255, 255);
  }
  return 0;
}

int TShopScreen::Kill() {
  TScreen::Kill();
  Intro.reset();
  Slide.reset();
  CashFont.reset();
  ItemFont.reset();
  DescriptionFont.reset();
  if (StatsFont) StatsFont->Kill();
  StatsFont.reset();
  PriceFontBlack.reset();
  PriceFontRed.reset();
  for (auto& item : Items) item.reset();
  for (auto* f : {&LabelFittingRoom, &LabelPlayer, &LabelRank, &LabelCash, &TillTop, &PriceBackground,
                  &PriceCard, &Curtains, &FittingRoomSign, &LockedPane, &SoldOutPane, &SoldOutText,
                  &GlowingPane, &GlowingPane2})
    f->reset();
  SoundEntrance.reset();
  SoundInvalid.reset();
  SoundBuy.reset();
  SoundItem.reset();
  for (auto& a : Ambience) a.reset();
  if (Avatar) Avatar->Kill();
  return 0;
}

int TShopScreen::SetEscDestination() {
  Game->DestinationTScreen = TitleScreen;
  return 0;
}
