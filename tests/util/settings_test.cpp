#include "util/settings.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "tests/support/write_faults.h"
#include "util/error.h"
#include "util/globals.h"
#include "util_test_support.h"

using util_test::ReadAll;
using util_test::TempFolder;
using util_test::WriteAll;

namespace {

// A settings file of the three keys used below, loaded from `content`.
TIniFile LoadWith(const std::string& folder, const std::string& content) {
  TIniFile ini;
  ini.FileName = folder + "settings";
  ini.Add("Music", "1");
  ini.Add("Fade", "1");
  ini.Add("Profile Name", "");
  WriteAll(ini.FileName + ".ini", content);
  ini.Load();
  return ini;
}

std::vector<std::string> Values(const TIniFile& ini) {
  std::vector<std::string> values;
  for (const auto& line : ini) values.push_back(line->Value);
  return values;
}

}  // namespace

TEST(Settings, LinesMatchEntriesAsTheFormatSays) {
  const std::string folder = TempFolder("ini-lines");
  const struct {
    const char* content;
    std::vector<std::string> values;  // MUSIC, FADE, PROFILE NAME
  } cases[] = {
      {"music=0\r\n", {"0", "1", ""}},                       // keys match in any case
      {" MUSIC=0\r\nMUSIC =0\r\n", {"1", "1", ""}},          // blanks belong to the key
      {"PROFILE NAME=A=B\r\n", {"1", "1", "A=B"}},           // further "=" belong to the value
      {"MUSIC\r\n", {"", "1", ""}},                          // no "=": empty value
      {"FADE=\r\n", {"1", "", ""}},                          // ends after "="
      {"FADE=2\r\nFADE=3\r\n", {"1", "3", ""}},              // the later line wins
      {"UNKNOWN=5\nMUSIC=7", {"7", "1", ""}},                // LF only, no final line end
  };
  for (const auto& c : cases) {
    const TIniFile ini = LoadWith(folder, c.content);
    EXPECT_EQ(Values(ini), c.values) << c.content;
  }
}

TEST(Settings, LoadRewritesTheFileWithExactlyTheEntries) {
  const std::string folder = TempFolder("ini-rewrite");
  LoadWith(folder, "junk line\r\nfade=0\r\nFADE=0\r\n");
  EXPECT_EQ(ReadAll(folder + "settings.ini"), "MUSIC=1\r\nFADE=0\r\nPROFILE NAME=\r\n");

  TIniFile first_run;
  first_run.FileName = folder + "fresh";
  first_run.Add("Sound", "1");
  first_run.Add("Sound Volume", "80");
  first_run.Load();
  EXPECT_EQ(ReadAll(folder + "fresh.ini"), "SOUND=1\r\nSOUND VOLUME=80\r\n");
}

TEST(Settings, SaveFailureIsFatalAndNamesTheFile) {
  TIniFile ini;
  ini.FileName = "/proc/quill-no-such-folder/settings";
  ini.Add("Sound", "1");
  ccWriteErrors = 0;
  try {
    ini.Save();
    ADD_FAILURE() << "no error";
  } catch (const ccFatalError& error) {
    EXPECT_STREQ(error.what(),
                 "Failed to save file /proc/quill-no-such-folder/settings.ini: the folder "
                 "/proc/quill-no-such-folder/ cannot be written (No such file or directory)");
  }
  ccWriteErrors = 1;
}

// A full or a read-only disk: the fatal message names the file, its folder and the system's
// reason, and the settings file on disk stays as it was.
TEST(Settings, ASaveOnAFullOrReadOnlyDiskSaysWhyAndKeepsTheOldFile) {
  const std::string folder = TempFolder("ini-disk");
  WriteAll(folder + "Quillbrook.ini", "SOUND=0\r\n");
  for (const auto& [fault, reason] :
       {std::pair{quill_test::WriteFault::kFail, "No space left on device"},
        std::pair{quill_test::WriteFault::kReadOnly, "Read-only file system"}}) {
    TIniFile ini;
    ini.FileName = folder + "Quillbrook";
    ini.Add("Sound", "1");
    quill_test::WriteFaults faults(fault);
    ccWriteErrors = 0;
    try {
      ini.Save();
      ADD_FAILURE() << "no error";
    } catch (const ccFatalError& error) {
      EXPECT_EQ(std::string(error.what()), "Failed to save file " + folder + "Quillbrook.ini: the folder " +
                                               folder + " cannot be written (" + reason + ")");
    }
    ccWriteErrors = 1;
    EXPECT_EQ(ReadAll(folder + "Quillbrook.ini"), "SOUND=0\r\n");
    EXPECT_EQ(platform::ListFolder(folder), std::vector<std::string>{"Quillbrook.ini"});
  }
}

TEST(Settings, ReadingAndRewritingOneLine) {
  const std::string folder = TempFolder("ini-one-line");
  WriteAll(folder + "source.ini", "NAME=Ann\r\n\r\nSOUND=1\r\nname=Bob\r\n");
  EXPECT_EQ(ccReadIniLine(folder + "source.ini", "Name"), "Ann");  // the first line wins
  EXPECT_EQ(ccReadIniLine(folder + "source.ini", "Missing"), "");
  EXPECT_EQ(ccReadIniLine(folder + "none.ini", "Name"), "");

  EXPECT_EQ(ccWriteIniLine(folder + "source.ini", folder + "target.ini", "name", "Cy"), 1);
  EXPECT_EQ(ReadAll(folder + "target.ini"), "NAME=Cy\r\n\r\nSOUND=1\r\nNAME=Cy\r\n");
  EXPECT_EQ(ccWriteIniLine(folder + "none.ini", folder + "target2.ini", "name", "Cy"), 0);
  EXPECT_FALSE(platform::FileExists(folder + "target2.ini"));

  platform::OutStream out;
  ccWriteIniNumber(out, "Volume", -5);
  ccWriteIniString(out, "Name", "x=y");
  EXPECT_EQ(std::string(out.Bytes().begin(), out.Bytes().end()), "VOLUME=-5\r\nNAME=x=y\r\n");
  EXPECT_EQ(ccIniFirstString("Sound=1"), "Sound");
  EXPECT_EQ(ccIniLastString("Sound"), "");
}
