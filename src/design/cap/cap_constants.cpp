// Material and rule constants of the cap design, and the per-point width.
#include <algorithm>
#include <cmath>

#include "base/bar_table.h"
#include "design/cap/cap_section.h"

namespace bentpier {
namespace {

// Concrete shear stress carried without stirrups, in units of sqrt(F'C).
constexpr float kServiceShearFactor = 0.95f;
constexpr float kStrengthShearFactor = 2.0f;
// Modulus of rupture 7.5 sqrt(F'C); the minimum steel carries 1.2 times the
// cracking moment with a capacity-reduction factor of 0.9.
constexpr float kRuptureFactor = 7.5f;
constexpr float kCrackingMomentFactor = 1.2f;
constexpr float kFlexureReduction = 0.9f;
// Depth of the rectangular stress block: BETA1 is 0.85 up to 4000 psi and
// falls by 0.05 for every 1000 psi above.
constexpr float kBeta1Max = 0.85f;
constexpr float kBeta1Knee = 4000.0f;
constexpr float kBeta1Slope = 0.00005f;
constexpr float kBlockStress = 0.85f;  // block stress over F'C
constexpr float kUltimateStrainTimesKsi = 3.0f;  // 0.003 strain, Es in ksi
constexpr float kMaxBalancedShare = 0.75f;
// Minimum stirrup area 50 b s / FY.
constexpr float kMinimumStirrupFactor = 50.0f;

}  // namespace

void setCapConstants(CapDesignState& st, const CapMaterials& mat,
                     char METHOD) {
  st.FY = mat.FY;
  st.FS = mat.FS;
  st.FPC = mat.FPC;
  st.N = mat.N;
  st.N2M1 = 2.0f * mat.N - 1.0f;
  st.NM1 = mat.N - 1.0f;

  st.AB = barOf(mat.MAINSZ).area;
  st.ASMIN = barOf(mat.MINSZ).area * static_cast<float>(mat.MINNO);
  st.AV = 2.0f * barOf(mat.STRSZ).area;
  st.DMAIN = barOf(mat.MAINSZ).diameter;
  st.HDMIN = 0.5f * barOf(mat.MINSZ).diameter;
  st.MINNO = mat.MINNO;
  st.MINSSP = mat.MINSSP;

  const float root = std::sqrt(std::max(mat.FPC, 0.0f));
  const bool service = METHOD == 'S';
  st.VC = (service ? kServiceShearFactor : kStrengthShearFactor) * root;
  st.VC2 = 0.5f * st.VC;
  st.V2 = 2.0f * root;
  st.V4 = 4.0f * root;
  st.V8 = 8.0f * root;

  const float FR = kRuptureFactor * root;
  st.RMIN = mat.FPC > 0.0f ? kCrackingMomentFactor * FR /
                                 (kFlexureReduction * 6.0f * mat.FPC)
                           : 0.0f;
  st.BETA1 = std::min(kBeta1Max, kBeta1Max - (mat.FPC - kBeta1Knee) *
                                                 kBeta1Slope);
  st.B1K = kBlockStress * st.BETA1;
  st.EPSES = kUltimateStrainTimesKsi * mat.ES;
  const float balanced = st.EPSES + mat.FY;
  st.WB = balanced > 0.0f ? st.B1K * st.EPSES / balanced : 0.0f;
  st.WBMAX = kMaxBalancedShare * st.WB;
  st.Q1 = 0.5f / kBlockLever;
  st.Q2 = st.Q1 * st.Q1;
}

void setCapPoint(CapDesignState& st, float b, float h) {
  st.b = b;
  st.h = h;
  st.AVMINK = st.FY > 0.0f ? kMinimumStirrupFactor * b / st.FY : 0.0f;
}

}  // namespace bentpier
