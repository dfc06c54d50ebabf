// The pile group under a footing: its section for the pile arrangement in
// hand, the pile loads of a rigid cap, and the per-foot design forces of
// the cap from the pile reactions.
#include <algorithm>
#include <cmath>

#include "design/footing/footing.h"
#include "design/footing/pile_arrangement.h"

namespace bentpier {
namespace {

constexpr float kHalfBarAssumed = 0.375f;  // in
constexpr float kHalfPile = 0.5f;          // ft: a pile counts from its centre +- 0.5 ft
constexpr float kFlatRatio = 1.0e6f;

// Part of a pile row at arm a from the column face that lies beyond a
// section at distance c from the face.
float fractionBeyond(float a, float c) {
  if (a == 0.0f) return 0.0f;
  return std::min(1.0f, std::max(0.0f, a + kHalfPile - c));
}

PileGroupLoads groupLoads(const FootingState& FST, const FootingDesign& fd) {
  PileGroupLoads g;
  g.MLB = std::fabs(FST[kFstML] + fd.f.T * FST[kFstVL]);
  g.MTB = std::fabs(FST[kFstMT] + fd.f.T * FST[kFstVT]);
  g.PILAVG = (fd.wt.FWT + FST[kFstP]) / static_cast<float>(fd.f.NP);
  return g;
}

}  // namespace

void pileSection(FootingDesign& fd, const FootingStrengths& k) {
  FootingData& f = fd.f;
  const PileArrangement& a = pileArrangement(f.NP);
  if (k.design()) {
    f.B = std::max(2.0f * (k.p.EDGEDIST + f.BP * static_cast<float>(a.NB1)),
                   fd.BMIN);
    f.D = std::max(2.0f * (k.p.EDGEDIST + f.DP * static_cast<float>(a.ND1)),
                   fd.DMIN);
  }
  FootingSection& s = fd.sec;
  s = FootingSection{};
  s.FAREA = f.B * f.D;
  s.HB = f.B / 2.0f;
  s.HD = f.D / 2.0f;
  // The piles stand PILEDEPTH into the footing; the depth counts above them.
  s.D0 = 12.0f * (f.T - k.p.PILEDEPTH);
  s.H2 = s.D0 * s.D0;
  s.D0 -= k.p.REBARCLR;
  s.DS = s.D0 - kHalfBarAssumed;
  s.DSF = s.DS / 12.0f;
  s.HDS = s.DSF / 2.0f;
  s.PB1 = std::min(s.DSF + f.BB, f.B);
  s.PD1 = std::min(s.DSF + f.DB, f.D);
  const float lo = std::min(s.PB1, s.PD1), hi = std::max(s.PB1, s.PD1);
  s.BETA = lo > 0.0f ? hi / lo : kFlatRatio;

  s.CLB = (f.B - f.BB) / 2.0f;
  s.CLD = (f.D - f.DB) / 2.0f;
  s.CLBS = s.CLB - std::min(s.CLB, s.DSF);
  s.CLDS = s.CLD - std::min(s.CLD, s.DSF);

  s.AB1 = std::max(0.0f, f.BP * static_cast<float>(a.NB1) - fd.BB2);
  s.AD1 = std::max(0.0f, f.DP * static_cast<float>(a.ND1) - fd.DB2);
  s.AB2 = std::max(0.0f, f.BP * static_cast<float>(a.RB2) - fd.BB2);
  s.AD2 = std::max(0.0f, f.DP * static_cast<float>(a.RD2) - fd.DB2);

  s.ZB1 = f.BP * a.SB1;
  s.ZB2 = f.BP * a.SB2;
  s.ZD1 = f.DP * a.SD1;
  s.ZD2 = f.DP * a.SD2;

  s.F1 = fractionBeyond(s.AB1, s.HDS);
  s.F2 = fractionBeyond(s.AD1, s.HDS);
  s.F3 = fractionBeyond(s.AB2, s.HDS);
  s.F4 = fractionBeyond(s.AD2, s.HDS);
  s.G1 = fractionBeyond(s.AB1, s.DSF);
  s.G2 = fractionBeyond(s.AD1, s.DSF);
  s.G3 = fractionBeyond(s.AB2, s.DSF);
  s.G4 = fractionBeyond(s.AD2, s.DSF);
}

PileGroupLoads pileLoads(FootingState& FST, const FootingDesign& fd) {
  const PileGroupLoads g = groupLoads(FST, fd);
  const float eL = g.MLB / fd.sec.ZB1;
  const float eT = g.MTB / fd.sec.ZD1;
  FST[kFstP1] = g.PILAVG + eL + eT;
  FST[kFstP2] = g.PILAVG + eT - eL;
  FST[kFstP3] = g.PILAVG - eL - eT;
  FST[kFstP4] = g.PILAVG + eL - eT;
  return g;
}

void pileDesignForces(FootingState& FST, const FootingDesign& fd) {
  const PileGroupLoads g = groupLoads(FST, fd);
  const FootingSection& s = fd.sec;
  const PileArrangement& a = pileArrangement(fd.f.NP);
  const float FWQ = fd.wt.FWQ;

  // Longitudinal cantilever: the outer and second pile rows along B.
  const float QB1 = static_cast<float>(a.NRB1) * (g.PILAVG + g.MLB / s.ZB1);
  const float QB2 = static_cast<float>(a.NRB2) * (g.PILAVG + g.MLB / s.ZB2);
  FST[kFstMLF] = (QB1 * s.AB1 + QB2 * s.AB2) / fd.f.D - s.CLB * s.CLB * FWQ / 2.0f;
  FST[kFstVLF] = (QB1 * s.G1 + QB2 * s.G3) / fd.f.D - s.CLBS * FWQ;

  // Punching: the piles outside the perimeter, by the zones the column's
  // position between the rows puts them in.
  if (fd.f.B <= s.PB1 || fd.f.D <= s.PD1) {
    FST[kFstVPF] = 0.0f;
  } else {
    const int kase = s.AD1 < s.AB1 ? 1 : (s.AB1 < s.AD1 ? 3 : 2);
    const std::array<int, 4>& z = a.NZ[kase - 1];
    const float piles = static_cast<float>(z[0]) * s.F1 +
                        static_cast<float>(z[1]) * s.F3 +
                        static_cast<float>(z[2]) * s.F2 +
                        static_cast<float>(z[3]) * s.F4;
    const float half = s.PB1 + s.PD1;
    FST[kFstVPF] = g.PILAVG * piles / half -
                   FWQ * (s.FAREA - s.PB1 * s.PD1) / (2.0f * half);
  }

  // Transverse cantilever: the rows along D.
  const float QD1 = static_cast<float>(a.NRD1) * (g.PILAVG + g.MTB / s.ZD1);
  const float QD2 = static_cast<float>(a.NRD2) * (g.PILAVG + g.MTB / s.ZD2);
  FST[kFstMTF] = (QD1 * s.AD1 + QD2 * s.AD2) / fd.f.B - s.CLD * s.CLD * FWQ / 2.0f;
  FST[kFstVBF] = (QD1 * s.G2 + QD2 * s.G4) / fd.f.B - s.CLDS * FWQ;
}

}  // namespace bentpier
