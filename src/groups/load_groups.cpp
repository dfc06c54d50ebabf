#include "groups/load_groups.h"

#include "frame/bent_analysis.h"

namespace bentpier {
namespace {

constexpr float kPsiPerKsi = 1000.0f;

// The group slots that the load factor multiplies; envelope B (X 21..24,
// CP 14, 15) stays a service value.
constexpr int kLastFactoredFaceSlot = 20;
constexpr int kLastFactoredPointSlot = 13;

// Group III moments of a cantilever point and the envelope B values that
// replace them.
constexpr int kPointGroupThreeMax = 12, kPointGroupThreeMin = 13;
constexpr int kPointEnvelopeBMax = 14, kPointEnvelopeBMin = 15;

bool optionWritesRecords(char option) { return option == 'I' || option == 'D'; }

void replaceCantileverGroupThree(Problem& p, int k, const MethodValues& method) {
  for (int q = 1; q <= bearingCount(p, k); ++q) {
    auto& cp = p.env.CP[static_cast<size_t>(q)][static_cast<size_t>(k)];
    cp[kPointGroupThreeMax] = cp[kPointEnvelopeBMax] * method.GAMMA;
    cp[kPointGroupThreeMin] = cp[kPointEnvelopeBMin] * method.GAMMA;
    // Neither wind nor the strain of the cap bends a cantilever.
    const size_t ki = static_cast<size_t>(k), qi = static_cast<size_t>(q);
    p.env.G6MAX.MP[ki][qi] = cp[kPointEnvelopeBMax] * method.groupSixGamma;
    p.env.G6MIN.MP[ki][qi] = cp[kPointEnvelopeBMin] * method.groupSixGamma;
  }
}

void scaleMomentTable(CapMomentTable& t, float factor) {
  for (auto* row : {&t.ML, &t.MR})
    for (float& m : *row) m *= factor;
  for (auto& segment : t.MP)
    for (float& m : segment) m *= factor;
}

}  // namespace

MethodValues methodValues(char method) {
  MethodValues m;
  if (method == 'L') m.GAMMA = kGroupLoadFactor;
  if (method == 'L') m.groupSixGamma = kGroupSixLoadFactor;
  if (method == 'S') m.divisor = kServiceOverstress;
  if (method == 'S') m.groupSixDivisor = kGroupSixOverstress;
  return m;
}

void convertStrengthsToKsi(Problem& p) {
  p.dd.FY /= kPsiPerKsi;
  p.dd.FPC /= kPsiPerKsi;
  p.dd.FC /= kPsiPerKsi;
  p.dd.FS /= kPsiPerKsi;
}

void scaleCapEnvelopes(Problem& p, const MethodValues& method) {
  for (int c = 1; c <= columnCount(p); ++c)
    for (int s = 1; s <= kLastFactoredFaceSlot; ++s)
      p.env.X[c][s] *= kGroupLoadFactor;
  for (int k = 1; k <= p.dd.NSPAN && k <= kMaxSegments; ++k)
    for (int q = 1; q <= bearingCount(p, k); ++q)
      for (int s = 1; s <= kLastFactoredPointSlot; ++s)
        p.env.CP[q][k][s] *=
            kGroupLoadFactor;
  scaleMomentTable(p.env.G6MAX, method.groupSixGamma);
  scaleMomentTable(p.env.G6MIN, method.groupSixGamma);
  if (p.dd.NCAN >= 1) replaceCantileverGroupThree(p, 1, method);
  if (p.dd.NCAN == 2) replaceCantileverGroupThree(p, p.dd.NSPAN, method);
}

bool hasCapReport(const Problem& p) { return p.dd.NCOL != 1 || p.dd.NCAN != 0; }

void PIER41(Problem& problem, Report& report) {
  convertStrengthsToKsi(problem);
  const MethodValues method = methodValues(problem.dd.METHOD);
  if (problem.dd.METHOD == 'L') scaleCapEnvelopes(problem, method);

  problem.rec.CAPREC.clear();
  problem.rec.COLREC.clear();
  problem.rec.FTGREC.clear();
  if (hasCapReport(problem)) {
    const CapTableEnd table = printCapMomentsTable(problem, report, method);
    if (optionWritesRecords(problem.dd.CAPOPT)) writeCapRecords(problem, table, method);
  }
  if (optionWritesRecords(problem.dd.COLOPT)) writeColumnRecords(problem);
  if (optionWritesRecords(problem.dd.FTGOPT)) writeFootingRecords(problem);
}

}  // namespace bentpier
