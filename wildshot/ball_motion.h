#pragma once
// The mini-games' rules as plain functions: the swinging arrow, the long drive's flight, bounces
// and roll, the putt's roll, pull and cushions, and the targets and prizes by course. They draw
// nothing and play nothing; each step reports what happened so the screen can sound it. Speeds are
// pixels per logic tick, angles degrees (0 straight up, 90 to the right), `delta` the share of a
// tick.

// A swing between lo and hi: the angle moves by speed x delta and turns back at either end, the
// overshoot mirrored inside. Reaching an end exactly turns it too.
void SwingArrow(double& angle, float& speed, double lo, double hi, double delta);

// The course ratio: where the course stands in the list, 0 on the first, 1 on the last. 0 for a
// list of one course or a course that is not in it.
float CourseRatio(int index, int courses);

// Long drive.
struct TDriveBall {
  double x = 0.0, y = 0.0;    // ball centre, background pixels
  double xs = 0.0, ys = 0.0;  // velocity; positive y is down
  int groundY = 0;
  double speed = static_cast<double>(5.2f);  // launch speed
  double friction = static_cast<double>(0.03f);
  double gravity = static_cast<double>(0.02f);
  double bounceY = static_cast<double>(0.6f);
  double bounceX = static_cast<double>(0.8f);
};

struct TDriveStep {
  bool stopped = false;
  double bounceVolume = -1.0;  // the volume of a bounce this tick, -1 for none
};

// Sets the velocity for a launch at `angle`.
void DriveLaunch(TDriveBall& ball, double angle);
// One tick of flight, bounce or roll.
TDriveStep DriveTick(TDriveBall& ball, double delta);
// Yards from the start point (7 pixels to the yard with a marker gap of 350).
float DriveDistance(double ballX, double startX, int markerGap);
// The drive's sound by its launch angle: 0 tiny, 1 small, 2 medium, 3 big, 4 perfect.
int DriveSoundClass(double angle);
// The distance to beat on a course: 250 to 350 in tens.
int DriveTarget(float ratio);
// What a drive wins against its target: the rounded distance when longer, else 0.
int DrivePrize(float distance, int target);

// Putting.
struct TPuttBall {
  double x = 0.0, y = 0.0;
  double xs = 0.0, ys = 0.0;
  double speed = 0.0;          // speed left
  double shotSpeed = 0.0;      // the speed it was struck with
  double friction = static_cast<double>(0.01f);
  double radius = 8.0;
  double holeX = 0.0, holeY = 0.0, holeRadius = 20.0;
  double left = 3.0, top = 6.0, right = 413.0, bottom = 258.0;  // the green's edges
};

struct TPuttStep {
  bool holed = false;
  bool stopped = false;
  int bounces = 0;
  double bounceVolume[4] = {0, 0, 0, 0};  // speed / shot speed at each bounce of this tick
};

void PuttStrike(TPuttBall& ball, double angle);
TPuttStep PuttTick(TPuttBall& ball, double delta);
// The hole's place on a course: x 208 to 378 across; y the middle give or take up to 91.
double PuttHoleX(float ratio, int width, int mapOffsetX, double holeRadius);
int PuttHoleSpread(float ratio, int height, int mapOffsetY, double holeRadius);
double PuttShotSpeed(float ratio);
// A sunk putt's prize: 250 to 750 in fifties.
int PuttPrize(float ratio);
