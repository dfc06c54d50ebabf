// The steps of the design and investigation of one column end: setting up
// the section and its loads, building trial bar arrangements, checking them
// against every load, searching the lightest one that carries all, and the
// strength of every load along its load line.
#pragma once

#include <array>
#include <optional>

#include "design/column/column_end.h"
#include "design/column/section_state.h"
#include "design/column/section_strength.h"

namespace bentpier::column {

// A load carries when factor times strength reaches this part of it.
inline constexpr float kCarryRatio = 0.99f;
// Most bars a design arrangement may hold.
inline constexpr int kMaxDesignBars = 100;

// The loads of a column end as the section routines see them, with the
// strength found for each, and the bending code: 1 if any load bends about
// x (Mx), plus 2 if any bends about y (My).
struct LoadTable {
  int NLOAD = 0;
  std::array<LoadResult, kMaxTableLoads + 1> LOAD{};
  int BENDING = 0;
};

// Limits of the design search. Sizes are bar-table codes.
struct DesignLimits {
  float ASMIN = 0, ASMAX = 0;
  float CLR = 0;
  int NMIN = 0, NMAX = 0;    // bars on the circle, or on each B face
  int NDMIN = 0, NDMAX = 0;  // bars on each D face (tied, pattern 2)
  int SZMIN = 0, SZMAX = 0;
  int IPAT = 0;
  float CORE = 0;              // circle and spiral: diameter of the core
  float VOIDCORE = 0;          // hollow circle: the void and its cover, a diameter no bar may reach into
  float COREB = 0, CORED = 0;  // tied: core along B and along D
};

// A trial arrangement. Circle and spiral: NB bars on the circle. Tied: NB
// bars on each B face and ND on each D face.
struct Arrangement {
  int NB = 0, ND = 0, SZ = 0;
  float AS = 0;
};

// What the set-up of a column end gives the design or the investigation.
struct ColumnEndSetup {
  bool design = true;
  SectionState section;
  DesignLimits limits;
  LoadTable loads;
  // Investigation: the bar record with its defaults applied.
  float COVER = 0;
  std::array<float, kMaxFaces + 1> FACECOVER{};
};

// Section, materials, covers and limits from the option, section and bar
// records. Returns kColumnDone or kColumnInputError.
int setUpSection(const ColumnEndData& in, ColumnEndSetup& out);

// The load table: loads, allowable-stress factors, minimum eccentricities
// and the bending code. Returns kColumnDone, kColumnInputError or
// kColumnBadLoad.
int setUpLoads(const ColumnEndData& in, ColumnEndSetup& out);

// The formed sets of the end as loads, taken as the table's loads are.
// Returns kColumnDone, or kColumnBadLoad when one cannot be checked.
int setUpFormedLoads(const ColumnEndData& in, const ColumnEndSetup& setup,
                     std::vector<LoadResult>& formed);

// Allowable-stress factor of a load group.
float groupFactor(char group, char method, bool pileBent);

// Bar-table code of a bar size: 14 is code 12, anything above 14 code 13.
int barCode(int size);

// Steel area of count bars of a size when it lies within the limits
// (ASMIN <= As < bound, at most 100 bars), else 0.
float LIMIT(const DesignLimits& lim, int count, int size, float bound);

// Whether a bar of this diameter, with the cover on both its faces, fits in
// the wall of a hollow circular section (always, for a solid one).
bool fitsInWall(const SectionState& s, float cover, float diameter);

// Clearance of a bar spacing: negative when the clear distance is less than
// CLR or less than 1.5 bar diameters.
float CLEAR(float spacing, float diameter, float clr);

// Circle and spiral: n bars of one size evenly on the core circle, the first
// on the axis along D. Tied: nb bars on each B face, nd on each D face.
// Both return the steel area, or 0 when the arrangement is outside the
// limits or too tight; an accepted arrangement replaces the bars of s.
float REINS(SectionState& s, const DesignLimits& lim, int n, int size,
            float bound);
float REINT(SectionState& s, const DesignLimits& lim, int nb, int nd,
            int size, float bound);

// Interaction-curve points for the directions a bending code needs; false
// when a search does not close.
bool buildCurves(SectionState& s, int bending);

enum class Check { Carries, Fails, Unstable };

// Whether the arrangement in s carries every load: below P0, and with its
// allowable-stress factor times its capacity ratio along the load line (the
// ratio the report prints) at least 0.99.
Check CHECK(SectionState& s, const LoadTable& loads);

// Whether the point t x (P, MX, MY) of a load's line, of resultant moment m,
// lies within the moment strength at its own axial load t x P (the screens
// of the design and of the formed loads); no value when the moment search
// does not close.
std::optional<bool> pointWithinStrength(const SectionState& s, const LoadResult& l, float m,
                                        float t, CurveSearch* search = nullptr);

// Whether a compressive load is surely carried by the arrangement in s
// (curves built) without its ratio along the load line being found: a point
// of its line a little beyond the strength it needs lies within the moment
// strength at its own axial load. False says nothing.
bool surelyCarried(const SectionState& s, const LoadResult& l);

// One test of a load: its quick screen, or its ratio along the load line.
struct LoadTest {
  int load = 0;  // 0: none
  bool alongLine = false;
};
// The tests that turned down the latest trial arrangements of a search, the
// latest first: neighbouring arrangements mostly fail on the same loads.
struct RecentRejections {
  static constexpr int kKept = 4;
  std::array<LoadTest, kKept> tests{};
  int count = 0;
  // Puts a test that failed first, the others kept in order.
  void bringToFront(const LoadTest& test);
};
// The check that tries the recent rejections first and records the test
// that turns this arrangement down; a load surely carried passes without
// its ratio along the line. An arrangement carries only when every
// test passes, and it fails on any test that fails, so the verdict is the
// one of the usual order; a test whose search does not close sends the
// check back to that order.
Check CHECK(SectionState& s, const LoadTable& loads, RecentRejections& recent);

// Strength and capacity ratio of one load along its load line, for the
// bending code of the load table (curves built); false when a search did
// not close.
bool loadLineStrength(const SectionState& s, int bending, LoadResult& l);

// The lightest arrangement that carries every load (the first in search
// order among equal areas), left built in s; unstable when a strength
// search did not close.
struct DesignOutcome {
  bool unstable = false;
  std::optional<Arrangement> best;
};
DesignOutcome DESRS(SectionState& s, const DesignLimits& lim,
                    const LoadTable& loads);
DesignOutcome DESTT(SectionState& s, const DesignLimits& lim,
                    const LoadTable& loads);

// The first earlier load of the table with load i's axial load and moments
// (and factor, when asked), or 0: its strength along the line is load i's.
int earlierSameLoad(const LoadTable& loads, int i, bool sameFactor);

// Strength and capacity ratio of every load along its load line (a load
// repeating an earlier one takes its strength); false when a search did
// not close.
bool SUMRY(SectionState& s, LoadTable& loads);

// Investigation: builds the arrangement of the bar record. Returns
// kColumnDone or kColumnInputError; faces receives the face counts and codes.
int REINF(const ColumnEndData& in, ColumnEndSetup& setup,
          std::array<FaceBars, kMaxFaces + 1>& faces);

// Investigation: curve points and the strength of every load.
bool INVST(SectionState& s, LoadTable& loads);

// Fills the result from the loads: the governing load and its values.
void REPRT(const LoadTable& loads, ColumnEndResult& result);

}  // namespace bentpier::column
