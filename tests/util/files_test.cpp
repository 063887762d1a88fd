// File helpers, the high-score table, image files and small value types.
#include "util/files.h"

#include <gtest/gtest.h>

#include "platform/input.h"
#include "platform/system.h"
#include "tests/support/read_faults.h"
#include "util/error.h"
#include "util/globals.h"
#include "util/high_scores.h"
#include "util/image.h"
#include "util/screenshot.h"
#include "util/system.h"
#include "util/types.h"
#include "util_test_support.h"

using util_test::ReadAll;
using util_test::TempFolder;

TEST(Files, PathsAndExistence) {
  EXPECT_EQ(ccAddSlash("a/b"), "a/b/");
  EXPECT_EQ(ccAddSlash("a/b/"), "a/b/");
  EXPECT_EQ(ccAddSlash("a\\"), "a\\");
  EXPECT_EQ(ccAddSlash(""), "/");
  const std::string folder = TempFolder("files");
  EXPECT_EQ(ccFileExists(folder), 1);
  EXPECT_EQ(ccFileExists(folder + "nothing"), 0);
  const std::string app = ccAppFileNonDebug();
  EXPECT_EQ(app.substr(app.size() - 4), ".app");
  EXPECT_EQ(app.find("debug.app"), std::string::npos);
}

TEST(Files, MissingDataFilesAreFatal) {
  ccWriteErrors = 0;
  EXPECT_THROW(ccLoadFile("no/such/file.txt"), ccFatalError);
  try {
    ccLoadSample("no/such/sound.ogg", 0);
    ADD_FAILURE();
  } catch (const ccFatalError& error) {
    EXPECT_STREQ(error.what(), "Error loading sample no/such/sound.ogg");
  }
  ccWriteErrors = 1;
}

// The reader finds a data file whatever the letter case it is asked for; its messages name it as
// it stands on disk, so the player looks for the folder and the file that are really there.
TEST(Files, MessagesNameADataFileAsItStandsOnDisk) {
  ccWriteErrors = 0;
  const std::string data = TempFolder("data-names");
  ASSERT_TRUE(platform::CreateFolder(data + "Data/Fonts"));
  util_test::WriteAll(data + "Data/Fonts/Big.fnt", "info face=Big\n");
  const struct {
    const char* asked;
    std::int64_t bound;
    std::string message;
  } cases[] = {
      {"data/fonts/big.fnt", 4,
       "The data file " + data +
           "Data/Fonts/Big.fnt is damaged: it holds 14 bytes, more than the 4"},
      {"data/fonts/none.fnt", TEXT_FILE_MAX_BYTES,
       "Error loading file " + data + "Data/Fonts/none.fnt"},
  };
  for (const auto& c : cases) {
    try {
      ccLoadFile(data + c.asked, c.bound);
      ADD_FAILURE() << c.asked << " was read";
    } catch (const ccFatalError& error) {
      EXPECT_EQ(std::string(error.what()).substr(0, c.message.size()), c.message);
    }
  }
  EXPECT_EQ(ccDataFileName(data + "DATA/fonts/BIG.FNT"), data + "Data/Fonts/Big.fnt");
  ccWriteErrors = 1;
}

// A data file that is there but cannot be read is not called missing: its message gives the
// system's reason, which tells the player what to mend (the file's owner or mode).
TEST(Files, AnUnreadableDataFileIsNamedWithTheReason) {
  ccWriteErrors = 0;
  const std::string data = TempFolder("data-unreadable");
  ASSERT_TRUE(platform::CreateFolder(data + "Data"));
  util_test::WriteAll(data + "Data/text.txt", "words\n");
  quill_test::ReadFaults faults("text.txt");
  try {
    ccLoadFile(data + "Data/text.txt");
    ADD_FAILURE() << "the file was read";
  } catch (const ccFatalError& error) {
    EXPECT_STREQ(error.what(),
                 ("Error loading file " + data + "Data/text.txt: Permission denied").c_str());
  }
  EXPECT_EQ(faults.Faulted(), 1);
  ccWriteErrors = 1;
}

TEST(HighScores, InsertLoadSaveAndZero) {
  const std::string folder = TempFolder("scores");
  THighScoreList table;
  table.Create(folder + "scores", 10);
  EXPECT_EQ(table.filepath, folder + "scores.dat");
  table.Load();  // no file: the default table, written at once
  ASSERT_EQ(table.Count(), 10);
  EXPECT_EQ(table.Entries.front()->score, 10000);
  EXPECT_EQ(table.Entries.back()->score, 1000);

  table.Entries.clear();
  table.Insert("A", 9000, 1);
  table.Insert("B", 8000, 2);
  table.Insert("New", 8000, 3);  // an equal score goes above
  table.Insert("Low", 10, 4);
  std::vector<std::string> order;
  for (const auto& entry : table.Entries) order.push_back(entry->name);
  EXPECT_EQ(order, (std::vector<std::string>{"A", "New", "B", "Low"}));

  table.Entries.clear();
  table.Add("Zoë Smith", 123, 4);
  table.Add("", -5, 0);
  table.Save();
  THighScoreList again;
  again.Create(folder + "scores", 10);
  again.Load();
  ASSERT_EQ(again.Count(), 2);
  EXPECT_EQ(again.Entries.front()->name, "Zoë Smith");
  EXPECT_EQ(again.Entries.front()->score, 123);
  EXPECT_EQ(again.Entries.back()->name, "");
  EXPECT_EQ(again.Entries.back()->score, -5);

  table.Zero(3);
  EXPECT_EQ(ReadAll(table.filepath).size(), 3u * (std::string("Empty").size() + 1 + 8));
  // A file that ends inside a record loses only that record.
  util_test::WriteAll(table.filepath, ReadAll(table.filepath).substr(0, 30));
  again.Load();
  EXPECT_EQ(again.Count(), 2);
}

