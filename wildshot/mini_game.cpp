#include "wildshot/wildshot_screen.h"

int TWildshotScreen::LoadMiniGame() { return 0; }
int TWildshotScreen::LoadShootButton() { return 0; }
int TWildshotScreen::LoadMinigameOKButton() { return 0; }
float TWildshotScreen::GetCourseRatio() { return 0.0f; }
int TWildshotScreen::KillMinigame() { return 0; }
int TWildshotScreen::MinigameLogic() { return 0; }
int TWildshotScreen::MinigameDraw() { return 0; }
int TWildshotScreen::MinigameDrawResult(const std::string&, int) { return 0; }
int TWildshotScreen::LoadLongDrive() { return 0; }
int TWildshotScreen::MinigameLongDrive() { return 0; }
int TWildshotScreen::DrawLongDrive(float) { return 0; }
int TWildshotScreen::DrawSceneryItem(const TScenery&) { return 0; }
int TWildshotScreen::LoadPutting() { return 0; }
int TWildshotScreen::MinigamePutting() { return 0; }
int TWildshotScreen::MinigamePuttingBounceSound() { return 0; }
int TWildshotScreen::DrawPutting(float) { return 0; }
int TWildshotScreen::LineAdd(int, int, int, int) { return 0; }
int TWildshotScreen::ReboundBall(const std::shared_ptr<TLine>&) { return 0; }
int TWildshotScreen::LoadLostBall() { return 0; }
int TWildshotScreen::MinigameLostBall() { return 0; }
int TWildshotScreen::DrawLostBall(float) { return 0; }
int TWildshotScreen::CheckFlippedCard(TCard*) { return 0; }
