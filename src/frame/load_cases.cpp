// Load-case driver: unit sway, settlement, cap expansion and shrinkage, dead
// load, stream flow, traction, seismic, centrifugal and wind forces and the
// live-load cases, with the group combinations formed from them.
#include "frame/load_cases.h"

#include <algorithm>

#include "frame/bent_analysis.h"
#include "frame/cap_envelopes.h"
#include "frame/column_forces.h"
#include "frame/combination.h"
#include "frame/design_load_ranking.h"
#include "frame/force_table.h"
#include "frame/stored_cases.h"

namespace bentpier {
namespace {


// Load and group factors of the combinations.
constexpr float kLiveLoadFactor = 1.67f;
constexpr float kLaneFreeLiveLoadFactor = 2.2f;  // a case with no lanes (group 'A')
constexpr float kGroupLoadFactor = 1.3f;         // groups I to IV, load-factor method
constexpr float kGroupVLoadFactor = 1.25f;
constexpr float kOverstressII = 1.25f;           // groups II, III, IV
constexpr float kOverstressV = 1.4f;            // groups V and VI
constexpr float kGroupVILoadFactor = 1.25f;
constexpr float kOverstressVII = 1.33f;
constexpr float kSeismicOrthogonal = 0.3f;       // share of the other earthquake direction
constexpr float kGroupThreeWindShare = 0.3f;     // wind on the substructure in group III

// Seismic forces of a column by their position in the seismic card.
enum SeismicForce { kTopVL = 1, kTopVT, kBotML, kTopML, kBotMT, kTopMT, kTopP };

class LoadCaseDriver {
 public:
  LoadCaseDriver(Problem& p, Report& rep) : p_(p), rep_(rep), ncol_(columnCount(p)) {}
  void run();

 private:
  // Analyses and tables.
  void reset();
  void unitCase();
  void settlement();
  void capStrain();
  void deadLoad();
  void streamFlow();
  void traction();
  void seismic();
  void centrifugal();
  void windOnSubstructure();
  void groupTwoWind();
  void combinationSettings();
  void groupsTwoAndFive();
  void groupTwoAndFive(const ForceRows& dead, int wc, int s, char flagr, bool footings);
  void groupThreeAndSix(const ForceRows& dead, bool footings);
  void groupSeven();
  void reverseSeismicAxialLoads(const ForceRows& quake, const ForceRows& dead, float response);
  void groupThreeWind();
  void liveLoads();
  void liveLoadCombinations(int lanes, float nl);
  // The sets of one live-load case that group III adds its wind to, per
  // pass: A the live load and the dead load only (reversed wind), C with
  // the stream flow and the centrifugal force too.
  struct LiveLoadBases {
    std::array<ForceRows, 3> liveOnly{}, withForces{};
  };
  void groupOneCombinations(int lanes, float nl);
  LiveLoadBases groupFourCombinations(float nl);
  void groupThreeCombinations(const LiveLoadBases& bases, float nl);

  // Helpers.
  void lateral() {
    transverseLateralLoad(p_, forces_);
    longitudinalLateralLoad(p_, forces_);
  }
  void windForces(float ft, float fl, int s);
  void print(const CaseTitle& title) { printForceTable(p_, forces_, rep_, lines_, title); }
  void store(StoredCase& c, RowRun rows) { storeRows(c.row, forces_.row, rows, ncol_); }
  void load(const ForceRows& rows, RowRun run) { storeRows(forces_.row, rows, run, ncol_); }
  void add(const ForceRows& rows, RowRun run, float f = 1.0f) { addRows(forces_.row, rows, run, ncol_, f); }
  void scale(RowRun run, float f) { scaleRows(forces_.row, forces_.row, run, ncol_, f); }
  void rank(const ForceRows& dead, bool columns, bool footings);
  const ForceRows& deadOfPass(int pass) const {
    return pass == 1 ? p_.stored.DL1.row : p_.stored.DL2.row;
  }
  float bdOfPass(int pass) const { return pass == 1 ? p_.cs.BD1 : p_.cs.BD2; }
  void identify(char gr, int wind, int dir, char flagr, char flage) {
    comb_.GR = gr;
    comb_.WIND = wind;
    comb_.DIR = dir;
    comb_.FLAGR = flagr;
    comb_.FLAGE = flage;
  }
  bool loadFactor() const { return p_.dd.METHOD == 'L'; }
  bool columnsWanted() const { return p_.dd.COLOPT != ' '; }
  bool footingsWanted() const { return p_.dd.FTGOPT != ' '; }

