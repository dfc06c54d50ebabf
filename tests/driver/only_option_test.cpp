// --only: a run of some problems of a deck gives, in every output, exactly
// what the run of the whole deck gives for those problems, and nothing of
// the others; a list that names no problem numbers is a usage error.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include <nlohmann/json.hpp>
#include <unistd.h>

#include "driver/run.h"
#include "driver/read_file.h"

namespace bentpier {
namespace {

namespace fs = std::filesystem;

using testing::readFile;

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Keeps the report lines of the problems in `keep`: a line belongs to the
// problem of the last page header above it.
std::string reportOf(const std::string& report, const std::set<std::string>& keep) {
  const std::regex header("PROB\\. NO\\. (....)$");
  std::string out, owner;
  std::smatch m;
  for (const std::string& line : linesOf(report)) {
    if (std::regex_search(line, m, header)) owner = m[1];
    if (keep.count(owner)) out += line + "\n";
  }
  return out;
}

// Keeps the standard-error lines naming a problem in `keep`.
std::string messagesOf(const std::string& err, const std::set<std::string>& keep) {
  const std::regex named("problem (....)[,: ]");
  std::string out;
  std::smatch m;
  for (const std::string& line : linesOf(err))
    if (std::regex_search(line, m, named) && keep.count(m[1])) out += line + "\n";
  return out;
}

class OnlyRun : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("bpo" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    // Twenty problems: sound ones, ones with input errors (one of them cut
    // short by the next title card) and one ending the deck early.
    const std::string examples = std::string(BENTPIER_SOURCE_DIR) + "/examples/";
    std::string text;
    for (const char* name : {"three-column-bent", "footing-checks", "input-errors"})
      text += readFile(examples + name + ".dat");
    const std::string set = readFile(examples + "problem-set.dat");
    text += set.substr(set.find('\n') + 1);  // without the stray card before its first problem
    std::ofstream(deck()) << text;
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string deck() const { return (dir / "deck.dat").string(); }
  std::string path(const std::string& name) const { return (dir / name).string(); }
  int run(std::vector<std::string> args) {
    err.str("");
    // Raw lines, each with its carriage control, fall to their problem whole.
    args.insert(args.begin(), {"--raw", "--overwrite", "--json", path("r.json"), "--html", path("r.html")});
    args.insert(args.end(), {deck(), path("r.out")});
    return runProgram(args, con_in, con_out, err, "1796774400");
  }
  fs::path dir;
  std::istringstream con_in;
  std::ostringstream con_out, err;
};

TEST_F(OnlyRun, EveryOutputHoldsExactlyTheListedProblemsInDeckOrder) {
  ASSERT_EQ(run({}), kExitOk);
  const std::string report = readFile(path("r.out"));
  const std::string messages = err.str();
  const nlohmann::json doc = nlohmann::json::parse(readFile(path("r.json")));
  ASSERT_EQ(doc["problems"].size(), 20u);

  const struct {
    std::string list;
    std::vector<std::string> problems;
  } cases[] = {
      {"801", {"0801"}},
      {"1008,101", {"0101", "1008"}},  // deck order, whatever the order of the list
      {"101,1001-1008", {"0101", "1001", "1002", "1003", "1004", "1005", "1006", "1007", "1008"}},
      {"0501-0507", {"0501", "0502", "0503", "0504", "0505", "0506", "0507"}},
      {"800-802,805-999,1003", {"0801", "0802", "1003"}},
      {"503,503,502-503", {"0502", "0503"}},
      {"1007,1008,506,507", {"1007", "1008", "0506", "0507"}},
      {"9999", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.list);
    const std::set<std::string> keep(c.problems.begin(), c.problems.end());
    ASSERT_EQ(run({"--only", c.list}), kExitOk);
    const std::string part = readFile(path("r.out"));
    EXPECT_EQ(part, reportOf(report, keep));
    EXPECT_EQ(err.str(), messagesOf(messages, keep));

    std::vector<std::string> headings;
    for (const std::string& line : linesOf(part))
      if (line.find("PROB. NO. ") != std::string::npos &&
          (headings.empty() || line.substr(line.size() - 4) != headings.back()))
        headings.push_back(line.substr(line.size() - 4));
    EXPECT_EQ(headings, c.problems);

    nlohmann::json expected = doc;
    expected["problems"] = nlohmann::json::array();
    for (const auto& p : doc["problems"])
      if (keep.count(p["number"].get<std::string>()))
        expected["problems"].push_back(p);
    EXPECT_EQ(nlohmann::json::parse(readFile(path("r.json"))), expected);

    std::vector<std::string> pages;
    const std::string html = readFile(path("r.html"));
    const std::regex heading("<h2>Problem (....):");
    for (auto it = std::sregex_iterator(html.begin(), html.end(), heading); it != std::sregex_iterator(); ++it)
      pages.push_back((*it)[1]);
    EXPECT_EQ(pages, c.problems);
  }
}

TEST_F(OnlyRun, AListThatIsNotOneOfProblemNumbersIsAUsageError) {
  for (const char* list : {"", ",", "101,", ",101", "101,,102", "5-3", "a", "1 2", " 101", "10000",
                           "-5", "5-", "1--2", "1-2-3", "+5", "101;102"}) {
    SCOPED_TRACE(list);
    EXPECT_EQ(run({"--only", list}), kExitUsage);
    EXPECT_NE(err.str().find("--only"), std::string::npos);
    EXPECT_FALSE(fs::exists(path("r.out")));
  }
  err.str("");
  EXPECT_EQ(runProgram({"--only"}, con_in, con_out, err, nullptr), kExitUsage);
  EXPECT_EQ(runProgram({"--only", "101"}, con_in, con_out, err, nullptr), kExitUsage);  // no files
}

}  // namespace
}  // namespace bentpier
