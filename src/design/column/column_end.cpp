// One column end: set up, design or investigate, and report.
#include "design/column/column_end.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

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

// The load-contour method can overstate the strength under biaxial
// bending. For an end that passes by it, every biaxial load is checked
// against the exact strength along its line; the least factored exact ratio
// below 0.99 is kept for a note.
//
// Only the least ratio is kept, so a load is first measured by the same
// search on a coarser cut of the concrete, closed to a looser tolerance: one
// whose estimate lies more than kExactEstimateMargin above the least so far
// cannot be the least, and is not searched on the full cut to the full
// tolerance. The estimate differs from the full search by under 3.3e-4 of
// the ratio over the loads of every bench and example deck, a sixtieth of
// the margin.
constexpr float kExactEstimateMargin = 0.02f;

float exactBiaxialShortfall(const SectionState& s, const LoadTable& loads, float passed) {
  if (!(passed >= kCarryRatio)) return 0.0f;
  float least = kCarryRatio;
  ExactBiaxialSection exact(s);
  for (int i = 1; i <= loads.NLOAD; ++i) {
    const LoadResult& l = loads.LOAD[i];
    if (!(l.MX > 0.0f && l.MY > 0.0f)) continue;
    // Several sets of an end often carry the same load.
    if (earlierSameLoad(loads, i, /*sameFactor=*/true)) continue;
    const std::optional<ExactStrength> first = exact.estimate(l.P, l.MX, l.MY);
    if (first && l.FACTOR * first->RATIO > (1.0f + kExactEstimateMargin) * least) continue;
    const std::optional<ExactStrength> e = exact.along(l.P, l.MX, l.MY);
    if (e) least = std::min(least, l.FACTOR * e->RATIO);
  }
  return least < kCarryRatio ? least : 0.0f;
}

// The interaction curves of both bending directions of the final section,
// for the results.
void keepCurves(SectionState& s, ColumnEndResult& result) {
  result.PHIB = s.PHIB;
  for (int dir : {kAboutX, kAboutY}) {
    if (!s.curve[dir].built && !FCPM(s, dir)) continue;
    ColumnEndResult::Curve& kept = result.INTERACTION[static_cast<size_t>(dir)];
    for (int k = 1; k <= 3; ++k)
      kept.POINT[static_cast<size_t>(k)] = characteristicPoint(s, dir, k);
    kept.SAMPLES = sampleInteraction(s, dir);
  }
}

// The least factored capacity ratio of the table's loads, their strengths
// already found with the arrangement in s.
float leastTableRatio(const LoadTable& loads) {
  float least = std::numeric_limits<float>::infinity();
  for (int i = 1; i <= loads.NLOAD; ++i)
    least = std::min(least, loads.LOAD[i].FACTOR * loads.LOAD[i].RATIO);
  return least;
}

enum class Reach { Governs, Added, Unstable, Full };

// A formed load whose factored ratio cannot be below `least`: the point of
// its load line at (1 + margin) x least / factor lies inside the strength at
// its own axial load, and the strength surface is star-shaped about the
// origin, so the ratio along the line is at least that. The margin is
// wider than the tolerances of the strength searches, so a load the screen
// passes over has a ratio the search along its line would find no smaller
// than `least`; only loads near or below it are searched along their lines.
constexpr float kGoverningScreenMargin = 0.02f;

enum class Screen { Stronger, Open, Unstable };

// The scale of a load's line at which it is screened.
float screenScale(const LoadResult& l, float least) {
  return (1.0f + kGoverningScreenMargin) * least / l.FACTOR;
}

Screen screenAgainst(const SectionState& s, CurveSearch& search, const LoadResult& l,
                     float least) {
  const float m = std::sqrt(l.MX * l.MX + l.MY * l.MY);
  if (!(m > 0.0f) || !std::isfinite(least)) return Screen::Open;
  const float t = screenScale(l, least);
  if (!(t * l.P < s.P0)) return Screen::Open;
  const std::optional<bool> within = pointWithinStrength(s, l, m, t, &search);
  if (!within) return Screen::Unstable;
  return *within ? Screen::Stronger : Screen::Open;
}

