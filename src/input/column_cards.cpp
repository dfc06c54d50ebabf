// Column cards (21, 22, ...): geometry, base release, batter and the four
// bar groups of each column, the standard pile sections of a pile bent, and
// columns given as the mirror image of an earlier one.
#include "input/reader.h"

namespace bentpier {
namespace {

constexpr int kFirstColumnCard = 21;
constexpr int kFirstBarColumn = 45;

// Standard pile sections by pile code: outside dimension DT in feet.
constexpr float kPileDepth[] = {0.0f, 1.035f, 1.239f, 1.217f, 2.028f};
constexpr int kSpecialPile = 5;  // code "P": the section as given on the card
constexpr int kPileBarCount = 4;
constexpr int kPileBarSize = 6;

bool validBarSize(int sz) { return (sz >= 5 && sz <= 11) || sz == 14 || sz == 18; }

void readColumn(Card& card, Column& c) {
  c.P = card.integer(3, 3);
  c.I = card.column(4);
  c.T = card.column(5);
  c.S = card.column(6);
  c.HT = card.real(7, 11, 3);
  c.A = card.real(12, 16, 3);
  c.DT = card.real(17, 21, 3);
  c.BT = card.real(22, 26, 3);
  c.DB = card.real(27, 31, 3);
  c.BB = card.real(32, 36, 3);
  c.DL = card.real(37, 40, 3);
  c.FLEX = card.real(41, 44, 3);
  for (int g = 1; g <= kBarGroups; ++g) {
    const int first = kFirstBarColumn + (g - 1) * 6;
    c.ND[g] = card.integer(first, first + 1);
    c.NB[g] = card.integer(first + 2, first + 3);
    c.SZ[g] = card.integer(first + 4, first + 5);
  }
  c.SLOPE = card.real(69, 72, 3);
  c.EP = card.real(73, 76, 2);
  c.AP = card.real(77, 80, 2);
}

void echoHeading(Report& rep) {
  rep << Line(kSkipLine).blanks(57).text("COLUMN DATA");
  rep << Line(kSkipLine)
             .text("CN P I T S   HT     A ")
             .text("     DT     BT     DB     BB     DL     FLEX  ND NB SZ ")
             .text("ND NB SZ ND NB SZ ND NB SZ  SLOPE    EP     AP");
}

void echoColumn(Report& rep, int card_number, const Column& c) {
  Line line(kSkipLine);
  line.i(card_number, 2).i(c.P, 2).blanks(1).ch(c.I).blanks(1).ch(c.T).blanks(1).ch(c.S);
  for (float v : {c.HT, c.A, c.DT, c.BT, c.DB, c.BB, c.DL, c.FLEX}) line.f(v, 7, 3);
  line.blanks(1);
  for (int g = 1; g <= kBarGroups; ++g) line.i(c.ND[g], 3).i(c.NB[g], 3).i(c.SZ[g], 3);
  line.f(c.SLOPE, 7, 3).f(c.EP, 7, 3).f(c.AP, 7, 3);
  rep << line;
}

// A pile column takes the standard section of its code. Returns false for
// a code that names no pile.
bool applyPileCode(Problem& p, Column& c) {
  int code = 0;
  if (c.S >= '1' && c.S <= '4') code = c.S - '0';
  else if (c.S == 'P') code = kSpecialPile;
  c.S = 'P';
  if (code == 0) return false;
  if (code != kSpecialPile) c.DT = kPileDepth[code];
  c.ND[1] = kPileBarCount;
  c.SZ[1] = kPileBarSize;
  c.T = 'R';
  p.PILECODE = code;
  if (c.SLOPE != 0.0f) p.BATTER = 1;
  return true;
}

// The section as the frame analysis needs it: a real height and depth, a
// clear height above the base, a rigid zone shorter than a tapered column,
// and a hollow circular section with a wall at the top and, when tapered, at
// the bottom.
bool geometrySound(const Column& c) {
  if (c.HT <= 0.0f || c.DT <= 0.0f) return false;
  if (c.T != 'R' && c.T != 'S' && c.T != 'T') return false;
  if (c.T != 'R' && c.BT <= 0.0f) return false;
  if (c.T == 'R' && (c.BT < 0.0f || c.BT >= c.DT)) return false;
  // A tapered round column needs its wall at the bottom as well.
  if (c.T == 'R' && c.I == 'V' && (c.BB < 0.0f || c.BB >= c.DB)) return false;
  if (c.FLEX < 0.0f || c.FLEX > 1.0f) return false;
  if (c.DL >= c.HT) return false;
  if (c.I == 'V' && (c.A < 0.0f || c.A >= c.HT)) return false;
  return true;
}

bool groupSound(const Column& c, int g) {
  return validBarSize(c.SZ[g]) && !(c.T == 'T' && c.NB[g] < 2);
}

void copyGroup(Column& c, int to, int from) {
  c.ND[to] = c.ND[from];
  c.NB[to] = c.NB[from];
  c.SZ[to] = c.SZ[from];
}

// The bar groups that column design will use: groups left empty take the
// group they stand for, and every group in use must be a real bar size, with
// at least two bars a face in a tied column.
bool barGroupsSound(Column& c, int rmode) {
  const bool tied = c.T == 'T';
  if (!groupSound(c, 1)) return false;

  if (c.ND[2] == 0 && c.NB[2] == 0) copyGroup(c, 2, 1);
  else if (!groupSound(c, 2)) return false;

  if ((rmode == 2 || tied) && c.NB[3] == 0 && c.ND[3] == 0) copyGroup(c, 3, 1);
  if (tied && c.NB[3] < 2) return false;
  if (c.SZ[3] != 0 && !validBarSize(c.SZ[3])) return false;

  const bool group4_given = c.ND[4] != 0 || c.NB[4] != 0;
  if (!group4_given) copyGroup(c, 4, 3);
  if ((group4_given || c.SZ[4] != 0) && !groupSound(c, 4)) return false;
  return true;
}

Step readFullColumn(ProblemReader& r, int col, Column& c) {
  Problem& p = r.problem();
  echoColumn(r.report(), r.numberRead(), c);
  if (c.S != ' ' && !applyPileCode(p, c)) {
    r.report() << Line(kNextLine).blanks(10).text("*****     WRONG PILE CODE     ******");
    return Step::Error;
  }
  if (!r.numberIs(kFirstColumnCard + col - 1)) return Step::Error;
  if (c.BB <= 0.0f) c.BB = c.BT;
  if (c.DB <= 0.0f) c.DB = c.DT;
  if (!geometrySound(c)) return Step::Error;
  if ((p.dd.COLOPT == 'I' || p.dd.COLOPT == 'D') && !barGroupsSound(c, p.cs.RMODE))
    return Step::Error;
  return Step::Ok;
}

// Column `col` as the mirror image of an earlier column: the same section and
// bars, the batter the other way. Its own load points stay.
Step readReferenceColumn(ProblemReader& r, int col, Column& c) {
  r.report() << Line(kSkipLine).i(r.numberRead(), 2).i(c.P, 2).blanks(1).i(col, 2)
                    .text(" SAME AS COLUMN ").ch(c.I);
  const int t = referencedMember(c.I, 1, col - 1);
  if (col < 2 || t == 0) return Step::Error;
  const int own_points = c.P;
  c = r.problem().col[t];
  c.REF = t;
  c.P = own_points;
  c.SLOPE = -c.SLOPE;
  return Step::Ok;
}

}  // namespace

Step readColumnCards(ProblemReader& r) {
  Problem& p = r.problem();
  echoHeading(r.report());
  for (int col = 1; col <= p.dd.NCOL; ++col) {
    Card card;
    if (const Step got = r.next(card, kFirstColumnCard + col - 1); got != Step::Ok) return got;
    Column c;
    readColumn(card, c);
    if (r.fieldsRead(card) != Step::Ok) return Step::Error;
    p.as_read.col[col] = c;
    const bool full = c.I == 'C' || c.I == 'V';
    const Step s = full ? readFullColumn(r, col, c) : readReferenceColumn(r, col, c);
    if (s != Step::Ok) return s;
    p.col[col] = c;
  }
  return Step::Ok;
}

}  // namespace bentpier
