#include "util/section_file.h"

#include <gtest/gtest.h>

#include <functional>

#include "util/error.h"
#include "util/files.h"
#include "util/globals.h"
#include "util/value_list.h"
#include "util/word_wrap.h"
#include "util_test_support.h"

using util_test::Fixture;

namespace {

class QuietErrors : public ::testing::Test {
 protected:
  void SetUp() override { ccWriteErrors = 0; }
  void TearDown() override { ccWriteErrors = 1; }
};

std::string FatalMessage(const std::function<void()>& action) {
  try {
    action();
  } catch (const ccFatalError& error) {
    return error.what();
  }
  return "<no error>";
}

std::vector<std::string> FixtureLines(const std::string& name) {
  const std::optional<std::string> text = platform::ReadTextFile(Fixture(name));
  EXPECT_TRUE(text.has_value()) << Fixture(name);
  return ccSplitStringIntoLines(text.value_or(""));
}

}  // namespace

using SectionFile = QuietErrors;
using ValueList = QuietErrors;

TEST_F(SectionFile, WalkingAFile) {
  const std::vector<std::string> lines = FixtureLines("sections.txt");
  ASSERT_EQ(lines.size(), 10u);
  int index = 0;
  EXPECT_EQ(ccTestSectionHeader("INTRO", lines[static_cast<std::size_t>(index++)]), 0);  // any case
  EXPECT_EQ(ccLoadSectionArrayFromArray(lines, index),
            (std::vector<std::string>{"Hello there", "", "  indented"}));
  EXPECT_EQ(ccTestSectionHeader("EMPTY", lines[static_cast<std::size_t>(index++)]), 0);
  EXPECT_TRUE(ccLoadSectionArrayFromArray(lines, index).empty());  // straight into the next header
  EXPECT_EQ(lines[static_cast<std::size_t>(index)], "[One]");
  ++index;
  EXPECT_EQ(ccLoadSectionStringFromArray(lines, index), "single line");
  EXPECT_EQ(ccTestSectionHeader("LAST", lines[static_cast<std::size_t>(index++)]), 0);
  EXPECT_EQ(ccLoadSectionArrayFromArray(lines, index), (std::vector<std::string>{"first", "second"}));
  EXPECT_EQ(index, static_cast<int>(lines.size()));
  EXPECT_EQ(ccLoadSectionStringFromArray(lines, index), "");  // past the end: "" and still advances
  EXPECT_EQ(index, static_cast<int>(lines.size()) + 1);
}

TEST_F(SectionFile, AMisplacedHeaderIsFatal) {
  const std::vector<std::string> lines = FixtureLines("bad_header.txt");
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(FatalMessage([&] { ccTestSectionHeader("TEXT", lines[2]); }), "[TEXT] header hot found");
  EXPECT_EQ(FatalMessage([&] { ccTestSectionHeader("TEXT", " [TEXT]"); }), "[TEXT] header hot found");
  EXPECT_EQ(FatalMessage([&] { ccTestSectionHeader("HINTS", "Some text"); }), "[HINTS] header hot found");
}

TEST_F(SectionFile, ReadingStraightFromAStream) {
  auto stream = ccLoadFile(Fixture("sections.txt"));
  std::string header;
  stream->ReadLine();
  EXPECT_EQ(ccLoadSectionArrayFromFile(*stream, header),
            (std::vector<std::string>{"Hello there", "", "  indented"}));
  EXPECT_EQ(header, "[EMPTY]");
  EXPECT_TRUE(ccLoadSectionArrayFromFile(*stream, header).empty());
  EXPECT_EQ(header, "[One]");
  EXPECT_EQ(ccLoadSectionStringFromFile(*stream, header), "single line");
  EXPECT_EQ(header, "[last]");
  EXPECT_EQ(ccLoadSectionArrayFromFile(*stream, header), (std::vector<std::string>{"first", "second"}));
  EXPECT_EQ(header, "second");
}

TEST_F(ValueList, ReadsNamedNumbers) {
  auto list = TValueList::Create(Fixture("chance.txt"));
  ASSERT_EQ(list->Count(), 7);
  ASSERT_NE(list->GetValueByName("Putt"), nullptr);
  EXPECT_EQ(list->GetValueByName("Putt")->value, 25);  // the first of two
  EXPECT_EQ(list->GetValueByIndex(4)->value, 99);
  EXPECT_EQ(list->GetValueByName("PUTT"), nullptr);  // names are case-sensitive
  EXPECT_EQ(list->GetValueByName("Drive")->value, 0);
  EXPECT_EQ(list->GetValueByName("Chip")->value, 12);
  EXPECT_EQ(list->GetValueByName("Hex")->value, 31);
  ASSERT_NE(list->GetValueByName(""), nullptr);  // the empty line
  EXPECT_EQ(list->GetValueByName("")->value, 0);
  EXPECT_EQ(list->GetValueByName("NoEquals")->value, 0);
  EXPECT_EQ(list->GetValueByIndex(-1), nullptr);
  EXPECT_EQ(list->GetValueByIndex(7), nullptr);
  EXPECT_EQ(TValueList().GetValueByIndex(0), nullptr);
}

TEST_F(ValueList, MissingFileIsFatal) {
  const std::string path = Fixture("no-such-chance.txt");
  EXPECT_EQ(FatalMessage([&] { TValueList::Create(path); }), "Error loading file " + path);
}
