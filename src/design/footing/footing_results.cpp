// The footing's bottom reinforcement in both directions and the
// "ANALYSIS/DESIGN RESULTS" block.
#include <algorithm>
#include <string_view>

#include "base/bar_table.h"
#include "design/footing/footing.h"

namespace bentpier {
namespace {

float slotValue(const FootingDesign& fd, int slot, int element) {
  return fd.GOV.slot[slot].FST[element];
}

}  // namespace

FootingSteel reinforceFooting(FootingDesign& fd, FootingStrengths& k) {
  const float MT = slotValue(fd, kSlotMT, kFstMTF);
  const float ML = slotValue(fd, kSlotML, kFstMLF);
  const float GF2 = slotValue(fd, kSlotMT, kFstGF);
  const float GF3 = slotValue(fd, kSlotVT, kFstGF);
  const float GF4 = slotValue(fd, kSlotVP, kFstGF);
  const float GF5 = slotValue(fd, kSlotML, kFstGF);
  const float GF6 = slotValue(fd, kSlotVL, kFstGF);
  const bool service = k.serviceMethod();
  const FootingSection& s = fd.sec;
  float D0 = s.D0;

  FootingSteel steel;
  k.VPK = punchingStress(k, s.BETA, GF4);
  if (ML / GF5 < MT / GF2) {
    // Transverse bars in the lower layer, longitudinal bars on them.
    if (service) setServiceStresses(k, GF2, GF3);
    steel.bottom = designDirection(k, MT, fd.f.B, D0, s.H2, s.DS);
    D0 -= barOf(steel.bottom.BSIZE).diameter;
    if (service) setServiceStresses(k, GF5, GF6);
    steel.top = designDirection(k, ML, fd.f.D, D0, s.H2, steel.bottom.DS);
    steel.topLabel = "LONG";
    steel.bottomLabel = "TRAN";
  } else {
    if (service) setServiceStresses(k, GF5, GF6);
    steel.bottom = designDirection(k, ML, fd.f.D, D0, s.H2, s.DS);
    D0 -= barOf(steel.bottom.BSIZE).diameter;
    if (service) setServiceStresses(k, GF2, GF3);
    steel.top = designDirection(k, MT, fd.f.B, D0, s.H2, steel.bottom.DS);
    steel.topLabel = "TRAN";
    steel.bottomLabel = "LONG";
  }
  return steel;
}

int slotBeyondSteel(const FootingDesign& fd, FootingStrengths& k,
                    const FootingSteel& steel) {
  const bool tranOnTop = std::string_view(steel.topLabel) == "TRAN";
  struct Direction {
    const DirectionSteel& bars;
    float W;  // width the bars are spread across
    int momentSlot, momentElement, shearSlot, shearElement;
  };
  const Direction directions[] = {
      {tranOnTop ? steel.top : steel.bottom, fd.f.B, kSlotMT, kFstMTF, kSlotVT,
       kFstVBF},
      {tranOnTop ? steel.bottom : steel.top, fd.f.D, kSlotML, kFstMLF, kSlotVL,
       kFstVLF},
  };
  for (const Direction& d : directions) {
    const float GFM = slotValue(fd, d.momentSlot, kFstGF);
    const float GFV = slotValue(fd, d.shearSlot, kFstGF);
    if (k.serviceMethod()) setServiceStresses(k, GFM, GFV);
    k.VPK = punchingStress(k, fd.sec.BETA, slotValue(fd, kSlotVP, kFstGF));
    const float AST = d.bars.BSIZE == 0 ? 0.0f
                                        : barOf(d.bars.BSIZE).area *
                                              static_cast<float>(d.bars.NBAR) / d.W;
    const SectionCapacity c = sectionCapacities(k, d.bars.DS, AST);
    if (slotValue(fd, d.momentSlot, d.momentElement) > c.MCAP) return d.momentSlot;
    if (slotValue(fd, d.shearSlot, d.shearElement) > c.VBCAP) return d.shearSlot;
    // Punching is held against the shallower layer as well as the deeper.
    if (slotValue(fd, kSlotVP, kFstVPF) > c.VPCAP) return kSlotVP;
  }
  return 0;
}

namespace {

FootingDirection keptDirection(const DirectionSteel& d, const char* label, const char* layer) {
  return FootingDirection{label, layer, d.AS, d.NBAR, d.BSIZE, d.SPAC, d.MCAP, d.VBCAP,
                          d.VPCAP, d.DS, d.FCS};
}

void printDirection(Line& line, const FootingDirection& d, const char* face) {
  line.f(d.AS, 6, 2)
      .i(d.NBAR, 4)
      .text(" #")
      .i(d.BSIZE, 2)
      .text(" @")
      .f(d.SPAC, 6, 3)
      .text(face)
      .text(d.direction)
      .f(d.MCAP, 8, 3)
      .f(d.VBCAP, 8, 3)
      .f(d.VPCAP, 8, 3)
      .f(d.DS, 8, 3)
      .f(d.FCS, 7, 3);
}

}  // namespace

void printResults(Report& rep, FootingDesign& fd,
                  const FootingSteel& steel, float allowable) {
  const FootingState& F1 = fd.GOV.slot[kSlotP1].FST;
  FootingOutcome& kept = fd.outcome;
  kept.footing = fd.counter;
  kept.SP = fd.f.SP;
  kept.status = FootingOutcome::Status::kDesigned;
  kept.B = fd.f.B;
  kept.D = fd.f.D;
  kept.T = fd.f.T;
  kept.NP = fd.f.SP == 'P' ? fd.f.NP : 0;
  kept.P1_PA = allowable == 0.0f ? 0.0f : F1[kFstP1] / (allowable * F1[kFstGF]);
  kept.first = keptDirection(steel.top, steel.topLabel, "top");
  kept.second = keptDirection(steel.bottom, steel.bottomLabel, "bottom");

  rep << Line(kNextLine);
  rep << Line(kNextLine);
  rep << Line(kNextLine).blanks(35).text("FOOTING").i(kept.footing, 2).text(
      " ANALYSIS/DESIGN RESULTS");
  rep << Line(kSkipLine)
             .text("     FOOTING SIZE")
             .blanks(12)
             .text(" *   BAR REINFORCEMENT STEEL")
             .blanks(5)
             .text("*")
             .blanks(9)
             .text("SECTION CAPACITIES")
             .blanks(9)
             .text("*");
  rep << Line(kSkipLine)
             .text("   B       D       T    P1/PA   AS   NO.SIZE  SPAC.")
             .text(" PLACEMENT    MT.     VB      VP      DS      FC");

  Line first(kSkipLine);
  first.f(kept.B, 6, 3).f(kept.D, 8, 3).f(kept.T, 8, 3).f(kept.P1_PA, 7, 3);
  printDirection(first, kept.first, "  TOP ");
  rep << first;
  Line second(kSkipLine);
  second.blanks(29);
  printDirection(second, kept.second, "  BOT.");
  rep << second;
}

}  // namespace bentpier
