// Member properties of the bent: stiffnesses, carry-overs and fixed-end
// moments of the cap segments and columns, the slenderness data of the
// columns, and the joint factors that the frame analysis distributes with.
#pragma once

#include "input/problem.h"
#include "base/report.h"

namespace bentpier {

// The member-property stage: cap spans and cantilevers, columns, joint
// factors, and the property tables when IP is "P".
void PIER21(Problem& problem, Report& report);

// Cap span k (2..NCOL): stiffness, carry-over, fixed-end moments and the
// self-weight values at its bearings; prismatic or haunched by its code C.
void capSpanProperties(Problem& problem, int k);

// Cantilever routine: side -1 is the left cantilever (segment 1), +1 the
// right one (segment NCOL+1). Self-weight values at the bearings, total
// weight RW and its moment FMWT about the column.
void cantileverProperties(Problem& problem, int side);

// Stiffness, carry-overs, sway moments, weight and weight moments of
// column c (circular, rectangular or tapered).
void columnStiffness(Problem& problem, int c);

// Section routine: radii of gyration, rigidities and minimum eccentricities
// of one column section (depth and width in feet) with its bar group.
struct SectionProperties {
  float radiusT = 0, radiusL = 0;          // inches
  float rigidityT = 0, rigidityL = 0;      // kip-in^2
  float eminT = 0, eminL = 0;              // feet
};
SectionProperties columnSection(const Problem& problem, int c, float depth, float width,
                                int group);

// Effective-length routine: factors for the braced and the unbraced
// (sway) column from the end-restraint factors at top and bottom.
struct EffectiveLength {
  float braced = 0;
  float unbraced = 0;
};
EffectiveLength effectiveLengthFactors(float psiTop, float psiBottom);

// The sway alignment-chart factor for end restraints (psiA, psiB): the
// search of the effective-length routine (one pass).
float swayLengthFactor(float psiA, float psiB);

// Slenderness of column c: radii, rigidities, end restraints, kl/r and
// critical loads (only asked for when a column option is given).
void columnSlenderness(Problem& problem, int c);

// Joint factors of the whole bent: modified stiffnesses and carry-overs,
// distribution and transfer factors, PDF and XC.
void jointFactors(Problem& problem);

// The "MEMBER PROPERTIES" and "CAP PROPERTIES" tables.
void printMemberProperties(const Problem& problem, Report& report);
void printCapProperties(const Problem& problem, Report& report);

}  // namespace bentpier
