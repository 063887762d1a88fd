#include "progress/avatar.h"

#include <cmath>

#include "core/game.h"
#include "core/globals.h"
#include "gfx/image_bank.h"
#include "platform/graphics.h"
#include "progress/player.h"
#include "progress/progress_events.h"

namespace {

constexpr int IMAGE_FLAGS = 6;  // filtered, mip-mapped

int R(double v) { return static_cast<int>(std::floor(v + 0.5)); }

std::shared_ptr<TSaveData> CurrentSave() {
  auto player = ProgressEvents().Player();
  return player ? player->SaveData : nullptr;
}

std::shared_ptr<TGameImage> LoadLayer(const std::string& file) {
  auto image = TGameImage::Create((Game ? Game->ImagePath : std::string()) + file, IMAGE_FLAGS, 0);
  if (image) image->Precache();
  return image;
}

void DrawLayer(const std::shared_ptr<TGameImage>& image, double x, double y) {
  if (image && image->image) platform::DrawImage(image->image, static_cast<float>(x), static_cast<float>(y), 0);
}

// Layer names are built from parts: the family stem, the look and the layer's part.
std::string Png(const std::string& part) { return part + ".png"; }

std::string SexWord(int male) { return male != 0 ? "Male" : "Female"; }

bool WearsSpectacles(int male, int n) { return male != 0 ? n == 1 : (n == 1 || n == 3); }

}  // namespace

std::vector<std::string> TAvatar::LayerFiles(int male, int avatar) {
  const std::string n = std::to_string(avatar + 1);
  std::vector<std::string> files;
  if (male != 0) {
    files.push_back("Avatar/avatar_gent_" + n + Png(""));
    files.push_back("Avatar/avatar_gent_" + n + Png("_stash"));
    files.push_back("Avatar/avatar_gent_body" + n + Png(""));
    if (WearsSpectacles(male, avatar + 1)) files.push_back("Avatar/avatar_gent_" + n + Png("_spectacles"));
  } else {
    files.push_back("Avatar/lady_0" + n + Png("_head"));
    files.push_back("Avatar/lady_0" + n + Png("_hathead"));
    files.push_back("Avatar/lady_0" + n + Png("_body"));
    if (WearsSpectacles(male, avatar + 1)) files.push_back("Avatar/lady_0" + n + Png("_spectacles"));
  }
  const std::string sex = SexWord(male);
  files.push_back("Avatar/" + sex + Png("_club"));
  for (int id = 0; id < ITEM_COUNT; ++id) {
    if (Skipped(id, male)) continue;
    files.push_back("Avatar/" + sex + "_clothes" + std::to_string(id) + Png(""));
    if (HasStandard(id, male)) files.push_back("Avatar/" + sex + "_clothes" + std::to_string(id) + Png("_standard"));
  }
  return files;
}

int TAvatar::Load() {
  Kill();
  auto save = CurrentSave();
  const int male = save ? save->Male : 1;
  const int avatar = save ? save->Avatar : 0;
  const int n = avatar + 1;
  const std::string num = std::to_string(n);
  if (male != 0) {
    Head = LoadLayer("Avatar/avatar_gent_" + num + Png(""));
    HeadWithStash = LoadLayer("Avatar/avatar_gent_" + num + Png("_stash"));
    Body = LoadLayer("Avatar/avatar_gent_body" + num + Png(""));
    if (WearsSpectacles(male, n)) Spectacles = LoadLayer("Avatar/avatar_gent_" + num + Png("_spectacles"));
  } else {
    Head = LoadLayer("Avatar/lady_0" + num + Png("_head"));
    HeadWithHat = LoadLayer("Avatar/lady_0" + num + Png("_hathead"));
    Body = LoadLayer("Avatar/lady_0" + num + Png("_body"));
    if (WearsSpectacles(male, n)) Spectacles = LoadLayer("Avatar/lady_0" + num + Png("_spectacles"));
  }
  const std::string sex = SexWord(male);
  Club = LoadLayer("Avatar/" + sex + Png("_club"));
  for (int id = 0; id < ITEM_COUNT; ++id) {
    if (Skipped(id, male)) continue;
    const std::string base = "Avatar/" + sex + "_clothes" + std::to_string(id);
    Clothes[static_cast<std::size_t>(id)] = LoadLayer(base + Png(""));
    if (HasStandard(id, male)) ClothesStandard[static_cast<std::size_t>(id)] = LoadLayer(base + Png("_standard"));
  }
  return 0;
}

int TAvatar::Draw(int x, int y) {
  auto save = CurrentSave();
  const int male = save ? save->Male : 1;
  const int a = save ? save->Avatar : 0;
  const double s = Scale;
  auto owns = [&save](int id) { return save && save->AvatarItems[static_cast<std::size_t>(id)] == 1; };
  if (male == 0) x += static_cast<int>(2 * s);
  platform::SetScale(Scale, Scale);
  if (male != 0) {
    DrawLayer(Club, x + R(103 * s), y + R(207 * s));
    DrawLayer(Body, x, R(y + 60 * s));
  } else {
    DrawLayer(Club, x + R(102 * s), y + R(214 * s));
    DrawLayer(Body, x, R(y + 91 * s));
  }
  if (male == 0 && owns(8)) {
    DrawLayer(HeadWithHat, x, y);
  } else if (male != 0 && owns(9)) {
    DrawLayer(HeadWithStash, x, y);
  } else {
    DrawLayer(Head, x, y);
  }
  if (!owns(3)) {
    if (male != 0 && a == 0) DrawLayer(Spectacles, R(x + 39 * s), R(y + 52 * s));
    if (male == 0 && a == 0) DrawLayer(Spectacles, R(x + 45 * s), R(y + 65 * s));
    if (male == 0 && a == 2) DrawLayer(Spectacles, R(x + 47 * s), R(y + 62 * s));
  }
  const ItemTable& order = male != 0 ? MaleClothesZOrder : FemaleClothesZOrder;
  for (const int id : order) {
    if (Skipped(id, male)) continue;
    const auto i = static_cast<std::size_t>(id);
    int cx = male != 0 ? MaleClothesX[i] : FemaleClothesX[i];
    int cy = male != 0 ? MaleClothesY[i] : FemaleClothesY[i];
    if (male != 0 && id == 3 && (a == 1 || a == 3 || a == 4)) {
      cx += 2;
      if (a != 1) cy += 1;
    }
    const int px = R(x + cx * s), py = R(y + cy * s);
    if (owns(id)) {
      DrawLayer(Clothes[i], px, py);
    } else if (HasStandard(id, male)) {
      DrawLayer(ClothesStandard[i], px, py);
    }
  }
  platform::SetScale(1, 1);
  return 0;
}

int TAvatar::Kill() {
  for (auto& c : Clothes) c.reset();
  for (auto& c : ClothesStandard) c.reset();
  Head.reset();
  HeadWithStash.reset();
  HeadWithHat.reset();
  Body.reset();
  Spectacles.reset();
  Club.reset();
  return 0;
}
