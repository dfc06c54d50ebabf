#include "base/report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace bentpier {
namespace {

TEST(FixedFields, RealFieldsRoundAndRightJustify) {
  EXPECT_EQ(fmtF(3.14159, 6, 2), "  3.14");
  EXPECT_EQ(fmtF(-3.14159, 7, 3), " -3.142");
  EXPECT_EQ(fmtF(0.003, 7, 4), " 0.0030");
  EXPECT_EQ(fmtF(3155.92, 6, 0), "  3156");
  // Exact halves round away from zero.
  EXPECT_EQ(fmtF(2.5, 4, 0), "   3");
  EXPECT_EQ(fmtF(-0.125, 6, 2), " -0.13");
  EXPECT_EQ(fmtF(0.0, 5, 2), " 0.00");
}

TEST(FixedFields, NegativeZeroPrintsWithoutSign) {
  EXPECT_EQ(fmtF(-0.004, 5, 2), " 0.00");
  EXPECT_EQ(fmtF(-0.4, 4, 0), "   0");
}

TEST(FixedFields, TooWideValuesPrintAsterisksOfTheFieldWidth) {
  EXPECT_EQ(fmtF(12345.6, 6, 1), "******");
  EXPECT_EQ(fmtF(-999.99, 6, 2), "******");
  EXPECT_EQ(fmtF(1e30, 8, 3), "********");
  EXPECT_EQ(fmtF(std::nan(""), 5, 1), "*****");
  EXPECT_EQ(fmtI(12345, 4), "****");
  EXPECT_EQ(fmtI(-100, 3), "***");
  // A fraction that only fits without its leading zero keeps its digits.
  EXPECT_EQ(fmtF(0.25, 3, 2), ".25");
  EXPECT_EQ(fmtF(-0.25, 4, 2), "-.25");
}

TEST(FixedFields, IntegerFields) {
  EXPECT_EQ(fmtI(7, 3), "  7");
  EXPECT_EQ(fmtI(-12, 4), " -12");
  EXPECT_EQ(fmtIZ(5, 2), "05");
  EXPECT_EQ(fmtIZ(30, 2), "30");
  EXPECT_EQ(fmtIZ(123, 2), "**");
}

TEST(CarriageControl, InterpretedLikeAnAsaFilter) {
  std::ostringstream out;
  Report rep(out);
  rep.write(" FIRST");
  rep.write("0SECOND");
  rep.write("1THIRD");
  rep.write("+OVER");
  rep.write(" LAST   ");
  rep.finish();
  EXPECT_EQ(out.str(), "FIRST\n\nSECOND\n\fTHIRD\rOVER\nLAST\n");
  EXPECT_EQ(rep.pages(), 1);
}

TEST(CarriageControl, FirstLineOfTheFile) {
  std::ostringstream skip, page;
  Report a(skip), b(page);
  a.write("0HEAD");
  a.finish();
  b.write("1HEAD");
  b.finish();
  EXPECT_EQ(skip.str(), "\nHEAD\n");
  EXPECT_EQ(page.str(), "\fHEAD\n");
}

TEST(CarriageControl, RawModeKeepsTheControlCharacter) {
  std::ostringstream out;
  Report rep(out, /*raw=*/true);
  rep << Line(kSkipLine).text("A").blanks(3).f(1.5, 5, 1) << Line(kNewPage).text("+++++B");
  rep.finish();
  EXPECT_EQ(out.str(), "0A     1.5\n1+++++B\n");
}

TEST(CarriageControl, EmptyReportStaysEmpty) {
  std::ostringstream out;
  Report rep(out);
  rep.finish();
  EXPECT_EQ(out.str(), "");
}

TEST(CarriageControl, LineCountOnPage) {
  std::ostringstream out;
  Report rep(out);
  rep.write("1HEAD");
  rep.write(" A");
  rep.write("0B");
  EXPECT_EQ(rep.linesOnPage(), 4);
  rep.write("+B");
  EXPECT_EQ(rep.linesOnPage(), 4);
  rep.write("1NEXT");
  EXPECT_EQ(rep.linesOnPage(), 1);
  EXPECT_EQ(rep.pages(), 2);
}

}  // namespace
}  // namespace bentpier
