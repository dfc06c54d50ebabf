// Cap values of the load cases and the envelopes of groups I, II, III and B.
#include "frame/cap_envelopes.h"

#include <algorithm>
#include <cmath>

#include "frame/bent_analysis.h"

namespace bentpier {
namespace {


float& face(Problem& p, int c, int slot) { return p.env.X[c][slot]; }
float& point(Problem& p, int k, int q, int slot) { return p.env.CP[q][k][slot]; }

// Calls f(k, q) for every bearing point of every existing segment.
template <typename F>
void eachPoint(const Problem& p, F f) {
  for (int k = 1; k <= columnCount(p) + 1; ++k)
    for (int q = 1; q <= bearingCount(p, k); ++q) f(k, q);
}

// Calls f(k, q) for the bearing points of the spans.
template <typename F>
void eachSpanPoint(const Problem& p, F f) {
  for (int k = 2; k <= columnCount(p); ++k)
    for (int q = 1; q <= bearingCount(p, k); ++q) f(k, q);
}

void keepMax(float& slot, float value) {
  if (value > slot) slot = value;
}
void keepMin(float& slot, float value) {
  if (value < slot) slot = value;
}

}  // namespace

void storeCapShears(Problem& p, ShearSlots to) {
  for (int c = 1; c <= columnCount(p); ++c) {
    face(p, c, to.left) = p.frc.VCL[c];
    face(p, c, to.right) = p.frc.VCR[c];
  }
  eachPoint(p, [&](int k, int q) {
    point(p, k, q, to.pointLeft) = p.frc.VPL[k][q];
    point(p, k, q, to.pointRight) = p.frc.VPR[k][q];
  });
}

void storeCapMoments(Problem& p, MomentSlots to) {
  for (int c = 1; c <= columnCount(p); ++c) {
    face(p, c, to.left) = p.frc.row[kRowML][c];
    face(p, c, to.right) = p.frc.row[kRowMR][c];
  }
  eachPoint(p, [&](int k, int q) { point(p, k, q, to.point) = p.frc.MP[k][q]; });
}

void addCapShears(Problem& p, ShearSlots from, float factor) {
  for (int c = 1; c <= columnCount(p); ++c) {
    p.frc.VCL[c] += face(p, c, from.left) * factor;
    p.frc.VCR[c] += face(p, c, from.right) * factor;
  }
  eachPoint(p, [&](int k, int q) {
    p.frc.VPL[k][q] += point(p, k, q, from.pointLeft) * factor;
    p.frc.VPR[k][q] += point(p, k, q, from.pointRight) * factor;
  });
}

void addCapMoments(Problem& p, MomentSlots from, float factor) {
  for (int c = 1; c <= columnCount(p); ++c) {
    p.frc.row[kRowML][c] += face(p, c, from.left) * factor;
    p.frc.row[kRowMR][c] += face(p, c, from.right) * factor;
  }
  eachPoint(p, [&](int k, int q) { p.frc.MP[k][q] += point(p, k, q, from.point) * factor; });
}

void addCapShearsOnSpans(Problem& p, ShearSlots from, float factor) {
  for (int c = 2; c <= columnCount(p); ++c) {
    p.frc.VCR[c - 1] += face(p, c - 1, from.right) * factor;
    p.frc.VCL[c] += face(p, c, from.left) * factor;
  }
  eachSpanPoint(p, [&](int k, int q) {
    p.frc.VPL[k][q] += point(p, k, q, from.pointLeft) * factor;
    p.frc.VPR[k][q] += point(p, k, q, from.pointRight) * factor;
  });
}

void addCapMomentsOnSpans(Problem& p, MomentSlots from, float factor) {
  for (int c = 2; c <= columnCount(p); ++c) {
    p.frc.row[kRowMR][c - 1] += face(p, c - 1, from.right) * factor;
    p.frc.row[kRowML][c] += face(p, c, from.left) * factor;
  }
  eachSpanPoint(p, [&](int k, int q) {
    p.frc.MP[k][q] += point(p, k, q, from.point) * factor;
  });
}

void scaleCapShears(Problem& p, float factor) {
  for (int c = 1; c <= columnCount(p); ++c) {
    p.frc.VCL[c] *= factor;
    p.frc.VCR[c] *= factor;
  }
  eachPoint(p, [&](int k, int q) {
    p.frc.VPL[k][q] *= factor;
    p.frc.VPR[k][q] *= factor;
  });
}

CapMoments saveCapMoments(const Problem& p) {
  return CapMoments{p.frc.row[kRowML], p.frc.row[kRowMR], p.frc.MP};
}

void restoreCapMoments(Problem& p, const CapMoments& saved, float factor) {
  for (int c = 1; c <= columnCount(p); ++c) {
    p.frc.row[kRowML][c] = saved.ML[c] * factor;
    p.frc.row[kRowMR][c] = saved.MR[c] * factor;
  }
  eachPoint(p, [&](int k, int q) { p.frc.MP[k][q] = saved.MP[k][q] * factor; });
}

void updateMomentEnvelope(Problem& p, MomentSlots max, MomentSlots min) {
  for (int c = 1; c <= columnCount(p); ++c) {
    const float ml = p.frc.row[kRowML][c], mr = p.frc.row[kRowMR][c];
    keepMax(face(p, c, max.left), ml);
    keepMax(face(p, c, max.right), mr);
    keepMin(face(p, c, min.left), ml);
    keepMin(face(p, c, min.right), mr);
  }
  eachPoint(p, [&](int k, int q) {
    const float mp = p.frc.MP[k][q];
    keepMax(point(p, k, q, max.point), mp);
    keepMin(point(p, k, q, min.point), mp);
  });
}

void updateShearEnvelope(Problem& p, ShearSlots max, ShearSlots min) {
  for (int c = 1; c <= columnCount(p); ++c) {
    const float vl = p.frc.VCL[c], vr = p.frc.VCR[c];
    keepMax(face(p, c, max.left), vl);
    keepMax(face(p, c, max.right), vr);
    keepMin(face(p, c, min.left), vl);
    keepMin(face(p, c, min.right), vr);
  }
  eachPoint(p, [&](int k, int q) {
    const float vl = p.frc.VPL[k][q], vr = p.frc.VPR[k][q];
    keepMax(point(p, k, q, max.pointLeft), vl);
    keepMax(point(p, k, q, max.pointRight), vr);
    keepMin(point(p, k, q, min.pointLeft), vl);
    keepMin(point(p, k, q, min.pointRight), vr);
  });
}

void updateGroupOne(Problem& p) {
  updateShearEnvelope(p, kGroupOneMaxShears, kGroupOneMinShears);
  updateMomentEnvelope(p, kGroupOneMaxMoments, kGroupOneMinMoments);
}

void updateEnvelopeB(Problem& p) { updateMomentEnvelope(p, kEnvelopeBMax, kEnvelopeBMin); }

void updateWithWind(Problem& p, MomentSlots max, MomentSlots min) {
  const float force = p.frc.FTRAN;
  for (int c = 2; c <= columnCount(p); ++c) {
    const float mr = p.frc.row[kRowMR][c - 1];
    const float wr = std::fabs(p.env.UWMR[c - 1] * force);
    keepMax(face(p, c - 1, max.right), mr + wr);
    keepMin(face(p, c - 1, min.right), mr - wr);
    const float ml = p.frc.row[kRowML][c];
    const float wl = std::fabs(p.env.UWML[c] * force);
    keepMax(face(p, c, max.left), ml + wl);
    keepMin(face(p, c, min.left), ml - wl);
  }
  eachSpanPoint(p, [&](int k, int q) {
    const float mp = p.frc.MP[k][q];
    const float w = std::fabs(p.env.UWMP[k][q] * force);
    keepMax(point(p, k, q, max.point), mp + w);
    keepMin(point(p, k, q, min.point), mp - w);
  });
}

void storeDeadLoadCapValues(Problem& p) {
  storeCapShears(p, kDeadLoadShears);
  storeCapMoments(p, kDeadLoadMoments);
  for (ShearSlots s : {kGroupOneMaxShears, kGroupOneMinShears}) storeCapShears(p, s);
  for (MomentSlots m : {kGroupOneMaxMoments, kGroupOneMinMoments, kGroupTwoMax, kGroupTwoMin,
                        kGroupThreeMax, kGroupThreeMin, kEnvelopeBMax, kEnvelopeBMin})
    storeCapMoments(p, m);
}

void storeStreamFlowCapValues(Problem& p) {
  storeCapShears(p, kStreamFlowShears);
  storeCapMoments(p, kStreamFlowMoments);
}

void storeCentrifugalCapValues(Problem& p) {
  storeCapMoments(p, kCentrifugalMoments);
  storeCapShears(p, kCentrifugalShears);
}

void storeUnitWindCapMoments(Problem& p) {
  p.env.UWML = p.frc.row[kRowML];
  p.env.UWMR = p.frc.row[kRowMR];
  p.env.UWMP = p.frc.MP;
}

CapMomentTable scaledCapMoments(const Problem& p, float factor) {
  CapMomentTable t;
  for (int c = 1; c <= columnCount(p); ++c) {
    t.ML[c] = p.frc.row[kRowML][c] * factor;
    t.MR[c] = p.frc.row[kRowMR][c] * factor;
  }
  eachPoint(p, [&](int k, int q) { t.MP[k][q] = p.frc.MP[k][q] * factor; });
  return t;
}

namespace {

// The strain moment that a group VI extreme adds to group III: the largest
// (or smallest) of the cases present.
float strainExtreme(bool largest, bool expansion, float e, bool shrinkage, float s) {
  if (expansion && shrinkage) return largest ? std::max(e, s) : std::min(e, s);
  return expansion ? e : s;
}

}  // namespace

void formGroupSixEnvelope(Problem& p, bool groupThree, bool expansion, bool shrinkage) {
  CapEnvelopes& env = p.env;
  const bool formed = groupThree && (expansion || shrinkage);
  env.groupSix = formed;
  const CapMomentTable& e = env.EXPM;
  const CapMomentTable& s = env.SHRM;
  const auto extreme = [&](bool largest, float ev, float sv) {
    return formed ? strainExtreme(largest, expansion, ev, shrinkage, sv) : 0.0f;
  };
  const MomentSlots& g3max = kGroupThreeMax;
  const MomentSlots& g3min = kGroupThreeMin;
  const MomentSlots& dead = kDeadLoadMoments;
  for (int c = 1; c <= columnCount(p); ++c) {
    const int ci = c;
    const MomentSlots& hi = formed ? g3max : dead;
    const MomentSlots& lo = formed ? g3min : dead;
    env.G6MAX.ML[ci] = face(p, c, hi.left) + extreme(true, e.ML[ci], s.ML[ci]);
    env.G6MAX.MR[ci] = face(p, c, hi.right) + extreme(true, e.MR[ci], s.MR[ci]);
    env.G6MIN.ML[ci] = face(p, c, lo.left) + extreme(false, e.ML[ci], s.ML[ci]);
    env.G6MIN.MR[ci] = face(p, c, lo.right) + extreme(false, e.MR[ci], s.MR[ci]);
  }
  eachPoint(p, [&](int k, int q) {
    const int ki = k, qi = q;
    const float ev = e.MP[ki][qi], sv = s.MP[ki][qi];
    env.G6MAX.MP[ki][qi] = point(p, k, q, formed ? g3max.point : dead.point) + extreme(true, ev, sv);
    env.G6MIN.MP[ki][qi] = point(p, k, q, formed ? g3min.point : dead.point) + extreme(false, ev, sv);
  });
}

void updateGroupTwoEnvelope(Problem& p, bool streamFlow) {
  for (int c = 2; c <= columnCount(p); ++c) {
    p.frc.row[kRowML][c] = face(p, c, kDeadLoadMoments.left);
    p.frc.row[kRowMR][c - 1] = face(p, c - 1, kDeadLoadMoments.right);
  }
  eachSpanPoint(p, [&](int k, int q) {
    p.frc.MP[k][q] = point(p, k, q, kDeadLoadMoments.point);
  });
  updateWithWind(p, kGroupTwoMax, kGroupTwoMin);
  if (!streamFlow) return;
  addCapMoments(p, kStreamFlowMoments);
  updateWithWind(p, kGroupTwoMax, kGroupTwoMin);
}

void updateLiveLoadEnvelopes(Problem& p, int lanes, float nl, bool streamFlow, bool centrifugal) {
  const bool serviceLoad = p.dd.METHOD == 'S';
  const float betal = p.comb.BETAL;
  if (!serviceLoad) {
    scaleCapShears(p, betal);
    const CapMoments live = saveCapMoments(p);
    addCapMoments(p, kDeadLoadMoments);
    updateEnvelopeB(p);
    if (lanes != 0) {
      updateWithWind(p, kGroupThreeMax, kGroupThreeMin);
      if (streamFlow) addCapMoments(p, kStreamFlowMoments);
      if (centrifugal) addCapMomentsOnSpans(p, kCentrifugalMoments, nl);
      updateEnvelopeB(p);
      updateWithWind(p, kGroupThreeMax, kGroupThreeMin);
    }
    restoreCapMoments(p, live, betal);
  }
  addCapShears(p, kDeadLoadShears);
  addCapMoments(p, kDeadLoadMoments);
  updateGroupOne(p);
  if (lanes == 0) return;
  if (serviceLoad) {
    updateWithWind(p, kGroupThreeMax, kGroupThreeMin);
    updateEnvelopeB(p);
  }
  if (streamFlow) {
    addCapShears(p, kStreamFlowShears);
    addCapMoments(p, kStreamFlowMoments);
  }
  if (centrifugal) {
    addCapShearsOnSpans(p, kCentrifugalShears, nl);
    addCapMomentsOnSpans(p, kCentrifugalMoments, nl);
  }
  updateGroupOne(p);
  if (serviceLoad) {
    updateEnvelopeB(p);
    updateWithWind(p, kGroupThreeMax, kGroupThreeMin);
  }
}

}  // namespace bentpier
