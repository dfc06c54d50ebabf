// Footing design: the footing under each column, on soil (spread footing)
// or on a pile group, sized for its design-load sets, reinforced in both
// directions and reported.
//
// Units: plan dimensions, thickness and column sizes in feet; loads in
// kips, moments in kip-feet, soil pressures in ksf; depths, covers and bar
// spacings in inches; strengths in ksi. Per-foot design forces are kips
// (shear) or kip-feet (moment) per foot of section width.
//
// The stage reads, per problem, the footing design parameters, then per
// footing its geometry and its design-load sets (FootingStageInput). One
// FootingStrengths lives for the problem; one FootingDesign holds the
// working state of the footing in hand.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "base/report.h"
#include "groups/design_records.h"
#include "input/results.h"

namespace bentpier {

struct Problem;
class RecordStore;

// ---------------------------------------------------------------------------
// Input of the footing stage.

// The stage reads the footing design parameters, the footings and their
// design-load sets as the footing records hold them
// (FootingParameterRecord, FootingRecord, FootingLoadRecord).

// One footing: its record, and its design-load sets as read; fewer sets
// than NFLS when the sets ran out.
struct FootingData : FootingRecord {
  std::vector<FootingLoadRecord> sets;
};

// Everything the stage reads, in reading order. params is empty when the
// parameter record is missing; footings stops before the first footing
// whose record was missing or out of order.
struct FootingStageInput {
  std::optional<FootingParameterRecord> params;
  std::vector<FootingData> footings;
};

// ---------------------------------------------------------------------------
// Strengths and stresses of the problem (once FootingConstants). The
// material values are fixed for the problem; the working shear stresses
// VBK, VBS and VPK are set afresh for each load group's factors
// (setServiceStresses) while a footing is designed.

struct FootingStrengths {
  FootingParameterRecord p;
  char METHOD = 'L';  // 'S' service-load method, else load-factor
  char FTGOPT = ' ';  // 'D' design (the footing may grow), else investigation
  float SQFC = 0;     // sqrt(f'c), ksi
  float PHIFY = 0;    // steel stress of the moment capacity
  float RMINF = 0;    // minimum-steel index
  float RHOMAX = 0;   // largest steel ratio, load-factor method
  float FCALL = 0;    // allowable concrete stress (service-load method)
  float VBK = 0;      // beam-shear stress
  float VBS = 0;      // allowable beam-shear stress, group I (service)
  float VPK = 0;      // punching-shear stress
  bool serviceMethod() const { return METHOD == 'S'; }
  bool design() const { return FTGOPT == 'D'; }
};

FootingStrengths footingStrengths(const FootingParameterRecord& p, char METHOD, char FTGOPT);

// Group allowance factor of a set's group code.
float groupAllowanceFactor(char GR);

// Punching-shear stress for a column-side ratio BETA: load-factor method
// 0.85 min(4, 2 + 4/BETA) sqrt(f'c); service-load method with group factor
// GF: GF min(1.8, 0.8 + 2/BETA) sqrt(f'c).
float punchingStress(const FootingStrengths& k, float BETA, float GF);

// ---------------------------------------------------------------------------
// The footing state vector FST (elements 1..16) and the governing table.

inline constexpr int kFstP = 1;     // axial load
inline constexpr int kFstMT = 2;    // transverse moment
inline constexpr int kFstVT = 3;    // transverse shear
inline constexpr int kFstML = 4;    // longitudinal moment
inline constexpr int kFstVL = 5;    // longitudinal shear
inline constexpr int kFstP4 = 6;    // corner 4 pressure or pile load
inline constexpr int kFstP3 = 7;    // corner 3, the smallest
inline constexpr int kFstP2 = 8;    // corner 2
inline constexpr int kFstP1 = 9;    // corner 1, the largest
inline constexpr int kFstMTF = 10;  // transverse cantilever moment per foot
inline constexpr int kFstVBF = 11;  // transverse beam shear per foot
inline constexpr int kFstVPF = 12;  // punching shear per foot of perimeter
inline constexpr int kFstMLF = 13;  // longitudinal cantilever moment per foot
inline constexpr int kFstVLF = 14;  // longitudinal beam shear per foot
inline constexpr int kFstGF = 15;   // group allowance factor
inline constexpr int kFstFCOL = 16; // originating column
inline constexpr int kFstSize = 16;
using FootingState = std::array<float, kFstSize + 1>;  // element 0 unused

// Governing slots: 1 MAX.P1, 2 MAX.MT, 3 MAX.VT, 4 MAX.VP, 5 MAX.ML,
// 6 MAX.VL (largest of elements 9..14), 7 MAX.P3 (smallest element 7).
inline constexpr int kGovSlots = 7;
inline constexpr int kSlotP1 = 1, kSlotMT = 2, kSlotVT = 3, kSlotVP = 4;
inline constexpr int kSlotML = 5, kSlotVL = 6, kSlotP3 = 7;
inline constexpr float kGovLargestReset = -99999.9f;
inline constexpr float kGovSmallestReset = 99999.9f;

struct GoverningSlot {
  FootingState FST{};
  int set = 0;  // design-load set that put it there; 0 none yet
};

struct GoverningTable {
  std::array<GoverningSlot, kGovSlots + 1> slot{};  // slots 1..7
};

// The element a slot compares.
int governingElement(int slot);

void resetGoverning(GoverningTable& GOV);

// Offers the current state of set `set` to slot m: slots 1..6 keep the
// largest ratio FST(e)/GF, slot 7 the smallest; ties keep the earlier set.
void updateGoverning(GoverningTable& GOV, int m, const FootingState& FST,
                     int set);

// ---------------------------------------------------------------------------
// Section values and weights of the footing in hand.

struct FootingSection {
  float FAREA = 0;      // plan area
  float IB = 0, ID = 0; // second moments of the plan for bending along B, D
  float HB = 0, HD = 0; // half plan dimensions
  float H2 = 0;         // (thickness in inches)^2 for the cracking moment
  float D0 = 0;         // top of the section to the bottom bars' face, in
  float DS = 0, DSF = 0;  // effective depth, in and ft
  float PB1 = 0, PD1 = 0; // punching perimeter sides
  float BETA = 1;         // long over short perimeter side
  // Pile footings only.
  float HDS = 0;          // half the effective depth, ft
  float CLB = 0, CLD = 0;    // cantilevers beyond the column faces
  float CLBS = 0, CLDS = 0;  // cantilevers beyond the beam-shear sections
  float AB1 = 0, AD1 = 0, AB2 = 0, AD2 = 0;  // pile-row arms from the column faces
  float ZB1 = 0, ZB2 = 0, ZD1 = 0, ZD2 = 0;  // pile-group section moduli
  float F1 = 0, F2 = 0, F3 = 0, F4 = 0;      // pile fractions beyond the punching section
  float G1 = 0, G2 = 0, G3 = 0, G4 = 0;      // pile fractions beyond the beam-shear section
};

struct FootingWeight {
  float FWT = 0;  // footing concrete and soil over it, kips
  float FWQ = 0;  // the same as a pressure, ksf
};

// Load factors of the footing's own weight.
inline constexpr float kServiceWeightFactor = 1.0f;
inline constexpr float kFactoredWeightFactor = 1.3f;

// ---------------------------------------------------------------------------
// One footing in design.

struct FootingDesign {
  int counter = 0;  // footing number in the stage
  FootingData f;  // geometry as it grows; f.sets are the design-load sets
  float BMIN = 0, DMIN = 0;  // the plan as read, the smallest allowed
  float SOILP = 0;  // surcharge of the soil over the footing, ksf
  float CAREA = 0, BB2 = 0, DB2 = 0;
  FootingState FST{};
  GoverningTable GOV;
  FootingSection sec;
  FootingWeight wt;
  float PALL = 0;    // allowable soil pressure of the set in hand
  int current = 0;   // set in hand (1-based), for the failure load block
  bool stop = false; // the footing failed; the stage ends
  FootingOutcome outcome;  // what the design found, as kept and printed

