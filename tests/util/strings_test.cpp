#include "util/strings.h"

#include <gtest/gtest.h>

TEST(Strings, RoundingHalvesGoUp) {
  EXPECT_EQ(ccRound(0.5), 1);
  EXPECT_EQ(ccRound(1.49), 1);
  EXPECT_EQ(ccRound(-0.5), 0);
  EXPECT_EQ(ccRound(-0.51), -1);
  EXPECT_EQ(ccRound(2.5), 3);
  EXPECT_EQ(ccRound(-2.5), -2);
  EXPECT_FLOAT_EQ(ccRoundFloat(1.25f, 1), 1.3f);
  EXPECT_FLOAT_EQ(ccRoundFloat(-1.25f, 1), -1.2f);
}

TEST(Strings, RoundFloatToString) {
  const struct {
    double x;
    int places;
    const char* text;
  } cases[] = {{0.05, 2, "0.05"}, {123.456, 2, "123.46"}, {9.996, 2, "10.00"}, {0, 2, "0.00"},
               {-1.5, 2, "-1.50"}, {7, 1, "7.0"},       {-0.05, 2, "-0.05"}, {3.4, 0, "3"}};
  for (const auto& c : cases) EXPECT_EQ(ccRoundFloatToString(c.x, c.places), c.text) << c.x;
}

TEST(Strings, FormatNumber) {
  EXPECT_EQ(ccFormatNumber(1234567.891, 2, 3, 0), "1,234,567.89");
  EXPECT_EQ(ccFormatNumber(1234567.891, 2, 3, 10), " 1,234,567.89");
  EXPECT_EQ(ccFormatNumber(1234567.891, 2, 3, 5), "   Error");
  EXPECT_EQ(ccFormatNumber(1234567.891, 0, 0, 0), "1234567");
  EXPECT_EQ(ccFormatNumber(2.675, 2, 0, 0), "2.67");
}

TEST(Strings, PaddingAndSigns) {
  EXPECT_EQ(ccPadWithZeros("7", 2), "07");
  EXPECT_EQ(ccPadWithZeros("123", 2), "123");
  EXPECT_EQ(ccPadWithChar("", 4, "."), "....");
  EXPECT_EQ(ccPadWithChar("abc", 0, "."), "abc");
  EXPECT_EQ(ccPadWithChar("é", 3, "-"), "é--");  // characters, not bytes
  EXPECT_EQ(ccIntToStringWithSign(5), "+5");
  EXPECT_EQ(ccIntToStringWithSign(0), "0");
  EXPECT_EQ(ccIntToStringWithSign(-3), "-3");
}

TEST(Strings, ChoppingDataLines) {
  std::string line = "12,3,A";
  EXPECT_EQ(ccFirstStringToSubChop(line, ","), "12");
  EXPECT_EQ(line, "3,A");
  EXPECT_EQ(ccFirstStringToSubChop(line, ","), "3");
  EXPECT_EQ(ccFirstStringToSubChop(line, ","), "A");
  EXPECT_EQ(line, "");
  EXPECT_EQ(ccLastStringToSub("Sound=1", "="), "1");
  EXPECT_EQ(ccFirstStringToSub("Sound=1", "="), "Sound");
  EXPECT_EQ(ccLastStringToSub("Sound", "="), "");
  EXPECT_EQ(ccFirstString("a,b"), "a");
}

TEST(Strings, MidCountsCharacters) {
  EXPECT_EQ(ccMid("abcdef", 2, 3), "bcd");
  EXPECT_EQ(ccMid("abcdef", 2, -1), "");
  EXPECT_EQ(ccMid("abcdef", 0, 3), "ab");
  EXPECT_EQ(ccMid("abcdef", 9, 3), "");
  EXPECT_EQ(ccMid("déjà", 2, 2), "éj");
}

TEST(Strings, Arrays) {
  std::vector<std::string> target;
  ccCopyStringArray({"a", "b", "c", "d", "e"}, target, 2, 3);
  EXPECT_EQ(target, (std::vector<std::string>{"", "", "c", "d"}));
  ccCopyStringArray({"a", "b"}, target, 0, -1);
  EXPECT_EQ(target, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(ccRemoveStringArraySlots({"a", "b", "c", "d"}, 1, 2), (std::vector<std::string>{"a", "d"}));
  std::vector<int> numbers{3, 1, 2};
  ccSortIntArray(numbers, 1);
  EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3}));
  ccSortIntArray(numbers, 0);
  EXPECT_EQ(numbers, (std::vector<int>{3, 2, 1}));
  EXPECT_EQ(ccListStringIndex(std::list<std::string>{"x", "Y", "y"}, "y"), 2);
  EXPECT_EQ(ccListStringIndex(std::vector<std::string>{"x"}, "z"), -1);
  auto a = std::make_shared<int>(1), b = std::make_shared<int>(1);
  std::list<std::shared_ptr<int>> list{nullptr, a, b};
  EXPECT_EQ(ccListIndex(list, b.get()), 1);  // the null entry is not counted
}

TEST(Strings, TimesAndDurations) {
  int minutes = 0, seconds = 0;
  ccMillisecsToMinutes(125400, minutes, seconds);
  EXPECT_EQ(minutes, 2);
  EXPECT_EQ(seconds, 5);
  ccMillisecsToMinutes(-125400, minutes, seconds);
  EXPECT_EQ(minutes, -2);
  EXPECT_EQ(seconds, -5);
  ccMillisecsToMinutes(59999, minutes, seconds);
  EXPECT_EQ(minutes, 0);
  EXPECT_EQ(seconds, 59);
  EXPECT_EQ(ccTimeTo12Hour("21:05"), "9:05pm");
  EXPECT_EQ(ccTimeTo12Hour("00:30"), "12:30am");
  EXPECT_EQ(ccTimeTo12Hour("12:00"), "12:00pm");
  EXPECT_EQ(ccTimeTo12Hour("09:15"), "9:15am");
}

TEST(Strings, TextToIntegerAndUpperCase) {
  EXPECT_EQ(ccStringToInt("  -42abc"), -42);
  EXPECT_EQ(ccStringToInt("+7"), 7);
  EXPECT_EQ(ccStringToInt("$1F"), 31);
  EXPECT_EQ(ccStringToInt("%101"), 5);
  EXPECT_EQ(ccStringToInt("abc"), 0);
  EXPECT_EQ(ccStringToInt(""), 0);
  EXPECT_EQ(ccUpperCase("Music vol é"), "MUSIC VOL é");
}
