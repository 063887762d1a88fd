// The course's ambience on the play screen: the random ambient sounds of the course type, and the
// ambient animations of the background picture (flocks, gophers and a worm, the hobo gopher on
// the municipal grounds, the beach shimmer).

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "content/course.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/globals.h"
#include "gfx/sound_bank.h"
#include "play/ambient_anim.h"
#include "play/game_screen.h"
#include "platform/random.h"
#include "progress/player.h"
#include "progress/progress_rules.h"
#include "progress/save_data.h"

namespace {

// The background picture's name without its extension, upper-cased: BEACH1, MUNICIPAL2 ...
std::string BackgroundKey(const std::string& file) {
  std::string key = file.substr(0, file.rfind('.'));
  std::transform(key.begin(), key.end(), key.begin(),
                 [](unsigned char ch) { return static_cast<char>(std::toupper(ch)); });
  return key;
}

bool OneOf(const std::string& key, std::initializer_list<const char*> keys) {
  return std::any_of(keys.begin(), keys.end(), [&key](const char* k) { return key == k; });
}

// One ambient animation of the table: when it applies, its strip and how it is set up.
struct AmbientRow {
  int kind;
  const char* image;
  int cellW, cellH, frames, duration;
};

constexpr AmbientRow kBird{1, "intro/bird", 64, 128, 6, 250};
constexpr AmbientRow kGull{1, "gamescreen/anims/gull", 64, 128, 6, 250};
constexpr AmbientRow kGopherCoins{3, "gamescreen/anims/gopher_coins", 100, 100, 30, 1500};
constexpr AmbientRow kGopherLook{3, "gamescreen/anims/gopher_look", 100, 100, 42, 2100};
constexpr AmbientRow kGopherMoneybags{3, "gamescreen/anims/gopher_moneybags", 100, 100, 55, 2750};
constexpr AmbientRow kWorm{3, "gamescreen/anims/worm", 50, 50, 33, 1800};
constexpr AmbientRow kHobo{4, "gamescreen/anims/gopher_hobo", 150, 80, 25, 1200};
constexpr AmbientRow kShimmer{5, "gamescreen/anims/shimmer", 120, 20, 16, 1400};

// The rows that apply to a background key, in the order they are made.
std::vector<const AmbientRow*> RowsFor(const std::string& key) {
  std::vector<const AmbientRow*> rows;
  if (!OneOf(key, {"BEACH1", "BEACH2"})) rows.push_back(&kBird);
  if (OneOf(key, {"BEACH1", "BEACH2", "JUNGLE1", "JUNGLE2", "JUNGLE3"})) rows.push_back(&kGull);
  if (!OneOf(key, {"DESERT1", "DESERT2", "JUNGLE3", "FOREST2"}))
    for (const auto* row : {&kGopherCoins, &kGopherLook, &kGopherMoneybags, &kWorm})
      rows.push_back(row);
  if (OneOf(key, {"MUNICIPAL1", "MUNICIPAL2"})) rows.push_back(&kHobo);
  if (OneOf(key, {"BEACH1", "BEACH2"})) rows.push_back(&kShimmer);
  return rows;
}

}  // namespace

std::vector<std::string> AmbientSoundNames(const std::string& courseType) {
  if (courseType == "DESERT")
    return {"bird", "coyote2", "insect_quiet", "windgust1", "windgust2", "windgust3"};
  if (courseType == "COUNTRY") return {"birds1", "birds2", "dog1", "dog2_edited", "windgust2"};
  if (courseType == "MOUNTAIN")
    return {"bird", "birds1", "crows", "insect1", "insect3_edited", "windgust1", "windgust3"};
  if (courseType == "BEACH") return {"foghorn_edited", "seagulls", "windgust2"};
  if (courseType == "MUNI")
    return {"car1", "carpass2_quieter", "crows", "dog_double", "dog_single", "truckstarts_quieter"};
  if (courseType == "JAPAN") return {"shakuhachi1", "shakuhachi2", "taiko1", "taiko2"};
  if (courseType == "FOREST") return {"bird1", "bird2", "bird3", "birds1", "insect1"};
  if (courseType == "CITY")
    return {"car1", "carpass1_quieter", "carpass2_quieter", "horn", "pedestrian_quieter",
            "dog_single"};
  if (courseType == "JUNGLE")
    return {"insect3_edited", "junglebird1", "junglebird2", "monkey2", "monkey_short"};
  if (courseType == "SCOT")
    return {"bagpipes", "bird", "birds1", "crows", "insect1", "sheep", "windgust1", "windgust3"};
  return {};
}

