#include "progress/stat.h"

#include <cmath>

#include "cards/game_grid.h"
#include "cards/globals.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/bitmap_font.h"
#include "platform/files.h"
#include "platform/graphics.h"
#include "platform/system.h"
#include "progress/career_stats.h"
#include "progress/counted_string.h"
#include "progress/currency.h"
#include "progress/player.h"
#include "progress/progress_events.h"
#include "util/date_time.h"
#include "util/maths.h"
#include "util/strings.h"

namespace {

constexpr int MAX_STRING_LENGTH = 1024;

std::string PlayerNameNow() {
  auto player = ProgressEvents().Player();
  return player ? player->Name : std::string();
}

std::string Two(int v) { return ccPadWithZeros(std::to_string(v), 2); }

const char* const kMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

void WriteMasked(platform::OutStream& out, int v, std::uint32_t& key) {
  out.WriteInt(static_cast<std::int32_t>(static_cast<std::uint32_t>(v) + key));
  key += TCareerStats::KEY_STEP;
}

int ReadMasked(platform::InStream& in, std::uint32_t& key) {
  const auto v = static_cast<std::int32_t>(static_cast<std::uint32_t>(in.ReadInt()) - key);
  key += TCareerStats::KEY_STEP;
  return v;
}

}  // namespace

std::string StatDateNow() {
  const auto now = platform::Now();
  const int m = (now.month >= 1 && now.month <= 12) ? now.month - 1 : 0;
  return Two(now.day) + " " + kMonths[m] + " " + std::to_string(now.year);
}

std::string StatTimeNow() {
  const auto now = platform::Now();
  return Two(now.hour) + ":" + Two(now.minute) + ":" + Two(now.second);
}

int TStat::Increase(int amount) {
  Value = ccSaturatingAdd(Value, amount);
  PlayerName = PlayerNameNow();
  return 0;
}

int TStat::SetValue(int v) {
  Value = v;
  return SetDetails();
}

int TStat::SetDetails() {
  PlayerName = PlayerNameNow();
  if (GameGrid) CourseName = GameGrid->LevelName;
  HoleNumber = ProgressEvents().FlagLevel(HoleNumber);
  Date = StatDateNow();
  Time = StatTimeNow();
  return 0;
}

int TStat::IsGreater(int v) {
  if (IsSet() && v < Value) return 0;
  SetValue(v);
  return 1;
}

int TStat::IsLess(int v) {
  if (IsSet() && v > Value) return 0;
  SetValue(v);
  return 1;
}

int TStat::IsGreaterFloat(float f) {
  if (IsSet() && !(f >= FloatValue)) return 0;
  SetValue(ccRound(f));
  FloatValue = f;
  return 1;
}

std::string TStat::FormatValue() const {
  switch (DataType) {
    case STAT_NUMBER: return std::to_string(Value);
    case STAT_CASH: return GetCurrencyChar() + std::to_string(Value);
    case STAT_SECONDS: return std::to_string(Value) + " secs";
    case STAT_SCORE: {
      const std::string par = Value2 > 0 ? "+" + std::to_string(Value2)
                              : Value2 == 0 ? std::string("E")
                                            : std::to_string(Value2);
      return std::to_string(Value) + " (" + par + ")";
    }
    case STAT_HOURS: {
      const int m = ccRound(Value / 60.0);
      const int h = static_cast<int>(std::floor(m / 60.0));
      return ccPadWithZeros(std::to_string(h), 2) + ":" + ccPadWithZeros(std::to_string(m - 60 * h), 2);
    }
    case STAT_DISTANCE:
      return ccRoundFloatToString(static_cast<float>(FloatValue), 2) +
             ((Game && Game->Region != 0) ? "m" : "yds");
    default: return std::string();
  }
}

int TStat::Draw() {
  auto player = ProgressEvents().Player();
  auto stats = (player && player->SaveData) ? player->SaveData->CareerStats : nullptr;
  if (!stats) return 0;
  auto& font = stats->font;
  const float y = stats->Y;
  if (font) {
    platform::SetColor(235, 235, 235);
    font->DrawAlignedWithShadow(Label, stats->Col1, y, 0, 0, 0);
    if (IsSet() || ShowEmpty != 0) {
      platform::SetColor(235, 235, 0);
      font->DrawAlignedWithShadow(FormatValue(), stats->Col2, y, 0, 0, 0);
      platform::SetColor(156, 226, 255);
      // The name is cut to what fits the column as drawn: the font's cut measures its limit at the
      // font's own scale.
      const double room = (stats->Col4 - stats->Col3 - 22) / (font->ScaleFactor > 0 ? font->ScaleFactor : 1.0);
      font->DrawAlignedWithShadow(font->TruncateString(PlayerName, static_cast<int>(room)), stats->Col3, y, 0, 0, 0);
      if (ShowAll != 0) {
        std::string course = CourseName;
        if (ShowHoleNumber != 0 && HoleNumber > 0) course += " (" + std::to_string(HoleNumber) + ")";
        font->DrawAlignedWithShadow(course, stats->Col4, y, 0, 0, 0);
        font->DrawAlignedWithShadow(Date, stats->Col5, y, 0, 0, 0);
        if (!Time.empty()) font->DrawAlignedWithShadow(ccTimeTo12Hour(Time.substr(0, 5)), stats->Col6, y, 0, 0, 0);
      }
    }
  }
  platform::SetColor(255, 255, 255);
  stats->Y += stats->Gap;
  return 0;
}

int TStat::Write(platform::OutStream& out, std::uint32_t& key) const {
  WriteMasked(out, Value, key);
  WriteMasked(out, Value2, key);
  WriteCountedString(out, Date);
  WriteCountedString(out, Time);
  WriteCountedString(out, PlayerName);
  WriteCountedString(out, CourseName);
  WriteMasked(out, HoleNumber, key);
  out.WriteDouble(FloatValue);
  return 0;
}

bool TStat::Read(platform::InStream& in, std::uint32_t& key) {
  TStat r;
  r.Value = ReadMasked(in, key);
  r.Value2 = ReadMasked(in, key);
  if (in.Failed()) return false;
  for (std::string* s : {&r.Date, &r.Time, &r.PlayerName, &r.CourseName})
    if (!ReadCountedString(in, *s, MAX_STRING_LENGTH, nullptr)) return false;
  r.HoleNumber = ReadMasked(in, key);
  r.FloatValue = in.ReadDouble();
  if (in.Failed()) return false;
  Value = r.Value;
  Value2 = r.Value2;
  Date = r.Date;
  Time = r.Time;
  PlayerName = r.PlayerName;
  CourseName = r.CourseName;
  HoleNumber = r.HoleNumber;
  FloatValue = r.FloatValue;
  return true;
}