  Problem& p_;
  Report& rep_;
  const int ncol_;
  ColumnForces forces_{};  // the load case in hand
  Combination comb_{};     // the design-load combination in hand
  int lines_ = kForceTableFirstCount;
  bool stream_ = false, centrifugal_ = false;
  float tractionPerLane_ = 0.0f;  // transverse traction force of one lane
  float groupThreeForce_ = 0.0f;  // FG3
  int passes_ = 1;                // dead-load passes
  bool capGroupThree_ = false;    // a live-load case with lanes formed cap group III
};

void LoadCaseDriver::run() {
  reset();
  if (ncol_ < 1) return;
  unitCase();
  settlement();
  capStrain();
  deadLoad();
  streamFlow();
  traction();
  seismic();
  centrifugal();
  windOnSubstructure();
  groupTwoWind();
  combinationSettings();
  groupsTwoAndFive();
  groupSeven();
  groupThreeWind();
  liveLoads();
  formGroupSixEnvelope(p_, capGroupThree_, p_.misc.EXPC != 0.0f && ncol_ > 1,
                       p_.misc.SHRC != 0.0f && ncol_ > 1);
  finishRanking(p_);
}

void LoadCaseDriver::reset() {
  if (columnsWanted()) resetColumnLists(p_);
  if (footingsWanted()) resetFootingLists(p_);
  clearForces(forces_);
}

void LoadCaseDriver::unitCase() {
  ColumnForces& f = forces_;
  if (ncol_ > 1) makeUnitSolution(p_, forces_);
  f.FTRAN = f.FLONG = 1.0f;
  f.ARMT = f.ARML = 0.0f;
  longitudinalLateralLoad(p_, forces_);
  if (ncol_ < 2) transverseLateralLoad(p_, forces_);
  lines_ = kForceTableFirstCount;
  print(CaseTitle::labelled("UNIT F.AT CL.CAP"));
}

void LoadCaseDriver::settlement() {
  if (!footingsWanted() || ncol_ <= 1) return;
  clearForces(forces_);
  bool settles = false;
  for (int c = 1; c <= ncol_ && !settles; ++c) settles = p_.ftg[c].SET != 0.0f;
  if (!settles) return;
  ForceRows& r = forces_.row;
  for (int c = 2; c <= ncol_; ++c) {
    r[kRowMR][c - 1] = p_.capp[c].UFEM * (p_.ftg[c - 1].SET - p_.ftg[c].SET);
    r[kRowML][c] = r[kRowMR][c - 1];
  }
  solveFrame(p_, forces_);
  swayCorrection(p_, forces_);
  print(CaseTitle::labelled("FOOT. SETTLEMENT"));
}

void LoadCaseDriver::capStrain() {
  const MiscForces& m = p_.misc;
  // Either coefficient alone makes the case (their sum may cancel).
  if ((m.EXPC == 0.0f && m.SHRC == 0.0f) || ncol_ <= 1) return;
  clearForces(forces_);
  ForceRows& r = forces_.row;
  ColumnRow x{};
  for (int c = 2; c <= ncol_; ++c) {
    const ColumnProperties& cp = p_.colp[c];
    x[c] = x[c - 1] + p_.cap[c].L;
    r[kRowMB][c] = cp.UFMB * cp.SECS * x[c];
    r[kRowMT][c] = cp.UFMT * cp.SECS * x[c];
    r[kRowMR][c - 1] = p_.capp[c].UFEM *
                           (x[c] * p_.col[c].SLOPE - x[c - 1] * p_.col[c - 1].SLOPE);
    r[kRowML][c] = r[kRowMR][c - 1];
  }
  solveFrame(p_, forces_);
  swayCorrection(p_, forces_);
  store(p_.stored.UNITSTRAIN, kRowsMLtoRF);
  // The cap moments of the unit strain at the faces and bearing points; the
  // rows printed below are taken again from the stored unit case.
  clearBearingPoints(forces_);
  bearingPointCorrection(p_, forces_);
  p_.env.EXPM = scaledCapMoments(p_, forces_, -m.EXPC);
  p_.env.SHRM = scaledCapMoments(p_, forces_, m.SHRC);
  if (m.EXPC != 0.0f) {
    scaleRows(r, p_.stored.UNITSTRAIN.row, kRowsMLtoRF, ncol_, -m.EXPC);
    print(CaseTitle::labelled("EXPANSION OF CAP"));
    store(p_.stored.EXPN, kRowsVtoRF);
  }
  if (m.SHRC != 0.0f) {
    scaleRows(r, p_.stored.UNITSTRAIN.row, kRowsMLtoRF, ncol_, m.SHRC);
    print(CaseTitle::labelled("SHRINKAGE OF CAP"));
    store(p_.stored.SHRK, kRowsVtoRF);
  }
}

void LoadCaseDriver::deadLoad() {
  ColumnForces& f = forces_;
  ForceRows& r = f.row;
  clearForces(forces_);
  applyBearingLoads(p_, forces_, p_.loads.LOAD[0]);
  comb_.PHIC = strengthReductionFactors(p_);
  // Own weight of the columns and of the cap segments either side.
  const auto weightOf = [this](int k) { return hasSegment(p_, k) ? p_.capp[k].RW : 0.0f; };
  const auto momentOf = [this](int k) { return hasSegment(p_, k) ? p_.capp[k].FMWT : 0.0f; };
  for (int c = 1; c <= ncol_; ++c) {
    const size_t ci = c;
    r[kRowMB][ci] += p_.colp[ci].FMWTB;
    r[kRowMT][ci] += p_.colp[ci].FMWTT;
    r[kRowML][ci] += momentOf(c);
    r[kRowMR][ci] -= momentOf(c + 1);
    r[kRowPSTAT][ci] += weightOf(c) + weightOf(c + 1);
  }
  solveFrame(p_, forces_);
  // Battered columns: the weight acting off the column axis.
  float total = f.FTRAN;
  for (int c = 1; c <= ncol_; ++c) {
    const size_t ci = c;
    const ColumnProperties& cp = p_.colp[ci];
    const float h = quotient(cp.ARMW * cp.WCOL, cp.HV);
    total += h;
    r[kRowPC][ci] += quotient(cp.HH * h, p_.col[ci].HT);
    r[kRowV][ci] += h;
    r[kRowPB][ci] = r[kRowPC][ci] + quotient(cp.WCOL, cp.SECS);
    r[kRowRF][ci] += cp.WCOL;
  }
  if (ncol_ != 1) {
    f.FTRAN = total;
    swayCorrection(p_, forces_);
  }
  store(p_.stored.DEADL, kRowsVtoRF);
  print(CaseTitle::labelled("DEAD LOAD TOTAL ", true));
  for (int c = 1; c <= ncol_; ++c) {
    f.VCL[c] -= weightOf(c);
    f.VCR[c] += weightOf(c + 1);
  }
  for (int k = 1; k <= ncol_ + 1; ++k)
    for (int q = 1; q <= bearingCount(p_, k); ++q) {
      const CapProperties& cp = p_.capp[k];
      f.MP[k][q] += cp.MW[q];
      f.VPL[k][q] += cp.VW[q];
      f.VPR[k][q] += cp.VW[q];
    }
  bearingPointCorrection(p_, forces_);
  storeDeadLoadCapValues(p_, forces_);
}

void LoadCaseDriver::streamFlow() {
  const MiscForces& m = p_.misc;
  // Either force alone makes the case (their sum may cancel).
  if (m.PT == 0.0f && m.PL == 0.0f) return;
  stream_ = true;
  ColumnForces& f = forces_;
  f.FTRAN = m.PT;
  f.FLONG = m.PL;
  f.ARMT = f.ARML = 0.0f;
  lateral();
  print(CaseTitle::labelled("STREAM FLOW     "));
  store(p_.stored.STRM, kRowsVtoVL);
  clearBearingPoints(forces_);
  bearingPointCorrection(p_, forces_);
  storeStreamFlowCapValues(p_, forces_);
}

void LoadCaseDriver::traction() {
  const MiscForces& m = p_.misc;
  ColumnForces& f = forces_;
  f.ARMT = m.APT;
  f.ARML = m.APL;
  f.FTRAN = p_.dd.SINSKW * m.FL;
  f.FLONG = -(p_.dd.COSSKW * m.FL);
  tractionPerLane_ = f.FTRAN;
  lateral();
  store(p_.stored.TRAC, kRowsVtoVL);
  if (m.FL != 0.0f) print(CaseTitle::labelled("TRAC. FORCE 1 LN"));
}

void LoadCaseDriver::seismic() {
  if (p_.misc.NSEIS == 0) return;
  ForceRows& r = forces_.row;
  for (int pass = 1; pass <= 2; ++pass) {
    for (int c = 1; c <= ncol_; ++c) {
      const size_t ci = c;
      const SeismicForces& sf = p_.seis[ci];
      // Full forces of the one direction with 30 percent of the other.
      const auto& main = pass == 1 ? sf.TRANS : sf.LONG;
      const auto& other = pass == 1 ? sf.LONG : sf.TRANS;
      const auto force = [&](int i) {
        return main[i] + kSeismicOrthogonal * other[i];
      };
      r[kRowPC][ci] = force(kTopP);
      r[kRowMT][ci] = force(kTopMT);
      r[kRowV][ci] = force(kTopVT);
      r[kRowMB][ci] = force(kBotMT);
      r[kRowRF][ci] = r[kRowPB][ci] = r[kRowPC][ci];
      r[kRowML][ci] = r[kRowMR][ci] = 0.0f;
      r[kRowMTL][ci] = force(kTopML);
      r[kRowVL][ci] = force(kTopVL);
      r[kRowMBL][ci] = force(kBotML);
      r[kRowMF][ci] = r[kRowMBL][ci];
    }
    store(pass == 1 ? p_.stored.SEIS1 : p_.stored.SEIS2, kRowsVtoVL);
    print(CaseTitle::labelled(pass == 1 ? "SEISMIC FORCE 1 " : "SEISMIC FORCE 2 "));
  }
}

void LoadCaseDriver::centrifugal() {
  const MiscForces& m = p_.misc;
  if (m.FT == 0.0f) return;
  centrifugal_ = true;
  ColumnForces& f = forces_;
  f.FTRAN = p_.dd.COSSKW * m.FT;
  f.FLONG = p_.dd.SINSKW * m.FT;
  lateral();
  print(CaseTitle::labelled("CENT. FORCE 1 LN"));
  store(p_.stored.CENT, kRowsVtoVL);
  clearBearingPoints(forces_);
  bearingPointCorrection(p_, forces_);
  storeCentrifugalCapValues(p_, forces_);
}

void LoadCaseDriver::windOnSubstructure() {
  const WindLoads& w = p_.wind;
  ColumnForces& f = forces_;
  f.FTRAN = w.PT2;
  f.FLONG = -w.PL2;
  f.ARMT = f.ARML = 0.0f;
  lateral();
  print(CaseTitle::labelled("WIND ON SUBSTR. "));
  store(p_.stored.WSUB, kRowsMLtoVL);
  f.FTRAN = f.FLONG = 1.0f;
  f.ARMT = w.APT2;
  f.ARML = w.APL2;
  lateral();
  store(p_.stored.UWIND, kRowsVtoVL);
  clearBearingPoints(forces_);
  bearingPointCorrection(p_, forces_);
  storeUnitWindCapMoments(p_, forces_);
}

// Transverse and longitudinal components of a wind with transverse and
// longitudinal intensities ft, fl on the skewed bent, direction s 1 or 2.
void LoadCaseDriver::windForces(float ft, float fl, int s) {
  const float sn = p_.dd.SINSKW, cs = p_.dd.COSSKW;
  if (s == 1) {
    forces_.FTRAN = cs * ft + sn * fl;
    forces_.FLONG = sn * ft - cs * fl;
  } else {
    forces_.FTRAN = cs * ft - sn * fl;
    forces_.FLONG = cs * fl + sn * ft;
  }
}

void LoadCaseDriver::groupTwoWind() {
  const WindLoads& w = p_.wind;
  const int nw = std::clamp(w.NW2, 0, kWindCases);
  if (nw == 0) return;
  comb_.LLID = "    ";
  for (int wc = 1; wc <= nw; ++wc) {
    const float ft = w.WAT * w.WFT2[wc], fl = w.WAL * w.WFL2[wc];
    for (int s = 1; s <= 2; ++s) {
      windForces(ft, fl, s);
      lateral();
      add(p_.stored.WSUB.row, kRowsMLtoRF);
      add(p_.stored.WSUB.row, kRowsMTLtoVL, s == 1 ? 1.0f : -1.0f);
      print(CaseTitle::windCase(2, wc, s));
      store(p_.stored.WTAB[wc][s], kRowsVtoVL);
      if (wc == 1 && s == 1) {
        forces_.FTRAN += w.PT2;
        updateGroupTwoEnvelope(p_, forces_, stream_);
      }
    }
  }
}

void LoadCaseDriver::combinationSettings() {
  Combination& cb = comb_;
  cb.GAMMA = 1.0f;
  cb.ALLOWF = 1.0f;
  cb.PAVG = (isPileBent(p_) || p_.dd.METHOD == 'S') ? 1.25f : 0.5f;
  passes_ = p_.cs.BD2 != 0.0f ? 2 : 1;
  scaleRows(p_.stored.DL1.row, p_.stored.DEADL.row, kRowsVtoRF, ncol_, p_.cs.BD1);
  if (passes_ == 2) scaleRows(p_.stored.DL2.row, p_.stored.DEADL.row, kRowsVtoRF, ncol_, p_.cs.BD2);
  p_.lists.NCLS = 0;
  p_.lists.NFLS = 0;
  p_.stored.LLC = StoredCase{};
}

void LoadCaseDriver::rank(const ForceRows& dead, bool columns, bool footings) {
  if (columns && columnsWanted()) rankForColumns(p_, forces_, comb_, dead);
  if (footings && footingsWanted()) rankForFootings(p_, forces_, comb_);
}

void LoadCaseDriver::groupsTwoAndFive() {
  const int nw = std::clamp(p_.wind.NW2, 0, kWindCases);
  if (nw == 0) return;
  Combination& cb = comb_;
  cb.BETAL = 1.0f;
  cb.FLAGC = ' ';
  cb.LLID = "    ";
  for (int pass = 1; pass <= passes_; ++pass) {
    const ForceRows& dead = deadOfPass(pass);
    cb.BD12 = bdOfPass(pass);
    for (int wc = 1; wc <= nw; ++wc)
      for (int rev = 1; rev <= 2; ++rev)
        for (int s = 1; s <= 2; ++s) {
          const ForceRows& wind = p_.stored.WTAB[wc][s].row;
          const char flagr = rev == 1 ? ' ' : 'R';
          const auto form = [&](bool withStream) {
            scaleRows(forces_.row, wind, kRowsVtoVL, ncol_, rev == 1 ? 1.0f : -1.0f);
            add(dead, kRowsVtoRF);
            cb.FLAGS = withStream ? 'S' : ' ';
            if (withStream) add(p_.stored.STRM.row, kRowsVtoVL);
            groupTwoAndFive(dead, wc, s, flagr, pass == 1);
          };
          // The wind as given with the stream flow; the wind reversed
          // without it and, as the stream may flow either way of the wind,
          // with it too.
          form(rev == 1 && stream_);
          if (rev == 2 && stream_) form(true);
        }
  }
}

// Group II from the set in hand, then group V: the same with expansion or
// shrinkage of the cap.
void LoadCaseDriver::groupTwoAndFive(const ForceRows& dead, int wc, int s, char flagr,
                                     bool footings) {
  Combination& cb = comb_;
  const MiscForces& m = p_.misc;
  identify('2', wc, s, flagr, ' ');
  cb.GRPF = kOverstressII;
  if (loadFactor()) cb.GAMMA = kGroupLoadFactor;
  else cb.ALLOWF = kOverstressII;
  const ForceRows groupTwo = forces_.row;
  rank(dead, true, footings);
  identify('5', wc, s, flagr, ' ');
  cb.GRPF = kOverstressV;
  if (loadFactor()) cb.GAMMA = kGroupVLoadFactor;
  else cb.ALLOWF = kOverstressV;
  if (m.EXPC != 0.0f) {
    add(p_.stored.EXPN.row, kRowsVtoRF);
    cb.FLAGE = 'E';
    rank(dead, true, footings);
  }
  if (m.SHRC != 0.0f) {
    cb.FLAGE = 'S';
    load(groupTwo, kRowsVtoVL);
    add(p_.stored.SHRK.row, kRowsVtoRF);
    rank(dead, true, footings);
  }
}

void LoadCaseDriver::groupSeven() {
  if (p_.misc.NSEIS == 0) return;
  Combination& cb = comb_;
  const bool pile = isPileBent(p_);
  const int lastPass = pile ? 1 : 2;
  for (int t = 1; t <= lastPass; ++t) {
    // Response modification factor: columns first, then footings.
    float response = (ncol_ == 1 ? 3.0f : 5.0f) / static_cast<float>(t);
    if (pile) {
      if (p_.PILECODE <= 2) response = p_.BATTER ? 3.0f : 5.0f;
      else response = p_.BATTER ? 2.0f : 3.0f;
    }
    cb.BETAL = 1.0f;
    cb.LLID = "    ";
    cb.FLAGC = ' ';
    for (int e = 1; e <= 2; ++e) {
      const ForceRows& quake = e == 1 ? p_.stored.SEIS1.row : p_.stored.SEIS2.row;
      for (int pass = 1; pass <= passes_; ++pass) {
        const ForceRows& dead = deadOfPass(pass);
        cb.BD12 = bdOfPass(pass);
        scaleRows(forces_.row, quake, kRowsVtoVL, ncol_, 1.0f / response);
        signAddRows(forces_.row, dead, kRowsVtoRF, ncol_);
        identify(e == 1 ? '7' : 'B', 0, 0, ' ', ' ');
        cb.GRPF = kOverstressVII;
        if (loadFactor()) cb.GAMMA = 1.0f;
        else cb.ALLOWF = kOverstressVII;
        cb.FLAGS = ' ';
        if (stream_) {
          cb.FLAGS = 'S';
          add(p_.stored.STRM.row, kRowsVtoVL);
        }
        rank(dead, t == 1, t == 2 && pass == 1);
        // The earthquake's axial forces act either way: the same moments
        // with the axial loads of the other sign (flagged 'R').
        reverseSeismicAxialLoads(quake, dead, response);
        cb.FLAGR = 'R';
        rank(dead, t == 1, t == 2 && pass == 1);
        cb.FLAGR = ' ';
      }
    }
  }
}

void LoadCaseDriver::reverseSeismicAxialLoads(const ForceRows& quake, const ForceRows& dead,
                                              float response) {
  ForceRows& r = forces_.row;
  for (int row : {kRowPC, kRowPB, kRowRF})
    for (int c = 1; c <= ncol_; ++c) {
      const size_t ci = c;
      const float d = dead[row][ci];
      const float e = quake[row][ci] * (1.0f / response);
      const float stream = stream_ ? p_.stored.STRM.row[row][ci] : 0.0f;
      r[row][ci] = d - (d < 0.0f ? -1.0f : 1.0f) * e + stream;
    }
}

void LoadCaseDriver::groupThreeWind() {
  const WindLoads& w = p_.wind;
  const int nw = std::clamp(w.NW3, 0, kWindCases);
  groupThreeForce_ = 0.0f;
  if (nw == 0) return;
  ColumnForces& f = forces_;
  scaleRows(p_.stored.WSUB.row, p_.stored.WSUB.row, kRowsMLtoVL, ncol_, kGroupThreeWindShare);
  float largest = 0.0f;
  for (int wc = 1; wc <= nw; ++wc) {
    const float ft = w.WAT * w.WFT3[wc], fl = w.WAL * w.WFL3[wc];
    const float gt = w.LLT * w.LFT3[wc], gl = w.LLL * w.LFL3[wc];
    for (int s = 1; s <= 2; ++s) {
      windForces(ft, fl, s);
      f.ARMT = w.APT2;
      f.ARML = w.APL2;
      lateral();
      const ForceRows superstructure = f.row;
      const float superstructureForce = f.FTRAN;
      windForces(gt, gl, s);
      f.ARMT = w.APT3;
      f.ARML = w.APL3;
      lateral();
      add(superstructure, kRowsMLtoVL);
      add(p_.stored.WSUB.row, kRowsMLtoRF);
      add(p_.stored.WSUB.row, kRowsMTLtoVL, s == 1 ? 1.0f : -1.0f);
      f.FTRAN = superstructureForce + f.FTRAN;
      print(CaseTitle::windCase(3, wc, s));
      store(p_.stored.WTAB[wc][s], kRowsVtoVL);
      largest = std::max(largest, f.FTRAN);
    }
  }
  groupThreeForce_ = largest + kGroupThreeWindShare * w.PT2;
}

void LoadCaseDriver::liveLoads() {
  Combination& cb = comb_;
  if (loadFactor()) cb.GAMMA = kGroupLoadFactor;
  cb.BETAL = 1.0f;
  const int cases = std::clamp(p_.dd.NLLC, 0, kMaxLiveCases);
  for (int k = 1; k <= cases; ++k) {
    cb.LLID = p_.loads.ID[k];
    cb.LLID.resize(4, ' ');
    const int lanes = p_.loads.NL[k];
    // Reduction for several loaded lanes.
    const float reduction = lanes == 3 ? 0.9f : (lanes > 3 ? 0.75f : 1.0f);
    const float nl = reduction * static_cast<float>(lanes);
    clearForces(forces_);
    LoadVector q{};
    for (int b = 1; b <= kMaxLoadPoints; ++b) q[b] = reduction * p_.loads.LOAD[k][b];
    applyBearingLoads(p_, forces_, q);
    solveFrame(p_, forces_);
    if (ncol_ != 1) swayCorrection(p_, forces_);
    print(CaseTitle::liveLoad(cb.LLID));
    store(p_.stored.LLC, kRowsVtoVL);
    bearingPointCorrection(p_, forces_);

    cb.GR = '1';
    cb.GRPF = 1.0f;
    cb.ALLOWF = 1.0f;
    forces_.FTRAN = groupThreeForce_ + nl * tractionPerLane_;
    if (p_.dd.METHOD != 'S') {
      cb.BETAL = kLiveLoadFactor;
      if (lanes == 0) {
        cb.BETAL = kLaneFreeLiveLoadFactor;
        cb.GR = 'A';
      }
      scale(kRowsVtoRF, isPileBent(p_) ? 1.0f : cb.BETAL);
    }
    updateLiveLoadEnvelopes(p_, forces_, cb.BETAL, lanes, nl, stream_, centrifugal_);
    if (lanes != 0) capGroupThree_ = true;
    liveLoadCombinations(lanes, nl);
  }
}

void LoadCaseDriver::liveLoadCombinations(int lanes, float nl) {
  groupOneCombinations(lanes, nl);
  if (lanes == 0) return;
  const LiveLoadBases bases = groupFourCombinations(nl);
  groupThreeCombinations(bases, nl);
}

// Group I: the live load with the dead load of each pass and, with lanes,
// the stream flow and the centrifugal force of nl lanes.
void LoadCaseDriver::groupOneCombinations(int lanes, float nl) {
  Combination& cb = comb_;
  const StoredCases& sc = p_.stored;
  identify(cb.GR, 0, 0, ' ', ' ');
  cb.FLAGC = cb.FLAGS = ' ';
  if (lanes != 0) {
    if (stream_) {
      cb.FLAGS = 'S';
      add(sc.STRM.row, kRowsVtoVL);
    }
    if (centrifugal_) {
      cb.FLAGC = 'C';
      add(sc.CENT.row, kRowsVtoVL, nl);
    }
  }
  const ForceRows groupOne = forces_.row;
  for (int pass = 1; pass <= passes_; ++pass) {
    cb.BD12 = bdOfPass(pass);
    if (pass == 2) load(groupOne, kRowsVtoVL);
    add(deadOfPass(pass), kRowsVtoRF);
    rank(deadOfPass(pass), true, pass == 1);
  }
}

// Group IV: live load with expansion or shrinkage of the cap. Returns the
// sets of each pass that group III adds its wind to.
LoadCaseDriver::LiveLoadBases LoadCaseDriver::groupFourCombinations(float nl) {
  Combination& cb = comb_;
  const MiscForces& m = p_.misc;
  const StoredCases& sc = p_.stored;
  identify('4', 0, 0, ' ', ' ');
  cb.GRPF = kOverstressII;
  if (loadFactor()) cb.BETAL = 1.0f;
  else cb.ALLOWF = kOverstressII;
  load(sc.LLC.row, kRowsVtoVL);
  scale(kRowsVtoRF, cb.BETAL);
  LiveLoadBases bases;
  bases.liveOnly[1] = bases.liveOnly[2] = forces_.row;
  if (centrifugal_) add(sc.CENT.row, kRowsVtoVL, nl);
  if (stream_) add(sc.STRM.row, kRowsVtoVL);
  const ForceRows base = forces_.row;
  for (int pass = 1; pass <= passes_; ++pass) {
    const ForceRows& dead = deadOfPass(pass);
    cb.BD12 = bdOfPass(pass);
    if (pass == 2) load(base, kRowsVtoVL);
    add(dead, kRowsVtoRF);
    bases.withForces[pass] = forces_.row;
    addRows(bases.liveOnly[pass], dead, kRowsVtoRF, ncol_);
    const ForceRows kept = forces_.row;
    if (m.EXPC != 0.0f) {
      cb.FLAGE = 'E';
      add(sc.EXPN.row, kRowsVtoRF);
      rank(dead, true, pass == 1);
    }
    if (m.SHRC != 0.0f) {
      load(kept, kRowsVtoVL);
      add(sc.SHRK.row, kRowsVtoRF);
      cb.FLAGE = 'S';
      rank(dead, true, pass == 1);
    }
  }
  return bases;
}

// Group III: live load with wind on it and reduced wind on the structure.
void LoadCaseDriver::groupThreeCombinations(const LiveLoadBases& bases, float nl) {
  Combination& cb = comb_;
  const StoredCases& sc = p_.stored;
  const int nw = std::clamp(p_.wind.NW3, 0, kWindCases);
  if (nw == 0) return;
  const char flags = cb.FLAGS, flagc = cb.FLAGC;
  cb.FLAGE = ' ';
  ForceRows longitudinal{};
  scaleRows(longitudinal, sc.TRAC.row, kRowsVtoVL, ncol_, nl);
  for (int pass = 1; pass <= passes_; ++pass) {
    const ForceRows& dead = deadOfPass(pass);
    cb.BD12 = bdOfPass(pass);
    for (int wc = 1; wc <= nw; ++wc)
      for (int rev = 1; rev <= 2; ++rev)
        for (int s = 1; s <= 2; ++s) {
          const float sign = rev == 1 ? 1.0f : -1.0f;
          const float tractionSign = (s == 1) == (rev == 1) ? 1.0f : -1.0f;
          const auto form = [&](const ForceRows& others, char fs, char fc) {
            scaleRows(forces_.row, sc.WTAB[wc][s].row, kRowsVtoVL, ncol_, sign);
            add(longitudinal, kRowsVtoVL, tractionSign);
            add(others, kRowsVtoVL);
            cb.WIND = wc;
            cb.DIR = s;
            cb.FLAGR = rev == 1 ? ' ' : 'R';
            cb.FLAGS = fs;
            cb.FLAGC = fc;
            groupThreeAndSix(dead, pass == 1);
          };
          if (rev == 1) {
            form(bases.withForces[pass], flags, flagc);
          } else {
            form(bases.liveOnly[pass], ' ', ' ');
            // The reversed wind with the stream flow as given.
            if (stream_) {
              ForceRows withStream = bases.liveOnly[pass];
              addRows(withStream, sc.STRM.row, kRowsVtoVL, ncol_);
              form(withStream, 'S', ' ');
            }
          }
        }
  }
}

// Group III from the set in hand, then group VI: the same with the
// temperature and shrinkage of the cap (expansion, or shrinkage with the
// temperature fall), at 140 percent of the allowable stresses or with the
// load factor 1.25 and the coefficients of group III.
void LoadCaseDriver::groupThreeAndSix(const ForceRows& dead, bool footings) {
  Combination& cb = comb_;
  const MiscForces& m = p_.misc;
  const StoredCases& sc = p_.stored;
  cb.GR = '3';
  cb.GRPF = kOverstressII;
  cb.FLAGE = ' ';
  if (loadFactor()) cb.GAMMA = kGroupLoadFactor;
  else cb.ALLOWF = kOverstressII;
  const ForceRows groupThree = forces_.row;
  rank(dead, true, footings);
  cb.GR = '6';
  cb.GRPF = kOverstressV;
  if (loadFactor()) cb.GAMMA = kGroupVILoadFactor;
  else cb.ALLOWF = kOverstressV;
  if (m.EXPC != 0.0f) {
    cb.FLAGE = 'E';
    add(sc.EXPN.row, kRowsVtoRF);
    rank(dead, true, footings);
  }
  if (m.SHRC != 0.0f) {
    cb.FLAGE = 'S';
    load(groupThree, kRowsVtoVL);
    add(sc.SHRK.row, kRowsVtoRF);
    rank(dead, true, footings);
  }
  cb.FLAGE = ' ';
  if (loadFactor()) cb.GAMMA = kGroupLoadFactor;
}

}  // namespace

ColumnRow strengthReductionFactors(const Problem& p) {
  ColumnRow phi{};
  for (int c = 1; c <= columnCount(p); ++c) {
    float phic = 0.7f;
    if (p.col[c].T == 'R' || p.col[c].T == 'S') phic = 0.75f;
    if (p.cs.OC != 0.0f) phic = p.cs.OC;
    if (p.dd.METHOD != 'L' || isPileBent(p)) phic = 1.0f;
    phi[c] = phic;
  }
  return phi;
}

void PIER31(Problem& p, Report& rep) { LoadCaseDriver(p, rep).run(); }

}  // namespace bentpier
