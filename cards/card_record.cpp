#include "cards/card_record.h"

#include "cards/rules.h"
#include "platform/files.h"

void CardRecord::Write(platform::OutStream& out) const {
  out.WriteInt(CardType);
  out.WriteInt(FaceUp);
  out.WriteInt(OriginalFaceUp);
  out.WriteInt(Value);
  out.WriteInt(Suit);
  out.WriteFloat(x);
  out.WriteFloat(y);
  out.WriteFloat(OriginalX);
  out.WriteFloat(OriginalY);
  out.WriteInt(ID);
  out.WriteInt(TokenFactor);
  out.WriteInt(ZOrder);
  out.WriteInt(Playfield);
  out.WriteInt(Stock);
  out.WriteInt(FromStock);
  out.WriteInt(Foundation);
  out.WriteInt(FromBag);
  out.WriteInt(StockTop);
  out.WriteInt(static_cast<int>(Relationships.size()));
  for (int id : Relationships) out.WriteInt(id);
  out.WriteInt(static_cast<int>(OriginalRelationships.size()));
  for (int id : OriginalRelationships) out.WriteInt(id);
}

namespace {

bool Fail(std::string* error, const std::string& what) {
  if (error) *error = what;
  return false;
}

bool ReadCovers(platform::InStream& in, std::vector<int>& list, const char* which,
                std::string* error) {
  const int n = in.ReadInt();
  if (in.Failed()) return Fail(error, "card record ends early");
  if (n < 0 || n > CARD_RECORD_MAX_COVERS)
    return Fail(error, std::string("card record has a bad ") + which + " length " + std::to_string(n));
  // Check that the entries are really there before making room for them.
  if (in.Position() + static_cast<std::size_t>(n) * 4 > in.Size())
    return Fail(error, "card record ends early");
  std::vector<int> ids(static_cast<std::size_t>(n));
  for (auto& id : ids) id = in.ReadInt();
  if (in.Failed()) return Fail(error, "card record ends early");
  list = std::move(ids);
  return true;
}

}  // namespace

bool CardRecord::Read(platform::InStream& in, std::string* error) {
  CardRecord r;
  r.CardType = in.ReadInt();
  r.FaceUp = in.ReadInt();
  r.OriginalFaceUp = in.ReadInt();
  r.Value = in.ReadInt();
  r.Suit = in.ReadInt();
  r.x = in.ReadFloat();
  r.y = in.ReadFloat();
  r.OriginalX = in.ReadFloat();
  r.OriginalY = in.ReadFloat();
  r.ID = in.ReadInt();
  r.TokenFactor = in.ReadInt();
  r.ZOrder = in.ReadInt();
  r.Playfield = in.ReadInt();
  r.Stock = in.ReadInt();
  r.FromStock = in.ReadInt();
  r.Foundation = in.ReadInt();
  r.FromBag = in.ReadInt();
  r.StockTop = in.ReadInt();
  if (in.Failed()) return Fail(error, "card record ends early");
  if (r.CardType < CARDTYPE_NONE || r.CardType > CARDTYPE_LAST)
    return Fail(error, "card record has a bad card type " + std::to_string(r.CardType));
  // Value and suit matter where they pick a picture frame: the ranked cards' 52-frame sheets and
  // the irons' 8-frame sheet. The deal gives stock irons suit -1 and wild shots value 0 and suit -2,
  // and the other types always show frame 0, so their values are taken as they are.
  if (IsRankedType(r.CardType)) {
    if (r.Value < CARD_VALUE_MIN || r.Value > CARD_VALUE_MAX)
      return Fail(error, "card record has a bad value " + std::to_string(r.Value));
    if (r.Suit < 0 || r.Suit >= SUIT_COUNT)
      return Fail(error, "card record has a bad suit " + std::to_string(r.Suit));
  } else if (r.CardType == CARDTYPE_IRON && (r.Value < IRON_FIRST || r.Value > IRON_LAST)) {
    return Fail(error, "card record has a bad iron value " + std::to_string(r.Value));
  }
  if (!ReadCovers(in, r.Relationships, "cover list", error)) return false;
  if (!ReadCovers(in, r.OriginalRelationships, "original cover list", error)) return false;
  *this = std::move(r);
  return true;
}
