// The real loader over a copy of the staged data folder with one file broken: the game stops at
// start through its fatal report, naming the file and the line or field, writes the error log, and
// leaves every player file as it was.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "content/loading.h"
#include "platform/files.h"
#include "platform/system.h"
#include "tests/content/real_game.h"
#include "util/error.h"
#include "util/globals.h"

namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::stringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string Join(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

// The first hole file of the first course of the staged list.
std::string FirstHole(const std::string& prefix) {
  const auto list = Lines(ReadAll(prefix + "Data/levels/CourseList.csv"));
  const std::string course = list.at(1).substr(0, list.at(1).find(','));
  return Lines(ReadAll(prefix + "Data/levels/courses/" + course + ".txt")).at(16);
}

// The course list with column `column` (from 0) of its first course replaced.
std::string ListWithColumn(const std::string& prefix, int column, const std::string& value) {
  auto lines = Lines(ReadAll(prefix + "Data/levels/CourseList.csv"));
  std::string& row = lines.at(1);
  std::size_t start = 0;
  for (int i = 0; i < column; ++i) start = row.find(',', start) + 1;
  row.replace(start, row.find(',', start) - start, value);
  return Join(lines);
}

struct BrokenFile {
  const char* label;
  // The broken file's path below the data prefix, and its new text, from the staged folder.
  std::string (*file)(const std::string& prefix);
  std::string (*text)(const std::string& prefix);
  const char* message;  // what the fatal report must show (a regular expression)
};

const BrokenFile kBrokenFiles[] = {
    {"HoleCutShort", [](const std::string& p) { return "Data/levels/holes/" + FirstHole(p); },
     [](const std::string& p) {
       // Cut after its four header lines, before the first card.
       const auto lines = Lines(ReadAll(p + "Data/levels/holes/" + FirstHole(p)));
       return Join({lines.begin(), lines.begin() + 4});
     },
     "Hole file .*Data/levels/holes/[a-z_0-9]+\\.txt: the hole has no cards"},
    {"NegativeFee", [](const std::string&) { return std::string("Data/levels/CourseList.csv"); },
     [](const std::string& p) { return ListWithColumn(p, 4, "-50"); },
     "Fee '-50' is not a whole number from 0 to 2147483647.*CourseList\\.csv, line 2"},
    {"BackgroundClimbsOut", [](const std::string&) { return std::string("Data/levels/CourseList.csv"); },
     [](const std::string& p) { return ListWithColumn(p, 3, "/../../../../tmp/x"); },
     "Background column '/\\.\\./\\.\\./\\.\\./\\.\\./tmp/x' names a picture outside.*CourseList\\.csv, line 2"},
    {"TextTableCutInHalf", [](const std::string&) { return std::string("Data/text/gametext.txt"); },
     [](const std::string& p) {
       const std::string text = ReadAll(p + "Data/text/gametext.txt");
       return text.substr(0, text.size() / 2);
     },
     "The text table .*Data/text/gametext\\.txt has no text for the key '"},
    {"SpeechChancesOfRandomBytes", [](const std::string&) { return std::string("Data/speech/chance.txt"); },
     [](const std::string&) { return std::string("\x8F\x02\xFFz\x11q=\x9C\n\x01\x7F"); },
     "The speech chances file .*Data/speech/chance\\.txt, line 1: "},
    {"FontPageSizeZero", [](const std::string&) { return std::string("Data/fonts/arialbold18.fnt"); },
     [](const std::string& p) {
       auto lines = Lines(ReadAll(p + "Data/fonts/arialbold18.fnt"));
       const std::size_t at = lines.at(1).find("scaleW=");
       lines.at(1).replace(at, 11, "scaleW=0   ");
       return Join(lines);
     },
     "The font descriptor '.*/Data/fonts/arialbold18\\.fnt', line 2: "
     "the page size 0 x [0-9]+ is empty"},
    // Named as the folder stands on disk, "Data/" with its capital.
    {"FontDescriptorWithATailOfNuls",
     [](const std::string&) { return std::string("Data/fonts/arialbold18.fnt"); },
     [](const std::string& p) {
       return ReadAll(p + "Data/fonts/arialbold18.fnt") + std::string(2 << 20, '\0');
     },
     "The data file .*/Data/fonts/arialbold18\\.fnt is damaged: it holds 2[0-9]{6} bytes, "
     "more than the 1048576"},
    // What a crash can leave: a whole file followed by megabytes of blank lines or NULs. It is
    // refused by its size before a line of it is read.
    {"HoleWithATailOfBlankLines", [](const std::string& p) { return "Data/levels/holes/" + FirstHole(p); },
     [](const std::string& p) {
       return ReadAll(p + "Data/levels/holes/" + FirstHole(p)) + std::string(10 << 20, '\n');
     },
     "The data file .*Data/levels/holes/[a-z_0-9]+\\.txt is damaged: it holds 1048[0-9]{4} bytes, "
     "more than the 65536"},
    {"TextTableWithATailOfNuls", [](const std::string&) { return std::string("Data/text/gametext.txt"); },
     [](const std::string& p) { return ReadAll(p + "Data/text/gametext.txt") + std::string(2 << 20, '\0'); },
     "The data file .*Data/text/gametext\\.txt is damaged: it holds 2[0-9]{6} bytes, more than the "
     "1048576"},
};

class BrokenDataTest : public testing::TestWithParam<BrokenFile> {
 protected:
  // Every file of the player's folder with its bytes.
  static std::map<std::string, std::string> PlayerFiles() {
    std::map<std::string, std::string> files;
    const fs::path folder = platform::UserDataFolder();
    if (!fs::is_directory(folder)) return files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
      if (entry.is_regular_file()) files[entry.path().string()] = ReadAll(entry.path());
    return files;
  }

  // Loads both stages over a copy of the data folder with the broken file and ends the process:
  // status 0 when the load stopped fatally, with the log written and no player file changed; the
  // message goes to standard error for the caller to match.
  static void LoadBroken(const std::string& prefix, const BrokenFile& broken) {
    std::string root = (fs::temp_directory_path() / "quill-broken-XXXXXX").string();
    if (mkdtemp(root.data()) == nullptr) std::exit(10);
    const std::string relative = broken.file(prefix);
    std::vector<std::string> parts;
    for (const auto& part : fs::path(relative)) parts.push_back(part.string());
    MirrorDataFolder(prefix, root, parts);
    std::ofstream(root + "/" + relative, std::ios::binary) << broken.text(prefix);
    int status = 11;
    std::map<std::string, std::string> before;
    try {
      StartGameForLoading(root + "/");
      // A player file the load must leave alone, beside what the first stage wrote.
      std::ofstream(platform::UserDataFolder() + "Keep.dat", std::ios::binary) << "player data";
      before = PlayerFiles();
      LoadData2();
      std::fprintf(stderr, "the broken file was accepted\n");
    } catch (const ccFatalError& error) {
      std::fprintf(stderr, "%s\n", error.what());
      auto after = PlayerFiles();
      const std::string log = ccErrorPath + "ErrorLog.txt";
      const bool logged = after.count(log) != 0 && after[log].find(error.what()) != std::string::npos;
      after.erase(log);
      status = logged ? 0 : 12;
      for (const auto& [path, bytes] : before) {
        if (path == log) continue;
        if (after.count(path) == 0 || after[path] != bytes) {
          std::fprintf(stderr, "changed: %s\n", path.c_str());
          status = 13;
        }
      }
    } catch (...) {
      std::fprintf(stderr, "the load ended without the fatal report\n");
    }
    std::error_code ignored;
    fs::remove_all(root, ignored);
    std::exit(status);
  }
};

TEST_P(BrokenDataTest, StopsTheGameAtStartNamingTheFile) {
  const std::string prefix = platform::DataPrefix();
  if (!DataFolderPresent(prefix)) GTEST_SKIP() << "no data folder at " << prefix << "Data";
  // A fresh process: the load replaces the game's globals, which other suites read.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(LoadBroken(prefix, GetParam()), testing::ExitedWithCode(0), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(Files, BrokenDataTest, testing::ValuesIn(kBrokenFiles),
                         [](const testing::TestParamInfo<BrokenFile>& info) { return std::string(info.param.label); });

}  // namespace