std::vector<std::string> AmbientAnimImageNames(const std::string& backgroundImage) {
  std::vector<std::string> names;
  for (const auto* row : RowsFor(BackgroundKey(backgroundImage))) names.emplace_back(row->image);
  return names;
}

int TGameScreen::LoadAmbientSound(const std::string& soundName) {
  if (AmbientSoundTotal >= MAX_AMBIENT_SOUNDS) return 0;
  const std::string path = Game->SoundPath + "randomambient/" + soundName + ".ogg";
  AmbientSound[static_cast<std::size_t>(AmbientSoundTotal)] = TGameSound::Create(path, 0);
  ++AmbientSoundTotal;
  return 0;
}

int TGameScreen::LoadAmbientAnims(const std::string& backgroundImage) {
  const std::string key = BackgroundKey(backgroundImage);
  AmbientAnimsTotal = 0;
  for (const auto* row : RowsFor(key)) {
    if (AmbientAnimsTotal >= MAX_AMBIENT_ANIMS) break;
    auto anim = TAmbientAnim::Create(row->kind, row->image, row->cellW, row->cellH, row->frames,
                                     row->duration);
    auto& slot = AmbientAnims[static_cast<std::size_t>(AmbientAnimsTotal)];
    if (slot) slot->Kill();
    slot = anim;
    ++AmbientAnimsTotal;
    if (row->kind == 1) {
      anim->RandomStartFrame = 1;
      anim->DurationVaration = 20;
      anim->LifeCounter = 10000;
      anim->SpeedX = -1.5f;
      anim->SpeedXVariation = 0.1f;
      anim->SpeedY = 0;
      anim->SpeedYVariation = 0.1f;
      anim->Chance = 10;
      anim->ChanceTest = 8000;
      anim->Scale = row == &kGull ? 0.55f : 0.5f;
      anim->ScaleVariation = 0.1f;
    } else if (row->kind == 3) {
      anim->Loop = 0;
      anim->Chance = row == &kWorm ? 10 : 5;
      anim->ChanceTest = row == &kWorm ? 100000 : 200000;
      AddGopherCoords(anim);
    } else if (row->kind == 4) {
      if (key == "MUNICIPAL1") {
        anim->AddCoords(760, 207, 1.0f);
        anim->AddCoords(160, 180, 0.9f);
        anim->AddCoords(530, 160, 0.85f);
        anim->AddCoords(350, 120, 0.7f);
      } else {
        anim->AddCoords(120, 170, 0.9f);
        anim->AddCoords(550, 150, 0.8f);
        anim->AddCoords(300, 160, 0.85f);
        anim->AddCoords(750, 225, 1.0f);
      }
    } else if (row->kind == 5) {
      anim->DurationVaration = 200;
      anim->Chance = 50;
      anim->ChanceTest = key == "BEACH1" ? 3000 : 6000;
      anim->Fade = 1;
      if (key == "BEACH1") {
        anim->AddCoords(330, 146, 1.0f);
        anim->AddCoords(160, 146, 1.0f);
        anim->AddCoords(500, 146, 1.0f);
      } else {
        anim->AddCoords(485, 158, 1.0f);
      }
    }
  }
  return 0;
}

