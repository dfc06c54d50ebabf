// A cap design state for the section tests: 4000 psi concrete, grade 60
// steel at 24000 psi allowable, n = 8, Es = 29000 ksi.
#pragma once

#include "design/cap/cap_section.h"

namespace bentpier::testing {

inline CapMaterials capMaterials() {
  CapMaterials m;
  m.FY = 60000.0f;
  m.FS = 24000.0f;
  m.FPC = 4000.0f;
  m.N = 8.0f;
  m.ES = 29000.0f;
  m.MAINSZ = 10;
  m.MINSZ = 8;
  m.MINNO = 2;
  m.STRSZ = 5;
  m.MINSSP = 4.0f;
  return m;
}

// A point of width b and depth h whose tension steel centroid sits DT from
// the tension face, with CT chosen so that one layer of main bars puts it
// back at the same DT (CT + DMAIN / 2 = DT): a design that settles in one
// layer ends at the depth the test worked by hand.
inline CapDesignState capSection(const CapMaterials& m, char METHOD, float b,
                                 float h, float DT) {
  CapDesignState st;
  setCapConstants(st, m, METHOD);
  setCapPoint(st, b, h);
  st.DT = DT;
  st.CT = DT - 0.5f * st.DMAIN;
  return st;
}

}  // namespace bentpier::testing
