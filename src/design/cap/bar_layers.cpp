// Counting the main bars of a face and placing them in layers.
#include "design/cap/bar_layers.h"

#include <cfloat>

namespace bentpier {
namespace {

// A few units in the last place of the ratio: what the rounding of an area
// formed as n bars times AB, divided again by AB, can leave above n.
constexpr float kRoundingUlps = 4.0f;

}  // namespace

int barCount(float AS, float AB, int ceiling) {
  const float r = AS / AB;
  if (!(r <= static_cast<float>(ceiling))) return ceiling;  // also NaN
  if (r <= 0.0f) return 0;
  const int whole = static_cast<int>(r);
  const float excess = r - static_cast<float>(whole);
  return excess > kRoundingUlps * FLT_EPSILON * r ? whole + 1 : whole;
}

float layerOffset(int NBARS, int NMAX, float DMAIN) {
  const float half = 0.5f * DMAIN;
  if (NBARS <= NMAX) return half;
  // NMAX bars at half a diameter, the rest one diameter further in: the
  // centroid lies DMAIN - (2 NMAX - NBARS) DMAIN / (2 NBARS) in.
  return DMAIN - static_cast<float>(2 * NMAX - NBARS) * half /
                     static_cast<float>(NBARS);
}

bool minimumFitsTwoLayers(int MINNO, float ASMIN, float AB, int NMAX) {
  const int twoLayers = 2 * NMAX;
  return MINNO <= twoLayers && barCount(ASMIN, AB, twoLayers + 1) <= twoLayers;
}

}  // namespace bentpier
