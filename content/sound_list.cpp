#include "content/sound_list.h"


namespace {

std::vector<TSoundListEntry> MakeSoundList() {
  std::vector<TSoundListEntry> list;
  // Numbered families: callers build the name from the prefix and a number from 1.
  const struct {
    const char* prefix;
    int count;
  } families[] = {{"crowd_cheer", 6}, {"crowd_groan", 6}, {"cards_whoosh", 4}, {"long_drive_strike", 5}};
  for (const auto& family : families) {
    for (int i = 1; i <= family.count; ++i) {
      TSoundListEntry entry;
      entry.File = std::string(family.prefix) + std::to_string(i) + ".ogg";
      list.push_back(entry);
    }
  }
  const char* singles[] = {
      "sliding.ogg", "landing.ogg", "cash_sign.ogg", "bonus_count.ogg", "course_end_good.ogg",
      "course_end_bad.ogg", "testing.ogg", "dialog_error.ogg", "dialog_misc.ogg",
      "dialog_rustle.ogg", "dialog_hint.ogg", "dialog_new_rank.ogg", "dialog_new_record.ogg",
      "dialog_unlock_course.ogg", "dialog_unlock_item.ogg", "dialog_unlock_trophy.ogg",
      "dialog_slidein.ogg", "dialog_slideout.ogg", "resume_game.ogg", "invalid.ogg",
      "iron_power_up_collect.ogg", "iron_mouseover.ogg", "iron_morphin.ogg", "iron_morphout.ogg",
      "iron_play.ogg", "perfect_score.ogg", "timelowbeep.ogg", "timeup.ogg",
      "stopwatch_hit_sign.ogg", "bird_spin.ogg", "bird_thump.ogg", "xray.ogg",
      "token_appears.ogg", "token_hit_sign.ogg", "Sand_Wedge_Used.ogg",
      "Water_Hazard_Cleared.ogg", "card_being_played.ogg", "card_flip_quick.ogg",
      "card_landing_on_card.ogg", "play_card.ogg", "play_card_2.ogg", "play_card_3.ogg",
      "water_spray.ogg", "card_shuffle.ogg", "card_slide.ogg", "wild_shot_card_appears.ogg",
      "rifleshot.ogg", "mulligan_won.ogg", "sky_ball.ogg", "snap.ogg", "lostitem.ogg",
      "wildshot_mini.ogg", "ball_bounce.ogg", "mini_woodbounce.ogg", "mini_found_ball.ogg",
      "mini_found_money.ogg", "mini_tinydrive.ogg", "mini_smalldrive.ogg", "mini_bigdrive.ogg",
      "mini_meddrive.ogg", "mini_perfectdrive.ogg", "swish.ogg", "5x.ogg", "firework.ogg",
      "fireworksLong.ogg", "fireworksMed.ogg", "run_end.ogg", "run_end_reverse.ogg",
      "long_drive_whoosh.ogg", "long_drive_iron.ogg", "long_drive_tone.ogg", "levelstart.ogg",
      "shop/ShopEntrance.ogg", "shop/golfshop_item.ogg", "shop/golfshop_buy.ogg",
      "shop/golfshop_invalid.ogg", "newspaper/newspaper_spin.ogg", "newspaper/newspaper_land.ogg",
      "selector_cycle.ogg", "selector_zoomin.ogg", "selector_zoomout.ogg", "scorecard_appear.ogg",
      "scorecard_disappear.ogg", "scorecard_music.ogg", "flashbulb.ogg",
  };
  // The single sounds that loop or play faster than recorded.
  const struct {
    const char* file;
    float pitch;
    const char* name;
    int flags;
  } special[] = {
      {"bonus_count.ogg", 1.0f, "bonus_count", 1}, {"xray.ogg", 1.0f, "", 1},
      {"card_shuffle.ogg", 1.0f, "", 1},           {"card_slide.ogg", 1.5f, "", 0},
      {"run_end.ogg", 1.5f, "", 0},                {"run_end_reverse.ogg", 1.5f, "", 0},
      {"selector_zoomout.ogg", 1.2f, "", 0},       {"scorecard_appear.ogg", 1.2f, "", 0},
      {"scorecard_disappear.ogg", 1.2f, "", 0},
  };
  for (const char* file : singles) {
    TSoundListEntry entry;
    entry.File = file;
    for (const auto& s : special) {
      if (entry.File == s.file) {
        entry.Pitch = s.pitch;
        entry.Name = s.name;
        entry.Flags = s.flags;
      }
    }
    list.push_back(entry);
  }
  return list;
}

}  // namespace

const std::vector<TSoundListEntry>& GameSoundList() {
  static const std::vector<TSoundListEntry> list = MakeSoundList();
  return list;
}
