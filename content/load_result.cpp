#include "content/load_result.h"

#include <utility>

#include "platform/files.h"
#include "util/files.h"

std::string TLoadResult::Report() const {
  if (message.empty() || file.empty() || message.find(file) != std::string::npos) return message;
  std::string where = "\n(" + file;
  if (line > 0) where += ", line " + std::to_string(line);
  return message + where + ")";
}

TLoadResult TLoadResult::Fail(std::string message, std::string file, int line) {
  TLoadResult result;
  result.message = std::move(message);
  result.file = std::move(file);
  result.line = line;
  return result;
}

std::string QuotedData(const std::string& text) {
  std::string shown = text.substr(0, 60);
  for (char& c : shown) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u > 0x7E) c = '?';
  }
  return shown;
}

std::unique_ptr<platform::InStream> OpenDataFile(const std::string& path, std::int64_t max_bytes,
                                                 TLoadResult& failure) {
  platform::BoundedRead file = platform::ReadBoundedFile(path, max_bytes);
  if (file.Refused()) {
    failure = TLoadResult::Fail(ccDamagedDataFile(path, file.reason), ccDataFileName(path));
    return nullptr;
  }
  if (!file.Read()) {
    failure = TLoadResult::Fail(ccDataFileNotLoaded(path, file.reason), ccDataFileName(path));
    return nullptr;
  }
  return std::make_unique<platform::InStream>(std::move(file.bytes));
}
