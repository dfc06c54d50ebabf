// The file dialogue and the command line.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <vector>
#include <system_error>
#include <thread>

#include "base/clock.h"
#include "driver/output_file.h"
#include "driver/run.h"
#include "driver/summary.h"
#include "report/html_report.h"
#include "report/json_document.h"
#include "base/printable.h"

namespace bentpier {
namespace {

constexpr const char* kVersionText = "bentpier 4.2.03 (AASHTO highway bridge rules, 1984 interim)";
constexpr const char* kUsage =
    "usage: bentpier [--raw] [--overwrite] [--json FILE] [--html FILE] [--quiet] [--strict]\n"
    "                [--only LIST] [--jobs N] INPUT OUTPUT\n"
    "       bentpier            (asks for the file names)\n"
    "       bentpier --schema   (prints the JSON Schema of the results document)\n"
    "\n"
    "Reads the problem deck INPUT and writes the report to OUTPUT ('-' for\n"
    "standard output).\n"
    "  --overwrite  replace OUTPUT (and the --json and --html files) if they exist\n"
    "  --raw        keep the carriage-control character as the first character\n"
    "               of each report line instead of interpreting it\n"
    "  --json FILE  also write every problem's results as one JSON document\n"
    "               ('-' for standard output; only one output may be '-')\n"
    "  --html FILE  also write a self-contained HTML page with drawings of every\n"
    "               problem ('-' for standard output; only one output may be '-')\n"
    "  --quiet      no summary of the problems on stderr\n"
    "  --only LIST  run only the problems numbered in LIST (numbers and ranges,\n"
    "               e.g. 101,105-110); the others are read past without output\n"
    "  --jobs N     analyse N problems at once (default: one per core); every\n"
    "               output is the same as with --jobs 1\n"
    "  --strict     exit status 4 when a problem had an input error or a\n"
    "               member without a design\n"
    "  --schema     print the JSON Schema of the results document\n"
    "  --help       show this text\n"
    "  --version    show the program version\n";

constexpr const char* kProgramVersion = "4.2.03";

// More threads than this would only wait on each other.
constexpr int kMostJobs = 256;

namespace fs = std::filesystem;

// A file name as the dialogue takes it: the first 35 characters of the line,
// trailing blanks dropped.
std::string fileName(const std::string& line) {
  std::string name = line.substr(0, kFileNameLength);
  if (!name.empty() && name.back() == '\r') name.pop_back();
  while (!name.empty() && name.back() == ' ') name.pop_back();
  return name;
}

// Opens the deck; on failure says why on `err`.
bool openInput(const std::string& name, std::ifstream& in, std::ostream& err) {
  std::error_code ec;
  if (name.empty()) {
    err << "bentpier: no input file name given\n";
    return false;
  }
  if (!fs::exists(name, ec)) {
    err << "bentpier: cannot read input file '" << printable(name) << "': no such file\n";
    return false;
  }
  if (fs::is_directory(name, ec)) {
    err << "bentpier: cannot read input file '" << printable(name) << "': it is a directory\n";
    return false;
  }
  in.open(name, std::ios::binary);
  if (!in) {
    err << "bentpier: cannot read input file '" << printable(name) << "': permission denied or unreadable\n";
    return false;
  }
  return true;
}

// One job per core, at least one.
int defaultJobs() {
  const unsigned cores = std::thread::hardware_concurrency();
  return cores == 0 ? 1 : static_cast<int>(std::min(cores, static_cast<unsigned>(kMostJobs)));
}

// The value of --jobs: a whole number from 1 to kMostJobs, digits only.
std::optional<int> parseJobs(const std::string& text) {
  if (text.empty() || text.size() > 4 ||
      text.find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  const int n = std::stoi(text);
  if (n < 1 || n > kMostJobs) return std::nullopt;
  return n;
}

// What the command line asks for beyond the two file names.
struct RunOptions {
  bool raw = false;
  bool overwrite = false;
  bool quiet = false;
  bool strict = false;
  std::string json;  // results document, empty for none
  std::string html;  // HTML report, empty for none
  std::string input;
  ProblemSelection only;  // the problems to run
  int jobs = defaultJobs();  // problems analysed at once
};

// One output of the run: standard output for "-" on the command line,
// otherwise a file written under the rules of OutputFile.
class Output {
 public:
  Output(const std::string& name, const char* what, std::ostream& con_out, bool dash_is_stdout)
      : what_(what), con_out_(con_out) {
    if (!(dash_is_stdout && name == "-")) file_.emplace(name, what);
  }

  // Why the output may not be written, empty when it may.
  std::string admit(const std::string& input, OutputFile::Existing existing) const {
    return file_ ? file_->admit(input, existing) : std::string();
  }
  std::string open() { return file_ ? file_->open() : std::string(); }
  std::ostream& stream() { return file_ ? file_->stream() : con_out_; }

  // Completes the output; an output not committed leaves its target as it was.
  std::string commit() {
    if (file_) return file_->commit();
    con_out_.flush();
    return con_out_ ? std::string() : "cannot write the " + what_ + " to standard output";
  }

 private:
  std::string what_;
  std::ostream& con_out_;
  std::optional<OutputFile> file_;
};

// Says why an output step failed; true when it did not.
bool succeeded(const std::string& why, std::ostream& err) {
  if (why.empty()) return true;
  err << "bentpier: " << why << "\n";
  return false;
}

// A document written beside the report (the results document, the HTML
// report): opened with the report, handed each problem, committed when the
// run is over.
template <class Writer>
class DocumentOutput {
 public:
  DocumentOutput(const std::string& name, const char* what, std::ostream& con_out) {
    if (!name.empty()) output_.emplace(name, what, con_out, true);
  }
  bool admitted(const RunOptions& o, std::ostream& err) const {
    if (!output_) return true;
    const auto existing = o.overwrite ? OutputFile::Existing::Replace : OutputFile::Existing::Refuse;
    return succeeded(output_->admit(o.input, existing), err);
  }
  bool open(const RunOptions& o, const RunStamp& stamp, std::ostream& err) {
    if (!output_) return true;
    if (!succeeded(output_->open(), err)) return false;
    writer_.emplace(output_->stream(), DocumentHead{kProgramVersion, stamp, o.input});
    return true;
  }
  // The open document's writer; null when the run writes none.
  Writer* writer() { return writer_ ? &*writer_ : nullptr; }
  bool commit(std::ostream& err) {
    if (!writer_) return true;
    writer_->finish();
    return succeeded(output_->commit(), err);
  }

 private:
  std::optional<Output> output_;
  std::optional<Writer> writer_;
};

// The outputs beyond the report: the results document and the HTML report.
struct ExtraOutputs {
  DocumentOutput<ResultsDocument> json;
  DocumentOutput<HtmlReport> html;
  ExtraOutputs(const RunOptions& o, std::ostream& con_out)
      : json(o.json, "results", con_out), html(o.html, "HTML report", con_out) {}
};

// Runs the deck, handing every finished problem to the results document
// and the summary; returns whether every problem was complete.
bool runAll(std::istream& in, Report& report, const RunStamp& stamp, const RunOptions& o,
            ExtraOutputs& extra, std::ostream& err) {
  std::vector<std::string> summary;
  bool complete = true;
  runDeck(
      in, report, stamp, err,
      [&](const Problem& p) {
        ResultsDocument* doc = extra.json.writer();
        const ProblemSummary s = summarise(p, doc ? doc->add(p) : 0);
        if (HtmlReport* page = extra.html.writer()) page->add(p);
        complete = complete && s.complete;
        summary.push_back(s.line);
      },
      o.only,
      [&](const Message& m) {
        if (ResultsDocument* doc = extra.json.writer()) doc->addOutside(m);
      },
      o.jobs);
  report.finish();
  if (!o.quiet)
    for (const std::string& line : summary) err << line << "\n";
  return complete;
}

// Runs the deck into the admitted outputs. Each is complete or, when the run
// cannot write it, left as it was; a results document is committed only
// after the report.
int writeOutputs(std::istream& in, Output& report_output, ExtraOutputs& extra, const RunOptions& o,
                 const RunStamp& stamp, std::ostream& err) {
  if (!succeeded(report_output.open(), err) || !extra.json.open(o, stamp, err) ||
      !extra.html.open(o, stamp, err))
    return kExitBadOutput;
  Report report(report_output.stream(), o.raw);
  const bool complete = runAll(in, report, stamp, o, extra, err);
  if (!succeeded(report_output.commit(), err) || !extra.json.commit(err) ||
      !extra.html.commit(err))
    return kExitBadOutput;
  return o.strict && !complete ? kExitIncomplete : kExitOk;
}

// The same file, whether or not both names exist yet.
bool sameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  if (fs::equivalent(a, b, ec)) return true;
  return fs::weakly_canonical(a, ec) == fs::weakly_canonical(b, ec);
}

int runDialogue(std::istream& con_in, std::ostream& con_out, std::ostream& err,
                const char* epoch) {
  RunOptions o;
  std::string output_name;
  if (!askFileNames(con_in, con_out, o.input, output_name)) return kExitOk;
  std::ifstream in;
  if (!openInput(o.input, in, err)) return kExitBadInput;
  // In the dialogue "-" is a file name like any other.
  Output output(output_name, "report", con_out, false);
  if (!succeeded(output.admit(o.input, OutputFile::Existing::Replace), err)) return kExitUsage;
  std::error_code ec;
  if (fs::exists(fs::symlink_status(output_name, ec)) && !askOverwrite(con_in, con_out)) {
    con_out << "EXITING PROGRAM\n";
    return kExitOk;
  }
  ExtraOutputs none(o, con_out);
  return writeOutputs(in, output, none, o, runStamp(epoch), err);
}

}  // namespace

bool askFileNames(std::istream& con_in, std::ostream& con_out, std::string& input,
                  std::string& output) {
  std::string line;
  con_out << "ENTER INPUT FILE NAME:" << std::flush;
  if (!std::getline(con_in, line)) return false;
  input = fileName(line);
  con_out << "ENTER OUTPUT FILE NAME:" << std::flush;
  if (!std::getline(con_in, line)) return false;
  output = fileName(line);
  return true;
}

bool askOverwrite(std::istream& con_in, std::ostream& con_out) {
  con_out << "OUTPUT FILE ALREADY EXISTS. " << " DO YOU WISH TO DELETE IT [DEFAULT IS N]? (Y/N) "
          << std::flush;
  std::string line;
  if (!std::getline(con_in, line) || line.empty()) return false;
  return line[0] == 'Y' || line[0] == 'y';
}

int runProgram(const std::vector<std::string>& args, std::istream& con_in,
               std::ostream& con_out, std::ostream& err, const char* epoch) {
  RunOptions o;
  bool json_given = false, html_given = false, only_given = false, jobs_given = false;
  std::vector<std::string> names;
  bool options_done = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (!options_done && a == "--") {
      options_done = true;
    } else if (!options_done && a == "--help") {
      con_out << kUsage;
      return kExitOk;
    } else if (!options_done && a == "--version") {
      con_out << kVersionText << "\n";
      return kExitOk;
    } else if (!options_done && a == "--schema") {
      con_out << resultsSchema();
      return con_out ? kExitOk : kExitBadOutput;
    } else if (!options_done && a == "--raw") {
      o.raw = true;
    } else if (!options_done && a == "--overwrite") {
      o.overwrite = true;
    } else if (!options_done && a == "--quiet") {
      o.quiet = true;
    } else if (!options_done && a == "--strict") {
      o.strict = true;
    } else if (!options_done && a == "--json") {
      if (i + 1 >= args.size() || args[i + 1].empty()) {
        err << "bentpier: --json needs a file name (try --help)\n";
        return kExitUsage;
      }
      o.json = args[++i];
      json_given = true;
    } else if (!options_done && a == "--html") {
      if (i + 1 >= args.size() || args[i + 1].empty()) {
        err << "bentpier: --html needs a file name (try --help)\n";
        return kExitUsage;
      }
      o.html = args[++i];
      html_given = true;
    } else if (!options_done && a == "--only") {
      const std::optional<ProblemSelection> only =
          i + 1 < args.size() ? ProblemSelection::parse(args[i + 1]) : std::nullopt;
      if (!only) {
        err << "bentpier: --only needs a list of problem numbers such as 101,105-110 (try --help)\n";
        return kExitUsage;
      }
      o.only = *only;
      only_given = true;
      ++i;
    } else if (!options_done && a == "--jobs") {
      const std::optional<int> jobs = i + 1 < args.size() ? parseJobs(args[i + 1]) : std::nullopt;
      if (!jobs) {
        err << "bentpier: --jobs needs a whole number of problems from 1 to " << kMostJobs
            << " (try --help)\n";
        return kExitUsage;
      }
      o.jobs = *jobs;
      jobs_given = true;
      ++i;
    } else if (!options_done && a.size() > 1 && a[0] == '-') {
      err << "bentpier: unknown option '" << a << "' (try --help)\n";
      return kExitUsage;
    } else {
      names.push_back(a);
    }
  }
  if (names.empty()) {
    if (o.raw || o.overwrite || json_given || html_given || only_given || jobs_given || o.quiet ||
        o.strict) {
      err << "bentpier: options need INPUT and OUTPUT (try --help)\n";
      return kExitUsage;
    }
    return runDialogue(con_in, con_out, err, epoch);
  }
  if (names.size() != 2) {
    err << "bentpier: expected INPUT and OUTPUT file names (try --help)\n";
    return kExitUsage;
  }
  o.input = names[0];
  if ((o.json == "-") + (o.html == "-") + (names[1] == "-") > 1) {
    err << "bentpier: only one of OUTPUT, the --json file and the --html file may be '-'\n";
    return kExitUsage;
  }
  std::ifstream in;
  if (!openInput(names[0], in, err)) return kExitBadInput;
  Output report(names[1], "report", con_out, true);
  ExtraOutputs extra(o, con_out);
  const auto existing = o.overwrite ? OutputFile::Existing::Replace : OutputFile::Existing::Refuse;
  if (!succeeded(report.admit(o.input, existing), err) || !extra.json.admitted(o, err) ||
      !extra.html.admitted(o, err))
    return kExitUsage;
  if (json_given && o.json != "-" && names[1] != "-" && sameFile(o.json, names[1])) {
    err << "bentpier: the report and the --json file must be different files\n";
    return kExitUsage;
  }
  if (html_given && o.html != "-") {
    for (const std::string& other : {names[1], o.json}) {
      if (other.empty() || other == "-" || !sameFile(o.html, other)) continue;
      err << "bentpier: the --html file must differ from the report and the --json file\n";
      return kExitUsage;
    }
  }
  return writeOutputs(in, report, extra, o, runStamp(epoch), err);
}

}  // namespace bentpier
