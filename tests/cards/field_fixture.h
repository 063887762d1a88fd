#pragma once
// A play field with no screen above it: the application object, the token list and the play
// field are installed, and a recording screen side (events_) answers the field's questions and
// writes down its reports; all are removed again after each test.

#include "gfx/particle_generator.h"
#include "gfx/particle_list.h"
#include "tests/support/field_fixture_base.h"
#include "tests/support/recording_field_events.h"

class FieldFixture : public FieldFixtureBase {
 protected:
  void SetUp() override {
    events_.Install();
    MakeGame();
    MakeField();
  }

  void TearDown() override {
    KillField();
    ParticleListsClear();
    Game.reset();
    events_.Uninstall();
    RestoreErrors();
  }

  // The play field and the layers the play screen runs each tick, in its order (the screen's own
  // parts left out).
  void RunTick() override {
    GameGrid->Manage();
    for (const auto& layer : {BackgroundParticles, Particles, Particles2})
      if (layer) layer->Move();
    if (AnimatedParticles) AnimatedParticles->Manage();
    for (const auto& layer : {ScoreParticles, IronParticles})
      if (layer) layer->Move();
    TokenGeneratorList->Manage();
    if (ParticleGeneratorList) ParticleGeneratorList->Manage();
  }

  quill_test::RecordingFieldEvents events_;
};
