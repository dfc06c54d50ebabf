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
  const FootingSetRecord none;
  for (int m = 1; m <= kGovSlots; ++m) {
    const GoverningSlot& s = fd.GOV.slot[m];
    const FootingSetRecord& set =
        s.set >= 1 && s.set <= fd.sets() ? fd.set(s.set) : none;
    const FootingState& F = s.FST;
    Line line(kSkipLine);
    line.i(columnNumber(F[kFstFCOL]), 1)
        .blanks(1)
        .ch(set.GR)
        .blanks(1)
        .text(fourColumns(set.LLID))
        .f(set.WC, 5, 1)
        .ch(set.FLAGR)
        .blanks(2)
        .ch(set.FLAGE)
        .blanks(2)
        .ch(set.FLAGC)
        .blanks(2)
        .ch(set.FLAGS)
        .blanks(2)
        .f(F[kFstP], 9, 2)
        .f(F[kFstMT], 9, 2)
        .f(F[kFstVT], 8, 2)
        .f(F[kFstML], 9, 2)
        .f(F[kFstVL], 8, 2);
    for (int e = kFstP4; e <= kFstVPF; ++e)
      line.f(F[e], 8, 3);
    line.blanks(2).text(kSlotLabel[m]);
    rep << line;
  }
}

}  // namespace bentpier
