// The story side of the wild shot screen: reading the story file and choosing a story.

#include "wildshot/wildshot_screen.h"

#include "cards/card_list.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "core/game.h"
#include "core/globals.h"
#include "core/upper_layer.h"
#include "gfx/game_text.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/sound_bank.h"
#include "gfx/sprite.h"
#include "platform/files.h"
#include "platform/text_encoding.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "play/hud.h"
#include "progress/player.h"
#include "progress/progress_rules.h"
#include "ui/button.h"
#include "ui/menu.h"
#include "util/error.h"
#include "util/files.h"
#include "util/image.h"
#include "util/word_wrap.h"
#include "wildshot/story_rules.h"

namespace {

// The story's own sound and announcer line; the mini-game stories have neither.
bool HasOwnSounds(int n) { return n != 25 && n != 26; }

std::string HeaderName(const TWildshot& story) { return "wildshots/" + story.Title; }
std::string StripPath(const TWildshot& story) {
  return Game->ImagePath + "wildshots/anims/" + story.Title + ".png";
}
std::string SoundPath(int n) {
  return Game->SoundPath + "wildshots/" + "wildshot_" + std::to_string(n) + ".ogg";
}
std::string SpeechFile(int n) { return "wildshot/wildevent" + std::to_string(n); }

std::shared_ptr<TGameImage> LoadStrip(int n, const TWildshot& story) {
  auto strip = std::make_shared<TGameImage>();
  const bool gopher = n == 5;
  strip->LoadAnim(StripPath(story), gopher ? 160 : 118, gopher ? 176 : 172, 0, story.Frames, -1, 0);
  return strip;
}

}  // namespace

int TWildshotScreen::LoadTextData() {
  const std::string path = Game->TextPath + "wildshots.txt";
  const platform::BoundedRead file = platform::ReadBoundedFile(path, TEXT_FILE_MAX_BYTES);
  if (file.Refused()) {
    ccRunTimeError(ccDamagedDataFile(path, file.reason), 1);
    return 0;
  }
  if (!file.Read()) {
    ccRunTimeError(ccDataFileNotLoaded(path, file.reason), 1);
    return 0;
  }
  TStoryFile data;
  data.ChanceArray = ChanceArray;
  auto result = ReadStoryFile(ccSplitStringIntoLines(platform::DecodeText(file.bytes)), path, data);
  if (result.Ok()) result = CheckStoryWeights(data, path);
  if (!result.Ok()) {
    ccRunTimeError(result.message, 1);
    return 0;
  }
  InitialText = std::move(data.InitialText);
  Penalty1 = std::move(data.Penalty1);
  Penalty2 = std::move(data.Penalty2);
  ShufflingText = std::move(data.ShufflingText);
  Stories = std::move(data.Stories);
  StoriesCount = static_cast<int>(Stories.size());
  ChanceArray = std::move(data.ChanceArray);
  ChanceCount = data.ChanceCount;
  GoodChance = data.GoodChance;
  BadChance = data.BadChance;
  return 0;
}

TStoryFile TWildshotScreen::StoryTable() const {
  TStoryFile table;
  table.Stories = Stories;
  table.ChanceArray = ChanceArray;
  table.ChanceCount = ChanceCount;
  table.GoodChance = GoodChance;
  table.BadChance = BadChance;
  return table;
}

TPlaySnapshot TWildshotScreen::TakePlaySnapshot() const {
  TPlaySnapshot play;
  if (GameScreen) {
    play.LastWildshotCard = GameScreen->LastWildshotCard;
    if (const auto& player = GameScreen->Player) {
      play.Irons = player->Irons;
      play.Mulligans = player->Mulligans;
      play.TimeLimit = player->TimeLimit;
      play.TimeUp = player->TimeUp;
      play.GetEmptyIron = [player] { return player->GetEmptyIron(); };
      if (player->SaveData) {
        play.AvatarItems = player->SaveData->AvatarItems;
        play.Male = player->SaveData->Male;
      }
    }
  }
  if (HUD) {
    play.Multiplier = HUD->Multiplier;
    play.FiveXReached = HUD->FiveXReached;
  }
  if (CardList) {
    play.FreeWaterCards = static_cast<int>(CardList->WaterCardsFindFree().size());
    play.FreeSandCards = static_cast<int>(CardList->SandCardsFindFree().size());
    play.StockCount = CardList->StockCount();
    play.NormalCount = CardList->NormalCount();
  }
  return play;
}

platform::Random& TWildshotScreen::Rng() { return GameGrid ? GameGrid->Rng : OwnRng; }

int TWildshotScreen::RandStory() { return RandStoryFrom(StoryTable(), TakePlaySnapshot(), Rng()); }

std::string TWildshotScreen::MakeIronText(int iron) { return IronText(iron, Game ? Game->Region : 0); }

