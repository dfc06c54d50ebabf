// Design of the bars of a column end: trial arrangements between the
// limits, the check of an arrangement against every load, and the search
// for the lightest arrangement that carries them all.
#include <algorithm>
#include <cmath>
#include <vector>

#include "base/bar_table.h"
#include "design/column/column_design.h"
#include "design/column/section_strength.h"

namespace bentpier::column {
namespace {

// Bars must stand at least this many diameters apart, clear.
constexpr float kClearDiameters = 1.5f;
// The search bound starts this far above the largest area allowed.
constexpr float kBoundMargin = 0.01f;
// The screen of a trial arrangement tests the load line at this part of
// the strength a load needs, short enough of it that the tolerances of the
// searches cannot make the screen turn down an arrangement that the ratio
// along the line would pass.
constexpr float kScreenMargin = 0.97f;

// Re-places an arrangement found by the search.
float rebuild(SectionState& s, const DesignLimits& lim, const Arrangement& a) {
  return s.SECT == kTiedRectangle ? REINT(s, lim, a.NB, a.ND, a.SZ, a.AS + 1.0f)
                                  : REINS(s, lim, a.NB, a.SZ, a.AS + 1.0f);
}

// Tries the candidates lightest first, the earlier in search order among
// equal areas, until one carries every load. The search in nested-loop
// order that keeps an arrangement only when it is strictly lighter than the
// best so far ends on exactly this one, and every arrangement tried here it
// would have tried too.
DesignOutcome lightestCarrying(SectionState& s, const DesignLimits& lim,
                               const LoadTable& loads,
                               std::vector<Arrangement>& candidates) {
  std::stable_sort(candidates.begin(), candidates.end(),
                   [](const Arrangement& a, const Arrangement& b) { return a.AS < b.AS; });
  DesignOutcome out;
  for (const Arrangement& a : candidates) {
    if (rebuild(s, lim, a) <= 0.0f) continue;
    const Check c = CHECK(s, loads);
    if (c == Check::Unstable) {
      out.unstable = true;
      return out;
    }
    if (c == Check::Carries) {
      out.best = a;
      return out;
    }
  }
  return out;
}

}  // namespace

float LIMIT(const DesignLimits& lim, int count, int size, float bound) {
  if (count > kMaxDesignBars) return 0.0f;
  const float as = static_cast<float>(count) * barOf(size).area;
  if (as >= lim.ASMIN && as < bound) return as;
  return 0.0f;
}

float CLEAR(float spacing, float diameter, float clr) {
  const float c1 = spacing - diameter - clr;
  if (c1 < 0.0f) return c1;
  return spacing - diameter - kClearDiameters * diameter;
}

float REINS(SectionState& s, const DesignLimits& lim, int n, int size,
            float bound) {
  const float as = LIMIT(lim, n, size, bound);
  if (as <= 0.0f) return 0.0f;
  const Bar bar = barOf(size);
  // A hollow column: the bar and its cover must stay clear of the void.
  if (lim.VOIDCORE > 0.0f && lim.CORE - lim.VOIDCORE < 2.0f * bar.diameter) return 0.0f;
  const float r = (lim.CORE - bar.diameter) / 2.0f;
  const float theta = kTwoPi / static_cast<float>(n);
  if (!(CLEAR(theta * r, bar.diameter, lim.CLR) >= 0.0f)) return 0.0f;
  s.bars.clear();
  for (int i = 1; i <= n; ++i) {
    const float phi = static_cast<float>(i - 1) * theta;
    s.bars.push_back({bar.area, r * std::sin(phi), r * std::cos(phi), 0.0f});
  }
  COMPZ(s);
  return as;
}

float REINT(SectionState& s, const DesignLimits& lim, int nb, int nd, int size,
            float bound) {
  if (nb < 2 || nd < 0) return 0.0f;
  const float as = LIMIT(lim, 2 * (nb + nd), size, bound);
  if (as <= 0.0f) return 0.0f;
  const Bar bar = barOf(size);
  const float sb = (lim.COREB - bar.diameter) / static_cast<float>(nb - 1);
  const float sd = (lim.CORED - bar.diameter) / static_cast<float>(nd + 1);
  if (!(CLEAR(sb, bar.diameter, lim.CLR) >= 0.0f &&
        CLEAR(sd, bar.diameter, lim.CLR) >= 0.0f))
    return 0.0f;
  const float xb = (lim.COREB - bar.diameter) / 2.0f;
  const float yd = (lim.CORED - bar.diameter) / 2.0f;
  s.bars.clear();
  for (int i = 0; i < nb; ++i) {  // faces 1 and 2
    const float x = xb - static_cast<float>(i) * sb;
    s.bars.push_back({bar.area, x, yd, 0.0f});
    s.bars.push_back({bar.area, x, -yd, 0.0f});
  }
  for (int j = 1; j <= nd; ++j) {  // faces 3 and 4
    const float y = yd - static_cast<float>(j) * sd;
    s.bars.push_back({bar.area, xb, y, 0.0f});
    s.bars.push_back({bar.area, -xb, y, 0.0f});
  }
  COMPZ(s);
  return as;
}

bool buildCurves(SectionState& s, int bending) {
  for (int dir = 1; dir <= kDirections; ++dir) {
    const bool needed = bending == kAboutX + kAboutY || dir == bending;
    if (needed && !s.curve[dir].built && !FCPM(s, dir)) return false;
  }
  return true;
}

Check CHECK(SectionState& s, const LoadTable& loads) {
  if (!buildCurves(s, loads.BENDING)) return Check::Unstable;
  // A quick screen first, since most trial arrangements fail: a point of the
  // load line a little short of the strength the load needs must lie within
  // the moment strength at its own axial load. The strength surface is
  // star-shaped about the origin, so when that point lies outside it, the
  // strength along the line falls short as well.
  for (int i = 1; i <= loads.NLOAD; ++i) {
    const LoadResult& l = loads.LOAD[i];
    if (!(l.P < s.P0)) return Check::Fails;
    const float m = std::sqrt(l.MX * l.MX + l.MY * l.MY);
    if (!(m > 0.0f)) continue;
    const float t = kScreenMargin * kCarryRatio / l.FACTOR;
    const std::optional<MomentPair> u = FUMXY(s, t * l.P, t * l.MX, t * l.MY);
    if (!u) return Check::Unstable;
    if (!(std::sqrt(u->MXU * u->MXU + u->MYU * u->MYU) >= t * m)) return Check::Fails;
  }
  // The measure itself: the factored capacity ratio along the load line.
  for (int i = 1; i <= loads.NLOAD; ++i) {
    LoadResult l = loads.LOAD[i];
    if (!loadLineStrength(s, loads.BENDING, l)) return Check::Unstable;
    if (!(l.FACTOR * l.RATIO >= kCarryRatio)) return Check::Fails;
  }
  return Check::Carries;
}

DesignOutcome DESRS(SectionState& s, const DesignLimits& lim,
                    const LoadTable& loads) {
  const float bound = lim.ASMAX + kBoundMargin;
  std::vector<Arrangement> candidates;
  for (int n = lim.NMIN; n <= lim.NMAX; ++n) {
    for (int sz = lim.SZMIN; sz <= lim.SZMAX; ++sz) {
      const float as = REINS(s, lim, n, sz, bound);
      if (as > 0.0f) candidates.push_back({n, 0, sz, as});
    }
  }
  return lightestCarrying(s, lim, loads, candidates);
}

DesignOutcome DESTT(SectionState& s, const DesignLimits& lim,
                    const LoadTable& loads) {
  const float bound = lim.ASMAX + kBoundMargin;
  std::vector<Arrangement> candidates;
  auto tryFaces = [&](int nb, int nd) {
    for (int sz = lim.SZMIN; sz <= lim.SZMAX; ++sz) {
      const float as = REINT(s, lim, nb, nd, sz, bound);
      if (as > 0.0f) candidates.push_back({nb, nd, sz, as});
    }
  };
  if (lim.IPAT == 2) {
    for (int nd = lim.NDMIN; nd <= lim.NDMAX; ++nd)
      for (int nb = lim.NMIN; nb <= lim.NMAX; ++nb) tryFaces(nb, nd);
  } else {
    for (int nb = lim.NMIN; nb <= lim.NMAX; ++nb) tryFaces(nb, nb - 2);
  }
  return lightestCarrying(s, lim, loads, candidates);
}

}  // namespace bentpier::column
