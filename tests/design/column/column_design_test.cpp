// Bar arrangements of the design, the check of an arrangement, and the
// lightest-arrangement search against the literal nested-loop search.
#include <gtest/gtest.h>

#include <cmath>

#include "column_fixtures.h"
#include "base/bar_table.h"
#include "design/column/column_design.h"
#include "design/column/section_strength.h"

namespace bentpier::column {
namespace {

DesignLimits circleLimits() {
  DesignLimits lim;
  lim.ASMIN = 4.0f;
  lim.ASMAX = 40.0f;
  lim.CLR = 1.5f;
  lim.NMIN = 6;
  lim.NMAX = 24;
  lim.SZMIN = 5;
  lim.SZMAX = 11;
  lim.CORE = 20.0f;
  return lim;
}

TEST(ColumnSectionDesign, AreaLimits) {
  DesignLimits lim = circleLimits();
  lim.ASMAX = 1000.0f;
  // 100 bars are allowed, 101 never.
  EXPECT_FLOAT_EQ(LIMIT(lim, 100, 5, 1000.0f), 31.0f);
  EXPECT_EQ(LIMIT(lim, 101, 5, 1000.0f), 0.0f);
  // At least ASMIN, strictly below the bound: an arrangement as heavy as the
  // best so far is not tried again.
  EXPECT_EQ(LIMIT(lim, 4, 8, 1000.0f), 0.0f);       // 3.16 < 4
  EXPECT_FLOAT_EQ(LIMIT(lim, 4, 9, 1000.0f), 4.0f);  // = ASMIN
  EXPECT_FLOAT_EQ(LIMIT(lim, 6, 9, 6.01f), 6.0f);
  EXPECT_EQ(LIMIT(lim, 6, 9, 6.0f), 0.0f);
  EXPECT_EQ(LIMIT(lim, 10, 7, 6.0f), 0.0f);  // 10 #7 also weighs 6.0
}

TEST(ColumnSectionDesign, Clearance) {
  // #9: 1.25 in. The clear distance must reach CLR and 1.5 diameters.
  EXPECT_FLOAT_EQ(CLEAR(4.0f, 1.25f, 1.5f), 4.0f - 1.25f - 1.875f);
  EXPECT_GE(CLEAR(3.125f, 1.25f, 1.875f), 0.0f);  // both exactly met
  EXPECT_LT(CLEAR(3.0f, 1.25f, 1.5f), 0.0f);      // 1.75 clear < 1.875
  EXPECT_LT(CLEAR(5.0f, 1.25f, 4.0f), 0.0f);      // 3.75 clear < CLR 4
}

TEST(ColumnSectionDesign, CircleArrangement) {
  SectionState s = testing::sectionOf(kCircular, 24, 24, testing::grade60(), 0.75f);
  const DesignLimits lim = circleLimits();
  ASSERT_FLOAT_EQ(REINS(s, lim, 8, 8, 100.0f), 8.0f * 0.79f);
  ASSERT_EQ(s.bars.size(), 8u);
  const float r = (20.0f - 1.125f) / 2.0f;
  // The first bar on the axis along D, then every 45 degrees clockwise.
  EXPECT_NEAR(s.bars[0].X, 0.0f, 1e-6f);
  EXPECT_FLOAT_EQ(s.bars[0].Y, r);
  EXPECT_NEAR(s.bars[2].X, r, 1e-5f);
  EXPECT_NEAR(s.bars[2].Y, 0.0f, 1e-5f);
  EXPECT_NEAR(s.bars[1].Z, r * (0.7071068f * 0.7071068f * 2.0f), 1e-5f);
  EXPECT_NEAR(s.AS, 6.32f, 1e-5f);
  EXPECT_NEAR(s.P0, 0.75f * (6.32f * 60.0f + (s.AG - 6.32f) * 3.4f), 0.01f);
  // 24 #11 on that circle: arc 2 pi (9.1875) / 24 = 2.405 in leaves 0.78 in.
  EXPECT_EQ(REINS(s, lim, 24, 11, 100.0f), 0.0f);
  EXPECT_EQ(s.bars.size(), 8u);  // a rejected arrangement leaves the bars
}

TEST(ColumnSectionDesign, TiedArrangements) {
  SectionState s = testing::sectionOf(kTiedRectangle, 20, 30, testing::grade60());
  DesignLimits lim;
  lim.ASMIN = 1.0f;
  lim.ASMAX = 50.0f;
  lim.CLR = 1.5f;
  lim.COREB = 15.0f;
  lim.CORED = 25.0f;
  // nb = 2, nd = 0: four corner bars.
  ASSERT_FLOAT_EQ(REINT(s, lim, 2, 0, 9, 100.0f), 4.0f);
  ASSERT_EQ(s.bars.size(), 4u);
  for (const BarPoint& b : s.bars) {
    EXPECT_FLOAT_EQ(std::fabs(b.X), 6.875f);  // (15 - 1.25) / 2
    EXPECT_FLOAT_EQ(std::fabs(b.Y), 11.875f); // (25 - 1.25) / 2
  }
  // 3 bars on each B face, 2 on each D face: B spacing 6.875, D spacing
  // 23.75 / 3, the D-face bars strictly between the B faces.
  ASSERT_FLOAT_EQ(REINT(s, lim, 3, 2, 9, 100.0f), 10.0f);
  int onFaces = 0, onSides = 0;
  for (const BarPoint& b : s.bars) {
    if (std::fabs(std::fabs(b.Y) - 11.875f) < 1e-5f) {
      ++onFaces;
      EXPECT_TRUE(std::fabs(b.X) < 1e-5f || std::fabs(std::fabs(b.X) - 6.875f) < 1e-5f);
    } else {
      ++onSides;
      EXPECT_FLOAT_EQ(std::fabs(b.X), 6.875f);
      EXPECT_NEAR(std::fabs(b.Y), 11.875f / 3.0f, 1e-5f);
    }
  }
  EXPECT_EQ(onFaces, 6);
  EXPECT_EQ(onSides, 4);
  // 6 #9 on a B face: spacing 13.75 / 5 = 2.75 leaves 1.5 in < 1.875 in.
  EXPECT_EQ(REINT(s, lim, 6, 0, 9, 100.0f), 0.0f);
}

// Loads of a column end (P kips, Mx and My kip-feet, factor 1).
LoadTable loadsOf(std::initializer_list<std::array<float, 3>> rows) {
  LoadTable t;
  float sx = 0, sy = 0;
  for (const auto& r : rows) {
    LoadResult& l = t.LOAD[++t.NLOAD];
    l.P = r[0];
    l.MX = r[1];
    l.MY = r[2];
    sx += r[1];
    sy += r[2];
  }
  t.BENDING = (sx > 0 ? 1 : 0) + (sy > 0 ? 2 : 0);
  return t;
}

TEST(ColumnSectionDesign, CheckMeasuresTheFactoredRatioAlongTheLoadLine) {
  SectionState s = testing::sectionOf(kCircular, 24, 24, testing::grade60(), 0.75f);
  ASSERT_GT(REINS(s, circleLimits(), 10, 8, 100.0f), 0.0f);
  ASSERT_TRUE(buildCurves(s, 1));
  const testing::FibreSection f = testing::fibreOf(s, testing::grade60(), 200);
  // Fibre-model capacity ratio of (p, m) along its load line.
  auto fibreRatio = [&](float p, float m) {
    const double e = m / p;
    const testing::FibreStrength q = testing::fibreRoot(
        f, s, kAboutX, 0.5, 500.0, [e](const testing::FibreStrength& v) { return e * v.p - v.mx; });
    return q.p / p;
  };
  const float balanced = s.curve[kAboutX].PN[2];
  struct Case {
    float p;       // axial load, as a part of the balanced load or of P0
    float factor;  // allowable-stress factor
    float k;       // the moment, as k times the factored strength at p
    bool carries;
  };
  // Below the balanced load the strength falls with the axial load, so a
  // load whose moment the factored strength at its own P just carries is
  // not carried along its line; near P0 the strength rises as the load
  // line comes down, so a moment beyond the strength at P is carried.
  const float p0 = s.P0;
  for (const Case c : {Case{0.4f * balanced, 1.25f, 1.0f / 0.995f, false},
                       Case{0.4f * balanced, 1.0f, 1.0f / 0.9905f, false},
                       Case{0.4f * balanced, 1.25f, 0.95f, true},
                       Case{0.9f * p0, 1.25f, 1.3f, true},
                       Case{0.9f * p0, 1.0f, 1.2f, false},
                       Case{0.7f * balanced + 0.3f * p0, 1.0f, 0.995f, true}}) {
    const float mu = FINDM(s, kAboutX, c.p)->MX;
    const float m = c.k * c.factor * mu;
    LoadTable t = loadsOf({{c.p, m, 0.0f}});
    t.LOAD[1].FACTOR = c.factor;
    EXPECT_EQ(c.factor * fibreRatio(c.p, m) >= 0.99, c.carries) << c.p << " " << c.factor;
    EXPECT_EQ(CHECK(s, t), c.carries ? Check::Carries : Check::Fails) << c.p << " " << c.factor;
    // The check and the ratio the report prints agree.
    LoadResult printed = t.LOAD[1];
    ASSERT_TRUE(loadLineStrength(s, t.BENDING, printed));
    EXPECT_EQ(c.factor * printed.RATIO >= 0.99f, c.carries) << c.p << " " << c.factor;
    // The search's check passes a surely carried load without its ratio:
    // the same verdict, and "surely" never says so of a load that fails.
    RecentRejections recent;
    EXPECT_EQ(CHECK(s, t, recent), c.carries ? Check::Carries : Check::Fails) << c.p;
    EXPECT_TRUE(!surelyCarried(s, t.LOAD[1]) || c.carries) << c.p << " " << c.factor;
  }
  // Well inside the strength a load is surely carried; a load without
  // compression, or beyond P0 at the margin, is left to its ratio.
  LoadTable inside = loadsOf({{0.4f * balanced, 0.8f * FINDM(s, kAboutX, 0.4f * balanced)->MX, 0.0f},
                              {-50.0f, 10.0f, 0.0f},
                              {0.995f * s.P0, 1.0f, 0.0f}});
  EXPECT_TRUE(surelyCarried(s, inside.LOAD[1]));
  EXPECT_FALSE(surelyCarried(s, inside.LOAD[2]));
  EXPECT_FALSE(surelyCarried(s, inside.LOAD[3]));
  // At or above P0 nothing carries; below it a load without moment does.
  EXPECT_EQ(CHECK(s, loadsOf({{s.P0, 1.0f, 0.0f}})), Check::Fails);
  LoadTable axial = loadsOf({{s.P0 - 1.0f, 0.0f, 0.0f}, {300.0f, 10.0f, 0.0f}});
  EXPECT_EQ(CHECK(s, axial), Check::Carries);
  // Every load must carry, in any order.
  const float mu = FINDM(s, kAboutX, 300.0f)->MX;
  EXPECT_EQ(CHECK(s, loadsOf({{300.0f, 10.0f, 0.0f}, {300.0f, 2.0f * mu, 0.0f}})), Check::Fails);
}

// The literal search: nested loops in the order of the design, keeping an
// arrangement when it is strictly lighter than the best so far and carries
// every load. A bound above ASMAX at the end means no design.
std::optional<Arrangement> literalSearch(SectionState s, const DesignLimits& lim,
                                         const LoadTable& loads) {
  float bound = lim.ASMAX + 0.01f;
  std::optional<Arrangement> best;
  auto consider = [&](int nb, int nd, int sz) {
    const float as = s.SECT == kTiedRectangle ? REINT(s, lim, nb, nd, sz, bound)
                                              : REINS(s, lim, nb, sz, bound);
    if (as > 0.0f && CHECK(s, loads) == Check::Carries) {
      best = Arrangement{nb, nd, sz, as};
      bound = as;
    }
  };
  if (s.SECT != kTiedRectangle) {
    for (int n = lim.NMIN; n <= lim.NMAX; ++n)
      for (int sz = lim.SZMIN; sz <= lim.SZMAX; ++sz) consider(n, 0, sz);
  } else if (lim.IPAT == 2) {
    for (int nd = lim.NDMIN; nd <= lim.NDMAX; ++nd)
      for (int nb = lim.NMIN; nb <= lim.NMAX; ++nb)
        for (int sz = lim.SZMIN; sz <= lim.SZMAX; ++sz) consider(nb, nd, sz);
  } else {
    for (int nb = lim.NMIN; nb <= lim.NMAX; ++nb)
      for (int sz = lim.SZMIN; sz <= lim.SZMAX; ++sz) consider(nb, nb - 2, sz);
  }
  if (best && best->AS > lim.ASMAX) return std::nullopt;
  return best;
}

// Both searches must agree. Unless the case is about the lightest allowed
// steel or about no design at all, the answer must lie well above ASMIN, so
// that lighter arrangements were tried and failed on the way.
enum class Expect { Design, Least, None };

void expectSameDesign(SectionState s, const DesignLimits& lim, const LoadTable& loads,
                      const char* what, Expect expect = Expect::Design) {
  const std::optional<Arrangement> oracle = literalSearch(s, lim, loads);
  const DesignOutcome fast = s.SECT == kTiedRectangle ? DESTT(s, lim, loads)
                                                      : DESRS(s, lim, loads);
  ASSERT_FALSE(fast.unstable) << what;
  std::optional<Arrangement> found = fast.best;
  if (found && found->AS > lim.ASMAX) found.reset();
  ASSERT_EQ(found.has_value(), oracle.has_value()) << what;
  ASSERT_EQ(oracle.has_value(), expect != Expect::None) << what;
  if (!oracle) return;
  if (expect == Expect::Design) {
    EXPECT_GT(oracle->AS, 1.5f * lim.ASMIN) << what;
  }
  EXPECT_EQ(found->NB, oracle->NB) << what;
  EXPECT_EQ(found->ND, oracle->ND) << what;
  EXPECT_EQ(found->SZ, oracle->SZ) << what;
  EXPECT_EQ(found->AS, oracle->AS) << what;
  // The section is left with the arrangement found.
  EXPECT_NEAR(s.AS, found->AS, 1e-4f * found->AS) << what;
}

// The strengths the report prints: a load repeating an earlier one's axial
// load and moments (whatever its factor) has that load's strength, and each
// load the strength it has alone.
TEST(ColumnSectionDesign, SummaryGivesEachLoadItsOwnStrength) {
  SectionState s = testing::sectionOf(kCircular, 24, 24, testing::grade60(), 0.75f);
  ASSERT_GT(REINS(s, circleLimits(), 10, 8, 100.0f), 0.0f);
  LoadTable t = loadsOf({{400, 150, 60}, {250, 90, 120}, {400, 150, 60}, {400, 150, 61}});
  t.LOAD[3].FACTOR = 1.25f;
  ASSERT_TRUE(SUMRY(s, t));
  for (int i = 1; i <= t.NLOAD; ++i) {
    LoadResult alone = t.LOAD[i];
    ASSERT_TRUE(loadLineStrength(s, t.BENDING, alone));
    EXPECT_EQ(t.LOAD[i].RATIO, alone.RATIO) << i;
    EXPECT_EQ(t.LOAD[i].PU, alone.PU) << i;
    EXPECT_EQ(t.LOAD[i].MXU, alone.MXU) << i;
    EXPECT_EQ(t.LOAD[i].MYU, alone.MYU) << i;
  }
  EXPECT_NE(t.LOAD[4].RATIO, t.LOAD[1].RATIO);
}

TEST(ColumnSectionDesign, SearchMatchesTheNestedLoopsForCircles) {
  SectionState s = testing::sectionOf(kCircular, 24, 24, testing::grade60(), 0.75f);
  DesignLimits lim = circleLimits();
  lim.ASMIN = 0.01f * s.AG;
  lim.ASMAX = 0.08f * s.AG;
  lim.NMAX = 16;
  expectSameDesign(s, lim, loadsOf({{700, 360, 120}, {400, 500, 80}, {900, 120, 300}}),
                   "biaxial");
  expectSameDesign(s, lim, loadsOf({{500, 390, 0}, {150, 450, 0}}), "uniaxial");
  expectSameDesign(s, lim, loadsOf({{100, 20, 10}}), "light", Expect::Least);
  expectSameDesign(s, lim, loadsOf({{1500, 500, 300}}), "impossible", Expect::None);
  // Spiral rectangle, bars on a circle.
  SectionState r = testing::sectionOf(kSpiralRectangle, 22, 30, testing::grade60(), 0.75f);
  lim.ASMIN = 0.01f * r.AG;
  lim.ASMAX = 0.08f * r.AG;
  lim.CORE = 18.0f;
  expectSameDesign(r, lim, loadsOf({{600, 375, 300}, {250, 550, 225}}), "spiral");
}

TEST(ColumnSectionDesign, SearchMatchesTheNestedLoopsForTiedSections) {
  SectionState s = testing::sectionOf(kTiedRectangle, 20, 30, testing::grade60());
  DesignLimits lim;
  lim.ASMIN = 0.01f * s.AG;
  lim.ASMAX = 0.08f * s.AG;
  lim.CLR = 1.5f;
  lim.COREB = 15.0f;
  lim.CORED = 25.0f;
  lim.SZMIN = 5;
  lim.SZMAX = 11;
  lim.IPAT = 1;
  lim.NMIN = 2;
  lim.NMAX = 8;
  expectSameDesign(s, lim, loadsOf({{500, 750, 150}, {800, 300, 250}}), "pattern 1");
  expectSameDesign(s, lim, loadsOf({{300, 625, 0}}), "pattern 1 uniaxial");
  lim.IPAT = 2;
  lim.NDMIN = 0;
  lim.NDMAX = 3;
  lim.NMIN = 2;
  lim.NMAX = 6;
  expectSameDesign(s, lim, loadsOf({{500, 750, 150}, {800, 300, 250}}), "pattern 2");
  expectSameDesign(s, lim, loadsOf({{1800, 600, 400}}), "pattern 2 impossible", Expect::None);
  expectSameDesign(s, lim, loadsOf({{200, 200, 500}}), "pattern 2 about y");
}

TEST(ColumnSectionDesign, EqualAreasGoToTheFirstInSearchOrder) {
  // 6 #9 and 10 #7 both weigh 6.0 sq in, the least allowed; both carry the
  // light load. Six bars come first in the search.
  SectionState s = testing::sectionOf(kCircular, 24, 24, testing::grade60(), 0.75f);
  DesignLimits lim = circleLimits();
  lim.ASMIN = 6.0f;
  ASSERT_EQ(10.0f * barOf(7).area, 6.0f);
  const LoadTable loads = loadsOf({{50, 10, 5}});
  const DesignOutcome out = DESRS(s, lim, loads);
  ASSERT_TRUE(out.best.has_value());
  EXPECT_EQ(out.best->NB, 6);
  EXPECT_EQ(out.best->SZ, 9);
  EXPECT_EQ(out.best->AS, 6.0f);
  expectSameDesign(s, lim, loads, "equal areas", Expect::Least);
}

}  // namespace
}  // namespace bentpier::column
