// Design or check of a footing on piles: every design-load set in turn,
// the pile spacing widened and piles added until the largest pile load is
// within the pile capacity and the smallest within the uplift allowance,
// the thickness increased until shear and moment capacities suffice; a
// pass that needed both more piles and more thickness is repeated from
// the thickness it started with.
#include <algorithm>
#include <cmath>

#include "design/footing/footing.h"
#include "design/footing/pile_arrangement.h"

namespace bentpier {
namespace {

// Spacing steps beyond this fail the footing: a range of pile spacings of
// some thousands of feet is no pile group.
constexpr double kMostPileSteps = 1.0e6;

// The most spacing steps and added piles one set can take from n piles:
// per pile count, every step widens BP or DP by its increment until one
// passes its largest spacing, and then a pile is added (one step more,
// and one for the float sums of the increments).
double pileStepBound(const FootingStrengths& k, int n) {
  const double range = std::max(0.0, double{k.p.MAXPLSP} - double{k.p.MINPLSP});
  double steps = 0;
  for (int m = std::max(n, kFewestPiles); m <= kMostPiles; ++m) {
    const PileArrangement& a = pileArrangement(m);
    steps += std::ceil(range * a.KBP / a.SBI) + std::ceil(range * a.KDP / a.SDI) + 2;
  }
  return std::min(steps, kMostPileSteps);
}

class PileFooting {
 public:
  PileFooting(FootingDesign& fd, FootingStrengths& k, Report& rep)
      : fd_(fd), k_(k), rep_(rep), f_(fd.f) {}

  void run();

 private:
  bool canThicken() const { return k_.design() && f_.DEL_T > 0.0f; }
  float minB(int n) const { return k_.p.MINPLSP * pileArrangement(n).KBP; }
  float maxB(int n) const { return k_.p.MAXPLSP * pileArrangement(n).KBP; }
  float minD(int n) const { return k_.p.MINPLSP * pileArrangement(n).KDP; }
  float maxD(int n) const { return k_.p.MAXPLSP * pileArrangement(n).KDP; }
  bool overloaded() const {
    return fd_.FST[kFstP1] > PA_ || fd_.FST[kFstP3] < UA_;
  }
  void fail(const Line& message) { failFooting(rep_, fd_, message); }
  bool geometryUsable();
  bool fitPiles();
  void resection(FootingState& F, float weightFactor);
  bool recheck(int m);
  bool designSet(int s);
  void finish(const FootingSteel& steel);

