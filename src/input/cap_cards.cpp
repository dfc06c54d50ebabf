// Cap cards (11, 12, ...): one card per cap segment, the left cantilever,
// the spans between columns and the right cantilever, in that order. A span
// may repeat an earlier span and the right cantilever the left one, each as
// a mirror image.
#include "input/reader.h"

namespace bentpier {
namespace {

constexpr int kFirstCapCard = 11;
constexpr int kFieldWidth = 5;
constexpr int kFirstBearingColumn = 39;
// A cantilever bearing must stay this far inside the cantilever end, in
// thousandths of a foot (one foot).
constexpr long long kBearingEndClearance = 1000;

bool isSectionCode(char c) { return c == 'L' || c == 'P' || c == 'C'; }
bool isHaunched(char c) { return c == 'L' || c == 'P'; }

// Reads a cap card into `seg`: the code, the seven dimensions, and the
// bearings up to the first zero increment.
void readSegment(Card& card, CapSegment& seg) {
  seg.C = card.column(3);
  seg.L = card.real(4, 8, 3);
  seg.A = card.real(9, 13, 3);
  seg.DE = card.real(14, 18, 3);
  seg.BC = card.real(19, 23, 3);
  seg.BE = card.real(24, 28, 3);
  seg.DH = card.real(29, 33, 3);
  seg.LH = card.real(34, 38, 3);
  std::array<float, kMaxBearings + 1> xb{};
  for (int i = 1; i <= kMaxBearings; ++i) {
    const int first = kFirstBearingColumn + (i - 1) * kFieldWidth;
    xb[i] = card.real(first, first + kFieldWidth - 1, 3);
  }
  seg.NB = 0;
  seg.XB = {};
  while (seg.NB < kMaxBearings && xb[seg.NB + 1] != 0.0f) {
    ++seg.NB;
    seg.XB[seg.NB] = xb[seg.NB];
  }
}

// Sum of the bearing increments of a segment. The first bearing of the left
// cantilever is measured from the column outward and the rest back towards
// it, so there it counts negative.
float bearingSum(const CapSegment& seg, bool left_cantilever) {
  float s = 0.0f;
  for (int i = 1; i <= seg.NB; ++i) s += (i == 1 && left_cantilever) ? -seg.XB[i] : seg.XB[i];
  return s;
}

// The same sum in thousandths of a foot, exact as the card gives it; the
// length checks compare these so that a bearing exactly at a limit passes.
long long bearingSumThousandths(const CapSegment& seg, bool left_cantilever) {
  long long s = 0;
  for (int i = 1; i <= seg.NB; ++i) {
    const long long x = thousandths(seg.XB[i]);
    s += (i == 1 && left_cantilever) ? -x : x;
  }
  return s;
}

// Every increment after the first runs in one direction along the segment;
// a negative one would put a bearing out of order or outside the member.
bool increasingBearings(const CapSegment& seg) {
  for (int i = 1; i <= seg.NB; ++i)
    if (seg.XB[i] <= 0.0f) return false;
  return true;
}

// Haunch dimensions that describe a real member: nothing negative, and the
// end block and haunch of each end fit in the length they belong to: half a
// span, whose two ends have one each and meet at most at mid-span, or the
// whole of a cantilever. A longer haunch is refused, not cut. The LH of a
// prismatic segment is no haunch and is not looked at.
bool haunchFits(const CapSegment& seg, int ends) {
  const float haunch = seg.haunchLength();
  return seg.A >= 0.0f && seg.DH >= 0.0f && haunch >= 0.0f &&
         ends * (thousandths(seg.A) + thousandths(haunch)) <= thousandths(seg.L);
}

Line segmentLine(int card_number, const CapSegment& seg, bool blank_width) {
  Line line(kSkipLine);
  line.i(card_number, 2).blanks(2).ch(seg.C);
  line.f(seg.L, 8, 3).f(seg.A, 8, 3).f(seg.DE, 8, 3).f(seg.BC, 8, 3);
  if (blank_width) line.blanks(8);
  else line.f(seg.BE, 8, 3);
  line.f(seg.DH, 8, 3).f(seg.LH, 8, 3);
  for (int i = 1; i <= seg.NB; ++i) line.f(seg.XB[i], 8, 3);
  return line;
}

void echoHeading(Report& rep) {
  rep << Line(kSkipLine).blanks(58).text("CAP DATA");
  Line titles(kSkipLine);
  titles.text("CN  C     L       A");
  for (const char* name : {"DE", "BC", "BE", "DH", "LH"}) titles.blanks(6).text(name);
  for (int i = 1; i <= kMaxBearings; ++i) titles.blanks(i == 1 ? 6 : 5).text("XB").i(i, 1);
  rep << titles;
}

// Checks shared by both cantilevers once the card is echoed.
bool cantileverSound(const CapSegment& seg) {
  return seg.L > 0.0f && seg.XB[1] > 0.0f && seg.DE > 0.0f && seg.BC > 0.0f &&
         !(isHaunched(seg.C) && seg.LH <= 0.0f) && increasingBearings(seg) &&
         haunchFits(seg, 1);
}

Step readLeftCantilever(ProblemReader& r, int expected) {
  Card card;
  if (const Step got = r.next(card, expected); got != Step::Ok) return got;
  CapSegment seg;
  readSegment(card, seg);
  if (r.fieldsRead(card) != Step::Ok) return Step::Error;
  r.problem().as_read.cap[1] = seg;
  r.report() << segmentLine(r.numberRead(), seg, false);

  const bool ok = r.numberIs(expected) && seg.C != ' ' && cantileverSound(seg) &&
                  thousandths(seg.XB[1]) <= thousandths(seg.L) - kBearingEndClearance &&
                  bearingSumThousandths(seg, true) < 0;
  if (!ok) return Step::Error;
  if (seg.BE <= 0.0f) seg.BE = seg.BC;
  r.problem().cap[1] = seg;
  return Step::Ok;
}

Step readSpan(ProblemReader& r, int k, int expected) {
  Card card;
  if (const Step got = r.next(card, expected); got != Step::Ok) return got;
  CapSegment seg;
  readSegment(card, seg);
  if (r.fieldsRead(card) != Step::Ok) return Step::Error;
  r.problem().as_read.cap[k] = seg;

  if (isSectionCode(seg.C)) {
    r.report() << segmentLine(r.numberRead(), seg, true);
    const bool ok = r.numberIs(expected) &&
                    thousandths(seg.L) > bearingSumThousandths(seg, false) && seg.L > 0.0f &&
                    seg.DE > 0.0f && seg.BC > 0.0f && seg.XB[1] > 0.0f &&
                    !(isHaunched(seg.C) && seg.LH <= 0.0f) && increasingBearings(seg) &&
                    (!isHaunched(seg.C) || haunchFits(seg, 2));
    if (!ok) return Step::Error;
    r.problem().cap[k] = seg;
    return Step::Ok;
  }

  // The same section as an earlier span, seen from the other end.
  r.report() << Line(kSkipLine).i(r.numberRead(), 2).blanks(2).i(k, 1)
                    .text(" SAME AS CAP SECTION ").ch(seg.C);
  const int t = referencedMember(seg.C, 2, k - 1);
  if (!r.numberIs(expected) || k < 3 || t == 0) return Step::Error;
  const CapSegment& src = r.problem().cap[t];
  CapSegment& dst = r.problem().cap[k];
  dst = src;
  dst.REF = t;
  const int n = src.NB;
  dst.XB = {};
  dst.XB[1] = src.L - bearingSum(src, false);
  for (int i = 2; i <= n; ++i) dst.XB[i] = src.XB[n + 2 - i];
  return Step::Ok;
}

Step readRightCantilever(ProblemReader& r, int expected) {
  const int ncol = r.problem().dd.NCOL;
  Card card;
  if (const Step got = r.next(card, expected); got != Step::Ok) return got;
  CapSegment seg;
  readSegment(card, seg);
  if (r.fieldsRead(card) != Step::Ok) return Step::Error;
  r.problem().as_read.cap[ncol + 1] = seg;

  if (isSectionCode(seg.C)) {
    r.report() << segmentLine(r.numberRead(), seg, false);
    const bool ok = r.numberIs(expected) &&
                    bearingSumThousandths(seg, false) <=
                        thousandths(seg.L) - kBearingEndClearance &&
                    cantileverSound(seg);
    if (!ok) return Step::Error;
    if (seg.BE <= 0.0f) seg.BE = seg.BC;
    r.problem().cap[ncol + 1] = seg;
    return Step::Ok;
  }

  // The left cantilever mirrored about its column: the bearing nearest the
  // column comes first, then the increments outward in reverse order.
  r.report() << Line(kSkipLine).i(r.numberRead(), 2).blanks(2).i(ncol + 1, 1)
                    .text(" SAME AS CANTILEVER  ").ch(seg.C);
  if (seg.C != '1') return Step::Error;
  const CapSegment& src = r.problem().cap[1];
  CapSegment& dst = r.problem().cap[ncol + 1];
  dst = src;
  dst.REF = 1;
  const int n = src.NB;
  dst.XB = {};
  float inner = 0.0f;
  for (int i = 2; i <= n; ++i) inner += src.XB[i];
  dst.XB[1] = src.XB[1] - inner;
  for (int i = 2; i <= n; ++i) dst.XB[i] = src.XB[n + 2 - i];
  return Step::Ok;
}

}  // namespace

Step readCapCards(ProblemReader& r) {
  Problem& p = r.problem();
  const int ncol = p.dd.NCOL;
  const int ncan = p.dd.NCAN;
  echoHeading(r.report());
  p.cap[1].DE = 0.0f;

  int expected = kFirstCapCard;
  if (ncan >= 1) {
    const Step s = readLeftCantilever(r, expected);
    if (s != Step::Ok) return s;
    ++expected;
  }
  for (int k = 2; k <= ncol; ++k) {
    const Step s = readSpan(r, k, expected);
    if (s != Step::Ok) return s;
    ++expected;
  }
  p.cap[ncol + 1].DE = 0.0f;
  if (ncan == 2) return readRightCantilever(r, expected);
  return Step::Ok;
}

}  // namespace bentpier