int TWildshotScreen::ReadyStory() {
  Readied = TReadiedStory{};
  // The same draw ChooseStory will make, on the same generators, which are then put back: the
  // story drawn at the stop is not changed by this look ahead.
  platform::Random& rng = Rng();
  const platform::Random kept = rng;
  const platform::Random effects = EffectsRandom;
  const TStoryChoice choice = ChooseStoryFrom(StoryTable(), TakePlaySnapshot(), rng, ForcedStory);
  rng = kept;
  EffectsRandom = effects;
  if (choice.Story >= 1 && choice.Story <= StoriesCount) Readied.Story = choice.Story;
  return 0;
}

int TWildshotScreen::ReadyNextPiece() {
  const int n = Readied.Story;
  if (n < 1 || n > StoriesCount || Readied.Pieces >= 5 || !Game) return 0;
  if (Readied.Wait > 0) {
    Readied.Wait -= Delta;
    return 0;
  }
  Readied.Wait = Game->CalcAnimLength(READY_PIECE_GAP_MS);
  const TWildshot& story = Stories[static_cast<std::size_t>(n - 1)];
  // A missing file is left to ChooseStory, which reports it as it always has.
  switch (Readied.Pieces++) {
    case 0:
      if (Game->Upper && platform::FileExists(Game->ImagePath + HeaderName(story) + Ext))
        Readied.Header =
            Game->Upper->CreateHeaderSprite(Game->ImagePath + HeaderName(story) + Ext,
                                            static_cast<float>(ScreenWidth / 2 + HeaderXOffset), 0);
      break;
    case 1:
      if (platform::FileExists(StripPath(story))) Readied.Strip = LoadStrip(n, story);
      break;
    case 2:
      // Its frames made ready to draw now: decoded pixels not drawn yet may be let go (and read
      // again at their first draw) when the play screen sheds them.
      if (Readied.Strip) ccCreateFrames(Readied.Strip->image);
      break;
    case 3:
      if (HasOwnSounds(n) && platform::FileExists(SoundPath(n)))
        Readied.Sound = TGameSound::Create(SoundPath(n), 0);
      break;
    default:
      if (HasOwnSounds(n) && platform::FileExists(Game->SpeechPath + SpeechFile(n) + ".ogg"))
        Readied.Speech = TGameSound::Create(Game->SpeechPath + SpeechFile(n) + ".ogg", 0);
      break;
  }
  return 1;
}

int TWildshotScreen::ChooseStory() {
  const TPlaySnapshot play = TakePlaySnapshot();
  const TStoryChoice choice = ChooseStoryFrom(StoryTable(), play, Rng(), ForcedStory);
  const int n = choice.Story;
  SpecialValue = choice.SpecialValue;
  SpecialText = n == 2 ? MakeIronText(choice.SpecialValue) : choice.SpecialText;
  SpecialValue2 = choice.SpecialValue2;
  SpecialText2 = choice.SpecialText2;
  Minigame = choice.Minigame;
  if (n == 21 && GameText) SpecialText = GameText->FindString(choice.ItemKey);
  if (GameScreen) GameScreen->LastWildshotCard = n;
  ChosenStory = n - 1;
  // The pieces readied for this story; none when another story was foreseen.
  TReadiedStory ready = Readied.Story == n ? std::move(Readied) : TReadiedStory{};
  Readied = TReadiedStory{};
  if (n < 1 || n > StoriesCount) return 0;
  const TWildshot& story = Stories[static_cast<std::size_t>(ChosenStory)];

  if (ready.Header)
    Header = ready.Header;
  else
    HeaderLoad(HeaderName(story), static_cast<float>(ScreenWidth / 2 + HeaderXOffset), 0);
  if (story.Good != 0) {
    PlayCheer(1, 0);
    Good = 1;
  } else {
    PlayGroan();
    Good = 0;
  }
  Text.clear();
  TotalLines = 0;
  if (auto stop = Menu ? Menu->FindButton("stop_wild") : nullptr) stop->Active = 0;

  if (ready.Strip) {
    WildshotAnimStrip = ready.Strip;
  } else {
    // Shows the story's headline and first picture while its strip loads.
    FirstFrame = 1;
    if (Game) Game->ScreenDraw();
    FirstFrame = 0;
    WildshotAnimStrip = LoadStrip(n, story);
  }
  WildshotAnimFrames = story.Frames;
  if (HasOwnSounds(n)) {
    AnimSound = ready.Sound ? ready.Sound : TGameSound::Create(SoundPath(n), 0);
    if (GameScreen) {
      GameScreen->SpeechLoad("wildshot event", SpeechFile(n), ready.Speech);
      GameScreen->SpeechPlay("");
    }
  }
  return 0;
}
