// Load cards: the dead load (51, 52, ...) and each live-load case (61, 62,
// ... for every case), as point loads at the load points, numbered from left
// to right along the cap: the bearings of the left cantilever, the loads
// carried by column 1, the bearings of span 2, the loads of column 2, and so
// on to the bearings of the right cantilever.
#include "input/reader.h"

namespace bentpier {
namespace {

constexpr int kDeadLoadCards = 50;  // the dead-load cards follow number 50
constexpr int kLiveLoadCards = 60;  // each live-load case restarts after 60
constexpr int kFirstLoadColumn = 9;
constexpr int kLoadWidth = 6;

// Page budget of the load echo: the live-load cases start below the dead
// load on the page that holds the earlier echo, and a new page begins,
// with the heading repeated, once this many lines are used.
constexpr int kLinesBeforeLiveLoads = 26;
constexpr int kLinesPerPage = 60;
constexpr int kLinesAfterHeading = 7;

void echoHeading(Report& rep, char carriage_control) {
  rep << Line(carriage_control).blanks(31).text("DEAD LOAD SUPERSTRUCTURE AND LIVE LOAD CASES");
  Line titles(kSkipLine);
  titles.text("I.D.  NL").blanks(4).text("P1");
  for (int i = 2; i <= kLoadsPerCard; ++i) titles.blanks(i <= 9 ? 7 : 6).text("P").i(i, i <= 9 ? 1 : 2);
  rep << titles;
}

// Load points of the bent: every bearing of the cap, then the column loads.
int loadPoints(const Problem& p) {
  int n = 0;
  for (int k = 1; k <= p.dd.NSPAN; ++k) n += p.cap[k].NB;
  for (int c = 1; c <= p.dd.NCOL; ++c) n += p.col[c].P;
  return n;
}

int cardsPerCase(int nlp) { return (nlp + kLoadsPerCard - 1) / kLoadsPerCard; }

}  // namespace

Step PIER12(ProblemReader& r, int load_case, int cards) {
  LoadTable& t = r.problem().loads;
  const int nlp = t.NLP;
  for (int j = 1; j <= cards; ++j) {
    const int expected = r.expected() + 1;
    Card card;
    const Step s = r.next(card, expected);
    if (s != Step::Ok) return s;
    std::string id;
    int nl = 0;
    if (j == 1) {
      id = card.columns(3, 6);
      nl = card.integer(7, 8);
    }
    const int on_card = j < cards || nlp % kLoadsPerCard == 0 ? kLoadsPerCard : nlp % kLoadsPerCard;
    std::array<float, kLoadsPerCard + 1> loads{};
    for (int m = 1; m <= on_card; ++m) {
      const int first = kFirstLoadColumn + (m - 1) * kLoadWidth;
      loads[m] = card.real(first, first + kLoadWidth - 1, 3);
    }
    if (r.fieldsRead(card) != Step::Ok) return Step::Error;

    Line line(j == 1 ? kSkipLine : kNextLine);
    if (j == 1) line.text(id).i(nl, 4);
    else line.blanks(8);
    for (int m = 1; m <= on_card; ++m) line.f(loads[m], 9, 3);
    r.report() << line;
    if (!r.numberIs(expected)) return Step::Error;

    if (j == 1) {
      t.ID[load_case] = id;
      t.NL[load_case] = nl;
    }
    for (int m = 1; m <= on_card; ++m) {
      const int point = (j - 1) * kLoadsPerCard + m;
      if (point <= kMaxLoadPoints) t.LOAD[load_case][point] = loads[m];
    }
  }
  return Step::Ok;
}

Step readLoadCards(ProblemReader& r) {
  Problem& p = r.problem();
  p.loads.NLP = loadPoints(p);
  const int nc = cardsPerCase(p.loads.NLP);

  r.setExpected(kDeadLoadCards);
  echoHeading(r.report(), kSkipLine);
  Step s = PIER12(r, 0, nc);
  if (s != Step::Ok) return s;
  if (p.loads.NLP > kMaxLoadPoints) return Step::Error;

  int lines = nc + kLinesBeforeLiveLoads;
  for (int k = 1; k <= p.dd.NLLC; ++k) {
    r.setExpected(kLiveLoadCards);
    if (lines >= kLinesPerPage) {
      echoHeading(r.report(), kNewPage);
      lines = kLinesAfterHeading;
    }
    s = PIER12(r, k, nc);
    if (s != Step::Ok) return s;
    lines += nc + 1;
  }
  return Step::Ok;
}

}  // namespace bentpier
