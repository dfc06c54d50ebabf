// Geometry of the drawings of the HTML report, apart from any markup: scales
// from engineering units to drawing units, tick values that read well, the
// outline of the bent in elevation, the points of an interaction curve in a
// plot, and the plan of a footing. Drawing units have y downwards, as SVG.
#pragma once

#include <string>
#include <vector>

#include "design/footing/pile_arrangement.h"
#include "input/problem.h"

namespace bentpier::drawing {

struct Point {
  double x = 0, y = 0;
};

// Linear map of the interval [lo, hi] of a quantity onto [from, to] of the
// drawing (to may be less than from, as for a y axis drawn upwards).
struct Scale {
  double lo = 0, hi = 1, from = 0, to = 1;
  double operator()(double v) const;
  // Drawing units per unit of the quantity (may be negative).
  double factor() const;
};

// Ticks of an axis: multiples of 1, 2 or 5 times a power of ten, at most
// about `most` of them, whose first lies at or below lo and whose last at or
// above hi. An empty or degenerate range is widened around its value.
std::vector<double> niceTicks(double lo, double hi, int most = 6);

// The range covered by the ticks of [lo, hi].
struct Range {
  double lo = 0, hi = 1;
};
Range niceRange(double lo, double hi, int most = 6);

// The smallest range that holds every value and zero.
Range rangeWithZero(const std::vector<double>& values);

// ---------------------------------------------------------------------------
// The bent in elevation, in feet: x along the bent from the left end of the
// cap, y upwards from the top of the cap (so the cap and everything below it
// has negative y).

struct ColumnOutline {
  int column = 0;
  double x = 0;                        // centre line at the cap soffit
  std::vector<Point> outline;          // four corners, top left first
  Point base;                          // centre of the base
  double top_width = 0, bottom_width = 0, height = 0;
  bool pile = false, tapered = false, battered = false;
};

struct FootingOutline {
  int footing = 0;
  double left = 0, right = 0, top = 0, bottom = 0;
  bool pile = false;
};

struct LoadPointMark {
  int point = 0;  // running number, as on the load cards
  double x = 0;
  bool on_column = false;
  int column = 0;  // the column carrying it, when on_column
};

struct BentElevation {
  std::vector<Point> cap;               // closed outline of the cap
  std::vector<double> column_lines;     // x of every column centre line
  std::vector<ColumnOutline> columns;
  std::vector<FootingOutline> footings;
  std::vector<LoadPointMark> loads;
  double cap_left = 0, cap_right = 0;   // ends of the cap
  double lowest = 0;                    // least y of any part
  double deepest_cap = 0;               // largest cap depth
};

// Depth of a cap segment at distance s from its left end (spans) or from the
// column (cantilevers, `from_column` measured outwards). Haunches are
// straight ("L") or parabolic ("P"); a "C" segment is constant.
double spanDepth(const CapSegment& seg, double s);
double cantileverDepth(const CapSegment& seg, double from_column);

// Positions of the bearings of a segment measured from the left end of the
// cap, given where the segment's reference (left end of a span, the column
// of a cantilever) lies.
std::vector<double> bearingPositions(const CapSegment& seg, int segment, int ncol,
                                     double reference);

// The elevation of a bent from its cards as used. `footing` holds the
// designed plan dimension in the plane of the bent and thickness of each
// footing where there is one (0 where none).
struct FootingSize {
  double width = 0, thickness = 0;
  bool pile = false;
};
BentElevation bentElevation(const InputCards& cards, const std::vector<FootingSize>& footing);

// The bearing points as the cap moment table numbers them: walking the
// segments from the left, the running number grows by the load points of
// the column at a segment's left end before the segment's own bearings (so
// it matches the load cards' numbering only where the columns carry no load
// points). Each with its segment, bearing and place along the cap (ft).
struct CapTablePoint {
  int number = 0, segment = 0, bearing = 0;
  double x = 0;
};
std::vector<CapTablePoint> capTablePoints(const InputCards& cards,
                                          const std::vector<double>& column_lines);

// ---------------------------------------------------------------------------
// Interaction diagrams: a curve given as (moment, axial load) pairs in a plot
// with moment to the right and axial load upwards.

struct PlotFrame {
  Scale x, y;
  std::vector<double> x_ticks, y_ticks;
};

// The frame of a plot of width w and height h (drawing units, with margin
// `m` for the axes) that holds every point and the origin.
PlotFrame plotFrame(const std::vector<Point>& values, double w, double h, double m);

std::vector<Point> mapPoints(const PlotFrame& f, const std::vector<Point>& values);

// Ratio along the load line: how far a load (m, p) lies out to the curve on
// the ray from the origin; the curve is a polyline of (M, P). Returns the
// factor by which the load would grow to reach the curve (0 when the ray
// does not meet it).
double rayToCurve(const std::vector<Point>& curve, Point load);

// ---------------------------------------------------------------------------
// Footing plan, in feet from the centre of the footing: x along D (in the
// plane of the bent), y along B.

// Positions of `count` bars spread over a width `width` with `spacing`
// between them, centred (offsets from the centre, in the width's unit).
std::vector<double> barOffsets(int count, double spacing, double width);

// The load on each pile of a footing from the corner pile loads P1..P4 of
// one set (P1 largest, at the corner +B, +D; P2 at -B, +D; P3 at -B, -D; P4
// at +B, -D): their mean, plus the share of each moment in proportion to
// the pile's distance from the centre, (P1 - P2)/2 at the outer rows along
// B (NB1 spacings out) and (P1 - P4)/2 at those along D (ND1 out).
std::vector<double> pileLoads(const std::vector<PilePlace>& places, int NB1, int ND1,
                              double P1, double P2, double P3, double P4);

}  // namespace bentpier::drawing
