// The problem data store: everything known about one bent, from its input
// cards to the results of each stage. A fresh store is made for every problem
// and handed to each stage in turn; nothing in it outlives the problem.
//
// Indexing follows the bent's own numbering and starts at 1: cap segment 1 is
// the left cantilever, segment k (2..NCOL) the span between columns k-1 and
// k, segment NCOL+1 the right cantilever; columns and footings are 1..NCOL;
// load case 0 is the dead load and 1..NLLC the live-load cases; load points
// are 1..NLP. Element 0 of each array is not used.
//
// Field names are the report's mnemonics: F'C -> FPC, DEL.B -> DEL_B,
// R.B/D -> R_BD, S/P -> SP, S.HT. -> S_HT, SYM. -> SYM, SET. -> SET,
// MIN.P -> MIN_P, CL.SP. -> CL_SP, CONC. STRAIN -> CONC_STRAIN, I.D. -> ID.
#pragma once

#include <string>
#include <vector>

#include "base/record_store.h"
#include "base/table.h"
#include "input/results.h"

namespace bentpier {

inline constexpr int kMaxColumns = 12;
inline constexpr int kMaxCantilevers = 2;
inline constexpr int kMaxSegments = 13;
inline constexpr int kMaxBearings = 8;
inline constexpr int kMaxLiveCases = 25;
inline constexpr int kMaxLoadPoints = 36;
inline constexpr int kLoadsPerCard = 12;
inline constexpr int kMaxWindDirections = 5;
inline constexpr int kBarGroups = 4;
inline constexpr int kSeismicForces = 7;
inline constexpr float kConcreteWeight = 0.15f;  // kip per cubic foot

// Design data card (card 1).
struct DesignData {
  char CAPOPT = ' ', COLOPT = ' ', FTGOPT = ' ', METHOD = 'L';
  int NCAN = 0, NCOL = 0, NLLC = 0;
  int SKEWD = 0, SKEWM = 0, SKEWS = 0;
  float FPC = 0, FC = 0, N = 0, FY = 0, FS = 0, EC = 0, ES = 0;
  float CONC_STRAIN = 0, Z = 0;
  int MAINSZ = 0, STRSZ = 0, MAXTOP = 0, MAXBOT = 0, MINSZ = 0, MINNO = 0;
  float TOPCL = 0, MINSSP = 0, DEPINC = 0, BOTCL = 0;
  // Derived.
  float SINSKW = 0, COSSKW = 1;
  int NSPAN = 0;
};

// Column reinforcing steel card (card 2), with load factors, soil and piles.
struct ColumnSteel {
  float MIN_P = 0, MAX_P = 0, CL_SP = 0, CLEAR = 0;
  int RMODE = 0;
  float KLCOEF = 0, OC = 0, OF = 0, CM = 0, BD1 = 0, BD2 = 0;
  float IMPACT = 0;  // the fraction IMPACT/(IMPACT+100) once the echo is done
  float SOILWT = 0, ALLSP = 0, MINPLSP = 0, MAXPLSP = 0, EDGEDIST = 0;
  float PILEDEPTH = 0, REBARCLR = 0, PILECAP = 0, PILEUPL = 0;
  char IP = ' ';
};

// One cap segment (span or cantilever), lengths in feet.
struct CapSegment {
  char C = ' ';
  float L = 0, A = 0, DE = 0, BC = 0, BE = 0, DH = 0, LH = 0;
  Table<float, kMaxBearings + 1> XB{};  // bearing increments 1..NB
  int NB = 0;
  int REF = 0;  // segment this one is the same as; 0 for a full card

