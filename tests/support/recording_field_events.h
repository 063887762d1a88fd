#pragma once
// A screen side for the play field's tests: it answers the field's questions from fields a test
// sets, and writes down every report in the order the field made it, so a test can say which
// outcome the field reported (and a broken rule shows as a missing or different report).
//
// Where a report changes something the field asks back (the run's length, the hole cash, End Hole
// and End Drive, the missed-card tips), the fake keeps that value as the screen would, with no
// rule of its own beyond the interface's contract. Install it with Install() in SetUp and take it
// out with Uninstall() in TearDown.

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "cards/card.h"
#include "cards/field_events.h"
#include "content/course.h"

namespace quill_test {

// One report: its name and its arguments as numbers (a card is its ID, -1 for none).
struct FieldReport {
  std::string name;
  std::vector<int> args;
  bool operator==(const FieldReport&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const FieldReport& r) {
  out << r.name << "(";
  for (std::size_t i = 0; i < r.args.size(); ++i) out << (i ? ", " : "") << r.args[i];
  return out << ")";
}

class RecordingFieldEvents : public TFieldEvents {
 public:
  static constexpr int IRON_SCALES = 8;

  // ---- Answers (set by the test) ----
  bool hasPlayer = true;
  int playerLevel = 1;
  bool holeTimed = false;
  bool timeIsUp = false;
  std::set<int> ironsInBag;
  std::string courseName;
  std::vector<std::shared_ptr<TCourse>> courses;  // CourseFind looks here by name
  int loadLevelFromProfile = 0;
  bool hasHud = true;
  int driveLength = 0;        // DriveLengthChange adds, DriveRestarted clears
  int driveLengthAnswer = 0;  // what DriveLengthChange answers
  int ironsMouseOver = 0;
  std::array<float, IRON_SCALES> ironScales{1, 1, 1, 1, 1, 1, 1, 1};  // the bag's irons, 2 to 9
  TokenTargets tokenTargets;
  bool stockPenaltyRunning = false;
  int wildshotAnimType = 0;  // non-zero: a wild shot animation of that type runs
  bool outroRunning = false;
  int cardToIronAnims = 0;
  std::set<std::string> activeButtons;  // upper-case names, as the screen's menu matches them
  std::map<Sign, std::shared_ptr<TGameImage>> signs;
  int missedCardTipsShown = 0;  // MissedCardTipShow adds one
  bool cardTipOpen = false;     // CardTipClose closes it
  int mulliganAnswer = 0;
  // The screen state reports change: hole cash and cash (never below 0), End Hole's state.
  int holeCash = 0;
  int score = 0;
  bool endHoleEnabled = false;

  // ---- What the field reported ----
  std::vector<FieldReport> reports;

  void Install() { SetFieldEvents(this); }
  void Uninstall() { SetFieldEvents(nullptr); }

  // The reports of one name, in order, and how many there were.
  std::vector<FieldReport> Named(const std::string& name) const {
    std::vector<FieldReport> out;
    for (const auto& r : reports)
      if (r.name == name) out.push_back(r);
    return out;
  }
  int Count(const std::string& name) const { return static_cast<int>(Named(name).size()); }
  // The reports' names in order, leaving out the frequent ones that say nothing of the outcome.
  std::vector<std::string> Outcomes() const {
    static const std::set<std::string> noise = {"PlayerActed", "TokenSparkles", "PixieDustBurst"};
    std::vector<std::string> out;
    for (const auto& r : reports)
      if (!noise.count(r.name)) out.push_back(r.name);
    return out;
  }

  // ---- Questions ----
  bool HasPlayer() override { return hasPlayer; }
  int PlayerLevel() override { return hasPlayer ? playerLevel : 1; }
  bool HoleTimed() override { return hasPlayer && holeTimed; }
  bool TimeIsUp() override { return hasPlayer && timeIsUp; }
  bool IronInBag(int k) override { return hasPlayer && ironsInBag.count(k) != 0; }
  std::string CourseName() override { return hasPlayer ? courseName : std::string(); }
  std::shared_ptr<TCourse> CourseFind(const std::string& name) override {
    for (const auto& c : courses)
      if (c && c->Name == name) return c;
    return nullptr;
  }
  int LoadLevelFromProfile() override { return loadLevelFromProfile; }
  bool HasHud() override { return hasHud; }
  int DriveLength() override { return hasHud ? driveLength : 0; }
  int IronsMouseOver() override { return ironsMouseOver; }
  void SetIronsMouseOver(int k) override { ironsMouseOver = k; }
  float* IronScale(int index) override {
    if (index < 0 || index >= IRON_SCALES) return nullptr;
    return &ironScales[static_cast<std::size_t>(index)];
  }
  bool TokenTargetsFind(TokenTargets& t) override {
    if (!hasHud) return false;
    t = tokenTargets;
    return true;
  }
  bool StockPenaltyRunning() override { return stockPenaltyRunning; }
  bool WildshotAnimRunning() override { return wildshotAnimType != 0; }
  int WildshotAnimTypeRunning() override { return wildshotAnimType; }
  bool OutroRunning() override { return outroRunning; }
  int CardToIronAnims() override { return cardToIronAnims; }
  bool ButtonActive(const std::string& name) override { return activeButtons.count(Upper(name)) != 0; }
  std::shared_ptr<TGameImage> SignImage(Sign which) override {
    auto it = signs.find(which);
    return it == signs.end() ? nullptr : it->second;
  }
  int MissedCardTipsShown() override { return missedCardTipsShown; }
  int MulliganManage() override { return mulliganAnswer; }

