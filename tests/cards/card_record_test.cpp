#include "cards/card_record.h"

#include <gtest/gtest.h>

#include "cards/rules.h"
#include "platform/files.h"

namespace {

CardRecord Sample() {
  CardRecord r;
  r.CardType = 4;
  r.FaceUp = 0;
  r.OriginalFaceUp = 0;
  r.Value = 13;
  r.Suit = 3;
  r.x = 180.5f;
  r.y = 302.0f;
  r.OriginalX = 180.5f;
  r.OriginalY = -1.25f;
  r.ID = 7;
  r.TokenFactor = 2;
  r.ZOrder = 5;
  r.Playfield = 1;
  r.StockTop = 0;
  r.Relationships = {3, 17};
  r.OriginalRelationships = {3, 17};
  return r;
}

TEST(CardRecord, BytesAreLittleEndianInTableOrder) {
  CardRecord r = Sample();
  platform::OutStream out;
  r.Write(out);
  const auto& b = out.Bytes();
  ASSERT_EQ(b.size(), 96u);
  ASSERT_EQ(b.size(), r.ByteSize());
  auto i32 = [&](std::size_t at) {
    return static_cast<int>(b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (b[at + 3] << 24));
  };
  EXPECT_EQ(i32(0), 4);    // type
  EXPECT_EQ(i32(12), 13);  // value
  EXPECT_EQ(i32(16), 3);   // suit
  EXPECT_EQ(i32(36), 7);   // ID
  EXPECT_EQ(i32(44), 5);   // ZOrder
  EXPECT_EQ(i32(72), 2);   // k
  EXPECT_EQ(i32(76), 3);
  EXPECT_EQ(i32(80), 17);
  EXPECT_EQ(i32(84), 2);   // m
  // 180.5f is 0x43348000.
  EXPECT_EQ(b[20], 0x00);
  EXPECT_EQ(b[21], 0x80);
  EXPECT_EQ(b[22], 0x34);
  EXPECT_EQ(b[23], 0x43);

  CardRecord empty;
  empty.Value = 1;
  platform::OutStream out2;
  empty.Write(out2);
  EXPECT_EQ(out2.Bytes().size(), 80u);
}

TEST(CardRecord, RoundTrip) {
  const CardRecord r = Sample();
  platform::OutStream out;
  r.Write(out);
  r.Write(out);
  platform::InStream in(out.Bytes());
  for (int i = 0; i < 2; ++i) {
    CardRecord back;
    std::string error;
    ASSERT_TRUE(back.Read(in, &error)) << error;
    EXPECT_EQ(back.CardType, r.CardType);
    EXPECT_EQ(back.Value, 13);
    EXPECT_EQ(back.Suit, 3);
    EXPECT_FLOAT_EQ(back.x, 180.5f);
    EXPECT_FLOAT_EQ(back.OriginalY, -1.25f);
    EXPECT_EQ(back.ID, 7);
    EXPECT_EQ(back.Relationships, r.Relationships);
    EXPECT_EQ(back.OriginalRelationships, r.OriginalRelationships);
  }
  EXPECT_TRUE(in.Eof());
}

TEST(CardRecord, DamagedRecordsAreRefused) {
  struct Case {
    const char* what;
    void (*spoil)(std::vector<unsigned char>&);
  };
  const Case cases[] = {
      {"type", [](std::vector<unsigned char>& b) { b[0] = 10; }},
      {"value", [](std::vector<unsigned char>& b) { b[12] = 0; }},
      {"value", [](std::vector<unsigned char>& b) { b[12] = 14; }},
      {"suit", [](std::vector<unsigned char>& b) { b[16] = 4; }},
      {"iron value", [](std::vector<unsigned char>& b) { b[0] = 3; b[12] = 10; }},
      {"iron value", [](std::vector<unsigned char>& b) { b[0] = 3; b[12] = 1; }},
      {"length", [](std::vector<unsigned char>& b) { b[75] = 0x7f; }},     // k huge
      {"length", [](std::vector<unsigned char>& b) { b[84] = 0xff; b[85] = 0xff; b[86] = 0xff; b[87] = 0xff; }},
      {"early", [](std::vector<unsigned char>& b) { b.resize(90); }},
      {"early", [](std::vector<unsigned char>& b) { b.resize(40); }},
  };
  for (const auto& c : cases) {
    platform::OutStream out;
    Sample().Write(out);
    auto bytes = out.Bytes();
    c.spoil(bytes);
    platform::InStream in(bytes);
    CardRecord back;
    back.ID = 99;
    std::string error;
    EXPECT_FALSE(back.Read(in, &error)) << c.what;
    EXPECT_NE(error.find(c.what), std::string::npos) << error;
    EXPECT_EQ(back.ID, 99) << "a refused record leaves the target as it was";
  }
}

// The deal's stock irons (suit -1) and wild shots (value 0, suit -2) come back from a save.
TEST(CardRecord, CardsOfEveryKindTheGameSavesAreAccepted) {
  struct Case {
    int type, value, suit;
  };
  const Case cases[] = {
      {CARDTYPE_NORMAL, 1, 0}, {CARDTYPE_WATER, 13, 3}, {CARDTYPE_IRON, 2, -1},
      {CARDTYPE_IRON, 9, 0},   {CARDTYPE_WILDSHOT, 0, -2}, {CARDTYPE_WEDGE, 1, 0},
      {CARDTYPE_NONE, 0, 0},   {CARDTYPE_CASH, 0, 0},
  };
  for (const auto& c : cases) {
    CardRecord r = Sample();
    r.CardType = c.type;
    r.Value = c.value;
    r.Suit = c.suit;
    platform::OutStream out;
    r.Write(out);
    platform::InStream in(out.Bytes());
    CardRecord back;
    std::string error;
    EXPECT_TRUE(back.Read(in, &error)) << c.type << " " << c.value << " " << c.suit << ": " << error;
    EXPECT_EQ(back.Value, c.value);
    EXPECT_EQ(back.Suit, c.suit);
  }
}

}  // namespace
