#pragma once
// A calendar value: a date and a time of day as six plain integers, with arithmetic by unit
// through a day number, differences by unit, an ordering and formatting through a date format
// string with English or French month and day names. Fields are never validated.
//
// Unit letters: "Y" years, "M" months, "D" days, "H" hours, "N" minutes, "S" seconds.
// Format strings: runs of one upper-case letter are tokens (YY YYYY, M MM MMM MMMM, D DD DDD
// DDDD, H HH, N NN, S SS; other run lengths vanish); every other character is copied.

#include <array>
#include <memory>
#include <string>

class TDateTime {
 public:
  int Year = 0;
  int Month = 0;   // 1..12 when valid
  int Day = 0;     // 1..31 when valid
  int Hour = 0;    // 0..23
  int Minute = 0;
  int Second = 0;

  static constexpr const char* MonthList = "JANFEBMARAPRMAYJUNJULAUGSEPOCTNOVDEC";
  static constexpr int lngEnglish = 0;
  static constexpr int lngFrench = 1;
  // Language of the names that Get_String writes (English unless changed).
  static int Language;
  // [language][month - 1] and [language][weekday], UTF-8.
  static const std::array<std::array<std::string, 12>, 2> txtMonth_Abbrv;
  static const std::array<std::array<std::string, 12>, 2> txtMonth_Full;
  static const std::array<std::array<std::string, 7>, 2> txtDay_Abbrv;
  static const std::array<std::array<std::string, 7>, 2> txtDay_Full;

  static std::shared_ptr<TDateTime> Create();
  // A new value: `date` plus `amount` units (any sign for Y and D; M, H, N, S borrow correctly
  // for negative amounts too). An unknown unit gives a plain copy. `date` is not changed.
  static std::shared_ptr<TDateTime> Add(const std::string& unit, int amount, const TDateTime& date);
  // second - first in the unit; 0 for an unknown unit.
  static int Diff(const std::string& unit, const TDateTime& first, const TDateTime& second);
  static std::string Get_String(const TDateTime& date, const std::string& format);
  // The text of the run of `count` letters ending before 1-based `position` of `format`.
  static std::string Get_String_Parser(const std::string& format, const std::string& letter,
                                       int position, int count, const TDateTime& date);
  // `value` in decimal at exactly `width` characters (last digits kept, or zeros in front).
  static std::string Get_String_Parser_Formater(int value, int width);
  // Day number (Julian-calendar Julian Day Number) of Year, Month, Day, and back.
  static int Conv_Date2Julian(const TDateTime& date);
  static int Conv_Julian2Date(int day_number, TDateTime& date);
  // 0 Sunday .. 6 Saturday (Gregorian).
  static int WeekDay(const TDateTime& date);

  // Copies the six fields into `target`, creating it when null. Returns 0.
  int Copy(std::shared_ptr<TDateTime>& target) const;
  // Negative when this value is earlier than `other`, 0 when equal, positive when later.
  int compare(const TDateTime& other) const;
  int Set_DateSerial(int year, int month, int day);
  int Set_TimeSerial(int hour, int minute, int second);
  int Set_DateTimeSerial(int year, int month, int day, int hour, int minute, int second);
  // The local date / time from the platform's clock.
  int Set_DateCurrent();
  int Set_TimeCurrent();
  int Set_DateTimeCurrent();
  // Prints "Y/M/D  H:N:S" without leading zeros to standard output. Returns 0.
  int Debug_PrintDate() const;
};
