// The load-group stage: the cap envelopes made design values for the
// design method, the "CAP ANALYSIS AND DESIGN DATA" report, and the design-
// load records of the cap, column and footing designs.
#pragma once

#include <array>
#include <vector>

#include "groups/design_records.h"
#include "input/problem.h"
#include "base/report.h"

namespace bentpier {

// Group load factor of the load-factor method.
inline constexpr float kGroupLoadFactor = 1.3f;
// Allowable overstress of groups II and III in the service-load method; the
// group II and III moments are divided by it before they meet group I.
inline constexpr float kServiceOverstress = 1.25f;
// Group VI (group III with the temperature and shrinkage of the cap): its
// load factor in the load-factor method and its allowable overstress in the
// service-load method.
inline constexpr float kGroupSixLoadFactor = 1.25f;
inline constexpr float kGroupSixOverstress = 1.4f;
// The report lines of "CAP MOMENTS AND SHEARS" are counted from this value
// after the heading; a new page is started when the count reaches the limit.
inline constexpr int kCapTableFirstLine = 6;
inline constexpr int kCapTableLineLimit = 31;

// The two values of the design method.
struct MethodValues {
  float GAMMA = 1.0f;    // group load factor: 1.3 under "L", else 1.0
  float divisor = 1.0f;  // overstress divisor: 1.25 under "S", else 1.0
  float groupSixGamma = 1.0f;    // group VI load factor: 1.25 under "L", else 1.0
  float groupSixDivisor = 1.0f;  // group VI overstress divisor: 1.4 under "S", else 1.0
};
MethodValues methodValues(char method);

// The stage: strengths to ksi, envelopes scaled for the method, the cap
// report and the three record stores.
void PIER41(Problem& problem, Report& report);

// F'C, FC, FY and FS from psi to ksi, in place.
void convertStrengthsToKsi(Problem& p);

// Load-factor method: the group envelopes of X (slots 1..20) and CP (slots
// 1..13) times 1.3, and the group III moments of the cantilever points
// replaced by envelope B times GAMMA; the group VI envelopes times its own
// factor, those of the cantilever points likewise replaced.
void scaleCapEnvelopes(Problem& p, const MethodValues& method);

// Whether the bent has a cap to report: more than one column or a cantilever.
bool hasCapReport(const Problem& p);

// Prints "CAP MOMENTS AND SHEARS", making the group III replacements of the
// cantilever column lines on the way, and returns the report line count
// left at its end and the number of bearing points listed.
struct CapTableEnd {
  int lines = 0;
  int points = 0;
};
CapTableEnd printCapMomentsTable(Problem& p, Report& report, const MethodValues& method);

// Cap store: the parameter record and the point and column-line records.
void writeCapRecords(Problem& p, const CapTableEnd& table, const MethodValues& method);

// Column store. The bar records of both ends of column c are built by
// columnBarRecords from the column's bar groups; the result is indexed by
// end, 1 top and 2 bottom.
std::array<ColumnBarRecord, 3> columnBarRecords(const Column& column, char colopt, int rmode,
                                                float clear);
void writeColumnRecords(Problem& p);

// Footing store. A set kept in the footing list of `column` at ranking
// position `position` (1 = largest key).
struct FootingSetRef {
  int column = 0;
  int position = 0;
};
// The footing whose design footing c shares: c itself when it is designed
// by itself, otherwise the end of its chain of "same as" references.
int designedFooting(const Problem& p, int c);
// The design-load sets of designed footing c: its own sets merged by key
// with those of every later footing designed with it, nfls entries.
std::vector<FootingSetRef> mergedFootingSets(const Problem& p, int c, int nfls);
void writeFootingRecords(Problem& p);

}  // namespace bentpier
