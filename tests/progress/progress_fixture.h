#pragma once
// The globals that player progress reaches, installed fresh for each test and removed after it:
// the application object (paths in a scratch folder, region 0), a play field, a course list of
// the test's making and a text table. No screen is there: a recording screen side (events_)
// holds the player of the round, answers the records' questions and writes down their reports.

#include "progress/player.h"
#include "progress/save_data.h"
#include "tests/support/progress_fixture_base.h"
#include "tests/support/recording_progress_events.h"

class ProgressTest : public ProgressFixtureBase {
 protected:
  void SetUp() override {
    MakeGame();
    events_.player = std::make_shared<TPlayer>();
    events_.Install();
    MakeLists();
  }

  void TearDown() override {
    KillLists();
    events_.Uninstall();
    events_.player.reset();
    Game.reset();
    RestoreErrors();
  }

  TPlayer& Player() { return *events_.player; }
  TSaveData& Save() { return *events_.player->SaveData; }

  quill_test::RecordingProgressEvents events_;
};
