// The footing store: "same as" footings merged into the footing designed
// for them, ties to the later footing, the set count limit and round
// columns.
#include <gtest/gtest.h>

#include <vector>

#include "groups/load_groups.h"

namespace bentpier {
namespace {

// Fills the footing list of column c with sets of the given keys by
// ranking position, through the list's own ORDER (which names the slots in
// reverse); each set's PS tells column and position apart: 1000 c + pos.
void fillList(Problem& p, int c, const std::vector<int>& keys) {
  auto& list = p.lists.FTG[c];
  for (size_t i = 0; i < keys.size(); ++i) {
    const int position = static_cast<int>(i) + 1;
    const int slot = list.ORDER[position];
    list.KEY[slot] = keys[i];
    list.SET[slot].PS = static_cast<float>(1000 * c + position);
    list.SET[slot].GR = '1';
  }
}

// Four columns on footings; footings 3 and 4 are the same as footing 1.
Problem fourFootings() {
  Problem p;
  p.dd.NCOL = 4;
  p.dd.FTGOPT = 'D';
  for (int c = 1; c <= 4; ++c) {
    p.col[c].T = 'S';
    p.col[c].BB = 3.0f;
    p.col[c].DB = 4.0f;
    p.ftg[c].SP = 'S';
    p.ftg[c].B = 10.0f;
    p.ftg[c].D = 12.0f;
    p.ftg[c].T = 2.5f;
  }
  p.ftg[3].REF = 1;
  p.ftg[4].REF = 1;
  p.lists.NFLS = 4;
  fillList(p, 1, {100, 80, 60, 40});
  fillList(p, 2, {70, 60, 50, 40});
  fillList(p, 3, {90, 80, 70, 10});
  fillList(p, 4, {95, 50, 45, 5});
  return p;
}

std::vector<std::pair<int, int>> asPairs(const std::vector<FootingSetRef>& refs) {
  std::vector<std::pair<int, int>> v;
  for (const FootingSetRef& r : refs) v.emplace_back(r.column, r.position);
  return v;
}

TEST(GroupsFootingMerge, AFootingReferredToByTwoOthersTakesTheLargestKeysOfTheGroup) {
  const Problem p = fourFootings();
  // With footing 3: 100 (1,1); 90 (3,1); 80 against 80, the tie goes to
  // footing 3's set (3,2); then 80 (1,2) before 70.
  // With footing 4: 100 (1,1); 95 (4,1); 90 (3,1); 80 (3,2).
  using P = std::pair<int, int>;
  EXPECT_EQ(asPairs(mergedFootingSets(p, 1, 4)),
            (std::vector<P>{{1, 1}, {4, 1}, {3, 1}, {3, 2}}));
  // Footing 2 stands alone.
  EXPECT_EQ(asPairs(mergedFootingSets(p, 2, 4)),
            (std::vector<P>{{2, 1}, {2, 2}, {2, 3}, {2, 4}}));
}

TEST(GroupsFootingMerge, EqualKeysPutTheLaterFootingsSetFirst) {
  Problem p = fourFootings();
  p.ftg[4].REF = 0;
  fillList(p, 1, {50, 50, 50});
  fillList(p, 3, {50, 50, 50});
  using P = std::pair<int, int>;
  EXPECT_EQ(asPairs(mergedFootingSets(p, 1, 3)), (std::vector<P>{{3, 1}, {3, 2}, {3, 3}}));
}

TEST(GroupsFootingMerge, AChainOfSameAsFootingsIsDesignedAtItsStart) {
  Problem p = fourFootings();
  // Footing 4 is the same as footing 3, itself the same as footing 1: its
  // sets still reach footing 1's design.
  p.ftg[4].REF = 3;
  EXPECT_EQ(designedFooting(p, 4), 1);
  EXPECT_EQ(designedFooting(p, 3), 1);
  EXPECT_EQ(designedFooting(p, 2), 2);
  using P = std::pair<int, int>;
  EXPECT_EQ(asPairs(mergedFootingSets(p, 1, 4)),
            (std::vector<P>{{1, 1}, {4, 1}, {3, 1}, {3, 2}}));
}

TEST(GroupsFootingRecords, StoreOrderAndTheMergedSets) {
  Problem p = fourFootings();
  p.col[2].T = 'R';
  writeFootingRecords(p);
  const RecordStore& s = p.rec.FTGREC;
  // Type 1; footing 1 and its four sets; footing 2 and its four; footings
  // 3 and 4 alone.
  ASSERT_EQ(s.size(), 13);
  const char types[] = "1233332333322";
  for (int n = 1; n <= 13; ++n) EXPECT_EQ(s.record(n)[0], types[n - 1]) << "record " << n;

  EXPECT_EQ(readFootingParameterRecord(s.record(1)).NCOL, 4);
  const FootingRecord first = readFootingRecord(s.record(2));
  EXPECT_EQ(first.SAME, 0);
  EXPECT_EQ(first.NFLS, 4);
  EXPECT_FLOAT_EQ(first.BB, 3.0f);
  EXPECT_FLOAT_EQ(first.DB, 4.0f);

  const float ps[] = {1001, 4001, 3001, 3002};
  const float from[] = {1, 4, 3, 3};
  for (int i = 0; i < 4; ++i) {
    const FootingLoadRecord set = readFootingLoadRecord(s.record(3 + i));
    EXPECT_FLOAT_EQ(set.PS, ps[i]) << "set " << i + 1;
    EXPECT_FLOAT_EQ(set.FCOL, from[i]) << "set " << i + 1;
  }

  // Footing 2 stands on a round column: its width is written and kept as 0.
  const FootingRecord second = readFootingRecord(s.record(7));
  EXPECT_FLOAT_EQ(second.BB, 0.0f);
  EXPECT_FLOAT_EQ(second.DB, 4.0f);
  EXPECT_FLOAT_EQ(p.col[2].BB, 0.0f);
  EXPECT_FLOAT_EQ(p.col[1].BB, 3.0f);
  EXPECT_FLOAT_EQ(readFootingLoadRecord(s.record(8)).PS, 2001.0f);
  EXPECT_FLOAT_EQ(readFootingLoadRecord(s.record(8)).FCOL, 2.0f);

  EXPECT_EQ(readFootingRecord(s.record(12)).SAME, 1);
  EXPECT_EQ(readFootingRecord(s.record(13)).SAME, 1);
  EXPECT_EQ(readFootingRecord(s.record(13)).NFLS, 4);
}

TEST(GroupsFootingRecords, NoMoreThanAFullListOfSetsPerFooting) {
  Problem p = fourFootings();
  p.ftg[3].REF = 0;
  p.ftg[4].REF = 0;
  p.lists.NFLS = 31;
  writeFootingRecords(p);
  EXPECT_EQ(p.lists.NFLS, 25);
  ASSERT_EQ(p.rec.FTGREC.size(), 1 + 4 * 26);
  EXPECT_EQ(readFootingRecord(p.rec.FTGREC.record(2)).NFLS, 25);
  EXPECT_EQ(p.rec.FTGREC.record(28)[0], '2');
}

TEST(GroupsFootingRecords, NoSetsOfferedWritesOnlyTheFootings) {
  Problem p = fourFootings();
  p.lists.NFLS = 0;
  writeFootingRecords(p);
  EXPECT_EQ(p.rec.FTGREC.size(), 1 + 4);
}

}  // namespace
}  // namespace bentpier
