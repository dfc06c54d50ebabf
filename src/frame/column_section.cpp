// Section routine of the columns: radii of gyration and flexural rigidities
// of the transformed section (steel counted N times), and the minimum
// eccentricities, for one end of a column.
#include <algorithm>
#include <cmath>

#include "base/bar_table.h"
#include "frame/member_properties.h"

namespace bentpier {
namespace {

constexpr float kQuarterPi = 0.7853982f;
constexpr float kMinEccentricity = 0.0833333f;  // one inch, in feet

// Minimum eccentricity of a section dimension (feet): 0.6 in + 0.03 h, or
// h/10 tied and h/20 spiral, at least one inch.
float minimumEccentricity(float dimension, float divisor) {
  return std::max({0.03f * dimension + 0.05f, dimension / divisor, kMinEccentricity});
}

float radiusOfGyration(float inertia, float area) {
  return (area > 0 && inertia > 0) ? std::sqrt(inertia / area) : 0;
}

}  // namespace

SectionProperties columnSection(const Problem& problem, int c, float depth, float width,
                                int group) {
  const Column& col = problem.col[c];
  const float N = problem.dd.N, EC = problem.dd.EC, CLEAR = problem.cs.CLEAR;
  const bool circular = col.T == 'R';
  const bool tied = col.T == 'T';
  SectionProperties sp;

  const float divisor = tied ? 10.0f : 20.0f;
  sp.eminT = minimumEccentricity(depth, divisor);
  sp.eminL = circular ? sp.eminT : minimumEccentricity(width, divisor);

  const float u = 12 * depth, w = 12 * width;  // inches
  const int nd = col.ND[group], nbFace = col.NB[group];
  const float Ab = barOf(col.SZ[group]).area;
  int bars = nd + nbFace;
  if (tied) bars *= 2;
  const float dp = 6 * depth - CLEAR;  // bar line from the centre, transverse
  const float nAs = Ab * bars * N;
  const float Os = dp * dp * nAs / 2;  // bars on a ring of radius dp

  float H, P, Q, R, O;
  if (circular) {
    H = kQuarterPi * (u * u - w * w);
    P = Q = H * (u * u + w * w) * 0.0625f;
    R = O = Os;
  } else {
    H = u * w;
    P = u * u * u * w / 12;
    Q = w * w * w * u / 12;
    if (tied) {
      // nbFace bars on each of the two faces across the width at +-dp, nd
      // bars on each of the two side faces at +-hp between the corners.
      const float M2 = 2 * Ab * N;
      const float hp = 6 * width - CLEAR;
      const float S = nbFace > 1 ? 2 * hp / (nbFace - 1) : 0;
      const float U = nd >= 0 ? 2 * dp / (nd + 1) : 0;
      O = M2 * (S * S * nbFace * (nbFace * nbFace - 1) / 12 + nd * hp * hp);
      R = M2 * (U * U * nd * (nd * nd - 1) / 12 + nbFace * dp * dp);
    } else {
      R = O = Os;
    }
  }
  const float Lt = H + nAs;
  sp.radiusT = radiusOfGyration(P + R, Lt);
  sp.radiusL = radiusOfGyration(Q + O, Lt);
  sp.rigidityT = (R + P / 5) * EC;
  sp.rigidityL = (O + Q / 5) * EC;
  return sp;
}

}  // namespace bentpier
