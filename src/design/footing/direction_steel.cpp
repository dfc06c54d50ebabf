// Bottom reinforcement of a footing in one direction: the steel for the
// governing moment per foot, the bars across the width, and the capacities
// they give.
#include <algorithm>
#include <cmath>

#include "base/bar_table.h"
#include "design/footing/footing.h"

namespace bentpier {
namespace {

constexpr int kSmallestFootingBar = 4;
constexpr int kLargestFootingBar = 11;
constexpr float kMaxBarSpacing = 18.0f;     // inches
constexpr float kSpacingStep = 0.125f;      // spacings are set to 1/8 in
constexpr float kFirstHalfDiameter = 0.375f;  // half bar diameter assumed first
// The minimum steel of the load-factor method need not exceed 4/3 of the
// steel the moment requires.
constexpr float kMinSteelCap = 1.333333f;
// Newton steps for the neutral axis of the working-stress cubic, and the
// correction below which it has settled (inches).
constexpr int kMaxFootingNeutralAxisSteps = 50;
constexpr float kNeutralAxisTolerance = 0.01f;
constexpr float kFirstNeutralAxisRatio = 0.375f;
// Passes of the bar-depth loop (the bar size only grows from pass to pass,
// so a handful suffice).
constexpr int kMaxBarDepthPasses = 20;
// Bar counts beyond this are not a footing layer.
constexpr float kMostBars = 100000.0f;

int wholeBars(float x) {
  const float n = std::ceil(x);
  if (!(n > 0.0f)) return 0;
  return static_cast<int>(std::min(n, kMostBars));
}

// Steel for the moment in a strip 12 in wide: the rectangular-block
// solution As = 0.85 f'c b d (1 - sqrt(1 - 2 Mu / (0.9 0.85 f'c b d^2))) / fy,
// written with 0.85^2 = 0.7225. A moment beyond the strip's largest (the
// root turns negative) gets the steel at that largest moment.
float blockSteel(const FootingStrengths& k, float DS, float term) {
  const float root = std::sqrt(std::max(0.0f, 0.7225f - term));
  return k.p.FPC * DS * (0.85f - root) * 12.0f / k.p.FY;
}

}  // namespace

float strengthSteel(const FootingStrengths& k, float M, float DS, float H2) {
  if (!(k.p.FPC > 0.0f) || !(k.p.FY > 0.0f) || !(DS > 0.0f)) return 0.0f;
  const float AS =
      blockSteel(k, DS, 1.7f * (12.0f * M) / (DS * DS * k.p.FPC * 12.0f * 0.9f));
  // Steel for 1.2 times the cracking moment, but never more than 4/3 of
  // the steel the moment needs.
  const float ACR = blockSteel(k, DS, 1.7f * H2 * k.RMINF / (DS * DS));
  return std::max(AS, std::min(ACR, kMinSteelCap * AS));
}

WorkingStressSteel workingStressSteel(const FootingStrengths& k, float M,
                                      float DS) {
  WorkingStressSteel w;
  const float fs = k.PHIFY;
  const float nM = k.p.N * M;
  if (!(fs > 0.0f) || !(nM > 0.0f) || !(DS > 0.0f)) return w;
  // Neutral-axis depth x of the cracked strip with the steel at fs:
  // 6 x^2 fs (DS - x/3) = 12 n M (DS - x). The cubic falls steadily on
  // (0, DS), positive at 0 and negative at DS: one root there.
  auto f = [&](float x) {
    return 2.0f * fs * x * x * x - 6.0f * fs * DS * x * x - 12.0f * nM * x +
           12.0f * nM * DS;
  };
  auto slope = [&](float x) {
    return 6.0f * fs * x * x - 12.0f * fs * DS * x - 12.0f * nM;
  };
  float x = kFirstNeutralAxisRatio * DS;
  bool settled = false;
  for (int step = 0; step < kMaxFootingNeutralAxisSteps; ++step) {
    const float dx = f(x) / slope(x);
    if (!std::isfinite(dx)) break;
    x -= dx;
    if (std::fabs(dx) <= kNeutralAxisTolerance) {
      settled = x > 0.0f && x < DS;
      break;
    }
  }
  if (!settled) {
    // Bisection on the bracket (0, DS) never fails.
    float lo = 0.0f, hi = DS;
    for (int step = 0; step < 60; ++step) {
      const float mid = 0.5f * (lo + hi);
      (f(mid) > 0.0f ? lo : hi) = mid;
    }
    x = 0.5f * (lo + hi);
  }
  const float jd = DS - x / 3.0f;
  w.FCS = 24.0f * M / (jd * x * 12.0f);
  w.AS = 12.0f * M / (jd * fs);
  return w;
}

BarChoice chooseBars(float AS, float W) {
  BarChoice c;
  if (!(AS > 0.0f) || !(W > 0.0f)) return c;
  const float Wi = 12.0f * W;
  for (int s = kSmallestFootingBar; s <= kLargestFootingBar; ++s) {
    c.BSIZE = s;
    c.NBAR = wholeBars(AS * W / barOf(s).area);
    // A single bar spaces out over the whole width.
    c.SPAC = c.NBAR >= 1 ? Wi / static_cast<float>(c.NBAR) : 0.0f;
    c.SPAC = std::round(c.SPAC / kSpacingStep) * kSpacingStep;
    if (c.SPAC > kMaxBarSpacing) {
      // Few bars: the count the largest spacing asks for, Wi/18 + 0.5
      // rounded to the nearest whole number (a width of a whole number
      // of 18-in spaces gets one bar more), this size.
      c.NBAR = static_cast<int>(
          std::min(std::round(Wi / kMaxBarSpacing + 0.5f), kMostBars));
      c.SPAC = Wi / static_cast<float>(c.NBAR);
      return c;
    }
    if (c.SPAC >= static_cast<float>(s)) return c;
  }
  return c;  // the largest size, whatever its spacing
}

DirectionSteel designDirection(const FootingStrengths& k, float M, float W,
                               float D0, float H2, float DSin) {
  DirectionSteel d;
  d.DS = DSin;
  if (!(M > 0.0f) || !(W > 0.0f)) return d;

  // One trial with the bars' half diameter h: depth, steel, bars.
  auto trial = [&](float h) {
    DirectionSteel t;
    t.DS = D0 - h;
    if (!(t.DS > 0.0f)) return t;  // no depth for bars: nothing is placed
    if (k.serviceMethod()) {
      const WorkingStressSteel w = workingStressSteel(k, M, t.DS);
      t.AS = w.AS;
      t.FCS = w.FCS;
    } else {
      t.AS = strengthSteel(k, M, t.DS, H2);
    }
    const BarChoice bars = chooseBars(t.AS, W);
    t.NBAR = bars.NBAR;
    t.BSIZE = bars.BSIZE;
    t.SPAC = bars.SPAC;
    return t;
  };

  // The depth follows the bar and the bar the depth; repeat until the bar
  // keeps its size. Should it not settle, take the deepest-set bar seen,
  // which understates the depth of any smaller bar.
  float h = kFirstHalfDiameter;
  float deepest = h;
  bool settled = false;
  for (int pass = 0; pass < kMaxBarDepthPasses; ++pass) {
    d = trial(h);
    if (d.BSIZE == 0) break;
    const float hNext = barOf(d.BSIZE).diameter / 2.0f;
    if (hNext == h) {
      settled = true;
      break;
    }
    h = hNext;
    deepest = std::max(deepest, h);
  }
  if (!settled && d.BSIZE != 0) d = trial(deepest);
  if (d.BSIZE == 0) {
    const float DS = d.DS;
    d = DirectionSteel{};
    d.DS = DS;
    return d;
  }

  const float AST = barOf(d.BSIZE).area * static_cast<float>(d.NBAR) / W;
  const SectionCapacity c = sectionCapacities(k, d.DS, AST);
  d.MCAP = c.MCAP;
  d.VBCAP = c.VBCAP;
  d.VPCAP = c.VPCAP;
  return d;
}

}  // namespace bentpier
