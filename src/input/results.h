// What each stage found for one problem, kept as plain data. The report
// lines of the load cases, the cap tables, the column tables and the footing
// results are printed from these records, and the results document is
// written from the same records, so the two cannot disagree.
//
// Units are the report's: kips, kip-feet, feet; inches for cap, column and
// footing section dimensions and bar spacings; square inches for steel
// areas; ksi for stresses unless a field says otherwise.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace bentpier {

// A line the program wrote about the problem: an input error, a design
// failure or a note. Card, deck line and columns are 0 where they do not
// apply or are not known.
struct Message {
  enum class Severity { kError, kWarning, kNote };
  Severity severity = Severity::kError;
  std::string text;      // the report's own text
  int card = 0;          // card number (columns 1-2), 0 for the title card
  long long line = 0;    // physical line of the deck
  int first_column = 0;  // columns of the field at fault
  int last_column = 0;
};

// Column forces of one load case at one column.
struct CaseColumnForces {
  float PC = 0, MT = 0, V = 0, MB = 0, PB = 0, RF = 0;  // transverse frame
  float ML = 0, MR = 0;                                 // cap moments at the column faces
  float MTL = 0, VL = 0, MBL = 0, MF = 0;               // longitudinal
};

// Cap moment and shears at one bearing point of one load case.
struct CaseCapPoint {
  int point = 0;  // running load-point number
  int segment = 0, bearing = 0;
  float MP = 0, VPL = 0, VPR = 0;
};

// One analysed load case: its title as printed and the forces found.
struct LoadCaseResult {
  enum class Kind { kLabelWithBottomLoad, kLabel, kWind, kLiveLoad };
  Kind kind = Kind::kLabel;
  std::string label;                   // label or live-load identifier
  int group = 0, wind = 0, direction = 0;  // wind cases
  bool printed = true;                 // false when the problem suppresses the tables
  std::vector<CaseColumnForces> columns;   // columns 1..NCOL at 0..NCOL-1
  std::vector<CaseCapPoint> cap_points;
};

// One line of the "CAP MOMENTS AND SHEARS" table: at a column face ("C"
// with side "L" or "R") or at a bearing point ("P").
struct CapMomentsRow {
  char kind = 'P';  // 'C' column face, 'P' bearing point
  int number = 0;   // column or running point number
  char side = ' ';  // 'L' or 'R' for a column face
  // D.L.TOT., G1 MAX.+, G1 MAX.-, G2 MAX.+, G2 MAX.-, G3 MAX.+, G3 MAX.-
  std::array<float, 7> moments{};
  // DL T.LT, DL T.RT, G1 + LT, G1 + RT, G1 - LT, G1 - RT; a column-face row
  // fills only the three on its own side.
  std::array<float, 6> shears{};
  std::array<bool, 6> has_shear{};
  // Group VI (group III with temperature and shrinkage of the cap) maximum
  // and minimum moments, kept only when group VI is formed for the cap.
  bool has_group_six = false;
  float G6_max = 0, G6_min = 0;
};

struct CapFaceBars {
  float AS = 0;   // square inches
  int NBARS = 0;
  int size = 0;   // bar number
};

struct CapStirrups {
  float max_spacing = 0, av_per_inch = 0, spacing = 0;  // in, sq in per in, in
  char mark = ' ';  // 'D' for double stirrups
  int size = 0;
};

// The design of one cap point.
struct CapPointResult {
  enum class Status { kDesigned, kCannotDesign, kDepthLimit };
  Status status = Status::kDesigned;
  std::string label;  // as printed, e.g. " P 3" or "C 2L"
  float MBPOS = 0, MBNEG = 0;  // design moments, kip-ft
  float MPOS = 0, MNEG = 0;    // group moments of the point (factored, method L)
  float MDPOS = 0, MDNEG = 0;  // moments the point was designed for, kip-ft
  bool group_governs = false;  // method S: a load group beyond envelope B
  // Moment capacity of the section as designed, kip-ft: design strength
  // (method L) or allowable moment (method S); positive with the bottom
  // bars in tension, negative with the top bars; 0 where not designed.
  float MCAP_POS = 0, MCAP_NEG = 0;
  CapFaceBars top, bottom;
  CapStirrups left, right;
  float h = 0;        // total depth, in
  bool deepened = false;
  int IFC = 0;        // concrete stress, psi (service-load method)
  float PS = 0;       // steel ratio, percent (load-factor method)
  float FS_FF = 0, FS_FZ = 0;  // fatigue and crack-control ratios (load factor)
  int depth_increments = 0;    // limit of increments tried (depth limit)
  float DEPINC = 0;            // depth increment, in
};