int TGameScreen::AddGopherCoords(const std::shared_ptr<TAmbientAnim>& anim) {
  for (int i = 0; i < 20; ++i) {
    int x = 0, y = 0;
    if (EffectsRandom.Rand(1, 2) == 1) {
      x = EffectsRandom.Rand(35, 80);
      y = EffectsRandom.Rand(270, 405);
    } else {
      x = EffectsRandom.Rand(720, 765);
      y = EffectsRandom.Rand(270, 400);
    }
    const float scale = 0.5f + ((y - 270) / 135.0f) / 2.0f;
    anim->AddCoords(x, y, scale);
  }
  return 0;
}

int TGameScreen::CreateStaticAmbientAnims() {
  auto course = CourseFind(Player->SaveData->CourseName);
  if (!course) return 0;
  const std::string key = BackgroundKey(course->BackgroundImage);
  if (!OneOf(key, {"MUNICIPAL1", "MUNICIPAL2"})) return 0;
  for (int i = 0; i < AmbientAnimsTotal; ++i) {
    const auto& anim = AmbientAnims[static_cast<std::size_t>(i)];
    if (!anim || anim->AnimType != 4 || !anim->PossibleCoords || anim->PossibleCoords->empty())
      continue;
    if (EffectsRandom.Rand(1, 100) < 15) {
      const int flip = EffectsRandom.Rand(0, 1);
      const auto& at = (*anim->PossibleCoords)[static_cast<std::size_t>(
          EffectsRandom.Rand(0, static_cast<int>(anim->PossibleCoords->size()) - 1))];
      anim->MakeParticle(at->x, at->y, flip, at->scale);
    }
  }
  return 0;
}

int TGameScreen::AmbientAnimsManage() {
  if (GopherActiveCounter > 0) {
    GopherActiveCounter -= Delta;
    if (GopherActiveCounter < 0) GopherActiveCounter = 0;
  }
  for (int i = 0; i < AmbientAnimsTotal; ++i) {
    const auto& anim = AmbientAnims[static_cast<std::size_t>(i)];
    if (!anim || anim->ChanceTest == 0) continue;
    anim->ChanceCounter += Delta;
    const int n = static_cast<int>(Game->CalcAnimLength(anim->ChanceTest));
    if (anim->ChanceCounter <= n) continue;
    anim->ChanceCounter -= static_cast<float>(n);
    if (EffectsRandom.Rand(1, 100) > anim->Chance) continue;
    auto randomCoords = [&anim]() {
      const auto& coords = *anim->PossibleCoords;
      return coords[static_cast<std::size_t>(EffectsRandom.Rand(0, static_cast<int>(coords.size()) - 1))];
    };
    const bool placed = anim->PossibleCoords && !anim->PossibleCoords->empty();
    switch (anim->AnimType) {
      case 1: {
        const int count = EffectsRandom.Rand(1, 7);
        const int side = EffectsRandom.Rand(0, 1);
        for (int k = 0; k < count; ++k) {
          const int y = EffectsRandom.Rand(20, 175);
          if (side == 0)
            anim->MakeParticle(EffectsRandom.Rand(ScreenWidth + 50, ScreenWidth + 200), y, 0, 1.0f);
          else
            anim->MakeParticle(EffectsRandom.Rand(-200, -50), y, 1, 1.0f);
        }
        break;
      }
      case 3: {
        if (GopherActiveCounter > 0) return 0;
        if (!placed) break;
        const int flip = EffectsRandom.Rand(0, 1);
        const auto at = randomCoords();
        anim->MakeParticle(at->x, at->y, flip, at->scale);
        GopherActiveCounter = Game->CalcAnimLength(anim->Duration);
        break;
      }
      case 5: {
        if (!placed) break;
        const int flip = EffectsRandom.Rand(0, 1);
        const auto at = randomCoords();
        anim->MakeParticle(at->x, at->y, flip, at->scale);
        break;
      }
      default: break;
    }
  }
  return 0;
}
