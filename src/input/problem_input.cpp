#include <algorithm>

#include "input/reader.h"

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

void writeCardError(Report& report, const std::string& probno, int read, int expected) {
  report << Line(kSkipLine).text("ERROR PROBLEM NUMBER ").text(probno).text(", LINE ")
                .i(read, 2).i(expected, 3);
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
  diag_ << "bentpier: problem " << problem_.PROBNO << ", card " << number_read_ << " (line "
        << deck_.lineNumber() << "), columns " << e.first_column << "-" << e.last_column
        << ": \"" << e.text << "\" is not a number\n";
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
           std::ostream& diag) {
  Card title;
  while (deck.next(title)) {
    if (!title.startsWith(kTitleCode)) {
      report << Line(kSkipLine).text("ERROR PROBLEM NUMBER ").text(title.columns(5, 8))
                    .text(", LINE ").text(title.columns(1, 4)).text(", *B03");
      if (!deck.skipToTitle()) return kInputExhausted;
      continue;
    }
    problem = Problem{};
    problem.PROBNO = title.columns(5, 8);
    problem.TITLE = title.columns(9, 80);
    writePageHeader(report, stamp, problem);

    ProblemReader r(deck, report, problem, diag);
    const Step s = readProblemCards(r);
    if (s == Step::Ok) return kProblemRead;
    writeCardError(report, problem.PROBNO, r.numberRead(), r.expected());
    if (s == Step::End) return kInputExhausted;
    if (!deck.skipToTitle()) return kInputExhausted;
  }
  return kInputExhausted;
}

}  // namespace bentpier
