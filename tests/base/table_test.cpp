#include "base/table.h"

#include <gtest/gtest.h>

#include "input/problem.h"

namespace bentpier {
namespace {

// A slip past the end of an inner row must not land silently in the next
// row: in a checked build it stops the program, whichever table it is.
TEST(CheckedTableDeathTest, OutOfRangeSubscriptStopsACheckedBuild) {
  if (!kCheckedTables) GTEST_SKIP() << "subscripts are checked only in a checked build";
  Table<Table<float, 4>, 3> x{};
  x[2][0] = 7.0f;
  EXPECT_EQ(x[1][3], 0.0f);  // the last element of a row is in range
  EXPECT_DEATH(x[1][4] = 1.0f, "table index 4 out of range 0..3");
  EXPECT_DEATH(x[-1][0] = 1.0f, "table index -1 out of range 0..2");
  auto p = std::make_unique<Problem>();
  EXPECT_DEATH(p->env.X[1][kCapFaceSlots + 1] = 1.0f, "out of range");
  EXPECT_DEATH(p->col[kMaxColumns + 1].HT = 1.0f, "out of range");
  EXPECT_EQ(x[2][0], 7.0f);
}

}  // namespace
}  // namespace bentpier
