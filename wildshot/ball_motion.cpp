#include "wildshot/ball_motion.h"

#include <algorithm>
#include <cmath>

#include "util/strings.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kAlmostZero = static_cast<double>(0.01f);

double Rad(double degrees) { return degrees * kPi / 180.0; }

bool AlmostZero(double v) { return v == 0.0 || (v > -kAlmostZero && v < kAlmostZero); }

}  // namespace

void SwingArrow(double& angle, float& speed, double lo, double hi, double delta) {
  angle += speed * delta;
  if (angle >= hi) {
    speed = -speed;
    angle = hi - (angle - hi);
  } else if (angle <= lo) {
    speed = -speed;
    angle = lo - (angle - lo);
  }
}

float CourseRatio(int index, int courses) {
  if (courses <= 1 || index < 0 || index >= courses) return 0.0f;
  return std::clamp(static_cast<float>(index) / static_cast<float>(courses - 1), 0.0f, 1.0f);
}

void DriveLaunch(TDriveBall& ball, double angle) {
  ball.xs = std::cos(Rad(angle - 90)) * ball.speed;
  ball.ys = std::sin(Rad(angle - 90)) * ball.speed;
}

TDriveStep DriveTick(TDriveBall& ball, double delta) {
  TDriveStep step;
  const double ground = ball.groundY;
  if (ball.y < ground) ball.ys += ball.gravity * delta;
  ball.x += ball.xs * delta;
  ball.y += ball.ys * delta;
  if (ball.y >= ground - 1) {
    ball.xs -= ball.friction * delta;
    if (ball.xs < 0) ball.xs = 0;
    if (ball.ys > 0) {
      ball.ys -= ball.friction * delta;
      if (ball.ys < 0) ball.ys = 0;
    } else {
      ball.ys += ball.friction * delta;
      if (ball.ys > 0) ball.ys = 0;
    }
    if (AlmostZero(ball.xs) && AlmostZero(ball.ys)) {
      ball.y = ground;
      ball.xs = ball.ys = 0;
      step.stopped = true;
    } else if (ball.y >= ground) {
      if (ball.ys > static_cast<double>(0.1f)) {
        step.bounceVolume = std::min(1.0, ball.ys / (ball.speed * ball.bounceY));
        ball.y = ground - (ball.y - ground) * ball.bounceY;
        ball.xs *= ball.bounceX;
        ball.ys = -(ball.ys * ball.bounceY);
      } else {
        ball.y = ground;
        ball.ys = 0;
      }
    }
  }
  return step;
}

float DriveDistance(double ballX, double startX, int markerGap) {
  return static_cast<float>((ballX - startX) / markerGap * 50);
}

int DriveSoundClass(double a) {
  if (a > 42 && a < 47) return 4;
  if (a > 37 && a < 52) return 3;
  if (a > 30 && a < 60) return 2;
  if (a > 20 && a < 70) return 1;
  return 0;
}

int DriveTarget(float ratio) {
  return 250 + 10 * ccRound(ccRound(static_cast<double>(ratio) * 100) / 10.0);
}

int DrivePrize(float distance, int target) {
  return distance > static_cast<float>(target) ? ccRound(distance) : 0;
}

void PuttStrike(TPuttBall& ball, double angle) {
  ball.xs = std::cos(Rad(angle - 90)) * ball.speed;
  ball.ys = std::sin(Rad(angle - 90)) * ball.speed;
}

TPuttStep PuttTick(TPuttBall& ball, double delta) {
  TPuttStep step;
  // The heading from both components: a ball running straight up or down keeps its course.
  const double h = std::atan2(ball.ys, ball.xs);
  ball.speed -= ball.friction * delta;
  if (ball.speed < 0) ball.speed = 0;
  ball.xs = std::cos(h) * ball.speed;
  ball.ys = std::sin(h) * ball.speed;

  const double dx = ball.holeX - ball.x, dy = ball.holeY - ball.y;
  const double d = std::sqrt(dx * dx + dy * dy);
  bool pulled = false;
  if (d <= ball.holeRadius - ball.radius) {
    ball.xs = ball.ys = 0;
    step.holed = true;
    return step;
  }
  if (d <= ball.holeRadius) {
    const double t = (ball.holeRadius - d) / ball.holeRadius;
    const double p = 1 - std::cos(Rad(90 * t));
    const double s = std::sqrt(ball.xs * ball.xs + ball.ys * ball.ys);
    const double pull = s * p + 0.05;
    ball.xs += dx / d * pull * delta;
    ball.ys += dy / d * pull * delta;
    ball.speed = std::sqrt(ball.xs * ball.xs + ball.ys * ball.ys);
    pulled = true;
  }

  ball.x += ball.xs * delta;
  ball.y += ball.ys * delta;
  const auto bounce = [&] {
    if (step.bounces < 4)
      step.bounceVolume[step.bounces] = ball.shotSpeed > 0 ? ball.speed / ball.shotSpeed : 0.0;
    ++step.bounces;
  };
  if (ball.x - ball.radius < ball.left) {
    ball.x = 2 * ball.left + 2 * ball.radius - ball.x;
    ball.xs = -ball.xs;
    bounce();
  }
  if (ball.x + ball.radius > ball.right) {
    ball.x = 2 * ball.right - 2 * ball.radius - ball.x;
    ball.xs = -ball.xs;
    bounce();
  }
  if (ball.y - ball.radius < ball.top) {
    ball.y = 2 * ball.top + 2 * ball.radius - ball.y;
    ball.ys = -ball.ys;
    bounce();
  }
  if (ball.y + ball.radius > ball.bottom) {
    ball.y = 2 * ball.bottom - 2 * ball.radius - ball.y;
    ball.ys = -ball.ys;
    bounce();
  }
  if (!pulled && AlmostZero(ball.xs) && AlmostZero(ball.ys)) {
    ball.xs = ball.ys = 0;
    step.stopped = true;
  }
  return step;
}

double PuttHoleX(float ratio, int width, int mapOffsetX, double holeRadius) {
  const int reach = static_cast<int>(width - mapOffsetX - holeRadius - 15) - width / 2;
  return width / 2 + ccRound(reach * static_cast<double>(ratio));
}

int PuttHoleSpread(float ratio, int height, int mapOffsetY, double holeRadius) {
  const int room = static_cast<int>(height - 2 * mapOffsetY - 2 * holeRadius - 30);
  return ccRound((room / 2.0) * static_cast<double>(ratio));
}

double PuttShotSpeed(float ratio) { return static_cast<double>(2.1f + 0.8f * ratio); }

int PuttPrize(float ratio) {
  const float hundreds = static_cast<float>(ccRound(static_cast<double>(ratio) * 500)) / 50.0f;
  return 250 + 50 * ccRound(static_cast<double>(hundreds));
}
