#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/Numeric.h"

namespace vexa {
namespace {

TEST(Numeric, RoundIsHalfToEvenAndTruncGoesTowardZero) {
  struct Case { long double v; int64_t round; int64_t trunc; };
  for (const Case& c : {Case{0.5L, 0, 0}, Case{1.5L, 2, 1}, Case{2.5L, 2, 2}, Case{-0.5L, 0, 0},
                        Case{-1.5L, -2, -1}, Case{-2.7L, -3, -2}}) {
    EXPECT_EQ(Round(c.v), c.round) << static_cast<double>(c.v);
    EXPECT_EQ(Trunc(c.v), c.trunc) << static_cast<double>(c.v);
  }
}

TEST(Numeric, NotANumberAndOutOfRangeSaturateInsteadOfUndefinedBehaviour) {
  EXPECT_EQ(RoundInt(std::numeric_limits<long double>::quiet_NaN()), 0);
  EXPECT_EQ(RoundInt(1e30L), std::numeric_limits<int32_t>::max());
  EXPECT_EQ(TruncInt(-std::numeric_limits<long double>::infinity()), std::numeric_limits<int32_t>::min());
}

TEST(Numeric, DivModAndMulDiv) {
  EXPECT_EQ(Div(-7, 2), -3);
  EXPECT_EQ(Mod(-7, 2), -1);
  EXPECT_EQ(Div(5, 0), 0);
  EXPECT_EQ(Div(std::numeric_limits<int64_t>::min(), -1), std::numeric_limits<int64_t>::min());
  EXPECT_EQ(MulDiv(8, 96, 72), 11);   // 10.67 rounds to 11
  EXPECT_EQ(MulDiv(-11, 72, 96), -8);  // -8.25
  EXPECT_EQ(MulDiv(1, 1, 0), -1);
}

}  // namespace
}  // namespace vexa
