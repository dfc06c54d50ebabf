// One column end: set up, design or investigate, and report.
#include "design/column/column_end.h"

#include <algorithm>

#include "design/column/column_design.h"
#include "design/column/exact_biaxial.h"
#include "design/column/section_strength.h"

namespace bentpier::column {
namespace {

constexpr float kPercent = 100.0f;

void copyLoads(const LoadTable& loads, ColumnEndResult& result) {
  result.NLOAD = loads.NLOAD;
  result.LOAD = loads.LOAD;
}

// Faces of a designed arrangement.
void designedFaces(int sect, const Arrangement& a, ColumnEndResult& result) {
  result.FACE = {};
  if (sect == kTiedRectangle) {
    result.FACE[1] = result.FACE[2] = {a.NB, a.SZ};
    result.FACE[3] = result.FACE[4] = {a.ND, a.SZ};
  } else {
    result.FACE[1] = {a.NB, a.SZ};
  }
}

// Several sets of an end often carry the same load.
bool repeatsAnEarlierLoad(const LoadTable& loads, int i) {
  const LoadResult& l = loads.LOAD[i];
  for (int j = 1; j < i; ++j) {
    const LoadResult& k = loads.LOAD[j];
    if (k.P == l.P && k.MX == l.MX && k.MY == l.MY && k.FACTOR == l.FACTOR) return true;
  }
  return false;
}

// The load-contour method can overstate the strength under biaxial
// bending. For an end that passes by it, every biaxial load is checked
// against the exact strength along its line; the least factored exact ratio
// below 0.99 is kept for a note.
float exactBiaxialShortfall(const SectionState& s, const LoadTable& loads, float passed) {
  if (!(passed >= kCarryRatio)) return 0.0f;
  float least = kCarryRatio;
  for (int i = 1; i <= loads.NLOAD; ++i) {
    const LoadResult& l = loads.LOAD[i];
    if (!(l.MX > 0.0f && l.MY > 0.0f) || repeatsAnEarlierLoad(loads, i)) continue;
    const std::optional<ExactStrength> e = exactBiaxialStrength(s, l.P, l.MX, l.MY);
    if (e) least = std::min(least, l.FACTOR * e->RATIO);
  }
  return least < kCarryRatio ? least : 0.0f;
}

// The section and its curves for the drawings of the report.
constexpr int kCurveSamples = 48;

void keepSection(SectionState& s, int bending, ColumnEndResult& result) {
  result.VOID = s.VOID;
  result.P0 = s.P0;
  result.BENDING = bending;
  for (const BarPoint& b : s.bars) result.BARS.push_back({b.A, b.X, b.Y});
  for (const int dir : {kAboutX, kAboutY}) {
    if ((bending & dir) == 0) continue;
    if (!s.curve[dir].built && !FCPM(s, dir)) continue;
    result.CURVES[static_cast<size_t>(dir - 1)] = sampleCurve(s, dir, kCurveSamples);
  }
}

}  // namespace

ColumnEndResult PIER62(const ColumnEndData& in) {
  ColumnEndResult result;
  ColumnEndSetup setup;
  result.status = setUpSection(in, setup);
  if (result.status != kColumnDone) return result;
  SectionState& s = setup.section;
  result.PHIC = s.PHIC;
  result.status = setUpLoads(in, setup);
  copyLoads(setup.loads, result);
  if (result.status != kColumnDone) return result;

  if (setup.design) {
    const DesignOutcome outcome = s.SECT == kTiedRectangle
                                      ? DESTT(s, setup.limits, setup.loads)
                                      : DESRS(s, setup.limits, setup.loads);
    if (outcome.unstable || !outcome.best || outcome.best->AS > setup.limits.ASMAX) {
      result.status = kColumnNoDesign;
      return result;
    }
    if (!SUMRY(s, setup.loads)) {
      result.status = kColumnNoDesign;
      return result;
    }
    result.AS = outcome.best->AS;
    designedFaces(s.SECT, *outcome.best, result);
  } else {
    result.status = REINF(in, setup, result.FACE);
    if (result.status != kColumnDone) return result;
    if (!INVST(s, setup.loads)) {
      result.status = kColumnNoDesign;
      return result;
    }
    result.AS = s.AS;
  }
  result.PS = kPercent * result.AS / s.AG;
  copyLoads(setup.loads, result);
  REPRT(setup.loads, result);
  result.EXACT = exactBiaxialShortfall(s, setup.loads, result.PUPM);
  keepSection(s, setup.loads.BENDING, result);
  result.status = kColumnDone;
  return result;
}

}  // namespace bentpier::column
