// Stirrups for one shear at one face of a cap point.
//
// The nominal shear stress v = V / (b d) above what the concrete carries,
// x = v - VC, is carried by vertical two-leg stirrups: Av / s = x b / f,
// f the steel stress of the method, and never less than the minimum
// 50 b / FY. The spacing is at most d/2 and 24 in, halved when x is large.
// Spacings below the minimum are met with two stirrups together at twice
// the spacing.
#include <algorithm>
#include <cmath>

#include "design/cap/cap_section.h"

namespace bentpier {
namespace {

constexpr float kLargestSpacing = 24.0f;  // inches

// What differs between the methods.
struct ShearRules {
  float limit;        // largest x; beyond it the section must deepen
  float halving;      // x beyond which the maximum spacing is halved
  float steelStress;  // FS, or FY
};

StirrupDesign designStirrups(CapDesignState& st, float V,
                             const ShearRules& rules) {
  StirrupDesign out;
  st.ISTAT = kCapDeepen;
  if (!(st.b > 0.0f) || !(rules.steelStress > 0.0f) || !std::isfinite(V)) {
    st.ISTAT = kCapCannotDesign;
    return out;
  }
  const float d = st.h - st.DT;
  if (!(d > 0.0f)) return out;

  // A shear is a magnitude here: the stirrups do not depend on its sense.
  const float v = std::fabs(V) / (st.b * d);
  const float x = v - st.VC;
  if (x > rules.limit) return out;

  st.ISTAT = kCapDesigned;
  if (v <= st.VC2) return out;  // the concrete alone suffices
  if (!(st.AV > 0.0f)) {
    st.ISTAT = kCapCannotDesign;  // stirrups needed, none to place
    return out;
  }

  float q = std::min(0.5f * d, kLargestSpacing);
  float r = std::max(x * st.b / rules.steelStress, st.AVMINK);
  if (v <= st.VC) r = st.AVMINK;
  if (x > rules.halving) q *= 0.5f;

  float s = r > 0.0f ? std::min(st.AV / r, q) : q;
  if (s < st.MINSSP) {
    s = std::min(q, 2.0f * s);
    out.mark = 'D';
    if (s < st.MINSSP) st.ISTAT = kCapDeepen;
  }
  out.maxSpacing = q;
  out.avPerInch = r;
  out.spacing = s;
  return out;
}

}  // namespace

StirrupDesign designServiceStirrups(CapDesignState& st, float V) {
  return designStirrups(st, V, {st.V4, st.V2, st.FS});
}

StirrupDesign designStrengthStirrups(CapDesignState& st, float V) {
  st.VC2 = 0.5f * st.VC;
  return designStirrups(st, V, {st.V8, st.V4, st.FY});
}

}  // namespace bentpier