  const FootingLoadRecord& set(int s) const { return f.sets[s - 1]; }
  int sets() const { return static_cast<int>(f.sets.size()); }
};

// Prepares a footing for design from its record: round and rotated columns,
// surcharge, column area; the governing table is reset.
FootingDesign prepareFooting(const FootingData& r, int counter,
                             const FootingStrengths& k);

// FST(1..5) := service or factored loads of set s.
void loadServiceLoads(FootingState& FST, const FootingLoadRecord& set);
void loadFactoredLoads(FootingState& FST, const FootingLoadRecord& set);

// FWT and FWQ for the load factor f.
FootingWeight footingWeight(const FootingDesign& fd, float f);

// ---------------------------------------------------------------------------
// Spread footings.

// Section values of the spread footing at its current B, D, T.
FootingSection spreadSection(const FootingData& f, float REBARCLR);

// How the soil pressure was found.
enum class SoilContact {
  kFull,        // no corner lifts
  kPartial,     // corner pressures of the no-tension solution
  kOutside,     // resultant outside the plan (or no net downward load):
                // FST holds the full-contact pressures
  kUnresolved,  // the partial-contact passes did not settle
};

// Corner soil pressures FST(6..9) of FST(1..5) on the section with the
// weight FWT, the footing partly lifted where a corner would pull.
SoilContact soilPressure(FootingState& FST, const FootingSection& sec,
                         float T, float FWT);

// Per-foot design forces FST(10..14) of a spread footing from its corner
// pressures.
void spreadDesignForces(FootingState& FST, const FootingDesign& fd);

// Designs or checks a spread footing through all its sets, then prints
// its tables. Sets fd.stop on failure.
void designSpreadFooting(FootingDesign& fd, FootingStrengths& k, Report& rep);

// ---------------------------------------------------------------------------
// Pile footings.

// Pile-group section at NP, BP, DP, T; in design the plan follows from
// the pile spacing (never below BMIN, DMIN).
void pileSection(FootingDesign& fd, const FootingStrengths& k);

// Pile loads of the group under FST(1..5): mean load and the base moments.
struct PileGroupLoads {
  float PILAVG = 0, MLB = 0, MTB = 0;
};
PileGroupLoads pileLoads(FootingState& FST, const FootingDesign& fd);

// Per-foot design forces FST(10..14) of a pile footing.
void pileDesignForces(FootingState& FST, const FootingDesign& fd);

void designPileFooting(FootingDesign& fd, FootingStrengths& k, Report& rep);

// ---------------------------------------------------------------------------
// Reinforcement, capacities and results.

struct SectionCapacity {
  float MCAP = 0;   // moment per foot
  float VBCAP = 0;  // beam shear per foot
  float VPCAP = 0;  // punching shear per foot of perimeter
};

// Capacities per foot of a section of effective depth DS (in) with steel
// AST (in^2 per foot).
SectionCapacity sectionCapacities(const FootingStrengths& k, float DS,
                                  float AST);

// Bars for the steel AS (in^2/ft) across a width of W feet.
struct BarChoice {
  int NBAR = 0;
  int BSIZE = 0;
  float SPAC = 0;  // in
};
BarChoice chooseBars(float AS, float W);

// Required steel per foot for the moment M (kip-ft/ft) at effective depth
// DS (in) and overall depth term H2: load-factor method with the minimum
// steel rule, or working stress (FCS the concrete stress).
float strengthSteel(const FootingStrengths& k, float M, float DS, float H2);
struct WorkingStressSteel {
  float AS = 0, FCS = 0;
};
WorkingStressSteel workingStressSteel(const FootingStrengths& k, float M,
                                      float DS);

// The design of one direction: one line of the results block.
struct DirectionSteel {
  float AS = 0;
  int NBAR = 0, BSIZE = 0;
  float SPAC = 0, MCAP = 0, VBCAP = 0, VPCAP = 0;
  float DS = 0;  // effective depth used, in
  float FCS = 0; // concrete stress, service-load method
};

// Bottom steel of one direction for the moment M per foot across W feet,
// its layer's bar face D0 inches below the top. DSin is the effective depth
// in hand, reported unchanged when M is not positive.
DirectionSteel designDirection(const FootingStrengths& k, float M, float W,
                               float D0, float H2, float DSin);

// Both directions from the governing slots: first the one with the larger
// moment, in the lower layer.
struct FootingSteel {
  DirectionSteel top, bottom;  // report lines 1 and 2
  const char* topLabel = "LONG";
  const char* bottomLabel = "TRAN";
};
FootingSteel reinforceFooting(FootingDesign& fd, FootingStrengths& k);

// Thickness check of the state F on the section: capacities with the trial
// steel at the effective depth the section assumes against F's per-foot
// design forces.
bool thicknessSuffices(FootingStrengths& k, const FootingSection& sec,
                       const FootingState& F, float GF);

// Allowable stresses of the service-load method raised by the group factors
// of the governing moment (GFM) and shear (GFV).
void setServiceStresses(FootingStrengths& k, float GFM, float GFV);

inline constexpr int kMaxThicknessSteps = 50;

// Thickens the footing by DEL.T until the thickness check of F passes
// under group factor GF, calling `resection` after each step to bring the
// section (and, where the caller keeps them current, F's design forces) up
// to the new thickness. Returns the number of steps taken, or -1 when the
// step limit is reached first.
template <typename Resection>
int thickenUntilSufficient(FootingDesign& fd, FootingStrengths& k,
                           const FootingState& F, float GF,
                           Resection resection) {
  if (k.serviceMethod()) setServiceStresses(k, GF, GF);
  int steps = 0;
  while (!thicknessSuffices(k, fd.sec, F, GF)) {
    if (++steps > kMaxThicknessSteps) return -1;
    fd.f.T += fd.f.DEL_T;
    resection();
  }
  return steps;
}

// The same for every filled governing slot from MAX.MT to MAX.VL, each
// under its own group factor; `resection(FST)` brings the section and the
// slot's state FST up to a new thickness. The steps taken, or -1.
template <typename Resection>
int thickenForGoverningSlots(FootingDesign& fd, FootingStrengths& k,
                             Resection resection) {
  int steps = 0;
  for (int m = kSlotMT; m <= kSlotVL; ++m) {
    GoverningSlot& slot = fd.GOV.slot[m];
    if (slot.set == 0) continue;
    const int n = thickenUntilSufficient(fd, k, slot.FST, slot.FST[kFstGF],
                                         [&] { resection(slot.FST); });
    if (n < 0) return -1;
    steps += n;
  }
  return steps;
}

// The governing slot whose force the chosen bars do not carry at their own
// effective depths (the lower layer on the cover, the upper one on the
// lower bars), with the capacities of its direction; 0 when they carry
// every one.
int slotBeyondSteel(const FootingDesign& fd, FootingStrengths& k,
                    const FootingSteel& steel);

// ---------------------------------------------------------------------------
// Report.

// Keeps the governing slots as the footing's design-load lines and prints
// "FOOTING n DESIGN LOADS" from them.
void printDesignLoads(Report& rep, FootingDesign& fd);
FootingSetId footingSetId(const FootingLoadRecord& set);
// After the results block: keeps the corner pressures or pile loads of
// every set under its service loads on the footing as designed, the pile
// count and spacing, and every check with its value and limit.
void keepFootingFindings(FootingDesign& fd, const FootingStrengths& k,
                         const FootingSteel& steel);
// Keeps the results of the footing in fd.outcome and prints the results
// block from them.
void printResults(Report& rep, FootingDesign& fd,
                  const FootingSteel& steel, float allowable);
void printLoadBlock(Report& rep, const FootingDesign& fd);
// Prints the failure message line, the load block, and stops the stage.
void failFooting(Report& rep, FootingDesign& fd, const Line& message);
Line havingTrouble(int counter);
void printRotationNote(Report& rep);

// ---------------------------------------------------------------------------
// The stage.

// Designs every footing of the stage input.
// The outcome of every footing reached is appended to `kept` when given.
void designFootings(const FootingStageInput& in, char METHOD, char FTGOPT,
                    Report& rep, std::vector<FootingOutcome>* kept = nullptr);

// The stage input as the footing record store holds it.
FootingStageInput readFootingStore(const RecordStore& FTGREC);

// The footing design stage of a problem (FTGOPT "D" or "I"), from the
// footing record store written by the load-group stage.
void PIER71(Problem& problem, Report& report);

// Safety limits on loops that a sound footing never reaches; reaching one
// fails the footing with "HAVING TROUBLE WITH FOOTING".
//  - evaluations of one set (each plan enlargement and each thickened
//    repeat of the set starts one);
inline constexpr int kMaxSetEvaluations = 2000;
//  - passes of a pile footing with both more piles and more thickness.
inline constexpr int kMaxPilePasses = 30;

}  // namespace bentpier
