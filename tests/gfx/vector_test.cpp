#include "gfx/vector.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "gfx/line.h"
#include "gfx/shadow.h"
#include "gfx/sine_counter.h"
#include "gfx_test_support.h"
#include "util/maths.h"

namespace {

TEST(VectorTest, ArithmeticOfTheBallPhysics) {
  TVector a(1, 2), b(4, 6);
  auto d = TVector::CreateFromVectorsSubtracted(a, b);
  EXPECT_DOUBLE_EQ(d->x, 3);
  EXPECT_DOUBLE_EQ(d->y, 4);
  EXPECT_DOUBLE_EQ(d->CalcLength(), 5);
  auto n = d->CalcNormal();
  EXPECT_DOUBLE_EQ(n->x, -4);
  EXPECT_DOUBLE_EQ(n->y, 3);
  EXPECT_DOUBLE_EQ(n->DotProduct(*d), 0);
  EXPECT_DOUBLE_EQ(TVector::CreateFromVectorsAdded(a, b)->x, 5);
  EXPECT_DOUBLE_EQ(TVector::CreateFromVectorScaled(b, 0.5)->y, 3);
  EXPECT_DOUBLE_EQ(TVector::CreateFromPoints(1, 1, 4, 5)->CalcLength(), 5);
  d->Normalise();
  EXPECT_NEAR(d->CalcLength(), 1, 1e-12);
  // The utility library's vector helpers work on this class.
  EXPECT_DOUBLE_EQ(ccVectorAdd(a, b)->y, 8);
}

struct ReboundCase {
  double wallX, wallY, outX, outY;
};

void PrintTo(const ReboundCase& c, std::ostream* os) { *os << "wall " << c.wallX << ", " << c.wallY; }

class VectorRebound : public ::testing::TestWithParam<ReboundCase> {};

TEST_P(VectorRebound, KeepsTheAlongComponentAndFlipsTheAcrossOne) {
  const auto& c = GetParam();
  TVector v(2, 3);
  v.Rebound(TVector(c.wallX, c.wallY));
  EXPECT_NEAR(v.x, c.outX, 1e-12);
  EXPECT_NEAR(v.y, c.outY, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Walls, VectorRebound,
                         ::testing::Values(ReboundCase{5, 0, 2, -3}, ReboundCase{0, 5, -2, 3},
                                           ReboundCase{-5, 0, 2, -3}));

TEST(VectorTest, RotateTurnsClockwiseOnScreen) {
  TVector v(1, 0);
  v.Rotate(90);
  EXPECT_NEAR(v.x, 0, 1e-7);
  EXPECT_DOUBLE_EQ(v.y, 1);
}

TEST(LineTest, LengthIsWorkedOutOnlyWhenAsked) {
  auto line = TLine::Create(0, 0, 3, 4);
  EXPECT_DOUBLE_EQ(line->length, 0);
  line->CalcLength();
  EXPECT_DOUBLE_EQ(line->length, 5);
  EXPECT_DOUBLE_EQ(line->CalcSlope(), 4.0 / 3);
  auto v = line->GetVector();
  EXPECT_DOUBLE_EQ(v->x, 3);
  line->SetFromVector(*v, 10, 20);
  EXPECT_DOUBLE_EQ(line->sx, 10);
  EXPECT_DOUBLE_EQ(line->ey, 24);
  EXPECT_DOUBLE_EQ(line->length, 5);
  auto fromVector = TLine::CreateFromVector(1, 1, TVector(2, 2));
  EXPECT_DOUBLE_EQ(fromVector->ex, 3);
}

class SineCounterTest : public gfx_test::GameTest {};

TEST_F(SineCounterTest, AdvancesWrapsAndKeepsTheSine) {
  TSineCounter c;
  c.Manage();
  EXPECT_FLOAT_EQ(c.Counter, 1);
  EXPECT_NEAR(c.ratio, std::sin(M_PI / 180), 1e-6);
  c.Init(0, 360, 2);
  Ticks(180, [&] { c.Manage(); });
  EXPECT_FLOAT_EQ(c.Counter, 0);
  EXPECT_NEAR(c.ratio, 0, 1e-6);
  c.Init(0, 360, -1);
  c.Manage();
  EXPECT_FLOAT_EQ(c.Counter, 359);
  EXPECT_NEAR(c.ratio, -std::sin(M_PI / 180), 1e-6);
  c.Init(0, 360, 800);  // one correction per tick only
  c.Manage();
  EXPECT_FLOAT_EQ(c.Counter, 440);
}

class ShadowTest : public gfx_test::DrawTest {};

TEST_F(ShadowTest, AppliesBlackAndRestoresWhite) {
  TShadow s;
  EXPECT_FLOAT_EQ(s.X, 1);
  EXPECT_FLOAT_EQ(s.Alpha, 0.5f);
  auto other = TShadow::Create(2, 3, 0.25f);
  s.Copy(*other);
  EXPECT_FLOAT_EQ(s.Y, 3);
  platform::SetColor(10, 20, 30);
  s.Apply();
  int r, g, b;
  platform::GetColor(&r, &g, &b);
  EXPECT_EQ(r + g + b, 0);
  EXPECT_FLOAT_EQ(platform::GetAlpha(), 0.25f);
  s.Restore();
  platform::GetColor(&r, &g, &b);
  EXPECT_EQ(r + g + b, 3 * 255);
  EXPECT_FLOAT_EQ(platform::GetAlpha(), 1);
}

TEST_F(ShadowTest, LineWithoutColourDrawsInTheCurrentOne) {
  platform::SetColor(0, 255, 0);
  TLine::Create(10, 50, 100, 50)->Draw(1);
  EXPECT_EQ(Pixel(50, 50), 0xFF00FF00u);
  int r, g, b;
  platform::GetColor(&r, &g, &b);
  EXPECT_EQ(g, 255);
  EXPECT_EQ(r, 0);
}

}  // namespace
