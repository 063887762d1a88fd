#include "screens/credits_screen.h"

#include "core/game.h"
#include "core/game_fade.h"
#include "core/globals.h"
#include "screens/globals.h"
#include "screens/options_screen.h"
#include "util/image.h"

const std::array<std::string, 8> TCreditsScreen::RoleKeys = {
    "Designer", "Programmer",      "Artist", "Producer", "Additional Design",
    "Music and Sound", "QA", "Special Thanks"};

const std::array<std::string, 6> TCreditsScreen::Names = {
    "Hester Quillan", "Tobias Fenwright", "Mirela Ashcombe",
    "Declan Harrowby", "Ottilie Brask", "Ravi Underhay"};

const std::string TCreditsScreen::QANames =
    "Agnes Pellow, Bram Oakes, Corin Tully, Dafydd Merrin, Elsie Voss, Fintan Rowe, "
    "Greta Lindqvist, Hamish Carrow, Ines Batley";

const std::string TCreditsScreen::ThanksNames =
    "the Marrowfen Golf Society, Juno Abberley, Kit Wendle, Lorna Pask, Milo Strand, "
    "Nell Cawdrey";

TCreditsScreen::TCreditsScreen() { name = "credits"; }

int TCreditsScreen::Load() { return 0; }

int TCreditsScreen::Start() {
  TScreen::Start();
  Game->GameFade->Init(static_cast<float>(FADE_SPEED), 0, nullptr, 0, 0);
  return 0;
}

int TCreditsScreen::Kill() { return TScreen::Kill(); }
int TCreditsScreen::Logic() { return TScreen::Logic(); }

int TCreditsScreen::Draw() {
  ccClsNoFlip(16, 40, 24);
  TScreen::Draw();
  return 0;
}

int TCreditsScreen::SetEscDestination() {
  Game->DestinationTScreen = OptionsScreen;
  return 0;
}
