// Forces in the reinforcing bars for a neutral-axis depth.
#include <algorithm>

#include "design/column/section_strength.h"

namespace bentpier::column {

float halfDepth(const SectionState& s, int direction) {
  switch (direction) {
    case kAboutX: return s.D / 2.0f;
    case kAboutY: return s.B / 2.0f;
    default: return s.RG;
  }
}

float barCoordinate(const BarPoint& bar, int direction) {
  switch (direction) {
    case kAboutX: return bar.Y;
    case kAboutY: return bar.X;
    default: return bar.Z;
  }
}

namespace {

// Strain of a fibre at coordinate z when the extreme fibre, at hh, carries
// EPSCU and the neutral axis lies c below it.
float strainAt(const SectionState& s, float z, float hh, float c) {
  return (z - (hh - c)) * s.EPSCU / c;
}

}  // namespace

namespace {

// The steel forces with the bar coordinate of one direction; the neutral
// axis lies at hh - c.
template <class Coordinate>
Forces steelForces(const SectionState& s, float hh, float c, Coordinate coordinate) {
  Forces f;
  for (const BarPoint& bar : s.bars) {
    const float z = coordinate(bar);
    const float force = FES(s, strainAt(s, z, hh, c)) * bar.A;
    f.P += force;
    f.M += z * force;
  }
  return f;
}

}  // namespace

Forces UNSPM(const SectionState& s, int direction, float c) {
  const float hh = halfDepth(s, direction);
  switch (direction) {
    case kAboutX: return steelForces(s, hh, c, [](const BarPoint& b) { return b.Y; });
    case kAboutY: return steelForces(s, hh, c, [](const BarPoint& b) { return b.X; });
    default: return steelForces(s, hh, c, [](const BarPoint& b) { return b.Z; });
  }
}

BiForces BISPM(const SectionState& s, float c) {
  BiForces f;
  for (const BarPoint& bar : s.bars) {
    const float force = FES(s, strainAt(s, bar.Z, s.RG, c)) * bar.A;
    f.P += force;
    f.MX += bar.Y * force;
    f.MY += bar.X * force;
  }
  return f;
}

}  // namespace bentpier::column
