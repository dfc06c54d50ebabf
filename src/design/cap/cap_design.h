// The cap design stage (PIER51): the main bars of both faces and the
// stirrups at every bearing point and column line of the cap store, by the
// service-load method or the load-factor method, deepening a section that
// does not pass at its given depth, and the "CAP DESIGN DATA" table.
#pragma once

#include <string>

#include "design/cap/cap_section.h"
#include "groups/design_records.h"
#include "input/problem.h"
#include "base/report.h"

namespace bentpier {

// The stage: reads CAPREC from its first record and prints the table and
// its closing notes. Does nothing when the store is empty.
void PIER51(Problem& problem, Report& report);

// A section that still fails after this many depth increments is given up
// at that point with its own report line (a zero increment, or a section
// that never passes, would otherwise deepen without end). With the usual
// 3 in increment this is 125 ft of added depth.
inline constexpr int kMaxDepthIncrements = 500;

// Cap data of the problem, in inches and psi, as the cap parameter record
// gives them.
struct CapDesignData {
  CapMaterials materials;
  float FC = 0;      // allowable concrete stress, psi
  float TOPCL = 0, BOTCL = 0;  // clear covers, in
  float DEPINC = 0;  // depth increment, in
  int MAXTOP = 0, MAXBOT = 0;  // main bars in one layer of each face
  float Z = 0;       // crack-control factor, pounds per inch
  int LINES = 0;     // report lines already used on the page
};

// Converts the parameter record (strengths in ksi, Z in kips per inch).
CapDesignData capDesignData(const CapParameterRecord& r);

// How the design of one point ended.
enum class CapPointStatus {
  kDesigned,
  kCannotDesign,    // no depth helps
  kDepthLimit,      // still failing after kMaxDepthIncrements increments
};

// Main steel of one face as printed: area, number of bars and their size
// (the main bar, or the minimum-steel bar on the compression face of a
// point designed for one face only).
struct CapFaceSteel {
  float AS = 0;
  int NBARS = 0;
  int size = 0;
};

// The design of one point.
struct CapPointDesign {
  CapPointStatus status = CapPointStatus::kCannotDesign;
  bool deepened = false;  // h differs from the depth of the record
  CapFaceSteel top, bottom;
  StirrupDesign left, right;
  float h = 0;    // total depth designed, in
  int IFC = 0;    // concrete stress, psi (service-load method)
  float PS = 0;   // steel ratio of the last face designed, percent
  float FS_FF = 0;  // fatigue ratio (load-factor method)
  float FS_FZ = 0;  // crack-control ratio (load-factor method)
  // Moment capacity of the section as designed, kip-ft: the design strength
  // (load-factor method) or the allowable moment (service-load method),
  // positive with the bottom bars in tension, negative with the top bars.
  float MCAP_POS = 0, MCAP_NEG = 0;
};

// Designs one point record. `st` holds the problem's constants (set with
// setCapConstants for the same METHOD); its section fields are overwritten.
CapPointDesign designCapPoint(CapDesignState& st, const CapDesignData& data,
                              const CapPointRecord& point, char METHOD);

// Report lines of the table. Each returns nothing; the page rule is kept by
// the stage.
void printCapDesignHeader(Report& report, char METHOD, char carriage);
void printCapDesignLine(Report& report, char METHOD, const CapPointResult& point);
void printCapCannotDesign(Report& report, const std::string& label);
void printCapDepthLimit(Report& report, const std::string& label,
                        float DEPINC);

// The design of a point as kept in the problem's results.
CapPointResult keptCapPoint(const CapPointRecord& point, const CapPointDesign& design,
                            const CapDesignData& data);

// The closing notes.
struct CapDesignNotes {
  bool crackControl = false;  // an FS/FZ above 1.0
  bool fatigue = false;       // an FS/FF above 1.0
  bool deepened = false;      // a point was deepened
};
void printCapDesignNotes(Report& report, char METHOD,
                         const CapDesignNotes& notes);

}  // namespace bentpier
