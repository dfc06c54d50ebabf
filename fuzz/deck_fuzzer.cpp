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
#include "support/sound_problem.h"

namespace {

// Swallows the diagnostic stream.
class NullBuffer : public std::streambuf {
 protected:
  int overflow(int c) override { return c == traits_type::eof() ? 0 : c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

using bentpier::testing::kSoundProblem;

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
