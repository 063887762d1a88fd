#include "gfx/game_text.h"

#include "core/game.h"
#include "core/globals.h"
#include "platform/files.h"
#include "platform/text_encoding.h"
#include "util/files.h"
#include "util/section_file.h"
#include "util/strings.h"
#include "util/word_wrap.h"

TGameTextRef TGameText::Create(const std::string& file) {
  auto table = std::make_shared<TGameText>();
  table->Read(file);
  return table;
}

int TGameText::Read(const std::string& file) {
  Entries.clear();
  auto stream = ccLoadFile(Game->TextPath + file);
  std::vector<unsigned char> bytes;
  bytes.reserve(stream->Size());
  while (!stream->Eof()) bytes.push_back(stream->ReadByte());
  return ReadText(platform::DecodeText(bytes), ccDataFileName(Game->TextPath + file));
}

int TGameText::ReadText(const std::string& text, const std::string& file) {
  Entries.clear();
  const std::vector<std::string> lines = ccSplitStringIntoLines(text);
  int index = 0;
  while (index < static_cast<int>(lines.size())) {
    const std::string where = file.empty() ? std::string() : file + ", line " + std::to_string(index + 1);
    ccTestSectionHeader("TEXT", lines[index], where);
    ++index;
    std::vector<std::string> entry = ccLoadSectionArrayFromArray(lines, index);
    if (!entry.empty()) entry[0] = ccUpperCase(entry[0]);
    Entries.push_back(std::move(entry));
  }
  return 0;
}

std::vector<std::string> TGameText::Find(const std::string& key) const {
  const std::string wanted = ccUpperCase(key);
  std::vector<std::string> result;
  for (const auto& entry : Entries) {
    if (!entry.empty() && entry[0] == wanted) result.assign(entry.begin() + 1, entry.end());
  }
  return result;
}

std::string TGameText::FindString(const std::string& key) const {
  const auto lines = Find(key);
  std::string joined;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) joined += "\r\n";
    joined += lines[i];
  }
  return joined;
}
