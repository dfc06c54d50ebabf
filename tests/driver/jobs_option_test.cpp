// --jobs N: any number of jobs gives every output byte for byte as one job
// does, in deck order, with at most heldProblemsFor(N) problems held at once; a value
// that is not a whole number of jobs is a usage error.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "driver/run.h"
#include "driver/parallel_deck.h"
#include "driver/read_file.h"

namespace bentpier {
namespace {

namespace fs = std::filesystem;

using testing::readFile;

const fs::path kExamples = fs::path(BENTPIER_SOURCE_DIR) / "examples";

class JobsRun : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("bpj" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  fs::path path(const std::string& name) const { return dir / name; }

  // Every output of one run of `deck`: report, results, HTML page, stderr.
  struct Outputs {
    int status;
    std::string report, json, html, err;
  };
  Outputs run(const fs::path& deck, const std::string& jobs, std::vector<std::string> extra = {}) {
    std::istringstream con_in;
    std::ostringstream con_out, err;
    std::vector<std::string> args = {"--overwrite", "--jobs", jobs,
                                     "--json", path("r.json").string(),
                                     "--html", path("r.html").string()};
    args.insert(args.end(), extra.begin(), extra.end());
    args.insert(args.end(), {deck.string(), path("r.out").string()});
    const int status = runProgram(args, con_in, con_out, err, "1796774400");
    return {status, readFile(path("r.out")), readFile(path("r.json")), readFile(path("r.html")),
            err.str()};
  }
  void expectSameAsOneJob(const fs::path& deck, std::vector<std::string> extra = {}) {
    const Outputs one = run(deck, "1", extra);
    ASSERT_FALSE(one.report.empty());
    for (const char* jobs : {"3", "4"}) {
      SCOPED_TRACE(std::string("--jobs ") + jobs);
      const Outputs many = run(deck, jobs, extra);
      EXPECT_EQ(many.status, one.status);
      EXPECT_EQ(many.report, one.report);
      EXPECT_EQ(many.json, one.json);
      EXPECT_EQ(many.html, one.html);
      EXPECT_EQ(many.err, one.err);
    }
  }
  fs::path dir;
};

TEST_F(JobsRun, EveryExampleDeckGivesTheOutputsOfOneJob) {
  for (const auto& e : fs::directory_iterator(kExamples)) {
    if (e.path().extension() != ".dat") continue;
    SCOPED_TRACE(e.path().filename().string());
    expectSameAsOneJob(e.path());
    // The raw report keeps each line's carriage control where it fell.
    expectSameAsOneJob(e.path(), {"--raw", "--strict"});
  }
}

// Generated sound bents with the input-error problems, a stray card and a
// twelve-column bent (its column ends shared out) in the middle and the
// problems of --only picked out of them.
TEST_F(JobsRun, AGeneratedDeckWithInputErrorsAmongItGivesTheOutputsOfOneJob) {
  const std::string bench = std::string(BENTPIER_SOURCE_DIR) + "/bench/make_bench_decks.py";
  const std::string command =
      "/usr/bin/python3 " + bench + " " + dir.string() + " --random 24 > /dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  const std::string sound = readFile(path("random-sound.dat"));
  const size_t half = sound.find("*B03", sound.size() / 2);
  ASSERT_NE(half, std::string::npos);
  std::ofstream(path("deck.dat"), std::ios::binary)
      << sound.substr(0, half) << readFile(kExamples / "problem-set.dat")
      << readFile(kExamples / "twelve-column-bent.dat") << readFile(kExamples / "input-errors.dat")
      << sound.substr(half);
  expectSameAsOneJob(path("deck.dat"));
  expectSameAsOneJob(path("deck.dat"), {"--only", "1-8,502-504,1001-1003,20-22"});
}

TEST_F(JobsRun, AValueThatIsNotAWholeNumberOfJobsIsAUsageError) {
  const fs::path deck = kExamples / "three-column-bent.dat";
  for (const char* jobs : {"0", "-1", "", "two", "4x", "+4", " 4", "2.5", "257", "99999", "0x4"}) {
    SCOPED_TRACE(jobs);
    const Outputs o = run(deck, jobs);
    EXPECT_EQ(o.status, kExitUsage);
    EXPECT_NE(o.err.find("--jobs"), std::string::npos);
    EXPECT_FALSE(fs::exists(path("r.out")));
  }
  for (const char* jobs : {"1", "02", "256"}) {
    SCOPED_TRACE(jobs);
    EXPECT_EQ(run(deck, jobs).status, kExitOk);
  }
  std::istringstream con_in;
  std::ostringstream con_out, err;
  EXPECT_EQ(runProgram({"--jobs"}, con_in, con_out, err, nullptr), kExitUsage);
  EXPECT_EQ(runProgram({"--jobs", "2"}, con_in, con_out, err, nullptr), kExitUsage);  // no files
}

// A writer slower than the analysis lets the reader run ahead until the
// window is full: the problems held reach 2 x jobs and never pass it, and
// every problem still arrives once, in deck order.
TEST(JobsWindow, AtMostTheWindowIsHeldWhateverTheDeckLength) {
  const std::string one = readFile(kExamples / "three-column-bent.dat");
  std::string text;
  const int problems = heldProblemsFor(3) + 10;
  for (int n = 0; n < problems; ++n) {
    std::string copy = one;
    const std::string number = std::to_string(1000 + n);
    copy.replace(copy.find("*B03") + 4, 4, number);
    text += copy;
  }
  for (int jobs : {1, 2, 3}) {
    SCOPED_TRACE(jobs);
    std::istringstream deck(text);
    std::ostringstream out, diag;
    Report report(out);
    std::vector<std::string> arrived;
    const DeckTally tally = runDeck(
        deck, report, RunStamp{}, diag,
        [&](const Problem& p) {
          arrived.push_back(p.PROBNO);
          std::this_thread::sleep_for(std::chrono::milliseconds(3));
        },
        {}, {}, jobs);
    ASSERT_EQ(arrived.size(), static_cast<size_t>(problems));
    for (int n = 0; n < problems; ++n)
      EXPECT_EQ(arrived[static_cast<size_t>(n)], std::to_string(1000 + n));
    EXPECT_EQ(tally.most_held, jobs == 1 ? 1 : heldProblemsFor(jobs));
  }
}

}  // namespace
}  // namespace bentpier
