#pragma once
// The golf shop: the twelve avatar items on a shelf of three rows of four in a fixed order, each
// locked, for sale or sold; buying at its price and selling back at three quarters; a fitting
// room where the player's avatar wears what is owned; the selected item's price card, picture,
// name and description at the till. Reached from the title screen or the course selector (each
// sets Destination); leaving writes the profile and fades back there.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/screen.h"

class TAnimation;
class TBitmapFont;
class TGameImage;
class TGameSound;

class TShopScreen : public TScreen {
 public:
  static constexpr int ITEMS = 12;
  static constexpr int MAX_AMBIENCE = 5;
  // Price of each avatar item (0..11) in the game's cash.
  static constexpr std::array<int, ITEMS> Prices = {5000, 20000, 20000, 30000, 30000, 35000, 35000, 40000, 30000, 30000, 25000, 15000};
  // Item names by avatar item id for the current player's sex, filled when the shop loads.
  static inline std::array<std::string, ITEMS> ItemNames{};

  TShopScreen();

  std::shared_ptr<TAnimation> Intro;  // 300 ms: the sign drops in
  std::shared_ptr<TAnimation> Slide;  // 100 ms: the price card rises
  std::string PlayerName, Rank;       // cut to 162 px in StatsFont
  int CurrentItem = -1;               // selected avatar item id, -1 none
  std::shared_ptr<TGameImage> LabelFittingRoom, LabelPlayer, LabelRank, LabelCash, TillTop,
      PriceBackground, PriceCard, Curtains, FittingRoomSign;
  std::array<std::shared_ptr<TGameImage>, ITEMS> Items;
  std::shared_ptr<TGameImage> LockedPane, SoldOutPane, SoldOutText, GlowingPane, GlowingPane2;
  std::shared_ptr<TGameImage> CashFont;
  std::shared_ptr<TBitmapFont> ItemFont, DescriptionFont;  // borrowed shared fonts
  std::shared_ptr<TBitmapFont> StatsFont;                  // the shop's own "Voodoo20"
  std::shared_ptr<TGameImage> PriceFontBlack, PriceFontRed;
  int GridX = 389, GridY = 168;        // centre of the first slot
  int ColWidth = 111, RowHeight = 84;  // slot pitch
  std::shared_ptr<TGameSound> SoundEntrance, SoundInvalid, SoundBuy, SoundItem;
  std::array<std::shared_ptr<TGameSound>, MAX_AMBIENCE> Ambience;
  float SoundCounter = 0;    // logic ticks to the next ambience roll
  int SoundCounterMax = 0;   // ticks between rolls
  std::vector<std::string> ItemDescription;  // the selected item's wrapped lines
  int DescriptionWidth = 192;
  int DefaultDescriptionX = 369;
  int CurrentDescriptionX = 0;
  double DescriptionFontScale = 0.666666f;
  // Scale the selected item's name is drawn at: DescriptionFontScale, or less for a name that
  // would otherwise reach past the card's text margin (set with the details).
  double NameFontScale = 0.666666f;
  std::string CannotAfford;
  // The till's description card: its text stays inside CARD_TEXT_LEFT..CARD_TEXT_RIGHT, and the
  // item's picture, drawn at TILL_PICTURE_SCALE about its place, keeps above the name's line and
  // inside the card.
  static constexpr int CARD_TEXT_LEFT = 356, CARD_TEXT_RIGHT = 590;
  static constexpr float TILL_PICTURE_SCALE = 0.5f;
  static constexpr int TILL_PICTURE_X = 560, TILL_PICTURE_Y = 444;
  static constexpr int NAME_Y = 465;
  // The widest name at DescriptionFontScale: the block widens by a name's overflow and moves left
  // by half of it, so its left edge reaches CARD_TEXT_LEFT at this width.
  int NameMaxWidth() const { return DescriptionWidth + 2 * (DefaultDescriptionX - CARD_TEXT_LEFT); }

  int Load() override;
  int Start() override;
  int Kill() override;
  int Logic() override;
  int Draw() override;
  // Esc is read by Logic; were the framework to ask, the way out is the title screen.
  int SetEscDestination() override;
  // A click on shop position 0..11.
  virtual int SelectItem(int position);
  // Measures and wraps the selected item's name and description; the price card rises again.
  virtual int SetItemDetails();
  virtual int BuyItem();
  virtual int SellItem();
  // Writes the profile (cash and items) and fades back to Destination.
  virtual int LeaveShop();

  // The shop position under the point, or -1: a slot answers across one pane's width and the
  // whole row pitch from its pane's top edge.
  int PositionAt(float x, float y) const;
  // Three quarters of the price, rounded half up.
  static int SellPrice(int id);
  // The slot centre of a shop position (the fourth column stands a pixel further right).
  static int SlotX(int position);
  static int SlotY(int position);
  // Wraps `lines` in `font` to `width` (192 plus a long name's overflow), widening by 5 px until
  // they fit two lines, but never past the screen's right edge from `left`.
  static std::vector<std::string> WrapDescription(const std::vector<std::string>& lines, int width,
                                                  int left, const std::shared_ptr<TBitmapFont>& font);

 private:
  bool Owned(int id) const;
  void DrawPrice(int amount, const std::shared_ptr<TGameImage>& font, int cardY) const;
};