TEST(ImageFiles, BitmapWriter) {
  const struct {
    int width, height;
    std::size_t file_size;
  } sizes[] = {{1, 1, 58}, {3, 2, 54 + 24}, {4, 1, 54 + 12}, {800, 600, 54 + 2400 * 600}};
  for (const auto& s : sizes) {
    platform::Pixmap pixmap(s.width, s.height);
    platform::OutStream out;
    ccWriteBMP(out, pixmap);
    EXPECT_EQ(out.Bytes().size(), s.file_size) << s.width;
  }
  platform::Pixmap pixmap(3, 2);
  pixmap.WritePixel(0, 1, ARGB_Color(255, 255, 128, 0));  // bottom row, first pixel
  platform::OutStream out;
  ccWriteBMP(out, pixmap);
  const std::vector<unsigned char>& bytes = out.Bytes();
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(bytes[1], 'M');
  EXPECT_EQ(bytes[54], 0);  // blue, green, red of the bottom row comes first
  EXPECT_EQ(bytes[55], 128);
  EXPECT_EQ(bytes[56], 255);
  EXPECT_EQ(bytes[63], 0);  // padding
}

TEST(ImageFiles, SavedImageAndDatedScreenshot) {
  std::string error;
  ASSERT_TRUE(platform::GraphicsOpen(platform::GraphicsOptions{}, &error)) << error;
  const std::string folder = TempFolder("images");
  platform::ImageRef image = platform::CreateImage(2, 2, 1);
  ccSaveImage(image, folder + "two.bmp");
  EXPECT_EQ(ReadAll(folder + "two.bmp").size(), 54u + 16u);

  const platform::LocalDateTime when = util_test::PinnedMoment();
  platform::PinNow(when);
  ccScreenShot(folder);
  platform::PinNow(when, false);
  platform::GraphicsClose();
  EXPECT_NE(platform::LoadPixmap(folder + "2026-12-07 210509 screenshot.png"), nullptr);
}

TEST(SmallTypes, ColoursBoxesAndCircles) {
  TColor fresh;
  EXPECT_EQ(fresh.R + fresh.G + fresh.B, 0);
  EXPECT_FLOAT_EQ(fresh.Alpha, 1.0f);
  std::string error;
  ASSERT_TRUE(platform::GraphicsOpen(platform::GraphicsOptions{}, &error)) << error;
  TColor::Create(10, 20, 30, 0.5f)->Apply();
  TColor::Create(1, 2, 3, 0.9f)->ApplyNoAlpha();
  EXPECT_FLOAT_EQ(platform::GetAlpha(), 0.5f);
  fresh.Restore();
  int r = 0, g = 0, b = 0;
  platform::GetColor(&r, &g, &b);
  EXPECT_EQ(r + g + b, 765);
  EXPECT_FLOAT_EQ(platform::GetAlpha(), 1.0f);

  platform::SetBlend(platform::BLEND_SOLID);
  platform::SetClsColor(0, 0, 0);
  platform::Cls();
  auto box = TBox::Create(0, 0, 10, 10, nullptr);
  box->Draw();
  auto circle = TCircle::Create(100, 50, 10);
  platform::SetColor(255, 0, 0);
  circle->Draw();
  platform::PixmapRef grab = platform::GrabPixmap(0, 0, 200, 100);
  EXPECT_EQ(grab->ReadPixel(5, 5) & 0xFFFFFFu, 0u);  // no colour: nothing drawn
  EXPECT_EQ(grab->ReadPixel(100, 50) & 0xFFFFFFu, 0xFF0000u);
  EXPECT_EQ(grab->ReadPixel(100, 41) & 0xFFFFFFu, 0xFF0000u);
  EXPECT_EQ(grab->ReadPixel(100, 38) & 0xFFFFFFu, 0u);
  platform::GetColor(&r, &g, &b);
  EXPECT_EQ(g, 0);  // drawn in the current colour, left alone
  box->Color = TColor::Create(0, 255, 0, 1);
  box->Kill();
  EXPECT_EQ(box->Color, nullptr);
  platform::GraphicsClose();
}