// The formed loads once each: several combinations often give one load,
// and the table's own loads are measured with it. Loads are the same when
// their four values compare equal (a zero of either sign is one zero).
struct LoadKey {
  std::array<float, 4> v;
  bool operator==(const LoadKey& o) const {
    return v[0] == o.v[0] && v[1] == o.v[1] && v[2] == o.v[2] && v[3] == o.v[3];
  }
};
// The keys seen, in open addressing: a slot holds the index of a key or
// none. Equal keys hash alike, since a zero of either sign is hashed as +0.
class LoadKeySet {
 public:
  explicit LoadKeySet(size_t most) {
    size_t size = 16;
    while (size < 2 * most) size *= 2;
    slots_.assign(size, kEmpty);
    keys_.reserve(most);
  }
  // False when an equal key is already in the set.
  bool insert(const LoadKey& k) {
    const size_t mask = slots_.size() - 1;
    for (size_t at = hash(k) & mask;; at = (at + 1) & mask) {
      if (slots_[at] == kEmpty) {
        slots_[at] = static_cast<uint32_t>(keys_.size());
        keys_.push_back(k);
        return true;
      }
      if (keys_[slots_[at]] == k) return false;
    }
  }

 private:
  static constexpr uint32_t kEmpty = ~0u;
  static size_t hash(const LoadKey& k) {
    uint64_t h = 0;
    for (float x : k.v) h = (h ^ std::bit_cast<uint32_t>(x + 0.0f)) * 0x9E3779B97F4A7C15ull;
    return static_cast<size_t>(h ^ (h >> 29));
  }
  std::vector<uint32_t> slots_;
  std::vector<LoadKey> keys_;
};

void dropRepeatedLoads(const LoadTable& loads, std::vector<LoadResult>& formed) {
  LoadKeySet seen(static_cast<size_t>(loads.NLOAD) + formed.size());
  for (int i = 1; i <= loads.NLOAD; ++i) {
    const LoadResult& l = loads.LOAD[i];
    seen.insert(LoadKey{{l.P, l.MX, l.MY, l.FACTOR}});
  }
  std::vector<LoadResult> kept;
  kept.reserve(formed.size());
  for (const LoadResult& l : formed)
    if (seen.insert(LoadKey{{l.P, l.MX, l.MY, l.FACTOR}})) kept.push_back(l);
  formed = std::move(kept);
}

// The formed loads that the screen at the table's least ratio finds
// stronger, screened in order of their screened axial loads, so that each
// moment search starts from the last. The least ratio only falls as the
// formed loads are measured, and a load stronger at a ratio is stronger at
// any smaller one (the strength surface is star-shaped about the origin),
// so these need no screen again. None when a screen does not close: the
// loads are then screened one by one in their own order.
std::vector<char> strongerAtTheStart(const SectionState& s, CurveSearch& search,
                                     const std::vector<LoadResult>& formed, float least) {
  // Each load's screened axial load, found once, as a key whose unsigned
  // order is the order of the load (a zero of either sign one zero), with
  // its place in the list below it: sorted, the order is that of a stable
  // sort on the load.
  auto orderable = [](float x) {
    const uint32_t bits = std::bit_cast<uint32_t>(x + 0.0f);
    return bits & 0x80000000u ? ~bits : bits | 0x80000000u;
  };
  std::vector<uint64_t> order(formed.size());
  for (size_t i = 0; i < order.size(); ++i) {
    const LoadResult& l = formed[i];
    const float screened = screenScale(l, least) * l.P;
    order[i] = static_cast<uint64_t>(orderable(screened)) << 32 | i;
  }
  std::sort(order.begin(), order.end());
  std::vector<char> stronger(formed.size(), 0);
  for (const uint64_t key : order) {
    const size_t i = static_cast<size_t>(key & 0xFFFFFFFFu);
    const Screen v = screenAgainst(s, search, formed[i], least);
    if (v == Screen::Unstable) return std::vector<char>(formed.size(), 0);
    stronger[i] = v == Screen::Stronger;
  }
  return stronger;
}

