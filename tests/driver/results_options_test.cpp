// The results document and the summary on the command line: file rules of
// --json, --strict and --quiet, and a value that is not finite.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

#include <unistd.h>

#include "driver/run.h"
#include "report/html_report.h"
#include "report/json_document.h"

namespace bentpier {
namespace {

namespace fs = std::filesystem;

const std::string kExamples = std::string(BENTPIER_SOURCE_DIR) + "/examples/";

class ResultsRun : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("bpj" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string path(const std::string& name) const { return (dir / name).string(); }
  std::string read(const std::string& name) const {
    std::ifstream in(name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  int run(const std::vector<std::string>& args) {
    con_out.str("");
    err.str("");
    return runProgram(args, con_in, con_out, err, "1796774400");
  }
  fs::path dir;
  std::istringstream con_in;
  std::ostringstream con_out, err;
};

TEST_F(ResultsRun, FileRulesOfTheResultsDocument) {
  const std::string deck = kExamples + "problem-set.dat";
  // Written beside the report, complete, with the schema version first.
  ASSERT_EQ(run({"--json", path("r.json"), deck, path("r.out")}), kExitOk);
  const std::string doc = read(path("r.json"));
  EXPECT_EQ(doc.rfind("{\n \"schema_version\": \"1.1\",", 0), 0u) << doc.substr(0, 60);
  EXPECT_EQ(doc.substr(doc.size() - 4), "]\n}\n");
  EXPECT_FALSE(fs::exists(path("r.json.partial")));

  // An existing document is kept without --overwrite, replaced with it.
  EXPECT_EQ(run({"--json", path("r.json"), deck, path("other.out")}), kExitUsage);
  EXPECT_FALSE(fs::exists(path("other.out")));
  EXPECT_EQ(run({"--overwrite", "--json", path("r.json"), deck, path("r.out")}), kExitOk);

  // Never the input deck, nor the report itself; one '-' at most.
  fs::copy_file(deck, path("deck.dat"));
  const std::string deckText = read(path("deck.dat"));
  EXPECT_EQ(run({"--overwrite", "--json", path("deck.dat"), path("deck.dat"), path("a.out")}),
            kExitUsage);
  EXPECT_EQ(read(path("deck.dat")), deckText);
  EXPECT_EQ(run({"--overwrite", "--json", path("r.out"), deck, path("r.out")}), kExitUsage);
  EXPECT_EQ(run({"--json", "-", deck, "-"}), kExitUsage);
  EXPECT_EQ(run({"--json"}), kExitUsage);

  // To standard output, the report to its file.
  ASSERT_EQ(run({"--overwrite", "--quiet", "--json", "-", deck, path("r.out")}), kExitOk);
  EXPECT_EQ(con_out.str(), doc);
  EXPECT_EQ(err.str(), "");

  // A document that cannot be written: exit 3, neither file appears.
  EXPECT_EQ(run({"--json", path("nodir/r.json"), deck, path("new.out")}), kExitBadOutput);
  EXPECT_FALSE(fs::exists(path("new.out")));
  EXPECT_EQ(run({"--overwrite", "--json", path("."), deck, path("new.out")}), kExitBadOutput);

  // A file that is not regular is written directly, not replaced.
  EXPECT_EQ(run({"--overwrite", "--json", "/dev/null", deck, path("r.out")}), kExitOk);
  EXPECT_FALSE(fs::is_regular_file("/dev/null"));
}

TEST_F(ResultsRun, FileRulesOfTheHtmlReport) {
  const std::string deck = kExamples + "pile-bent.dat";
  ASSERT_EQ(run({"--html", path("r.html"), "--json", path("r.json"), deck, path("r.out")}),
            kExitOk);
  const std::string page = read(path("r.html"));
  EXPECT_EQ(page.rfind("<!DOCTYPE html>", 0), 0u);
  EXPECT_EQ(page.substr(page.size() - 15), "</body></html>\n");
  EXPECT_EQ(page.find("<script"), std::string::npos);
  EXPECT_FALSE(fs::exists(path("r.html.partial")));
  fs::copy_file(deck, path("deck.dat"));
  const std::string deckText = read(path("deck.dat"));
  // Refused before anything is written: exit 1 and no new file.
  const std::vector<std::vector<std::string>> refused = {
      {"--html", path("r.html"), deck, path("n1.out")},                      // exists
      {"--overwrite", "--html", path("deck.dat"), path("deck.dat"), path("n2.out")},
      {"--overwrite", "--html", path("r.out"), deck, path("r.out")},          // the report
      {"--overwrite", "--html", path("r.json"), "--json", path("r.json"), deck, path("n3.out")},
      {"--html", "-", deck, "-"},
      {"--html", "-", "--json", "-", deck, path("n4.out")},
      {"--html"}};
  for (const auto& args : refused) {
    EXPECT_EQ(run(args), kExitUsage) << args[1];
    for (const char* n : {"n1.out", "n2.out", "n3.out", "n4.out"}) EXPECT_FALSE(fs::exists(path(n)));
  }
  EXPECT_EQ(read(path("deck.dat")), deckText);
  // Standard output gets the same page; a page that cannot be written is
  // exit 3 and leaves neither the report nor the results document.
  ASSERT_EQ(run({"--overwrite", "--quiet", "--html", "-", deck, path("r.out")}), kExitOk);
  EXPECT_EQ(con_out.str(), page);
  EXPECT_EQ(run({"--html", path("nodir/r.html"), "--json", path("new.json"), deck,
                 path("new.out")}),
            kExitBadOutput);
  EXPECT_FALSE(fs::exists(path("new.out")));
  EXPECT_FALSE(fs::exists(path("new.json")));
}

TEST(HtmlReport, DeckTextIsEscaped) {
  Problem p;
  p.PROBNO = "<1>";
  p.TITLE = "</section><script>alert('x')</script> & \"co\"";
  p.results.input_error = true;
  p.results.messages.push_back(Message{Message::Severity::kError, "BAD <CARD>", 3, 7, 4, 8});
  std::ostringstream out;
  HtmlReport page(out, DocumentHead{"test", RunStamp{}, "a&b.dat"});
  page.add(p);
  page.finish();
  const std::string text = out.str();
  EXPECT_EQ(text.find("<script"), std::string::npos);
  EXPECT_EQ(text.find("<1>"), std::string::npos);
  EXPECT_NE(text.find("&lt;/section&gt;&lt;script&gt;alert(&#39;x&#39;)"), std::string::npos);
  EXPECT_NE(text.find("a&amp;b.dat"), std::string::npos);
  EXPECT_NE(text.find("BAD &lt;CARD&gt; (deck line 7, card 3, columns 4-8)"), std::string::npos);
  EXPECT_NE(text.find("INPUT ERROR"), std::string::npos);
}

TEST_F(ResultsRun, SummaryLinesAndStrictExitStatus) {
  struct Case {
    const char* deck;
    int strict_status;
    const char* expected_line;
  };
  const Case cases[] = {
      {"three-column-bent.dat", kExitOk,
       "problem 0101 US 30 OVER MILL CREEK - PIER 2 - THREE COLUMN BENT: analysed, cap designed, "
       "columns designed, footing 1 designed, footing 2 designed, footing 3 same as footing 1\n"},
      {"input-errors.dat", kExitIncomplete,
       "problem 1003 ERROR - LETTER O TYPED FOR A ZERO IN THE COLUMN HEIGHT: 2 input errors\n"},
      {"input-errors.dat", kExitIncomplete,
       "problem 1007 ROUND COLUMNS CANNOT BE INVESTIGATED UNDER RMODE 2: analysed, "
       "column 1 T input error\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.deck);
    ASSERT_EQ(run({"--overwrite", kExamples + c.deck, path("s.out")}), kExitOk);
    EXPECT_NE(err.str().find(c.expected_line), std::string::npos) << err.str();
    EXPECT_EQ(run({"--overwrite", "--strict", kExamples + c.deck, path("s.out")}),
              c.strict_status);
    EXPECT_EQ(run({"--overwrite", "--quiet", kExamples + c.deck, path("s.out")}), kExitOk);
    EXPECT_EQ(err.str().find(c.expected_line), std::string::npos);
  }
}

TEST_F(ResultsRun, SchemaOptionPrintsTheShippedSchema) {
  ASSERT_EQ(run({"--schema"}), kExitOk);
  EXPECT_EQ(con_out.str(), read(std::string(BENTPIER_SOURCE_DIR) + "/schema/results-1.schema.json"));
}

TEST_F(ResultsRun, CardsWhereATitleShouldBeAreTheDocumentsOwnMessages) {
  // Junk ahead of the first problem and a card left over after it (14 lines).
  const std::string deck = path("stray.dat");
  std::ofstream(deck) << "JUNK AHEAD\n" << read(kExamples + "single-column-pier.dat")
                      << "99  LEFT OVER\n";
  ASSERT_EQ(run({"--quiet", "--json", path("s.json"), deck, path("s.out")}), kExitOk);
  const std::string doc = read(path("s.json"));
  const std::string ahead =
      "{\"severity\":\"error\",\"text\":\"ERROR PROBLEM NUMBER  AHE, LINE JUNK, *B03\","
      "\"card\":0,\"line\":1,\"columns\":null,\"after_problem\":null}";
  const std::string after =
      "{\"severity\":\"error\",\"text\":\"ERROR PROBLEM NUMBER LEFT, LINE 99  , *B03\","
      "\"card\":99,\"line\":16,\"columns\":null,\"after_problem\":\"0201\"}";
  EXPECT_NE(doc.find("\n \"messages\": [" + ahead + "," + after + "]\n}\n"), std::string::npos)
      << doc.substr(doc.size() - 400);
}

TEST(ResultsDocument, ValueNotFiniteIsNeverWrittenAndTheProblemGetsAnError) {
  Problem p;
  p.PROBNO = "0042";
  p.used.dd.NCOL = 1;
  LoadCaseResult c;
  c.label = "DEAD LOAD";
  c.columns.push_back(CaseColumnForces{});
  c.columns[0].MT = std::numeric_limits<float>::quiet_NaN();
  c.columns[0].V = std::numeric_limits<float>::infinity();
  c.columns[0].PC = 0.1f;
  p.results.load_cases.push_back(c);
  std::ostringstream out;
  ResultsDocument doc(out, DocumentHead{"test", RunStamp{}, "deck.dat"});
  EXPECT_EQ(doc.add(p), 2);
  doc.finish();
  const std::string text = out.str();
  EXPECT_EQ(text.find("nan"), std::string::npos);
  EXPECT_EQ(text.find("inf"), std::string::npos);
  EXPECT_NE(text.find("\"MT\":null,\"V\":null"), std::string::npos);
  EXPECT_NE(text.find("VALUE NOT A FINITE NUMBER IN load_cases[0]"), std::string::npos);
  // Single precision written as the shortest text that reads back.
  EXPECT_NE(text.find("\"PC\":0.1,"), std::string::npos);
}

}  // namespace
}  // namespace bentpier
