// The design-load combination in hand: how the load-case driver names and
// factors the set it offers to the design-load ranking.
#pragma once

#include <string>

#include "input/problem.h"

namespace bentpier {

// Identification and factors of the design-load combination in hand.
struct Combination {
  char GR = ' ';           // group code: '1' 'A' '2' '3' '4' '5' '6' '7' 'B'
  std::string LLID = "    ";  // live-load case, blank without live load
  int WIND = 0, DIR = 0;   // wind case and direction, 0 without wind
  char FLAGR = ' ';        // 'R' reversed wind
  char FLAGE = ' ';        // 'E' expansion, 'S' shrinkage
  char FLAGC = ' ';        // 'C' centrifugal force
  char FLAGS = ' ';        // 'S' stream flow
  float GAMMA = 1, ALLOWF = 1, GRPF = 1, BETAL = 1, PAVG = 0.5f, BD12 = 1;
  ColumnRow PHIC{};        // strength-reduction factor of each column
};

}  // namespace bentpier
