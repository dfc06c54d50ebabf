// Material constants of the footing stage, the group allowance factors and
// the preparation of one footing for design.
#include <algorithm>
#include <cmath>

#include "design/footing/footing.h"
#include "input/problem.h"

namespace bentpier {
namespace {

// Rectangular-block depth factor and the ratio 0.75 beta1 of the largest
// permitted to the balanced steel ratio.
constexpr float kBlockFactor = 0.85f;
constexpr float kMaxToBalanced = 0.6375f;  // 0.75 x 0.85
constexpr float kSteelModulusTerm = 87.0f; // ksi, 0.003 x Es
// 1.2 times the cracking moment (modulus of rupture 7.5 sqrt(f'c)).
constexpr float kCrackingFactor = 1.2f;
constexpr float kRuptureFactor = 7.5f;
// Working-stress minimum-steel index 2.25 FC/FS.
constexpr float kServiceMinSteel = 2.25f;
// Beam-shear stresses: phi 2 sqrt(f'c) (load factor) and 0.95 sqrt(f'c)
// (allowable, group I).
constexpr float kStrengthBeamShear = 1.7f;
constexpr float kServiceBeamShear = 0.95f;
// pi/4: a round column becomes the square of equal area.
constexpr float kQuarterPi = 0.7853982f;

}  // namespace

FootingStrengths footingStrengths(const FootingParameterRecord& p, char METHOD, char FTGOPT) {
  FootingStrengths k;
  k.p = p;
  k.METHOD = METHOD;
  k.FTGOPT = FTGOPT;
  k.SQFC = std::sqrt(std::max(0.0f, 1000.0f * p.FPC)) / 1000.0f;
  k.PHIFY = 0.9f * p.FY;
  if (k.serviceMethod())
    k.RMINF = p.FS > 0.0f ? kServiceMinSteel * p.FC / p.FS : 0.0f;
  else
    k.RMINF = p.FPC > 0.0f ? kCrackingFactor * (kRuptureFactor * k.SQFC) /
                                 (6.0f * 0.9f * p.FPC)
                           : 0.0f;
  k.RHOMAX = p.FY > 0.0f ? kMaxToBalanced * kBlockFactor * p.FPC *
                               kSteelModulusTerm /
                               (p.FY * (p.FY + kSteelModulusTerm))
                         : 0.0f;
  k.FCALL = 0.0f;
  k.VBK = kStrengthBeamShear * k.SQFC;
  k.VBS = kServiceBeamShear * k.SQFC;
  k.VPK = 0.0f;
  return k;
}

float groupAllowanceFactor(char GR) {
  switch (GR) {
    case '2':
    case '3':
    case '4':
      return 1.25f;
    case '5':
    case '6':
      return 1.4f;
    case '7':
    case 'B':
      return 1.33f;
    default:
      return 1.0f;
  }
}

float punchingStress(const FootingStrengths& k, float BETA, float GF) {
  if (k.serviceMethod())
    return GF * std::min(1.8f, 0.8f + 2.0f / BETA) * k.SQFC;
  return 0.85f * std::min(4.0f, 2.0f + 4.0f / BETA) * k.SQFC;
}

FootingDesign prepareFooting(const FootingData& r, int counter,
                             const FootingStrengths& k) {
  FootingDesign fd;
  fd.counter = counter;
  fd.f = r;
  fd.BMIN = r.B;
  fd.DMIN = r.D;
  FootingData& f = fd.f;
  if (f.BB == 0.0f) f.BB = f.DB = std::sqrt(f.DB * kQuarterPi * f.DB);
  if (f.SYM == 2) {
    // The footing is designed turned through 90 degrees: the column's
    // sides and the two directions of every set change places.
    std::swap(f.BB, f.DB);
    for (FootingLoadRecord& s : f.sets) {
      std::swap(s.MTS, s.MLS);
      std::swap(s.VTS, s.VLS);
      std::swap(s.MTF, s.MLF);
      std::swap(s.VTF, s.VLF);
    }
  }
  fd.SOILP = k.p.SOILWT * f.S_HT;
  fd.CAREA = f.BB * f.DB;
  fd.BB2 = f.BB / 2.0f;
  fd.DB2 = f.DB / 2.0f;
  resetGoverning(fd.GOV);
  return fd;
}

void loadServiceLoads(FootingState& FST, const FootingLoadRecord& set) {
  FST[kFstP] = set.PS;
  FST[kFstMT] = set.MTS;
  FST[kFstVT] = set.VTS;
  FST[kFstML] = set.MLS;
  FST[kFstVL] = set.VLS;
}

void loadFactoredLoads(FootingState& FST, const FootingLoadRecord& set) {
  FST[kFstP] = set.PF;
  FST[kFstMT] = set.MTF;
  FST[kFstVT] = set.VTF;
  FST[kFstML] = set.MLF;
  FST[kFstVL] = set.VLF;
}

FootingWeight footingWeight(const FootingDesign& fd, float f) {
  FootingWeight w;
  w.FWT = f * (fd.f.T * fd.sec.FAREA * kConcreteWeight +
               fd.SOILP * (fd.sec.FAREA - fd.CAREA));
  w.FWQ = f * (fd.SOILP + kConcreteWeight * fd.f.T);
  return w;
}

}  // namespace bentpier
