// Per-problem constants of the cap design.
#include <gtest/gtest.h>

#include <cmath>

#include "design/cap/cap_fixture.h"

namespace bentpier {
namespace {

using testing::capMaterials;

TEST(CapSectionConstants, StressBlockDepthFactor) {
  CapMaterials m = capMaterials();
  CapDesignState st;
  m.FPC = 3000.0f;  // 0.85 + 0.05 would be 0.90: held at 0.85
  setCapConstants(st, m, 'L');
  EXPECT_FLOAT_EQ(st.BETA1, 0.85f);
  m.FPC = 5000.0f;
  setCapConstants(st, m, 'L');
  EXPECT_FLOAT_EQ(st.BETA1, 0.80f);
  EXPECT_FLOAT_EQ(st.B1K, 0.85f * 0.80f);
  m.FPC = 9000.0f;  // no lower bound
  setCapConstants(st, m, 'L');
  EXPECT_NEAR(st.BETA1, 0.60f, 1e-6f);
}

TEST(CapSectionConstants, StrengthConstantsFor4000AndGrade60) {
  CapDesignState st;
  setCapConstants(st, capMaterials(), 'L');
  EXPECT_FLOAT_EQ(st.EPSES, 87000.0f);
  // Balanced index 0.7225 * 87000 / 147000 = 0.42760, 3/4 of it 0.32070.
  EXPECT_NEAR(st.WB, 0.42760, 1e-5);
  EXPECT_NEAR(st.WBMAX, 0.32070, 1e-5);
  // 1.2 * 7.5 sqrt(4000) / (0.9 * 6 * 4000) = 0.026352.
  EXPECT_NEAR(st.RMIN, 0.026352, 1e-6);
}

}  // namespace
}  // namespace bentpier
