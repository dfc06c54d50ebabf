// The table of governing design-load sets of a footing and the design-loads
// table printed from it.
#include <cmath>

#include "design/footing/footing.h"

namespace bentpier {
namespace {

constexpr std::array<int, kGovSlots + 1> kSlotElement = {
    0, kFstP1, kFstMTF, kFstVBF, kFstVPF, kFstMLF, kFstVLF, kFstP3};

constexpr std::array<const char*, kGovSlots + 1> kSlotLabel = {
    "", "MAX.P1", "MAX.MT", "MAX.VT", "MAX.VP", "MAX.ML", "MAX.VL", "MAX.P3"};

// The live-load identifier in its four columns.
std::string fourColumns(const std::string& s) {
  std::string out = s.substr(0, 4);
  out.resize(4, ' ');
  return out;
}

// The originating column as a whole number; 0 when it is not one.
long columnNumber(float FCOL) {
  if (!(std::fabs(FCOL) < 1.0e6f)) return 0;
  return std::lround(FCOL);
}

}  // namespace

int governingElement(int slot) { return kSlotElement[slot]; }

void resetGoverning(GoverningTable& GOV) {
  for (int m = 1; m <= kGovSlots; ++m) {
    GoverningSlot& s = GOV.slot[m];
    s = GoverningSlot{};
    s.FST[governingElement(m)] =
        m == kSlotP3 ? kGovSmallestReset : kGovLargestReset;
    s.FST[kFstGF] = 1.0f;
  }
}

void updateGoverning(GoverningTable& GOV, int m, const FootingState& FST,
                     int set) {
  GoverningSlot& s = GOV.slot[m];
  const size_t e = static_cast<size_t>(governingElement(m));
  const float current = FST[e] / FST[kFstGF];
  const float kept = s.FST[e] / s.FST[kFstGF];
  const bool replace = m == kSlotP3 ? current < kept : current > kept;
  if (!replace) return;
  s.FST = FST;
  s.set = set;
}

void printDesignLoads(Report& rep, FootingDesign& fd) {
  // The longitudinal slots show their own moment and shear in the MTF and
  // VBF columns.
  for (int m : {kSlotML, kSlotVL}) {
    FootingState& F = fd.GOV.slot[m].FST;
    F[kFstMTF] = F[kFstMLF];
    F[kFstVBF] = F[kFstVLF];
  }
  if (fd.counter % 2 == 1) rep << Line(kNextLine);
  rep << Line(kNextLine);
  rep << Line(kNextLine);
  rep << Line(kNextLine).blanks(55).text("FOOTING").i(fd.counter, 2).text(
      " DESIGN LOADS");
  rep << Line(kSkipLine)
             .text("F G LLID   WC  ES  C  S")
             .blanks(7)
             .text("P")
             .blanks(8)
             .text("MT      VT ")
             .blanks(6)
             .text("ML")
             .blanks(6)
             .text("VL      P4      P3      P2      P1")
             .blanks(6)
             .text("MTF")
             .blanks(5)
             .text("VBF")
             .blanks(5)
             .text("VPF     LOAD");
  fd.outcome.design_loads.clear();
  for (int m = 1; m <= kGovSlots; ++m) {
    const GoverningSlot& s = fd.GOV.slot[m];
    const bool known = s.set >= 1 && s.set <= fd.sets();
    const FootingState& F = s.FST;
    FootingDesignLoad row;
    row.label = kSlotLabel[static_cast<size_t>(m)];
    row.set = known ? s.set : 0;
    row.id = footingSetId(known ? fd.set(s.set) : FootingLoadRecord{});
    row.id.column = static_cast<int>(columnNumber(F[kFstFCOL]));
    row.P = F[kFstP];
    row.MT = F[kFstMT];
    row.VT = F[kFstVT];
    row.ML = F[kFstML];
    row.VL = F[kFstVL];
    row.P4 = F[kFstP4];
    row.P3 = F[kFstP3];
    row.P2 = F[kFstP2];
    row.P1 = F[kFstP1];
    row.MTF = F[kFstMTF];
    row.VBF = F[kFstVBF];
    row.VPF = F[kFstVPF];
    row.GF = F[kFstGF];
    fd.outcome.design_loads.push_back(row);
  }
  for (const FootingDesignLoad& row : fd.outcome.design_loads) {
    const FootingSetId& id = row.id;
    Line line(kSkipLine);
    line.i(id.column, 1)
        .blanks(1)
        .ch(id.GR)
        .blanks(1)
        .text(fourColumns(id.LLID))
        .f(id.WC, 5, 1)
        .ch(id.FLAGR)
        .blanks(2)
        .ch(id.FLAGE)
        .blanks(2)
        .ch(id.FLAGC)
        .blanks(2)
        .ch(id.FLAGS)
        .blanks(2)
        .f(row.P, 9, 2)
        .f(row.MT, 9, 2)
        .f(row.VT, 8, 2)
        .f(row.ML, 9, 2)
        .f(row.VL, 8, 2);
    for (float v : {row.P4, row.P3, row.P2, row.P1, row.MTF, row.VBF, row.VPF}) line.f(v, 8, 3);
    line.blanks(2).text(row.label);
    rep << line;
  }
}

FootingSetId footingSetId(const FootingLoadRecord& set) {
  return FootingSetId{static_cast<int>(columnNumber(set.FCOL)), set.GR, set.LLID, set.WC,
                      set.FLAGR, set.FLAGE, set.FLAGC, set.FLAGS};
}

}  // namespace bentpier
