#pragma once
// The two loading stages around the intro, the rolling golf ball of the loading screen and the
// orderly exit. Everything runs on the one game thread; each stage runs to completion before the
// main loop goes on.

// Steps of the loading bar in the second stage: 200 of the stage's own loaders plus one per
// course, so that the ball drops into the hole at the last step with 70 courses.
constexpr int LOADING_STEPS = 270;

// First stage, run by the entry once graphics are open: builds the loading screen with its ball,
// mask and small text, loads the putt and ball-in-hole sounds, the two button sounds, the pause
// overlay and the HUD's firework colours, then makes the intro current and starts it. Returns 0;
// a missing file is fatal.
int LoadData();
// Second stage, run by the intro when it closes: texts, courses, best scores, speech chances,
// sounds, images and fonts, the title screen, the card images and the pointer sparkles, one
// loading-bar step at a time. Returns 0; a missing or malformed file is fatal.
int LoadData2();
// Hints, wild shot stories (with the wild shot dialog's precache) and the text table. Returns 0.
int LoadLocalisedText();
// Makes BestScores and loads it (a missing best scores file is generated). Returns 0.
int LoadBestScores();

// The loading screen's draw hook: the ball rolling along its track towards the hole, and the
// ball-in-hole sound once when the bar finishes. Returns 0.
int LoadingScreenCustomDraw();
// The loading screen's kill hook: releases Ball and BallMask. Returns 0.
int LoadingScreenCustomKill();

// Orderly exit: releases the wild shot screen's cached data, writes the clean-exit marker, shows
// the system pointer and runs CleanUp. The entry ends the program right after it returns.
int Shutdown();
// Stops and releases the application object's channels (TGame::Kill). Returns 0.
int CleanUp();

// Where the ball is drawn after `current_step` of `steps` steps: the centre of the ball (the mask
// lies at LOADING_MASK_X, LOADING_MASK_Y); `visible` is false once the bar has finished.
struct TLoadingBallPlace {
  bool visible = true;
  float x = 0;
  float y = 0;
};
TLoadingBallPlace LoadingBallPlace(int current_step, float steps, int finished);

constexpr float LOADING_BALL_START_X = 202;
constexpr float LOADING_BALL_Y = 373;
constexpr float LOADING_TRACK_LENGTH = 366;
constexpr float LOADING_MASK_X = 568;
constexpr float LOADING_MASK_Y = 385;
