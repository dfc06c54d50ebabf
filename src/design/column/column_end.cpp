// One column end: set up, design or investigate, and report.
#include "design/column/column_end.h"

#include "design/column/column_design.h"

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
  result.status = kColumnDone;
  return result;
}

}  // namespace bentpier::column
