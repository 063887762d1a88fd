#pragma once
// Cards in flight and token streams over a play field fixture (FieldFixture without the screens,
// or the play screen's PlayFixture): fresh particle layers for the flying tokens and small token
// and stopwatch pictures, all put back as they were after each test.

#include <array>
#include <memory>

#include "cards/card.h"
#include "cards/card_list.h"
#include "cards/globals.h"
#include "cards/token_generator_list.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/particle_list.h"
#include "platform/graphics.h"

namespace quill_test {

// An 8 by 8 picture, for the tokens' and the stopwatch's.
inline std::shared_ptr<TGameImage> SmallImage() {
  auto img = std::make_shared<TGameImage>();
  img->image = platform::CreateImage(8, 8, 1);
  img->w = img->h = 8;
  img->w2 = img->h2 = 4;
  return img;
}

template <class FieldBase>
class FlightFixture : public FieldBase {
 protected:
  void SetUp() override {
    FieldBase::SetUp();
    savedLayers_ = {Particles, Particles2, ScoreParticles};
    Particles = TParticleList::Create();
    Particles2 = TParticleList::Create();
    ScoreParticles = TParticleList::Create();
    savedToken_ = TCard::Token;
    savedWatch_ = TCard::StopWatchSmall;
    TCard::Token = SmallImage();
    TCard::StopWatchSmall = SmallImage();
  }
  void TearDown() override {
    // The particle layers are the game's globals: the ones in place before the test come back.
    Particles = savedLayers_[0];
    Particles2 = savedLayers_[1];
    ScoreParticles = savedLayers_[2];
    TCard::Token = savedToken_;
    TCard::StopWatchSmall = savedWatch_;
    FieldBase::TearDown();
  }
  // One tick of the token streams and of the flying tokens.
  void TokenTick() {
    TokenGeneratorList->Manage();
    Particles2->Manage();
  }
  TCardRef Flying(int value) {
    auto c = CardList->Add(100, 100, CARDTYPE_NORMAL, 1, value, 0);
    c->Spinning = 1;
    return c;
  }
  std::shared_ptr<TGameImage> savedToken_, savedWatch_;
  std::array<std::shared_ptr<TParticleList>, 3> savedLayers_;
};

}  // namespace quill_test
