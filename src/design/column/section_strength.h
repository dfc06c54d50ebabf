// Design strength of a column section under axial load and biaxial bending.
//
// Concrete: parabola up to the strain EPS0, then constant FCC2 up to EPSCU;
// no tension. Strain is linear over the section with EPSCU at the extreme
// compression fibre and zero at the neutral axis, c below it. Steel:
// elastic-perfectly plastic, with the concrete it displaces subtracted.
//
// A search that cannot close within its safety limit returns no value; the
// caller reports the section as one that cannot be designed.
#pragma once

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "input/results.h"

#include "design/column/section_state.h"

namespace bentpier::column {

// Safety limits. With their guard against stalling, the searches close in a
// few dozen steps.
inline constexpr int kMaxRegulaFalsiSteps = 500;
inline constexpr int kMaxDepthHalvings = 60;

// Closing tolerances (kips) of the moment search at a given axial load.
inline constexpr float kLoadTolerance = 0.5f;
inline constexpr float kCurveLoadTolerance = 0.05f;
// Relative closing tolerance of the eccentricity searches.
inline constexpr float kEccentricityTolerance = 0.005f;

// Force resultants of one material, before reduction: axial force (kips)
// and moments about the centroid (kip-inches).
struct Forces {
  float P = 0, M = 0;
};
struct BiForces {
  float P = 0, MX = 0, MY = 0;
};

// How PHI reduces the nominal strength: by the normal rule, or held at PHIC
// (while the interaction-curve points are built).
enum class PhiRule { Normal, HeldAtCompression };

// Stress of the concrete (ksi) at a compressive strain eps >= 0. Inline:
// the strip sums of the section strength call it for every strip.
inline float concreteStress(const SectionState& s, float eps) {
  if (eps >= s.EPS0) return s.FCC2;
  const float u = eps / s.EPS0;
  return s.FCC2 * u * (2.0f - u);
}

// --- Steel -----------------------------------------------------------------

// Net stress (ksi) of a bar at strain eps: ES*eps within +-FY, less the
// stress of the concrete it displaces when in compression.
inline float FES(const SectionState& s, float eps) {
  float stress = std::clamp(s.ES * eps, -s.FY, s.FY);
  if (eps > 0.0f) stress -= concreteStress(s, eps);
  return stress;
}

// Steel forces for bending direction 1 or 2 at neutral-axis depth c below
// the extreme fibre; the moment is about the centroid.
Forces UNSPM(const SectionState& s, int direction, float c);
// Steel forces for the diagonal direction.
BiForces BISPM(const SectionState& s, float c);

// --- Concrete ----------------------------------------------------------------

// Concrete of a rectangle of depth h and width w bent about the axis
// parallel to w. The moment is about the centroid, in kip-inches.
Forces UNCPM(const SectionState& s, float c, float h, float w);
// Concrete of the circle (radius RG), less the void of a hollow column;
// the moment is about a diameter.
Forces CRCPM(const SectionState& s, float c);
// Concrete of the rectangle with the neutral axis parallel to its diagonal.
BiForces BICPM(const SectionState& s, float c);

// Angle from the y axis to the point (x, y) (radians, as atan2(x, y)), but 0
// on the y axis. The circle integration takes the angle of a chord end from
// it. Evaluated in double, like the closed forms of the circle, so that thin
// segments keep single precision.
double ATYX(double x, double y);

// --- Strength at a depth -----------------------------------------------------

// Resultant of two moments, negative when either component is (RST).
float signedResultant(float x, float y);

// Reduction: design strength from the nominal forces (moments in kip-in).
Strength PHI(const SectionState& s, float pn, float mx, float my, PhiRule rule);

Strength RECX(const SectionState& s, float c, PhiRule rule = PhiRule::Normal);
Strength RECY(const SectionState& s, float c, PhiRule rule = PhiRule::Normal);
Strength RECZ(const SectionState& s, float c, PhiRule rule = PhiRule::Normal);
// The strength function of one bending direction.
Strength REC(const SectionState& s, int direction, float c,
             PhiRule rule = PhiRule::Normal);

// Half depth of the section in a bending direction (d/2, b/2 or RG) and a
// bar's coordinate in it (y, x or z).
float halfDepth(const SectionState& s, int direction);
float barCoordinate(const BarPoint& bar, int direction);

// --- Interaction curves and searches -----------------------------------------

// Builds the three curve points of one direction into s.curve; false when a
// search does not close.
bool FCPM(SectionState& s, int direction);

// The full interaction curve of direction 1 or 2 (its three points
// built), P rising from nearly pure tension to the point of maximum
// compression. The depths of the three characteristic points are among
// the samples.
inline constexpr int kCurveSamplesPerSegment = 20;
std::vector<DepthStrength> sampleInteraction(const SectionState& s, int direction);
// The characteristic point k (1..3) of a built curve under the normal rule.
DepthStrength characteristicPoint(const SectionState& s, int direction, int k);
// The interaction curve of one direction as a polyline of (design moment,
// design axial load) from the maximum axial strength P0 on the axis down
// past pure bending into tension: `samples` neutral-axis depths spaced
// geometrically from the point of maximum compression to a quarter of the
// pure-bending depth, under the normal reduction rule, the part above P0 cut
// off at P0. The curve points of the direction must be built.
std::vector<CurveSample> sampleCurve(const SectionState& s, int direction, int samples);

// Depth where the chord between two curve points reaches the load p (the
// mid-point when the two loads coincide) (FIX).
float depthAtLoad(float p, const CurvePoint& a, const CurvePoint& b);
// Axial load where the chord between two points meets the line M = e*P
// (FIY).
float loadOnLoadLine(float e, const CurvePoint& a, const CurvePoint& b);

// Bracket of a one-dimensional search: lower and upper ends and the last
// point tried.
struct Bracket {
  CurvePoint lower, upper, spare;
};
// Keeps point p: it replaces the lower end when lowSide, else the upper end;
// it also becomes the spare (SENDL).
void keepBracketEnd(Bracket& br, const CurvePoint& p, bool lowSide);

// Regula falsi on the neutral-axis depth for the axial load p, between a
// lower end (load below p) and an upper end (load above p); closes when the
// load is within tol of p.
std::optional<CurvePoint> solveDepth(const SectionState& s, int direction,
                                     float p, const CurvePoint& lower,
                                     const CurvePoint& upper, float tol);

// The interaction curves of one arrangement sampled at depths between
// their characteristic points, for the many loads checked against it: a
// moment search at any axial load then starts from the two samples around
// it rather than from the characteristic points. Empty for a direction
// whose curve is not built.
struct CurveSamples {
  std::array<std::vector<CurvePoint>, kDirections + 1> along{};
};
CurveSamples sampleCurves(const SectionState& s);

// The samples of an arrangement's curves and the strength each direction's
// moment search found last, for a run of searches at nearby loads: the last
// strength answers a load within the load tolerance of its own, and narrows
// the bracket of any other it lies beside.
struct CurveSearch {
  CurveSamples samples;
  std::array<std::optional<CurvePoint>, kDirections + 1> last{};
};

// Strength in a direction at the axial load p: the depth whose load is
// within the load tolerance of p, searched from the characteristic points
// of the curve or, given a curve search, from the samples around p.
std::optional<Strength> FINDM(const SectionState& s, int direction, float p,
                              CurveSearch* search = nullptr);
// Strength in a direction at the eccentricity of the load (p, m).
std::optional<Strength> FINDE(const SectionState& s, int direction, float p,
                              float m);

// Load-contour constants at one axial load.
struct ContourConstants {
  float MX0 = 0, MY0 = 0;  // uniaxial strengths
  float MXZ = 0, MYZ = 0;  // diagonal strength
  float BETA = 0, ALPHA = 0;
  bool usable = false;     // a contour through positive strengths exists
};
std::optional<ContourConstants> FINDB(const SectionState& s, float p,
                                      CurveSearch* search = nullptr);

// Biaxial moment strength at p in the direction of (mx, my).
struct MomentPair {
  float MXU = 0, MYU = 0;
};
std::optional<MomentPair> FUMXY(const SectionState& s, float p, float mx,
                                float my, CurveSearch* search = nullptr);
// The point of the load contour of the constants k in the direction of
// (mx, my), both positive.
MomentPair momentOnContour(const ContourConstants& k, float mx, float my);
// The load contour at the axial load p: `steps` + 1 moment pairs from the
// uniaxial strength about x (MX0, 0) to that about y (0, MY0), at directions
// evenly spaced in angle between them. Empty at or above P0 or where no
// contour through positive strengths exists. The curve points of all three
// directions must be built.
std::vector<MomentPair> loadContour(const SectionState& s, float p, int steps);

// Biaxial strength along the line from the origin through (p, mx, my), and
// the capacity ratio of the load.
struct LoadLineStrength {
  float PU = 0, MXU = 0, MYU = 0, RATIO = 0;
};
std::optional<LoadLineStrength> FBBUC(const SectionState& s, float p, float mx,
                                      float my);

}  // namespace bentpier::column
