// The HTML report's writer and drawing geometry: escaping, scales and ticks,
// the bent elevation, cap depths with haunches, the ray to an interaction
// curve and bar spacing in plan.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "report/drawing_geometry.h"
#include "report/html_writer.h"

namespace bentpier {
namespace {

using namespace drawing;

TEST(HtmlWriter, EscapesEveryTextAndAttribute) {
  struct Case {
    const char* in;
    const char* out;
  };
  const Case cases[] = {{"A&B <C> \"D\" 'E'", "A&amp;B &lt;C&gt; &quot;D&quot; &#39;E&#39;"},
                        {"bell\a and nul\0x", "bell and nul"},
                        {"tab\tline\n", "tab\tline\n"},
                        {"</script><svg onload=x>", "&lt;/script&gt;&lt;svg onload=x&gt;"}};
  for (const Case& c : cases) EXPECT_EQ(html::escape(c.in), c.out) << c.in;

  std::ostringstream out;
  html::Writer w(out);
  w.open("p", {{"title", "a\"b<"}});
  w.element("b", {}, "x<y");
  w.empty("circle", {{"r", html::coord(2.50)}});
  w.close();
  EXPECT_EQ(out.str(), "<p title=\"a&quot;b&lt;\"><b>x&lt;y</b><circle r=\"2.5\"/></p>");
  EXPECT_EQ(w.depth(), 0u);
}

TEST(HtmlWriter, CoordinatesAreFiniteAndShort) {
  EXPECT_EQ(html::coord(12.0), "12");
  EXPECT_EQ(html::coord(-0.001), "0");
  EXPECT_EQ(html::coord(3.14159, 3), "3.142");
  EXPECT_EQ(html::coord(NAN), "0");
  EXPECT_EQ(html::coord(INFINITY), "0");
  EXPECT_EQ(html::fixed(-0.04, 1), "0.0");
}

TEST(DrawingScale, MapsEndsAndReversesForUpwardAxes) {
  const Scale s{-100, 300, 400, 0};  // y axis: -100 at the bottom
  EXPECT_DOUBLE_EQ(s(-100), 400);
  EXPECT_DOUBLE_EQ(s(300), 0);
  EXPECT_DOUBLE_EQ(s(0), 300);
  EXPECT_DOUBLE_EQ(s.factor(), -1.0);
  EXPECT_DOUBLE_EQ((Scale{5, 5, 0, 10})(5), 5);  // degenerate: the middle
}

TEST(DrawingScale, NiceTicksCoverTheRangeInSteps125) {
  struct Case {
    double lo, hi;
    double first, last, step;
  };
  const Case cases[] = {{0, 1, 0, 1, 0.2},          {-37, 412, -100, 500, 100},
                        {0.3, 0.7, 0.3, 0.7, 0.1},  {-1234, -5, -1500, 0, 500},
                        {7, 7, 6, 8, 0.5},          {0, 4130, 0, 5000, 1000}};
  for (const Case& c : cases) {
    const std::vector<double> t = niceTicks(c.lo, c.hi, 6);
    ASSERT_GE(t.size(), 2u);
    EXPECT_NEAR(t.front(), c.first, 1e-9) << c.lo << " " << c.hi;
    EXPECT_NEAR(t.back(), c.last, 1e-9) << c.lo << " " << c.hi;
    for (size_t i = 1; i < t.size(); ++i) EXPECT_NEAR(t[i] - t[i - 1], c.step, 1e-9);
    EXPECT_LE(t.size(), 8u);
  }
}

TEST(CapDepth, HaunchesStraightAndParabolic) {
  // Span 30 ft, block 2 ft, haunch 6 ft, 3 ft deep plus 1.5 ft at the ends.
  CapSegment s;
  s.L = 30;
  s.A = 2;
  s.DE = 3;
  s.DH = 1.5f;
  s.LH = 6;
  struct Case {
    char code;
    double at, depth;
  };
  const Case cases[] = {{'L', 0, 4.5},   {'L', 2, 4.5}, {'L', 5, 3.75}, {'L', 8, 3},
                        {'L', 15, 3},    {'L', 27, 4.25}, {'P', 5, 3.375}, {'P', 29, 4.5},
                        {'C', 1, 3}};
  for (const Case& c : cases) {
    s.C = c.code;
    EXPECT_NEAR(spanDepth(s, c.at), c.depth, 1e-6) << c.code << " at " << c.at;
  }
  s.C = 'P';
  EXPECT_NEAR(cantileverDepth(s, 5), 3.375, 1e-6);
  EXPECT_NEAR(cantileverDepth(s, 12), 3, 1e-6);
}

InputCards twoColumnBent() {
  // Two columns 20 ft apart, cantilevers of 5 and 6 ft, a 4-ft constant
  // cap; the right column battered 1 in 4 over HT 16.49 ft.
  InputCards cards;
  cards.dd.NCOL = 2;
  cards.dd.NCAN = 2;
  cards.dd.NSPAN = 3;
  auto seg = [](float L, std::initializer_list<float> xb) {
    CapSegment s;
    s.C = 'C';
    s.L = L;
    s.DE = 4;
    s.BC = 3;
    int i = 0;
    for (float v : xb) s.XB[static_cast<size_t>(++i)] = v;
    s.NB = i;
    return s;
  };
  cards.cap[1] = seg(5, {4, 2});      // bearings 4 and 2 ft left of column 1
  cards.cap[2] = seg(20, {5, 10});    // at 5 and 15 ft into the span
  cards.cap[3] = seg(6, {3});         // 3 ft right of column 2
  cards.col[1].HT = 12;
  cards.col[1].DT = 3;
  cards.col[1].P = 1;
  cards.col[2].HT = std::sqrt(17.0f) * 4;  // 16 ft high, 4 ft out
  cards.col[2].DT = 2;
  cards.col[2].SLOPE = 0.25f;
  return cards;
}

TEST(BentElevation, ColumnsBearingsBatterAndFootingsToScale) {
  const InputCards cards = twoColumnBent();
  const BentElevation e = bentElevation(cards, {{10, 2.5, false}, {}});
  ASSERT_EQ(e.column_lines.size(), 2u);
  EXPECT_DOUBLE_EQ(e.column_lines[0], 5);
  EXPECT_DOUBLE_EQ(e.column_lines[1], 25);
  ASSERT_EQ(e.loads.size(), 6u);
  const double x[] = {1, 3, 10, 20, 28, 5};
  for (size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(e.loads[i].point, static_cast<int>(i + 1));
    EXPECT_NEAR(e.loads[i].x, x[i], 1e-6) << i;
  }
  EXPECT_TRUE(e.loads[5].on_column);
  ASSERT_EQ(e.columns.size(), 2u);
  EXPECT_NEAR(e.columns[0].base.y, -16, 1e-6);
  EXPECT_NEAR(e.columns[1].base.x, 29, 1e-5);
  EXPECT_NEAR(e.columns[1].base.y, -20, 1e-5);
  EXPECT_TRUE(e.columns[1].battered);
  ASSERT_EQ(e.footings.size(), 1u);
  EXPECT_DOUBLE_EQ(e.footings[0].left, 0);
  EXPECT_DOUBLE_EQ(e.footings[0].right, 10);
  EXPECT_NEAR(e.footings[0].bottom, -18.5, 1e-6);
  EXPECT_NEAR(e.lowest, -20, 1e-5);
  EXPECT_DOUBLE_EQ(e.deepest_cap, 4);
}

TEST(BentElevation, CapTableNumbersPointsAfterTheLeftColumnsLoadPoints) {
  // The cap moment table counts column 1's one load point before the
  // bearings of the span: 1, 2 on the left cantilever, 4, 5 in the span,
  // 6 on the right cantilever; places as on the load cards.
  const InputCards cards = twoColumnBent();
  const std::vector<CapTablePoint> p = capTablePoints(cards, {5, 25});
  struct Want {
    int number, segment, bearing;
    double x;
  };
  const Want want[] = {{1, 1, 1, 1}, {2, 1, 2, 3}, {4, 2, 1, 10}, {5, 2, 2, 20}, {6, 3, 1, 28}};
  ASSERT_EQ(p.size(), 5u);
  for (size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(p[i].number, want[i].number) << i;
    EXPECT_EQ(p[i].segment, want[i].segment) << i;
    EXPECT_EQ(p[i].bearing, want[i].bearing) << i;
    EXPECT_NEAR(p[i].x, want[i].x, 1e-6) << i;
  }
}

TEST(InteractionPlot, RayToCurveAndFrameHoldEveryPoint) {
  // A diamond curve P0 1000 at M 0, 400 kip-ft at P 0, the load line of
  // (100, 250) meets the chord P = 1000 - 2.5 M at M = 200: factor 2.
  const std::vector<Point> curve{{0, 1000}, {400, 0}, {0, -500}};
  EXPECT_NEAR(rayToCurve(curve, {100, 250}), 2.0, 1e-9);
  // (200, -125): chord from (400,0) to (0,-500), P = 1.25 M - 500 -> M 266.67.
  EXPECT_NEAR(rayToCurve(curve, {200, -125}), 4.0 / 3.0, 1e-9);
  const PlotFrame f = plotFrame(curve, 400, 300, 50);
  for (const Point& p : mapPoints(f, curve)) {
    EXPECT_GE(p.x, 50 - 1e-9);
    EXPECT_LE(p.x, 400);
    EXPECT_GE(p.y, 0);
    EXPECT_LE(p.y, 250 + 1e-9);
  }
  EXPECT_LT(f.y(1000), f.y(0));  // compression up
}

TEST(FootingPlan, BarsCentredAtTheirSpacingOrSpreadToFit) {
  const std::vector<double> a = barOffsets(5, 1.0, 9);
  ASSERT_EQ(a.size(), 5u);
  EXPECT_DOUBLE_EQ(a.front(), -2);
  EXPECT_DOUBLE_EQ(a.back(), 2);
  const std::vector<double> b = barOffsets(11, 1.0, 8);  // 10 ft of spacing in 8 ft
  EXPECT_DOUBLE_EQ(b.front(), -4);
  EXPECT_DOUBLE_EQ(b.back(), 4);
  EXPECT_TRUE(barOffsets(0, 1, 1).empty());
}

TEST(FootingPlan, PileLoadsFromTheCornerLoads) {
  // Corner loads 130, 90, 50, 90 kips: mean 90, 20 kips each way at the
  // outer rows. Four corner piles take the corner loads; a fifth in the
  // centre the mean; in a 4 x 3 grid (outer rows 3 spacings out along B)
  // the pile one spacing out along B and on the centre line along D takes
  // 90 + 20/3.
  const double P1 = 130, P2 = 90, P3 = 50, P4 = 90;
  const std::vector<double> four = pileLoads(pilePlaces(4), 1, 1, P1, P2, P3, P4);
  const std::vector<PilePlace> at4 = pilePlaces(4);
  for (size_t i = 0; i < 4; ++i) {
    const PilePlace q = at4[i];
    const double want = q.b > 0 ? (q.d > 0 ? P1 : P4) : (q.d > 0 ? P2 : P3);
    EXPECT_NEAR(four[i], want, 1e-9) << i;
  }
  const std::vector<PilePlace> at5 = pilePlaces(5);
  const std::vector<double> five = pileLoads(at5, 1, 1, P1, P2, P3, P4);
  for (size_t i = 0; i < 5; ++i)
    if (at5[i].b == 0) {
      EXPECT_NEAR(five[i], 90, 1e-9);
    }
  const std::vector<PilePlace> at12 = pilePlaces(12);
  const std::vector<double> twelve = pileLoads(at12, 3, 1, P1, P2, P3, P4);
  for (size_t i = 0; i < 12; ++i) {
    if (at12[i].b == 1 && at12[i].d == 0) {
      EXPECT_NEAR(twelve[i], 90 + 20.0 / 3, 1e-9);
    }
    if (at12[i].b == 3 && at12[i].d == 1) {
      EXPECT_NEAR(twelve[i], P1, 1e-9);
    }
  }
}

}  // namespace
}  // namespace bentpier

