// Moment capacity of a designed cap section for the drawings of the report:
// the design strength phi Mn by strain compatibility with the rectangular
// stress block, or the allowable moment of the cracked transformed section.
#include <algorithm>
#include <cmath>

#include "design/cap/cap_section.h"

namespace bentpier {
namespace {

constexpr float kFlexurePhi = 0.9f;
constexpr float kBlockStress = 0.85f;  // block stress over F'C
constexpr int kBisections = 60;

struct SectionForces {
  float net = 0;     // compression less tension, pounds
  float moment = 0;  // about the tension steel, in-lb
};

// Forces of the section at neutral-axis depth c: the block 0.85 F'C over
// BETA1 c, the compression steel at its strain (less the concrete it
// displaces inside the block), the tension steel at its strain, both within
// FY.
SectionForces forcesAt(const CapDesignState& st, const FaceSteel& tension,
                       const FaceSteel& compression, float c) {
  const float d = st.h - tension.DT;
  const float a = std::min(st.BETA1 * c, st.h);
  const float block = kBlockStress * st.FPC * st.b * a;
  const float strainScale = st.EPSES / c;  // psi per inch from the axis
  const float fsc = std::clamp((c - compression.DT) * strainScale, -st.FY, st.FY) -
                    (compression.DT < a ? kBlockStress * st.FPC : 0.0f);
  const float fst = std::clamp((d - c) * strainScale, -st.FY, st.FY);
  SectionForces f;
  f.net = block + compression.area * fsc - tension.area * fst;
  f.moment = block * (d - a / 2.0f) + compression.area * fsc * (d - compression.DT);
  return f;
}

}  // namespace

float strengthMomentCapacity(const CapDesignState& st, const FaceSteel& tension,
                             const FaceSteel& compression) {
  const float d = st.h - tension.DT;
  if (!(st.b > 0.0f && d > 0.0f && st.FPC > 0.0f && tension.area > 0.0f && st.EPSES > 0.0f))
    return 0.0f;
  // The net compression grows with the depth of the neutral axis.
  float lo = 0.0f, hi = st.h;
  for (int i = 0; i < kBisections; ++i) {
    const float c = 0.5f * (lo + hi);
    (forcesAt(st, tension, compression, c).net > 0.0f ? hi : lo) = c;
  }
  return kFlexurePhi * std::max(0.0f, forcesAt(st, tension, compression, 0.5f * (lo + hi)).moment);
}

float allowableMomentCapacity(const CapDesignState& st, float FC, const FaceSteel& tension,
                              const FaceSteel& compression) {
  const float d = st.h - tension.DT;
  if (!(st.b > 0.0f && d > 0.0f && st.N > 0.0f && tension.area > 0.0f)) return 0.0f;
  const float nAt = st.N * tension.area;
  // Neutral axis of the transformed section, the compression steel counted
  // 2N - 1 times, from its first moment of area:
  //   (b/2) k^2 + (g + N AT) k - (g DC + N AT d) = 0.
  auto axis = [&](float g) {
    const float B = g + nAt, C = g * compression.DT + nAt * d;
    return (-B + std::sqrt(B * B + 2.0f * st.b * C)) / st.b;
  };
  float g = st.N2M1 * compression.area;
  float k = axis(g);
  if (k <= compression.DT) {  // the compression steel lies below the axis: left out
    g = 0.0f;
    k = axis(g);
  }
  const float I = st.b * k * k * k / 3.0f + g * (k - compression.DT) * (k - compression.DT) +
                  nAt * (d - k) * (d - k);
  const float bySteel = st.FS > 0.0f ? st.FS * I / (st.N * (d - k)) : 0.0f;
  const float byConcrete = FC > 0.0f ? FC * I / k : bySteel;
  return std::max(0.0f, std::min(bySteel, byConcrete));
}

}  // namespace bentpier
