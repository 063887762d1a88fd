#include "util/animation.h"

#include <cmath>

#include "util/globals.h"
#include "util/maths.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

float Ticks(int ms) { return ccCalcAnimLengthHook ? ccCalcAnimLengthHook(ms) : static_cast<float>(ms) / 5.0f; }
float CurrentDelta() { return ccDeltaSource ? *ccDeltaSource : 1.0f; }
float SinDegrees(double degrees) { return static_cast<float>(std::sin(degrees * kPi / 180.0)); }

}  // namespace

std::shared_ptr<TAnimation> TAnimation::Create(int length_ms, int leave_active, int reverse, int cycle) {
  auto animation = std::make_shared<TAnimation>();
  animation->Init(length_ms, leave_active, reverse, cycle);
  return animation;
}

int TAnimation::Init(int length_ms, int leave_active, int reverse, int cycle) {
  Length[0] = Ticks(length_ms);
  LeaveActive = leave_active;
  CurrentPhase = 0;
  TotalPhases = 1;
  Reverse = reverse;
  Cycle = cycle;
  Finished = 0;
  return 0;
}

int TAnimation::AddPhase(int length_ms) {
  if (TotalPhases >= MAX_PHASES) return -1;
  Length[static_cast<std::size_t>(TotalPhases)] = Ticks(length_ms);
  ++TotalPhases;
  return 0;
}

int TAnimation::Clear() {
  Counter = 0;
  Active = 0;
  CurrentPhase = 0;
  TotalPhases = 1;
  return 0;
}

int TAnimation::Start() {
  CurrentPhase = 0;
  if (Reverse == 1) {
    Counter = 0;
  } else if (!(Counter > 0)) {
    Counter = Length[0];
  }
  Active = 1;
  return 0;
}

int TAnimation::Reset() {
  Counter = 0;
  return Start();
}

int TAnimation::Manage() {
  if (Active == 0) return 0;
  if (Reverse == 0) {
    Counter -= CurrentDelta();
    if (!(Counter > 0)) {
      EndAnim();
      return 1;
    }
  } else {
    Counter += CurrentDelta();
    if (Counter > Length[static_cast<std::size_t>(CurrentPhase)]) {
      EndAnim();
      return 1;
    }
  }
  return 0;
}

int TAnimation::EndAnim() {
  ++CurrentPhase;
  if (CurrentPhase >= TotalPhases) {
    if (Cycle == 1) {
      CurrentPhase = 0;
    } else {
      Finished = 1;
      if (LeaveActive == 1) {
        CurrentPhase = TotalPhases - 1;
        Counter = Reverse == 0 ? 0.0f : Length[static_cast<std::size_t>(CurrentPhase)];
        Active = 1;
        return 1;
      }
      Counter = 0;
      CurrentPhase = 0;
      Active = 0;
      return 1;
    }
  }
  Counter = Reverse == 0 ? Length[static_cast<std::size_t>(CurrentPhase)] : 0.0f;
  return 0;
}

float TAnimation::GetRatio() {
  const float length = Length[static_cast<std::size_t>(CurrentPhase)];
  // A phase of 0 ticks has no span: it reads as at its end.
  if (!(length > 0)) return Reverse == 0 ? 0.0f : 1.0f;
  return Counter / length;
}

float TAnimation::GetRatioInv() { return 1.0f - GetRatio(); }
float TAnimation::GetRatioSine() { return SinDegrees(GetRatio() * 90.0); }
float TAnimation::GetRatioInvSine() { return SinDegrees((1.0 - GetRatio()) * 90.0); }
float TAnimation::GetRatioSin108() { return SinDegrees(GetRatio() * 90.0); }
float TAnimation::GetRatioInvSine180() { return ccRatioToSine180(GetRatioInv()); }

int TAnimation::GetAnimFrame(int frames) {
  return ccCalcAnimFrame(Counter, static_cast<int>(Length[static_cast<std::size_t>(CurrentPhase)]),
                         frames, Reverse);
}

std::shared_ptr<TCounter> TCounter::Create(int length_ms) {
  auto counter = std::make_shared<TCounter>();
  counter->CounterLength = static_cast<int>(Ticks(length_ms));
  counter->Activate();
  return counter;
}

int TCounter::Activate() {
  Counter = static_cast<float>(CounterLength);
  Active = 1;
  return 0;
}

int TCounter::Manage() {
  if (!(Counter > 0)) return 0;
  Counter -= CurrentDelta();
  if (Counter > 0) return 0;
  Stop();
  return 1;
}

int TCounter::Stop() {
  Counter = 0;
  Active = 0;
  return 0;
}

std::shared_ptr<TCounter> TCounterList::AddNew(int length_ms) {
  std::shared_ptr<TCounter> counter = TCounter::Create(length_ms);
  Counters.push_back(counter);
  return counter;
}

int TCounterList::Manage(int remove_finished) {
  for (auto it = Counters.begin(); it != Counters.end();) {
    const std::shared_ptr<TCounter> counter = *it;
    if (counter && counter->Manage() == 1 && remove_finished != 0) {
      it = Counters.erase(it);
    } else {
      ++it;
    }
  }
  return 0;
}

std::shared_ptr<TCrossFade> TCrossFade::Create(platform::ImageRef image1, platform::ImageRef image2,
                                               int length_ms) {
  auto fade = std::make_shared<TCrossFade>();
  fade->Init(std::move(image1), std::move(image2), length_ms);
  return fade;
}

int TCrossFade::Init(platform::ImageRef image1, platform::ImageRef image2, int length_ms) {
  Image1 = std::move(image1);
  Image2 = std::move(image2);
  Anim = TAnimation::Create(length_ms, 0, 0, 0);
  Anim->Start();
  return 0;
}

int TCrossFade::Manage() {
  if (Anim) Anim->Manage();
  return 0;
}

int TCrossFade::Draw() {
  platform::SetBlend(platform::BLEND_SOLID);
  if (Image1) platform::DrawImage(Image1, X1, Y1, 0);
  platform::SetBlend(platform::BLEND_ALPHA);
  platform::SetAlpha(Anim ? Anim->GetRatioInv() : 1.0f);
  if (Image2) platform::DrawImage(Image2, X2, Y2, 0);
  platform::SetAlpha(1.0f);
  return 0;
}

int ccCalcAnimFrame(float counter, int length, int frames, int counts_up) {
  if (length <= 0 || frames <= 0) return 0;
  const double ratio = static_cast<double>(counter) / length;
  const double f = counts_up != 0 ? std::floor(ratio * frames) : std::floor((1.0 - ratio) * frames);
  if (f >= frames) return frames - 1;
  // A counter outside its phase must not give a negative index.
  if (f < 0) return 0;
  return static_cast<int>(f);
}

float ccCalcMSPerFrame(int fps) { return fps != 0 ? 1000.0f / static_cast<float>(fps) : 0.0f; }
