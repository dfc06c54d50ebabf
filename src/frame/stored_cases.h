// Stored cases: copies of runs of consecutive rows of the column force set,
// and the arithmetic that forms the load combinations from them.
#pragma once

#include "input/problem.h"

namespace bentpier {

// A run of consecutive rows in the order ML, MR, V, MT, PC, MB, PB, RF, MTL,
// MBL, MF, VL.
struct RowRun {
  int first;
  int count;
};

inline constexpr RowRun kRowsMLtoRF{kRowML, 8};
inline constexpr RowRun kRowsVtoRF{kRowV, 6};
inline constexpr RowRun kRowsVtoVL{kRowV, 10};
inline constexpr RowRun kRowsMLtoVL{kRowML, 12};
inline constexpr RowRun kRowsMTLtoVL{kRowMTL, 4};

// In each operation the rows of `rows` of columns 1..ncol are used; source
// and destination may be the same set.
void storeRows(ForceRows& dst, const ForceRows& src, RowRun rows, int ncol);  // dst = src
void addRows(ForceRows& dst, const ForceRows& src, RowRun rows, int ncol,
             float factor = 1.0f);                                              // dst += src f
void subtractRows(ForceRows& dst, const ForceRows& src, RowRun rows, int ncol);  // dst -= src
void scaleRows(ForceRows& dst, const ForceRows& src, RowRun rows, int ncol,
               float factor);                                                   // dst = src f
// dst = src + sign(src) dst, the sign being -1 for a negative source value:
// adds the magnitude of dst to src in the direction of src.
void signAddRows(ForceRows& dst, const ForceRows& src, RowRun rows, int ncol);

}  // namespace bentpier
