// Effective-length routine (alignment-chart factors from the end-restraint
// factors) and the slenderness data of each column: radii of gyration,
// rigidities, end restraints, kl/r and critical loads.
#include <algorithm>
#include <cmath>
#include <limits>

#include "frame/member_properties.h"

namespace bentpier {
namespace {

constexpr float kPi = 3.141593f;
constexpr float kPiSquared = 9.869604f;
constexpr float kHalfPi = 1.570796f;
constexpr float kSearchStep = 0.005f;
constexpr int kRefinements = 4;
constexpr int kMaxSearchSteps = 100000;  // bound on one upward search
constexpr float kBracedScale = 0.15f;    // restraints divided by this for the braced pass
constexpr float kMinUnbraced = 1.2f;
constexpr float kPinnedRestraint = 10000;
constexpr float kPrintedRestraintCap = 999.9f;
constexpr float kSqInchesPerSqFoot = 144;
constexpr float kRestraintUnits = 20736;  // 144^2: kip-in^2 against EC (ksi) times ft^3
constexpr float kCapCracking = 0.5f;      // share of the cap's gross stiffness

bool columnOptionGiven(const Problem& problem) {
  return problem.dd.COLOPT == 'I' || problem.dd.COLOPT == 'D';
}

}  // namespace

// Sway alignment chart: G_A G_B b^2 - 36 over 6 (G_A + G_B) equals b / tan b
// with b = pi / K, solved by an upward search in b with refining steps.
float swayLengthFactor(float psiA, float psiB) {
  const float G = psiA * psiB;
  const float m = 6 * (psiA + psiB);
  float b = kHalfPi;
  if (!(G > 14.4f && G < 14.8f)) {
    if (G != 0) {
      const float c = std::sqrt(36 / G) + 0.005f;
      if (G > 14.5902f) b = c;
    }
    float step = kSearchStep;
    for (int pass = 0; pass <= kRefinements; ++pass) {
      int guard = 0;
      do {
        b += step;
      } while (std::tan(b) < b * m / (b * b * G - 36) && ++guard < kMaxSearchSteps);
      b -= step;
      step /= 10;
    }
  }
  return kPi / b;
}

EffectiveLength effectiveLengthFactors(float psiTop, float psiBottom) {
  EffectiveLength el;
  el.unbraced = swayLengthFactor(psiTop, psiBottom);
  const float k2 = swayLengthFactor(psiTop / kBracedScale, psiBottom / kBracedScale);
  const float x = k2 >= 2 ? k2 * (k2 * (0.0378033f - 0.00073475f * k2) - 0.6779985f)
                          : k2 * (k2 * (0.3867372f - 0.0996401f * k2) - 0.9802439f);
  el.braced = 1 - std::exp(x);
  return el;
}

namespace {

// Euler load pi^2 EI / (kl)^2 with EI in kip-in^2 and kl in feet; a column
// with no effective length does not buckle.
float eulerLoad(float rigidity, float effectiveLength) {
  if (effectiveLength == 0) return std::numeric_limits<float>::infinity();
  return rigidity * kPiSquared / kSqInchesPerSqFoot / (effectiveLength * effectiveLength);
}

float slendernessRatio(float length, float radiusInches) {
  return radiusInches > 0 ? length / (radiusInches / 12) : 0;
}

}  // namespace

void columnSlenderness(Problem& problem, int c) {
  if (!columnOptionGiven(problem)) return;
  const Column& col = problem.col[c];
  ColumnProperties& cp = problem.colp[c];
  const int NCOL = problem.dd.NCOL;
  const float EC = problem.dd.EC;

  const SectionProperties top = columnSection(problem, c, col.DT, col.BT, 1);
  const SectionProperties bottom = columnSection(problem, c, col.DB, col.BB, 2);
  cp.EMIN[1] = top.eminT;
  cp.EMIN[2] = top.eminL;
  cp.EMIN[3] = bottom.eminT;
  cp.EMIN[4] = bottom.eminL;
  cp.RGTB = (top.radiusT + bottom.radiusT) / 2;
  cp.RGL = (top.radiusL + bottom.radiusL) / 2;
  const float EIT = (top.rigidityT + bottom.rigidityT) / 2;
  const float EIL = (top.rigidityL + bottom.rigidityL) / 2;
  cp.EITTB = EIT / 1000;
  cp.EILTB = EIL / 1000;

  // Height to the middle of the cap over the column.
  const float capDepth = c < NCOL ? problem.cap[c + 1].DE : problem.cap[c].DE;
  const float Hc = col.HT + capDepth / 2;

  EffectiveLength k;
  if (NCOL == 1) {
    k.braced = k.unbraced = problem.cs.KLCOEF;
    cp.FLU = Hc;
    cp.PSIT = 0;
    cp.PSIB = 0;
  } else {
    const float capStiffness = (problem.capp[c].RI + problem.capp[c + 1].RI) * EC * kCapCracking;
    cp.PSIT = capStiffness > 0 ? (EIT / (col.HT * kRestraintUnits)) / capStiffness
                               : kPinnedRestraint;
    if (col.FLEX <= 0) {
      cp.PSIB = 0;
    } else if (col.FLEX < 1) {
      cp.PSIB = col.FLEX / (1 - col.FLEX);
    } else {
      cp.PSIB = kPinnedRestraint;
    }
    k = effectiveLengthFactors(cp.PSIT, cp.PSIB);
    k.unbraced = std::max(k.unbraced, kMinUnbraced);
  }
  if (cp.PSIB >= 1000) cp.PSIB = kPrintedRestraintCap;

  cp.FKBR = slendernessRatio(k.braced * cp.FLU, cp.RGTB);
  cp.FKUBR = slendernessRatio(k.unbraced * cp.FLU, cp.RGTB);
  const float Ll = problem.cs.KLCOEF * Hc;
  cp.KLRL = slendernessRatio(Ll, cp.RGL);
  cp.PCBR = eulerLoad(EIT, k.braced * cp.FLU);
  cp.PCUBR = eulerLoad(EIT, k.unbraced * cp.FLU);
  cp.PCL = eulerLoad(EIL, Ll);
}

}  // namespace bentpier
