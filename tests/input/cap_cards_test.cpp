// Cap cards: bearing counts and sums, spans and cantilevers, mirror images.
#include <algorithm>
#include <numeric>

#include "input_harness.h"

namespace bentpier {
namespace {

using testing::cardWith;
using testing::Harness;
using testing::num;

struct Dims {
  double L = 0, A = 0, DE = 0, BC = 0, BE = 0, DH = 0, LH = 0;
};

std::string capCard(int cn, char code, Dims d, std::vector<double> xb) {
  std::vector<std::pair<int, std::string>> f = {{1, testing::inum(cn, 2)}, {3, std::string(1, code)}};
  const double dims[] = {d.L, d.A, d.DE, d.BC, d.BE, d.DH, d.LH};
  for (int i = 0; i < 7; ++i)
    if (dims[i] != 0) f.push_back({4 + 5 * i, num(dims[i], 5)});
  for (size_t i = 0; i < xb.size(); ++i)
    if (xb[i] != 0) f.push_back({39 + 5 * static_cast<int>(i), num(xb[i], 5)});
  return cardWith(f);
}

std::string refCard(int cn, char code) { return cardWith({{1, testing::inum(cn, 2)}, {3, std::string(1, code)}}); }

const Dims kSpan{20.0, 0, 3.5, 3.0, 0, 0, 0};
const Dims kCantilever{10.0, 1.5, 3.0, 3.0, 0, 0, 0};

void setBent(Problem& p, int ncan, int ncol) {
  p.dd.NCAN = ncan;
  p.dd.NCOL = ncol;
  p.dd.NSPAN = ncan == 0 ? ncol : ncol + ncan - 1;
}

// Bearing positions measured from the left end of a span.
std::vector<double> positions(const CapSegment& s) {
  std::vector<double> x;
  double at = 0;
  for (int i = 1; i <= s.NB; ++i) x.push_back(at += s.XB[i]);
  return x;
}

TEST(CapCards, BearingsCountUpToTheFirstZero) {
  // 5, 10, 0, 7: two bearings summing to 15; the 7 after the zero is ignored.
  for (double length : {15.0, 15.5}) {
    Harness h({capCard(11, 'C', {length, 0, 3.5, 3.0}, {5, 10, 0, 7})});
    setBent(h.problem, 0, 2);
    const Step s = readCapCards(h.reader);
    if (length == 15.0) {
      EXPECT_EQ(s, Step::Error) << "L must exceed the bearing sum 15";
      continue;
    }
    ASSERT_EQ(s, Step::Ok);
    const CapSegment& seg = h.problem.cap[2];
    EXPECT_EQ(seg.NB, 2);
    EXPECT_FLOAT_EQ(seg.XB[1], 5.0f);
    EXPECT_FLOAT_EQ(seg.XB[2], 10.0f);
    EXPECT_FLOAT_EQ(seg.XB[3], 0.0f);
    EXPECT_FLOAT_EQ(seg.XB[4], 0.0f);
    EXPECT_EQ(h.problem.cap[1].NB, 0) << "no cantilever card without NCAN";
  }
}

TEST(CapCards, LeftCantileverBearingLimits) {
  struct Case {
    std::vector<double> xb;
    bool ok;
  };
  // L = 10: the first bearing at most L - 1 = 9 from the column; the sum
  // -XB1 + XB2 + ... must stay negative (the last bearing left of the column).
  const Case cases[] = {
      {{9.0}, true},        {{9.5}, false},      {{8, 3, 3}, true},  // S = -2
      {{8, 5, 4}, false},  // S = 1
      {{8, 5, 3}, false},  // S = 0: a bearing on the column line
      {{0, 4}, false},     // no first bearing
  };
  for (const Case& c : cases) {
    Harness h({capCard(11, 'C', kCantilever, c.xb)});
    setBent(h.problem, 1, 1);
    EXPECT_EQ(readCapCards(h.reader), c.ok ? Step::Ok : Step::Error) << "first bearing " << c.xb[0];
  }
}

TEST(CapCards, CantileverWidthDefaultsToTheColumnWidthButASpanKeepsItsOwn) {
  Dims span = kSpan;
  span.BE = 0;
  Harness h({capCard(11, 'C', kCantilever, {4}), capCard(12, 'C', span, {5, 5})});
  setBent(h.problem, 1, 2);
  ASSERT_EQ(readCapCards(h.reader), Step::Ok);
  EXPECT_FLOAT_EQ(h.problem.cap[1].BE, 3.0f);
  EXPECT_FLOAT_EQ(h.problem.cap[2].BE, 0.0f);
  EXPECT_FLOAT_EQ(h.problem.cap[1].DE, 3.0f);
  EXPECT_FLOAT_EQ(h.problem.cap[3].DE, 0.0f) << "no right cantilever: its depth is 0";
}

TEST(CapCards, ReferenceSpanIsTheMirrorImage) {
  // Span 2: bearings at 2, 7 and 13 ft from its left column (L = 20).
  Harness h({capCard(11, 'L', {20.0, 1.0, 3.5, 3.0, 0, 1.0, 3.0}, {2, 5, 6}), refCard(12, '2')});
  setBent(h.problem, 0, 3);
  ASSERT_EQ(readCapCards(h.reader), Step::Ok);
  const CapSegment& a = h.problem.cap[2];
  const CapSegment& b = h.problem.cap[3];
  EXPECT_EQ(b.C, 'L');
  EXPECT_FLOAT_EQ(b.L, a.L);
  EXPECT_FLOAT_EQ(b.A, a.A);
  EXPECT_FLOAT_EQ(b.DH, a.DH);
  EXPECT_FLOAT_EQ(b.LH, a.LH);
  ASSERT_EQ(b.NB, 3);
  // Mirror: each bearing at L - x, read from the left again.
  std::vector<double> expected;
  for (double x : positions(a)) expected.push_back(20.0 - x);
  std::sort(expected.begin(), expected.end());
  const std::vector<double> got = positions(b);
  ASSERT_EQ(got.size(), expected.size());
  for (size_t i = 0; i < got.size(); ++i) EXPECT_NEAR(got[i], expected[i], 1e-5) << i;
  EXPECT_FLOAT_EQ(b.XB[1], 7.0f);
  EXPECT_FLOAT_EQ(b.XB[2], 6.0f);
  EXPECT_FLOAT_EQ(b.XB[3], 5.0f);
  EXPECT_FLOAT_EQ(b.XB[4], 0.0f);
}

TEST(CapCards, ReferenceSpanMustNameAnEarlierSpan) {
  struct Case {
    int ncol;
    std::vector<std::string> cards;
    bool ok;
  };
  const std::string span = capCard(11, 'C', kSpan, {5});
  const Case cases[] = {
      {2, {refCard(11, '2')}, false},                         // span 2 has nothing before it
      {3, {span, refCard(12, '3')}, false},                   // itself
      {3, {span, refCard(12, '1')}, false},                   // segment 1 is not a span
      {3, {span, refCard(12, ' ')}, false},                   // blank code
      {3, {span, refCard(13, '2')}, false},                   // card number is compared
      {3, {span, refCard(12, '2')}, true},
      {4, {span, refCard(12, '2'), refCard(13, '3')}, true},  // a reference of a reference
  };
  for (const Case& c : cases) {
    Harness h(c.cards);
    setBent(h.problem, 0, c.ncol);
    EXPECT_EQ(readCapCards(h.reader), c.ok ? Step::Ok : Step::Error) << c.cards.back();
  }
}

TEST(CapCards, RightCantileverMirrorsTheLeftOne) {
  // Left cantilever bearings 9, 2, 4: 9, 7 and 3 ft left of column 1. The
  // right cantilever has them 3, 7 and 9 ft right of the last column.
  Harness h({capCard(11, 'C', kCantilever, {9, 2, 4}), capCard(12, 'C', kSpan, {10}),
             refCard(99, '1')});  // the number of this card is not compared
  setBent(h.problem, 2, 2);
  ASSERT_EQ(readCapCards(h.reader), Step::Ok);
  const CapSegment& right = h.problem.cap[3];
  ASSERT_EQ(right.NB, 3);
  EXPECT_FLOAT_EQ(right.XB[1], 3.0f);
  EXPECT_FLOAT_EQ(right.XB[2], 4.0f);
  EXPECT_FLOAT_EQ(right.XB[3], 2.0f);
  EXPECT_FLOAT_EQ(right.L, 10.0f);
  EXPECT_FLOAT_EQ(right.BE, 3.0f);
  EXPECT_FLOAT_EQ(right.DE, 3.0f);
}

TEST(CapCards, RightCantileverReferenceMustNameTheLeftCantilever) {
  Harness h({capCard(11, 'C', kCantilever, {9}), capCard(12, 'C', kSpan, {10}), refCard(13, '2')});
  setBent(h.problem, 2, 2);
  EXPECT_EQ(readCapCards(h.reader), Step::Error);
}

TEST(CapCards, FullRightCantileverChecks) {
  struct Case {
    char code;
    Dims d;
    std::vector<double> xb;
    int cn;
    bool ok;
  };
  const Case cases[] = {
      {'C', kCantilever, {4, 5}, 13, true},                        // last bearing 9 = L - 1
      {'C', kCantilever, {4, 5}, 14, false},                       // a full card is numbered
      {'C', kCantilever, {4, 5.5}, 13, false},                     // 9.5 > L - 1
      {'C', {10.0, 1.5, 0, 3.0}, {4}, 13, false},                  // no depth
      {'C', {10.0, 1.5, 3.0, 0}, {4}, 13, false},                  // no width
      {'L', {10.0, 1.5, 3.0, 3.0, 0, 1.0, 0}, {4}, 13, false},     // haunch without length
      {'P', {10.0, 1.5, 3.0, 3.0, 0, 1.0, 4.0}, {4}, 13, true},
      {'L', {10.0, 6.0, 3.0, 3.0, 0, 1.0, 5.0}, {4}, 13, false},   // block and haunch too long
      {'C', {10.0, 6.0, 3.0, 3.0, 0, 0, 5.0}, {4}, 13, true},      // code C: LH is no haunch
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    const Case& c = cases[i];
    Harness h({capCard(11, 'C', kCantilever, {4}), capCard(12, 'C', kSpan, {10}),
               capCard(c.cn, c.code, c.d, c.xb)});
    setBent(h.problem, 2, 2);
    EXPECT_EQ(readCapCards(h.reader), c.ok ? Step::Ok : Step::Error) << "case " << i;
  }
}

TEST(CapCards, LimitsHoldExactlyAsTheCardGivesThem) {
  // Tenths of a foot are no binary fractions: in single precision
  // 0.3 + 4.8 exceeds 10.2 / 2 and 10.55 + 0.35 exceeds 11.9 - 1. A length
  // exactly at its limit is sound, a thousandth beyond it is not.
  struct Case {
    const char* what;
    int ncan;
    std::vector<std::string> cards;
    bool ok;
  };
  const auto span = [](double lh, std::vector<double> xb) {
    return capCard(11, 'L', {10.2, 0.3, 3.0, 3.0, 0, 1.0, lh}, xb);
  };
  const auto tip = [](int cn, double lh, std::vector<double> xb) {
    return capCard(cn, 'P', {4.2, 0.3, 3.0, 3.0, 0, 1.0, lh}, xb);
  };
  const auto right = [](std::vector<double> xb) {
    return capCard(13, 'C', {11.9, 1.5, 3.0, 3.0}, xb);
  };
  const Case cases[] = {
      {"haunches meeting at mid-span", 0, {span(4.8, {5.1})}, true},
      {"haunch past mid-span is refused, not cut", 0, {span(4.801, {5.1})}, false},
      {"bearings just short of the span", 0, {span(4.8, {4.9, 5.299})}, true},
      {"bearings reaching the far column", 0, {span(4.8, {4.9, 5.3})}, false},
      {"left haunch ending at the tip", 1, {tip(11, 3.9, {3.2}), span(4.8, {5.1})}, true},
      {"left haunch past the tip", 1, {tip(11, 3.901, {3.2}), span(4.8, {5.1})}, false},
      {"left bearing a thousandth too far out", 1, {tip(11, 3.9, {3.201}), span(4.8, {5.1})},
       false},
      {"right bearings ending at L - 1", 2,
       {tip(11, 3.9, {3.2}), span(4.8, {5.1}), right({10.55, 0.35})}, true},
      {"right bearings past L - 1", 2,
       {tip(11, 3.9, {3.2}), span(4.8, {5.1}), right({10.55, 0.351})}, false},
  };
  for (const Case& c : cases) {
    std::vector<std::string> cards = c.cards;
    for (size_t i = 0; i < cards.size(); ++i) cards[i].replace(0, 2, testing::inum(11 + int(i), 2));
    Harness h(cards);
    setBent(h.problem, c.ncan, 2);
    EXPECT_EQ(readCapCards(h.reader), c.ok ? Step::Ok : Step::Error) << c.what;
  }
}

TEST(CapCards, SpanChecks) {
  struct Case {
    char code;
    Dims d;
    std::vector<double> xb;
    int cn;
    bool ok;
  };
  const Case cases[] = {
      {'C', kSpan, {5, 5}, 11, true},
      {'C', kSpan, {5, 5}, 12, false},                               // wrong card number
      {'C', {20.0, 0, 0, 3.0}, {5}, 11, false},                      // no depth
      {'C', {20.0, 0, 3.5, 0}, {5}, 11, false},                      // no width
      {'P', {20.0, 1.0, 3.5, 3.0, 0, 1.0, 0}, {5}, 11, false},       // haunch without length
      {'L', {20.0, 1.0, 3.5, 3.0, 0, 1.0, 3.0}, {5}, 11, true},
      {'C', kSpan, {5, -2, 4}, 11, false},                           // bearings out of order
      {'L', {20.0, 4.0, 3.5, 3.0, 0, 1.0, 7.0}, {5}, 11, false},     // haunches overlap
      {'P', {20.0, 1.0, 3.5, 3.0, 0, -1.0, 3.0}, {5}, 11, false},    // negative haunch
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    const Case& c = cases[i];
    Harness h({capCard(c.cn, c.code, c.d, c.xb)});
    setBent(h.problem, 0, 2);
    EXPECT_EQ(readCapCards(h.reader), c.ok ? Step::Ok : Step::Error) << "case " << i;
  }
}

TEST(CapCards, EchoFollowsTheCardLayout) {
  std::vector<std::string> cards = {capCard(11, 'P', {9.0, 1.75, 3.0, 3.5, 3.5, 1.5, 4.0}, {6.5}),
                                    capCard(12, 'L', {18.5, 1.75, 4.0, 3.5, 2.0, 1.0, 3.0}, {0.5, 7, 7})};
  for (int k = 3; k <= 11; ++k) cards.push_back(refCard(10 + k, '2'));
  cards.push_back(refCard(77, '1'));
  Harness h(cards);
  setBent(h.problem, 2, 11);
  ASSERT_EQ(readCapCards(h.reader), Step::Ok);
  const std::vector<std::string> lines = h.lines();
  ASSERT_EQ(lines.size(), 2u + 12u);  // heading and twelve cards
  EXPECT_EQ(lines[0], testing::reportLine('0', 58, "CAP DATA"));
  EXPECT_EQ(lines[1],
            "0CN  C     L       A      DE      BC      BE      DH      LH      XB1     XB2     XB3"
            "     XB4     XB5     XB6     XB7     XB8");
  EXPECT_EQ(lines[2], "011  P   9.000   1.750   3.000   3.500   3.500   1.500   4.000   6.500");
  // A span leaves the field of BE blank.
  EXPECT_EQ(lines[3],
            "012  L  18.500   1.750   4.000   3.500           1.000   3.000   0.500   7.000   7.000");
  EXPECT_EQ(lines[4], "013  3 SAME AS CAP SECTION 2");
  EXPECT_EQ(lines[11], "020  * SAME AS CAP SECTION 2");  // span 10 in a one-column field
  EXPECT_EQ(lines[13], "077  * SAME AS CANTILEVER  1");
}

}  // namespace
}  // namespace bentpier
