// What a designed footing is kept with beyond its printed tables: the
// corner soil pressures or pile loads of every design-load set on the
// footing as designed, and every check with its value and limit.
#include <algorithm>
#include <string_view>

#include "design/footing/footing.h"

namespace bentpier {
namespace {

const char* contactName(SoilContact c) {
  switch (c) {
    case SoilContact::kFull: return "full";
    case SoilContact::kPartial: return "partial";
    case SoilContact::kOutside: return "outside";
    case SoilContact::kUnresolved: return "unresolved";
  }
  return "";
}

// Every set under its service loads and the footing's own weight.
std::vector<FootingSetPressure> setPressures(const FootingDesign& fd, const FootingStrengths& k) {
  const bool pile = fd.f.SP == 'P';
  FootingDesign at = fd;  // the pile loads read the weight from the design
  at.wt = footingWeight(fd, kServiceWeightFactor);
  std::vector<FootingSetPressure> out;
  for (int s = 1; s <= fd.sets(); ++s) {
    const FootingLoadRecord& set = fd.set(s);
    FootingState F{};
    loadServiceLoads(F, set);
    FootingSetPressure row;  // loads as the footing carries them (turned when SYM is 2)
    row.set = s;
    row.id = footingSetId(set);
    row.P = set.PS;
    row.MT = set.MTS;
    row.VT = set.VTS;
    row.ML = set.MLS;
    row.VL = set.VLS;
    row.GF = groupAllowanceFactor(set.GR);
    if (pile) {
      pileLoads(F, at);
      row.allowable = k.p.PILECAP * row.GF;
      row.lowest = k.p.PILEUPL * row.GF;
    } else {
      row.contact = contactName(soilPressure(F, at.sec, fd.f.T, at.wt.FWT));
      row.allowable = k.p.ALLSP * row.GF;
    }
    row.P1 = F[kFstP1];
    row.P2 = F[kFstP2];
    row.P3 = F[kFstP3];
    row.P4 = F[kFstP4];
    out.push_back(row);
  }
  return out;
}

const GoverningSlot& slotOf(const FootingDesign& fd, int m) {
  return fd.GOV.slot[static_cast<size_t>(m)];
}

}  // namespace

void keepFootingFindings(FootingDesign& fd, const FootingStrengths& k,
                         const FootingSteel& steel) {
  FootingOutcome& kept = fd.outcome;
  const bool pile = fd.f.SP == 'P';
  if (pile) {
    kept.BP = fd.f.BP;
    kept.DP = fd.f.DP;
  }
  kept.sets = setPressures(fd, k);

  std::vector<FootingCheck>& checks = kept.checks;
  checks.clear();
  const GoverningSlot& p1 = slotOf(fd, kSlotP1);
  const float allowable = pile ? k.p.PILECAP : k.p.ALLSP;
  const char* load = pile ? "kip" : "ksf";
  checks.push_back({pile ? "pile load" : "soil pressure", kept.P1_PA, true, 1.0f, "ratio", true});
  checks.push_back({pile ? "largest pile load" : "largest soil pressure", p1.FST[kFstP1], true,
                    allowable * p1.FST[kFstGF], load, true});
  if (pile) {
    const GoverningSlot& p3 = slotOf(fd, kSlotP3);
    checks.push_back({"smallest pile load", p3.FST[kFstP3], true,
                      k.p.PILEUPL * p3.FST[kFstGF], load, false});
  }
  // Each direction's governing moment and beam shear per foot against the
  // capacities of its own bars; punching against the shallower layer.
  const bool tranOnTop = std::string_view(steel.topLabel) == "TRAN";
  const DirectionSteel& tran = tranOnTop ? steel.top : steel.bottom;
  const DirectionSteel& lng = tranOnTop ? steel.bottom : steel.top;
  checks.push_back({"TRAN moment", slotOf(fd, kSlotMT).FST[kFstMTF], true, tran.MCAP,
                    "kip-ft/ft", true});
  checks.push_back({"TRAN beam shear", slotOf(fd, kSlotVT).FST[kFstVBF], true, tran.VBCAP,
                    "kip/ft", true});
  checks.push_back({"LONG moment", slotOf(fd, kSlotML).FST[kFstMLF], true, lng.MCAP,
                    "kip-ft/ft", true});
  checks.push_back({"LONG beam shear", slotOf(fd, kSlotVL).FST[kFstVLF], true, lng.VBCAP,
                    "kip/ft", true});
  FootingCheck punching{"punching shear", slotOf(fd, kSlotVP).FST[kFstVPF], false, 0.0f,
                        "kip/ft", true};
  for (const DirectionSteel* d : {&steel.top, &steel.bottom}) {
    if (d->BSIZE == 0) continue;
    punching.limit = punching.has_limit ? std::min(punching.limit, d->VPCAP) : d->VPCAP;
    punching.has_limit = true;
  }
  checks.push_back(punching);
}

}  // namespace bentpier
