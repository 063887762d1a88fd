// The newspaper pictures the staged course list calls for. A new player meets the first two
// courses one after the other, so their pages must not show the same picture; and every picture a
// course's picture code names must be one the art tools draw (listed in the picture manifest) and
// staged, or the page stops the game when that course starts.

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "content/course_list.h"
#include "content/newspaper_pictures.h"
#include "manifest_reader.h"
#include "platform/files.h"
#include "platform/graphics.h"
#include "platform/system.h"

using data_test::DataDir;

namespace {

// The staged course list as the game reads it; the course files are not needed here.
TCourseList StagedCourses() {
  TCourseListOptions options;
  options.DataPrefix = platform::DataPrefix();
  options.ReadCourse = [](TCourse& course, const std::string& name) {
    course.Name = name;
    return TLoadResult{};
  };
  TCourseList courses;
  const TLoadResult result = ReadCourseList(options, courses);
  EXPECT_TRUE(result.Ok()) << result.Report();
  return courses;
}

// Every file, below the graphics folder, that the page loads for a course (the portraits, which
// every avatar has, aside).
std::vector<std::string> PicturesOf(const TCourse& course) {
  const TNewspaperPictures p = NewspaperPicturesFor(course.StoryPicture, course.Name);
  std::vector<std::string> files{p.Picture};
  if (!p.Trophy.empty()) files.push_back(p.Trophy);
  return files;
}

// The share of pixels that differ clearly (by more than 40 in a colour channel) between two
// pictures of the same size.
double DifferingShare(const platform::Pixmap& a, const platform::Pixmap& b) {
  int n = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) {
      const platform::Argb pa = a.ReadPixel(x, y), pb = b.ReadPixel(x, y);
      for (int shift = 0; shift < 24; shift += 8)
        if (std::abs(static_cast<int>((pa >> shift) & 0xFF) - static_cast<int>((pb >> shift) & 0xFF)) > 40) {
          ++n;
          break;
        }
    }
  return static_cast<double>(n) / (a.Width() * a.Height());
}

TEST(DataNewspaper, TheFirstTwoCoursesShowPicturesOfTheirOwn) {
  const TCourseList courses = StagedCourses();
  ASSERT_GE(courses.size(), 2u);
  const TCourse& first = *courses[0];
  const TCourse& second = *courses[1];
  const std::string a = NewspaperPicturesFor(first.StoryPicture, first.Name).Picture;
  const std::string b = NewspaperPicturesFor(second.StoryPicture, second.Name).Picture;
  ASSERT_NE(a, b) << first.Name << " (code " << first.StoryPicture << ") and " << second.Name << " (code "
                  << second.StoryPicture << ") show the same picture";
  // Two files that are one drawing (or two stand-in boards) would look the same on the page.
  const platform::PixmapRef pa = platform::LoadPixmap(DataDir() + "graphics/" + a);
  const platform::PixmapRef pb = platform::LoadPixmap(DataDir() + "graphics/" + b);
  ASSERT_TRUE(pa) << a;
  ASSERT_TRUE(pb) << b;
  ASSERT_EQ(pa->Width(), pb->Width());
  ASSERT_EQ(pa->Height(), pb->Height());
  EXPECT_GT(DifferingShare(*pa, *pb), 0.25) << a << " and " << b << " look alike";
}

TEST(DataNewspaper, EveryPictureACourseCallsForIsDrawnAndStaged) {
  std::set<std::string> drawn;
  for (const auto& e : data_test::ReadManifest("images.txt")) drawn.insert(e.path);
  ASSERT_FALSE(drawn.empty());
  const TCourseList courses = StagedCourses();
  ASSERT_FALSE(courses.empty());
  for (const auto& course : courses)
    for (const std::string& file : PicturesOf(*course)) {
      EXPECT_TRUE(drawn.count("graphics/" + file))
          << course->Name << " (code " << course->StoryPicture << "): graphics/" << file
          << " is not in images.txt, so nothing draws it";
      EXPECT_TRUE(platform::FileExists(DataDir() + "graphics/" + file))
          << course->Name << " (code " << course->StoryPicture << "): graphics/" << file << " is not staged";
    }
}

}  // namespace
