#include <algorithm>
#include <functional>

#include "input/reader.h"
#include "base/printable.h"

namespace bentpier {
namespace {

// The issuing office named in line 2 of every page header (62 columns).
constexpr const char* kIssuingOffice =
    "         BRIDGE DESIGN SECTION - OFFICE OF STRUCTURES         ";
static_assert(std::char_traits<char>::length(kIssuingOffice) == 62);

constexpr const char* kAgency = "KESTRIA DEPARTMENT OF TRANSPORTATION";
constexpr const char* kProgramTitle = "THE ANALYSIS AND DESIGN OF PIERS FOR BRIDGE - ";
constexpr const char* kVersion = "V 4.2.03 - AASHTO SPECS 1984 INTERIM";
constexpr const char* kRevised = "REVISED:  JUNE 30, 2008";

// The error line of a problem skipped for an input error, kept with the
// card and deck line it concerns; a card out of order is named by its card
// number columns.
void writeCardError(Report& report, Problem& problem, const ProblemReader& r, long long line) {
  const Line text = Line(kSkipLine).text("ERROR PROBLEM NUMBER ").text(problem.PROBNO)
                        .text(", LINE ").i(r.numberRead(), 2).i(r.expected(), 3);
  report << text;
  Message m;
  m.text = text.str().substr(1);
  m.card = r.numberRead();
  m.line = line;
  if (r.numberRead() != r.expected()) {
    m.first_column = 1;
    m.last_column = 2;
  }
  problem.results.messages.push_back(m);
  problem.results.input_error = true;
}

// The error line of a card where a title card should start a problem (junk
// ahead of the first problem, or cards left over after one): it belongs to
// no problem and is handed to `outside` with its card number and deck line.
void writeStrayCardError(Report& report, const Card& card, long long line,
                         const MessageSink& outside) {
  const Line text = Line(kSkipLine).text("ERROR PROBLEM NUMBER ").text(card.columns(5, 8))
                        .text(", LINE ").text(card.columns(1, 4)).text(", *B03");
  report << text;
  if (!outside) return;
  Message m;
  m.text = text.str().substr(1);
  long long number = 0;
  m.card = parseIntegerField(card.columns(1, 2), number) ? static_cast<int>(number) : 0;
  m.line = line;
  outside(m);
}

// Reads every card of one problem after its title card.
Step readProblemCards(ProblemReader& r) {
  Step s = readDesignData(r);
  if (s != Step::Ok) return s;
  s = readColumnSteel(r);
  if (s != Step::Ok) return s;
  s = readCapCards(r);
  if (s != Step::Ok) return s;
  s = readColumnCards(r);
  if (s != Step::Ok) return s;
  s = readFootingCards(r);
  if (s != Step::Ok) return s;
  s = readWindCards(r);
  if (s != Step::Ok) return s;
  s = readForceCards(r);
  if (s != Step::Ok) return s;
  return readLoadCards(r);
}

}  // namespace

Step ProblemReader::next(Card& card, int expected) {
  expected_ = expected;
  if (!deck_.next(card)) return Step::End;
  line_read_ = deck_.lineNumber();
  long long n = 0;
  number_read_ = parseIntegerField(card.columns(1, 2), n) ? static_cast<int>(n) : 0;
  // A title card here means this problem is short of cards: it is an order
  // error, and the title is left to start the next problem.
  if (card.startsWith(kTitleCode)) {
    deck_.unread(card);
    return Step::Error;
  }
  return Step::Ok;
}

Step ProblemReader::fieldsRead(const Card& card) {
  if (!card.bad()) return Step::Ok;
  const FieldError& e = card.error();
  Message m;
  m.text = "\"" + e.text + "\" IS " + (e.why == FieldRead::OutOfRange ? "OUT OF RANGE" : "NOT A NUMBER");
  m.card = number_read_;
  m.line = deck_.lineNumber();
  m.first_column = e.first_column;
  m.last_column = e.last_column;
  problem_.results.messages.push_back(m);
  diag_ << "bentpier: problem " << printable(problem_.PROBNO) << ", card " << number_read_ << " (line "
        << deck_.lineNumber() << "), columns " << e.first_column << "-" << e.last_column
        << ": \"" << printable(e.text) << "\" is "
        << (e.why == FieldRead::OutOfRange ? "out of range" : "not a number") << "\n";
  return Step::Error;
}

void writePageHeader(Report& report, const RunStamp& stamp, const Problem& p) {
  report << Line(kSkipLine).text(stamp.DATE).blanks(33).text(kAgency).blanks(33)
                .text("PROB. NO. ").text(p.PROBNO);
  report << Line(kNextLine).text(stamp.TIME).blanks(21).text(kIssuingOffice);
  report << Line(kNextLine).blanks(18).text(kProgramTitle).text(kVersion);
  report << Line(kNextLine).blanks(49).text(kRevised);
  // The title is centred; its indent counts the carriage-control column.
  int length = 72;
  while (length > 0 && p.TITLE[length - 1] == ' ') --length;
  if (length == 0) length = 72;
  const int indent = (118 - length) / 2;
  report << Line(kNextLine).blanks(indent - 1).text(p.TITLE.substr(0, static_cast<size_t>(length)));
}

int PIER11(Deck& deck, Report& report, const RunStamp& stamp, Problem& problem,
           std::ostream& diag, const std::function<void(const Problem&)>& rejected,
           const ProblemSelection& only, const MessageSink& outside) {
  Card title;
  while (deck.next(title)) {
    if (!title.startsWith(kTitleCode)) {
      // Blank lines after the last problem end the input quietly.
      if (title.text().find_first_not_of(' ') == std::string::npos && deck.onlyBlankCardsLeft())
        return kInputExhausted;
      writeStrayCardError(report, title, deck.lineNumber(), outside);
      if (!deck.skipToTitle()) return kInputExhausted;
      continue;
    }
    if (!only.includes(title.columns(5, 8))) {
      if (!deck.skipToTitle()) return kInputExhausted;
      continue;
    }
    problem = Problem{};
    problem.PROBNO = title.columns(5, 8);
    problem.TITLE = title.columns(9, 80);
    writePageHeader(report, stamp, problem);

    ProblemReader r(deck, report, problem, diag);
    const Step s = readProblemCards(r);
    if (s == Step::Ok) {
      problem.used = InputCards{problem.dd, problem.cs, problem.cap, problem.col, problem.ftg,
                                problem.seis, problem.wind, problem.misc, problem.loads};
      return kProblemRead;
    }
    writeCardError(report, problem, r, s == Step::End ? deck.lineNumber() : r.lineRead());
    if (rejected) rejected(problem);
    if (s == Step::End) return kInputExhausted;
    if (!deck.skipToTitle()) return kInputExhausted;
  }
  return kInputExhausted;
}

}  // namespace bentpier
