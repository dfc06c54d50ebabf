// Strength design of one cap face with the rectangular stress block.
//
// The moment M (already divided by 0.9) is split in two couples about the
// tension steel. The steel couple: the compression steel ASC at its stress,
// balanced by a tension steel area I (counted at FY), lever arm e = d - DC.
// The concrete couple: the rest L, carried by a concrete block and tension
// steel at the steel index w = As FY / (F'C b d), with
//   L = w (1 - 0.59 w) F'C b d^2,  so  w = Q1 - sqrt(Q2 - L / (F'C b d^2) / 0.59).
// The neutral axis lies at c = w d / B1K. The compression steel is first
// taken to yield; when the strain 0.003 (c - DC) / c shows it does not, its
// stress is iterated until it changes by less than 100 psi.
#include <algorithm>
#include <cmath>

#include "design/cap/bar_layers.h"
#include "design/cap/cap_section.h"

namespace bentpier {
namespace {

constexpr float kStressTolerance = 100.0f;   // psi between passes
constexpr float kDisplacedReach = 0.55f;     // of c, see displacedStress
constexpr float kMinimumSteelGrowth = 1.333333f;

// How the moment splits: the steel index of the concrete couple, the
// tension steel of the steel couple and the compression steel stress.
struct MomentSplit {
  int status = kCapDesigned;
  float omega = 0.0f;
  float I = 0.0f;
  float f = 0.0f;
};

bool usable(const CapDesignState& st) {
  return st.b > 0.0f && st.FY > 0.0f && st.FPC > 0.0f && st.B1K > 0.0f &&
         st.EPSES > 0.0f && st.AB > 0.0f && st.NMAX > 0 && st.ASC >= 0.0f &&
         st.ASMIN >= 0.0f && st.DC >= 0.0f && std::isfinite(st.M) &&
         std::isfinite(st.h) && std::isfinite(st.DT) && std::isfinite(st.CT);
}

// Strain-compatible stress of the compression steel for the neutral-axis
// depth c; none when the steel lies outside the compression zone.
float compressionSteelStress(const CapDesignState& st, float c) {
  if (st.DC >= c) return 0.0f;
  return std::min(st.FY, (c - st.DC) * st.EPSES / c);
}

// Stress of the concrete displaced by the compression steel, taken on a
// parabola that is F'C at the neutral axis and nil 0.55 c from it. Beyond
// that the parabola would turn negative, crediting the steel with a tension
// in the concrete of the compression zone; it is held at nil there.
float displacedStress(const CapDesignState& st, float c) {
  const float x = (c - st.DC) / (kDisplacedReach * c);
  return st.FPC * std::max(0.0f, 1.0f - x * x);
}

// Splits the moment for the effective depth d and lever arm e.
MomentSplit splitMoment(const CapDesignState& st, float d, float e) {
  MomentSplit s;
  s.I = st.ASC * (st.FY - st.FPC) / st.FY;
  float L = st.M - s.I * st.FY * e;
  if (L > 0.0f) {
    const float blockScale = st.FPC * st.b * d * d;
    float previous = st.FY;
    bool outside = false;
    for (int pass = 0;; ++pass) {
      // Neither a stress that will not settle nor a moment beyond the
      // largest the block can carry at this depth (the peak of
      // w (1 - 0.59 w)) rules out a deeper section.
      if (pass == kMaxSteelStressPasses) {
        s.status = kCapDeepen;
        return s;
      }
      const float W = st.Q2 - (L / blockScale) / kBlockLever;
      if (W < 0.0f) {
        s.status = kCapDeepen;
        return s;
      }
      s.omega = st.Q1 - std::sqrt(W);
      if (s.omega > st.WBMAX) {
        s.status = kCapDeepen;  // over-reinforced
        return s;
      }
      const float c = s.omega * d / st.B1K;
      s.f = compressionSteelStress(st, c);
      const bool yields = !(s.f < st.FY);
      if (yields || outside || std::fabs(s.f - previous) < kStressTolerance) {
        return s;
      }
      float fe = s.f;
      if (st.DC >= c) {
        outside = true;
      } else {
        fe = s.f - displacedStress(st, c);
      }
      s.I = st.ASC * fe / st.FY;
      L = st.M - e * s.I * st.FY;
      if (L <= 0.0f) break;
      previous = s.f;
    }
  }
  // The steel couple carries the whole moment.
  s.I = st.M / (e * st.FY);
  s.f = st.ASC != 0.0f ? st.M / (e * st.ASC) : 0.0f;
  s.omega = 0.0f;
  return s;
}

// Steel for the moment, raised to the minimum: ASMIN, and the steel for 1.2
// times the cracking moment unless a third more than required is less.
// Returns kCapDeepen when 1.2 times the cracking moment of the whole depth
// is more than the block can carry on the effective depth d: that happens
// only where the cover takes most of the depth, and h/d falls as h grows.
int applyMinimumSteel(CapDesignState& st, float d, float required) {
  const float Wm = st.Q2 - (st.RMIN * st.h * st.h / (d * d)) / kBlockLever;
  if (Wm < 0.0f) return kCapDeepen;
  const float Acr = d * st.b * st.FPC / st.FY * (st.Q1 - std::sqrt(Wm));
  st.AS = std::max(required, st.ASMIN);
  const float enough = std::min(kMinimumSteelGrowth * required, Acr);
  if (st.AS < enough) st.AS = enough;
  return kCapDesigned;
}

}  // namespace

void designStrengthFlexure(CapDesignState& st) {
  st.AS = 0.0f;
  st.NBARS = 0;
  st.PS = 0.0f;
  st.ISTAT = kCapCannotDesign;
  if (!usable(st)) return;
  if (!minimumFitsTwoLayers(st.MINNO, st.ASMIN, st.AB, st.NMAX)) return;

  const float g = st.ASC / st.FY;
  const int twoLayers = 2 * st.NMAX;
  int p = 0;

  for (int pass = 0; pass < kMaxBarCountPasses; ++pass) {
    const float d = st.h - st.DT;
    st.ISTAT = kCapDeepen;
    const float e = d - st.DC;
    if (!(e > 0.0f) || !(d > 0.0f)) return;  // no lever arm at this depth

    const MomentSplit s = splitMoment(st, d, e);
    if (s.status != kCapDesigned) {
      st.ISTAT = s.status;
      return;
    }
    const float required = s.omega * d * st.b * st.FPC / st.FY + s.I;
    if (const int m = applyMinimumSteel(st, d, required); m != kCapDesigned) {
      st.ISTAT = m;
      return;
    }
    const float bd = st.b * d;
    st.PS = st.AS / bd + g * s.f / bd;

    st.NBARS = barCount(st.AS, st.AB, twoLayers + 1);
    if (st.NBARS > twoLayers) return;  // more than two layers: deepen
    st.ISTAT = kCapDesigned;
    // A face never has fewer bars than the minimum number, however it ends
    // (which two layers hold, as checked above).
    if (st.NBARS == twoLayers || st.NBARS <= p || st.NBARS < st.MINNO) {
      st.NBARS = std::max(st.NBARS, st.MINNO);
      return;
    }
    st.DT = st.CT + layerOffset(st.NBARS, st.NMAX, st.DMAIN);
    p = st.NBARS;
  }
  st.ISTAT = kCapDeepen;  // the bar count never settled at this depth
}

}  // namespace bentpier
