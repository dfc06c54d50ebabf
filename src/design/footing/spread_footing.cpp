// Design or check of a spread footing on soil: every design-load set in
// turn, the plan enlarged until the corner soil pressure is allowable, the
// thickness increased until shear and moment capacities suffice, the
// governing sets kept; then the tables of the footing.
#include <initializer_list>

#include "design/footing/footing.h"

namespace bentpier {
namespace {

constexpr int kMaxRatioSteps = 100;      // plan steps of one enlargement
// Only a lengthening actually made is taken back, never below the plan as
// read; float sums of the increments may miss that plan by a little.
constexpr float kPlanTolerance = 0.001f;  // ft

class SpreadFooting {
 public:
  SpreadFooting(FootingDesign& fd, FootingStrengths& k, Report& rep)
      : fd_(fd), k_(k), rep_(rep), f_(fd.f) {}

  void run();

 private:
  bool canEnlarge() const {
    return k_.design() && f_.DEL_B + f_.DEL_D > 0.0f;
  }
  bool canThicken() const { return k_.design() && f_.DEL_T > 0.0f; }

  void fail(const Line& message) { failFooting(rep_, fd_, message); }

  // Soil pressure of the current FST; false when the footing fails. Sets
  // unresolved_ when the pressures are only those of full contact (or
  // unsettled) and the plan may still grow.
  bool pressure();
  bool designSet(int s);
  bool enlargePlan(const FootingState& by);
  bool reevaluate(std::initializer_list<int> slots, int* outgrown = nullptr);
  void setSection() { fd_.sec = spreadSection(f_, k_.p.REBARCLR); }

