// Design-load ranking: the list procedure, moment magnification worked by
// hand for a two-column bent, pile bents, and the footing loads without
// impact.
#include "frame/design_load_ranking.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <random>

namespace bentpier {
namespace {

size_t at(int i) { return static_cast<size_t>(i); }

// The sets of a list in rank order, as the tags stored in their BD12 field.
std::vector<float> ranked(RankedList<ColumnLoadSet> list) {
  finishRankedList(list);
  std::vector<float> out;
  for (int i = 1; i <= kListSize; ++i) {
    const int s = list.ORDER[at(i)];
    if (list.KEY[at(s)] > 0) out.push_back(list.SET[at(s)].BD12);
  }
  return out;
}

// One combination offered to the lists, which are then read.
void rankColumns(Problem& p, const ColumnForces& f, const Combination& cb, const ForceRows& dead) {
  rankForColumns(p, f, cb, dead);
  finishRanking(p);
}
void rankFootings(Problem& p, const ColumnForces& f, const Combination& cb) {
  rankForFootings(p, f, cb);
  finishRanking(p);
}

void offer(RankedList<ColumnLoadSet>& list, int key, float tag) {
  if (const int s = enterList(list, key)) list.SET[at(s)].BD12 = tag;
}

TEST(RankingList, KeysAreTruncatedTowardZero) {
  EXPECT_EQ(truncatedKey(2.99f), 2);
  EXPECT_EQ(truncatedKey(-2.99f), -2);
  EXPECT_EQ(truncatedKey(0.999f), 0);
  EXPECT_EQ(truncatedKey(std::numeric_limits<float>::quiet_NaN()), 0);
  EXPECT_EQ(truncatedKey(1e20f), std::numeric_limits<int>::max());
  EXPECT_EQ(truncatedKey(std::numeric_limits<float>::infinity()), std::numeric_limits<int>::max());
}

TEST(RankingList, DescendingWithTiesInOrderOfArrival) {
  RankedList<ColumnLoadSet> list;
  offer(list, 5, 1);
  offer(list, 7, 2);
  offer(list, 5, 3);
  offer(list, 7, 4);
  offer(list, 6, 5);
  EXPECT_EQ(ranked(list), (std::vector<float>{2, 4, 5, 1, 3}));
}

TEST(RankingList, AKeyOfZeroOrLessNeverEnters) {
  RankedList<ColumnLoadSet> list;
  EXPECT_EQ(enterList(list, 0), 0);
  EXPECT_EQ(enterList(list, -3), 0);
  EXPECT_EQ(list.ORDER, initialListOrder());
  for (int k : list.KEY) EXPECT_EQ(k, 0);
}

TEST(RankingList, AFullListDropsTheSmallestAndRejectsEqualKeys) {
  RankedList<ColumnLoadSet> list;
  for (int k = 1; k <= 26; ++k) offer(list, k, static_cast<float>(k));
  std::vector<float> expected;
  for (int k = 26; k >= 2; --k) expected.push_back(static_cast<float>(k));
  EXPECT_EQ(ranked(list), expected);
  EXPECT_EQ(enterList(list, 2), 0);  // equal to the smallest kept
  offer(list, 3, 99.0f);             // goes behind the 3 already kept
  expected.back() = 99.0f;
  expected[expected.size() - 2] = 3.0f;
  EXPECT_EQ(ranked(list), expected);
}

// The list procedure on a sorted array of slots: the new set takes the slot
// of the last one and is moved in, shifting the later ones, behind every set
// whose key is not smaller.
struct ShiftingList {
  std::array<int, kListSize + 1> KEY{};
  std::array<int, kListSize + 1> ORDER = initialListOrder();
  int enter(int key) {
    const int s = ORDER[kListSize];
    if (!(KEY[at(s)] < key)) return 0;
    KEY[at(s)] = key;
    for (int i = 1; i < kListSize; ++i) {
      if (KEY[at(ORDER[at(i)])] < key) {
        for (int j = kListSize; j > i; --j) ORDER[at(j)] = ORDER[at(j - 1)];
        ORDER[at(i)] = s;
        break;
      }
    }
    return s;
  }
};

TEST(RankingList, SameSlotsOrderAndTiesAsTheSortedArray) {
  std::mt19937 random(22);
  const std::pair<int, int> keyRanges[] = {{-2, 6}, {0, 40}, {1, 1}, {0, 1000000},
                                           {std::numeric_limits<int>::max() - 3,
                                            std::numeric_limits<int>::max()}};
  for (const auto& [low, high] : keyRanges) {
    std::uniform_int_distribution<int> key(low, high);
    for (int trial = 0; trial < 40; ++trial) {
      SCOPED_TRACE(testing::Message() << "keys " << low << ".." << high << ", trial " << trial);
      RankedList<ColumnLoadSet> list;
      ShiftingList reference;
      const int offers = trial * 4;  // from an empty list to many times its length
      for (int n = 0; n < offers; ++n) {
        const int k = key(random);
        ASSERT_EQ(enterList(list, k), reference.enter(k)) << "offer " << n << ", key " << k;
        RankedList<ColumnLoadSet> finished = list;
        finishRankedList(finished);
        ASSERT_EQ(finished.ORDER, reference.ORDER) << "offer " << n;
        ASSERT_EQ(finished.KEY, reference.KEY);
      }
    }
  }
}

TEST(Magnification, MinimumEccentricityAndMagnifier) {
  // |M/P| = 0.01 < 0.1: M becomes 0.1 x 100 = 10.
  EXPECT_FLOAT_EQ(magnify(1.0f, 100.0f, 0.1f, 1.5f, false), 15.0f);
  // |M/P| = 0.5 >= 0.1: M kept, its magnitude magnified.
  EXPECT_FLOAT_EQ(magnify(-50.0f, 100.0f, 0.1f, 1.2f, false), 60.0f);
  // No axial load: the eccentricity test cannot apply.
  EXPECT_FLOAT_EQ(magnify(3.0f, 0.0f, 0.1f, 1.0f, false), 3.0f);
  // A negative magnifier (load above the critical load) is kept.
  EXPECT_FLOAT_EQ(magnify(20.0f, 100.0f, 0.1f, -2.0f, false), -40.0f);
  // A pile never takes a magnifier below 1.
  EXPECT_FLOAT_EQ(magnify(20.0f, 100.0f, 0.1f, -2.0f, true), 20.0f);
  EXPECT_FLOAT_EQ(magnify(20.0f, 100.0f, 0.1f, 0.5f, true), 20.0f);
}

// Two columns under the load-factor method, worked by hand:
// column 1: MT 100, MB -50, PC 400, PB 420, MTL 20, MBL 40, VL 2;
//           dead MT 60, MB -40 -> betad (0.6 + 0.8)/2 = 0.7.
// column 2: MT -30, MB -90, PC 300, PB 310; dead MT -45, MB 10
//           -> shares 1/1.5 and 0 -> betad 1/3.
std::unique_ptr<Problem> twoColumnCase(ForceRows& dead, ColumnForces& f, Combination& cb) {
  auto p = std::make_unique<Problem>();
  p->dd.NCOL = 2;
  p->dd.METHOD = 'L';
  cb.GAMMA = 1.3f;
  cb.PAVG = 0.5f;
  cb.ALLOWF = 1.0f;
  cb.GRPF = 1.0f;
  cb.BD12 = 1.0f;
  cb.GR = '1';
  cb.LLID = "HS20";
  cb.PHIC[1] = cb.PHIC[2] = 0.7f;
  ForceRows& r = f.row;
  r[kRowMT][1] = 100; r[kRowMB][1] = -50; r[kRowPC][1] = 400; r[kRowPB][1] = 420;
  r[kRowMTL][1] = 20; r[kRowMBL][1] = 40; r[kRowVL][1] = 2;
  r[kRowMT][2] = -30; r[kRowMB][2] = -90; r[kRowPC][2] = 300; r[kRowPB][2] = 310;
  dead[kRowMT][1] = 60; dead[kRowMB][1] = -40;
  dead[kRowMT][2] = -45; dead[kRowMB][2] = 10;
  ColumnProperties& c1 = p->colp[1];
  c1.FKBR = 40; c1.FKUBR = 30; c1.KLRL = 30;
  c1.PCBR = 9000; c1.PCUBR = 5000; c1.PCL = 8000;
  c1.EMIN = {0, 0.1f, 0.1f, 0.1f, 0.05f};
  ColumnProperties& c2 = p->colp[2];
  c2.FKBR = 30; c2.FKUBR = 15; c2.KLRL = 10;
  c2.PCBR = 6000; c2.PCUBR = 4000; c2.PCL = 8000;
  c2.EMIN = {0, 0.2f, 0.0f, 0.2f, 0.0f};
  return p;
}

const ColumnLoadSet& top(const Problem& p, int c, int end = 1) {
  const auto& list = p.lists.COL[at(c)][at(end)];
  return list.SET[at(list.ORDER[1])];
}
int topKey(const Problem& p, int c, int end = 1) {
  const auto& list = p.lists.COL[at(c)][at(end)];
  return list.KEY[at(list.ORDER[1])];
}

TEST(ColumnRanking, SlendernessMagnificationWorkedByHand) {
  ForceRows dead{};
  ColumnForces f;
  Combination cb;
  auto p = twoColumnCase(dead, f, cb);
  rankColumns(*p, f, cb, dead);
  EXPECT_EQ(p->lists.NCLS, 1);
  // f = (betad + 1) / 0.7: 2.428571 and 1.904762; sum Pc/f = 2058.82 + 2100;
  // Pu = 1.3 x 0.5 x (PB + PC) = 533 and 396.5.
  const ColumnLoadSet& s1 = top(*p, 1);
  EXPECT_NEAR(s1.SUMPU, 929.5f, 1e-2f);
  EXPECT_NEAR(s1.SUMPC, 4158.8235f, 1e-2f);
  EXPECT_NEAR(s1.BD, 0.7f, 1e-6f);
  // Column 1: KLIM 34 - 12 x 0.5 = 28 < FKBR, FKUBR > 22: the larger of the
  // braced 0.8 / (1 - 533 / 3705.88) = 0.9344 and the sway magnifier
  // 1 / (1 - 929.5 / 4158.82) = 1.28783; the sway one, so Cm is 1.
  EXPECT_NEAR(s1.DEL_T, 1.287831f, 1e-5f);
  EXPECT_FLOAT_EQ(s1.CM, 1.0f);
  // Longitudinal: 1 / (1 - 533 / (0.7 x 8000)) = 1.10519.
  EXPECT_NEAR(s1.DEL_L, 1.105190f, 1e-5f);
  // Top: MT 100 magnified, x 1.3; MTL 20 raised to 0.1 x 400 first.
  EXPECT_NEAR(s1.MTM, 167.41805f, 1e-3f);
  EXPECT_NEAR(s1.MLM, 57.46990f, 1e-3f);
  EXPECT_FLOAT_EQ(s1.PM, 520.0f);
  EXPECT_FLOAT_EQ(s1.PF, 520.0f);
  EXPECT_FLOAT_EQ(s1.MTF, 130.0f);
  EXPECT_FLOAT_EQ(s1.MLF, 26.0f);
  EXPECT_FLOAT_EQ(s1.VLF, 2.0f);
  EXPECT_EQ(s1.GR, '1');
  EXPECT_EQ(s1.LLID, "HS20");
  EXPECT_EQ(topKey(*p, 1), 549);  // sqrt(57.47^2 + 167.418^2 + 520^2) = 549.30
  // Bottom: MB 50 and MBL 40 magnified; key 555.36.
  EXPECT_NEAR(top(*p, 1, 2).MTM, 83.70903f, 1e-3f);
  EXPECT_EQ(topKey(*p, 1, 2), 555);
  // Column 2: KLIM 34 + 4 = 38 > FKBR and FKUBR < 22: no magnification;
  // Cm 0.6 - 0.4/3. MT 30 raised to 0.2 x 300 = 60.
  const ColumnLoadSet& s2 = top(*p, 2);
  EXPECT_FLOAT_EQ(s2.DEL_T, 1.0f);
  EXPECT_FLOAT_EQ(s2.DEL_L, 1.0f);
  EXPECT_NEAR(s2.CM, 0.466667f, 1e-5f);
  EXPECT_NEAR(s2.BD, 1.0f / 3.0f, 1e-6f);
  EXPECT_NEAR(s2.MTM, 78.0f, 1e-4f);
  EXPECT_EQ(topKey(*p, 2), 397);
  EXPECT_EQ(topKey(*p, 2, 2), 419);
}

TEST(ColumnRanking, BracedMagnifierAboveTheCriticalLoadStaysNegative) {
  ForceRows dead{};
  ColumnForces f;
  Combination cb;
  auto p = twoColumnCase(dead, f, cb);
  // Column 2 braced and slender: KLIM 38 < FKBR 50, FKUBR < 22; PCBR so low
  // that Pu = 396.5 exceeds PCBR / f = 200 / 1.904762 = 105.
  p->colp[2].FKBR = 50;
  p->colp[2].PCBR = 200;
  rankColumns(*p, f, cb, dead);
  const float deltaB = 0.466667f / (1.0f - 396.5f / 105.0f);
  const auto& list = p->lists.COL[2][1];
  ASSERT_GT(list.KEY[at(list.ORDER[1])], 0);
  const ColumnLoadSet& s = list.SET[at(list.ORDER[1])];
  EXPECT_NEAR(s.DEL_T, deltaB, 1e-4f);
  EXPECT_LT(s.DEL_T, 0.0f);
  EXPECT_NEAR(s.MTM, deltaB * 60.0f * 1.3f, 1e-2f);
  EXPECT_NEAR(s.CM, 0.466667f, 1e-5f);
}

TEST(ColumnRanking, ServiceLoadGroupFactorDividesTheKey) {
  ForceRows dead{};
  ColumnForces f;
  Combination cb;
  auto p = twoColumnCase(dead, f, cb);
  p->dd.METHOD = 'S';
  cb.GAMMA = 1.0f;
  cb.ALLOWF = 1.25f;
  p->colp[1].FKUBR = 10;
  p->colp[1].FKBR = 10;
  p->colp[1].KLRL = 10;
  rankColumns(*p, f, cb, dead);
  // Column 1 top unmagnified: sqrt(40^2 + 100^2 + 400^2) / 1.25 = 331.7.
  EXPECT_EQ(topKey(*p, 1), 331);
  EXPECT_FLOAT_EQ(top(*p, 1).MTF, 100.0f);
}

TEST(ColumnRanking, OneColumnTakesOnlyTheSwayMagnifier) {
  auto p = std::make_unique<Problem>();
  ColumnForces f;
  Combination cb;
  p->dd.NCOL = 1;
  p->dd.METHOD = 'S';
  cb.GAMMA = 1.0f;
  cb.PAVG = 1.25f;
  cb.PHIC[1] = 1.0f;
  ForceRows dead{};
  f.row[kRowMT][1] = 100;
  f.row[kRowMB][1] = -100;
  f.row[kRowPC][1] = f.row[kRowPB][1] = 200;
  ColumnProperties& c = p->colp[1];
  c.FKBR = 100;  // KLIM below it, but a single column is never braced
  c.PCBR = 1000;
  c.PCUBR = 2000;
  c.FKUBR = 20;
  rankColumns(*p, f, cb, dead);
  EXPECT_FLOAT_EQ(top(*p, 1).DEL_T, 1.0f);
  c.FKUBR = 30;
  rankColumns(*p, f, cb, dead);
  // Sway: f = 1 / 1, Pu = 1.25 x 400 = 500, 1 / (1 - 500 / 2000) = 4/3.
  const auto& list = p->lists.COL[1][1];
  bool found = false;
  for (int i = 1; i <= kListSize; ++i) {
    const ColumnLoadSet& s = list.SET[at(list.ORDER[at(i)])];
    if (list.KEY[at(list.ORDER[at(i)])] > 0 && std::fabs(s.DEL_T - 4.0f / 3.0f) < 1e-5f) {
      found = true;
      EXPECT_FLOAT_EQ(s.CM, 1.0f);
    }
  }
  EXPECT_TRUE(found);
}

TEST(ColumnRanking, PileBentKeysAndSecondList) {
  ForceRows dead{};
  ColumnForces f;
  Combination cb;
  auto p = twoColumnCase(dead, f, cb);
  p->PILECODE = 1;
  cb.GR = '2';
  cb.ALLOWF = 1.0f;  // the pile factor of group 2 is 1.25 regardless
  f.row[kRowVL][1] = -10.0f;
  rankColumns(*p, f, cb, dead);
  // Axial key P / 1.25 without load factor: 400 / 1.25 = 320; lateral 8.
  EXPECT_EQ(topKey(*p, 1), 320);
  EXPECT_EQ(topKey(*p, 1, 2), 336);
  const auto& lateral = p->lists.PILE[1][1];
  EXPECT_EQ(lateral.KEY[at(lateral.ORDER[1])], 8);
  const ColumnLoadSet& s = top(*p, 1);
  EXPECT_FLOAT_EQ(s.PF, 400.0f);
  EXPECT_FLOAT_EQ(s.MTF, 100.0f);
  // Unfactored magnified loads; the sway magnifier of the pile bent comes
  // from Pu = 0.5 x (PB + PC) over the unreduced critical loads:
  // 1 / (1 - (410 + 305) / 9000).
  EXPECT_FLOAT_EQ(s.PM, 400.0f);
  EXPECT_NEAR(s.DEL_T, 1.0f / (1.0f - 715.0f / 9000.0f), 1e-5f);
  EXPECT_NEAR(s.MTM, 100.0f * s.DEL_T, 1e-3f);
  // Group 'A' keeps ALLOWF as pile factor.
  cb.GR = 'A';
  cb.ALLOWF = 2.0f;
  resetColumnLists(*p);
  rankColumns(*p, f, cb, dead);
  EXPECT_EQ(topKey(*p, 1), 200);
}

TEST(FootingRanking, ServiceAndFactoredLoadsWithoutImpact) {
  auto p = std::make_unique<Problem>();
  p->dd.NCOL = 1;
  p->cs.IMPACT = 30.0f / 130.0f;  // 30 percent
  ColumnForces f;
  Combination cb;
  cb.GAMMA = 1.3f;
  cb.BETAL = 1.67f;
  cb.GRPF = 1.0f;
  cb.GR = '1';
  cb.WIND = 2;
  cb.DIR = 1;
  cb.FLAGS = 'S';
  // Dead 500, live with impact 130 (100 without), in the set as 1.67 x 130.
  p->stored.LLC.row[kRowRF][1] = 130.0f;
  p->stored.LLC.row[kRowMB][1] = 26.0f;
  p->stored.LLC.row[kRowV][1] = 13.0f;
  ForceRows& r = f.row;
  r[kRowRF][1] = 500.0f + 1.67f * 130.0f;
  r[kRowMB][1] = 40.0f + 1.67f * 26.0f;
  r[kRowV][1] = 4.0f + 1.67f * 13.0f;
  r[kRowMF][1] = 30.0f;
  r[kRowVL][1] = 3.0f;
  rankFootings(*p, f, cb);
  EXPECT_EQ(p->lists.NFLS, 1);
  const auto& list = p->lists.FTG[1];
  const FootingLoadSet& s = list.SET[at(list.ORDER[1])];
  EXPECT_NEAR(s.PS, 600.0f, 1e-3f);
  EXPECT_NEAR(s.MTS, 60.0f, 1e-4f);
  EXPECT_NEAR(s.VTS, 14.0f, 1e-4f);
  EXPECT_NEAR(s.PF, 1.3f * (500.0f + 167.0f), 1e-2f);
  EXPECT_NEAR(s.MTF, 1.3f * (40.0f + 33.4f), 1e-3f);
  EXPECT_NEAR(s.VTF, 1.3f * (4.0f + 16.7f), 1e-3f);
  EXPECT_FLOAT_EQ(s.MLS, 30.0f);
  EXPECT_FLOAT_EQ(s.MLF, 39.0f);
  EXPECT_FLOAT_EQ(s.VLS, 3.0f);
  EXPECT_FLOAT_EQ(s.VLF, 3.9f);
  EXPECT_EQ(s.WC, 21);
  EXPECT_EQ(s.FLAGS, 'S');
  // Key sqrt(30^2 + 60^2 + 600^2) = 603.74.
  EXPECT_EQ(list.KEY[at(list.ORDER[1])], 603);
}

TEST(FootingRanking, GroupFactorDividesTheKeyAndSmallSetsStayOut) {
  auto p = std::make_unique<Problem>();
  ColumnForces f;
  Combination cb;
  p->dd.NCOL = 2;
  cb.GAMMA = 1.0f;
  cb.BETAL = 1.0f;
  cb.GRPF = 1.4f;
  f.row[kRowRF][1] = 140.0f;
  f.row[kRowRF][2] = 1.3f;  // 1.3 / 1.4 truncates to 0
  rankFootings(*p, f, cb);
  EXPECT_EQ(p->lists.FTG[1].KEY[at(p->lists.FTG[1].ORDER[1])], 100);
  for (int k : p->lists.FTG[2].KEY) EXPECT_EQ(k, 0);
}

}  // namespace
}  // namespace bentpier
