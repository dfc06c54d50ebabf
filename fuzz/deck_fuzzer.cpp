// Feeds arbitrary bytes through the whole program as an input deck: problem
// input, member properties, load cases, load groups and every design stage
// the deck asks for. Any crash, sanitizer report, or input that takes longer
// than the per-input timeout is a fault.
#include <cstddef>
#include <cstdint>
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::istringstream deck(std::string(reinterpret_cast<const char*>(data), size));
  std::ostringstream out;
  NullBuffer null_buffer;
  std::ostream diag(&null_buffer);
  bentpier::Report report(out);
  bentpier::RunStamp stamp;
  bentpier::runDeck(deck, report, stamp, diag);
  report.finish();
  return 0;
}
