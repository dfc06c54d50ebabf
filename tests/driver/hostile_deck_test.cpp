// Decks that are cut short or damaged must not disturb the problems after
// them: whatever came before, a sound problem reports exactly as it does on
// its own. Under the sanitized build these decks also check that no damaged
// input reads or writes out of bounds.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "driver/run.h"

namespace bentpier {
namespace {

namespace fs = std::filesystem;

// A hammerhead on one column, analysed without design.
const std::string kSoundProblem =
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

std::string reportOf(const std::string& deck_text) {
  std::istringstream deck(deck_text);
  std::ostringstream out, diag;
  Report report(out, /*raw=*/true);
  runDeck(deck, report, RunStamp{}, diag);
  report.finish();
  return out.str();
}

std::string slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

// The deck, then the sound problem; its report must end with the sound
// problem's own.
void expectSoundProblemUndisturbed(const std::string& deck, const std::string& what) {
  static const std::string alone = reportOf(kSoundProblem);
  std::string text = deck;
  if (!text.empty() && text.back() != '\n') text += '\n';
  const std::string after = reportOf(text + kSoundProblem);
  ASSERT_GE(after.size(), alone.size()) << what;
  EXPECT_EQ(after.substr(after.size() - alone.size()), alone) << what;
}

TEST(HostileDeck, SoundProblemAloneIsReadAndAnalysed) {
  const std::string alone = reportOf(kSoundProblem);
  EXPECT_EQ(alone.find("ERROR PROBLEM NUMBER"), std::string::npos);
  EXPECT_NE(alone.find("CAP ANALYSIS AND DESIGN"), std::string::npos);
}

TEST(HostileDeck, EveryFuzzSeedLeavesTheNextProblemAlone) {
  const fs::path seeds = fs::path(BENTPIER_SOURCE_DIR) / "fuzz" / "seeds" / "deck";
  int count = 0;
  for (const auto& entry : fs::directory_iterator(seeds)) {
    expectSoundProblemUndisturbed(slurp(entry.path()), entry.path().filename().string());
    ++count;
  }
  EXPECT_GE(count, 5);
}

// A three-column bent cut after every one of its cards: the problem is
// incomplete, so it ends in its error line and the next one is read whole.
TEST(HostileDeck, DeckCutAfterAnyCardLeavesTheNextProblemAlone) {
  const std::vector<std::string> deck =
      lines(slurp(fs::path(BENTPIER_SOURCE_DIR) / "examples" / "three-column-bent.dat"));
  ASSERT_GT(deck.size(), 10u);
  std::string cut;
  for (size_t n = 0; n + 1 < deck.size(); ++n) {
    cut += deck[n] + "\n";
    expectSoundProblemUndisturbed(cut, "cut after line " + std::to_string(n + 1));
    EXPECT_NE(reportOf(cut + kSoundProblem).find("ERROR PROBLEM NUMBER"), std::string::npos)
        << "cut after line " << n + 1;
  }
}

// Every card of a pile bent cut off in the middle of a field.
TEST(HostileDeck, CardsCutMidFieldLeaveTheNextProblemAlone) {
  const std::vector<std::string> deck =
      lines(slurp(fs::path(BENTPIER_SOURCE_DIR) / "examples" / "pile-bent.dat"));
  ASSERT_GT(deck.size(), 10u);
  for (size_t n = 0; n < deck.size(); ++n) {
    std::string text;
    for (size_t k = 0; k < deck.size(); ++k)
      text += (k == n ? deck[k].substr(0, deck[k].size() / 2 + 1) : deck[k]) + "\n";
    expectSoundProblemUndisturbed(text, "line " + std::to_string(n + 1) + " cut");
  }
}

}  // namespace
}  // namespace bentpier
