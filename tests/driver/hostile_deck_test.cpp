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
#include "support/sound_problem.h"

namespace bentpier {
namespace {

namespace fs = std::filesystem;

using bentpier::testing::kSoundProblem;

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
