// Run control: file dialogue, command line, date stamp and the problem loop.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include "base/clock.h"
#include "driver/run.h"
#include "support/cards.h"

namespace bentpier {
namespace {

namespace fs = std::filesystem;

// A problem whose design data card asks for 13 columns: read, echoed and
// rejected, so every problem of such a deck ends in its error line.
std::string badProblem(const std::string& probno) {
  return "*B03" + probno + "BENT " + probno + "\n" +
         testing::cardWith({{1, "01"}, {3, "DDDS"}, {8, "13"}, {10, " 1"}}) + "\n";
}

long lineCount(const std::string& text) { return std::count(text.begin(), text.end(), '\n'); }

class TempDir : public ::testing::Test {
 protected:
  void SetUp() override {
    // Short enough for the 35-character names of the dialogue; one per process.
    dir = fs::path("/tmp") / ("bpt" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string path(const std::string& name) const { return (dir / name).string(); }
  void writeFile(const std::string& name, const std::string& text) const {
    std::ofstream(path(name), std::ios::binary) << text;
  }
  std::string readFile(const std::string& name) const {
    std::ifstream in(path(name), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  int run(std::vector<std::string> args, const std::string& console = "",
          const char* epoch = "1796774400") {
    con_in.str(console);
    con_in.clear();
    con_out.str("");
    err.str("");
    return runProgram(args, con_in, con_out, err, epoch);
  }
  fs::path dir;
  std::istringstream con_in;
  std::ostringstream con_out, err;
};

TEST(Dialogue, NamesAreCutTo35CharactersAndTrailingBlanksDropped) {
  std::istringstream in(std::string(40, 'A') + "\nout.txt   \n");
  std::ostringstream out;
  std::string input, output;
  ASSERT_TRUE(askFileNames(in, out, input, output));
  EXPECT_EQ(input, std::string(35, 'A'));
  EXPECT_EQ(output, "out.txt");
  EXPECT_EQ(out.str(), "ENTER INPUT FILE NAME:ENTER OUTPUT FILE NAME:");
}

TEST(Dialogue, EndOfConsoleInputEndsTheDialogue) {
  std::string input, output;
  std::ostringstream out;
  std::istringstream none("");
  EXPECT_FALSE(askFileNames(none, out, input, output));
  std::istringstream one("deck.dat\n");
  EXPECT_FALSE(askFileNames(one, out, input, output));
}

TEST(Dialogue, OverwriteAnswer) {
  const std::pair<const char*, bool> answers[] = {
      {"Y\n", true}, {"y\n", true}, {"yes\n", true}, {"\n", false},
      {"N\n", false}, {" Y\n", false}, {"", false}};
  for (const auto& [answer, expected] : answers) {
    std::istringstream in(answer);
    std::ostringstream out;
    EXPECT_EQ(askOverwrite(in, out), expected) << "answer '" << answer << "'";
    EXPECT_EQ(out.str(),
              "OUTPUT FILE ALREADY EXISTS.  DO YOU WISH TO DELETE IT [DEFAULT IS N]? (Y/N) ");
  }
}

TEST_F(TempDir, DialogueRunsTheDeckAndAsksBeforeOverwriting) {
  writeFile("deck.dat", badProblem("0001"));
  ASSERT_EQ(run({}, path("deck.dat") + "\n" + path("out.txt") + "\n"), kExitOk);
  EXPECT_NE(readFile("out.txt").find("ERROR PROBLEM NUMBER 0001, LINE  1  1"), std::string::npos);

  writeFile("out.txt", "KEEP ME");
  ASSERT_EQ(run({}, path("deck.dat") + "\n" + path("out.txt") + "\n\n"), kExitOk);
  EXPECT_NE(con_out.str().find("EXITING PROGRAM"), std::string::npos);
  EXPECT_EQ(readFile("out.txt"), "KEEP ME");

  ASSERT_EQ(run({}, path("deck.dat") + "\n" + path("out.txt") + "\ny\n"), kExitOk);
  EXPECT_NE(readFile("out.txt").find("DESIGN DATA"), std::string::npos);
}

TEST_F(TempDir, DialogueWithMissingInputSaysSoAndCreatesNothing) {
  EXPECT_EQ(run({}, path("none.dat") + "\n" + path("out.txt") + "\n"), kExitBadInput);
  EXPECT_NE(err.str().find("none.dat"), std::string::npos);
  EXPECT_FALSE(fs::exists(path("out.txt")));
  // Console input ending early ends the run quietly.
  EXPECT_EQ(run({}, path("none.dat") + "\n"), kExitOk);
  EXPECT_EQ(err.str(), "");
}

TEST_F(TempDir, CommandLineRefusesAnExistingOutputUnlessAskedTo) {
  writeFile("deck.dat", badProblem("0001"));
  writeFile("out.txt", "OLD");
  EXPECT_EQ(run({path("deck.dat"), path("out.txt")}), kExitUsage);
  EXPECT_EQ(readFile("out.txt"), "OLD");
  EXPECT_NE(err.str().find("already exists"), std::string::npos);
  EXPECT_EQ(lineCount(err.str()), 1);

  EXPECT_EQ(run({"--overwrite", path("deck.dat"), path("out.txt")}), kExitOk);
  EXPECT_NE(readFile("out.txt").find("ERROR PROBLEM NUMBER 0001"), std::string::npos);
  EXPECT_FALSE(fs::exists(path("out.txt.partial")));
}

TEST_F(TempDir, CommandLineInputThatCannotBeRead) {
  EXPECT_EQ(run({path("missing.dat"), path("out.txt")}), kExitBadInput);
  EXPECT_NE(err.str().find("missing.dat"), std::string::npos);
  EXPECT_EQ(lineCount(err.str()), 1);
  EXPECT_FALSE(fs::exists(path("out.txt")));

  fs::create_directories(path("adir"));
  EXPECT_EQ(run({path("adir"), path("out.txt")}), kExitBadInput);
  EXPECT_NE(err.str().find("directory"), std::string::npos);
  EXPECT_FALSE(fs::exists(path("out.txt")));
}

TEST_F(TempDir, OutputThatCannotBeWritten) {
  writeFile("deck.dat", badProblem("0001"));
  fs::create_directories(path("outdir"));
  EXPECT_EQ(run({"--overwrite", path("deck.dat"), path("outdir")}), kExitBadOutput);
  EXPECT_EQ(run({path("deck.dat"), path("nodir/out.txt")}), kExitBadOutput);
  EXPECT_NE(err.str().find("nodir/out.txt"), std::string::npos);
}

TEST_F(TempDir, StandardOutputRawModeAndOptions) {
  writeFile("deck.dat", badProblem("0001"));
  ASSERT_EQ(run({"--raw", path("deck.dat"), "-"}), kExitOk);
  // Raw lines keep their carriage control: the header opens with "0".
  EXPECT_EQ(con_out.str().substr(0, 10), "009-DEC-26");

  EXPECT_EQ(run({"--help"}), kExitOk);
  EXPECT_NE(con_out.str().find("usage: bentpier"), std::string::npos);
  EXPECT_EQ(run({"--version"}), kExitOk);
  EXPECT_NE(con_out.str().find("4.2.03"), std::string::npos);
  EXPECT_EQ(run({"--bogus", "a", "b"}), kExitUsage);
  EXPECT_EQ(run({"only-one"}), kExitUsage);
}

TEST_F(TempDir, EmptyDeckGivesAnEmptyReport) {
  writeFile("deck.dat", "");
  ASSERT_EQ(run({path("deck.dat"), path("out.txt")}), kExitOk);
  EXPECT_EQ(readFile("out.txt"), "");
}

TEST_F(TempDir, EveryProblemOfARunCarriesTheSameStamp) {
  writeFile("deck.dat", badProblem("0001") + badProblem("0002"));
  ASSERT_EQ(run({path("deck.dat"), "-"}, "", "1796774400"), kExitOk);
  const std::string report = con_out.str();
  // 1796774400 s after the epoch is 9 December 2026, 00:00:00 UTC.
  const std::string line1 = "09-DEC-26" + std::string(33, ' ') +
                            "KESTRIA DEPARTMENT OF TRANSPORTATION" + std::string(33, ' ') +
                            "PROB. NO. ";
  EXPECT_NE(report.find(line1 + "0001\n00:00:00"), std::string::npos);
  EXPECT_NE(report.find(line1 + "0002\n00:00:00"), std::string::npos);
}

TEST(Clock, DateAndTimeFormat) {
  std::tm when{};
  when.tm_year = 126;  // 2026
  when.tm_mon = 11;
  when.tm_mday = 8;
  when.tm_hour = 7;
  when.tm_min = 5;
  when.tm_sec = 9;
  const RunStamp s = stampFor(when);
  EXPECT_EQ(s.DATE, "08-DEC-26");
  EXPECT_EQ(s.TIME, "07:05:09");
  when.tm_year = 100;
  when.tm_mon = 0;
  EXPECT_EQ(stampFor(when).DATE, "08-JAN-00");
}

TEST(Clock, SourceDateEpoch) {
  EXPECT_EQ(parseEpoch("0"), 0);
  EXPECT_EQ(parseEpoch("1796774400"), 1796774400);
  EXPECT_FALSE(parseEpoch(""));
  EXPECT_FALSE(parseEpoch(nullptr));
  EXPECT_FALSE(parseEpoch("-5"));
  EXPECT_FALSE(parseEpoch("12x"));
  EXPECT_FALSE(parseEpoch("99999999999999999999"));
  const RunStamp s = runStamp("86399");  // 1 January 1970, 23:59:59 UTC
  EXPECT_EQ(s.DATE, "01-JAN-70");
  EXPECT_EQ(s.TIME, "23:59:59");
}

}  // namespace
}  // namespace bentpier
