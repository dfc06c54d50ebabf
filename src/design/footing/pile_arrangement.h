// The fixed pile arrangements of a pile footing, one per pile count 4..25:
// how the plan and the group section follow from the spacing parameters
// BP and DP, how many piles stand in the outer and second rows, and how
// many lie in each zone round the punching perimeter.
#pragma once

#include <array>
#include <vector>

namespace bentpier {

inline constexpr int kFewestPiles = 4;
inline constexpr int kMostPiles = 25;

struct PileArrangement {
  float KBP, KDP;        // spacing limits per unit of MINPLSP, MAXPLSP
  float SBI, SDI;        // spacing increments
  int NB1, ND1;          // outer rows at NB1 BP, ND1 DP from the centre
  int RB2, RD2;          // second rows at RB2 BP, RD2 DP (0 none)
  float SB1, SB2;        // group moduli per BP at the outer, second row along B
  float SD1, SD2;        // the same along D, per DP
  int NRB1, NRB2;        // piles in the outer and second row along B
  int NRD1, NRD2;        // the same along D
  // Piles per punching zone z1..z4 for the three cases of the column's
  // position between the pile rows.
  std::array<std::array<int, 4>, 3> NZ;
};

// The arrangement of n piles, kFewestPiles <= n <= kMostPiles.
const PileArrangement& pileArrangement(int n);

// Where a pile of an arrangement stands, from the centre of the footing:
// b in units of BP along B, d in units of DP along D.
struct PilePlace {
  int b = 0, d = 0;
};

// The places of the n piles (kFewestPiles <= n <= kMostPiles; none
// otherwise): square or rectangular grids of rows, some with the centre
// pile or with rows of fewer piles, whose outer and second rows, row counts
// and group moduli are those of the arrangement's table. Rows are listed
// from -B to +B, each from -D to +D.
std::vector<PilePlace> pilePlaces(int n);

}  // namespace bentpier
