// Derived quantities of a column section and of its bar arrangement.
#include "design/column/section_state.h"

#include <algorithm>
#include <cmath>

#include "design/column/section_strength.h"

namespace bentpier::column {

void deriveSection(SectionState& s) {
  if (s.SECT == kCircular) {
    const float r = s.D / 2.0f, ri = s.VOID / 2.0f;
    s.RG = r;
    s.DIAG = s.D;
    s.AG = kPi * (r * r - ri * ri);
    s.ZX = kRootHalf;
    s.ZY = kRootHalf;
  } else {
    s.DIAG = std::sqrt(s.B * s.B + s.D * s.D);
    s.RG = s.B * s.D / s.DIAG;
    s.AG = s.B * s.D;
    // The diagonal's normal points to the corner (B/2, D/2).
    s.ZX = s.D / s.DIAG;
    s.ZY = s.B / s.DIAG;
  }
  s.EPS0 = 2.0f * s.FCC2 / s.EC;
  s.KR = s.EPS0 / s.EPSCU;
  s.EPSY = s.FY / s.ES;
  s.KY = s.EPSY / s.EPSCU;
}

void COMPZ(SectionState& s) {
  s.AS = 0.0f;
  for (BarPoint& bar : s.bars) {
    bar.Z = bar.X * s.ZX + bar.Y * s.ZY;
    s.AS += bar.A;
  }
  s.P0 = s.PHIC * squashLoad(s);
  for (InteractionCurve& curve : s.curve) curve.built = false;
}

float squashLoad(const SectionState& s) {
  const float concrete = concreteStress(s, s.EPSCU);
  const float steel = std::min(s.ES * s.EPSCU, s.FY);
  return s.AS * steel + (s.AG - s.AS) * concrete;
}

}  // namespace bentpier::column
