// Per-foot design forces of a spread footing from its corner soil
// pressures: the cantilevers beyond the column faces in both directions
// (moment at the face, beam shear an effective depth out) and punching
// round the column.
#include <algorithm>

#include "design/footing/footing.h"

namespace bentpier {

void spreadDesignForces(FootingState& FST, const FootingDesign& fd) {
  const float P1 = FST[kFstP1], P2 = FST[kFstP2], P3 = FST[kFstP3],
              P4 = FST[kFstP4];
  for (int e = kFstMTF; e <= kFstVLF; ++e) FST[static_cast<size_t>(e)] = 0.0f;
  if (P1 == 0.0f) return;
  const FootingSection& s = fd.sec;
  const float FWQ = fd.wt.FWQ;

  // Mean pressures on the two edges through corner 1 and at the centre.
  const float m4 = (P4 + P1) / 2.0f;
  const float m2 = (P2 + P1) / 2.0f;
  const float m3 = (P3 + P1) / 2.0f;

  // Longitudinal cantilever: pressure m3 + x sL at x from the centre.
  const float sL = (m4 - m3) / s.HB;
  const float aL = s.DSF + fd.BB2;
  FST[kFstVLF] = std::max(0.0f, s.HB - aL) *
                 ((m4 + m3 + aL * sL) / 2.0f - FWQ);
  const float cL = s.HB - fd.BB2;
  FST[kFstMLF] =
      (m4 / 3.0f + (m3 + fd.BB2 * sL) / 6.0f - FWQ / 2.0f) * cL * cL;

  // Transverse cantilever.
  const float sT = (m2 - m3) / s.HD;
  const float aT = s.DSF + fd.DB2;
  FST[kFstVBF] = std::max(0.0f, s.HD - aT) *
                 ((m2 + m3 + aT * sT) / 2.0f - FWQ);
  const float cT = s.HD - fd.DB2;
  FST[kFstMTF] =
      (m2 / 3.0f + (m3 + fd.DB2 * sT) / 6.0f - FWQ / 2.0f) * cT * cT;

  // Punching: the column load less the net pressure inside the critical
  // perimeter, over the perimeter; none when the perimeter leaves the plan.
  if (fd.f.B <= s.PB1 || fd.f.D <= s.PD1) {
    FST[kFstVPF] = 0.0f;
  } else {
    FST[kFstVPF] = (FST[kFstP] - s.PB1 * s.PD1 * (m3 - fd.wt.FWT / s.FAREA)) /
                   (2.0f * (s.PB1 + s.PD1));
  }
}

}  // namespace bentpier
