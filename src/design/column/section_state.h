// The state of one reinforced-concrete column section under design: its
// shape, materials, bar arrangement and the characteristic points of its
// interaction curves. The column design sets it up for every trial
// arrangement; the strength routines read it.
//
// Units: inches, kips, ksi. Moments leave the strength routines in kip-feet.
// Coordinates are measured from the centroid of the gross section: x along
// the width B, y along the depth D, z normal to the diagonal that the
// diagonal bending direction keeps as its neutral axis.
#pragma once

#include <array>
#include <vector>

namespace bentpier::column {

// Section types.
inline constexpr int kCircular = 1;        // R: round column, spiral bars
inline constexpr int kSpiralRectangle = 2;  // S: rectangle, bars on a circle
inline constexpr int kTiedRectangle = 3;    // T: rectangle, bars on the faces

// Bending directions. 1: about the axis parallel to B (uses the depth D,
// coordinates y, moment Mx). 2: about the axis parallel to D (depth B,
// coordinates x, moment My). 3: neutral axis parallel to the diagonal
// (coordinates z, extreme fibre at RG, moments Mx and My).
inline constexpr int kAboutX = 1;
inline constexpr int kAboutY = 2;
inline constexpr int kDiagonal = 3;
inline constexpr int kDirections = 3;

inline constexpr float kPi = 3.141593f;
inline constexpr float kTwoPi = 6.2831855f;  // the angle around a ring of bars
// Intensity of the concrete stress block: FCC2 = 0.85 f'c by default, and
// f'c = FCC2 / 0.85 where the reduction needs it.
inline constexpr float kStressIntensity = 0.85f;
inline constexpr float kRootHalf = 0.7071068f;  // projection onto a 45-degree axis
inline constexpr float kInchesPerFoot = 12.0f;

// One reinforcing bar: area and coordinates (inches).
struct BarPoint {
  float A = 0, X = 0, Y = 0, Z = 0;
};

// Design strength of the section at one neutral-axis depth: PHI*Pn (kips),
// PHI*Mx and PHI*My (kip-feet) and their resultant (negative when either
// component is).
struct Strength {
  float P = 0, MX = 0, MY = 0, M = 0;
};

// A neutral-axis depth with the strength it gives.
struct CurvePoint {
  float C = 0;
  Strength S;
};

// A point of an interaction curve as a reader plots it: the neutral-axis
// depth C (inches) and the design strength there under the normal
// reduction rule, PHI*Pn (kips) and PHI*Mn in the curve's direction
// (kip-feet).
struct DepthStrength {
  float C = 0, P = 0, M = 0;
};

// The three characteristic points of one interaction curve: 1 maximum
// compression, 2 balanced, 3 pure bending (element 0 unused). Points 1 and
// 2 are evaluated with PHI held at PHIC; PN keeps the design load of every
// point under the normal reduction rule, which is what the searches meet.
struct InteractionCurve {
  std::array<CurvePoint, 4> PT{};
  std::array<float, 4> PN{};
  bool built = false;
};

struct SectionState {
  int SECT = kCircular;
  float B = 0, D = 0;  // circular: both the diameter
  float VOID = 0;      // circular: inside diameter of a hollow column, 0 solid
  float RG = 0;        // extreme fibre of the diagonal direction
  float DIAG = 0;      // circular: the diameter; rectangular: the diagonal
  float AG = 0;        // gross area (of the ring for a hollow column)
  float FCC2 = 0;      // concrete stress intensity f''c
  float EC = 0, ES = 0, EPSCU = 0, FY = 0;
  float EPS0 = 0, KR = 0;  // strain at the concrete peak, EPS0/EPSCU
  float EPSY = 0, KY = 0;  // yield strain, EPSY/EPSCU
  float PHIC = 0, PHIB = 0;
  // Projections of x and y onto the diagonal coordinate z.
  float ZX = kRootHalf, ZY = kRootHalf;

  std::vector<BarPoint> bars;
  float AS = 0;  // total steel area
  float P0 = 0;  // maximum axial design strength

  std::array<InteractionCurve, kDirections + 1> curve{};
};

// Fills the gross-section and material quantities derived from SECT, B, D,
// VOID, FCC2, EC, ES, EPSCU and FY: RG, DIAG, AG, EPS0, KR, EPSY, KY and the
// diagonal projection factors. For a circular section B and D must both be
// the diameter.
void deriveSection(SectionState& s);

// Sets the diagonal coordinate of every bar, the steel area and P0 (COMPZ),
// and forgets the interaction curves of the previous arrangement.
void COMPZ(SectionState& s);

// Nominal squash load: the whole section at the crushing strain EPSCU, the
// concrete at the stress its law reaches there (FCC2, or less when the peak
// strain EPS0 lies beyond EPSCU) and the bars at the stress of that strain
// (FY, or less when the yield strain lies beyond EPSCU). No plane of strain
// that keeps every fibre within EPSCU carries more.
float squashLoad(const SectionState& s);

}  // namespace bentpier::column
