// Design or investigation of the reinforcement of one column end (top or
// bottom section of one column) under its critical design-load sets.
//
// The column design driver fills a ColumnEndData from the column's
// design-load records (option, section, bar and load-count records) and the
// design-load sets kept for that end, calls PIER62 and prints the result.
#pragma once

#include <array>
#include <vector>

#include "design/column/section_state.h"
#include "input/results.h"

namespace bentpier::column {

inline constexpr int kMaxColumnLoads = 25;
// The loads checked at most: the ranked sets and the formed sets added to
// them because they govern or are not carried.
inline constexpr int kMaxTableLoads = 2 * kMaxColumnLoads;
inline constexpr int kMaxFaces = 4;

// Statuses of a column end.
inline constexpr int kColumnDone = 0;
inline constexpr int kColumnInputError = 1;  // "ERROR IN INPUT FOR COLUMN"
inline constexpr int kColumnBadLoad = 2;     // "UNSTABLE OR NO DESIGN POSSIBLE"
inline constexpr int kColumnNoDesign = 20;   // "UNSTABLE OR NO DESIGN POSSIBLE"

// One bar group of the bar record: count, bar size, cover (inches). In
// design the groups are the search limits: 1 the least count and size, 2 the
// greatest, 3 and 4 the least and greatest count of the D faces. In
// investigation they are the faces 1 to 4 (faces 1 and 2 run along B,
// faces 3 and 4 along D).
struct BarGroup {
  int N = 0;
  int SZ = 0;
  float COVER = 0;
};

// One design-load set of the column end: magnified axial load (kips) and
// moments (kip-feet), and its group code.
struct ColumnLoadSet {
  float PM = 0, MTM = 0, MLM = 0;
  char GR = '1';
};

struct ColumnEndData {
  // Option record.
  char OPTION = 'D';  // D design, I investigate
  char TYPE = 'R';    // R circular, S rectangular with spiral, T tied
  // Section and material record (inches, ksi). A value of 0 or less takes
  // its default.
  // Circular: D is the outside diameter and B the inside diameter of a
  // hollow column (0 for a solid one).
  float B = 0, D = 0;
  float FPC = 0, FY = 0;
  float PHIC = 0, PHIB = 0;
  float MINRATIO = 0, MAXRATIO = 0;  // steel ratios (fractions of AG)
  float CLR = 0;                     // least clear distance between bars
  float FCC2 = 0, EC = 0, ES = 0, EPSCU = 0;
  // Bar record.
  int IPAT = 0;  // pattern of a tied section: 2 free D-face counts
  int N = 0;     // bar count
  int SZ = 0;    // bar size
  float COVER = 0;
  std::array<BarGroup, kMaxFaces + 1> GROUP{};  // 1..4
  // Load-count record.
  int LMODE = 3, NLOAD = 0, FLAGX = 1, FLAGY = 1;
  // The design-load sets 1..NLOAD.
  std::array<ColumnLoadSet, kMaxColumnLoads + 1> LOAD{};
  // Every set formed for the end (the ranked ones among them). The design
  // carries all of them and the governing load is the least over all; empty,
  // only the sets 1..NLOAD are checked.
  std::vector<ColumnLoadSet> FORMED;
  // From the problem: the design method and whether the bent is a pile bent.
  char METHOD = 'L';
  bool PILEBENT = false;
};

// Bars of one face: count and bar-table code (12 is bar 14, 13 is bar 18).
struct FaceBars {
  int N = 0;
  int SZ = 0;
};

// One load of the load table with the strength found along its line.
struct LoadResult {
  float P = 0, MX = 0, MY = 0;  // the load as checked (kips, kip-feet)
  float FACTOR = 1;             // allowable-stress factor of its group
  float PU = 0, MXU = 0, MYU = 0, RATIO = 0;  // strength and capacity ratio
  int FORMED = 0;  // a formed set added to the table: its number in FORMED (from 1)
};

struct ColumnEndResult {
  int status = kColumnInputError;
  float AS = 0;  // steel area, square inches
  float PS = 0;  // steel ratio, percent
  std::array<FaceBars, kMaxFaces + 1> FACE{};
  float PHIC = 0;
  int NLOAD = 0;
  std::array<LoadResult, kMaxTableLoads + 1> LOAD{};
  // The governing load (smallest factored capacity ratio): its number, its
  // loads and factor times its strength and ratio.
  int GOVERN = 0;
  float PM = 0, MTM = 0, MLM = 0;
  float PU = 0, MTU = 0, MLU = 0, PUPM = 0;
  // An end that passes by the load-contour method while a load's exact
  // biaxial strength along its line falls short of 0.99 of it: the least
  // such factored exact ratio (0 when there is none).
  float EXACT = 0;
  // The section's interaction curves about x (1) and y (2), built for the
  // final arrangement: the characteristic points 1..3 and the samples from
  // tension to maximum compression (empty when a curve could not be
  // built), for the results; PHIB as the strength routines use it.
  struct Curve {
    std::array<DepthStrength, 4> POINT{};
    std::vector<DepthStrength> SAMPLES;
  };
  std::array<Curve, 3> INTERACTION{};
  float PHIB = 0;
  // The section of a done end: void, bars, P0, bending code and curves.
  float VOID = 0;
  std::vector<SectionBarPoint> BARS;
  float P0 = 0;
  int BENDING = 0;
  std::array<std::vector<CurveSample>, 2> CURVES;
  // Biaxial loads: the load contour (MX, MY in kip-feet, from the strength
  // about x to that about y) at the axial strength CONTOUR_P of the
  // governing load; empty otherwise.
  float CONTOUR_P = 0;
  std::vector<ContourPoint> CONTOUR;
};

ColumnEndResult PIER62(const ColumnEndData& in);

}  // namespace bentpier::column
