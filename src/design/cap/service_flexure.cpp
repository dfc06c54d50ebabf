// Working-stress design of one cap face (PIER52).
//
// The section is cracked and transformed: concrete above the neutral axis,
// the compression steel ASC counted (2N - 1) times, the tension steel N
// times. With the steel at its allowable stress FS, the neutral-axis depth
// k (kd) and the steel area follow from the equilibrium of the transformed
// section and from M (d - k) N / I = FS; eliminating the steel area leaves
//   (b/6) k^3 - (b d/2) k^2 + H k + K = 0,
//   H = -g (d - DC) - M N/FS,  K = g DC (d - DC) + (M N/FS) d,
// g the transformed compression steel. The cubic falls steadily on
// 0 < k < d (f(0) = K > 0, f(d) < 0), so it has one root there.
#include <cmath>
#include <optional>

#include "design/cap/bar_layers.h"
#include "design/cap/cap_section.h"

namespace bentpier {
namespace {

constexpr float kStartDepthRatio = 0.375f;  // first trial k = 0.375 d
constexpr float kNeutralAxisTolerance = 0.01f;  // inches

// The root in (0, d) of the cubic above by Newton's method; none when the
// iteration fails or leaves the section.
std::optional<float> neutralAxisDepth(float b, float d, float H, float K) {
  const float halfB = 0.5f * b;
  const float sixthB = b / 6.0f;
  float k = kStartDepthRatio * d;
  for (int step = 0; step < kMaxNeutralAxisSteps; ++step) {
    const float f = ((sixthB * k - halfB * d) * k + H) * k + K;
    const float slope = (halfB * k - b * d) * k + H;
    const float E = f / slope;
    if (!std::isfinite(E)) return std::nullopt;
    k -= E;
    if (std::fabs(E) <= kNeutralAxisTolerance) {
      if (k > 0.0f && k < d) return k;
      return std::nullopt;
    }
  }
  return std::nullopt;
}

bool usable(const CapDesignState& st) {
  return st.b > 0.0f && st.N > 0.0f && st.FS > 0.0f && st.AB > 0.0f &&
         st.NMAX > 0 && st.ASC >= 0.0f && st.ASMIN >= 0.0f &&
         st.DC >= 0.0f && std::isfinite(st.M) && std::isfinite(st.h) &&
         std::isfinite(st.DT) && std::isfinite(st.CT) &&
         std::isfinite(st.N2M1);
}

// IFC: the concrete stress rounded to the nearest psi.
int roundedStress(float FCC) {
  constexpr float kLargest = 2.0e9f;
  const float r = FCC + 0.5f;
  if (!(r < kLargest)) return static_cast<int>(kLargest);
  if (!(r > -kLargest)) return -static_cast<int>(kLargest);
  return static_cast<int>(r);
}

}  // namespace

void designServiceFlexure(CapDesignState& st) {
  st.AS = 0.0f;
  st.NBARS = 0;
  st.FCC = 0.0f;
  st.IFC = 0;
  st.ISTAT = kCapCannotDesign;
  if (!usable(st)) return;
  if (!minimumFitsTwoLayers(st.MINNO, st.ASMIN, st.AB, st.NMAX)) return;

  const float b = st.b;
  const float g = st.ASC * st.N2M1;
  const float MNFS = st.M * st.N / st.FS;
  const int twoLayers = 2 * st.NMAX;
  int p = 0;

  for (int pass = 0; pass < kMaxBarCountPasses; ++pass) {
    const float d = st.h - st.DT;
    if (!(d > st.DC) || !(d > 0.0f)) {
      st.ISTAT = kCapDeepen;  // no depth left below the compression steel
      return;
    }
    const float v = g * st.DC;

    float k = 0.0f;
    float w = 0.0f;
    bool fromMoment = false;
    if (st.M > 0.0f) {
      const float H = -g * (d - st.DC) - MNFS;
      const float K = g * st.DC * (d - st.DC) + MNFS * d;
      const std::optional<float> root = neutralAxisDepth(b, d, H, K);
      if (!root) {
        st.ISTAT = kCapDeepen;  // no answer at this depth; try deeper
        return;
      }
      k = *root;
      st.AS = (k * (0.5f * b * k + g) - v) / ((d - k) * st.N);
      if (st.AS >= st.ASMIN) {
        w = st.AS * st.N;
        fromMoment = true;
      }
    }
    if (!fromMoment) {
      // Minimum steel: the neutral axis of the section it makes.
      st.AS = st.ASMIN;
      w = st.AS * st.N;
      const float l = g + w;
      const float disc = l * l + 4.0f * (0.5f * b) * (d * w + v);
      if (disc < 0.0f) {
        st.ISTAT = kCapCannotDesign;
        return;
      }
      k = (std::sqrt(disc) - l) / b;
    }

    const float I = b * k * k * k / 3.0f + (k - st.DC) * (k - st.DC) * g +
                    (d - k) * (d - k) * w;
    st.FCC = I > 0.0f ? st.M * k / I : 0.0f;
    st.IFC = roundedStress(st.FCC);

    st.NBARS = barCount(st.AS, st.AB, twoLayers + 1);
    st.ISTAT = kCapDeepen;
    if (st.NBARS > twoLayers) return;  // more than two layers
    st.ISTAT = kCapDesigned;
    if (st.NBARS == twoLayers || st.NBARS == p) return;

    st.DT = st.CT + layerOffset(st.NBARS, st.NMAX, st.DMAIN);
    p = st.NBARS;
  }
  st.ISTAT = kCapDeepen;  // the bar count never settled at this depth
}

}  // namespace bentpier
