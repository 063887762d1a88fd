// quill_sounds: makes the game's sound effects, music, ambience loops and announcer lines.
//
//   quill_sounds --manifest sounds.txt --speech speech.txt --out DIR
//                [--festival PROGRAM | --espeak PROGRAM]
//                [--timing FILE] [PATH...]      make the named files (all when none are named)
//   quill_sounds --manifest sounds.txt --speech speech.txt --check
//                                               every listed file has a recipe or a spoken line
//
// Effects and music are synthesised here; announcer lines (paths under "speech/") are spoken from
// the texts in speech.txt by festival's HTS voice (or by espeak-ng when --espeak is given). Files
// ending in ".wav" are 16-bit PCM, all others Ogg Vorbis. Every sound is seeded by its path, so the
// same sources give the same bytes.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tools/sounds/codec.h"
#include "tools/sounds/dsp.h"
#include "tools/sounds/registry.h"
#include "tools/sounds/speech.h"
#include "tools/manifest/manifest_table.h"

namespace fs = std::filesystem;

namespace {

// Lines "path | rest": the first column and the rest, both trimmed; comments and blanks skipped.
bool ReadTable(const std::string& file, std::vector<std::pair<std::string, std::string>>& rows,
               std::string& error) {
  std::vector<ManifestRow> table;
  if (!ReadManifestTable(file, table, error)) return false;
  for (const ManifestRow& row : table) {
    if (!row.has_bar) {
      error = file + ":" + std::to_string(row.line) + ": expected \"path | ...\"";
      return false;
    }
    rows.emplace_back(row.columns[0], row.rest);
  }
  return true;
}

bool IsSpeech(const std::string& path) { return path.rfind("speech/", 0) == 0; }

// DC out, 5 ms fades at both ends of a one-shot, then the peak.
void Level(snd::Sound& s) {
  snd::RemoveDc(s.left);
  if (s.Stereo()) snd::RemoveDc(s.right);
  if (!s.loop) {
    snd::EdgeFades(s.left, 0.005);
    if (s.Stereo()) snd::EdgeFades(s.right, 0.005);
  }
  if (s.rms_db < 0) {
    // Tracks of one kind share a loudness; the peak limit still holds.
    const double l = snd::ActiveRms(s.left), r = s.Stereo() ? snd::ActiveRms(s.right) : l;
    const double rms = std::sqrt((l * l + r * r) / 2);
    const double peak = std::max(snd::Peak(s.left), s.Stereo() ? snd::Peak(s.right) : 0.0);
    if (rms > 0 && peak > 0) {
      const double g = std::min(std::pow(10.0, s.rms_db / 20) / rms, std::pow(10.0, s.peak_db / 20) / peak);
      snd::Gain(s.left, g);
      if (s.Stereo()) snd::Gain(s.right, g);
    }
    return;
  }
  snd::Normalise(s, s.peak_db);
  if (!s.Stereo()) {
    // A pure tone at full peak sounds far louder than a noisy effect at the same peak.
    const double rms = snd::ActiveRms(s.left);
    const double cap = std::pow(10.0, s.max_rms_db / 20);
    if (rms > cap) snd::Gain(s.left, cap / rms);
  }
}

void Finish(snd::Sound& s, bool ogg) {
  if (!s.levelled) Level(s);
  if (ogg && !s.loop) {
    // A little silence after the fade: the encoder's last block then ends quiet too.
    s.left.resize(s.left.size() + snd::Samples(0.06), 0.f);
    if (s.Stereo()) s.right.resize(s.left.size(), 0.f);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const auto started = std::chrono::steady_clock::now();
  std::string manifest, speech_file, out_dir, timing;
  snd::Voice voice;
  bool check = false;
  std::vector<std::string> only;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--manifest" && i + 1 < argc) manifest = argv[++i];
    else if (a == "--speech" && i + 1 < argc) speech_file = argv[++i];
    else if (a == "--out" && i + 1 < argc) out_dir = argv[++i];
    else if (a == "--timing" && i + 1 < argc) timing = argv[++i];
    else if (a == "--festival" && i + 1 < argc) voice = snd::FestivalVoice(argv[++i]);
    else if (a == "--espeak" && i + 1 < argc) voice = snd::EspeakVoice(argv[++i]);
    else if (a == "--check") check = true;
    else only.push_back(a);
  }
  if (manifest.empty() || speech_file.empty() || (!check && out_dir.empty())) {
    std::cerr << "usage: quill_sounds --manifest sounds.txt --speech speech.txt "
                 "(--check | --out DIR [PATH...])\n";
    return 2;
  }
  std::string error;
  std::vector<std::pair<std::string, std::string>> listed, lines;
  if (!ReadTable(manifest, listed, error) || !ReadTable(speech_file, lines, error)) {
    std::cerr << error << "\n";
    return 1;
  }
  std::map<std::string, std::string> spoken(lines.begin(), lines.end());
  snd::Registry reg;
  snd::AddEffects(reg);
  snd::AddJingles(reg);
  snd::AddNewsroom(reg);
  snd::AddMusic(reg);
  snd::AddAmbience(reg);

  if (check) {
    int bad = 0;
    std::set<std::string> names;
    for (const auto& [path, who] : listed) {
      names.insert(path);
      const bool known = IsSpeech(path) ? spoken.count(path) > 0 : reg.count(path) > 0;
      if (!known) {
        std::cerr << manifest << ": nothing makes " << path << "\n";
        ++bad;
      }
    }
    for (const auto& [path, recipe] : reg)
      if (!names.count(path)) std::cerr << "recipe for " << path << " is not in " << manifest << "\n", ++bad;
    for (const auto& [path, text] : spoken)
      if (!names.count(path)) std::cerr << speech_file << ": " << path << " is not in " << manifest << "\n", ++bad;
    return bad ? 1 : 0;
  }

  std::set<std::string> wanted(only.begin(), only.end());
  // The announcer's lines of this run, spoken together.
  std::vector<std::string> speech_paths, speech_texts;
  for (const auto& [path, who] : listed) {
    if (!IsSpeech(path) || (!wanted.empty() && !wanted.count(path))) continue;
    const auto it = spoken.find(path);
    if (it == spoken.end()) {
      std::cerr << speech_file << ": no line for " << path << "\n";
      return 1;
    }
    speech_paths.push_back(path);
    speech_texts.push_back(it->second);
  }
  std::vector<snd::Sound> speech_sounds;
  if (!speech_texts.empty() && !snd::SpeakLines(voice, speech_texts, speech_sounds, error)) {
    std::cerr << "quill_sounds: announcer: " << error << "\n";
    return 1;
  }
  std::size_t done = 0;
  for (const auto& [path, who] : listed) {
    if (!wanted.empty() && !wanted.count(path)) continue;
    snd::Sound sound;
    if (IsSpeech(path)) {
      const auto at = std::find(speech_paths.begin(), speech_paths.end(), path) - speech_paths.begin();
      sound = std::move(speech_sounds[static_cast<std::size_t>(at)]);
    } else {
      const auto it = reg.find(path);
      if (it == reg.end()) {
        std::cerr << "quill_sounds: no recipe for " << path << "\n";
        return 1;
      }
      snd::Rng rng(snd::HashName(path));
      sound = it->second(rng);
      if (sound.Frames() == 0) {
        std::cerr << "quill_sounds: the recipe for " << path << " made nothing\n";
        return 1;
      }
    }
    const fs::path out = fs::path(out_dir) / path;
    const bool wav = out.extension() == ".wav";
    Finish(sound, !wav);
    std::error_code ec;
    fs::create_directories(out.parent_path(), ec);
    const float quality = sound.Stereo() ? 0.25f : 0.3f;
    const bool ok = wav ? snd::WriteWav(out.string(), sound, error)
                        : snd::WriteOgg(out.string(), sound, quality, error);
    if (!ok) {
      std::cerr << error << "\n";
      return 1;
    }
    ++done;
  }
  if (done != (wanted.empty() ? listed.size() : wanted.size())) {
    std::cerr << "quill_sounds: some requested sounds are not in " << manifest << "\n";
    return 1;
  }
  if (!timing.empty()) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - started).count();
    std::ofstream(timing) << ms << "\n";
  }
  return 0;
}