struct CapDesignResult {
  bool ran = false;
  char METHOD = 'L';
  std::vector<CapPointResult> points;
  bool crack_control_note = false, fatigue_note = false, deepened_note = false;
};

// One design load of a column end with its strength along its load line.
struct ColumnLoadCheck {
  float P = 0, MX = 0, MY = 0;  // load as checked, kips and kip-ft
  float FACTOR = 1;             // allowable-stress factor of its group
  float PU = 0, MXU = 0, MYU = 0, RATIO = 0;
};

// Identification of a design-load combination.
struct CombinationId {
  char GR = ' ';
  std::string LLID;
  int WC = 0;  // 10 x wind case + direction
  char FLAGR = ' ', FLAGE = ' ', FLAGC = ' ', FLAGS = ' ';
};

// A bar of a column section: area (sq in) and position from the centroid
// (in), x along B and y along D.
struct SectionBarPoint {
  float A = 0, X = 0, Y = 0;
};

// A point of an interaction curve: design moment (kip-ft) and axial load
// (kips), compression positive.
struct CurveSample {
  float M = 0, P = 0;
};

// A point of the load contour of a column section at one axial load: the
// design moment strengths about x and y (kip-feet) in one direction.
struct ContourPoint {
  float MX = 0, MY = 0;
};

// A point of a column interaction curve: design strength, the reduction
// factor applied by its normal rule, PHI*Pn in kips and PHI*Mn in kip-feet,
// at neutral-axis depth C (inches).
struct StrengthPoint {
  float C = 0, P = 0, M = 0;
};

// The interaction curve of one bending direction of the final section.
struct InteractionCurveResult {
  bool kept = false;  // false when the curve could not be built
  StrengthPoint max_compression, balanced, pure_bending;
  std::vector<StrengthPoint> curve;  // P rising from pure tension
};

struct ColumnEndOutcome {
  enum class Status { kDesigned, kUnstable, kInputError };
  int column = 0;
  char end = 'T';
  Status status = Status::kDesigned;
  char option = 'D';  // D designed, I investigated
  char type = 'R';    // R round, S spiral, T tied
  float B = 0, D = 0; // section as printed, in
  std::array<int, 4> face_bars{};   // bars on faces 1..4 (at 0..3)
  std::array<int, 4> face_sizes{};  // bar numbers, 0 without bars
  float AS = 0, PS = 0, PHIC = 0;
  int pattern = 0;
  CombinationId governing_set;
  float PF = 0, MTF = 0, MLF = 0;   // governing set, factored
  float PM = 0, MTM = 0, MLM = 0;   // governing load, magnified
  float PU = 0, MTU = 0, MLU = 0, PUPM = 0;
  int governing_load = 0;
  float BD12 = 0, BD = 0, SUMPU = 0, SUMPC = 0, DEL_T = 0, DEL_L = 0, CM = 0;
  float exact_ratio = 0;            // 0 when no exact biaxial note
  std::vector<ColumnLoadCheck> loads;
  // The section as designed or investigated: void of a hollow round column
  // (in), every bar, the maximum axial design strength, the bending code of
  // the loads (1 Mx, 2 My, 3 both: the interaction curves to draw).
  float VOID = 0;
  std::vector<SectionBarPoint> bars;
  float P0 = 0;
  int bending = 0;
  float PHIB = 0;  // reduction factor of bending and tension
  // The full interaction curves with their characteristic points, about x
  // (the moment MX, MT of the frame) and about y (MY, ML), for the results.
  std::array<InteractionCurveResult, 2> interaction;
  // Biaxial loads: the load contour at the axial strength contour_P (kips)
  // of the governing load, from the strength about x to that about y.
  float contour_P = 0;
  std::vector<ContourPoint> contour;
};

