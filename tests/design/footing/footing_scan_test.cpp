// A seeded scan over random spread and pile footing designs under both
// methods: every printed design is read back from the report, and each
// governing force is held against the capacity worked out here from the
// printed bars and thickness (effective depths from the cover and the bar
// diameters, the strip by the stress block or the cracked section).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iostream>
#include <sstream>
#include <string>

#include "base/bar_table.h"
#include "design/footing/footing_fixture.h"

namespace bentpier {
namespace {

struct Rng {  // splitmix64: the same sequence on every platform
  uint64_t s;
  double u() {
    uint64_t z = (s += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return static_cast<double>((z ^ (z >> 31)) >> 11) * 0x1.0p-53;
  }
  float in(double a, double b) { return static_cast<float>(a + (b - a) * u()); }
  // In quarters of a foot, so that the printed thickness is exact.
  float quarters(double a, double b) { return std::round(4 * in(a, b)) / 4; }
  template <typename T, size_t N> T of(const T (&v)[N]) { return v[static_cast<size_t>(u() * N)]; }
};

double groupFactor(char GR) {
  switch (GR) {
    case '2': case '3': case '4': return 1.25;
    case '5': return 1.4;
    case '7': case 'B': return 1.33;
    default: return 1.0;
  }
}

FootingStageInput randomFooting(Rng& g, bool pile) {
  FootingParameterRecord p = testing::footingParams();
  p.FPC = g.of({3.0f, 4.0f, 5.0f});
  p.FC = 0.4f * p.FPC;
  p.FY = g.of({40.0f, 60.0f});
  p.FS = p.FY == 40.0f ? 20.0f : 24.0f;
  p.N = g.of({8.0f, 9.0f, 10.0f});
  p.ALLSP = g.in(2, 8);
  p.REBARCLR = g.of({2.0f, 3.0f});
  p.PILECAP = g.in(50, 150);
  p.PILEUPL = g.of({0.0f, -20.0f});
  p.PILEDEPTH = g.of({0.5f, 0.75f, 1.0f});
  p.MAXPLSP = g.in(5, 8);
  const float B = g.in(4, 10), D = g.in(4, 10), T = g.quarters(1, 2.5);
  FootingData r = testing::spreadRecord(B, D, T, g.in(1.5, 4));
  r.DB = g.u() < 0.3 ? g.in(1.5, 4) : r.DB;
  r.BB = g.u() < 0.2 ? 0.0f : r.BB;  // a round column of diameter DB
  r.S_HT = g.in(0, 4);
  r.DEL_B = g.of({0.25f, 0.5f, 1.0f});
  r.DEL_D = g.of({0.25f, 0.5f, 1.0f});
  r.DEL_T = g.of({0.25f, 0.5f});
  r.R_BD = r.R_DB = g.in(1.5, 3);
  if (pile) {
    r.SP = 'P';
    r.NP = static_cast<int>(g.u() * 9);
    r.SYM = static_cast<int>(g.u() * 3);
    r.T = g.quarters(2, 3.5);
    if (g.u() < 0.7) r.B = r.D = 1.0f;  // the plan follows from the piles
  }
  const double most = pile ? 8 * p.PILECAP : 25 * p.ALLSP * 4;
  const int sets = 1 + static_cast<int>(g.u() * 5);
  for (int s = 0; s < sets; ++s) {
    // One draw per statement: the order of arguments is the compiler's.
    const char GR = g.of({'1', '2', '3', '5', '7', 'B'});
    const float P = g.in(0.15 * most, most);
    const float e = g.in(0, pile ? 2 : 2.5);
    const float MT = g.in(-e, e) * P;
    const float VT = g.in(-0.05, 0.05) * P;
    const float ML = g.in(-e, e) * P;
    const float VL = g.in(-0.05, 0.05) * P;
    FootingLoadRecord set = testing::loadSet(GR, P, MT, VT, ML, VL);
    set.PF = g.in(1.3, 1.7) * P;  // the factored moments stay 1.5 times
    r.sets.push_back(set);
  }
  r.NFLS = sets;
  return testing::oneFooting(p, r);
}

float at(const std::string& line, size_t from, size_t width) {
  return std::stof(line.substr(from, width));
}

// Capacities per foot of a strip of effective depth d with steel As
// (in^2/ft); service-load allowables raised by the group factor gf.
struct Capacity { double M, VB, VP; };
Capacity stripCapacity(const FootingParameterRecord& p, char METHOD, double d, double As,
                       double gf, double beta) {
  const double rootFc = std::sqrt(1000.0 * p.FPC) / 1000.0;
  if (METHOD == 'S') {
    // Neutral axis of the cracked strip: 12 x^2 / 2 = n As (d - x).
    const double nA = p.N * As, x = (-nA + std::sqrt(nA * nA + 24 * nA * d)) / 12;
    const double jd = d - x / 3;
    return {std::min(gf * p.FC * 12 * x / 2, gf * p.FS * As) * jd / 12,
            gf * 0.95 * rootFc * 12 * d,
            gf * std::min(1.8, 0.8 + 2 / beta) * rootFc * 12 * d};
  }
  const double a = As * p.FY / (0.85 * p.FPC * 12);
  return {0.9 * As * p.FY * (d - a / 2) / 12, 0.85 * 2 * rootFc * 12 * d,
          0.85 * std::min(4.0, 2 + 4 / beta) * rootFc * 12 * d};
}

// Checks one printed design; returns what is wrong, or "".
std::string checkDesign(const std::vector<std::string>& lines, const FootingStageInput& in,
                        char METHOD) {
  const FootingParameterRecord& p = *in.params;
  const FootingData& r = in.footings[0];
  const int head = testing::findLine(lines, "F G LLID");
  const int res = testing::findLine(lines, "   B       D       T    P1/PA");
  if (head < 0 || res < 0) return "no design";
  auto slot = [&](int m) { return lines[static_cast<size_t>(head + m)]; };
  const std::string top = lines[static_cast<size_t>(res + 1)], bot = lines[static_cast<size_t>(res + 2)];
  const double B = at(top, 1, 6), D = at(top, 7, 8), T = at(top, 15, 8);
  std::ostringstream why;
  if (at(top, 23, 7) > 1.0005) why << " P1/PA " << at(top, 23, 7);
  if (r.SP == 'P' && at(slot(7), 77, 8) < groupFactor(slot(7)[3]) * p.PILEUPL - 0.0005)
    why << " uplift " << at(slot(7), 77, 8);
  // Bars: the lower layer on the cover, the upper on the lower bars.
  const double face = 12 * (r.SP == 'P' ? T - p.PILEDEPTH : T) - p.REBARCLR;
  const double lower = barOf(static_cast<int>(at(bot, 42, 2))).diameter;
  const double depth[2] = {face - lower - barOf(static_cast<int>(at(top, 42, 2))).diameter / 2,
                           face - lower / 2};
  const double BB = r.BB == 0 ? r.DB * std::sqrt(0.7853982) : (r.SYM == 2 ? r.DB : r.BB);
  const double DB = r.BB == 0 ? BB : (r.SYM == 2 ? r.BB : r.DB);
  const double dsf = (face - 0.375) / 12, pb = std::min(dsf + BB, B), pd = std::min(dsf + DB, D);
  const double beta = std::max(pb, pd) / std::min(pb, pd);
  const std::string* line[2] = {&top, &bot};
  for (int l = 0; l < 2; ++l) {
    const std::string& s = *line[l];
    const int size = static_cast<int>(at(s, 42, 2));
    if (size == 0) continue;  // no positive moment, nothing placed
    const bool tran = s.substr(58, 4) == "TRAN";
    const double W = tran ? B : D, As = barOf(size).area * at(s, 36, 4) / W;
    const int mSlot = tran ? kSlotMT : kSlotML, vSlot = tran ? kSlotVT : kSlotVL;
    const double gfM = METHOD == 'S' ? groupFactor(slot(mSlot)[3]) : 1;
    const double gfV = METHOD == 'S' ? groupFactor(slot(vSlot)[3]) : 1;
    const double gfP = METHOD == 'S' ? groupFactor(slot(kSlotVP)[3]) : 1;
    const double d = depth[l];
    if (std::fabs(at(s, 86, 8) - d) > 0.001) why << " DS " << at(s, 86, 8) << " not " << d;
    const Capacity c = {stripCapacity(p, METHOD, d, As, gfM, beta).M,
                        stripCapacity(p, METHOD, d, As, gfV, beta).VB,
                        stripCapacity(p, METHOD, d, As, gfP, beta).VP};
    const double demand[3] = {at(slot(mSlot), 101, 8), at(slot(vSlot), 109, 8),
                              at(slot(kSlotVP), 117, 8)};
    const double cap[3] = {c.M, c.VB, c.VP}, printed[3] = {at(s, 62, 8), at(s, 70, 8), at(s, 78, 8)};
    const char* name[3] = {"moment", "beam shear", "punching"};
    for (int k = 0; k < 3; ++k) {
      if (std::fabs(printed[k] - cap[k]) > 0.002 + 2e-4 * cap[k])
        why << " " << s.substr(58, 4) << " printed " << name[k] << " " << printed[k]
            << " not " << cap[k];
      if (demand[k] > cap[k] + 0.001 + 1e-5 * cap[k])
        why << " " << s.substr(58, 4) << " " << name[k] << " " << demand[k] << " > " << cap[k];
    }
  }
  return why.str();
}

TEST(FootingScan, NoPrintedDesignHasAGoverningForceBeyondItsCapacity) {
  Rng g{20240613};
  int designs = 0, failed = 0, wrong = 0, lifted = 0, thickened = 0, grown = 0;
  for (int n = 0; n < 700; ++n) {
    const bool pile = n % 2 == 1;
    const FootingStageInput in = randomFooting(g, pile);
    for (char METHOD : {'S', 'L'}) {
      const auto lines = testing::stageLines(in, METHOD, 'D');
      if (testing::findLine(lines, "OUT OF ORDER") >= 0) {
        ++failed;
        ADD_FAILURE() << "problem " << n << METHOD << " has no design: " << lines[0];
        continue;
      }
      ++designs;
      const int head = testing::findLine(lines, "F G LLID");
      for (int m = 1; m <= kGovSlots; ++m)
        if (!pile && at(lines[static_cast<size_t>(head + m)], 77, 8) < 0) {
          ++lifted;
          break;
        }
      const std::string res = lines[static_cast<size_t>(testing::findLine(lines, "P1/PA") + 1)];
      thickened += at(res, 15, 8) > in.footings[0].T;
      grown += pile ? testing::findLine(lines, "NUMBER OF PILES =  4") < 0
                    : at(res, 1, 6) > in.footings[0].B + 0.001f;
      const std::string why = checkDesign(lines, in, METHOD);
      if (!why.empty() && ++wrong <= 20)
        ADD_FAILURE() << "problem " << n << METHOD << (pile ? " pile" : " spread") << why;
    }
  }
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(failed, 0);
  EXPECT_GE(designs, 1000);
  // The scan reaches lifted footings, thicker footings and grown plans.
  EXPECT_GT(lifted, 50);
  EXPECT_GT(thickened, 300);
  EXPECT_GT(grown, 300);
  std::cout << designs << " designs: " << lifted << " spread with a lifted governing set, "
            << thickened << " thickened, " << grown << " grown in plan or piles\n";
}

}  // namespace
}  // namespace bentpier
