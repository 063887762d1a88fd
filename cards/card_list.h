#pragma once
// The cards of the hole being played, in drawing order (first drawn first), with the rules that
// work on all of them at once: covering and uncovering, free and playable cards, the glow that
// points them out, the stock's order, fan and top card, the reveal at the start of a hole, and
// sorting by ZOrder.

#include <memory>
#include <vector>

#include "cards/card.h"

class TCardList;
using TCardListRef = std::shared_ptr<TCardList>;

class TCardList {
 public:
  // The next free card ID for cards made during a hole (the deal numbers from 100 upward).
  static inline int HighID = 100;
  // Horizontal step of the stock fan, pixels, for at most STOCKSPREAD_STEPS steps.
  static constexpr int STOCKSPREAD_STEPS = 10;

  TCardList() = default;
  TCardList(const TCardList&) = delete;
  TCardList& operator=(const TCardList&) = delete;

  // The list itself. Walks that may remove cards iterate over a copy.
  std::vector<TCardRef> Cards;
  int Count() const { return static_cast<int>(Cards.size()); }
  bool Empty() const { return Cards.empty(); }
  auto begin() { return Cards.begin(); }
  auto end() { return Cards.end(); }
  void AddLast(const TCardRef& card) { Cards.push_back(card); }
  // Removes the card from the list (it is not killed). False when it was not there.
  bool Remove(const TCard* card);
  bool Contains(const TCard* card) const;

  // Makes a card with TCard::Make and appends it.
  TCardRef Add(int x, int y, int cardType, int faceUp, int value, int suit);
  // 1 while the iron morph runs or any card is turning.
  int Animating() const;
  int AnimatingIronMorph() const;
  int Draw();
  TCardRef FindCardByID(int id) const;
  // One free card chosen at random (gameplay roll), or an empty array.
  std::vector<TCardRef> FindFree();
  // Turns every uncovered face-down layout card face up.
  int FlipAll();
  // Turns a random part of the face-down layout cards face up; 0 on "Dazedev Evadedi".
  int FlipHalf();
  int GlowValidCards();
  // flag 0: 1 as soon as a playable card exists; flag 1: glows the playable cards.
  int GlowValidCardsDo(int flag);
  int GlowSpecialCards();
  // Kills every card and empties the list.
  int Kill();
  // Per-tick step of every card with the mouse-over glow; 1 when a card reports an animation.
  int ManageAnim();
  int NormalCount() const;
  // Puts id back on the cards it covered as dealt (mulligan).
  int RelationshipAdd(int id);
  // Takes id off every card it covers; newly uncovered cards turn by the mode (UNCOVER_*).
  int RelationshipRemove(int id, int mode);
  std::vector<TCardRef> SandCardsFindFree() const;
  std::vector<int> SandWedgeID() const;
  // Stable sort by ascending ZOrder.
  int SortAll();
  int StockCount() const;
  int StockKill();
  int StockZOrder();
  TCardRef StockTopFind() const;
  int StockTopMark();
  int StockTopRemove();
  int StockTopUnmark();
  int StockSpread();
  int UnGlowCards();
  int WaterCardsCount() const;
  std::vector<TCardRef> WaterCardsFindFree() const;

  // Whether the card is playable now: a ranked card, face up (or turning), on the layout, not
  // spinning, uncovered, whose value the foundation accepts.
  bool Playable(const TCard& card) const;

 private:
  // The course being played, from the play field ("" without one).
  static std::string CurrentCourse();
};
