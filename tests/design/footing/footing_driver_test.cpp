// The footing stage on its record store: records written by the
// load-group stage's writers are read back into footings and sets, and a
// record of the wrong kind stops the stage.
#include <gtest/gtest.h>

#include "design/footing/footing_fixture.h"
#include "groups/design_records.h"
#include "base/record_store.h"
#include "input/problem.h"

namespace bentpier {
namespace {

FootingParameterRecord parameters(int ncol) {
  FootingParameterRecord r;
  r.N = 8;
  r.FPC = 4;
  r.FY = 60;
  r.FC = 1.6f;
  r.FS = 24;
  r.NCOL = ncol;
  r.SOILWT = 0.12f;
  r.ALLSP = 4;
  r.EDGEDIST = 1.25f;
  r.MINPLSP = 2.5f;
  r.MAXPLSP = 5;
  r.REBARCLR = 3;
  r.PILEDEPTH = 0.75f;
  r.PILECAP = 100;
  return r;
}

FootingRecord spread(int nfls, int same) {
  FootingRecord r;
  r.SP = 'S';
  r.B = r.D = 10;
  r.T = 2.5f;
  r.BB = 0;  // round column
  r.DB = 3;
  r.NFLS = nfls;
  r.SAME = same;
  return r;
}

FootingLoadSet set(float P) {
  FootingLoadSet s;
  s.GR = '3';
  s.LLID = "LL2 ";
  s.WC = 31;
  s.FLAGR = 'R';
  s.PS = P;
  s.MLS = 25;
  s.PF = 1.3f * P;
  return s;
}

TEST(FootingRecords, StoreReadsBackIntoFootingsAndSets) {
  RecordStore store(kFootingRecordLength, kFootingRecordCapacity);
  store.append(writeFootingParameterRecord(parameters(2)));
  store.append(writeFootingRecord(spread(2, 0)));
  store.append(writeFootingLoadRecord(set(300), 1));
  store.append(writeFootingLoadRecord(set(250), 2));
  store.append(writeFootingRecord(spread(2, 1)));
  const FootingStageInput in = readFootingStore(store);
  ASSERT_TRUE(in.params.has_value());
  EXPECT_EQ(in.params->NCOL, 2);
  EXPECT_FLOAT_EQ(in.params->PILECAP, 100.0f);
  ASSERT_EQ(in.footings.size(), 2u);
  const FootingData& f = in.footings[0];
  EXPECT_EQ(f.SP, 'S');
  EXPECT_EQ(f.BB, 0.0f);
  EXPECT_EQ(f.DB, 3.0f);
  ASSERT_EQ(f.sets.size(), 2u);
  EXPECT_FLOAT_EQ(f.sets[0].WC, 3.1f);  // case 3, direction 1
  EXPECT_EQ(f.sets[0].LLID, "LL2 ");
  EXPECT_EQ(f.sets[0].FLAGR, 'R');
  EXPECT_FLOAT_EQ(f.sets[1].FCOL, 2.0f);
  EXPECT_FLOAT_EQ(f.sets[1].PS, 250.0f);
  EXPECT_FLOAT_EQ(f.sets[1].PF, 325.0f);
  EXPECT_EQ(in.footings[1].SAME, 1);
  EXPECT_TRUE(in.footings[1].sets.empty());
}

TEST(FootingRecords, Pier71DesignsFromTheProblemStore) {
  Problem p;
  p.dd.METHOD = 'L';
  p.dd.FTGOPT = 'I';
  RecordStore& store = p.rec.FTGREC;
  store.append(writeFootingParameterRecord(parameters(2)));
  store.append(writeFootingRecord(spread(1, 0)));
  store.append(writeFootingLoadRecord(set(300), 2));
  store.append(writeFootingRecord(spread(1, 1)));
  std::ostringstream out;
  Report rep(out, true);
  PIER71(p, rep);
  rep.finish();
  const auto lines = testing::reportLines(out.str());
  const int head = testing::findLine(lines, "FOOTING 1 DESIGN LOADS");
  ASSERT_GE(head, 0);
  // The set of column 2, group III, wind 3.1 reversed.
  EXPECT_EQ(lines[static_cast<size_t>(head + 2)].substr(0, 35),
            "02 3 LL2   3.1R" + std::string(14, ' ') + "300.00");
  EXPECT_GE(testing::findLine(lines, "FOOTING 1 ANALYSIS/DESIGN RESULTS"), 0);
  EXPECT_EQ(lines.back(), "0FOOTING 2 DESIGN SAME AS FOOTING 1");
}

TEST(FootingRecords, RecordOfTheWrongKindStopsTheStage) {
  RecordStore store(kFootingRecordLength, kFootingRecordCapacity);
  store.append(writeFootingParameterRecord(parameters(2)));
  store.append(writeFootingRecord(spread(2, 0)));
  store.append(writeFootingLoadRecord(set(300), 1));
  store.append(writeFootingRecord(spread(2, 0)));  // a set was expected
  const FootingStageInput in = readFootingStore(store);
  ASSERT_EQ(in.footings.size(), 1u);
  EXPECT_EQ(in.footings[0].sets.size(), 1u);
  const auto lines = testing::stageLines(in, 'L', 'I');
  EXPECT_EQ(lines, std::vector<std::string>{"0DATA OUT OF ORDER FOR FOOTING 1"});

  RecordStore wrongFirst(kFootingRecordLength, kFootingRecordCapacity);
  wrongFirst.append(writeFootingRecord(spread(0, 0)));
  EXPECT_FALSE(readFootingStore(wrongFirst).params.has_value());
}

}  // namespace
}  // namespace bentpier
