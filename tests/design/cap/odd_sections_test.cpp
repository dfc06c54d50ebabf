// Every cap section routine answers with a status and finite results on any
// input, however odd: no loop runs away and nothing divides by zero.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>

#include "design/cap/cap_fixture.h"

namespace bentpier {
namespace {

using testing::capMaterials;

bool isStatus(int s) {
  return s == kCapDeepen || s == kCapDesigned || s == kCapCannotDesign;
}

TEST(CapSectionOddInput, FlexureAndStirrupsAlwaysAnswer) {
  const float inf = std::numeric_limits<float>::infinity();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  int designed = 0;
  for (char method : {'S', 'L'}) {
    for (int MINNO : {0, 3, 40}) {
      CapMaterials m = capMaterials();
      m.MINNO = MINNO;
      for (float b : {-12.0f, 0.0f, 0.5f, 24.0f, 600.0f}) {
        for (float h : {0.0f, 5.0f, 40.0f, 400.0f}) {
          for (float M : {-1.0e6f, 0.0f, 5.0e6f, 5.0e9f, inf, nan}) {
            for (float ASC : {0.0f, 3.0f, 500.0f}) {
              for (int NMAX : {-1, 0, 1, 6, 99}) {
                CapDesignState st;
                setCapConstants(st, m, method);
                setCapPoint(st, b, h);
                st.CT = 2.5f;
                st.DT = st.CT + st.DMAIN;
                st.DC = 3.0f;
                st.ASC = ASC;
                st.M = M;
                st.NMAX = NMAX;
                if (method == 'S') {
                  designServiceFlexure(st);
                  ASSERT_TRUE(std::isfinite(st.FCC));
                } else {
                  designStrengthFlexure(st);
                  ASSERT_TRUE(std::isfinite(st.PS));
                }
                ASSERT_TRUE(isStatus(st.ISTAT));
                ASSERT_TRUE(std::isfinite(st.AS));
                ASSERT_GE(st.NBARS, 0);
                if (st.ISTAT == kCapDesigned) {
                  ++designed;
                  ASSERT_LE(st.NBARS, 2 * NMAX);  // never a third layer
                }
                const StirrupDesign s = method == 'S'
                                            ? designServiceStirrups(st, M)
                                            : designStrengthStirrups(st, M);
                ASSERT_TRUE(isStatus(st.ISTAT));
                ASSERT_TRUE(std::isfinite(s.spacing));
                ASSERT_TRUE(std::isfinite(s.avPerInch));
                const CrackedStress c =
                    crackedSectionStress(st, ASC, 3.0f, st.AS, st.DT);
                ASSERT_TRUE(std::isfinite(c.tension));
              }
            }
          }
        }
      }
    }
  }
  EXPECT_GT(designed, 0);  // the grid is not all failures
}

}  // namespace
}  // namespace bentpier
