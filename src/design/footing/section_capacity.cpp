// Per-foot capacities of a footing section and the thickness check that
// compares them with the design forces of a load set.
#include <algorithm>
#include <cmath>

#include "design/footing/footing.h"

namespace bentpier {
namespace {

constexpr float kBlockFactor = 0.85f;
constexpr float kStripWidth = 12.0f;  // inches in the foot strip of the capacities

}  // namespace

SectionCapacity sectionCapacities(const FootingStrengths& k, float DS,
                                  float AST) {
  SectionCapacity c;
  if (k.serviceMethod()) {
    // Cracked transformed section of a one-foot strip: neutral axis x from
    // 12 x^2/2 = n AST (DS - x); the smaller of the concrete and the steel
    // moments at their allowable stresses.
    if (DS > 0.0f && AST > 0.0f) {
      const float r = k.p.N * AST / kStripWidth;
      const float x = std::sqrt(r * r + 2.0f * r * DS) - r;
      const float jd = DS - x / 3.0f;
      c.MCAP = std::min(jd * x * k.FCALL * kStripWidth / 24.0f,
                        jd * AST * k.PHIFY / 12.0f);
    }
  } else {
    // Rectangular stress block of depth FY AST / (0.85 f'c 12).
    const float a = k.p.FY * AST / (kBlockFactor * k.p.FPC * kStripWidth);
    c.MCAP = (DS - a / 2.0f) * k.PHIFY * AST / 12.0f;
  }
  c.VBCAP = k.VBK * kStripWidth * DS;
  c.VPCAP = k.VPK * kStripWidth * DS;
  return c;
}

bool thicknessSuffices(FootingStrengths& k, const FootingSection& s,
                       const FootingState& F, float GF) {
  k.VPK = punchingStress(k, s.BETA, GF);
  const float AST =
      k.serviceMethod() ? s.DS * k.RMINF : kStripWidth * s.DS * k.RHOMAX;
  const SectionCapacity c = sectionCapacities(k, s.DS, AST);
  return std::max(F[kFstVLF], F[kFstVBF]) <= c.VBCAP &&
         F[kFstVPF] <= c.VPCAP && std::max(F[kFstMTF], F[kFstMLF]) <= c.MCAP;
}

void setServiceStresses(FootingStrengths& k, float GFM, float GFV) {
  k.PHIFY = GFM * k.p.FS;
  k.FCALL = GFM * k.p.FC;
  k.VBK = GFV * k.VBS;
}

}  // namespace bentpier
