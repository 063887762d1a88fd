#pragma once
// The card record: one card of a hole in progress as stored in the saved game block of a player
// profile. Little-endian int32 and float32 values, 80 + 4 * (k + m) bytes, where k and m are the
// lengths of the two cover lists. No header, version or checksum.

#include <string>
#include <vector>

namespace platform {
class InStream;
class OutStream;
}

// A saved hole never holds more cards than this; a longer cover list marks the record damaged.
constexpr int CARD_RECORD_MAX_COVERS = 256;

struct CardRecord {
  int CardType = 0;
  int FaceUp = 1;
  int OriginalFaceUp = 1;
  int Value = 0;
  int Suit = 0;
  float x = 0, y = 0;
  float OriginalX = 0, OriginalY = 0;
  int ID = 0;
  int TokenFactor = 0;
  int ZOrder = 0;
  int Playfield = 1;
  int Stock = 0;
  int FromStock = 0;
  int Foundation = 0;
  int FromBag = 0;
  int StockTop = 0;
  std::vector<int> Relationships;
  std::vector<int> OriginalRelationships;

  // Size in bytes of this record once written.
  std::size_t ByteSize() const { return 80 + 4 * (Relationships.size() + OriginalRelationships.size()); }
  void Write(platform::OutStream& out) const;
  // Reads one record. Returns false, with `error` telling what was wrong, when the stream ends
  // early or a field is out of range (type 0..9; value 1..13 and suit 0..3 for normal, water and
  // sand cards, value 2..9 for irons; cover lists 0..256 long); the caller then treats the saved
  // hole as damaged.
  bool Read(platform::InStream& in, std::string* error = nullptr);
};
