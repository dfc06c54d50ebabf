// Design of the bars of a column end: trial arrangements between the
// limits, the check of an arrangement against every load, and the search
// for the lightest arrangement that carries them all.
#include <algorithm>
#include <cmath>
#include <limits>
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
// A load whose load line, this part beyond the strength it needs, still
// lies within the moment strength at its own axial load is surely carried:
// the strength surface is star-shaped about the origin, and the margin is
// wider than the tolerances of the search along the line, which would find
// a factored ratio of at least the carry ratio.
constexpr float kSureMargin = 1.02f;

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
  // Room for the most bars any arrangement may hold: no trial allocates.
  s.bars.reserve(kMaxDesignBars);
  DesignOutcome out;
  RecentRejections rejecting;
  for (const Arrangement& a : candidates) {
    if (rebuild(s, lim, a) <= 0.0f) continue;
    const Check c = CHECK(s, loads, rejecting);
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

namespace {

// The steel area of n bars of a size evenly on the core circle when the
// arrangement lies within the limits and the bars are clear, else 0. The
// search ranks the arrangements by it without placing their bars.
float ringArea(const DesignLimits& lim, int n, int size, float bound) {
  const float as = LIMIT(lim, n, size, bound);
  if (as <= 0.0f) return 0.0f;
  const Bar bar = barOf(size);
  // A hollow column: the bar and its cover must stay clear of the void.
  if (lim.VOIDCORE > 0.0f && lim.CORE - lim.VOIDCORE < 2.0f * bar.diameter) return 0.0f;
  const float r = (lim.CORE - bar.diameter) / 2.0f;
  const float theta = kTwoPi / static_cast<float>(n);
  if (!(CLEAR(theta * r, bar.diameter, lim.CLR) >= 0.0f)) return 0.0f;
  return as;
}

// The same for nb bars on each B face and nd on each D face of a tied section.
float tiedArea(const DesignLimits& lim, int nb, int nd, int size, float bound) {
  if (nb < 2 || nd < 0) return 0.0f;
  const float as = LIMIT(lim, 2 * (nb + nd), size, bound);
  if (as <= 0.0f) return 0.0f;
  const Bar bar = barOf(size);
  const float sb = (lim.COREB - bar.diameter) / static_cast<float>(nb - 1);
  const float sd = (lim.CORED - bar.diameter) / static_cast<float>(nd + 1);
  if (!(CLEAR(sb, bar.diameter, lim.CLR) >= 0.0f &&
        CLEAR(sd, bar.diameter, lim.CLR) >= 0.0f))
    return 0.0f;
  return as;
}

}  // namespace

float REINS(SectionState& s, const DesignLimits& lim, int n, int size,
            float bound) {
  const float as = ringArea(lim, n, size, bound);
  if (as <= 0.0f) return 0.0f;
  const Bar bar = barOf(size);
  const float r = (lim.CORE - bar.diameter) / 2.0f;
  const float theta = kTwoPi / static_cast<float>(n);
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
  const float as = tiedArea(lim, nb, nd, size, bound);
  if (as <= 0.0f) return 0.0f;
  const Bar bar = barOf(size);
  const float sb = (lim.COREB - bar.diameter) / static_cast<float>(nb - 1);
  const float sd = (lim.CORED - bar.diameter) / static_cast<float>(nd + 1);
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

std::optional<bool> pointWithinStrength(const SectionState& s, const LoadResult& l, float m,
                                        float t, CurveSearch* search) {
  const std::optional<MomentPair> u = FUMXY(s, t * l.P, t * l.MX, t * l.MY, search);
  if (!u) return std::nullopt;
  return std::sqrt(u->MXU * u->MXU + u->MYU * u->MYU) >= t * m;
}

bool surelyCarried(const SectionState& s, const LoadResult& l) {
  if (!(l.P > 0.0f && l.FACTOR > 0.0f)) return false;
  const float m = std::sqrt(l.MX * l.MX + l.MY * l.MY);
  if (!(m > 0.0f)) return false;
  const float t = kSureMargin * kCarryRatio / l.FACTOR;
  if (!(t * l.P < s.P0)) return false;
  return pointWithinStrength(s, l, m, t).value_or(false);
}

namespace {

enum class Verdict { Passes, Fails, Unstable };

// The quick screen of one load, since most trial arrangements fail: a point
// of the load line a little short of the strength the load needs must lie
// within the moment strength at its own axial load. The strength surface is
// star-shaped about the origin, so when that point lies outside it, the
// strength along the line falls short as well.
Verdict screenLoad(const SectionState& s, const LoadResult& l) {
  if (!(l.P < s.P0)) return Verdict::Fails;
  const float m = std::sqrt(l.MX * l.MX + l.MY * l.MY);
  if (!(m > 0.0f)) return Verdict::Passes;
  const std::optional<bool> within =
      pointWithinStrength(s, l, m, kScreenMargin * kCarryRatio / l.FACTOR);
  if (!within) return Verdict::Unstable;
  return *within ? Verdict::Passes : Verdict::Fails;
}

// The measure itself: the factored capacity ratio along the load line,
// unless the load is surely carried.
Verdict lineLoad(const SectionState& s, int bending, LoadResult l, bool sureFirst) {
  if (sureFirst && surelyCarried(s, l)) return Verdict::Passes;
  if (!loadLineStrength(s, bending, l)) return Verdict::Unstable;
  return l.FACTOR * l.RATIO >= kCarryRatio ? Verdict::Passes : Verdict::Fails;
}

Verdict runTest(const SectionState& s, const LoadTable& loads, const LoadTest& test,
                bool sureFirst) {
  const LoadResult& l = loads.LOAD[test.load];
  return test.alongLine ? lineLoad(s, loads.BENDING, l, sureFirst) : screenLoad(s, l);
}

bool sameTest(const LoadTest& a, const LoadTest& b) {
  return a.load == b.load && a.alongLine == b.alongLine;
}

// A guess at the load whose screen turns down a light arrangement first: the
// largest sum of the load's part of P0 and of its moment's part of the
// balanced moments, for a search that has no rejection to go by yet. Any
// load may be tried first; the guess only saves the screens that pass.
int likeliestToFail(const SectionState& s, const LoadTable& loads) {
  auto part = [&](float m, int direction) {
    const InteractionCurve& curve = s.curve[direction];
    const float mb = std::fabs(direction == kAboutY ? curve.PT[2].S.MY : curve.PT[2].S.MX);
    return curve.built && mb > 0.0f ? m / mb : 0.0f;
  };
  int worst = 0;
  float most = -std::numeric_limits<float>::infinity();
  for (int i = 1; i <= loads.NLOAD; ++i) {
    const LoadResult& l = loads.LOAD[i];
    const float mx = part(std::fabs(l.MX), kAboutX), my = part(std::fabs(l.MY), kAboutY);
    const float demand = (l.P / s.P0 + std::sqrt(mx * mx + my * my)) / l.FACTOR;
    if (demand > most) {
      most = demand;
      worst = i;
    }
  }
  return worst;
}

Check checkArrangement(SectionState& s, const LoadTable& loads, RecentRejections& recent,
                       bool sureFirst) {
  if (!buildCurves(s, loads.BENDING)) return Check::Unstable;
  // The tests that turned down the latest arrangements first: when one fails
  // again, the arrangement fails whatever the order. When a search of one
  // does not close, the others run in the usual order, so that the verdict
  // is the one of that order; the tests known to pass are not repeated.
  std::array<LoadTest, RecentRejections::kKept> passed{};
  int npassed = 0;
  for (int k = 0; k < recent.count; ++k) {
    const LoadTest test = recent.tests[static_cast<size_t>(k)];
    if (test.load < 1 || test.load > loads.NLOAD) continue;
    const Verdict v = runTest(s, loads, test, sureFirst);
    if (v == Verdict::Fails) {
      recent.bringToFront(test);
      return Check::Fails;
    }
    if (v == Verdict::Unstable) break;
    passed[static_cast<size_t>(npassed++)] = test;
  }
  auto knownToPass = [&](const LoadTest& test) {
    for (int k = 0; k < npassed; ++k)
      if (sameTest(passed[static_cast<size_t>(k)], test)) return true;
    return false;
  };
  // Every load screened, then every load along its line.
  for (const bool alongLine : {false, true}) {
    for (int i = 1; i <= loads.NLOAD; ++i) {
      const LoadTest test{i, alongLine};
      if (knownToPass(test)) continue;
      switch (runTest(s, loads, test, sureFirst)) {
        case Verdict::Passes: break;
        case Verdict::Fails: recent.bringToFront(test); return Check::Fails;
        case Verdict::Unstable: return Check::Unstable;
      }
    }
  }
  return Check::Carries;
}

}  // namespace

Check CHECK(SectionState& s, const LoadTable& loads) {
  RecentRejections none;
  return checkArrangement(s, loads, none, /*sureFirst=*/false);
}

Check CHECK(SectionState& s, const LoadTable& loads, RecentRejections& recent) {
  if (recent.count == 0 && buildCurves(s, loads.BENDING)) {
    const int guess = likeliestToFail(s, loads);
    // The guess joins the tests tried first as if it had turned one down.
    if (guess > 0) recent.bringToFront({guess, false});
  }
  return checkArrangement(s, loads, recent, /*sureFirst=*/true);
}

void RecentRejections::bringToFront(const LoadTest& test) {
  int at = -1;
  for (int i = 0; i < count && at < 0; ++i)
    if (sameTest(tests[static_cast<size_t>(i)], test)) at = i;
  // A new test takes a free place, or that of the oldest.
  if (at < 0) at = count < kKept ? count++ : kKept - 1;
  for (int i = at; i > 0; --i) tests[static_cast<size_t>(i)] = tests[static_cast<size_t>(i - 1)];
  tests[0] = test;
}

DesignOutcome DESRS(SectionState& s, const DesignLimits& lim,
                    const LoadTable& loads) {
  const float bound = lim.ASMAX + kBoundMargin;
  std::vector<Arrangement> candidates;
  for (int n = lim.NMIN; n <= lim.NMAX; ++n) {
    for (int sz = lim.SZMIN; sz <= lim.SZMAX; ++sz) {
      const float as = ringArea(lim, n, sz, bound);
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
      const float as = tiedArea(lim, nb, nd, sz, bound);
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