  FootingDesign& fd_;
  FootingStrengths& k_;
  Report& rep_;
  FootingData& f_;
  float PA_ = 0, UA_ = 0;  // allowable pile loads of the set in hand
  int steps_ = 0;          // spacing steps and added piles for the set in hand
  double stepBound_ = 0;   // the most the set in hand may take
};

// A footing whose piles or plan cannot be formed is not designed.
bool PileFooting::geometryUsable() {
  fd_.current = fd_.sets() >= 1 ? 1 : 0;
  if (f_.NP > kMostPiles) {
    fail(Line(kSkipLine)
             .text("MAXIMUM NUMBER OF PILES EXCEEDED IN FOOTING")
             .i(fd_.counter, 2));
    return false;
  }
  const bool spacing = k_.design()
                           ? k_.p.MINPLSP > 0.0f
                           : f_.BP > 0.0f && f_.DP > 0.0f && f_.B > 0.0f &&
                                 f_.D > 0.0f;
  if (!spacing || !(f_.T > 0.0f)) {
    fail(havingTrouble(fd_.counter));
    return false;
  }
  return true;
}

// Widens the spacing, or adds a pile, at least once and until the set in
// hand fits the piles.
bool PileFooting::fitPiles() {
  FootingState& F = fd_.FST;
  do {
    if (++steps_ > stepBound_) {
      fail(havingTrouble(fd_.counter));
      return false;
    }
    const PileArrangement& a = pileArrangement(f_.NP);
    const float BPMAX = maxB(f_.NP), DPMAX = maxD(f_.NP);
    bool addPile = true;
    if (f_.BP < BPMAX || f_.DP < DPMAX) {
      if (f_.SYM == 1) {
        f_.BP += a.SBI;
        f_.DP += a.SDI;
      } else if (F[kFstP4] < F[kFstP2]) {
        // The transverse moment governs: spread the piles along D.
        if (f_.DP >= DPMAX)
          f_.BP += a.SBI;
        else
          f_.DP += a.SDI;
      } else {
        if (f_.BP >= BPMAX)
          f_.DP += a.SDI;
        else
          f_.BP += a.SBI;
      }
      addPile = f_.BP > BPMAX || f_.DP > DPMAX;
    }
    if (addPile) {
      if (F[kFstP1] < PA_ && F[kFstP3] < UA_)
        rep_ << Line(kSkipLine)
                    .text("FOOTING")
                    .i(fd_.counter, 2)
                    .text(" IS BEING GOVERNED BY UPLIFT OF")
                    .f(F[kFstP3], 7, 3)
                    .text(" KIPS WITH")
                    .i(f_.NP, 3)
                    .text(" PILES");
      ++f_.NP;
      if (f_.NP > kMostPiles) {
        fail(Line(kSkipLine)
                 .text("MAXIMUM NUMBER OF PILES EXCEEDED IN FOOTING")
                 .i(fd_.counter, 2));
        return false;
      }
      f_.BP = minB(f_.NP);
      f_.DP = minD(f_.NP);
    }
    pileSection(fd_, k_);
    fd_.wt = footingWeight(fd_, kServiceWeightFactor);
    pileLoads(F, fd_);
  } while (overloaded());
  return true;
}

// Section, weight, pile loads and design forces of the state F at the
// current thickness.
void PileFooting::resection(FootingState& F, float weightFactor) {
  pileSection(fd_, k_);
  fd_.wt = footingWeight(fd_, weightFactor);
  pileLoads(F, fd_);
  pileDesignForces(F, fd_);
}

// Pile loads and design forces of a governing slot at the current
// arrangement; false when its pile loads are no longer allowable.
bool PileFooting::recheck(int m) {
  GoverningSlot& slot = fd_.GOV.slot[m];
  FootingState F = slot.FST;
  pileLoads(F, fd_);
  pileDesignForces(F, fd_);
  slot.FST = F;
  const float GF = F[kFstGF];
  return !(F[kFstP1] > GF * k_.p.PILECAP || F[kFstP3] < GF * k_.p.PILEUPL);
}

bool PileFooting::designSet(int s) {
  const FootingLoadRecord& set = fd_.set(s);
  fd_.current = s;
  FootingState& F = fd_.FST;
  F[kFstFCOL] = set.FCOL;
  F[kFstGF] = groupAllowanceFactor(set.GR);
  const float GF = F[kFstGF];
  PA_ = GF * k_.p.PILECAP;
  UA_ = GF * k_.p.PILEUPL;
  steps_ = 0;
  stepBound_ = pileStepBound(k_, f_.NP);
  bool first = true;
  bool reload = true;
  for (int evaluation = 1;; ++evaluation) {
    if (evaluation > kMaxSetEvaluations) {
      fail(havingTrouble(fd_.counter));
      return false;
    }
    if (reload) {
      loadServiceLoads(F, set);
      fd_.wt = footingWeight(fd_, kServiceWeightFactor);
    }
    pileLoads(F, fd_);
    if (k_.design() && overloaded()) {
      if (!fitPiles()) return false;
      first = false;
    }
    for (;;) {
      pileDesignForces(F, fd_);
      const bool slotsEmpty =
          fd_.GOV.slot[kSlotP3].FST[kFstP3] == kGovSmallestReset;
      if (slotsEmpty || first) break;
      const bool p1Holds = recheck(kSlotP1);
      const bool p3Holds = recheck(kSlotP3);
      if (p1Holds && p3Holds) break;
      if (!fitPiles()) return false;
    }
    updateGoverning(fd_.GOV, kSlotP1, F, s);
    updateGoverning(fd_.GOV, kSlotP3, F, s);

    const float weightFactor =
        k_.serviceMethod() ? kServiceWeightFactor : kFactoredWeightFactor;
    if (!k_.serviceMethod()) {
      loadFactoredLoads(F, set);
      k_.VPK = punchingStress(k_, fd_.sec.BETA, 1.0f);
      F[kFstGF] = 1.0f;
      fd_.wt = footingWeight(fd_, weightFactor);
      pileLoads(F, fd_);
      pileDesignForces(F, fd_);
    }

    if (canThicken()) {
      const int steps = thickenUntilSufficient(fd_, k_, F, F[kFstGF], [&] {
        resection(F, weightFactor);
      });
      if (steps < 0) {
        fail(havingTrouble(fd_.counter));
        return false;
      }
      if (steps > 0) {
        first = false;
        F[kFstGF] = GF;
        reload = !k_.serviceMethod();
        continue;
      }
    }

    if (k_.design() && s > 1 && !first) {
      // The governing sets at the new group, and the thickness they need.
      for (int m = kSlotMT; m <= kSlotVL; ++m) recheck(m);
      if (canThicken()) {
        const int steps = thickenForGoverningSlots(
            fd_, k_, [&](FootingState& slot) { resection(slot, weightFactor); });
        if (steps < 0) {
          fail(havingTrouble(fd_.counter));
          return false;
        }
        if (steps > 0) {
          F[kFstGF] = GF;
          reload = !k_.serviceMethod();
          continue;
        }
      }
    }
    for (int m = kSlotMT; m <= kSlotVL; ++m) updateGoverning(fd_.GOV, m, F, s);
    return true;
  }
}

void PileFooting::finish(const FootingSteel& steel) {
  printDesignLoads(rep_, fd_);
  printResults(rep_, fd_, steel, k_.p.PILECAP);
  keepFootingFindings(fd_, k_, steel);
  rep_ << Line(kSkipLine)
              .text("NUMBER OF PILES =")
              .i(f_.NP, 3)
              .text("  BP =")
              .f(f_.BP, 6, 3)
              .text("  DP =")
              .f(f_.DP, 6, 3);
  if (f_.SYM == 2) printRotationNote(rep_);
}

void PileFooting::run() {
  if (f_.NP < kFewestPiles) f_.NP = kFewestPiles;
  if (!geometryUsable()) return;
  int NP0 = f_.NP;
  float T0 = f_.T;
  int repeats = 0, thickenings = 0;
  for (;;) {
    if (k_.design()) {
      f_.BP = minB(f_.NP);
      f_.DP = minD(f_.NP);
    }
    pileSection(fd_, k_);
    fd_.wt = footingWeight(fd_, kServiceWeightFactor);
    for (int s = 1; s <= fd_.sets(); ++s)
      if (!designSet(s)) return;
    if (f_.NP == NP0 || f_.T == T0) {
      const FootingSteel steel = reinforceFooting(fd_, k_);
      const int uncarried = canThicken() ? slotBeyondSteel(fd_, k_, steel) : 0;
      if (uncarried == 0) {
        finish(steel);
        return;
      }
      // The bars stand higher than the thickness check assumed: the pass
      // again from a thicker footing, with the piles it ended with.
      if (++thickenings > kMaxThicknessSteps) {
        fd_.current = fd_.GOV.slot[uncarried].set;
        break;
      }
      T0 = f_.T + f_.DEL_T;
      NP0 = f_.NP;
    } else {
      // More piles and a thicker footing: the thickness may have been
      // forced by the smaller groups. Try again from the thickness the pass
      // started with and one pile fewer than it ended with (never fewer
      // than before).
      if (++repeats >= kMaxPilePasses) break;
      NP0 = f_.NP - NP0 > 1 ? f_.NP - 1 : f_.NP;
    }
    f_.NP = NP0;
    f_.T = T0;
    resetGoverning(fd_.GOV);
  }
  fail(havingTrouble(fd_.counter));
}

}  // namespace

void designPileFooting(FootingDesign& fd, FootingStrengths& k, Report& rep) {
  PileFooting(fd, k, rep).run();
}

}  // namespace bentpier