  // ---- Reports ----
  void HoleCashChange(int n) override {
    Add("HoleCashChange", {n});
    if (hasPlayer) holeCash = std::max(0, holeCash + n);
  }
  void ScoreChange(int n) override {
    Add("ScoreChange", {n});
    if (hasPlayer) score = std::max(0, score + n);
  }
  void CardPlayedStat() override { Add("CardPlayedStat"); }
  void IronTakenFromBag(int k) override {
    Add("IronTakenFromBag", {k});
    ironsInBag.erase(k);
  }
  void IronPlayedStat() override { Add("IronPlayedStat"); }
  void Cheer() override { Add("Cheer"); }
  void PlayerActed() override { Add("PlayerActed"); }
  void Speech(const std::string& key, const std::string&) override {
    Add("Speech");
    speeches.push_back(key);
  }
  void FieldSettled() override { Add("FieldSettled"); }
  void EndDriveEnable(int on) override { Add("EndDriveEnable", {on}); }
  void EndHoleEnable(int on) override {
    Add("EndHoleEnable", {on});
    endHoleEnabled = on != 0;
  }
  void MulliganDisable(int off) override { Add("MulliganDisable", {off}); }
  void EndDriveButtonShow() override { Add("EndDriveButtonShow"); }
  int DriveLengthChange(int n) override {
    Add("DriveLengthChange", {n});
    if (hasHud) driveLength += n;
    return driveLengthAnswer;
  }
  void DriveRestarted() override {
    Add("DriveRestarted");
    driveLength = 0;
  }
  void DriveContinues() override { Add("DriveContinues"); }
  void IronPlayed(int k) override { Add("IronPlayed", {k}); }
  void SignShown(const std::shared_ptr<TParticle>& sign) override { Add("SignShown", {sign ? 1 : 0}); }
  void WedgeFound(const std::shared_ptr<TCard>& card) override { Add("WedgeFound", {Id(card)}); }
  void WaterCleared(int replace) override { Add("WaterCleared", {replace}); }
  void WildshotAppears() override { Add("WildshotAppears"); }
  void MissedCardTipShow() override {
    Add("MissedCardTipShow");
    ++missedCardTipsShown;
    cardTipOpen = true;
  }
  bool CardTipClose() override {
    Add("CardTipClose", {cardTipOpen ? 1 : 0});
    const bool was = cardTipOpen;
    cardTipOpen = false;
    return was;
  }
  void StockTopChanged() override { Add("StockTopChanged"); }
  void IronFlightStarted() override { Add("IronFlightStarted"); }
  void IronReachedBag(const std::shared_ptr<TCard>& card) override { Add("IronReachedBag", {Id(card)}); }
  void CardLanded(int cardsLeft) override { Add("CardLanded", {cardsLeft}); }
  void FlightsLanded(int blocked) override { Add("FlightsLanded", {blocked}); }
  void TokensText(const std::shared_ptr<TCard>& card, int cash, int middle) override {
    Add("TokensText", {Id(card), cash, middle});
  }
  void TokenSparkles(float x, float y) override {
    Add("TokenSparkles", {static_cast<int>(x), static_cast<int>(y)});
  }
  void HoleCashWobble(int ticks) override { Add("HoleCashWobble", {ticks}); }
  void StopWatchHit() override { Add("StopWatchHit"); }
  void PixieDustBurst(int x, int y, int w, int h, const std::shared_ptr<TParticleList>&) override {
    Add("PixieDustBurst", {x, y, w, h});
  }

  std::vector<std::string> speeches;  // the keys of the announcer lines, in order

 private:
  void Add(const std::string& name, std::vector<int> args = {}) { reports.push_back({name, std::move(args)}); }
  static int Id(const std::shared_ptr<TCard>& card) { return card ? card->ID : -1; }
  static std::string Upper(std::string s) {
    for (auto& ch : s) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return s;
  }
};

}  // namespace quill_test
