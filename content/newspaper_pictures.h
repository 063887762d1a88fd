#pragma once
// What the newspaper page shows for a course's picture code (TCourse::StoryPicture): the story
// picture, a trophy for the trophy stories, and whether the player's grey portrait goes with it.
// The course list checks these files when it loads, and the newspaper page loads them, from this
// one table.

#include <string>

struct TNewspaperPictures {
  std::string Picture;  // below the graphics folder, e.g. "newspaper/stats.jpg"
  std::string Trophy;   // "" when the story has no trophy
  int Portrait = 0;     // 1: the player's grey portrait is shown
  int Sign = 0;         // 1: the portrait sits on the course photo (code 1); 0: beside the trophy
};

// Code 1 the course photo "newspaper/course_images/<course>.jpg" with the portrait on it; 2 the
// course map "newspaper/maps/<course>.jpg"; 3 the statistics picture; 11 to 15 the trophy display
// with trophy 1 to 5 and the portrait; 20 to 32 the joke picture of that number; any other code
// the statistics picture.
TNewspaperPictures NewspaperPicturesFor(int code, const std::string& course);

// The grey portrait of avatar number `avatar` (0 to 4): "newspaper/BW_avatars/gent_<n>.png" or
// "lady_<n>.png" with n = avatar + 1.
std::string NewspaperPortrait(int male, int avatar);
