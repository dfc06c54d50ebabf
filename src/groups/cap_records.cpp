// The cap store: the cap design's materials and limits, then the design
// moments and shears of every bearing point and column line in cap order.
#include "groups/load_groups.h"

#include <algorithm>
#include <cmath>

#include "frame/bent_analysis.h"

namespace bentpier {
namespace {

// CP slots of a bearing point.
constexpr int kGroupOneMax = 4, kGroupOneMin = 7;
constexpr int kGroupTwoMax = 10, kGroupTwoMin = 11;
constexpr int kGroupThreeMax = 12, kGroupThreeMin = 13;
constexpr int kEnvelopeBMax = 14, kEnvelopeBMin = 15;
constexpr int kGroupOneMaxShearLeft = 5, kGroupOneMaxShearRight = 6;
constexpr int kGroupOneMinShearLeft = 8, kGroupOneMinShearRight = 9;

// X slots of a column line, left face then right face.
constexpr int kFaceGroupOneMax[] = {7, 8};
constexpr int kFaceGroupOneMin[] = {11, 12};
constexpr int kFaceGroupTwoMax[] = {13, 14};
constexpr int kFaceGroupTwoMin[] = {15, 16};
constexpr int kFaceGroupThreeMax[] = {17, 18};
constexpr int kFaceGroupThreeMin[] = {19, 20};
constexpr int kFaceEnvelopeBMax[] = {21, 23};
constexpr int kFaceEnvelopeBMin[] = {22, 24};
constexpr int kFaceGroupOneMaxShear[] = {5, 6};
constexpr int kFaceGroupOneMinShear[] = {9, 10};

CapParameterRecord capParameters(const Problem& p, const CapTableEnd& table) {
  const DesignData& d = p.dd;
  CapParameterRecord r;
  r.NPT = d.NCOL + table.points;
  r.FY = d.FY;
  r.FS = d.FS;
  r.FPC = d.FPC;
  r.FC = d.FC;
  r.N = d.N;
  r.TOPCL = d.TOPCL;
  r.DEPINC = d.DEPINC;
  r.MINSSP = d.MINSSP;
  r.MINSZ = d.MINSZ;
  r.MINNO = d.MINNO;
  r.MAINSZ = d.MAINSZ;
  r.MAXTOP = d.MAXTOP;
  r.MAXBOT = d.MAXBOT;
  r.STRSZ = d.STRSZ;
  r.BOTCL = d.BOTCL;
  r.Z = d.Z;
  r.ES = d.ES;
  r.LINES = table.lines;
  return r;
}

// Bearing point q of segment k: group I against groups II and III reduced
// by the overstress divisor and group VI by its own; envelope B as the service moments; the larger
// shear magnitude on each side.
CapPointRecord pointRecord(const Problem& p, int q, int k, int number,
                           const MethodValues& method) {
  const float divisor = method.divisor, six = method.groupSixDivisor;
  const auto& cp = p.env.CP[q][k];
  const float g6max = p.env.G6MAX.MP[k][q];
  const float g6min = p.env.G6MIN.MP[k][q];
  const CapProperties& props = p.capp[k];
  CapPointRecord r;
  r.LABEL = capLabel('P', number);
  r.MPOS = std::max({cp[kGroupOneMax], cp[kGroupTwoMax] / divisor, cp[kGroupThreeMax] / divisor,
                     g6max / six});
  r.MNEG = std::min({cp[kGroupOneMin], cp[kGroupTwoMin] / divisor, cp[kGroupThreeMin] / divisor,
                     g6min / six});
  r.MBPOS = cp[kEnvelopeBMax];
  r.MBNEG = cp[kEnvelopeBMin];
  r.VLT = std::max(std::fabs(cp[kGroupOneMaxShearLeft]), std::fabs(cp[kGroupOneMinShearLeft]));
  r.VRT = std::max(std::fabs(cp[kGroupOneMaxShearRight]), std::fabs(cp[kGroupOneMinShearRight]));
  r.BW = props.WIDB[q];
  r.DW = props.DEPB[q];
  return r;
}

// Column line k: the same over both faces; the section is the mean of the
// full depths and widths of the segments on either side, or the one
// segment there is at an end column.
CapPointRecord columnRecord(const Problem& p, int k, const MethodValues& method) {
  const float divisor = method.divisor, six = method.groupSixDivisor;
  const CapEnvelopes& env = p.env;
  const auto& x = p.env.X[k];
  auto at = [&](int s) { return x[s]; };
  CapPointRecord r;
  r.LABEL = capLabel('C', k);
  r.MPOS = std::max({at(kFaceGroupOneMax[0]), at(kFaceGroupTwoMax[0]) / divisor,
                     at(kFaceGroupThreeMax[0]) / divisor, at(kFaceGroupOneMax[1]),
                     at(kFaceGroupTwoMax[1]) / divisor, at(kFaceGroupThreeMax[1]) / divisor,
                     env.G6MAX.ML[k] / six, env.G6MAX.MR[k] / six});
  r.MNEG = std::min({at(kFaceGroupOneMin[0]), at(kFaceGroupTwoMin[0]) / divisor,
                     at(kFaceGroupThreeMin[0]) / divisor, at(kFaceGroupOneMin[1]),
                     at(kFaceGroupTwoMin[1]) / divisor, at(kFaceGroupThreeMin[1]) / divisor,
                     env.G6MIN.ML[k] / six, env.G6MIN.MR[k] / six});
  r.MBPOS = std::max(at(kFaceEnvelopeBMax[0]), at(kFaceEnvelopeBMax[1]));
  r.MBNEG = std::min(at(kFaceEnvelopeBMin[0]), at(kFaceEnvelopeBMin[1]));
  r.VLT = std::max(std::fabs(at(kFaceGroupOneMaxShear[0])), std::fabs(at(kFaceGroupOneMinShear[0])));
  r.VRT = std::max(std::fabs(at(kFaceGroupOneMaxShear[1])), std::fabs(at(kFaceGroupOneMinShear[1])));

  int left = k, right = k + 1;
  if (k == 1 && p.dd.NCAN == 0) left = right;
  if (k == p.dd.NSPAN) right = left;
  const CapSegment& l = p.cap[left];
  const CapSegment& rt = p.cap[right];
  r.DW = ((l.DE + l.DH) + (rt.DE + rt.DH)) / 2.0f;
  r.BW = (l.BC + rt.BC) / 2.0f;
  return r;
}

}  // namespace

void writeCapRecords(Problem& p, const CapTableEnd& table, const MethodValues& method) {
  RecordStore& store = p.rec.CAPREC;
  store.clear();
  store.append(writeCapParameterRecord(capParameters(p, table)));
  int point = 0;  // running load-point number, as in the table
  const int nspan = std::min(p.dd.NSPAN, kMaxSegments);
  for (int k = 1; k <= nspan; ++k) {
    if (k != 1 || p.dd.NCAN != 0) {
      if (k != 1) point += p.col[k - 1].P;
      for (int q = 1; q <= bearingCount(p, k); ++q)
        store.append(writeCapPointRecord(pointRecord(p, q, k, ++point, method)));
    }
    if (k <= p.dd.NCOL) store.append(writeCapPointRecord(columnRecord(p, k, method)));
  }
}

}  // namespace bentpier