  // Length of the haunch: LH for a straight (L) or parabolic (P) haunch; a
  // prismatic (C) segment has none, whatever its LH field holds.
  float haunchLength() const { return C == 'L' || C == 'P' ? LH : 0.0f; }
};

// One column as read from its card.
struct Column {
  int P = 0;  // load points carried by the column itself
  char I = ' ', T = ' ', S = ' ';
  float HT = 0, A = 0, DT = 0, BT = 0, DB = 0, BB = 0, DL = 0, FLEX = 0;
  float SLOPE = 0, EP = 0, AP = 0;
  Table<int, kBarGroups + 1> ND{}, NB{}, SZ{};  // bar groups 1..4
  int REF = 0;  // column this one is the same as; 0 for a full card
};

// One footing as read from its card.
struct Footing {
  char SP = ' ';  // 'S' spread, 'P' pile
  float B = 0, D = 0, T = 0, DEL_B = 0, DEL_D = 0, DEL_T = 0;
  float R_BD = 0, R_DB = 0, S_HT = 0, BP = 0, DP = 0, SET = 0;
  int NP = 0, SYM = 0;
  int REF = 0;  // footing this one is the same as; 0 for a full card
};

// Seismic forces of one column (absolute values, kips and kip-feet), in the
// order TOP-VL, TOP-VT, BOT-ML, TOP-ML, BOT-MT, TOP-MT, TOP-P (1..7).
struct SeismicForces {
  Table<float, kSeismicForces + 1> LONG{}, TRANS{};
};

struct WindLoads {
  // Group II: superstructure areas, intensities (ksf), arms, wind on pier.
  float WAT = 0, WAL = 0;
  Table<float, kMaxWindDirections + 1> WFT2{}, WFL2{};
  int NW2 = 0;
  float APT2 = 0, APL2 = 0, PT2 = 0, PL2 = 0;
  // Group III: reduced superstructure wind (ksf) and wind on live load (k/ft).
  Table<float, kMaxWindDirections + 1> WFT3{}, WFL3{}, LFT3{}, LFL3{};
  int NW3 = 0;
  float LLT = 0, LLL = 0, APT3 = 0, APL3 = 0;
  // The cards' intensities for all five directions as used (the standard
  // ones where a card's STD code is set): superstructure in psf, live load
  // in lb/ft, with the codes.
  int STD2 = 0, STD3 = 0, STDLL = 0;
  Table<int, kMaxWindDirections + 1> FT2{}, FL2{}, FT3{}, FL3{}, LFT{}, LFL{};
};

struct MiscForces {
  float FT = 0, FL = 0, APT = 0, APL = 0, EXPC = 0, SHRC = 0, PT = 0, PL = 0;
  int NSEIS = 0;
};

// Bearing loads: case 0 is the dead load, 1..NLLC the live-load cases.
struct LoadTable {
  Table<Table<float, kMaxLoadPoints + 1>, kMaxLiveCases + 1> LOAD{};
  Table<std::string, kMaxLiveCases + 1> ID{};
  Table<int, kMaxLiveCases + 1> NL{};
  int NLP = 0;
};

// Properties of one cap segment (span or cantilever), from the member-
// property stage. Bearing arrays are indexed 1..NB of the segment.
struct CapProperties {
  float K = 0;     // end stiffness (4EI/L equivalent), kip-ft per radian
  float CO = 0;    // carry-over factor, equal at both ends
  // Span: fixed-end moment of its own weight; cantilever: moment of its
  // weight about the column.
  float FMWT = 0;
  float UFEM = 0;  // end moment for a unit relative end displacement
  float RW = 0;    // span: end reaction of own weight; cantilever: total weight
  float RI = 0;    // relative stiffness BC DE^3 / (12 L) for column end restraint
  Table<float, kMaxBearings + 1> FMLP{}, FMRP{};  // unit-load fixed-end moments
  // Bearing distance from the span's right end, or a cantilever's column.
  Table<float, kMaxBearings + 1> XR{};
  Table<float, kMaxBearings + 1> VW{}, MW{};      // own-weight shear and moment at the bearing
  Table<float, kMaxBearings + 1> DEPB{}, WIDB{};  // cap depth and width at the bearing
  // Span stiffnesses and carry-overs modified for the joints beyond them.
  float KML = 0, KMR = 0, COMLR = 0, COMRL = 0;
};

// Properties of one column and the joint factors at its top.
struct ColumnProperties {
  float WCOL = 0;           // weight over the clear height, kips
  float KT = 0, KB = 0;     // stiffness at top and bottom, kip-ft per radian
  float COTB = 0, COBT = 0; // carry-overs top to bottom, bottom to top
  float UFMT = 0, UFMB = 0; // end moments for a unit sway
  float KL = 0;             // longitudinal lateral-stiffness index
  float HV = 0, HH = 0;     // vertical and horizontal projections of HT
  float SECS = 1, COSS = 1; // sqrt(1 + SLOPE^2) and its reciprocal
  float FMWTT = 0, FMWTB = 0;  // fixed-end moments of own weight (battered)
  float ARMW = 0;           // horizontal lever term of the column weight
  float FLU = 0;            // unsupported length, feet
  float RGTB = 0, RGL = 0;  // mean radii of gyration, inches
  float EITTB = 0, EILTB = 0;  // mean flexural rigidities / 1000, kip-in^2
  float PSIT = 0, PSIB = 0; // end-restraint factors
  float FKBR = 0, FKUBR = 0, KLRL = 0;  // slenderness ratios kl/r
  float PCBR = 0, PCUBR = 0, PCL = 0;   // critical loads, kips
  // Minimum eccentricities, feet: 1 top transverse, 2 top longitudinal,
  // 3 bottom transverse, 4 bottom longitudinal.
  Table<float, 5> EMIN{};
  float KTM = 0, COTBM = 0, COBTM = 0;  // modified for base release and joint
  float DFL = 0, DFC = 0, DFR = 0;      // distribution factors at the top joint
  float TLR = 0, TLC = 0, TRL = 0, TRC = 0, TCR = 0, TCL = 0;  // transfer factors
  float PDF = 0;  // share of longitudinal force
  float XC = 0;   // overturning factor x / sum x^2
};

// ---------------------------------------------------------------------------
// Load-case results.

inline constexpr int kForceRows = 13;     // rows ML..PSTAT of the column force set
inline constexpr int kCaseRows = 12;      // rows ML..VL, the most a stored case holds
inline constexpr int kWindCases = 5;      // wind cases per wind card
inline constexpr int kCapFaceSlots = 32;  // slots of the column-face cap table X
inline constexpr int kCapPointSlots = 21; // slots of the bearing-point cap table CP
inline constexpr int kListSize = 25;      // design-load sets kept per ranking list

// Row numbers of the column force set, in their fixed order; stored cases
// keep runs of consecutive rows under the same numbers.
inline constexpr int kRowML = 1;      // cap moment at the left face of the column
inline constexpr int kRowMR = 2;      // cap moment at the right face
inline constexpr int kRowV = 3;       // transverse column shear
inline constexpr int kRowMT = 4;      // transverse moment at the column top
inline constexpr int kRowPC = 5;      // axial load at the column top
inline constexpr int kRowMB = 6;      // transverse moment at the column bottom
inline constexpr int kRowPB = 7;      // axial load at the column bottom
inline constexpr int kRowRF = 8;      // vertical reaction at the footing
inline constexpr int kRowMTL = 9;     // longitudinal moment at the column top
inline constexpr int kRowMBL = 10;    // longitudinal moment at the column bottom
inline constexpr int kRowMF = 11;     // longitudinal moment at the footing
inline constexpr int kRowVL = 12;     // longitudinal column shear
inline constexpr int kRowPSTAT = 13;  // statical column load from the cap

using ColumnRow = Table<float, kMaxColumns + 1>;  // one value per column 1..NCOL
using ForceRows = Table<ColumnRow, kForceRows + 1>;  // [row][column]
// One value per bearing point, indexed [segment k][bearing q].
using BearingTable = Table<Table<float, kMaxBearings + 1>, kMaxSegments + 1>;

// A copy of rows of the column force set, under their own row numbers
// (at most ML..VL; the rows a case does not keep stay 0).
struct StoredCase {
  ForceRows row{};
};

// Stored cases that the combinations of the load groups are formed from.
struct StoredCases {
  StoredCase UNIT;        // rows ML..RF per unit transverse force at the cap
  ColumnRow USP{};        // span end-moment shears per unit transverse force
  StoredCase UNITSTRAIN;  // ML..RF, unit cap strain
  StoredCase EXPN, SHRK;  // V..RF, cap expansion and shrinkage
  StoredCase DEADL;       // V..RF, dead load total
  StoredCase DL1, DL2;    // V..RF, DEADL times BD1 and BD2
  StoredCase STRM;        // V..VL, stream flow
  StoredCase TRAC;        // V..VL, traction of one lane
  StoredCase SEIS1, SEIS2;  // V..VL, the two seismic combinations
  StoredCase CENT;        // V..VL, centrifugal force of one lane
  StoredCase WSUB;        // ML..VL, wind on the substructure
  StoredCase UWIND;       // V..VL, unit wind on the superstructure
  // V..VL per wind case w (1..5) and direction s (1, 2): group II, later group III.
  Table<Table<StoredCase, 3>, kWindCases + 1> WTAB{};
  StoredCase LLC;         // V..VL, the live-load case in hand
};

// Cap results and envelopes. X(c, s) holds values at the faces of column c,
// CP(q, k, s) at bearing q of segment k. Slots:
//   X  1,2 dead load VCL,VCR      3,4 dead load ML,MR
//      5,6 group I max VCL,VCR    7,8 group I max ML,MR
//      9,10 group I min VCL,VCR   11,12 group I min ML,MR
//      13,14 group II max ML,MR   15,16 group II min ML,MR
//      17,18 group III max ML,MR  19,20 group III min ML,MR
//      21,22 envelope B max,min ML   23,24 envelope B max,min MR
//      25,26 centrifugal VCL,VCR  27,28 centrifugal ML,MR (one lane)
//      29,30 stream flow VCL,VCR  31,32 stream flow ML,MR
//   CP 1 dead load MP   2,3 dead load VPL,VPR
//      4 group I max MP   5,6 group I max VPL,VPR
//      7 group I min MP   8,9 group I min VPL,VPR
//      10,11 group II max,min MP   12,13 group III max,min MP
//      14,15 envelope B max,min MP
//      16 centrifugal MP   17,18 centrifugal VPL,VPR (one lane)
//      19 stream flow MP   20,21 stream flow VPL,VPR
// Envelope B is group I without live-load factor and without wind.
// Cap moments at every column face (ML left, MR right face of column c) and
// bearing point (MP of bearing q of segment k, indexed [k][q]).
struct CapMomentTable {
  ColumnRow ML{}, MR{};
  BearingTable MP{};
};
struct CapEnvelopes {
  Table<Table<float, kCapFaceSlots + 1>, kMaxColumns + 1> X{};
  Table<Table<Table<float, kCapPointSlots + 1>, kMaxSegments + 1>,
             kMaxBearings + 1>
      CP{};
  ColumnRow UWML{}, UWMR{};  // cap face moments under unit wind
  BearingTable UWMP{};       // bearing-point moments under unit wind
  // Cap moments of the expansion and the shrinkage of the cap.
  CapMomentTable EXPM{}, SHRM{};
  // Group VI: group III with the expansion or the shrinkage of the cap,
  // maxima and minima (load factor applied after the load-group stage).
  CapMomentTable G6MAX{}, G6MIN{};
  bool groupSix = false;  // whether group VI was formed for the cap
};

// One column design-load set (one column end).
struct ColumnLoadSet {
  float PM = 0, MTM = 0, MLM = 0;  // magnified axial load and moments
  float PF = 0, MTF = 0, MLF = 0;  // factored, unmagnified
  float VLF = 0;                   // longitudinal shear
  float DEL_T = 0, DEL_L = 0;      // magnifiers used
  float BD12 = 0, BD = 0, CM = 0, SUMPU = 0, SUMPC = 0;
  char GR = ' ';
  std::string LLID = "    ";
  int WC = 0;  // 10 x wind case + direction
  char FLAGR = ' ', FLAGE = ' ', FLAGC = ' ', FLAGS = ' ';
};

// One footing design-load set: service and factored loads, impact removed.
struct FootingLoadSet {
  float PS = 0, MTS = 0, VTS = 0, MLS = 0, VLS = 0;
  float PF = 0, MTF = 0, VTF = 0, MLF = 0, VLF = 0;
  char GR = ' ';
  std::string LLID = "    ";
  int WC = 0;
  char FLAGR = ' ', FLAGE = ' ', FLAGC = ' ', FLAGS = ' ';
  int SEQ = 0;  // the footing combination it came from, 1 for the first offered
};

constexpr Table<int, kListSize + 1> initialListOrder() {
  Table<int, kListSize + 1> order{};
  for (int i = 1; i <= kListSize; ++i) order[i] = kListSize + 1 - i;
  return order;
}

// Arrival numbers of the slots of an empty list: a slot never filled counts
// as offered before every set, the lower slots later, so that the empty
// slots are displaced in slot order and rank in the order of initialListOrder.
constexpr Table<int, kListSize + 1> initialListArrival() {
  Table<int, kListSize + 1> arrival{};
  for (int i = 1; i <= kListSize; ++i) arrival[i] = -i;
  return arrival;
}

// The slots 1..25 in heap order: the lowest empty slot is the weakest.
constexpr std::array<int, kListSize> initialListHeap() {
  std::array<int, kListSize> heap{};
  for (int i = 0; i < kListSize; ++i) heap[static_cast<size_t>(i)] = i + 1;
  return heap;
}

// The most severe design-load sets by integer key: ORDER(1..25) names the
// slots by descending KEY, equal keys in order of arrival; a slot never
// filled keeps key 0. While sets are offered, WEAKEST keeps the slots as a
// binary heap whose root is the slot the next entering set displaces (the
// smallest key, the latest arrival among equal keys), so that an entry moves
// a few heap places rather than every later set; ORDER is formed from KEY and
// ARRIVAL once the offers are over (finishRankedList).
template <typename Set>
struct RankedList {
  Table<int, kListSize + 1> KEY{};
  Table<int, kListSize + 1> ORDER = initialListOrder();
  Table<Set, kListSize + 1> SET{};
  Table<int, kListSize + 1> ARRIVAL = initialListArrival();
  std::array<int, kListSize> WEAKEST = initialListHeap();
  int ENTERED = 0;  // sets that have entered, numbering their arrivals
};

struct DesignLoadLists {
  // [column][end]: end 1 top, 2 bottom.
  Table<Table<RankedList<ColumnLoadSet>, 3>, kMaxColumns + 1> COL{};
  // Pile bents only: the same, keyed by the longitudinal shear.
  Table<Table<RankedList<ColumnLoadSet>, 3>, kMaxColumns + 1> PILE{};
  Table<RankedList<FootingLoadSet>, kMaxColumns + 1> FTG{};
  // Every set offered, in the order formed: the ranking lists keep the most
  // severe by magnitude for the listings, and the column and footing designs
  // check all of these, so that no set that governs is lost. Column bents
  // only for the column ends (a pile bent's tables rank the pile loads).
  Table<Table<std::vector<ColumnLoadSet>, 3>, kMaxColumns + 1> COLALL{};
  Table<std::vector<FootingLoadSet>, kMaxColumns + 1> FTGALL{};
  int NCLS = 0;  // column combinations offered
  int NFLS = 0;  // footing combinations offered
};

// The design-load record stores that the load-group stage writes for the
// cap, column and footing designs, sized for the largest accepted bent:
//  CAPREC: the parameter record, a column-line record per column and a point
//          record per bearing of every segment;
//  COLREC: the column count, then four records per end of every column;
//  FTGREC: the parameter record, then per footing its own record and one
//          record per kept design-load set.
inline constexpr int kCapRecordCapacity = 1 + kMaxColumns + kMaxBearings * kMaxSegments;
inline constexpr int kColumnRecordCapacity = 1 + 8 * kMaxColumns;
inline constexpr int kFootingRecordCapacity = 1 + kMaxColumns * (1 + kListSize);

struct DesignRecords {
  RecordStore CAPREC{kCapRecordLength, kCapRecordCapacity};
  RecordStore COLREC{kColumnRecordLength, kColumnRecordCapacity};
  RecordStore FTGREC{kFootingRecordLength, kFootingRecordCapacity};
};

// The cards of a problem as the program used them, kept when input ends:
// later stages change some of them in place (strengths to ksi).
struct InputCards {
  DesignData dd;
  ColumnSteel cs;
  Table<CapSegment, kMaxSegments + 1> cap{};
  Table<Column, kMaxColumns + 1> col{};
  Table<Footing, kMaxColumns + 1> ftg{};
  Table<SeismicForces, kMaxColumns + 1> seis{};
  WindLoads wind;
  MiscForces misc;
  LoadTable loads;
};

// The cards as read, before their defaults: the design data, column steel,
// cap, column and footing cards (the last three as the report echoes them).
struct CardsAsRead {
  DesignData dd;
  ColumnSteel cs;
  Table<CapSegment, kMaxSegments + 1> cap{};
  Table<Column, kMaxColumns + 1> col{};
  Table<Footing, kMaxColumns + 1> ftg{};
};

struct Problem {
  std::string PROBNO = "    ";
  std::string TITLE = std::string(72, ' ');

  DesignData dd;
  ColumnSteel cs;
  Table<CapSegment, kMaxSegments + 1> cap{};
  Table<Column, kMaxColumns + 1> col{};
  Table<Footing, kMaxColumns + 1> ftg{};
  Table<SeismicForces, kMaxColumns + 1> seis{};
  int PILECODE = 0;  // 1..4 standard pile, 5 special; 0 not a pile bent
  int BATTER = 0;    // 1 when any pile column is battered
  WindLoads wind;
  MiscForces misc;
  LoadTable loads;

  // Member properties.
  Table<CapProperties, kMaxSegments + 1> capp{};
  Table<ColumnProperties, kMaxColumns + 1> colp{};

  // Load cases.
  StoredCases stored;     // cases kept for the combinations
  CapEnvelopes env;       // cap results and envelopes
  DesignLoadLists lists;  // most severe sets per column end and footing

  // Load groups.
  DesignRecords rec;  // design-load records for the three design stages

  // What every stage found, for the report and the results document.
  CardsAsRead as_read;
  InputCards used;
  ProblemResults results;
};

}  // namespace bentpier
