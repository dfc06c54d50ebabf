// Cap results of the load cases and their envelopes: the column-face table
// X and the bearing-point table CP of the store (slot meanings in
// input/problem.h), filled from the cap values of the column force set f
// after the bearing-point correction, or added into f.
#pragma once

#include "frame/column_forces.h"
#include "input/problem.h"

namespace bentpier {

// X slots of ML and MR and the CP slot of MP for one kind of cap moment.
struct MomentSlots {
  int left, right, point;
};
// X slots of VCL and VCR and the CP slots of VPL and VPR.
struct ShearSlots {
  int left, right, pointLeft, pointRight;
};

inline constexpr ShearSlots kDeadLoadShears{1, 2, 2, 3};
inline constexpr MomentSlots kDeadLoadMoments{3, 4, 1};
inline constexpr ShearSlots kGroupOneMaxShears{5, 6, 5, 6};
inline constexpr MomentSlots kGroupOneMaxMoments{7, 8, 4};
inline constexpr ShearSlots kGroupOneMinShears{9, 10, 8, 9};
inline constexpr MomentSlots kGroupOneMinMoments{11, 12, 7};
inline constexpr MomentSlots kGroupTwoMax{13, 14, 10};
inline constexpr MomentSlots kGroupTwoMin{15, 16, 11};
inline constexpr MomentSlots kGroupThreeMax{17, 18, 12};
inline constexpr MomentSlots kGroupThreeMin{19, 20, 13};
inline constexpr MomentSlots kEnvelopeBMax{21, 23, 14};
inline constexpr MomentSlots kEnvelopeBMin{22, 24, 15};
inline constexpr ShearSlots kCentrifugalShears{25, 26, 17, 18};
inline constexpr MomentSlots kCentrifugalMoments{27, 28, 16};
inline constexpr ShearSlots kStreamFlowShears{29, 30, 20, 21};
inline constexpr MomentSlots kStreamFlowMoments{31, 32, 19};

// The cap moments of the set (ML, MR, MP), kept aside during a live-load case.
struct CapMoments {
  ColumnRow ML{}, MR{};
  BearingTable MP{};
};

// Slot = current value, at every column face and bearing point.
void storeCapShears(Problem& p, const ColumnForces& f, ShearSlots to);
void storeCapMoments(Problem& p, const ColumnForces& f, MomentSlots to);
// Current += slot x factor, at every column face and bearing point.
void addCapShears(const Problem& p, ColumnForces& f, ShearSlots from, float factor = 1.0f);
void addCapMoments(const Problem& p, ColumnForces& f, MomentSlots from, float factor = 1.0f);
// Current += slot x factor on the spans only: the faces of the columns
// towards the spans and the span bearing points.
void addCapShearsOnSpans(const Problem& p, ColumnForces& f, ShearSlots from, float factor);
void addCapMomentsOnSpans(const Problem& p, ColumnForces& f, MomentSlots from, float factor);
// Current shears x= factor, in place.
void scaleCapShears(const Problem& p, ColumnForces& f, float factor);

CapMoments saveCapMoments(const ColumnForces& f);
// Current moments = saved x factor.
void restoreCapMoments(const Problem& p, ColumnForces& f, const CapMoments& saved, float factor);

// Replaces a maximum (minimum) by the current value when that is strictly
// greater (smaller).
void updateMomentEnvelope(Problem& p, const ColumnForces& f, MomentSlots max, MomentSlots min);
void updateShearEnvelope(Problem& p, const ColumnForces& f, ShearSlots max, ShearSlots min);
// Group I: shears and moments, maxima and minima.
void updateGroupOne(Problem& p, const ColumnForces& f);
// Envelope B: moments.
void updateEnvelopeB(Problem& p, const ColumnForces& f);
// On the spans, the current moments plus and minus the unit-wind moments
// times |FTRAN| against the maximum and the minimum.
void updateWithWind(Problem& p, const ColumnForces& f, MomentSlots max, MomentSlots min);

// The dead-load cap values, which also start every envelope.
void storeDeadLoadCapValues(Problem& p, const ColumnForces& f);
void storeStreamFlowCapValues(Problem& p, const ColumnForces& f);
void storeCentrifugalCapValues(Problem& p, const ColumnForces& f);
void storeUnitWindCapMoments(Problem& p, const ColumnForces& f);

// The current cap moments (after the bearing-point correction) times factor.
CapMomentTable scaledCapMoments(const Problem& p, const ColumnForces& f, float factor);

// Group VI: the group III envelopes with the cap moments of the expansion or
// of the shrinkage of the cap, whichever of the cases present gives the
// greater maximum (smaller minimum). Without group III combinations or
// without either case the envelopes keep the dead load, as every envelope
// starts.
void formGroupSixEnvelope(Problem& p, bool groupThree, bool expansion, bool shrinkage);

// Group II moments on the spans: the dead load with the first group II
// wind (FTRAN holds its transverse force plus the wind on the pier), then
// with stream flow too when there is any.
void updateGroupTwoEnvelope(Problem& p, ColumnForces& f, bool streamFlow);

// The cap envelopes of one live-load case with `lanes` lanes and lane factor
// nl, after its bearing-point correction, in f. FTRAN holds the group III
// lateral force plus nl times the traction transverse force of one lane; the
// live-load factor betal and METHOD decide the factoring.
void updateLiveLoadEnvelopes(Problem& p, ColumnForces& f, float betal, int lanes, float nl,
                             bool streamFlow, bool centrifugal);

}  // namespace bentpier