  FootingDesign& fd_;
  FootingStrengths& k_;
  Report& rep_;
  FootingData& f_;
  bool unresolved_ = false;
};

bool SpreadFooting::pressure() {
  const SoilContact c = soilPressure(fd_.FST, fd_.sec, f_.T, fd_.wt.FWT);
  unresolved_ = false;
  if (c == SoilContact::kFull || c == SoilContact::kPartial) return true;
  if (canEnlarge()) {
    unresolved_ = true;
    return true;
  }
  if (c == SoilContact::kOutside)
    rep_ << Line(kSkipLine)
                .text("UNSTABLE LOAD CONDITION ON FOOTING")
                .i(fd_.counter, 2);
  else
    rep_ << Line(kSkipLine)
                .text("TOO MANY ITERATIONS TO FIND SOIL STRESS FOR FOOTING")
                .i(fd_.counter, 2);
  fail(havingTrouble(fd_.counter));
  return false;
}

// Enlarges the plan for the state `by`, whose pressure is too high.
bool SpreadFooting::enlargePlan(const FootingState& by) {
  bool stepD = (by[kFstP4] < by[kFstP2] && f_.DEL_D > 0.0f) ||
               (by[kFstP4] >= by[kFstP2] && f_.DEL_B <= 0.0f);
  bool backB = false, backD = false;
  for (int steps = 1;; ++steps) {
    if (stepD)
      f_.D += f_.DEL_D;
    else
      f_.B += f_.DEL_B;
    if (steps > kMaxRatioSteps) {
      fail(havingTrouble(fd_.counter));
      return false;
    }
    if (f_.B / f_.D > f_.R_BD) {
      if (f_.DEL_D <= 0.0f) break;
      // Take the last lengthening back and widen instead.
      if (!backD && f_.DEL_B > 0.0f &&
          f_.B - f_.DEL_B >= fd_.BMIN - kPlanTolerance) {
        f_.B -= f_.DEL_B;
        backB = true;
      }
      stepD = true;
    } else if (f_.D / f_.B > f_.R_DB) {
      if (f_.DEL_B <= 0.0f) break;
      if (!backB && f_.DEL_D > 0.0f &&
          f_.D - f_.DEL_D >= fd_.DMIN - kPlanTolerance) {
        f_.D -= f_.DEL_D;
        backD = true;
      }
      stepD = false;
    } else {
      return true;
    }
  }
  fail(Line(kSkipLine)
           .text("SIDE RATIOS TOO RESTRICTING FOR FOOTING")
           .i(fd_.counter, 2));
  return false;
}

// Soil pressure and design forces of the governing slots at the size in
// hand. `outgrown`, when given, receives the first slot whose pressure is
// then above its allowable (or unsettled while the plan may grow), or 0.
bool SpreadFooting::reevaluate(std::initializer_list<int> slots, int* outgrown) {
  if (outgrown != nullptr) *outgrown = 0;
  const FootingState kept = fd_.FST;
  int before = 0;  // set of the slot re-evaluated just before
  for (int m : slots) {
    GoverningSlot& slot = fd_.GOV.slot[m];
    if (slot.set == 0) {
      before = 0;
      continue;
    }
    if (slot.set != before) {
      fd_.FST = slot.FST;
      if (!pressure()) return false;
      spreadDesignForces(fd_.FST, fd_);
      const FootingState& F = fd_.FST;
      if (outgrown != nullptr && *outgrown == 0 &&
          (unresolved_ || F[kFstP1] > k_.p.ALLSP * F[kFstGF]))
        *outgrown = m;
    }
    slot.FST = fd_.FST;
    before = slot.set;
  }
  fd_.FST = kept;
  return true;
}

bool SpreadFooting::designSet(int s) {
  const FootingLoadRecord& set = fd_.set(s);
  fd_.current = s;
  FootingState& F = fd_.FST;
  F[kFstFCOL] = set.FCOL;
  F[kFstGF] = groupAllowanceFactor(set.GR);
  const float GF = F[kFstGF];
  fd_.PALL = k_.p.ALLSP * GF;
  bool first = true;
  bool reload = true;
  for (int evaluation = 1;; ++evaluation) {
    if (evaluation > kMaxSetEvaluations) {
      fail(havingTrouble(fd_.counter));
      return false;
    }
    if (reload) loadServiceLoads(F, set);

    // Service loads: soil pressure at the current size.
    setSection();
    fd_.wt = footingWeight(fd_, kServiceWeightFactor);
    if (!pressure()) return false;
    if (canEnlarge() && (F[kFstP1] > fd_.PALL || unresolved_)) {
      if (!enlargePlan(F)) return false;
      first = false;
      reload = false;
      continue;
    }
    spreadDesignForces(F, fd_);
    if (s > 1 && !first) {
      // The sets governing the soil pressure at the new size: the heavier
      // footing may have pushed one of them above its allowable.
      int outgrown = 0;
      if (!reevaluate({kSlotP1, kSlotP3}, &outgrown)) return false;
      if (outgrown != 0 && canEnlarge()) {
        if (!enlargePlan(fd_.GOV.slot[outgrown].FST))
          return false;
        reload = false;
        continue;
      }
    }
    updateGoverning(fd_.GOV, kSlotP1, F, s);
    updateGoverning(fd_.GOV, kSlotP3, F, s);

    // Factored loads for the structural design forces.
    if (!k_.serviceMethod()) {
      loadFactoredLoads(F, set);
      fd_.wt = footingWeight(fd_, kFactoredWeightFactor);
      k_.VPK = punchingStress(k_, fd_.sec.BETA, 1.0f);
      F[kFstGF] = 1.0f;
      if (!pressure()) return false;
      spreadDesignForces(F, fd_);
    }

    if (canThicken()) {
      const int steps =
          thickenUntilSufficient(fd_, k_, F, F[kFstGF], [&] { setSection(); });
      if (steps < 0) {
        fail(havingTrouble(fd_.counter));
        return false;
      }
      if (steps > 0) {
        // Thicker and heavier: the set again from its service loads.
        first = false;
        F[kFstGF] = GF;
        reload = !k_.serviceMethod();
        continue;
      }
    }

    if (s > 1 && !first) {
      // The governing sets at the new size, and the thickness they need.
      if (!reevaluate({kSlotMT, kSlotVT, kSlotVP, kSlotML, kSlotVL}))
        return false;
      if (canThicken()) {
        const int steps = thickenForGoverningSlots(
            fd_, k_, [&](FootingState&) { setSection(); });
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

void SpreadFooting::run() {
  setSection();
  for (int thickenings = 0;; ++thickenings) {
    for (int s = 1; s <= fd_.sets(); ++s)
      if (!designSet(s)) return;
    const FootingSteel steel = reinforceFooting(fd_, k_);
    const int uncarried = canThicken() ? slotBeyondSteel(fd_, k_, steel) : 0;
    if (uncarried == 0) {
      printDesignLoads(rep_, fd_);
      printResults(rep_, fd_, steel, k_.p.ALLSP);
      keepFootingFindings(fd_, k_, steel);
      if (f_.SYM == 2) printRotationNote(rep_);
      return;
    }
    // The bars stand higher than the thickness check assumed: every set
    // again on a thicker footing.
    if (thickenings == kMaxThicknessSteps) {
      fd_.current = fd_.GOV.slot[uncarried].set;
      fail(havingTrouble(fd_.counter));
      return;
    }
    f_.T += f_.DEL_T;
    setSection();
    resetGoverning(fd_.GOV);
  }
}

}  // namespace

void designSpreadFooting(FootingDesign& fd, FootingStrengths& k, Report& rep) {
  SpreadFooting(fd, k, rep).run();
}

}  // namespace bentpier
