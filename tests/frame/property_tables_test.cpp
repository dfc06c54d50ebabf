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
  for (const auto& [blanks, text] : parts)
    s += std::string(static_cast<size_t>(blanks), ' ') + text;
  return s;
}

std::string centredIn132(const std::string& title) {
  return std::string((132 - title.size()) / 2, ' ') + title;
}

// A printed field: its first and last column and the text expected there.
struct Field {
  int first, last;
  const char* text;
};

void expectFields(const std::string& line, std::initializer_list<Field> fields) {
  for (const Field& f : fields) EXPECT_EQ(columns(line, f.first, f.last), f.text) << f.first;
}

TEST(PropsTables, MemberPropertiesHeadingsAndValuePositions) {
  Problem p = propertiesProblem(2, 0);
  ColumnProperties& cp = p.colp[2];
  // Upper line values, then lower line values, in print order.
  float* upper[] = {&cp.KT,   &cp.COTB, &cp.COTBM, &cp.TLR,  &cp.TRC,   &cp.TLC,  &cp.DFC, &cp.KL,
                    &cp.FKBR, &cp.PCBR, &cp.PCL,   &cp.UFMT, &cp.EITTB, &cp.PSIT, &cp.RGTB};
  const float upperValues[] = {123456.7f, 0.5123f,  0.4567f,  0.1111f,   0.2222f,
                               0.3333f,   0.4444f,  1.234567f, 45.6f,     98765.4f,
                               54321.9f,  7654.3f,  123456.5f, 2.5f,      10.4f};
  float* lower[] = {&cp.KTM,  &cp.COBT,  &cp.COBTM, &cp.TRL,  &cp.TCR,   &cp.TCL,  &cp.DFL, &cp.PDF,
                    &cp.FKUBR, &cp.PCUBR, &cp.FLU,  &cp.UFMB, &cp.EILTB, &cp.PSIB, &cp.RGL};
  const float lowerValues[] = {100000.1f, 0.6f, 0.7f, 0.8f, 0.9f, 0.1f, 0.2f, 0.5f,
                               77.7f, 12345.6f, 28.5f, 8765.4f, 65432.1f, 999.9f, 8.7f};
  for (size_t i = 0; i < 15; ++i) {
    *upper[i] = upperValues[i];
    *lower[i] = lowerValues[i];
  }
  std::ostringstream out;
  Report report(out, true);
  printMemberProperties(p, report);
  report.finish();
  const std::vector<std::string> lines = rawLines(out.str());
  ASSERT_EQ(lines.size(), 9u);
  // Two blank lines, then the centred headings.
  EXPECT_EQ(lines[0], "0");
  EXPECT_EQ(lines[1], std::string(" ") += centredIn132("MEMBER PROPERTIES"));
  EXPECT_EQ(lines[2], std::string("0") += centredIn132("COLUMN PROPERTIES"));
  EXPECT_EQ(lines[3], std::string(" ") += spaced({{9, "KT"}, {4, "COTB"}, {3, "COTBM"}, {3, "TLR"}, {4, "TRC"},
                                    {4, "TLC"}, {4, "DFC"}, {8, "KL"}, {8, "FKBR"}, {7, "PCBR"},
                                    {7, "PCL"}, {7, "UFMT"}, {6, "EITTB"}, {3, "PSIT"},
                                    {2, "RGTB"}}));
  EXPECT_EQ(lines[4], std::string(" ") += spaced({{0, "CN"}, {7, "KTM"}, {3, "COBT"}, {3, "COBTM"}, {3, "TRL"},
                                    {4, "TCR"}, {4, "TCL"}, {4, "DFL"}, {8, "PDF"}, {7, "FKUBR"},
                                    {6, "PCUBR"}, {6, "FLU"}, {7, "UFMB"}, {6, "EILTB"},
                                    {3, "PSIB"}, {2, "RGL"}}));
  EXPECT_EQ(columns(lines[5], 1, 2), " 1");
  ASSERT_EQ(lines[7][0], '0');
  ASSERT_EQ(lines[8][0], '0');
  EXPECT_EQ(lines[7].size(), 133u);
  expectFields(lines[7], {{1, 2, " 2"},           {3, 13, "   123456.7"},  {14, 20, " 0.5123"},
                          {21, 27, " 0.4567"},    {28, 34, " 0.1111"},     {35, 41, " 0.2222"},
                          {42, 48, " 0.3333"},    {49, 55, " 0.4444"},     {56, 66, "   1.234567"},
                          {67, 77, "       45.6"}, {78, 88, "    98765.4"}, {89, 99, "    54321.9"},
                          {100, 110, "     7654.3"}, {111, 120, "  123456.5"}, {121, 126, "   2.5"},
                          {127, 132, "  10.4"}});
  expectFields(lines[8], {{1, 2, "  "},           {3, 13, "   100000.1"},  {14, 20, " 0.6000"},
                          {21, 27, " 0.7000"},    {28, 34, " 0.8000"},     {35, 41, " 0.9000"},
                          {42, 48, " 0.1000"},    {49, 55, " 0.2000"},     {56, 66, "     0.5000"},
                          {67, 77, "       77.7"}, {78, 88, "    12345.6"}, {89, 99, "       28.5"},
                          {100, 110, "     8765.4"}, {111, 120, "   65432.1"}, {121, 126, " 999.9"},
                          {127, 132, "   8.7"}});
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
  EXPECT_EQ(lines[0], std::string("0") += centredIn132("CAP PROPERTIES"));
  std::string left = spaced({{9, "CO"}, {8, "KML"}, {4, "COMLR"}, {5, "FMWT "}});
  std::string right = spaced({{0, "CN"}, {7, "K"}, {9, "KMR"}, {4, "COMRL"}, {5, "UFEM "}});
  for (char d = '1'; d <= '8'; ++d) {
    left += std::string(6, ' ') + "FMLP" + d;
    right += std::string(6, ' ') + "FMRP" + d;
  }
  EXPECT_EQ(lines[1], std::string(" ") += left);
  EXPECT_EQ(lines[2], std::string(" ") += right);
  // Span 2 has three bearings, span 3 eight.
  EXPECT_EQ(columns(lines[3], 1, 2), " 2");
  EXPECT_EQ(lines[3].size(), 1u + 42 + 3 * 11);
  const std::string& a = lines[5];
  const std::string& b = lines[6];
  EXPECT_EQ(a[0], '0');
  EXPECT_EQ(b[0], '0');
  expectFields(a, {{1, 2, " 3"},         {3, 13, "     0.5432"},  {14, 24, "   654321.2"},
                   {25, 31, " 0.3456"},    {32, 42, "    60.1250"},  {43, 53, "     0.1000"},
                   {120, 130, "     0.8000"}});
  expectFields(b, {{1, 2, "  "},          {3, 13, "  1382400.0"},  {14, 24, "   987654.3"},
                   {25, 31, " 0.4321"},    {32, 42, "   103680.0"},  {43, 53, "    -0.2000"},
                   {120, 130, "    -1.6000"}});
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