// Every formed load against the arrangement in s, whose strength for every
// load of the table is found (SUMRY): when one has a smaller factored ratio
// than every load of the table (a set the ranking dropped), the least of
// them joins the table, its strength with it. The table then holds the load
// that governs over all formed sets.
Reach addGoverningFormedLoad(const SectionState& s, LoadTable& loads, std::vector<LoadResult>& formed) {
  float least = leastTableRatio(loads);
  int worst = -1;
  CurveSearch search{sampleCurves(s), {}};
  const std::vector<char> stronger = strongerAtTheStart(s, search, formed, least);
  for (size_t i = 0; i < formed.size(); ++i) {
    if (stronger[i]) continue;
    LoadResult& l = formed[i];
    switch (screenAgainst(s, search, l, least)) {
      case Screen::Stronger: continue;
      case Screen::Unstable: return Reach::Unstable;
      case Screen::Open: break;
    }
    if (!loadLineStrength(s, loads.BENDING, l)) return Reach::Unstable;
    if (l.FACTOR * l.RATIO < least) {
      least = l.FACTOR * l.RATIO;
      worst = static_cast<int>(i);
    }
  }
  if (worst < 0) return Reach::Governs;
  if (loads.NLOAD >= kMaxTableLoads) return Reach::Full;
  loads.LOAD[++loads.NLOAD] = formed[static_cast<size_t>(worst)];
  return Reach::Added;
}

// The lightest arrangement that carries the table, the table growing by the
// governing formed load until the arrangement carries every formed load:
// each addition is a load the arrangement did not carry, so the arrangement
// found next is at least as heavy, and the last one carries them all.
DesignOutcome designForEveryFormedLoad(SectionState& s, const DesignLimits& lim, LoadTable& loads,
                                       std::vector<LoadResult>& formed) {
  for (;;) {
    DesignOutcome outcome =
        s.SECT == kTiedRectangle ? DESTT(s, lim, loads) : DESRS(s, lim, loads);
    if (outcome.unstable || !outcome.best) return outcome;
    if (!SUMRY(s, loads)) {
      outcome.unstable = true;
      return outcome;
    }
    const Reach reach = addGoverningFormedLoad(s, loads, formed);
    if (reach == Reach::Unstable || reach == Reach::Full) {
      outcome.unstable = true;
      return outcome;
    }
    if (reach == Reach::Governs) return outcome;
    const LoadResult& added = loads.LOAD[loads.NLOAD];
    if (added.FACTOR * added.RATIO >= kCarryRatio) return outcome;
  }
}

// The section for the drawings of the report (the curves drawn are the
// ones kept for the results).
void keepSection(const SectionState& s, int bending, ColumnEndResult& result) {
  result.VOID = s.VOID;
  result.P0 = s.P0;
  result.BENDING = bending;
  for (const BarPoint& b : s.bars) result.BARS.push_back({b.A, b.X, b.Y});
}

// The load contour of a biaxially loaded end at the axial strength of its
// governing load, on whose contour that load's strength lies.
constexpr int kContourSteps = 24;

void keepContour(SectionState& s, const LoadTable& loads, ColumnEndResult& result) {
  if (loads.BENDING != kAboutX + kAboutY || result.GOVERN < 1) return;
  for (int dir = 1; dir <= kDirections; ++dir)
    if (!s.curve[dir].built && !FCPM(s, dir)) return;
  result.CONTOUR_P = result.LOAD[result.GOVERN].PU;
  for (const MomentPair& m : loadContour(s, result.CONTOUR_P, kContourSteps))
    result.CONTOUR.push_back({m.MXU, m.MYU});
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

  std::vector<LoadResult> formed;
  setUpFormedLoads(in, setup, formed);
  dropRepeatedLoads(setup.loads, formed);
  if (setup.design) {
    const DesignOutcome outcome = designForEveryFormedLoad(s, setup.limits, setup.loads, formed);
    if (outcome.unstable || !outcome.best || outcome.best->AS > setup.limits.ASMAX) {
      result.status = kColumnNoDesign;
      return result;
    }
    // The strength of every load of the table is that of the arrangement found.
    result.AS = outcome.best->AS;
    designedFaces(s.SECT, *outcome.best, result);
  } else {
    result.status = REINF(in, setup, result.FACE);
    if (result.status != kColumnDone) return result;
    if (!INVST(s, setup.loads) || addGoverningFormedLoad(s, setup.loads, formed) == Reach::Unstable) {
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
  keepContour(s, setup.loads, result);
  keepCurves(s, result);
  result.status = kColumnDone;
  return result;
}

}  // namespace bentpier::column
