// The example decks, run through the program, against their reviewed
// reports: a layout regression test of the whole report.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/cards.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kEpoch = "1796774400";  // fixes the date and time in the header

std::string slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string visible(const std::string& line) {
  std::string s;
  for (char c : line) s += c == '\f' ? std::string("<FF>") : std::string(1, c);
  return s;
}

class ExampleDeck : public ::testing::TestWithParam<const char*> {};

TEST_P(ExampleDeck, ReportMatchesItsGoldenFile) {
  const std::string name = GetParam();
  const fs::path source = BENTPIER_SOURCE_DIR;
  const fs::path deck = source / "examples" / (name + ".dat");
  const fs::path golden = source / "tests" / "golden" / (name + ".out");
  ASSERT_TRUE(fs::exists(deck)) << deck;
  ASSERT_TRUE(fs::exists(golden)) << golden;

  const fs::path out = fs::temp_directory_path() /
                       ("bentpier-golden-" + name + "-" + std::to_string(::getpid()) + ".out");
  const std::string command = std::string("SOURCE_DATE_EPOCH=") + kEpoch + " \"" + BENTPIER_BINARY +
                              "\" --overwrite \"" + deck.string() + "\" \"" + out.string() + "\"";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  const std::string got = slurp(out);
  fs::remove(out);
  const std::string want = slurp(golden);
  if (got == want) return;

  using bentpier::testing::reportLines;
  const std::vector<std::string> g = reportLines(got), w = reportLines(want);
  for (size_t i = 0; i < std::max(g.size(), w.size()); ++i) {
    const std::string gl = i < g.size() ? g[i] : "<no line>";
    const std::string wl = i < w.size() ? w[i] : "<no line>";
    if (gl != wl) {
      ADD_FAILURE() << name << ": first difference at line " << i + 1 << "\n  expected: "
                    << visible(wl) << "\n  got:      " << visible(gl);
      return;
    }
  }
  ADD_FAILURE() << name << ": reports differ only in their line ends";
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleDeck,
                         ::testing::Values("three-column-bent", "single-column-pier", "pile-bent",
                                           "twelve-column-bent", "problem-set", "load-factor-bent",
                                           "column-sections", "footing-checks", "input-errors"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                           std::string n = info.param;
                           for (char& c : n)
                             if (c == '-') c = '_';
                           return n;
                         });

}  // namespace
