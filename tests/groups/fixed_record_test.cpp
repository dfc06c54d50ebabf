// The fixed-width record fields: widths, rounding, implied decimals, and a
// value too wide for its field.
#include "groups/fixed_record.h"

#include <gtest/gtest.h>

#include <cmath>

namespace bentpier {
namespace {

TEST(GroupsFixedRecord, RealsAreRightJustifiedAndRoundedHalfAwayFromZero) {
  EXPECT_EQ(recordReal(12.3456f, 9, 3), "   12.346");
  EXPECT_EQ(recordReal(-1234.5678f, 10, 3), " -1234.568");
  EXPECT_EQ(recordReal(0.0f, 7, 3), "  0.000");
  // 2.5 and -2.5 are exact binary values: both round away from zero.
  EXPECT_EQ(recordReal(2.5f, 4, 0), "   3");
  EXPECT_EQ(recordReal(-2.5f, 4, 0), "  -3");
  // A value that rounds to zero carries no sign.
  EXPECT_EQ(recordReal(-0.0004f, 9, 3), "    0.000");
}

TEST(GroupsFixedRecord, ValuesThatNeedTheFullWidthFit) {
  EXPECT_EQ(recordReal(99999.5f, 9, 3), "99999.500");
  EXPECT_EQ(recordReal(-9999.999f, 9, 3), "-9999.999");
  EXPECT_EQ(recordReal(-99999.5f, 10, 3), "-99999.500");
  // A fraction gives up its leading zero to fit: -0.003 in five columns.
  EXPECT_EQ(recordReal(-0.003f, 5, 3), "-.003");
  EXPECT_EQ(recordInteger(-9, 2), "-9");
  EXPECT_EQ(recordInteger(99, 2), "99");
}

TEST(GroupsFixedRecord, TooWideRealsKeepTheirMagnitudeWithFewerDecimals) {
  // 123456.7 needs ten columns at three decimals; at two it fits nine.
  EXPECT_EQ(recordReal(123456.7f, 9, 3), "123456.70");
  // At no decimals the point stays, so implied decimals cannot shift it.
  EXPECT_EQ(recordReal(12345678.0f, 9, 3), "12345678.");
  // Beyond that, exponent form with as many digits as the field holds.
  EXPECT_EQ(recordReal(1.0e9f, 9, 3), "1.00000E9");
  EXPECT_EQ(recordReal(-2.5e12f, 8, 3), "-2.50E12");
  EXPECT_EQ(recordReal(123456.0f, 4, 1), "1.E5");

  RecordReader in(recordReal(1.0e9f, 9, 3));
  EXPECT_FLOAT_EQ(in.real(Field{1, 9, 3}), 1.0e9f);
  EXPECT_FALSE(in.bad());
}

TEST(GroupsFixedRecord, UnrepresentableValuesFillTheirFieldAndReadAsBad) {
  EXPECT_EQ(recordReal(std::nanf(""), 6, 2), "******");
  EXPECT_EQ(recordReal(INFINITY, 6, 2), "******");
  // A negative value of eleven digits cannot be written in four columns.
  EXPECT_EQ(recordReal(-1.0e10f, 4, 1), "****");
  EXPECT_EQ(recordInteger(100, 2), "**");

  RecordReader in("****  **");
  EXPECT_TRUE(std::isnan(in.real(Field{1, 4, 1})));
  EXPECT_TRUE(in.bad());
  RecordReader ints("  **");
  EXPECT_EQ(ints.integer(Field{3, 4}), 0);
  EXPECT_TRUE(ints.bad());
}

TEST(GroupsFixedRecord, ATooWideValueLeavesItsNeighboursIntact) {
  const Field left{1, 5, 2}, middle{6, 11, 3}, right{12, 13};
  RecordWriter w(20);
  w.real(left, -9.99f).real(middle, 98765432.0f).integer(right, 42);
  EXPECT_EQ(w.str().size(), 20u);
  RecordReader in(w.str());
  EXPECT_FLOAT_EQ(in.real(left), -9.99f);
  EXPECT_FLOAT_EQ(in.real(middle), 9.88e7f);  // "9.88E7" in six columns
  EXPECT_EQ(in.integer(right), 42);
  EXPECT_FALSE(in.bad());
}

TEST(GroupsFixedRecord, ReadingAppliesImpliedDecimalsOnlyWithoutAPoint) {
  RecordReader in("31 4   12.5 125");
  EXPECT_FLOAT_EQ(in.real(Field{1, 2, 1}), 3.1f);   // wind case 3, direction 1
  EXPECT_FLOAT_EQ(in.real(Field{3, 4, 0}), 4.0f);   // a column number
  EXPECT_FLOAT_EQ(in.real(Field{5, 7, 3}), 0.0f);   // blank
  EXPECT_FLOAT_EQ(in.real(Field{8, 11, 3}), 12.5f); // typed point wins
  EXPECT_FLOAT_EQ(in.real(Field{12, 15, 2}), 1.25f);
  // Columns beyond the record read as blanks.
  EXPECT_EQ(in.integer(Field{30, 32}), 0);
  EXPECT_EQ(in.character(Field{40, 40}), ' ');
  EXPECT_FALSE(in.bad());
}

TEST(GroupsFixedRecord, CharactersAndTextsAreLeftJustifiedAndCut) {
  RecordWriter w(8);
  w.character(Field{1, 1}, 'P').text(Field{2, 5}, "HS20XYZ").text(Field{6, 8}, "A");
  EXPECT_EQ(w.str(), "PHS20A  ");
  RecordReader in(w.str());
  EXPECT_EQ(in.text(Field{2, 5}), "HS20");
  EXPECT_EQ(in.character(Field{6, 6}), 'A');
}

TEST(GroupsFixedRecord, AReaderMadeFromATemporaryRecordReadsIt) {
  // The record written here is gone once the reader is made; the reader
  // reads its own copy (a sanitized build catches a dangling one).
  RecordReader in(RecordWriter(12).integer(Field{1, 3}, 517).real(Field{4, 12, 2}, -3.25f).str());
  EXPECT_EQ(in.integer(Field{1, 3}), 517);
  EXPECT_FLOAT_EQ(in.real(Field{4, 12, 2}), -3.25f);
  EXPECT_EQ(in.text(Field{1, 12}), "517    -3.25");
  EXPECT_FALSE(in.bad());
}

}  // namespace
}  // namespace bentpier
