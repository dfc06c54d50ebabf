// Set-up of a column end from its records: defaults, design limits, load
// table, minimum eccentricities and the statuses of bad input.
#include <gtest/gtest.h>

#include <cmath>

#include "design/column/column_design.h"

namespace bentpier::column {
namespace {

ColumnEndData circle() {
  ColumnEndData in;
  in.OPTION = 'D';
  in.TYPE = 'R';
  in.D = 24.0f;
  in.FPC = 4.0f;
  in.FY = 60.0f;
  in.COVER = 2.0f;
  in.GROUP[1] = {8, 6, 0};
  in.GROUP[2] = {30, 10, 0};
  in.NLOAD = 1;
  in.LOAD[1] = {300.0f, 100.0f, 50.0f, '1'};
  return in;
}

ColumnEndData tied() {
  ColumnEndData in = circle();
  in.TYPE = 'T';
  in.B = 20.0f;
  in.D = 30.0f;
  in.IPAT = 1;
  return in;
}

TEST(ColumnSectionSetUp, MaterialDefaults) {
  ColumnEndSetup out;
  ASSERT_EQ(setUpSection(circle(), out), kColumnDone);
  const SectionState& s = out.section;
  EXPECT_EQ(s.SECT, kCircular);
  EXPECT_EQ(s.B, 24.0f);  // a circle is its diameter both ways
  EXPECT_FLOAT_EQ(s.FCC2, 3.4f);
  EXPECT_NEAR(s.EC, 57.619f * std::sqrt(4000.0f), 0.01f);  // 3644.1 ksi
  EXPECT_EQ(s.ES, 29000.0f);
  EXPECT_EQ(s.EPSCU, 0.003f);
  EXPECT_EQ(s.PHIC, 0.75f);
  EXPECT_EQ(s.PHIB, 0.90f);
  EXPECT_NEAR(s.AG, 3.141593f * 144.0f, 1e-3f);
  // Steel ratios 1 to 8 percent, clear distance 1.5 in.
  EXPECT_NEAR(out.limits.ASMIN, 0.01f * s.AG, 1e-4f);
  EXPECT_NEAR(out.limits.ASMAX, 0.08f * s.AG, 1e-3f);
  EXPECT_EQ(out.limits.CLR, 1.5f);
  EXPECT_FLOAT_EQ(out.limits.CORE, 20.0f);

  ColumnEndData given = tied();
  given.FCC2 = 3.0f;
  given.EC = 4000.0f;
  given.ES = 28000.0f;
  given.EPSCU = 0.0035f;
  given.PHIB = 0.8f;
  given.MINRATIO = 0.02f;
  given.CLR = 2.0f;
  ASSERT_EQ(setUpSection(given, out), kColumnDone);
  EXPECT_EQ(out.section.PHIC, 0.70f);  // tied
  EXPECT_EQ(out.section.FCC2, 3.0f);
  EXPECT_EQ(out.section.EC, 4000.0f);
  EXPECT_EQ(out.section.ES, 28000.0f);
  EXPECT_EQ(out.section.EPSCU, 0.0035f);
  EXPECT_EQ(out.section.PHIB, 0.8f);
  EXPECT_FLOAT_EQ(out.limits.ASMIN, 12.0f);
  EXPECT_EQ(out.limits.CLR, 2.0f);
}

TEST(ColumnSectionSetUp, CoversFallBackOnEachOther) {
  ColumnEndData in = tied();
  in.COVER = 0.0f;
  in.GROUP[1].COVER = 2.5f;
  in.GROUP[3].COVER = 3.0f;
  ColumnEndSetup out;
  ASSERT_EQ(setUpSection(in, out), kColumnDone);
  EXPECT_EQ(out.COVER, 2.5f);  // general cover from face 1
  EXPECT_EQ(out.FACECOVER[1], 2.5f);
  EXPECT_EQ(out.FACECOVER[2], 2.5f);
  EXPECT_EQ(out.FACECOVER[3], 3.0f);
  EXPECT_EQ(out.FACECOVER[4], 2.5f);
  // The tied core: B less the face-3 covers, D less the face-1 covers.
  EXPECT_EQ(out.limits.COREB, 14.0f);
  EXPECT_EQ(out.limits.CORED, 25.0f);
}

TEST(ColumnSectionSetUp, BarSizeAndCountLimits) {
  ColumnEndSetup out;
  ColumnEndData in = circle();
  in.GROUP[1] = {3, 4, 0};    // too few bars, too small a size
  in.GROUP[2] = {250, 14, 0}; // too many bars; bar 14
  ASSERT_EQ(setUpSection(in, out), kColumnDone);
  EXPECT_EQ(out.limits.NMIN, 6);
  EXPECT_EQ(out.limits.NMAX, 200);
  EXPECT_EQ(out.limits.SZMIN, 5);
  EXPECT_EQ(out.limits.SZMAX, 12);  // bar 14 is table code 12

  in.GROUP[1] = {10, 9, 0};
  in.GROUP[2] = {12, 0, 0};   // no largest size: 11
  ASSERT_EQ(setUpSection(in, out), kColumnDone);
  EXPECT_EQ(out.limits.NMIN, 10);
  EXPECT_EQ(out.limits.NMAX, 12);
  EXPECT_EQ(out.limits.SZMIN, 9);
  EXPECT_EQ(out.limits.SZMAX, 11);
  in.GROUP[2].SZ = 18;
  ASSERT_EQ(setUpSection(in, out), kColumnDone);
  EXPECT_EQ(out.limits.SZMAX, 13);  // bar 18

  ColumnEndData t = tied();
  t.GROUP[1] = {60, 5, 0};  // above 51: 2
  t.GROUP[2] = {1, 9, 0};   // outside 2..51: 51
  ASSERT_EQ(setUpSection(t, out), kColumnDone);
  EXPECT_EQ(out.limits.NMIN, 2);
  EXPECT_EQ(out.limits.NMAX, 51);
  t.GROUP[1] = {0, 5, 0};
  t.GROUP[2] = {7, 9, 0};
  ASSERT_EQ(setUpSection(t, out), kColumnDone);
  EXPECT_EQ(out.limits.NMIN, 2);
  EXPECT_EQ(out.limits.NMAX, 7);

  t.IPAT = 2;
  t.GROUP[1] = {120, 5, 0};
  t.GROUP[2] = {150, 9, 0};
  t.GROUP[3] = {99, 0, 0};
  t.GROUP[4] = {120, 0, 0};
  ASSERT_EQ(setUpSection(t, out), kColumnDone);
  EXPECT_EQ(out.limits.NMIN, 2);
  EXPECT_EQ(out.limits.NMAX, 100);
  EXPECT_EQ(out.limits.NDMIN, 0);
  EXPECT_EQ(out.limits.NDMAX, 98);
  t.GROUP[1] = {1, 5, 0};
  t.GROUP[3] = {3, 0, 0};
  t.GROUP[4] = {5, 0, 0};
  ASSERT_EQ(setUpSection(t, out), kColumnDone);
  EXPECT_EQ(out.limits.NMIN, 2);
  EXPECT_EQ(out.limits.NDMIN, 3);
  EXPECT_EQ(out.limits.NDMAX, 5);
}

TEST(ColumnSectionSetUp, InputErrors) {
  ColumnEndSetup out;
  ColumnEndData in = circle();
  in.OPTION = 'X';
  EXPECT_EQ(setUpSection(in, out), kColumnInputError);
  in = circle();
  in.TYPE = 'Q';
  EXPECT_EQ(setUpSection(in, out), kColumnInputError);
  ColumnEndData t = tied();
  t.IPAT = 3;
  EXPECT_EQ(setUpSection(t, out), kColumnInputError);
  t.OPTION = 'I';  // pattern 3 is only a design limit
  EXPECT_EQ(setUpSection(t, out), kColumnDone);
  // No section or no materials.
  in = circle();
  in.D = 0.0f;
  EXPECT_EQ(setUpSection(in, out), kColumnInputError);
  in = circle();
  in.FPC = 0.0f;
  EXPECT_EQ(setUpSection(in, out), kColumnInputError);
  in = circle();
  in.FY = -60.0f;
  EXPECT_EQ(setUpSection(in, out), kColumnInputError);
  t = tied();
  t.B = -1.0f;
  EXPECT_EQ(setUpSection(t, out), kColumnInputError);
}

int loadsOf(ColumnEndData in, ColumnEndSetup& out) {
  EXPECT_EQ(setUpSection(in, out), kColumnDone);
  return setUpLoads(in, out);
}

TEST(ColumnSectionSetUp, AllowableStressFactors) {
  EXPECT_EQ(groupFactor('1', 'S', false), 1.0f);
  EXPECT_EQ(groupFactor('2', 'S', false), 1.25f);
  EXPECT_EQ(groupFactor('3', 'S', false), 1.25f);
  EXPECT_EQ(groupFactor('4', 'S', false), 1.25f);
  EXPECT_EQ(groupFactor('5', 'S', false), 1.4f);
  EXPECT_EQ(groupFactor('7', 'S', false), 1.33f);
  EXPECT_EQ(groupFactor('B', 'S', false), 1.33f);
  EXPECT_EQ(groupFactor('A', 'S', false), 1.0f);
  // Load factors already carry the group: 1 for every group...
  EXPECT_EQ(groupFactor('5', 'L', false), 1.0f);
  // ...except for the piles of a pile bent.
  EXPECT_EQ(groupFactor('5', 'L', true), 1.4f);
}

TEST(ColumnSectionSetUp, LoadTableAndMinimumEccentricity) {
  ColumnEndData in = tied();
  in.METHOD = 'S';
  in.NLOAD = 3;
  in.LOAD[1] = {400.0f, 0.0f, 0.0f, '2'};
  in.LOAD[2] = {300.0f, 80.0f, 0.0f, '1'};
  in.LOAD[3] = {10.0f, 0.0f, 0.0f, '5'};
  ColumnEndSetup out;
  ASSERT_EQ(loadsOf(in, out), kColumnDone);
  const LoadTable& t = out.loads;
  EXPECT_EQ(t.NLOAD, 3);
  // Tied 20 x 30: 0.10 D = 3 in = 0.25 ft, 0.10 B = 2 in = 0.16667 ft.
  EXPECT_NEAR(t.LOAD[1].MX, 400.0f * 0.25f, 1e-3f);
  EXPECT_NEAR(t.LOAD[1].MY, 400.0f * 0.1666667f, 1e-3f);
  EXPECT_EQ(t.LOAD[1].FACTOR, 1.25f);
  EXPECT_EQ(t.LOAD[2].MX, 80.0f);  // a load with a moment keeps it
  EXPECT_EQ(t.LOAD[2].MY, 0.0f);
  EXPECT_EQ(t.LOAD[3].FACTOR, 1.4f);
  EXPECT_EQ(t.BENDING, 3);

  // Spiral: 0.05 of the dimension, but never under one inch.
  ColumnEndData r = circle();
  r.D = 16.0f;
  r.NLOAD = 1;
  r.LOAD[1] = {120.0f, 0.0f, 0.0f, '1'};
  ASSERT_EQ(loadsOf(r, out), kColumnDone);
  EXPECT_NEAR(out.loads.LOAD[1].MX, 120.0f * 0.083333f, 1e-3f);
  r.D = 48.0f;  // 2.4 in = 0.2 ft
  ASSERT_EQ(loadsOf(r, out), kColumnDone);
  EXPECT_NEAR(out.loads.LOAD[1].MX, 120.0f * 0.2f, 1e-3f);
  EXPECT_NEAR(out.loads.LOAD[1].MY, 120.0f * 0.2f, 1e-3f);

  // One direction flag: the eccentricity in that direction only.
  r.FLAGX = 0;
  ASSERT_EQ(loadsOf(r, out), kColumnDone);
  EXPECT_EQ(out.loads.LOAD[1].MX, 0.0f);
  EXPECT_NEAR(out.loads.LOAD[1].MY, 24.0f, 1e-3f);
  EXPECT_EQ(out.loads.BENDING, 2);
  // No flag: no minimum eccentricity, and without any moment no design.
  r.FLAGY = 0;
  EXPECT_EQ(loadsOf(r, out), kColumnInputError);
  // Investigation never adds an eccentricity.
  r.OPTION = 'I';
  r.FLAGX = r.FLAGY = 1;
  ASSERT_EQ(loadsOf(r, out), kColumnDone);
  EXPECT_EQ(out.loads.LOAD[1].MX, 0.0f);
  EXPECT_EQ(out.loads.BENDING, 0);
}

TEST(ColumnSectionSetUp, BadLoads) {
  ColumnEndSetup out;
  ColumnEndData in = circle();
  in.NLOAD = 2;
  in.LOAD[2] = {300.0f, -1.0f, 50.0f, '1'};
  EXPECT_EQ(loadsOf(in, out), kColumnBadLoad);
  // The whole table is there to be listed.
  EXPECT_EQ(out.loads.NLOAD, 2);
  EXPECT_EQ(out.loads.LOAD[2].MX, -1.0f);
  in.LOAD[2] = {-5.0f, 10.0f, 0.0f, '1'};
  EXPECT_EQ(loadsOf(in, out), kColumnBadLoad);
  in.LOAD[2] = {0.0f, 0.0f, 0.0f, '1'};  // no moment, no compression
  EXPECT_EQ(loadsOf(in, out), kColumnBadLoad);
  in.LOAD[2] = {0.0f, 10.0f, 0.0f, '1'};  // pure bending is a load
  EXPECT_EQ(loadsOf(in, out), kColumnDone);
  in.LOAD[2] = {NAN, 10.0f, 0.0f, '1'};
  EXPECT_EQ(loadsOf(in, out), kColumnBadLoad);
  in.NLOAD = 0;
  EXPECT_EQ(loadsOf(in, out), kColumnInputError);
  in.NLOAD = 40;  // never more than the 25 kept
  in.LOAD[2] = {0.0f, 10.0f, 0.0f, '1'};
  EXPECT_EQ(loadsOf(in, out), kColumnBadLoad);  // sets 3.. are empty loads
  EXPECT_EQ(out.loads.NLOAD, kMaxColumnLoads);
}

}  // namespace
}  // namespace bentpier::column
