// Crack control of the tension steel under service load (FS/FZ).
//
// The service steel stress may not exceed z / (dc A)^(1/3), dc the cover to
// the steel centroid and A the area of concrete around each bar (the
// tension zone of depth 2 dc over the width, shared among the bars). The
// check applies to steels with FY above 40000 psi.
#include <algorithm>
#include <cmath>

#include "design/cap/cap_section.h"

namespace bentpier {
namespace {

constexpr float kCheckedAboveFY = 40000.0f;  // psi
constexpr float kCubeRoot = 0.3333333f;

}  // namespace

float crackControlRatio(float fs, float DT, float b, int NBARS, float Z,
                        float FY) {
  if (!(FY > kCheckedAboveFY) || NBARS <= 0) return 0.0f;
  const float A = 2.0f * DT * b / static_cast<float>(NBARS);
  const float fsa = Z / std::pow(DT * A, kCubeRoot);
  if (!(fsa > 0.0f)) return kRatioCeiling;
  const float ratio = fs / fsa;
  return std::isfinite(ratio) ? std::min(ratio, kRatioCeiling) : kRatioCeiling;
}

}  // namespace bentpier
