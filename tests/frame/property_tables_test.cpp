// Layout of the "MEMBER PROPERTIES" and "CAP PROPERTIES" tables: headings,
// title lines and the column positions of every printed value.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "frame/member_properties.h"
#include "frame/properties_fixture.h"

namespace bentpier {
namespace {

using testing::propertiesProblem;
using testing::rectangularColumn;
using testing::setBearings;

std::vector<std::string> rawLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Printed columns first..last (1-based, carriage control not counted).
std::string columns(const std::string& line, int first, int last) {
  const std::string padded = line + std::string(140, ' ');
  return padded.substr(static_cast<size_t>(first), static_cast<size_t>(last - first + 1));
}

std::string spaced(std::initializer_list<std::pair<int, const char*>> parts) {
  std::string s;
  for (const auto& [blanks, text] : parts) s += std::string(static_cast<size_t>(blanks), ' ') + text;
  return s;
}

std::string centredIn132(const std::string& title) {
  return std::string((132 - title.size()) / 2, ' ') + title;
}

TEST(PropsTables, MemberPropertiesHeadingsAndValuePositions) {
  Problem p = propertiesProblem(2, 0);
  ColumnProperties& cp = p.colp[2];
  cp.KT = 123456.7f;
  cp.COTB = 0.5123f;
  cp.COTBM = 0.4567f;
  cp.TLR = 0.1111f;
  cp.TRC = 0.2222f;
  cp.TLC = 0.3333f;
  cp.DFC = 0.4444f;
  cp.KL = 1.234567f;
  cp.FKBR = 45.6f;
  cp.PCBR = 98765.4f;
  cp.PCL = 54321.9f;
  cp.UFMT = 7654.3f;
  cp.EITTB = 123456.5f;
  cp.PSIT = 2.5f;
  cp.RGTB = 10.4f;
  cp.KTM = 100000.1f;
  cp.COBT = 0.6f;
  cp.COBTM = 0.7f;
  cp.TRL = 0.8f;
  cp.TCR = 0.9f;
  cp.TCL = 0.1f;
  cp.DFL = 0.2f;
  cp.PDF = 0.5f;
  cp.FKUBR = 77.7f;
  cp.PCUBR = 12345.6f;
  cp.FLU = 28.5f;
  cp.UFMB = 8765.4f;
  cp.EILTB = 65432.1f;
  cp.PSIB = 999.9f;
  cp.RGL = 8.7f;
  std::ostringstream out;
  Report report(out, true);
  printMemberProperties(p, report);
  report.finish();
  const std::vector<std::string> lines = rawLines(out.str());
  ASSERT_EQ(lines.size(), 9u);
  // Two blank lines, then the centred headings.
  EXPECT_EQ(lines[0], "0");
  EXPECT_EQ(lines[1], " " + centredIn132("MEMBER PROPERTIES"));
  EXPECT_EQ(lines[2], "0" + centredIn132("COLUMN PROPERTIES"));
  EXPECT_EQ(lines[3], " " + spaced({{9, "KT"}, {4, "COTB"}, {3, "COTBM"}, {3, "TLR"}, {4, "TRC"},
                                    {4, "TLC"}, {4, "DFC"}, {8, "KL"}, {8, "FKBR"}, {7, "PCBR"},
                                    {7, "PCL"}, {7, "UFMT"}, {6, "EITTB"}, {3, "PSIT"},
                                    {2, "RGTB"}}));
  EXPECT_EQ(lines[4], " " + spaced({{0, "CN"}, {7, "KTM"}, {3, "COBT"}, {3, "COBTM"}, {3, "TRL"},
                                    {4, "TCR"}, {4, "TCL"}, {4, "DFL"}, {8, "PDF"}, {7, "FKUBR"},
                                    {6, "PCUBR"}, {6, "FLU"}, {7, "UFMB"}, {6, "EILTB"},
                                    {3, "PSIB"}, {2, "RGL"}}));
  const std::string& a = lines[7];
  const std::string& b = lines[8];
  ASSERT_EQ(a[0], '0');
  ASSERT_EQ(b[0], '0');
  EXPECT_EQ(columns(a, 1, 2), " 2");
  EXPECT_EQ(columns(a, 3, 13), "   123456.7");
  EXPECT_EQ(columns(a, 14, 20), " 0.5123");
  EXPECT_EQ(columns(a, 21, 27), " 0.4567");
  EXPECT_EQ(columns(a, 28, 34), " 0.1111");
  EXPECT_EQ(columns(a, 35, 41), " 0.2222");
  EXPECT_EQ(columns(a, 42, 48), " 0.3333");
  EXPECT_EQ(columns(a, 49, 55), " 0.4444");
  EXPECT_EQ(columns(a, 56, 66), "   1.234567");
  EXPECT_EQ(columns(a, 67, 77), "       45.6");
  EXPECT_EQ(columns(a, 78, 88), "    98765.4");
  EXPECT_EQ(columns(a, 89, 99), "    54321.9");
  EXPECT_EQ(columns(a, 100, 110), "     7654.3");
  EXPECT_EQ(columns(a, 111, 120), "  123456.5");
  EXPECT_EQ(columns(a, 121, 126), "   2.5");
  EXPECT_EQ(columns(a, 127, 132), "  10.4");
  EXPECT_EQ(a.size(), 133u);
  EXPECT_EQ(columns(b, 1, 2), "  ");
  EXPECT_EQ(columns(b, 3, 13), "   100000.1");
  EXPECT_EQ(columns(b, 14, 20), " 0.6000");
  EXPECT_EQ(columns(b, 21, 27), " 0.7000");
  EXPECT_EQ(columns(b, 28, 34), " 0.8000");
  EXPECT_EQ(columns(b, 35, 41), " 0.9000");
  EXPECT_EQ(columns(b, 42, 48), " 0.1000");
  EXPECT_EQ(columns(b, 49, 55), " 0.2000");
  EXPECT_EQ(columns(b, 56, 66), "     0.5000");
  EXPECT_EQ(columns(b, 67, 77), "       77.7");
  EXPECT_EQ(columns(b, 78, 88), "    12345.6");
  EXPECT_EQ(columns(b, 89, 99), "       28.5");
  EXPECT_EQ(columns(b, 100, 110), "     8765.4");
  EXPECT_EQ(columns(b, 111, 120), "   65432.1");
  EXPECT_EQ(columns(b, 121, 126), " 999.9");
  EXPECT_EQ(columns(b, 127, 132), "   8.7");
  // Column 1 comes first.
  EXPECT_EQ(columns(lines[5], 1, 2), " 1");
}

Problem capTableProblem(int ncol) {
  Problem p = propertiesProblem(ncol, 0);
  for (int k = 2; k <= ncol; ++k) setBearings(p.cap[k], {1, 1, 1});
  return p;
}

TEST(PropsTables, CapPropertiesHeadingsAndValuePositions) {
  Problem p = capTableProblem(3);
  setBearings(p.cap[3], {1, 2, 3, 4, 5, 6, 7, 8});
  CapProperties& sp = p.capp[3];
  sp.CO = 0.5432f;
  sp.KML = 654321.2f;
  sp.COMLR = 0.3456f;
  sp.FMWT = 60.125f;
  sp.K = 1382400.0f;
  sp.KMR = 987654.3f;
  sp.COMRL = 0.4321f;
  sp.UFEM = 103680.0f;
  for (int i = 1; i <= 8; ++i) {
    sp.FMLP[i] = 0.1f * i;
    sp.FMRP[i] = -0.2f * i;
  }
  std::ostringstream out;
  Report report(out, true);
  printCapProperties(p, report);
  report.finish();
  const std::vector<std::string> lines = rawLines(out.str());
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[0], "0" + centredIn132("CAP PROPERTIES"));
  std::string left = spaced({{9, "CO"}, {8, "KML"}, {4, "COMLR"}, {5, "FMWT "}});
  std::string right = spaced({{0, "CN"}, {7, "K"}, {9, "KMR"}, {4, "COMRL"}, {5, "UFEM "}});
  for (char d = '1'; d <= '8'; ++d) {
    left += std::string(6, ' ') + "FMLP" + d;
    right += std::string(6, ' ') + "FMRP" + d;
  }
  EXPECT_EQ(lines[1], " " + left);
  EXPECT_EQ(lines[2], " " + right);
  // Span 2 has three bearings, span 3 eight.
  EXPECT_EQ(columns(lines[3], 1, 2), " 2");
  EXPECT_EQ(lines[3].size(), 1u + 42 + 3 * 11);
  const std::string& a = lines[5];
  const std::string& b = lines[6];
  EXPECT_EQ(a[0], '0');
  EXPECT_EQ(b[0], '0');
  EXPECT_EQ(columns(a, 1, 2), " 3");
  EXPECT_EQ(columns(a, 3, 13), "     0.5432");
  EXPECT_EQ(columns(a, 14, 24), "   654321.2");
  EXPECT_EQ(columns(a, 25, 31), " 0.3456");
  EXPECT_EQ(columns(a, 32, 42), "    60.1250");
  EXPECT_EQ(columns(a, 43, 53), "     0.1000");
  EXPECT_EQ(columns(a, 120, 130), "     0.8000");
  EXPECT_EQ(columns(b, 1, 2), "  ");
  EXPECT_EQ(columns(b, 3, 13), "  1382400.0");
  EXPECT_EQ(columns(b, 14, 24), "   987654.3");
  EXPECT_EQ(columns(b, 25, 31), " 0.4321");
  EXPECT_EQ(columns(b, 32, 42), "   103680.0");
  EXPECT_EQ(columns(b, 43, 53), "    -0.2000");
  EXPECT_EQ(columns(b, 120, 130), "    -1.6000");
}

TEST(PropsTables, CapTableStartsANewPageForMoreThanSevenColumns) {
  for (int ncol : {7, 8}) {
    Problem p = capTableProblem(ncol);
    std::ostringstream out;
    Report report(out, true);
    printCapProperties(p, report);
    report.finish();
    const std::vector<std::string> lines = rawLines(out.str());
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0][0], ncol > 7 ? '1' : '0');
    EXPECT_EQ(lines.size(), 3u + 2 * static_cast<size_t>(ncol - 1));
  }
}

