// Fatigue of the straight main bars (FS/FF).
//
// The stress range of a bar may not exceed FFK - |fmin|/3, fmin its minimum
// stress. A bar that stays in tension (fmin > 0) is allowed less range the
// higher its minimum stress. A bar that swings into compression is allowed
// no more range than one that stays in tension at the same magnitude: the
// compression does not buy extra range.
#include <algorithm>
#include <cmath>

#include "design/cap/cap_section.h"

namespace bentpier {

float fatigueRatio(float fmax, float fmin) {
  const float allowed = FFK - std::fabs(fmin) / 3.0f;
  const float range = fmax - fmin;
  if (!(allowed > 0.0f)) return range > 0.0f ? kRatioCeiling : 0.0f;
  const float ratio = range / allowed;
  return std::isfinite(ratio) ? std::min(ratio, kRatioCeiling) : kRatioCeiling;
}

float reversingFatigueRatio(const CrackedStress& inFace2Tension,
                            const CrackedStress& inFace1Tension, float M2,
                            float M1) {
  // Face 2 is in tension under M2 and in compression under M1; face 1 the
  // other way round.
  const float face2 = fatigueRatio(inFace2Tension.tension * M2,
                                   -inFace1Tension.compression * M1);
  const float face1 = fatigueRatio(inFace1Tension.tension * M1,
                                   -inFace2Tension.compression * M2);
  return std::max(face2, face1);
}

}  // namespace bentpier
