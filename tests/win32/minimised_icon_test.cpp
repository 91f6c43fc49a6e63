// Where the minimised main dialog draws its icon.
#include <gtest/gtest.h>

#include "app/minimised_icon.h"

TEST(MinimisedIcon, IsCentredWithDivisionTowardZero) {
  struct Case {
    int clientWidth, clientHeight, iconWidth, iconHeight, x, y;
  };
  const Case cases[] = {
      {0, 0, 32, 32, -15, -15},  // -31 / 2 truncates to -15, not down to -16
      {0, 0, 33, 31, -16, -15},   {160, 120, 32, 32, 64, 44},
      {161, 121, 32, 32, 65, 45}, {32, 32, 32, 32, 0, 0},
  };
  for (const Case& c : cases) {
    IconOrigin origin = minimisedIconOrigin(c.clientWidth, c.clientHeight, c.iconWidth, c.iconHeight);
    EXPECT_EQ(origin.x, c.x) << c.clientWidth << " x " << c.clientHeight;
    EXPECT_EQ(origin.y, c.y) << c.clientWidth << " x " << c.clientHeight;
  }
}
