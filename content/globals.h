#pragma once
// The named globals of the game data loading. Each is defined in content/globals.cpp.

#include <memory>

#include "content/course_list.h"
#include "platform/graphics.h"

class TGameSound;
class TBitmapFont;
class TBestScoreList;
class TValueList;

// Every course in course list order. Owner: content; created empty at program start, filled once
// by LoadCourseData during the second loading stage, then only read until the program ends.
extern std::shared_ptr<TCourseList> CourseList;

// The loading screen's golf ball and the mask over its hole (handles at their centres). Owner:
// content; loaded by LoadData, released by LoadingScreenCustomKill when the loading screen goes.
extern platform::ImageRef Ball;
extern platform::ImageRef BallMask;
// "putt.ogg" and "ballinhole.ogg". Owner: content; loaded by LoadData and kept for the whole run
// (the putting mini-game plays them too).
extern std::shared_ptr<TGameSound> BallHitSound;
extern std::shared_ptr<TGameSound> BallInHoleSound;
// 1 once the ball-in-hole sound has played; never reset, so it plays at most once per run.
extern int BallInHolePlayed;

// The best scores of all courses. Owner: content; made and loaded by LoadBestScores during the
// second loading stage, kept for the whole run.
extern std::shared_ptr<TBestScoreList> BestScores;
// Announcer remark categories with their percent chances ("chance.txt" in the speech folder).
// Owner: content; made during the second loading stage, kept for the whole run.
extern std::shared_ptr<TValueList> SpeechChances;

// The ten bitmap fonts. Owner: content; made by LoadImages during the second loading stage (each
// replacing the font held before), kept for the whole run.
extern std::shared_ptr<TBitmapFont> HintHeaderFont;  // "Voodoo35", CharGap 1
extern std::shared_ptr<TBitmapFont> LevelNameFont;   // "Voodoo21"
extern std::shared_ptr<TBitmapFont> BallFont;        // "ballfont"
extern std::shared_ptr<TBitmapFont> HintFont;        // "arialbold18"
extern std::shared_ptr<TBitmapFont> WildshotFont;    // "arialbold21"
extern std::shared_ptr<TBitmapFont> DialogFont;      // "dialogfont30"
extern std::shared_ptr<TBitmapFont> CourseNameFont;  // "Voodoo58", CharGap 1
extern std::shared_ptr<TBitmapFont> GoalTextFont;    // "Voodoo25"
extern std::shared_ptr<TBitmapFont> NewspaperFont;   // "Franklin50"
extern std::shared_ptr<TBitmapFont> StatsFont;       // "arialbold25"
