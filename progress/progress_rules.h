#pragma once
// Rules shared by the screens of a round: course lookup and the crowd's cheer.

#include <memory>
#include <string>

class TCourse;

// The course of that name in the course list (exact name), or none.
std::shared_ptr<TCourse> CourseFind(const std::string& name);
// Plays the crowd cheer "Crowd_Cheer" followed by a random number from `from` to `to`.
int PlayCheer(int from, int to);
// Plays the crowd groan "Crowd_Groan" followed by a random number from 1 to 6.
int PlayGroan();
