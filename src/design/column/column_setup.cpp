// The section, its materials, the design limits and the load table of one
// column end, from its design-load records and load sets.
#include <algorithm>
#include <cmath>
#include <vector>

#include "base/bar_table.h"
#include "design/column/column_design.h"

namespace bentpier::column {
namespace {

constexpr float kEcPerRootFpc = 57.619f;    // EC = 57.619 sqrt(1000 f'c), ksi
constexpr float kDefaultES = 29000.0f;
constexpr float kDefaultEPSCU = 0.003f;
constexpr float kSpiralPHIC = 0.75f;
constexpr float kTiedPHIC = 0.70f;
constexpr float kDefaultPHIB = 0.90f;
constexpr float kDefaultMinRatio = 0.01f;
constexpr float kDefaultMaxRatio = 0.08f;
constexpr float kDefaultClearance = 1.5f;

constexpr int kLeastDesignSize = 5;
constexpr int kDefaultLargestSize = 11;
constexpr int kLeastCircleBars = 6;
constexpr int kMostCircleBars = 200;
constexpr int kMostPatternFaceBars = 100;   // each B face, pattern 2
constexpr int kMostPatternDFaceBars = 98;   // each D face, pattern 2
constexpr int kMostUniformFaceBars = 51;    // each B face, other patterns

// Minimum eccentricity: 0.05 (spiral) or 0.10 (tied) of the dimension in
// inches, as feet, and at least one inch.
constexpr float kSpiralEccentricity = 0.004166667f;
constexpr float kTiedEccentricity = 0.008333333f;
constexpr float kLeastEccentricity = 0.083333f;

float orDefault(float v, float dflt) { return v > 0.0f ? v : dflt; }

int sectionType(char type) {
  switch (type) {
    case 'R': return kCircular;
    case 'S': return kSpiralRectangle;
    case 'T': return kTiedRectangle;
    default: return 0;
  }
}

}  // namespace

int barCode(int size) {
  if (size == 14) return 12;
  if (size > 14) return 13;
  return size;
}

float groupFactor(char group, char method, bool pileBent) {
  if (method != 'S' && !pileBent) return 1.0f;
  switch (group) {
    case '2':
    case '3':
    case '4': return 1.25f;
    case '5':
    case '6': return 1.4f;
    case '7':
    case 'B': return 1.33f;
    default: return 1.0f;
  }
}

bool fitsInWall(const SectionState& s, float cover, float diameter) {
  if (!(s.VOID > 0.0f)) return true;
  // Inside face of the bar, a cover away from the void.
  return s.D / 2.0f - cover - diameter - cover >= s.VOID / 2.0f;
}

int setUpSection(const ColumnEndData& in, ColumnEndSetup& out) {
  if (in.OPTION != 'D' && in.OPTION != 'I') return kColumnInputError;
  const int sect = sectionType(in.TYPE);
  if (sect == 0) return kColumnInputError;
  out.design = in.OPTION == 'D';

  SectionState& s = out.section;
  s = SectionState{};
  s.SECT = sect;
  s.D = in.D;
  s.B = sect == kCircular ? in.D : in.B;
  if (sect == kCircular && in.B > 0.0f) s.VOID = in.B;
  // A section without size or materials has no strength to compute, nor a
  // round column whose void takes all of it.
  if (!(s.B > 0.0f && s.D > 0.0f && in.FPC > 0.0f && in.FY > 0.0f && s.VOID < s.D))
    return kColumnInputError;
  s.FY = in.FY;
  s.FCC2 = orDefault(in.FCC2, kStressIntensity * in.FPC);
  s.EC = orDefault(in.EC, kEcPerRootFpc * std::sqrt(1000.0f * in.FPC));
  s.ES = orDefault(in.ES, kDefaultES);
  s.EPSCU = orDefault(in.EPSCU, kDefaultEPSCU);
  s.PHIC = orDefault(in.PHIC, sect == kTiedRectangle ? kTiedPHIC : kSpiralPHIC);
  s.PHIB = orDefault(in.PHIB, kDefaultPHIB);
  deriveSection(s);

  out.COVER = in.COVER > 0.0f ? in.COVER : in.GROUP[1].COVER;
  for (int f = 1; f <= kMaxFaces; ++f)
    out.FACECOVER[f] = in.GROUP[f].COVER > 0.0f ? in.GROUP[f].COVER : out.COVER;
  if (!out.design) return kColumnDone;

  DesignLimits& lim = out.limits;
  lim = DesignLimits{};
  lim.ASMIN = s.AG * orDefault(in.MINRATIO, kDefaultMinRatio);
  lim.ASMAX = s.AG * orDefault(in.MAXRATIO, kDefaultMaxRatio);
  lim.CLR = orDefault(in.CLR, kDefaultClearance);
  lim.SZMIN = in.GROUP[1].SZ < kLeastDesignSize ? kLeastDesignSize : in.GROUP[1].SZ;
  lim.SZMAX = in.GROUP[2].SZ < kLeastDesignSize ? kDefaultLargestSize : in.GROUP[2].SZ;
  lim.SZMIN = barCode(lim.SZMIN);
  lim.SZMAX = barCode(lim.SZMAX);
  lim.IPAT = in.IPAT;

  if (sect != kTiedRectangle) {
    auto inRange = [](int n) { return n >= kLeastCircleBars && n <= kMostCircleBars; };
    lim.NMIN = inRange(in.GROUP[1].N) ? in.GROUP[1].N : kLeastCircleBars;
    lim.NMAX = inRange(in.GROUP[2].N) ? in.GROUP[2].N : kMostCircleBars;
    lim.CORE = std::min(s.B, s.D) - 2.0f * out.COVER;
    if (s.VOID > 0.0f) {
      lim.VOIDCORE = s.VOID + 2.0f * out.COVER;
      // Not even the smallest bar of the search fits in the wall.
      if (!fitsInWall(s, out.COVER, barOf(lim.SZMIN).diameter)) return kColumnInputError;
    }
    return kColumnDone;
  }
  if (in.IPAT == 3) return kColumnInputError;
  if (in.IPAT == 2) {
    lim.NMIN = in.GROUP[1].N > kMostPatternFaceBars ? 2 : std::max(in.GROUP[1].N, 2);
    lim.NMAX = std::min(in.GROUP[2].N, kMostPatternFaceBars);
    lim.NDMIN = in.GROUP[3].N > kMostPatternDFaceBars ? 0 : std::max(in.GROUP[3].N, 0);
    lim.NDMAX = std::min(in.GROUP[4].N, kMostPatternDFaceBars);
  } else {
    lim.NMIN = in.GROUP[1].N > kMostUniformFaceBars ? 2 : std::max(in.GROUP[1].N, 2);
    const int nmax = in.GROUP[2].N;
    lim.NMAX = (nmax < 2 || nmax > kMostUniformFaceBars) ? kMostUniformFaceBars : nmax;
  }
  lim.COREB = s.B - 2.0f * out.FACECOVER[3];
  lim.CORED = s.D - 2.0f * out.FACECOVER[1];
  return kColumnDone;
}

namespace {

// Minimum eccentricities of a design that bends in given directions only:
// a load without moment takes them about those directions.
struct Eccentricities {
  bool apply = false;
  int direction = kDiagonal;
  float ex = 0, ey = 0;
};

Eccentricities eccentricitiesOf(const ColumnEndData& in, const ColumnEndSetup& out) {
  Eccentricities e;
  e.apply = out.design && (in.FLAGX != 0 || in.FLAGY != 0);
  e.direction = (in.FLAGX != 0 && in.FLAGY == 0)   ? kAboutX
                : (in.FLAGX == 0 && in.FLAGY != 0) ? kAboutY
                                                   : kDiagonal;
  const SectionState& s = out.section;
  const float f = s.SECT == kTiedRectangle ? kTiedEccentricity : kSpiralEccentricity;
  e.ex = std::max(f * s.D, kLeastEccentricity);
  e.ey = std::max(f * s.B, kLeastEccentricity);
  return e;
}

LoadResult loadOf(const ColumnLoadSet& set, const ColumnEndData& in) {
  LoadResult r;
  r.P = set.PM;
  r.MX = set.MTM;
  r.MY = set.MLM;
  r.FACTOR = groupFactor(set.GR, in.METHOD, in.PILEBENT);
  return r;
}

// False for a load that cannot be checked; applies the eccentricities.
bool prepareLoad(LoadResult& r, const Eccentricities& e) {
  if (!(std::isfinite(r.P) && std::isfinite(r.MX) && std::isfinite(r.MY))) return false;
  if (r.P < 0.0f || r.MX < 0.0f || r.MY < 0.0f) return false;
  const bool noMoment = r.MX == 0.0f && r.MY == 0.0f;
  if (noMoment && r.P <= 0.0f) return false;
  if (e.apply && noMoment) {
    if (e.direction != kAboutY) r.MX = e.ex * r.P;
    if (e.direction != kAboutX) r.MY = e.ey * r.P;
  }
  return true;
}

}  // namespace

int setUpLoads(const ColumnEndData& in, ColumnEndSetup& out) {
  LoadTable& t = out.loads;
  t = LoadTable{};
  // Without a load set there is nothing to design for or to check.
  if (in.NLOAD < 1) return kColumnInputError;
  t.NLOAD = std::min(in.NLOAD, kMaxColumnLoads);

  // The whole table first, so that a bad load can be listed with the rest.
  for (int i = 1; i <= t.NLOAD; ++i) t.LOAD[i] = loadOf(in.LOAD[i], in);
  const Eccentricities e = eccentricitiesOf(in, out);
  float sumx = 0.0f, sumy = 0.0f;
  for (int i = 1; i <= t.NLOAD; ++i) {
    LoadResult& r = t.LOAD[i];
    if (!prepareLoad(r, e)) return kColumnBadLoad;
    sumx += r.MX;
    sumy += r.MY;
  }
  std::vector<LoadResult> formed;
  if (setUpFormedLoads(in, out, formed) != kColumnDone) return kColumnBadLoad;
  for (const LoadResult& r : formed) {
    sumx += r.MX;
    sumy += r.MY;
  }
  t.BENDING = (sumx > 0.0f ? kAboutX : 0) + (sumy > 0.0f ? kAboutY : 0);
  if (out.design && (sumx < 0.0f || sumy < 0.0f || t.BENDING == 0))
    return kColumnInputError;
  return kColumnDone;
}

int setUpFormedLoads(const ColumnEndData& in, const ColumnEndSetup& setup,
                     std::vector<LoadResult>& formed) {
  formed.clear();
  formed.reserve(in.FORMED.size());
  const Eccentricities e = eccentricitiesOf(in, setup);
  for (const ColumnLoadSet& set : in.FORMED) {
    LoadResult r = loadOf(set, in);
    if (!prepareLoad(r, e)) return kColumnBadLoad;
    r.FORMED = static_cast<int>(formed.size()) + 1;
    formed.push_back(r);
  }
  return kColumnDone;
}

}  // namespace bentpier::column
