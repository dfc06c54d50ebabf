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

void replaceCantileverGroupThree(Problem& p, int k, float gamma) {
  for (int q = 1; q <= bearingCount(p, k); ++q) {
    auto& cp = p.env.CP[q][k];
    cp[kPointGroupThreeMax] = cp[kPointEnvelopeBMax] * gamma;
    cp[kPointGroupThreeMin] = cp[kPointEnvelopeBMin] * gamma;
  }
}

}  // namespace

MethodValues methodValues(char method) {
  MethodValues m;
  if (method == 'L') m.GAMMA = kGroupLoadFactor;
  if (method == 'S') m.divisor = kServiceOverstress;
  return m;
}

void convertStrengthsToKsi(Problem& p) {
  p.dd.FY /= kPsiPerKsi;
  p.dd.FPC /= kPsiPerKsi;
  p.dd.FC /= kPsiPerKsi;
  p.dd.FS /= kPsiPerKsi;
}

void scaleCapEnvelopes(Problem& p, float gamma) {
  for (int c = 1; c <= columnCount(p); ++c)
    for (int s = 1; s <= kLastFactoredFaceSlot; ++s)
      p.env.X[c][s] *= kGroupLoadFactor;
  for (int k = 1; k <= p.dd.NSPAN && k <= kMaxSegments; ++k)
    for (int q = 1; q <= bearingCount(p, k); ++q)
      for (int s = 1; s <= kLastFactoredPointSlot; ++s)
        p.env.CP[q][k][s] *=
            kGroupLoadFactor;
  if (p.dd.NCAN >= 1) replaceCantileverGroupThree(p, 1, gamma);
  if (p.dd.NCAN == 2) replaceCantileverGroupThree(p, p.dd.NSPAN, gamma);
}

bool hasCapReport(const Problem& p) { return p.dd.NCOL != 1 || p.dd.NCAN != 0; }

void PIER41(Problem& problem, Report& report) {
  convertStrengthsToKsi(problem);
  const MethodValues method = methodValues(problem.dd.METHOD);
  problem.comb.GAMMA = method.GAMMA;
  if (problem.dd.METHOD == 'L') scaleCapEnvelopes(problem, method.GAMMA);

  problem.rec.CAPREC.clear();
  problem.rec.COLREC.clear();
  problem.rec.FTGREC.clear();
  if (hasCapReport(problem)) {
    const CapTableEnd table = printCapMomentsTable(problem, report, method.GAMMA);
    if (optionWritesRecords(problem.dd.CAPOPT)) writeCapRecords(problem, table, method.divisor);
  }
  if (optionWritesRecords(problem.dd.COLOPT)) writeColumnRecords(problem);
  if (optionWritesRecords(problem.dd.FTGOPT)) writeFootingRecords(problem);
}

}  // namespace bentpier
