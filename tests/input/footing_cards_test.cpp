// Footing cards: spread and pile footings, their checks under each footing
// option, and footings that are the same as an earlier one.
#include "input_harness.h"

namespace bentpier {
namespace {

using testing::cardWith;
using testing::Harness;
using testing::inum;
using testing::num;

struct FootingSpec {
  int cn = 31;
  char SP = 'S';
  double B = 10, D = 12, T = 2.5, DEL_B = 0.5, DEL_D = 0.5, DEL_T = 0.25;
  double R_BD = 1.0, R_DB = 1.0, S_HT = 3.0;
  int NP = 0, SYM = 0;
  double BP = 0, DP = 0, SET = 0;
};

std::string footingCard(const FootingSpec& f) {
  std::vector<std::pair<int, std::string>> fields = {{1, inum(f.cn, 2)}, {3, std::string(1, f.SP)}};
  const double six[] = {f.B, f.D, f.T, f.DEL_B, f.DEL_D, f.DEL_T};
  for (int i = 0; i < 6; ++i)
    if (six[i] != 0) fields.push_back({4 + 5 * i, num(six[i], 5)});
  if (f.R_BD != 0) fields.push_back({34, num(f.R_BD, 4)});
  if (f.R_DB != 0) fields.push_back({38, num(f.R_DB, 4)});
  if (f.S_HT != 0) fields.push_back({42, num(f.S_HT, 5)});
  if (f.NP != 0) fields.push_back({47, inum(f.NP, 2)});
  if (f.SYM != 0) fields.push_back({49, inum(f.SYM, 1)});
  if (f.BP != 0) fields.push_back({50, num(f.BP, 5)});
  if (f.DP != 0) fields.push_back({55, num(f.DP, 5)});
  if (f.SET != 0) fields.push_back({60, num(f.SET, 5)});
  return cardWith(fields);
}

FootingSpec pileFooting() {
  FootingSpec f;
  f.SP = 'P';
  f.B = 7.0;
  f.D = 7.0;
  f.T = 3.0;
  f.NP = 4;
  f.BP = 3.0;
  f.DP = 3.0;
  return f;
}

void setBent(Problem& p, int ncol, char ftgopt) {
  p.dd.NCOL = ncol;
  p.dd.FTGOPT = ftgopt;
  p.cs.ALLSP = 4.0f;
  p.cs.PILECAP = 70.0f;
}

Step readOne(const FootingSpec& f, char ftgopt, Problem* out = nullptr,
             void (*adjust)(Problem&) = nullptr) {
  Harness h({footingCard(f)});
  setBent(h.problem, 1, ftgopt);
  if (adjust != nullptr) adjust(h.problem);
  const Step s = readFootingCards(h.reader);
  if (out != nullptr) *out = h.problem;
  return s;
}

TEST(FootingCards, NoCardsWithoutAFootingOption) {
  Harness h({footingCard(FootingSpec{})});
  setBent(h.problem, 1, ' ');
  EXPECT_EQ(readFootingCards(h.reader), Step::Ok);
  EXPECT_TRUE(h.lines().empty());
  Card next;
  EXPECT_TRUE(h.deck.next(next)) << "the card is left for the next group";
}

TEST(FootingCards, SpreadFootingIsStoredAsRead) {
  FootingSpec f;
  f.SET = 0.02;
  Problem p;
  ASSERT_EQ(readOne(f, 'D', &p), Step::Ok);
  const Footing& g = p.ftg[1];
  EXPECT_EQ(g.SP, 'S');
  EXPECT_FLOAT_EQ(g.B, 10.0f);
  EXPECT_FLOAT_EQ(g.D, 12.0f);
  EXPECT_FLOAT_EQ(g.T, 2.5f);
  EXPECT_FLOAT_EQ(g.DEL_T, 0.25f);
  EXPECT_FLOAT_EQ(g.S_HT, 3.0f);
  EXPECT_FLOAT_EQ(g.SET, 0.02f);
  EXPECT_EQ(g.REF, 0);
}

TEST(FootingCards, SpreadFootingDesignNeedsRoomToGrow) {
  struct Case {
    const char* what;
    void (*change)(FootingSpec&);
    bool ok_design, ok_investigation;
  };
  const Case cases[] = {
      {"as given", [](FootingSpec&) {}, true, true},
      {"ratios 0.9 and 1.0 sum below 2", [](FootingSpec& f) { f.R_BD = 0.9; }, false, true},
      {"ratios 1.2 and 0.8 sum to 2", [](FootingSpec& f) { f.R_BD = 1.2; f.R_DB = 0.8; }, true, true},
      {"ratios 0.9 and 1.1 sum to 2", [](FootingSpec& f) { f.R_BD = 0.9; f.R_DB = 1.1; }, true, true},
      {"no plan increments", [](FootingSpec& f) { f.DEL_B = 0; f.DEL_D = 0; }, false, true},
      {"only a width increment", [](FootingSpec& f) { f.DEL_D = 0; }, true, true},
      {"no thickness increment", [](FootingSpec& f) { f.DEL_T = 0; }, false, true},
      {"no ratio limit", [](FootingSpec& f) { f.R_DB = 0; f.R_BD = 2.0; }, false, true},
      {"no width", [](FootingSpec& f) { f.B = 0; }, false, false},
      {"negative plan", [](FootingSpec& f) { f.B = -10; f.D = -12; }, false, false},
      {"no thickness", [](FootingSpec& f) { f.T = 0; }, false, false},
      {"wrong card number", [](FootingSpec& f) { f.cn = 32; }, false, false},
  };
  for (const Case& c : cases) {
    FootingSpec f;
    c.change(f);
    EXPECT_EQ(readOne(f, 'D'), c.ok_design ? Step::Ok : Step::Error) << c.what;
    EXPECT_EQ(readOne(f, 'I'), c.ok_investigation ? Step::Ok : Step::Error) << c.what;
  }
  // A design needs the allowable soil pressure.
  EXPECT_EQ(readOne(FootingSpec{}, 'D', nullptr, [](Problem& p) { p.cs.ALLSP = 0; }), Step::Error);
  EXPECT_EQ(readOne(FootingSpec{}, 'I', nullptr, [](Problem& p) { p.cs.ALLSP = 0; }), Step::Ok);
}

TEST(FootingCards, PileCountLimits) {
  Problem p;
  FootingSpec f = pileFooting();
  f.NP = 2;
  ASSERT_EQ(readOne(f, 'D', &p), Step::Ok);
  EXPECT_EQ(p.ftg[1].NP, 4) << "fewer than four piles count as four";
  f.NP = 0;
  ASSERT_EQ(readOne(f, 'D', &p), Step::Ok);
  EXPECT_EQ(p.ftg[1].NP, 4);
  f.NP = 25;
  ASSERT_EQ(readOne(f, 'D', &p), Step::Ok);
  EXPECT_EQ(p.ftg[1].NP, 25);
  f.NP = 26;
  EXPECT_EQ(readOne(f, 'D'), Step::Error);
}

TEST(FootingCards, PileFootingChecksPerOption) {
  const FootingSpec f = pileFooting();
  EXPECT_EQ(readOne(f, 'D'), Step::Ok);
  EXPECT_EQ(readOne(f, 'I'), Step::Ok);
  // Design needs the pile capacity; investigation the spacing and plan.
  EXPECT_EQ(readOne(f, 'D', nullptr, [](Problem& p) { p.cs.PILECAP = 0; }), Step::Error);
  EXPECT_EQ(readOne(f, 'I', nullptr, [](Problem& p) { p.cs.PILECAP = 0; }), Step::Ok);
  FootingSpec no_spacing = f;
  no_spacing.DP = 0;
  EXPECT_EQ(readOne(no_spacing, 'D'), Step::Ok);
  EXPECT_EQ(readOne(no_spacing, 'I'), Step::Error);
  FootingSpec no_plan = f;
  no_plan.B = 0;
  EXPECT_EQ(readOne(no_plan, 'D'), Step::Ok);
  EXPECT_EQ(readOne(no_plan, 'I'), Step::Error);
}

TEST(FootingCards, SameAsFootingCopiesAndRecordsItsReference) {
  FootingSpec f1 = pileFooting();
  f1.SYM = 1;
  f1.NP = 2;
  FootingSpec f2;
  f2.cn = 32;
  Harness h({footingCard(f1), footingCard(f2), cardWith({{1, "88"}, {3, "1"}}),
             cardWith({{1, "34"}, {3, "3"}})});
  setBent(h.problem, 4, 'D');
  ASSERT_EQ(readFootingCards(h.reader), Step::Ok);
  const Footing& a = h.problem.ftg[1];
  const Footing& c = h.problem.ftg[3];
  EXPECT_EQ(c.SP, 'P');
  EXPECT_FLOAT_EQ(c.B, a.B);
  EXPECT_FLOAT_EQ(c.T, a.T);
  EXPECT_FLOAT_EQ(c.BP, 3.0f);
  EXPECT_EQ(c.NP, 4) << "the stored pile count of footing 1";
  EXPECT_EQ(c.SYM, 1);
  EXPECT_EQ(c.REF, 1);
  EXPECT_EQ(h.problem.ftg[4].REF, 3) << "the footing named, even when it is itself a copy";
  EXPECT_EQ(h.problem.ftg[4].SP, 'P');
  EXPECT_EQ(h.linesStarting("88  3 SAME AS FOOTING 1").size(), 1u);
}

TEST(FootingCards, SameAsFootingMustNameAnEarlierFooting) {
  for (const char* code : {"1", "2", " ", "9"}) {
    Harness h({footingCard(FootingSpec{}), cardWith({{1, "32"}, {3, code}})});
    setBent(h.problem, 2, 'I');
    EXPECT_EQ(readFootingCards(h.reader), code[0] == '1' ? Step::Ok : Step::Error) << code;
  }
}

TEST(FootingCards, HeadingStartsANewPageAfterMoreThanFiveColumns) {
  for (int ncol : {5, 6}) {
    std::vector<std::string> cards = {footingCard(FootingSpec{})};
    for (int c = 2; c <= ncol; ++c) cards.push_back(cardWith({{1, inum(30 + c, 2)}, {3, "1"}}));
    Harness h(cards);
    setBent(h.problem, ncol, 'I');
    ASSERT_EQ(readFootingCards(h.reader), Step::Ok);
    const std::vector<std::string> lines = h.lines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], testing::reportLine(ncol > 5 ? '1' : '0', 48, "FOOTING DATA")) << ncol;
  }
}

TEST(FootingCards, EchoFollowsTheCardLayout) {
  FootingSpec f = pileFooting();
  f.DEL_T = 0.25;
  f.S_HT = 2.0;
  f.SYM = 1;
  f.R_BD = 1.0;
  f.R_DB = 1.5;
  f.SET = 0.125;
  f.NP = 2;
  Harness h({footingCard(f)});
  setBent(h.problem, 1, 'D');
  ASSERT_EQ(readFootingCards(h.reader), Step::Ok);
  const std::vector<std::string> lines = h.lines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1],
            "0CN S/P   B       D       T      DEL.B   DEL.D   DEL.T  R.B/D  R.D/B   S.HT.  NP  SYM."
            "   BP      DP      SET.");
  // The pile count prints as read.
  EXPECT_EQ(lines[2],
            "031  P   7.000   7.000   3.000   0.500   0.500   0.250  1.000  1.500   2.000   2   1"
            "    3.000   3.000   0.125");
}

}  // namespace
}  // namespace bentpier
