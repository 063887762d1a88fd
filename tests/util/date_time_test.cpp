#include "util/date_time.h"

#include <gtest/gtest.h>

#include "platform/system.h"
#include "util_test_support.h"

namespace {

TDateTime Make(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
  TDateTime date;
  date.Set_DateTimeSerial(y, mo, d, h, mi, s);
  return date;
}

void ExpectDate(const TDateTime& date, int y, int mo, int d, int h, int mi, int s) {
  EXPECT_EQ(date.Year, y);
  EXPECT_EQ(date.Month, mo);
  EXPECT_EQ(date.Day, d);
  EXPECT_EQ(date.Hour, h);
  EXPECT_EQ(date.Minute, mi);
  EXPECT_EQ(date.Second, s);
}

}  // namespace

TEST(DateTime, Formats) {
  const TDateTime date = Make(2026, 12, 7, 21, 5, 9);
  const struct {
    const char* format;
    const char* text;
  } cases[] = {
      {"YYYY-MM-DD HHNNSS screenshot.png", "2026-12-07 210509 screenshot.png"},
      {"DDDD D MMMM YY", "Monday 7 December 26"},
      {"DDD, DD MMM", "Mon, 07 Dec"},
      {"H:N:S", "21:5:9"},
      {"Y", ""},
      {"YYY", ""},
      {"MMMMM", ""},
      {"HHH", ""},
      {"SSSS", ""},
      {"hh:nn", "hh:nn"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(TDateTime::Get_String(date, c.format), c.text) << c.format;
  EXPECT_EQ(TDateTime::Get_String(TDateTime(), "DD/MM/YYYY"), "00/00/0000");
}

TEST(DateTime, FrenchNames) {
  TDateTime::Language = TDateTime::lngFrench;
  EXPECT_EQ(TDateTime::Get_String(Make(2026, 12, 7), "DDDD D MMMM"), "Lundi 7 Décembre");
  TDateTime::Language = TDateTime::lngEnglish;
}

TEST(DateTime, DayNumbersAndWeekDays) {
  EXPECT_EQ(TDateTime::Conv_Date2Julian(Make(2000, 1, 1)), 2451558);
  EXPECT_EQ(TDateTime::Conv_Date2Julian(Make(2026, 12, 7)), 2461395);
  TDateTime back;
  TDateTime::Conv_Julian2Date(2451558, back);
  ExpectDate(back, 2000, 1, 1, 0, 0, 0);
  EXPECT_EQ(TDateTime::WeekDay(Make(2000, 1, 1)), 6);
  EXPECT_EQ(TDateTime::WeekDay(Make(2026, 12, 7)), 1);
  // Round trip over several years, month ends included.
  for (int day = 2451000; day < 2452500; day += 7) {
    TDateTime date;
    TDateTime::Conv_Julian2Date(day, date);
    EXPECT_EQ(TDateTime::Conv_Date2Julian(date), day);
  }
}

TEST(DateTime, AddingByUnit) {
  const struct {
    const char* unit;
    int amount;
    TDateTime from;
    TDateTime to;
  } cases[] = {
      {"M", 1, Make(2026, 11, 15), Make(2026, 12, 15)},
      {"M", 1, Make(2026, 12, 15), Make(2027, 1, 15)},
      {"M", 25, Make(2026, 3, 15), Make(2028, 4, 15)},
      {"Y", 1, Make(2024, 2, 29), Make(2025, 2, 29)},
      {"S", 45, Make(2026, 12, 31, 23, 59, 30), Make(2027, 1, 1, 0, 0, 15)},
      {"D", 1, Make(2100, 2, 28), Make(2100, 2, 29)},
      {"D", -1, Make(2027, 3, 1), Make(2027, 2, 28)},
      {"H", 49, Make(2026, 12, 31, 23), Make(2027, 1, 3, 0)},
      {"N", -20, Make(2027, 1, 1, 0, 10), Make(2026, 12, 31, 23, 50)},
      {"M", -1, Make(2027, 1, 15), Make(2026, 12, 15)},
      {"Q", 5, Make(2026, 1, 2, 3, 4, 5), Make(2026, 1, 2, 3, 4, 5)},
  };
  for (const auto& c : cases) {
    const TDateTime before = c.from;
    const auto result = TDateTime::Add(c.unit, c.amount, c.from);
    ExpectDate(*result, c.to.Year, c.to.Month, c.to.Day, c.to.Hour, c.to.Minute, c.to.Second);
    EXPECT_EQ(c.from.compare(before), 0);  // the argument is not changed
  }
}

TEST(DateTime, DifferencesAndOrder) {
  const TDateTime a = Make(2026, 12, 31, 23, 50);
  const TDateTime b = Make(2027, 1, 1, 0, 10);
  EXPECT_EQ(TDateTime::Diff("D", a, b), 1);
  EXPECT_EQ(TDateTime::Diff("D", b, a), -1);
  EXPECT_EQ(TDateTime::Diff("N", a, b), 20);
  EXPECT_EQ(TDateTime::Diff("S", a, b), 1200);
  EXPECT_EQ(TDateTime::Diff("M", a, b), 1);
  EXPECT_EQ(TDateTime::Diff("X", a, b), 0);
  EXPECT_LT(a.compare(b), 0);
  EXPECT_LT(Make(2026, 1, 1, 1).compare(Make(2026, 1, 1, 2)), 0);
  EXPECT_GT(Make(2026, 1, 2, 0).compare(Make(2026, 1, 1, 23)), 0);
  EXPECT_EQ(TDateTime::Get_String_Parser_Formater(2026, 2), "26");
  EXPECT_EQ(TDateTime::Get_String_Parser_Formater(7, 2), "07");
}

TEST(DateTime, CurrentDateComesFromTheClockNumbers) {
  const platform::LocalDateTime when = util_test::PinnedMoment();
  platform::PinNow(when);
  TDateTime now;
  now.Set_DateTimeCurrent();
  platform::PinNow(when, false);
  ExpectDate(now, 2026, 12, 7, 21, 5, 9);
}
