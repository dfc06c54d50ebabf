// Feeds arbitrary bytes through the whole program as an input deck: problem
// input, member properties, load cases, load groups and every design stage
// the deck asks for. Any crash, sanitizer report, or input that takes longer
// than the per-input timeout is a fault.
//
// It also checks that a bad deck cannot disturb the problems after it: the
// same bytes followed by a sound problem must end with exactly the report
// that sound problem gives on its own.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <streambuf>
#include <string>

#include "driver/run.h"

namespace {

// Swallows the diagnostic stream.
class NullBuffer : public std::streambuf {
 protected:
  int overflow(int c) override { return c == traits_type::eof() ? 0 : c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

// A hammerhead on one column, analysed without design: quick, and it runs
// every stage up to the load groups.
constexpr const char* kSoundProblem =
    "*B030201SR 12 RAMP C - PIER 3 - HAMMERHEAD\n"
    " 1   L2 1 2      4000      6000024000                11 5     9\n"
    " 21.04.0    2.5 2.1               30.0125  6.0                              P\n"
    "11P 14.0  2.0  3.0  4.0       3.0  8.0 12.0  8.0\n"
    "121\n"
    "211CT  28.0       4.0  3.0           1.5     4 6 9\n"
    "41 640.0 410.01                     7.25 7.25  4.6  3.1\n"
    "421                    1                      90.0 90.0 11.0 11.0\n"
    "43   6.2   9.0 11.0 11.0                           1\n"
    "44 1 85.0 12.0 2380     360.0      40.0 14.0-96.0420.0     -2710      55.0\n"
    "51DEAD   118.0 126.5  15.0 126.5 118.0\n"
    "611LN  1  64.2  41.0\n"
    "612LN  2  58.7  66.3        52.9  31.4\n";

// The raw report (carriage control kept) of a deck.
std::string reportOf(const std::string& text) {
  std::istringstream deck(text);
  std::ostringstream out;
  NullBuffer null_buffer;
  std::ostream diag(&null_buffer);
  bentpier::Report report(out, /*raw=*/true);
  bentpier::RunStamp stamp;
  bentpier::runDeck(deck, report, stamp, diag);
  report.finish();
  return out.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string sound_report = reportOf(kSoundProblem);

  std::string text(reinterpret_cast<const char*>(data), size);
  reportOf(text);

  if (!text.empty() && text.back() != '\n') text += '\n';
  text += kSoundProblem;
  const std::string combined = reportOf(text);
  if (combined.size() < sound_report.size() ||
      combined.compare(combined.size() - sound_report.size(), std::string::npos, sound_report) != 0) {
    std::fprintf(stderr, "the problem after this deck was not reported as it is on its own\n");
    std::abort();
  }
  return 0;
}
