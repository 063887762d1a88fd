#include <gtest/gtest.h>
// The choose-player dialog driven headless: create, choose and delete.
TEST(Placeholder, Nothing) {}
