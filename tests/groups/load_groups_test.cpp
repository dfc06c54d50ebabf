// The load-group stage: units, method scaling, the cap records worked by
// hand for both design methods, and which stores a problem gets.
#include "groups/load_groups.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>

namespace bentpier {
namespace {

// Three columns without cantilevers: span 2 (3 ft wide, 4 ft deep with a
// 1 ft haunch) holds one bearing, span 3 (4 ft wide, 5 ft deep with a
// 0.5 ft haunch) none. Envelope values are set where a test needs them.
Problem threeColumns(char method) {
  Problem p;
  p.dd.NCOL = 3;
  p.dd.NCAN = 0;
  p.dd.NSPAN = 3;
  p.dd.METHOD = method;
  p.dd.CAPOPT = 'D';
  p.dd.FPC = 4000.0f;
  p.dd.FC = 1600.0f;
  p.dd.FY = 60000.0f;
  p.dd.FS = 24000.0f;
  p.dd.N = 8.0f;
  p.dd.ES = 29000.0f;
  p.dd.Z = 170.0f;
  p.cap[2].NB = 1;
  p.cap[2].BC = 3.0f;
  p.cap[2].DE = 4.0f;
  p.cap[2].DH = 1.0f;
  p.cap[3].BC = 4.0f;
  p.cap[3].DE = 5.0f;
  p.cap[3].DH = 0.5f;
  p.capp[2].WIDB[1] = 3.0f;
  p.capp[2].DEPB[1] = 4.5f;

  auto& cp = p.env.CP[1][2];
  cp[4] = 100.0f;   // group I max
  cp[10] = 130.0f;  // group II max
  cp[12] = 120.0f;  // group III max
  cp[7] = -50.0f;   // group I min
  cp[11] = -75.0f;  // group II min
  cp[13] = -100.0f; // group III min
  cp[14] = 90.0f;   // envelope B
  cp[15] = -40.0f;
  cp[5] = 30.0f;    // group I shears, left and right
  cp[8] = -35.0f;
  cp[6] = -20.0f;
  cp[9] = 10.0f;

  auto& x = p.env.X[1];  // column 1: only its right face is a cap face
  x[7] = 10.0f;
  x[8] = 60.0f;
  x[13] = 50.0f;
  x[14] = 90.0f;
  x[17] = 80.0f;
  x[18] = 70.0f;
  x[11] = -5.0f;
  x[12] = -30.0f;
  x[15] = -50.0f;
  x[16] = -10.0f;
  x[19] = -45.0f;
  x[20] = -100.0f;
  x[21] = 25.0f;
  x[23] = 33.0f;
  x[22] = -7.0f;
  x[24] = -9.0f;
  x[5] = 12.0f;
  x[9] = -15.0f;
  x[6] = 8.0f;
  x[10] = -22.0f;
  return p;
}

void runStage(Problem& p) {
  std::ostringstream out;
  Report report(out, true);
  PIER41(p, report);
}

TEST(GroupsLoadGroups, MethodValues) {
  EXPECT_FLOAT_EQ(methodValues('L').GAMMA, 1.3f);
  EXPECT_FLOAT_EQ(methodValues('L').divisor, 1.0f);
  EXPECT_FLOAT_EQ(methodValues('S').GAMMA, 1.0f);
  EXPECT_FLOAT_EQ(methodValues('S').divisor, 1.25f);
}

TEST(GroupsLoadGroups, ServiceMethodPointAndColumnRecords) {
  Problem p = threeColumns('S');
  runStage(p);
  const RecordStore& s = p.rec.CAPREC;
  // Parameter record, C 1, P 1, C 2, C 3.
  ASSERT_EQ(s.size(), 5);
  const CapParameterRecord params = readCapParameterRecord(s.record(1));
  EXPECT_EQ(params.NPT, 3 + 1);
  EXPECT_FLOAT_EQ(params.FY, 60.0f);
  EXPECT_FLOAT_EQ(params.FS, 24.0f);
  EXPECT_FLOAT_EQ(params.FPC, 4.0f);
  EXPECT_FLOAT_EQ(params.FC, 1.6f);
  EXPECT_EQ(params.LINES, 6 + 5);  // C 1L, P 1, C 2R, C 2L, C 3R

  const CapPointRecord c1 = readCapPointRecord(s.record(2));
  EXPECT_EQ(c1.LABEL, "C 1");
  // max(10, 50/1.25, 80/1.25, 60, 90/1.25, 70/1.25) = 72
  EXPECT_FLOAT_EQ(c1.MPOS, 72.0f);
  // min(-5, -50/1.25, -45/1.25, -30, -10/1.25, -100/1.25) = -80
  EXPECT_FLOAT_EQ(c1.MNEG, -80.0f);
  EXPECT_FLOAT_EQ(c1.MBPOS, 33.0f);
  EXPECT_FLOAT_EQ(c1.MBNEG, -9.0f);
  EXPECT_FLOAT_EQ(c1.VLT, 15.0f);
  EXPECT_FLOAT_EQ(c1.VRT, 22.0f);
  // No segment on its left: span 2 alone, 4 + 1 deep and 3 wide.
  EXPECT_FLOAT_EQ(c1.DW, 5.0f);
  EXPECT_FLOAT_EQ(c1.BW, 3.0f);

  const CapPointRecord p1 = readCapPointRecord(s.record(3));
  EXPECT_EQ(p1.LABEL, "P 1");
  // max(100, 130/1.25, 120/1.25) = 104; min(-50, -75/1.25, -100/1.25) = -80
  EXPECT_FLOAT_EQ(p1.MPOS, 104.0f);
  EXPECT_FLOAT_EQ(p1.MNEG, -80.0f);
  EXPECT_FLOAT_EQ(p1.MBPOS, 90.0f);
  EXPECT_FLOAT_EQ(p1.MBNEG, -40.0f);
  EXPECT_FLOAT_EQ(p1.VLT, 35.0f);
  EXPECT_FLOAT_EQ(p1.VRT, 20.0f);
  EXPECT_FLOAT_EQ(p1.BW, 3.0f);
  EXPECT_FLOAT_EQ(p1.DW, 4.5f);

  // Column 2 between spans 2 and 3: depth (5 + 5.5) / 2, width (3 + 4) / 2.
  const CapPointRecord c2 = readCapPointRecord(s.record(4));
  EXPECT_EQ(c2.LABEL, "C 2");
  EXPECT_FLOAT_EQ(c2.DW, 5.25f);
  EXPECT_FLOAT_EQ(c2.BW, 3.5f);
  // Column 3 ends the cap: span 3 alone.
  const CapPointRecord c3 = readCapPointRecord(s.record(5));
  EXPECT_EQ(c3.LABEL, "C 3");
  EXPECT_FLOAT_EQ(c3.DW, 5.5f);
  EXPECT_FLOAT_EQ(c3.BW, 4.0f);

  // The strengths stay in ksi; the printed table is not divided.
  EXPECT_FLOAT_EQ(p.dd.FY, 60.0f);
  EXPECT_FLOAT_EQ(p.dd.FPC, 4.0f);
  EXPECT_FLOAT_EQ(methodValues(p.dd.METHOD).GAMMA, 1.0f);
  EXPECT_FLOAT_EQ(p.env.CP[1][2][10], 130.0f);
}

TEST(GroupsLoadGroups, LoadFactorMethodScalesTheGroupsButNotEnvelopeB) {
  Problem p = threeColumns('L');
  p.env.X[1][3] = 10.0f;  // dead load is scaled too
  p.env.CP[1][2][1] = 20.0f;
  runStage(p);
  EXPECT_FLOAT_EQ(methodValues(p.dd.METHOD).GAMMA, 1.3f);
  EXPECT_FLOAT_EQ(p.env.X[1][3], 13.0f);
  EXPECT_FLOAT_EQ(p.env.CP[1][2][1], 26.0f);
  EXPECT_FLOAT_EQ(p.env.X[1][21], 25.0f);
  EXPECT_FLOAT_EQ(p.env.CP[1][2][14], 90.0f);

  const CapPointRecord p1 = readCapPointRecord(p.rec.CAPREC.record(3));
  // max(130, 169, 156) and min(-65, -97.5, -130), no overstress divisor.
  EXPECT_FLOAT_EQ(p1.MPOS, 169.0f);
  EXPECT_FLOAT_EQ(p1.MNEG, -130.0f);
  EXPECT_FLOAT_EQ(p1.MBPOS, 90.0f);
  EXPECT_FLOAT_EQ(p1.MBNEG, -40.0f);
  EXPECT_FLOAT_EQ(p1.VLT, 45.5f);
  EXPECT_FLOAT_EQ(p1.VRT, 26.0f);

  const CapPointRecord c1 = readCapPointRecord(p.rec.CAPREC.record(2));
  // max(13, 65, 104, 78, 117, 91) and min(-6.5, -65, -58.5, -39, -13, -130)
  EXPECT_FLOAT_EQ(c1.MPOS, 117.0f);
  EXPECT_FLOAT_EQ(c1.MNEG, -130.0f);
  EXPECT_FLOAT_EQ(c1.MBPOS, 33.0f);
  EXPECT_FLOAT_EQ(c1.VLT, 19.5f);
}

// Group VI governing the point and column 1: 1.4 allowable under the
// service-load method, 1.25 in place of 1.3 under the load-factor method.
TEST(GroupsLoadGroups, GroupSixGovernsTheCapRecordsWhereItIsGreatest) {
  struct Case {
    char method;
    float pointMax, pointMin, faceMax, faceMin;
  };
  // Service: 168/1.4 = 120 > 104, -154/1.4 = -110 < -80; right face of
  // column 1: 126/1.4 = 90 > 72, -140/1.4 = -100 < -80.
  // Load factor: 168 x 1.25 = 210 > 169, -154 x 1.25 = -192.5 < -130;
  // 126 x 1.25 = 157.5 > 117, -140 x 1.25 = -175 < -130.
  for (const Case& c : {Case{'S', 120.0f, -110.0f, 90.0f, -100.0f},
                        Case{'L', 210.0f, -192.5f, 157.5f, -175.0f}}) {
    SCOPED_TRACE(c.method);
    Problem p = threeColumns(c.method);
    p.env.groupSix = true;
    p.env.G6MAX.MP[2][1] = 168.0f;
    p.env.G6MIN.MP[2][1] = -154.0f;
    p.env.G6MAX.MR[1] = 126.0f;
    p.env.G6MIN.MR[1] = -140.0f;
    std::ostringstream out;
    Report report(out, true);
    PIER41(p, report);
    report.finish();
    const CapPointRecord p1 = readCapPointRecord(p.rec.CAPREC.record(3));
    EXPECT_FLOAT_EQ(p1.MPOS, c.pointMax);
    EXPECT_FLOAT_EQ(p1.MNEG, c.pointMin);
    const CapPointRecord c1 = readCapPointRecord(p.rec.CAPREC.record(2));
    EXPECT_FLOAT_EQ(c1.MPOS, c.faceMax);
    EXPECT_FLOAT_EQ(c1.MNEG, c.faceMin);
    // The group VI lines follow the table: heading, column heading, and one
    // line per listed face and point; the scaled value stands on P 1.
    const float shown = c.method == 'L' ? 210.0f : 168.0f;
    EXPECT_NE(out.str().find("G6 MAX.+  G6 MAX.-"), std::string::npos);
    char expected[32];
    std::snprintf(expected, sizeof expected, "P 1   %10.3f", static_cast<double>(shown));
    EXPECT_NE(out.str().find(expected), std::string::npos) << out.str();
    EXPECT_EQ(readCapParameterRecord(p.rec.CAPREC.record(1)).LINES, 6 + 5 + 2 + 5);
  }
}

TEST(GroupsLoadGroups, LoadFactorCantileverPointsTakeEnvelopeBAsGroupThree) {
  Problem p = threeColumns('L');
  p.dd.NCAN = 1;
  p.cap[1].NB = 1;
  p.cap[1].BC = 2.0f;
  p.cap[1].DE = 3.0f;
  p.cap[1].DH = 2.0f;
  auto& cp = p.env.CP[1][1];
  cp[4] = 100.0f;
  cp[12] = 5.0f;  // group III without live load on the cantilever
  cp[13] = -5.0f;
  cp[14] = 200.0f;
  cp[15] = -60.0f;
  cp[7] = -10.0f;
  runStage(p);
  EXPECT_FLOAT_EQ(cp[12], 260.0f);
  EXPECT_FLOAT_EQ(cp[13], -78.0f);
  // Records: parameters, cantilever point, C 1, span point, C 2, C 3.
  const RecordStore& s = p.rec.CAPREC;
  ASSERT_EQ(s.size(), 6);
  EXPECT_EQ(readCapParameterRecord(s.record(1)).NPT, 3 + 2);
  const CapPointRecord tip = readCapPointRecord(s.record(2));
  EXPECT_EQ(tip.LABEL, "P 1");
  EXPECT_FLOAT_EQ(tip.MPOS, 260.0f);
  EXPECT_FLOAT_EQ(tip.MNEG, -78.0f);
  EXPECT_FLOAT_EQ(tip.MBPOS, 200.0f);
  // Column 1 now has the cantilever on its left: (5 + 5) / 2 deep,
  // (2 + 3) / 2 wide.
  const CapPointRecord c1 = readCapPointRecord(s.record(3));
  EXPECT_EQ(c1.LABEL, "C 1");
  EXPECT_FLOAT_EQ(c1.DW, 5.0f);
  EXPECT_FLOAT_EQ(c1.BW, 2.5f);
  EXPECT_EQ(readCapPointRecord(s.record(4)).LABEL, "P 2");
}

TEST(GroupsLoadGroups, ServiceMethodLeavesCantileverPointsAlone) {
  Problem p = threeColumns('S');
  p.dd.NCAN = 1;
  p.cap[1].NB = 1;
  p.env.CP[1][1][12] = 5.0f;
  p.env.CP[1][1][14] = 200.0f;
  runStage(p);
  EXPECT_FLOAT_EQ(p.env.CP[1][1][12], 5.0f);
}

TEST(GroupsLoadGroups, OneColumnWithoutCantileversHasNoCapSection) {
  Problem p = threeColumns('L');
  p.dd.NCOL = 1;
  p.dd.NSPAN = 1;
  p.dd.COLOPT = 'D';
  p.dd.FTGOPT = 'I';
  std::ostringstream out;
  Report report(out, true);
  PIER41(p, report);
  EXPECT_EQ(out.str().find("CAP ANALYSIS"), std::string::npos);
  EXPECT_EQ(p.rec.CAPREC.size(), 0);
  EXPECT_EQ(p.rec.COLREC.size(), 1 + 8);
  EXPECT_EQ(p.rec.FTGREC.size(), 1 + 1);
  EXPECT_FLOAT_EQ(p.dd.FY, 60.0f);
}

TEST(GroupsLoadGroups, OptionsDecideWhichStoresAreWritten) {
  Problem p = threeColumns('S');
  p.dd.CAPOPT = ' ';
  std::ostringstream out;
  Report report(out, true);
  PIER41(p, report);
  EXPECT_NE(out.str().find("CAP MOMENTS AND SHEARS"), std::string::npos);
  EXPECT_EQ(p.rec.CAPREC.size(), 0);
  EXPECT_EQ(p.rec.COLREC.size(), 0);
  EXPECT_EQ(p.rec.FTGREC.size(), 0);
}

}  // namespace
}  // namespace bentpier
