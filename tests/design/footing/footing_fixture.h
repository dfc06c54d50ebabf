// Footing stage inputs for the tests: 4000 psi concrete, grade 60 steel
// (24 ksi allowable), 1.6 ksi allowable concrete stress, n = 8.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "design/footing/footing.h"
#include "support/cards.h"

namespace bentpier::testing {

inline FootingParameterRecord footingParams() {
  FootingParameterRecord p;
  p.N = 8.0f;
  p.FPC = 4.0f;
  p.FY = 60.0f;
  p.FC = 1.6f;
  p.FS = 24.0f;
  p.NCOL = 1;
  p.SOILWT = 0.12f;
  p.ALLSP = 4.0f;
  p.EDGEDIST = 1.25f;
  p.MINPLSP = 2.5f;
  p.MAXPLSP = 5.0f;
  p.REBARCLR = 3.0f;
  p.PILEDEPTH = 0.75f;
  p.PILECAP = 100.0f;
  p.PILEUPL = 0.0f;
  return p;
}

// A set of group GR with service loads; the factored loads are 1.5 times.
inline FootingLoadRecord loadSet(char GR, float P, float MT, float VT, float ML,
                                 float VL, float column = 1.0f) {
  FootingLoadRecord s;
  s.GR = GR;
  s.PS = P;
  s.MTS = MT;
  s.VTS = VT;
  s.MLS = ML;
  s.VLS = VL;
  s.PF = 1.5f * P;
  s.MTF = 1.5f * MT;
  s.VTF = 1.5f * VT;
  s.MLF = 1.5f * ML;
  s.VLF = 1.5f * VL;
  s.FCOL = column;
  return s;
}

// A square-column spread footing B by D by T with no soil over it.
inline FootingData spreadRecord(float B, float D, float T, float column) {
  FootingData r;
  r.SP = 'S';
  r.B = B;
  r.D = D;
  r.T = T;
  r.BB = column;
  r.DB = column;
  r.SYM = 0;
  r.R_BD = 2.0f;
  r.R_DB = 2.0f;
  return r;
}

inline FootingData withSets(FootingData r,
                              const std::vector<FootingLoadRecord>& sets) {
  r.sets = sets;
  r.NFLS = static_cast<int>(sets.size());
  return r;
}

// The report lines the stage writes for the input, carriage control kept.
inline std::vector<std::string> stageLines(const FootingStageInput& in,
                                           char METHOD, char FTGOPT) {
  std::ostringstream out;
  Report rep(out, true);
  designFootings(in, METHOD, FTGOPT, rep);
  rep.finish();
  return reportLines(out.str());
}

inline FootingStageInput oneFooting(const FootingParameterRecord& p,
                                    const FootingData& r) {
  FootingStageInput in;
  in.params = p;
  in.params->NCOL = 1;
  in.footings.push_back(r);
  return in;
}

// Index of the first line that holds text, or -1.
inline int findLine(const std::vector<std::string>& lines,
                    const std::string& text) {
  for (size_t i = 0; i < lines.size(); ++i)
    if (lines[i].find(text) != std::string::npos) return static_cast<int>(i);
  return -1;
}

}  // namespace bentpier::testing