struct PileLine {
  int pile = 0;
  CombinationId set;
  float PF = 0, MTF = 0, MLF = 0, VLF = 0;
  float allowable = 0;  // PA (axial table) or VLA (lateral table), kips
  bool over_allowable = false;  // the load (PF, or |VLF|) exceeds it
};

struct PileTables {
  std::string type;  // "TYPE 1" .. "TYPE 4", "SPECIAL"
  std::vector<PileLine> axial, lateral;
};

struct FootingDirection {
  std::string direction;  // "LONG" or "TRAN"
  std::string layer;      // "top" or "bottom" line of the results block
  float AS = 0;           // sq in
  int NBAR = 0, BSIZE = 0;
  float SPAC = 0;         // in
  float MCAP = 0, VBCAP = 0, VPCAP = 0;  // section capacities, as printed
  float DS = 0;           // effective depth, in
  float FCS = 0;          // concrete stress (service-load method)
};

// Identification of a footing design-load set.
struct FootingSetId {
  int column = 0;  // column whose footing produced the set
  char GR = ' ';
  std::string LLID;
  float WC = 0;    // wind case and direction as case.direction
  char FLAGR = ' ', FLAGE = ' ', FLAGC = ' ', FLAGS = ' ';
};

// One line of "FOOTING n DESIGN LOADS": a governing slot with the state of
// its set. P..VL are the loads evaluated (service loads for MAX.P1 and
// MAX.P3; factored under the load-factor method for the others); P1..P4
// the corner soil pressures (ksf) or pile loads (kips); MTF, VBF, VPF the
// per-foot design forces printed (the longitudinal ones on the MAX.ML and
// MAX.VL lines).
struct FootingDesignLoad {
  std::string label;  // "MAX.P1" .. "MAX.P3"
  int set = 0;        // 0 when no set filled the slot
  FootingSetId id;
  float P = 0, MT = 0, VT = 0, ML = 0, VL = 0;
  float P4 = 0, P3 = 0, P2 = 0, P1 = 0;
  float MTF = 0, VBF = 0, VPF = 0;
  float GF = 1;       // group allowance factor the slot compared under
};

// Corner soil pressures (ksf) or pile loads (kips) of one design-load set
// under its service loads on the footing as designed.
struct FootingSetPressure {
  int set = 0;
  FootingSetId id;
  float P = 0, MT = 0, VT = 0, ML = 0, VL = 0;  // service loads
  float GF = 1;
  float P1 = 0, P2 = 0, P3 = 0, P4 = 0;
  float allowable = 0;  // ALLSP or PILECAP times GF
  float lowest = 0;     // pile footings: PILEUPL times GF
  std::string contact;  // spread: "full", "partial", "outside", "unresolved"
};

// A check of the footing as designed: value against limit.
struct FootingCheck {
  std::string name;
  float value = 0;
  bool has_limit = true;
  float limit = 0;
  std::string unit;
  bool upper = true;  // the value may not exceed the limit (else not fall below)
};

struct FootingOutcome {
  enum class Status { kDesigned, kSameAs, kFailed, kOutOfOrder };
  int footing = 0;
  char SP = ' ';
  Status status = Status::kDesigned;
  int same_as = 0;
  std::string failure;       // the report's failure line
  float B = 0, D = 0, T = 0; // plan and thickness as designed, ft
  float P1_PA = 0;           // governing soil pressure or pile load over its allowance
  int NP = 0;                // piles of a pile footing as designed
  FootingDirection first, second;
  float BP = 0, DP = 0;      // pile footings: spacing parameters, ft
  std::vector<FootingDesignLoad> design_loads;
  std::vector<FootingSetPressure> sets;  // the ranked and the governing sets
  int sets_checked = 0;                  // every set the design met
  std::vector<FootingCheck> checks;
};

struct ProblemResults {
  std::vector<std::string> stages;  // stages run, in order
  std::vector<Message> messages;
  std::vector<LoadCaseResult> load_cases;
  std::vector<CapMomentsRow> cap_moments;
  CapDesignResult cap;
  std::vector<ColumnEndOutcome> columns;
  bool has_piles = false;
  PileTables piles;
  std::vector<FootingOutcome> footings;
  bool input_error = false;
};

}  // namespace bentpier
