// The pile tables of a pile bent: the set of each pile with the largest
// load over its group factor, against the allowable load raised by that
// factor, with values worked by hand.
#include <gtest/gtest.h>

#include <string>

#include "column_stage_fixture.h"

namespace bentpier::column {
namespace {

using testing::loadSet;
using testing::placeSets;

KeptSet pileSet(char gr, const char* llid, float pf, float vlf = 0.0f) {
  KeptSet s = loadSet(gr, pf);
  s.LLID = llid;
  s.VLF = vlf;
  return s;
}

// A bent on two type 2 piles; the stage reads only the column count.
struct PileBent {
  std::unique_ptr<Problem> p = std::make_unique<Problem>();
  PileBent() {
    p->dd.COLOPT = 'D';
    p->dd.METHOD = 'L';
    p->PILECODE = 2;
    p->col[1].S = p->col[2].S = 'P';
    p->cs.PILECAP = 70.0f;
    p->rec.COLREC.append(writeColumnCountRecord(2));
  }
  std::vector<std::string> run() { return testing::runStage(*p); }
};

TEST(PileTables, LargestLoadOverGroupFactorWithItsAllowableLoad) {
  PileBent bent;
  auto& axial1 = bent.p->lists.COL[1][kTopEnd];
  // Ratios 120/1.25 = 96, 100/1 = 100, 139/1.4 = 99.3, 125/1.25 = 100: the
  // first of the two equal ratios keeps the place.
  placeSets(axial1, {pileSet('3', "L1", 120.0f), pileSet('1', "L2", 100.0f),
                     pileSet('5', "L3", 139.0f), pileSet('2', "L4", 125.0f)});
  auto& axial2 = bent.p->lists.COL[2][kTopEnd];
  // 80, 140/1.4 = 100, 120/1.33 = 90.2: group V, PA = 70 x 1.4 = 98.
  placeSets(axial2,
            {pileSet('1', "L1", 80.0f), pileSet('5', "L2", 140.0f), pileSet('B', "L3", 120.0f)});
  // A bottom-end set never counts.
  placeSets(bent.p->lists.COL[2][kBottomEnd], {pileSet('1', "L9", 500.0f)});
  auto& lateral1 = bent.p->lists.PILE[1][kTopEnd];
  // |VLF| over the factor: 3, 5/1.25 = 4, 5.2/1.33 = 3.9: group II, VLA = 2.5.
  placeSets(lateral1, {pileSet('1', "L1", 10.0f, 3.0f), pileSet('2', "L2", 20.0f, -5.0f),
                       pileSet('7', "L3", 30.0f, 5.2f)});
  KeptSet full = pileSet('3', "L2", 140.0f, 4.0f);
  full.WC = 42;
  full.FLAGR = 'R';
  full.FLAGE = 'E';
  full.FLAGC = 'C';
  full.FLAGS = 'S';
  full.MTF = -12.5f;
  full.MLF = 33.26f;
  // Lateral list of pile 2: only the mirrored case.
  placeSets(bent.p->lists.PILE[2][kTopEnd], {full});

  const std::string blankFlags(12, ' ');
  const std::vector<std::string> expected = {
      "1+++++" + std::string(33, ' ') + "TYPE 2   PILES",
      "0" + std::string(36, ' ') + "CRITICAL PILE LOADS",
      " " + std::string(36, ' ') + "    MAX. P-LOAD",
      "0    T                  E  C  S",
      " CN  B  GR  LLC  WC  R  S  F  F    PF     MTF    MLF     VLF     PA",
      "0 1  T  1  L2   0.0" + blankFlags + "  100.0     0.0    0.0    0.0    70.0",
      "0 2  T  5  L2   0.0" + blankFlags + "  140.0     0.0    0.0    0.0    98.0",
      " NOTE: *** AXIAL LOAD EXCEEDS THE ALLOWABLE AT PILE  1  2 ***",
      "0" + std::string(36, ' ') + "    MAX. VL-LOAD",
      "0    T                  E  C  S",
      " CN  B  GR  LLC  WC  R  S  F  F    PF     MTF    MLF     VLF     VLA",
      "0 1  T  2  L2   0.0" + blankFlags + "   20.0     0.0    0.0   -5.0     2.5",
      "0 2  T  3  L2   4.2  R  E  C  S  140.0   -12.5   33.3    4.0     2.5",
      " NOTE: *** LATERAL LOAD EXCEEDS THE ALLOWABLE AT PILE  1  2 ***",
  };
  EXPECT_EQ(bent.run(), expected);
}

TEST(PileTables, ANoteNamesOnlyThePilesAboveTheirAllowableLoad) {
  // PA = 70 x 1.25 = 87.5 in group II: 87.5 is carried, 87.6 is not. VLA =
  // 2 x 1.25 = 2.5: |-2.5| is carried, so the lateral table has no note.
  PileBent bent;
  placeSets(bent.p->lists.COL[1][kTopEnd], {pileSet('2', "L1", 87.5f)});
  placeSets(bent.p->lists.COL[2][kTopEnd], {pileSet('2', "L1", 87.6f)});
  placeSets(bent.p->lists.PILE[1][kTopEnd], {pileSet('2', "L1", 10.0f, -2.5f)});
  placeSets(bent.p->lists.PILE[2][kTopEnd], {pileSet('2', "L1", 10.0f, 2.5f)});
  int notes = 0;
  for (const std::string& l : bent.run())
    if (l.find("NOTE") != std::string::npos) {
      EXPECT_EQ(l, " NOTE: *** AXIAL LOAD EXCEEDS THE ALLOWABLE AT PILE  2 ***");
      ++notes;
    }
  EXPECT_EQ(notes, 1);
  EXPECT_FALSE(bent.p->results.piles.axial[0].over_allowable);
  EXPECT_TRUE(bent.p->results.piles.axial[1].over_allowable);
}

TEST(PileTables, CriticalSetOfAnEmptyListIsItsFirstPosition) {
  RankedList<KeptSet> empty;
  EXPECT_EQ(criticalPileSet(empty, false, 'L'), 1);
  EXPECT_EQ(criticalPileSet(empty, true, 'L'), 1);

  // Uplift only: no positive ratio, the first position is printed.
  RankedList<KeptSet> uplift;
  placeSets(uplift, {pileSet('1', "L1", -20.0f), pileSet('1', "L2", -10.0f)});
  EXPECT_EQ(criticalPileSet(uplift, false, 'S'), 1);

  // Groups VII and B share 1.33, group A keeps 1.0: 133/1.33 < 101/1.0.
  RankedList<KeptSet> groups;
  placeSets(groups,
            {pileSet('7', "L1", 133.0f), pileSet('A', "L2", 101.0f), pileSet('B', "L3", 134.0f)});
  EXPECT_EQ(criticalPileSet(groups, false, 'S'), 2);
}

TEST(PileTables, PileTypeNames) {
  EXPECT_EQ(pileTypeName(1), "TYPE 1 ");
  EXPECT_EQ(pileTypeName(4), "TYPE 4 ");
  EXPECT_EQ(pileTypeName(5), "SPECIAL");
}

}  // namespace
}  // namespace bentpier::column
