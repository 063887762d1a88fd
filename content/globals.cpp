#include "content/globals.h"

#include "gfx/bitmap_font.h"
#include "gfx/sound_bank.h"
#include "util/value_list.h"

std::shared_ptr<TCourseList> CourseList = std::make_shared<TCourseList>();

platform::ImageRef Ball;
platform::ImageRef BallMask;
std::shared_ptr<TGameSound> BallHitSound;
std::shared_ptr<TGameSound> BallInHoleSound;
int BallInHolePlayed = 0;

std::shared_ptr<TBestScoreList> BestScores;
std::shared_ptr<TValueList> SpeechChances;

std::shared_ptr<TBitmapFont> HintHeaderFont;
std::shared_ptr<TBitmapFont> LevelNameFont;
std::shared_ptr<TBitmapFont> BallFont;
std::shared_ptr<TBitmapFont> HintFont;
std::shared_ptr<TBitmapFont> WildshotFont;
std::shared_ptr<TBitmapFont> DialogFont;
std::shared_ptr<TBitmapFont> CourseNameFont;
std::shared_ptr<TBitmapFont> GoalTextFont;
std::shared_ptr<TBitmapFont> NewspaperFont;
std::shared_ptr<TBitmapFont> StatsFont;
