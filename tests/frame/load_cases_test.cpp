// The load-case driver: the order of the cases, the optional loads, the
// number of combinations of every group, and the cap envelopes and footing
// loads of a whole run checked against the direct-stiffness solution.
#include "frame/load_cases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <sstream>
#include <string>

#include "frame/bent_model.h"
#include "support/cards.h"

namespace bentpier {
namespace {

using testing::BentLoad;
using testing::BentSolution;
using testing::PrismaticBent;
using testing::buildBent;
using testing::ix;
using testing::solveByStiffness;

// Three columns, two cantilevers; the span loads are scaled by `factor`.
PrismaticBent threeColumns(float factor) {
  PrismaticBent b;
  b.heights = {20.0f, 23.0f, 21.0f};
  b.columnEI = {5.0e5f, 6.0e5f, 5.5e5f};
  b.flex = {0.0f, 0.0f, 0.0f};
  b.spans = {22.0f, 26.0f};
  b.spanEI = {1.2e6f, 1.0e6f};
  b.spanLoads = {{{6.0f, 50.0f * factor}, {15.0f, 30.0f * factor}},
                 {{9.0f, 40.0f * factor}, {20.0f, 70.0f * factor}}};
  b.leftCantilever = 7.0f;
  b.leftLoads = {{5.0f, 35.0f * factor}};
  b.rightCantilever = 6.0f;
  b.rightLoads = {{4.0f, 25.0f * factor}};
  return b;
}

struct LiveCase {
  std::string id;
  int lanes;
  PrismaticBent model;
};

// A problem with the dead load of `dead` and the given live-load cases;
// no optional loads, both design options on, load-factor method.
std::unique_ptr<Problem> problemOf(const PrismaticBent& dead, const std::vector<LiveCase>& live) {
  auto p = std::make_unique<Problem>();
  p->TITLE = "TEST BENT";
  p->loads.LOAD[0] = buildBent(dead, *p);
  p->dd.NLLC = static_cast<int>(live.size());
  for (size_t k = 0; k < live.size(); ++k) {
    auto scratch = std::make_unique<Problem>();
    p->loads.LOAD[k + 1] = buildBent(live[k].model, *scratch);
    p->loads.ID[k + 1] = live[k].id;
    p->loads.NL[k + 1] = live[k].lanes;
  }
  p->dd.METHOD = 'L';
  p->dd.COLOPT = 'D';
  p->dd.FTGOPT = 'D';
  p->dd.SINSKW = 0.0f;
  p->dd.COSSKW = 1.0f;
  p->cs.BD1 = 1.0f;
  for (int c = 1; c <= p->dd.NCOL; ++c) p->col[ix(c)].T = 'T';
  return p;
}

struct DriverRun {
  explicit DriverRun(Problem& p) : rep(out, /*raw=*/true) {
    PIER31(p, rep);
    rep.finish();
    lines = ::bentpier::testing::reportLines(out.str());
  }
  // The first 16 characters of the first line of every case.
  std::vector<std::string> cases() const {
    std::vector<std::string> out;
    for (const std::string& l : lines)
      if (l.size() > 17 && l[0] == '0' && l[1] != ' ') out.push_back(l.substr(1, 16));
    return out;
  }
  std::ostringstream out;
  Report rep;
  std::vector<std::string> lines;
};

// Every optional load present.
void addOptionalLoads(Problem& p) {
  p.ftg[2].SET = 0.05f;
  p.ftg[3].SET = 0.02f;
  p.misc.EXPC = 0.0002f;
  p.misc.SHRC = 0.0003f;
  p.misc.PT = 5.0f;
  p.misc.PL = 2.0f;
  p.misc.FL = 12.0f;
  p.misc.APT = 6.0f;
  p.misc.APL = 6.0f;
  p.misc.FT = 9.0f;
  p.misc.NSEIS = 1;
  for (int c = 1; c <= p.dd.NCOL; ++c)
    for (int i = 1; i <= kSeismicForces; ++i) {
      p.seis[ix(c)].LONG[ix(i)] = 10.0f * static_cast<float>(i);
      p.seis[ix(c)].TRANS[ix(i)] = 12.0f * static_cast<float>(i);
    }
  p.wind.WAT = 400.0f;
  p.wind.WAL = 300.0f;
  p.wind.NW2 = 2;
  p.wind.WFT2 = {0, 0.05f, 0.044f};
  p.wind.WFL2 = {0, 0.0f, 0.006f};
  p.wind.APT2 = 5.0f;
  p.wind.APL2 = 5.0f;
  p.wind.PT2 = 3.0f;
  p.wind.PL2 = 1.0f;
  p.wind.NW3 = 1;
  p.wind.WFT3 = {0, 0.015f};
  p.wind.LFT3 = {0, 0.1f};
  p.wind.LLT = 100.0f;
  p.wind.LLL = 100.0f;
  p.wind.APT3 = 8.0f;
  p.wind.APL3 = 8.0f;
}

std::vector<LiveCase> twoLiveCases() {
  return {{"HS20", 2, threeColumns(0.6f)}, {"PRMT", 0, threeColumns(0.9f)}};
}

TEST(LoadCaseDriver, CasesAreAnalysedInTheirFixedOrder) {
  auto p = problemOf(threeColumns(1.0f), twoLiveCases());
  addOptionalLoads(*p);
  DriverRun run(*p);
  const std::vector<std::string> expected = {
      "UNIT F.AT CL.CAP", "FOOT. SETTLEMENT", "EXPANSION OF CAP", "SHRINKAGE OF CAP",
      "DEAD LOAD TOTAL ", "STREAM FLOW     ", "TRAC. FORCE 1 LN", "SEISMIC FORCE 1 ",
      "SEISMIC FORCE 2 ", "CENT. FORCE 1 LN", "WIND ON SUBSTR. ", "GROUP 2 WIND 1 1",
      "GROUP 2 WIND 1 2", "GROUP 2 WIND 2 1", "GROUP 2 WIND 2 2", "GROUP 3 WIND 1 1",
      "GROUP 3 WIND 1 2", "LIVE LOAD HS20  ", "LIVE LOAD PRMT  "};
  EXPECT_EQ(run.cases(), expected);
  // The first table opens a page.
  ASSERT_FALSE(run.lines.empty());
  EXPECT_EQ(run.lines[0].substr(0, 6), "1+++++");
}

TEST(LoadCaseDriver, OptionalCasesAreLeftOutWithoutTheirLoads) {
  auto p = problemOf(threeColumns(1.0f), twoLiveCases());
  addOptionalLoads(*p);
  p->dd.FTGOPT = ' ';  // no footings: no settlement
  p->misc.EXPC = 0.0f;
  p->misc.FL = 0.0f;
  p->misc.NSEIS = 0;
  p->wind.NW2 = 0;
  DriverRun run(*p);
  const std::vector<std::string> expected = {
      "UNIT F.AT CL.CAP", "SHRINKAGE OF CAP", "DEAD LOAD TOTAL ", "STREAM FLOW     ",
      "CENT. FORCE 1 LN", "WIND ON SUBSTR. ", "GROUP 3 WIND 1 1", "GROUP 3 WIND 1 2",
      "LIVE LOAD HS20  ", "LIVE LOAD PRMT  "};
  EXPECT_EQ(run.cases(), expected);
  // Traction without force is stored as zeros.
  for (int r = kRowV; r <= kRowVL; ++r) EXPECT_EQ(p->stored.TRAC.row[ix(r)][2], 0.0f);
}

TEST(LoadCaseDriver, OpposedComponentsDoNotCancelACase) {
  auto p = problemOf(threeColumns(1.0f), twoLiveCases());
  p->misc.PT = 4.0f;
  p->misc.PL = -4.0f;
  p->misc.EXPC = 0.0002f;
  p->misc.SHRC = -0.0002f;
  DriverRun run(*p);
  const std::vector<std::string> expected = {
      "UNIT F.AT CL.CAP", "EXPANSION OF CAP", "SHRINKAGE OF CAP", "DEAD LOAD TOTAL ",
      "STREAM FLOW     ", "WIND ON SUBSTR. ", "LIVE LOAD HS20  ", "LIVE LOAD PRMT  "};
  EXPECT_EQ(run.cases(), expected);
  EXPECT_NE(p->stored.STRM.row[kRowVL][1], 0.0f);
}

// Combinations offered, counted from the steps of the driver: groups II and
// V per pass, wind case, reversal and direction (V once per coefficient);
// group VII per quake and pass, columns in the first round and footings in
// the second; per live-load case group I per pass, and with lanes group IV
// per coefficient and group III per wind case, reversal and direction.
// Footings take the first pass only.
struct Counts {
  int columns, footings;
};
// With stream flow present every wind set but the direct one comes twice
// (the reversed wind without and with the stream flow): six sets per wind
// case; groups V and VI add one set per cap strain to each group II and III
// set; each earthquake gives the dead load plus and minus its axial force.
Counts expectedCounts(int passes, int nw2, int nw3, int strains, bool seismic, bool pile,
                      const std::vector<int>& lanes) {
  constexpr int kWindSets = 6;
  Counts n{0, 0};
  n.columns += passes * nw2 * kWindSets * (1 + strains);
  n.footings += nw2 * kWindSets * (1 + strains);
  if (seismic) {
    n.columns += 2 * 2 * passes;
    if (!pile) n.footings += 2 * 2;
  }
  for (int l : lanes) {
    n.columns += passes;
    n.footings += 1;
    if (l == 0) continue;
    n.columns += passes * strains + passes * nw3 * kWindSets * (1 + strains);
    n.footings += strains + nw3 * kWindSets * (1 + strains);
  }
  return n;
}

TEST(LoadCaseDriver, CombinationsOfEveryGroupWithTwoDeadLoadPasses) {
  auto p = problemOf(threeColumns(1.0f), twoLiveCases());
  addOptionalLoads(*p);
  p->cs.BD2 = 0.9f;
  DriverRun run(*p);
  const Counts n = expectedCounts(2, 2, 1, 2, true, false, {2, 0});
  EXPECT_EQ(p->lists.NCLS, n.columns);
  EXPECT_EQ(p->lists.NFLS, n.footings);
  for (int r = kRowV; r <= kRowRF; ++r)
    EXPECT_FLOAT_EQ(p->stored.DL2.row[ix(r)][1], 0.9f * p->stored.DEADL.row[ix(r)][1]);
}

TEST(LoadCaseDriver, OnePassWithoutASecondDeadLoadFactor) {
  auto p = problemOf(threeColumns(1.0f), twoLiveCases());
  addOptionalLoads(*p);
  p->misc.EXPC = 0.0f;  // shrinkage only
  DriverRun run(*p);
  const Counts n = expectedCounts(1, 2, 1, 1, true, false, {2, 0});
  EXPECT_EQ(p->lists.NCLS, n.columns);
  EXPECT_EQ(p->lists.NFLS, n.footings);
  // Groups IV and V carry only shrinkage sets.
  for (int c = 1; c <= 3; ++c)
    for (const FootingLoadSet& s : p->lists.FTG[ix(c)].SET) {
      if (s.GR == '4' || s.GR == '5') {
        EXPECT_EQ(s.FLAGE, 'S');
      }
    }
}

TEST(LoadCaseDriver, PileBentFormsSeismicCombinationsForColumnsOnly) {
  auto p = problemOf(threeColumns(1.0f), twoLiveCases());
  addOptionalLoads(*p);
  p->PILECODE = 3;
  for (int c = 1; c <= 3; ++c) p->col[ix(c)].S = 'P';
  DriverRun run(*p);
  const Counts n = expectedCounts(1, 2, 1, 2, true, true, {2, 0});
  EXPECT_EQ(p->lists.NCLS, n.columns);
  EXPECT_EQ(p->lists.NFLS, n.footings);
  for (int c = 1; c <= 3; ++c) EXPECT_FLOAT_EQ(strengthReductionFactors(*p)[ix(c)], 1.0f);
}

TEST(LoadCaseDriver, ReversedWindComesWithAndWithoutStreamFlow) {
  auto p = problemOf(threeColumns(0.1f), {{"HS20", 1, threeColumns(0.05f)}});
  addOptionalLoads(*p);
  p->wind.WAT = 4000.0f;  // wind governs the lists
  DriverRun run(*p);
  int reversedDry = 0, reversedStream = 0, directDry = 0;
  for (int c = 1; c <= 3; ++c)
    for (int e = 1; e <= 2; ++e)
      for (const ColumnLoadSet& s : p->lists.COL[ix(c)][ix(e)].SET) {
        if (s.GR != '2' && s.GR != '5') continue;
        if (s.FLAGR == 'R') (s.FLAGS == 'S' ? reversedStream : reversedDry) += 1;
        else if (s.FLAGS != 'S') ++directDry;
      }
  EXPECT_GT(reversedDry, 0);
  EXPECT_GT(reversedStream, 0);
  EXPECT_EQ(directDry, 0);  // the wind as given always has the stream flow
}

// Groups VI, VII minus and the reversed wind with stream flow, formed by hand
// from the stored cases: each new set is a set the program also forms plus
// one stored case, or the mirror of its seismic axial force.
TEST(LoadCaseDriver, NewSetsFormedFromTheStoredCases) {
  auto p = problemOf(threeColumns(1.0f), twoLiveCases());
  addOptionalLoads(*p);
  DriverRun run(*p);
  const StoredCases& sc = p->stored;
  for (int c = 1; c <= 3; ++c) {
    const auto& all = p->lists.FTGALL[ix(c)];
    const float rf = 1e-4f * std::fabs(sc.DEADL.row[kRowRF][ix(c)]);
    int six = 0, seven = 0, stream = 0;
    for (size_t i = 1; i < all.size(); ++i) {
      const FootingLoadSet& a = all[i - 1];
      const FootingLoadSet& b = all[i];
      // Group VI with expansion: the group III set before it plus EXPN.
      if (a.GR == '3' && b.GR == '6' && b.FLAGE == 'E') {
        ++six;
        EXPECT_NEAR(b.PS, a.PS + sc.EXPN.row[kRowRF][ix(c)], rf);
        EXPECT_NEAR(b.MTS, a.MTS + sc.EXPN.row[kRowMB][ix(c)], rf);
        EXPECT_EQ(b.WC, a.WC);
      }
      // Group VII: D + E and D - E in the axial load, the moments alike.
      if (a.GR == '7' && a.FLAGR == ' ' && b.GR == '7' && b.FLAGR == 'R') {
        ++seven;
        const float d = sc.DL1.row[kRowRF][ix(c)], st = sc.STRM.row[kRowRF][ix(c)];
        const float e = sc.SEIS1.row[kRowRF][ix(c)] / 2.5f;  // R = 5 / 2 for footings
        EXPECT_NEAR(a.PS, d + e + st, rf);
        EXPECT_NEAR(b.PS, d - e + st, rf);
        EXPECT_FLOAT_EQ(b.MTS, a.MTS);
        EXPECT_FLOAT_EQ(b.MLS, a.MLS);
      }
      // Reversed group II wind: the set with stream flow is the one without
      // it plus STRM; group V sets of the dry one lie between them.
      if (a.GR == '2' && a.FLAGR == 'R' && a.FLAGS == ' ') {
        size_t j = i;
        while (j < all.size() && all[j].GR == '5') ++j;
        ASSERT_LT(j, all.size());
        const FootingLoadSet& w = all[j];
        ASSERT_EQ(w.GR, '2');
        ASSERT_EQ(w.FLAGS, 'S');
        ++stream;
        EXPECT_EQ(w.WC, a.WC);
        EXPECT_NEAR(w.PS, a.PS + sc.STRM.row[kRowRF][ix(c)], rf);
        EXPECT_NEAR(w.VLS, a.VLS + sc.STRM.row[kRowVL][ix(c)], 1e-4f);
      }
    }
    EXPECT_EQ(six, 6);  // one live case with lanes, one wind case of six sets
    EXPECT_EQ(seven, 1);
    EXPECT_EQ(stream, 2 * 2);
  }
}

TEST(LoadCaseDriver, LaneFreeCaseIsGroupAWithItsOwnFactor) {
  auto p = problemOf(threeColumns(1.0f), {{"PRMT", 0, threeColumns(0.9f)}});
  p->wind.NW3 = 1;
  p->wind.WFT3 = {0, 0.015f};
  p->wind.WAT = 400.0f;
  p->misc.SHRC = 0.0003f;
  DriverRun run(*p);
  // Group I only: no group IV or III without lanes.
  EXPECT_EQ(p->lists.NCLS, 1);
  EXPECT_EQ(p->lists.NFLS, 1);
  const auto& list = p->lists.FTG[2];
  const FootingLoadSet& s = list.SET[ix(list.ORDER[1])];
  EXPECT_EQ(s.GR, 'A');
  EXPECT_EQ(s.LLID, "PRMT");
  // Service load: dead plus live; factored: 1.3 (dead + 2.2 live), no impact.
  const BentSolution dead = solveByStiffness(threeColumns(1.0f));
  const BentSolution live = solveByStiffness(threeColumns(0.9f));
  EXPECT_NEAR(s.PS, dead.RF[2] + live.RF[2], 1e-3 * dead.RF[2]);
  EXPECT_NEAR(s.PF, 1.3 * (dead.RF[2] + 2.2 * live.RF[2]), 1e-3 * dead.RF[2]);
}

TEST(LoadCaseDriver, GroupOneFootingLoadsAgainstTheStiffnessSolution) {
  // Two lanes (no reduction), 30 percent impact, service-load method.
  auto p = problemOf(threeColumns(1.0f), {{"HS20", 2, threeColumns(0.6f)}});
  p->dd.METHOD = 'S';
  p->cs.IMPACT = 30.0f / 130.0f;
  DriverRun run(*p);
  const BentSolution dead = solveByStiffness(threeColumns(1.0f));
  const BentSolution live = solveByStiffness(threeColumns(0.6f));
  for (int c = 1; c <= 3; ++c) {
    const auto& list = p->lists.FTG[ix(c)];
    const FootingLoadSet& s = list.SET[ix(list.ORDER[1])];
    ASSERT_EQ(s.GR, '1');
    const double tol = 1e-3 * std::fabs(dead.RF[ix(c)]);
    EXPECT_NEAR(s.PS, dead.RF[ix(c)] + live.RF[ix(c)] * 100.0 / 130.0, tol);
    EXPECT_NEAR(s.MTS, dead.MB[ix(c)] + live.MB[ix(c)] * 100.0 / 130.0, tol);
    EXPECT_NEAR(s.VTS, dead.V[ix(c)] + live.V[ix(c)] * 100.0 / 130.0, tol);
  }
}

TEST(LoadCaseDriver, PileBentFootingLoadsKeepTheWholeLiveLoad) {
  // A pile bent carries the live load unfactored in its combinations; the
  // footing loads must still hold it once, without impact.
  auto p = problemOf(threeColumns(1.0f), {{"HS20", 2, threeColumns(0.6f)}});
  p->PILECODE = 1;
  for (int c = 1; c <= 3; ++c) p->col[ix(c)].S = 'P';
  p->cs.IMPACT = 30.0f / 130.0f;
  DriverRun run(*p);
  const BentSolution dead = solveByStiffness(threeColumns(1.0f));
  const BentSolution live = solveByStiffness(threeColumns(0.6f));
  for (int c = 1; c <= 3; ++c) {
    const auto& list = p->lists.FTG[ix(c)];
    const FootingLoadSet& s = list.SET[ix(list.ORDER[1])];
    const double service = dead.RF[ix(c)] + live.RF[ix(c)] * 100.0 / 130.0;
    EXPECT_NEAR(s.PS, service, 1e-3 * service);
    EXPECT_NEAR(s.PF, 1.3 * service, 1.3e-3 * service);
  }
}

TEST(LoadCaseDriver, CapEnvelopesOfAWholeRunAgainstTheStiffnessSolution) {
  auto p = problemOf(threeColumns(1.0f), {{"HS20", 2, threeColumns(0.6f)},
                                          {"UPLF", 1, threeColumns(-0.2f)}});
  DriverRun run(*p);
  const BentSolution dead = solveByStiffness(threeColumns(1.0f));
  const BentSolution a = solveByStiffness(threeColumns(0.6f));
  const BentSolution b = solveByStiffness(threeColumns(-0.2f));
  const double tol = 2e-3 * std::fabs(dead.MR[1]);
  const auto X = [&](int c, int s) { return p->env.X[ix(c)][ix(s)]; };
  for (int c = 1; c <= 3; ++c) {
    SCOPED_TRACE("column " + std::to_string(c));
    // Dead load and group I with the live-load factor 1.67, extremes over
    // the cases but never beyond the dead load in the wrong direction.
    const double dl = dead.MR[ix(c)];
    EXPECT_NEAR(X(c, 4), dl, tol);
    const double la = 1.67 * a.MR[ix(c)], lb = 1.67 * b.MR[ix(c)];
    EXPECT_NEAR(X(c, 8), dl + std::max({0.0, la, lb}), tol);
    EXPECT_NEAR(X(c, 12), dl + std::min({0.0, la, lb}), tol);
    // Envelope B: without the factor.
    EXPECT_NEAR(X(c, 23), dl + std::max({0.0, a.MR[ix(c)], b.MR[ix(c)]}), tol);
    EXPECT_NEAR(X(c, 24), dl + std::min({0.0, a.MR[ix(c)], b.MR[ix(c)]}), tol);
    EXPECT_NEAR(X(c, 3), dead.ML[ix(c)], tol);
    EXPECT_NEAR(X(c, 11), dead.ML[ix(c)] + std::min({0.0, 1.67 * a.ML[ix(c)], 1.67 * b.ML[ix(c)]}), tol);
    // Cap shear right of the column.
    const double vt = 2e-3 * std::fabs(dead.VCR[1]);
    EXPECT_NEAR(X(c, 2), dead.VCR[ix(c)], vt);
    EXPECT_NEAR(X(c, 6), dead.VCR[ix(c)] + std::max({0.0, 1.67 * a.VCR[ix(c)], 1.67 * b.VCR[ix(c)]}), vt);
  }
  // A span bearing point.
  const double mp = dead.MP[2][0];
  EXPECT_NEAR(p->env.CP[1][2][1], mp, tol);
  EXPECT_NEAR(p->env.CP[1][2][4], mp + 1.67 * std::max({0.0, a.MP[2][0], b.MP[2][0]}), tol);
  EXPECT_NEAR(p->env.CP[1][2][7], mp + 1.67 * std::min({0.0, a.MP[2][0], b.MP[2][0]}), tol);
}

// The cap moment at the faces of column c of a printed strain case ("ML" is
// printed with the sign of the column end, the cap takes it the other way).
struct PrintedFaces {
  double ML, MR;
};
PrintedFaces printedFaces(const std::vector<std::string>& lines, const std::string& label, int c) {
  for (size_t i = 0; i < lines.size(); ++i)
    if (lines[i].compare(1, label.size(), label) == 0) {
      const std::string& l = lines[i + static_cast<size_t>(c - 1)];
      const auto field = [&](int n) { return std::stod(l.substr(21 + 10 * static_cast<size_t>(n), 10)); };
      return {-field(5), field(6)};
    }
  ADD_FAILURE() << label << " not printed";
  return {0, 0};
}

TEST(LoadCaseDriver, CapGroupSixIsGroupThreeWithTheStrainThatGoverns) {
  auto p = problemOf(threeColumns(1.0f), twoLiveCases());
  addOptionalLoads(*p);
  DriverRun run(*p);
  ASSERT_TRUE(p->env.groupSix);
  const PrintedFaces e1 = printedFaces(run.lines, "EXPANSION OF CAP", 1);
  const PrintedFaces e2 = printedFaces(run.lines, "EXPANSION OF CAP", 2);
  const PrintedFaces s1 = printedFaces(run.lines, "SHRINKAGE OF CAP", 1);
  const PrintedFaces s2 = printedFaces(run.lines, "SHRINKAGE OF CAP", 2);
  // The two cases bend the cap opposite ways, so each extreme takes a
  // different one.
  ASSERT_LT(e2.ML * s2.ML, 0.0);
  // Print rounding of two fields and the single precision of the sums.
  const double tol = 2e-3 + 2e-6 * std::fabs(p->env.X[2][17]);
  ASSERT_GT(std::fabs(s2.ML), 100 * tol);
  EXPECT_NEAR(p->env.G6MAX.ML[2], p->env.X[2][17] + std::max(e2.ML, s2.ML), tol);
  EXPECT_NEAR(p->env.G6MIN.ML[2], p->env.X[2][19] + std::min(e2.ML, s2.ML), tol);
  EXPECT_NEAR(p->env.G6MAX.MR[1], p->env.X[1][18] + std::max(e1.MR, s1.MR), tol);
  // The first bearing of the first span, 6 ft from column 1 on 22 ft: no
  // load on the span, so the strain moment runs straight between the faces.
  const auto between = [](const PrintedFaces& l, const PrintedFaces& r) {
    return l.MR + (r.ML - l.MR) * 6.0 / 22.0;
  };
  const double e = between(e1, e2), sh = between(s1, s2);
  EXPECT_NEAR(p->env.G6MAX.MP[2][1], p->env.CP[1][2][12] + std::max(e, sh), tol);
  EXPECT_NEAR(p->env.G6MIN.MP[2][1], p->env.CP[1][2][13] + std::min(e, sh), tol);
  // The outer faces take neither wind nor strain: group VI keeps group III.
  EXPECT_FLOAT_EQ(p->env.G6MAX.ML[1], p->env.X[1][17]);
}

TEST(LoadCaseDriver, CapGroupSixNeedsTheStrainOfTheCap) {
  auto p = problemOf(threeColumns(1.0f), twoLiveCases());
  DriverRun run(*p);
  EXPECT_FALSE(p->env.groupSix);
  EXPECT_FLOAT_EQ(p->env.G6MAX.MP[2][1], p->env.CP[1][2][1]);
  EXPECT_FLOAT_EQ(p->env.G6MIN.ML[2], p->env.X[2][3]);
}

TEST(LoadCaseDriver, TitleXXPrintsNothingAndChangesNothing) {
  auto shown = problemOf(threeColumns(1.0f), twoLiveCases());
  auto hidden = problemOf(threeColumns(1.0f), twoLiveCases());
  addOptionalLoads(*shown);
  addOptionalLoads(*hidden);
  hidden->TITLE = "XX SAME BENT";
  DriverRun a(*shown), b(*hidden);
  EXPECT_FALSE(a.lines.empty());
  EXPECT_TRUE(b.lines.empty());
  EXPECT_EQ(shown->env.X, hidden->env.X);
  EXPECT_EQ(shown->env.CP, hidden->env.CP);
  EXPECT_EQ(shown->lists.NCLS, hidden->lists.NCLS);
  for (int c = 1; c <= 3; ++c)
    EXPECT_EQ(shown->lists.FTG[ix(c)].KEY, hidden->lists.FTG[ix(c)].KEY);
}

TEST(LoadCaseDriver, OneColumnPier) {
  PrismaticBent b;
  b.heights = {25.0f};
  b.columnEI = {6.0e5f};
  b.leftCantilever = b.rightCantilever = 10.0f;
  b.leftLoads = {{8.0f, 100.0f}};
  b.rightLoads = {{8.0f, 60.0f}};
  PrismaticBent live = b;
  live.leftLoads = {{8.0f, 50.0f}};
  live.rightLoads = {};
  auto p = problemOf(b, {{"HS20", 1, live}});
  p->col[1].DL = 3.0f;
  p->ftg[1].SET = 0.1f;     // ignored: no settlement with one column
  p->misc.SHRC = 0.0003f;   // ignored: no cap strain with one column
  DriverRun run(*p);
  const std::vector<std::string> expected = {"UNIT F.AT CL.CAP", "DEAD LOAD TOTAL ",
                                             "WIND ON SUBSTR. ", "LIVE LOAD HS20  "};
  EXPECT_EQ(run.cases(), expected);
  // Unit case: a unit transverse shear on a free-standing column.
  const std::string& unit = run.lines[3];
  EXPECT_EQ(unit.substr(21, 40), "     0.000    -3.000     1.000    25.000");
  // Dead load: 800 - 480 = 320 of unbalanced cap moment in the column.
  EXPECT_NEAR(p->stored.DEADL.row[kRowMT][1], -320.0f, 1e-3f);
  EXPECT_NEAR(p->stored.DEADL.row[kRowMB][1], 320.0f, 1e-3f);
  EXPECT_NEAR(p->stored.DEADL.row[kRowRF][1], 160.0f, 1e-3f);
  EXPECT_EQ(p->stored.DEADL.row[kRowV][1], 0.0f);
}

// The strength-reduction factor of each column: by its type under the
// load-factor method, the column steel card's OC over that, and 1 under
// service loads or for a pile bent.
TEST(LoadCaseDriver, StrengthReductionFactorOfEachColumn) {
  struct Case {
    char method, type1, type2;
    float oc;
    int pileCode;
    float phi1, phi2;
  };
  const Case cases[] = {
      {'L', 'T', 'R', 0.0f, 0, 0.70f, 0.75f},  // tied, round
      {'L', 'S', 'T', 0.0f, 0, 0.75f, 0.70f},  // spiral, tied
      {'L', 'T', 'R', 0.8f, 0, 0.80f, 0.80f},  // OC given
      {'S', 'T', 'R', 0.8f, 0, 1.00f, 1.00f},  // service loads
      {'L', 'T', 'R', 0.8f, 2, 1.00f, 1.00f},  // pile bent
  };
  for (const Case& k : cases) {
    auto p = std::make_unique<Problem>();
    p->dd.NCOL = 2;
    p->dd.METHOD = k.method;
    p->col[1].T = k.type1;
    p->col[2].T = k.type2;
    p->cs.OC = k.oc;
    p->PILECODE = k.pileCode;
    const ColumnRow phi = strengthReductionFactors(*p);
    EXPECT_FLOAT_EQ(phi[1], k.phi1) << k.method << k.type1 << " OC " << k.oc;
    EXPECT_FLOAT_EQ(phi[2], k.phi2) << k.method << k.type2 << " OC " << k.oc;
    EXPECT_EQ(phi[3], 0.0f);  // beyond NCOL
  }
}

}  // namespace
}  // namespace bentpier
