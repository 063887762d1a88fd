#include "content/newspaper_pictures.h"

TNewspaperPictures NewspaperPicturesFor(int code, const std::string& course) {
  TNewspaperPictures p;
  if (code == 1) {
    p.Picture = "newspaper/course_images/" + course + ".jpg";
    p.Portrait = 1;
    p.Sign = 1;
  } else if (code == 2) {
    p.Picture = "newspaper/maps/" + course + ".jpg";
  } else if (code >= 20 && code <= 32) {
    p.Picture = "newspaper/jokes/" + std::to_string(code) + ".jpg";
  } else if (code >= 11 && code <= 15) {
    p.Picture = "newspaper/trophies/trophy_display_bg.jpg";
    p.Trophy = "newspaper/trophies/trophy" + std::to_string(code - 10) + ".png";
    p.Portrait = 1;
  } else {
    p.Picture = "newspaper/stats.jpg";
  }
  return p;
}

std::string NewspaperPortrait(int male, int avatar) {
  return std::string("newspaper/BW_avatars/") + (male != 0 ? "gent_" : "lady_") +
         std::to_string(avatar + 1) + ".png";
}
