#include "util/settings.h"

#include <vector>

#include "platform/files.h"
#include "util/error.h"
#include "util/files.h"
#include "util/strings.h"

namespace {

// Every line of a settings file's bytes, read as the settings format reads them.
std::vector<std::string> LinesOf(std::vector<unsigned char> bytes) {
  platform::InStream stream(std::move(bytes));
  std::vector<std::string> lines;
  while (!stream.Eof()) lines.push_back(stream.ReadLine());
  return lines;
}

// Every line of a text file; nullopt without a file, or with one that is not a plain file or is too
// large to be a settings file (it is not read).
std::optional<std::vector<std::string>> ReadLines(const std::string& path) {
  platform::BoundedRead file = platform::ReadBoundedFile(path, SETTINGS_FILE_MAX_BYTES);
  if (!file.Read()) return std::nullopt;
  return LinesOf(std::move(file.bytes));
}

}  // namespace

int TIniFile::Add(const std::string& key, const std::string& default_value) {
  auto line = std::make_shared<TIniLine>();
  line->Name = ccUpperCase(key);
  line->Value = default_value;
  Lines.push_back(std::move(line));
  return 0;
}

int TIniFile::Load() {
  const std::string path = FileName + ".ini";
  platform::BoundedRead file = platform::ReadBoundedFile(path, SETTINGS_FILE_MAX_BYTES);
  // Not a plain file, far too large to be settings, or one that cannot be read: kept unread,
  // reported, and the settings start afresh.
  KeptInPlace = !file.Read() && !file.Missing() &&
                !ccSetPlayerFileAside("The settings file", path, file.reason);
  if (file.Read()) {
    for (const std::string& line : LinesOf(std::move(file.bytes))) {
      const std::string key = ccUpperCase(ccIniFirstString(line));
      const std::string value = ccIniLastString(line);
      for (const auto& entry : Lines) {
        if (entry && entry->Name == key) entry->Value = value;
      }
    }
  }
  return Save();
}

int TIniFile::Save() {
  if (KeptInPlace) return 0;
  const std::string path = FileName + ".ini";
  platform::OutStream out;
  for (const auto& entry : Lines) {
    if (entry) out.WriteLine(entry->Name + "=" + entry->Value);
  }
  std::string error;
  if (!out.Commit(path, &error)) ccRunTimeError("Failed to save file " + path + ": " + error, 1);
  return 0;
}

std::string ccReadIniLine(const std::string& path, const std::string& key) {
  const std::string wanted = ccUpperCase(key);
  const auto lines = ReadLines(path);
  if (!lines) return "";
  for (const std::string& line : *lines) {
    if (ccUpperCase(ccIniFirstString(line)) == wanted) return ccIniLastString(line);
  }
  return "";
}

int ccWriteIniLine(const std::string& source, const std::string& target, const std::string& key,
                   const std::string& value) {
  const std::string wanted = ccUpperCase(key);
  const auto lines = ReadLines(source);
  if (!lines) return 0;
  platform::OutStream out;
  for (const std::string& line : *lines) {
    if (ccUpperCase(ccIniFirstString(line)) == wanted) {
      out.WriteLine(wanted + "=" + value);
    } else {
      out.WriteLine(line);
    }
  }
  // The caller takes 1 to mean that the target holds the copied lines, so a failed write is 0.
  return out.Commit(target) ? 1 : 0;
}

int ccWriteIniNumber(platform::OutStream& stream, const std::string& key, int number) {
  stream.WriteLine(ccUpperCase(key) + "=" + std::to_string(number));
  return 0;
}

int ccWriteIniString(platform::OutStream& stream, const std::string& key, const std::string& text) {
  stream.WriteLine(ccUpperCase(key) + "=" + text);
  return 0;
}

std::string ccIniFirstString(const std::string& line) { return ccFirstStringToSub(line, "="); }

std::string ccIniLastString(const std::string& line) { return ccLastStringToSub(line, "="); }