// A complete two-column bent for the whole stage.
Problem smallBent(int ncol, char ip) {
  Problem p = propertiesProblem(ncol, 0);
  p.cs.IP = ip;
  for (int k = 2; k <= ncol; ++k) {
    p.cap[k].C = 'C';
    p.cap[k].L = 20;
    p.cap[k].DE = 4;
    p.cap[k].BC = 3;
    setBearings(p.cap[k], {10});
  }
  for (int c = 1; c <= ncol; ++c) p.col[c] = rectangularColumn(20, 3, 3);
  return p;
}

TEST(PropsTables, TablesPrintOnlyWhenAskedFor) {
  {
    Problem p = smallBent(2, ' ');
    std::ostringstream out;
    Report report(out, true);
    PIER21(p, report);
    report.finish();
    EXPECT_EQ(out.str(), "");
    EXPECT_GT(p.colp[1].DFC, 0);  // the properties are still computed
  }
  {
    Problem p = smallBent(2, 'P');
    std::ostringstream out;
    Report report(out, true);
    PIER21(p, report);
    report.finish();
    const std::string text = out.str();
    EXPECT_NE(text.find("MEMBER PROPERTIES"), std::string::npos);
    EXPECT_NE(text.find("CAP PROPERTIES"), std::string::npos);
    EXPECT_LT(text.find("MEMBER PROPERTIES"), text.find("CAP PROPERTIES"));
  }
  {
    Problem p = smallBent(1, 'P');
    std::ostringstream out;
    Report report(out, true);
    PIER21(p, report);
    report.finish();
    const std::string text = out.str();
    EXPECT_NE(text.find("MEMBER PROPERTIES"), std::string::npos);
    EXPECT_EQ(text.find("CAP PROPERTIES"), std::string::npos);
  }
}

}  // namespace
}  // namespace bentpier
