// Ranking of the design-load combinations: per column end the 25 most
// severe sets after moment magnification for slenderness, per footing the
// 25 most severe sets of service and factored loads without impact.
#pragma once

#include "frame/column_forces.h"
#include "frame/combination.h"
#include "input/problem.h"

namespace bentpier {

// A bent whose columns are piles.
inline bool isPileBent(const Problem& p) { return p.PILECODE != 0 || p.col[1].S == 'P'; }

// Clears the column lists (both ends, and the pile lateral-load lists).
void resetColumnLists(Problem& p);
// Clears the footing lists.
void resetFootingLists(Problem& p);

// Converts a key to an integer by truncation toward zero (NaN gives 0, and
// magnitudes beyond the integer range are held at its ends).
int truncatedKey(float key);

// Offers a set with integer key k to a list: it enters only when k is
// greater than the smallest key kept, and goes behind every set whose key
// is not smaller (equal keys keep their order of arrival). Returns the slot
// to be filled, or 0 when the set does not enter. The list's ORDER is formed
// by finishRankedList once every set is offered.
template <typename Set>
int enterList(RankedList<Set>& list, int key);

// Forms ORDER of a list from the sets that entered.
template <typename Set>
void finishRankedList(RankedList<Set>& list);

// Forms ORDER of every column, pile and footing list of the problem, once
// the load combinations are all offered.
void finishRanking(Problem& p);

// Moment magnification of one moment: the minimum eccentricity e (feet)
// under the axial load P, then the magnifier delta (a pile bent never
// takes a magnifier below 1). Returns delta x |M|, or that of e P.
float magnify(float moment, float axial, float e, float delta, bool pileBent);

// Offers the combination cb, whose forces the column force set f holds, to
// the column lists; deadLoad holds the dead load of the pass (rows V..RF).
void rankForColumns(Problem& p, const ColumnForces& f, const Combination& cb,
                    const ForceRows& deadLoad);

// Offers the combination cb, whose forces f holds, to the footing lists.
void rankForFootings(Problem& p, const ColumnForces& f, const Combination& cb);

}  // namespace bentpier
