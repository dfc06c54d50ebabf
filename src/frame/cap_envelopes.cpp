// Cap values of the load cases and the envelopes of groups I, II, III and B.
#include "frame/cap_envelopes.h"

#include <algorithm>
#include <cmath>

#include "frame/bent_analysis.h"

namespace bentpier {
namespace {


float& face(Problem& p, int c, int slot) { return p.env.X[c][slot]; }
float& point(Problem& p, int k, int q, int slot) { return p.env.CP[q][k][slot]; }
float face(const Problem& p, int c, int slot) { return p.env.X[c][slot]; }
float point(const Problem& p, int k, int q, int slot) { return p.env.CP[q][k][slot]; }

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

void storeCapShears(Problem& p, const ColumnForces& f, ShearSlots to) {
  for (int c = 1; c <= columnCount(p); ++c) {
    face(p, c, to.left) = f.VCL[c];
    face(p, c, to.right) = f.VCR[c];
  }
  eachPoint(p, [&](int k, int q) {
    point(p, k, q, to.pointLeft) = f.VPL[k][q];
    point(p, k, q, to.pointRight) = f.VPR[k][q];
  });
}

void storeCapMoments(Problem& p, const ColumnForces& f, MomentSlots to) {
  for (int c = 1; c <= columnCount(p); ++c) {
    face(p, c, to.left) = f.row[kRowML][c];
    face(p, c, to.right) = f.row[kRowMR][c];
  }
  eachPoint(p, [&](int k, int q) { point(p, k, q, to.point) = f.MP[k][q]; });
}

void addCapShears(const Problem& p, ColumnForces& f, ShearSlots from, float factor) {
  for (int c = 1; c <= columnCount(p); ++c) {
    f.VCL[c] += face(p, c, from.left) * factor;
    f.VCR[c] += face(p, c, from.right) * factor;
  }
  eachPoint(p, [&](int k, int q) {
    f.VPL[k][q] += point(p, k, q, from.pointLeft) * factor;
    f.VPR[k][q] += point(p, k, q, from.pointRight) * factor;
  });
}

void addCapMoments(const Problem& p, ColumnForces& f, MomentSlots from, float factor) {
  for (int c = 1; c <= columnCount(p); ++c) {
    f.row[kRowML][c] += face(p, c, from.left) * factor;
    f.row[kRowMR][c] += face(p, c, from.right) * factor;
  }
  eachPoint(p, [&](int k, int q) { f.MP[k][q] += point(p, k, q, from.point) * factor; });
}

void addCapShearsOnSpans(const Problem& p, ColumnForces& f, ShearSlots from, float factor) {
  for (int c = 2; c <= columnCount(p); ++c) {
    f.VCR[c - 1] += face(p, c - 1, from.right) * factor;
    f.VCL[c] += face(p, c, from.left) * factor;
  }
  eachSpanPoint(p, [&](int k, int q) {
    f.VPL[k][q] += point(p, k, q, from.pointLeft) * factor;
    f.VPR[k][q] += point(p, k, q, from.pointRight) * factor;
  });
}

void addCapMomentsOnSpans(const Problem& p, ColumnForces& f, MomentSlots from, float factor) {
  for (int c = 2; c <= columnCount(p); ++c) {
    f.row[kRowMR][c - 1] += face(p, c - 1, from.right) * factor;
    f.row[kRowML][c] += face(p, c, from.left) * factor;
  }
  eachSpanPoint(p, [&](int k, int q) {
    f.MP[k][q] += point(p, k, q, from.point) * factor;
  });
}

void scaleCapShears(const Problem& p, ColumnForces& f, float factor) {
  for (int c = 1; c <= columnCount(p); ++c) {
    f.VCL[c] *= factor;
    f.VCR[c] *= factor;
  }
  eachPoint(p, [&](int k, int q) {
    f.VPL[k][q] *= factor;
    f.VPR[k][q] *= factor;
  });
}

CapMoments saveCapMoments(const ColumnForces& f) {
  return CapMoments{f.row[kRowML], f.row[kRowMR], f.MP};
}

void restoreCapMoments(const Problem& p, ColumnForces& f, const CapMoments& saved, float factor) {
  for (int c = 1; c <= columnCount(p); ++c) {
    f.row[kRowML][c] = saved.ML[c] * factor;
    f.row[kRowMR][c] = saved.MR[c] * factor;
  }
  eachPoint(p, [&](int k, int q) { f.MP[k][q] = saved.MP[k][q] * factor; });
}

void updateMomentEnvelope(Problem& p, const ColumnForces& f, MomentSlots max, MomentSlots min) {
  for (int c = 1; c <= columnCount(p); ++c) {
    const float ml = f.row[kRowML][c], mr = f.row[kRowMR][c];
    keepMax(face(p, c, max.left), ml);
    keepMax(face(p, c, max.right), mr);
    keepMin(face(p, c, min.left), ml);
    keepMin(face(p, c, min.right), mr);
  }
  eachPoint(p, [&](int k, int q) {
    const float mp = f.MP[k][q];
    keepMax(point(p, k, q, max.point), mp);
    keepMin(point(p, k, q, min.point), mp);
  });
}

void updateShearEnvelope(Problem& p, const ColumnForces& f, ShearSlots max, ShearSlots min) {
  for (int c = 1; c <= columnCount(p); ++c) {
    const float vl = f.VCL[c], vr = f.VCR[c];
    keepMax(face(p, c, max.left), vl);
    keepMax(face(p, c, max.right), vr);
    keepMin(face(p, c, min.left), vl);
    keepMin(face(p, c, min.right), vr);
  }
  eachPoint(p, [&](int k, int q) {
    const float vl = f.VPL[k][q], vr = f.VPR[k][q];
    keepMax(point(p, k, q, max.pointLeft), vl);
    keepMax(point(p, k, q, max.pointRight), vr);
    keepMin(point(p, k, q, min.pointLeft), vl);
    keepMin(point(p, k, q, min.pointRight), vr);
  });
}

void updateGroupOne(Problem& p, const ColumnForces& f) {
  updateShearEnvelope(p, f, kGroupOneMaxShears, kGroupOneMinShears);
  updateMomentEnvelope(p, f, kGroupOneMaxMoments, kGroupOneMinMoments);
}

void updateEnvelopeB(Problem& p, const ColumnForces& f) { updateMomentEnvelope(p, f, kEnvelopeBMax, kEnvelopeBMin); }

void updateWithWind(Problem& p, const ColumnForces& f, MomentSlots max, MomentSlots min) {
  const float force = f.FTRAN;
  for (int c = 2; c <= columnCount(p); ++c) {
    const float mr = f.row[kRowMR][c - 1];
    const float wr = std::fabs(p.env.UWMR[c - 1] * force);
    keepMax(face(p, c - 1, max.right), mr + wr);
    keepMin(face(p, c - 1, min.right), mr - wr);
    const float ml = f.row[kRowML][c];
    const float wl = std::fabs(p.env.UWML[c] * force);
    keepMax(face(p, c, max.left), ml + wl);
    keepMin(face(p, c, min.left), ml - wl);
  }
  eachSpanPoint(p, [&](int k, int q) {
    const float mp = f.MP[k][q];
    const float w = std::fabs(p.env.UWMP[k][q] * force);
    keepMax(point(p, k, q, max.point), mp + w);
    keepMin(point(p, k, q, min.point), mp - w);
  });
}

void storeDeadLoadCapValues(Problem& p, const ColumnForces& f) {
  storeCapShears(p, f, kDeadLoadShears);
  storeCapMoments(p, f, kDeadLoadMoments);
  for (ShearSlots s : {kGroupOneMaxShears, kGroupOneMinShears}) storeCapShears(p, f, s);
  for (MomentSlots m : {kGroupOneMaxMoments, kGroupOneMinMoments, kGroupTwoMax, kGroupTwoMin,
                        kGroupThreeMax, kGroupThreeMin, kEnvelopeBMax, kEnvelopeBMin})
    storeCapMoments(p, f, m);
}

void storeStreamFlowCapValues(Problem& p, const ColumnForces& f) {
  storeCapShears(p, f, kStreamFlowShears);
  storeCapMoments(p, f, kStreamFlowMoments);
}

void storeCentrifugalCapValues(Problem& p, const ColumnForces& f) {
  storeCapMoments(p, f, kCentrifugalMoments);
  storeCapShears(p, f, kCentrifugalShears);
}

void storeUnitWindCapMoments(Problem& p, const ColumnForces& f) {
  p.env.UWML = f.row[kRowML];
  p.env.UWMR = f.row[kRowMR];
  p.env.UWMP = f.MP;
}

CapMomentTable scaledCapMoments(const Problem& p, const ColumnForces& f, float factor) {
  CapMomentTable t;
  for (int c = 1; c <= columnCount(p); ++c) {
    t.ML[c] = f.row[kRowML][c] * factor;
    t.MR[c] = f.row[kRowMR][c] * factor;
  }
  eachPoint(p, [&](int k, int q) { t.MP[k][q] = f.MP[k][q] * factor; });
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

void updateGroupTwoEnvelope(Problem& p, ColumnForces& f, bool streamFlow) {
  for (int c = 2; c <= columnCount(p); ++c) {
    f.row[kRowML][c] = face(p, c, kDeadLoadMoments.left);
    f.row[kRowMR][c - 1] = face(p, c - 1, kDeadLoadMoments.right);
  }
  eachSpanPoint(p, [&](int k, int q) {
    f.MP[k][q] = point(p, k, q, kDeadLoadMoments.point);
  });
  updateWithWind(p, f, kGroupTwoMax, kGroupTwoMin);
  if (!streamFlow) return;
  addCapMoments(p, f, kStreamFlowMoments);
  updateWithWind(p, f, kGroupTwoMax, kGroupTwoMin);
}

void updateLiveLoadEnvelopes(Problem& p, ColumnForces& f, float betal, int lanes, float nl,
                             bool streamFlow, bool centrifugal) {
  const bool serviceLoad = p.dd.METHOD == 'S';
  if (!serviceLoad) {
    scaleCapShears(p, f, betal);
    const CapMoments live = saveCapMoments(f);
    addCapMoments(p, f, kDeadLoadMoments);
    updateEnvelopeB(p, f);
    if (lanes != 0) {
      updateWithWind(p, f, kGroupThreeMax, kGroupThreeMin);
      if (streamFlow) addCapMoments(p, f, kStreamFlowMoments);
      if (centrifugal) addCapMomentsOnSpans(p, f, kCentrifugalMoments, nl);
      updateEnvelopeB(p, f);
      updateWithWind(p, f, kGroupThreeMax, kGroupThreeMin);
    }
    restoreCapMoments(p, f, live, betal);
  }
  addCapShears(p, f, kDeadLoadShears);
  addCapMoments(p, f, kDeadLoadMoments);
  updateGroupOne(p, f);
  if (lanes == 0) return;
  if (serviceLoad) {
    updateWithWind(p, f, kGroupThreeMax, kGroupThreeMin);
    updateEnvelopeB(p, f);
  }
  if (streamFlow) {
    addCapShears(p, f, kStreamFlowShears);
    addCapMoments(p, f, kStreamFlowMoments);
  }
  if (centrifugal) {
    addCapShearsOnSpans(p, f, kCentrifugalShears, nl);
    addCapMomentsOnSpans(p, f, kCentrifugalMoments, nl);
  }
  updateGroupOne(p, f);
  if (serviceLoad) {
    updateEnvelopeB(p, f);
    updateWithWind(p, f, kGroupThreeMax, kGroupThreeMin);
  }
}

}  // namespace bentpier
