#include "util/date_time.h"

#include <cstdio>
#include <vector>

#include "platform/system.h"
#include "platform/text_encoding.h"

int TDateTime::Language = TDateTime::lngEnglish;

const std::array<std::array<std::string, 12>, 2> TDateTime::txtMonth_Abbrv = {{
    {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
    {"Janv", "Févr", "Mars", "Avr", "Mai", "Juin", "Juil", "Août", "Sept", "Oct", "Nov", "Déc"},
}};
const std::array<std::array<std::string, 12>, 2> TDateTime::txtMonth_Full = {{
    {"January", "February", "March", "April", "May", "June", "July", "August", "September",
     "October", "November", "December"},
    {"Janvier", "Février", "Mars", "Avril", "Mai", "Juin", "Juillet", "Août", "Septembre",
     "Octobre", "Novembre", "Décembre"},
}};
const std::array<std::array<std::string, 7>, 2> TDateTime::txtDay_Abbrv = {{
    {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"},
    {"Dim", "Lun", "Mar", "Mer", "Jeu", "Ven", "Sam"},
}};
const std::array<std::array<std::string, 7>, 2> TDateTime::txtDay_Full = {{
    {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"},
    {"Dimanche", "Lundi", "Mardi", "Mercredi", "Jeudi", "Vendredi", "Samedi"},
}};

namespace {

int LanguageIndex() {
  return TDateTime::Language == TDateTime::lngFrench ? TDateTime::lngFrench : TDateTime::lngEnglish;
}

std::string MonthName(const std::array<std::array<std::string, 12>, 2>& table, int month) {
  if (month < 1 || month > 12) return "";
  return table[static_cast<std::size_t>(LanguageIndex())][static_cast<std::size_t>(month - 1)];
}

std::string DayName(const std::array<std::array<std::string, 7>, 2>& table, int weekday) {
  if (weekday < 0 || weekday > 6) return "";
  return table[static_cast<std::size_t>(LanguageIndex())][static_cast<std::size_t>(weekday)];
}

// Adds `amount` of a unit that carries into the next larger unit every `base` (hours into days,
// minutes into hours, seconds into minutes), borrowing for negative amounts.
std::shared_ptr<TDateTime> AddCarried(std::shared_ptr<TDateTime> result, int amount, int base,
                                      int TDateTime::*field, const char* larger) {
  if (amount / base != 0) {
    result = TDateTime::Add(larger, amount / base, *result);
    (*result).*field += amount % base;
  } else {
    (*result).*field += amount;
  }
  const int carry = (*result).*field / base;
  if (carry > 0) {
    (*result).*field -= base * carry;
    result = TDateTime::Add(larger, carry, *result);
  } else if ((*result).*field < 0) {
    (*result).*field += base;
    result = TDateTime::Add(larger, -1, *result);
  }
  return result;
}

}  // namespace

std::shared_ptr<TDateTime> TDateTime::Create() { return std::make_shared<TDateTime>(); }

std::shared_ptr<TDateTime> TDateTime::Add(const std::string& unit, int amount, const TDateTime& date) {
  std::shared_ptr<TDateTime> result;
  date.Copy(result);
  if (unit == "Y") {
    result->Year += amount;
  } else if (unit == "M") {
    if (amount / 12 != 0) {
      result = Add("Y", amount / 12, *result);
      result->Month += amount % 12;
    } else {
      result->Month += amount;
    }
    if (result->Month > 12) {
      result->Month -= 12;
      result = Add("Y", 1, *result);
    } else if (result->Month < 1) {
      result->Month += 12;
      result = Add("Y", -1, *result);
    }
  } else if (unit == "D") {
    Conv_Julian2Date(Conv_Date2Julian(*result) + amount, *result);
  } else if (unit == "H") {
    result = AddCarried(result, amount, 24, &TDateTime::Hour, "D");
  } else if (unit == "N") {
    result = AddCarried(result, amount, 60, &TDateTime::Minute, "H");
  } else if (unit == "S") {
    result = AddCarried(result, amount, 60, &TDateTime::Second, "N");
  }
  return result;
}

int TDateTime::Diff(const std::string& unit, const TDateTime& first, const TDateTime& second) {
  const int days = Conv_Date2Julian(second) - Conv_Date2Julian(first);
  if (unit == "Y") return second.Year - first.Year;
  if (unit == "M") return (second.Year - first.Year) * 12 + second.Month - first.Month;
  if (unit == "D") return days;
  if (unit == "H") return days * 24 + second.Hour - first.Hour;
  if (unit == "N")
    return days * 1440 + (second.Hour * 60 + second.Minute) - (first.Hour * 60 + first.Minute);
  if (unit == "S")
    return days * 86400 + (second.Hour * 3600 + second.Minute * 60 + second.Second) -
           (first.Hour * 3600 + first.Minute * 60 + first.Second);
  return 0;
}

std::string TDateTime::Get_String(const TDateTime& date, const std::string& format) {
  const std::vector<char32_t> characters = platform::CodePoints(format);
  std::string result;
  std::string letter;
  int count = 0;
  for (std::size_t i = 0; i < characters.size(); ++i) {
    const std::string c = platform::FromCodePoint(characters[i]);
    if (c == letter) {
      ++count;
    } else {
      if (!letter.empty()) result += Get_String_Parser(format, letter, static_cast<int>(i) + 1, count, date);
      letter = c;
      count = 1;
    }
  }
  if (!letter.empty())
    result += Get_String_Parser(format, letter, static_cast<int>(characters.size()) + 1, count, date);
  return result;
}

std::string TDateTime::Get_String_Parser(const std::string& format, const std::string& letter,
                                         int position, int count, const TDateTime& date) {
  if (letter == "Y") {
    if (count == 2) return Get_String_Parser_Formater(date.Year, 2);
    if (count == 4) return Get_String_Parser_Formater(date.Year, 4);
    return "";
  }
  if (letter == "M") {
    if (count == 1) return std::to_string(date.Month);
    if (count == 2) return Get_String_Parser_Formater(date.Month, 2);
    if (count == 3) return MonthName(txtMonth_Abbrv, date.Month);
    if (count == 4) return MonthName(txtMonth_Full, date.Month);
    return "";
  }
  if (letter == "D") {
    if (count == 1) return std::to_string(date.Day);
    if (count == 2) return Get_String_Parser_Formater(date.Day, 2);
    if (count == 3) return DayName(txtDay_Abbrv, WeekDay(date));
    if (count == 4) return DayName(txtDay_Full, WeekDay(date));
    return "";
  }
  const int* field = letter == "H" ? &date.Hour : letter == "N" ? &date.Minute : letter == "S" ? &date.Second : nullptr;
  if (field != nullptr) {
    if (count == 1) return std::to_string(*field);
    if (count == 2) return Get_String_Parser_Formater(*field, 2);
    return "";
  }
  // Any other character is copied as it stands: the run's characters of the format.
  const std::vector<char32_t> characters = platform::CodePoints(format);
  std::string copied;
  for (int i = position - count; i < position; ++i) {
    if (i >= 1 && i <= static_cast<int>(characters.size()))
      copied += platform::FromCodePoint(characters[static_cast<std::size_t>(i - 1)]);
  }
  return copied;
}

std::string TDateTime::Get_String_Parser_Formater(int value, int width) {
  std::string s = std::to_string(value);
  if (width <= 0) return "";
  if (static_cast<int>(s.size()) >= width) return s.substr(s.size() - static_cast<std::size_t>(width));
  while (static_cast<int>(s.size()) < width) s = "0" + s;
  return s;
}

int TDateTime::Conv_Date2Julian(const TDateTime& date) {
  const int y = date.Year, m = date.Month, d = date.Day;
  return 367 * y - (7 * (y + 5001 + (m - 9) / 7)) / 4 + (275 * m) / 9 + d + 1729777;
}

int TDateTime::Conv_Julian2Date(int day_number, TDateTime& date) {
  const int b = day_number + 1402;
  const int c = (b - 1) / 1461;
  const int k = b - 1461 * c;
  const int n = (k - 1) / 365 - k / 1461;
  const int i = k - 365 * n + 30;
  const int j = (80 * i) / 2447;
  date.Day = i - (2447 * j) / 80;
  const int e = j / 11;
  date.Month = j + 2 - 12 * e;
  date.Year = 4 * c + n + e - 4716;
  return 0;
}

int TDateTime::WeekDay(const TDateTime& date) {
  int m = date.Month, y = date.Year;
  if (m < 3) {
    m += 12;
    y -= 1;
  }
  return (date.Day + (13 * m - 27) / 5 + y + y / 4 - y / 100 + y / 400) % 7;
}

int TDateTime::Copy(std::shared_ptr<TDateTime>& target) const {
  if (!target) target = Create();
  target->Set_DateTimeSerial(Year, Month, Day, Hour, Minute, Second);
  return 0;
}

int TDateTime::compare(const TDateTime& other) const {
  const int days = Conv_Date2Julian(*this) - Conv_Date2Julian(other);
  if (days != 0) return days;
  return (Hour * 3600 + Minute * 60 + Second) - (other.Hour * 3600 + other.Minute * 60 + other.Second);
}

int TDateTime::Set_DateSerial(int year, int month, int day) {
  Year = year;
  Month = month;
  Day = day;
  return 0;
}

int TDateTime::Set_TimeSerial(int hour, int minute, int second) {
  Hour = hour;
  Minute = minute;
  Second = second;
  return 0;
}

int TDateTime::Set_DateTimeSerial(int year, int month, int day, int hour, int minute, int second) {
  Set_TimeSerial(hour, minute, second);
  return Set_DateSerial(year, month, day);
}

int TDateTime::Set_DateCurrent() {
  const platform::LocalDateTime now = platform::Now();
  return Set_DateSerial(now.year, now.month, now.day);
}

int TDateTime::Set_TimeCurrent() {
  const platform::LocalDateTime now = platform::Now();
  return Set_TimeSerial(now.hour, now.minute, now.second);
}

int TDateTime::Set_DateTimeCurrent() {
  Set_DateCurrent();
  return Set_TimeCurrent();
}

int TDateTime::Debug_PrintDate() const {
  std::printf("%d/%d/%d  %d:%d:%d\n", Year, Month, Day, Hour, Minute, Second);
  return 0;
}
