// A cap design state for the section tests: 4000 psi concrete, grade 60
// steel at 24000 psi allowable, n = 8, Es = 29000 ksi.
#pragma once

#include "design/cap/cap_section.h"
#include "groups/design_records.h"

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

// The cap parameters of the design tests: the materials above in the
// record's units (ksi), 2-in covers, 3-in depth steps, #10 main bars.
inline CapParameterRecord capParameters() {
  CapParameterRecord r;
  r.FY = 60.0f;
  r.FS = 24.0f;
  r.FPC = 4.0f;
  r.FC = 1.6f;
  r.N = 8.0f;
  r.TOPCL = 2.0f;
  r.BOTCL = 2.0f;
  r.DEPINC = 3.0f;
  r.MINSSP = 4.0f;
  r.MINSZ = 8;
  r.MINNO = 2;
  r.MAINSZ = 10;
  r.MAXTOP = 6;
  r.MAXBOT = 6;
  r.STRSZ = 5;
  r.Z = 170.0f;
  r.ES = 29000.0f;
  r.LINES = 10;
  return r;
}

}  // namespace bentpier::testing
