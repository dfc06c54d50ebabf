// Strength of every load of a column end along its load line, and the
// governing load.
#include <cmath>
#include <limits>

#include "design/column/column_design.h"
#include "design/column/section_strength.h"

namespace bentpier::column {

bool loadLineStrength(const SectionState& s, int bending, LoadResult& l) {
  if (bending == kAboutX || bending == kAboutY) {
    // Bending in one direction: the strength at the load's eccentricity.
    const float m = bending == kAboutX ? l.MX : l.MY;
    const std::optional<Strength> r = FINDE(s, bending, l.P, m);
    if (!r) return false;
    const float mu = bending == kAboutX ? r->MX : r->MY;
    l.PU = r->P;
    l.MXU = r->MX;
    l.MYU = r->MY;
    l.RATIO = std::sqrt(r->P * r->P + mu * mu) / std::sqrt(l.P * l.P + m * m);
    return true;
  }
  const std::optional<LoadLineStrength> r = FBBUC(s, l.P, l.MX, l.MY);
  if (!r) return false;
  l.PU = r->PU;
  l.MXU = r->MXU;
  l.MYU = r->MYU;
  l.RATIO = r->RATIO;
  return true;
}

int earlierSameLoad(const LoadTable& loads, int i, bool sameFactor) {
  const LoadResult& l = loads.LOAD[i];
  for (int j = 1; j < i; ++j) {
    const LoadResult& k = loads.LOAD[j];
    if (k.P == l.P && k.MX == l.MX && k.MY == l.MY && (!sameFactor || k.FACTOR == l.FACTOR))
      return j;
  }
  return 0;
}

bool SUMRY(SectionState& s, LoadTable& loads) {
  if (!buildCurves(s, loads.BENDING)) return false;
  for (int i = 1; i <= loads.NLOAD; ++i) {
    LoadResult& l = loads.LOAD[i];
    if (const int j = earlierSameLoad(loads, i, /*sameFactor=*/false)) {
      const LoadResult& k = loads.LOAD[j];
      l.PU = k.PU;
      l.MXU = k.MXU;
      l.MYU = k.MYU;
      l.RATIO = k.RATIO;
      continue;
    }
    if (!loadLineStrength(s, loads.BENDING, l)) return false;
  }
  return true;
}

void REPRT(const LoadTable& loads, ColumnEndResult& result) {
  // The smallest factored ratio governs, the first on ties. Any load can
  // govern, however strong the section.
  float least = std::numeric_limits<float>::infinity();
  int govern = loads.NLOAD > 0 ? 1 : 0;
  for (int i = 1; i <= loads.NLOAD; ++i) {
    const LoadResult& l = loads.LOAD[i];
    const float r = l.FACTOR * l.RATIO;
    if (r < least) {
      least = r;
      govern = i;
    }
  }
  result.GOVERN = govern;
  if (govern == 0) return;
  const LoadResult& g = loads.LOAD[govern];
  result.PM = g.P;
  result.MTM = g.MX;
  result.MLM = g.MY;
  result.PU = g.FACTOR * g.PU;
  result.MTU = g.FACTOR * g.MXU;
  result.MLU = g.FACTOR * g.MYU;
  result.PUPM = g.FACTOR * g.RATIO;
}

}  // namespace bentpier::column
