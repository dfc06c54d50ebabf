// PIER71: the footing design of a problem from its footing record store.
// The store holds the parameter record, then per footing its record and,
// for a footing designed by itself, its design-load sets; reading stops at
// the first record that is missing or not of the kind expected there.
#include "design/footing/footing.h"
#include "groups/design_records.h"
#include "base/record_store.h"
#include "input/problem.h"

namespace bentpier {
namespace {

FootingParams paramsOf(const FootingParameterRecord& r) {
  FootingParams p;
  p.N = r.N;
  p.FPC = r.FPC;
  p.FY = r.FY;
  p.FC = r.FC;
  p.FS = r.FS;
  p.NCOL = r.NCOL;
  p.SOILWT = r.SOILWT;
  p.ALLSP = r.ALLSP;
  p.EDGEDIST = r.EDGEDIST;
  p.MINPLSP = r.MINPLSP;
  p.MAXPLSP = r.MAXPLSP;
  p.REBARCLR = r.REBARCLR;
  p.PILEDEPTH = r.PILEDEPTH;
  p.PILECAP = r.PILECAP;
  p.PILEUPL = r.PILEUPL;
  return p;
}

FootingData footingOf(const FootingRecord& r) {
  FootingData f;
  f.SP = r.SP;
  f.B = r.B;
  f.D = r.D;
  f.T = r.T;
  f.BB = r.BB;
  f.DB = r.DB;
  f.S_HT = r.S_HT;
  f.NP = r.NP;
  f.SYM = r.SYM;
  f.BP = r.BP;
  f.DP = r.DP;
  f.DEL_B = r.DEL_B;
  f.DEL_D = r.DEL_D;
  f.DEL_T = r.DEL_T;
  f.R_BD = r.R_BD;
  f.R_DB = r.R_DB;
  f.NFLS = r.NFLS;
  f.SAME = r.SAME;
  return f;
}

FootingSetRecord setOf(const FootingLoadRecord& r) {
  FootingSetRecord s;
  s.GR = r.GR;
  s.LLID = r.LLID;
  s.WC = r.WC;
  s.FLAGR = r.FLAGR;
  s.FLAGE = r.FLAGE;
  s.FLAGC = r.FLAGC;
  s.FLAGS = r.FLAGS;
  s.PS = r.PS;
  s.MTS = r.MTS;
  s.VTS = r.VTS;
  s.MLS = r.MLS;
  s.VLS = r.VLS;
  s.PF = r.PF;
  s.MTF = r.MTF;
  s.VTF = r.VTF;
  s.MLF = r.MLF;
  s.VLF = r.VLF;
  s.FCOL = r.FCOL;
  return s;
}

}  // namespace

FootingStageInput readFootingStore(const RecordStore& FTGREC) {
  FootingStageInput in;
  RecordCursor cursor(FTGREC);
  const std::string* record = cursor.next();
  if (record == nullptr) return in;
  const FootingParameterRecord params = readFootingParameterRecord(*record);
  if (params.TYPE != '1') return in;
  in.params = paramsOf(params);
  for (int c = 1; c <= params.NCOL; ++c) {
    record = cursor.next();
    if (record == nullptr) return in;
    const FootingRecord footing = readFootingRecord(*record);
    if (footing.TYPE != '2') return in;
    in.footings.push_back(footingOf(footing));
    if (footing.SAME != 0) continue;
    FootingData& f = in.footings.back();
    for (int s = 1; s <= footing.NFLS; ++s) {
      record = cursor.next();
      if (record == nullptr) return in;
      const FootingLoadRecord set = readFootingLoadRecord(*record);
      if (set.TYPE != '3') return in;
      f.sets.push_back(setOf(set));
    }
  }
  return in;
}

void PIER71(Problem& problem, Report& report) {
  designFootings(readFootingStore(problem.rec.FTGREC), problem.dd.METHOD,
                 problem.dd.FTGOPT, report, &problem.results.footings);
}

}  // namespace bentpier
