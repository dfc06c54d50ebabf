// The file dialogue and the command line.
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <vector>
#include <system_error>

#include "driver/clock.h"
#include "driver/run.h"
#include "driver/summary.h"
#include "report/html_report.h"
#include "report/json_document.h"

namespace bentpier {
namespace {

constexpr const char* kVersionText = "bentpier 4.2.03 (AASHTO highway bridge rules, 1984 interim)";
constexpr const char* kUsage =
    "usage: bentpier [--raw] [--overwrite] [--json FILE] [--html FILE] [--quiet] [--strict]\n"
    "                INPUT OUTPUT\n"
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
    "               problem ('-' for standard output)\n"
    "  --quiet      no summary of the problems on stderr\n"
    "  --strict     exit status 4 when a problem had an input error or a\n"
    "               member without a design\n"
    "  --schema     print the JSON Schema of the results document\n"
    "  --help       show this text\n"
    "  --version    show the program version\n";

constexpr const char* kProgramVersion = "4.2.03";

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
    err << "bentpier: cannot read input file '" << name << "': no such file\n";
    return false;
  }
  if (fs::is_directory(name, ec)) {
    err << "bentpier: cannot read input file '" << name << "': it is a directory\n";
    return false;
  }
  in.open(name, std::ios::binary);
  if (!in) {
    err << "bentpier: cannot read input file '" << name << "': permission denied or unreadable\n";
    return false;
  }
  return true;
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
};

// A file written beside its target and renamed over it once complete, or,
// for standard output and files that are not regular (devices, pipes),
// written directly.
struct PendingFile {
  std::string target, partial;
  std::ofstream file;
  std::ostream* stream = nullptr;
  bool direct = false;
};

bool openPending(const std::string& name, const char* what, std::ostream& con_out,
                 PendingFile& f, std::ostream& err) {
  f.target = name;
  if (name == "-") {
    f.stream = &con_out;
    f.direct = true;
    return true;
  }
  std::error_code ec;
  if (fs::is_directory(name, ec)) {
    err << "bentpier: cannot write " << what << " '" << name << "': it is a directory\n";
    return false;
  }
  f.direct = fs::exists(name, ec) && !fs::is_regular_file(name, ec);
  f.partial = f.direct ? name : name + ".partial";
  f.file.open(f.partial, std::ios::binary | std::ios::trunc);
  if (!f.file) {
    err << "bentpier: cannot write " << what << " '" << name << "': cannot create it\n";
    return false;
  }
  f.stream = &f.file;
  return true;
}

void abandonPending(PendingFile& f) {
  if (f.file.is_open()) f.file.close();
  std::error_code ec;
  if (!f.direct && !f.partial.empty()) fs::remove(f.partial, ec);
}

bool commitPending(PendingFile& f, const char* what, std::ostream& err) {
  if (f.target == "-") {
    f.stream->flush();
    if (*f.stream) return true;
    err << "bentpier: cannot write the " << what << " to standard output\n";
    return false;
  }
  f.file.close();
  if (!f.file) {
    abandonPending(f);
    err << "bentpier: cannot write " << what << " '" << f.target << "': write failed (disk full?)\n";
    return false;
  }
  if (f.direct) return true;
  std::error_code ec;
  fs::rename(f.partial, f.target, ec);
  if (ec) {
    abandonPending(f);
    err << "bentpier: cannot write " << what << " '" << f.target << "': " << ec.message() << "\n";
    return false;
  }
  return true;
}

// The results document beside the report: open, written a problem at a
// time, committed when the run is over.
class JsonOutput {
 public:
  bool open(const RunOptions& o, const RunStamp& stamp, std::ostream& con_out, std::ostream& err) {
    if (o.json.empty()) return true;
    if (!openPending(o.json, "results", con_out, file_, err)) return false;
    doc_.emplace(*file_.stream, DocumentHead{kProgramVersion, stamp, o.input});
    return true;
  }
  int add(const Problem& p) { return doc_ ? doc_->add(p) : 0; }
  bool commit(std::ostream& err) {
    if (!doc_) return true;
    doc_->finish();
    return commitPending(file_, "results", err);
  }
  void abandon() {
    if (doc_) abandonPending(file_);
  }

 private:
  PendingFile file_;
  std::optional<ResultsDocument> doc_;
};

// The HTML report beside the report, kept the same way.
class HtmlOutput {
 public:
  bool open(const RunOptions& o, const RunStamp& stamp, std::ostream& con_out, std::ostream& err) {
    if (o.html.empty()) return true;
    if (!openPending(o.html, "HTML report", con_out, file_, err)) return false;
    page_.emplace(*file_.stream, DocumentHead{kProgramVersion, stamp, o.input});
    return true;
  }
  void add(const Problem& p) {
    if (page_) page_->add(p);
  }
  bool commit(std::ostream& err) {
    if (!page_) return true;
    page_->finish();
    return commitPending(file_, "HTML report", err);
  }
  void abandon() {
    if (page_) abandonPending(file_);
  }

 private:
  PendingFile file_;
  std::optional<HtmlReport> page_;
};

// The extra outputs of a run: the results document and the HTML report.
struct Outputs {
  JsonOutput json;
  HtmlOutput html;
  void abandon() {
    json.abandon();
    html.abandon();
  }
};

// Runs the deck, handing every finished problem to the results document
// and the summary; returns whether every problem was complete.
bool runAll(std::istream& in, Report& report, const RunStamp& stamp, const RunOptions& o,
            Outputs& outputs, std::ostream& err) {
  std::vector<std::string> summary;
  bool complete = true;
  runDeck(in, report, stamp, err, [&](const Problem& p) {
    const ProblemSummary s = summarise(p, outputs.json.add(p));
    outputs.html.add(p);
    complete = complete && s.complete;
    summary.push_back(s.line);
  });
  report.finish();
  if (!o.quiet)
    for (const std::string& line : summary) err << line << "\n";
  return complete;
}

// Runs the deck into the named output. The report is written to a temporary
// file beside the output and renamed only when complete, so a failed run
// never leaves a half-written report under the output's name.
int writeReport(std::istream& in, const std::string& output, const RunOptions& o,
                const RunStamp& stamp, std::ostream& con_out, std::ostream& err) {
  Outputs outputs;
  if (!outputs.json.open(o, stamp, con_out, err)) return kExitBadOutput;
  if (!outputs.html.open(o, stamp, con_out, err)) {
    outputs.abandon();
    return kExitBadOutput;
  }
  bool complete = true;
  if (output == "-") {
    Report report(con_out, o.raw);
    complete = runAll(in, report, stamp, o, outputs, err);
    if (!con_out) {
      outputs.abandon();
      err << "bentpier: cannot write the report to standard output\n";
      return kExitBadOutput;
    }
  } else {
    std::error_code ec;
    if (fs::is_directory(output, ec)) {
      outputs.abandon();
      err << "bentpier: cannot write report '" << output << "': it is a directory\n";
      return kExitBadOutput;
    }
    const std::string partial = output + ".partial";
    {
      std::ofstream out(partial, std::ios::binary | std::ios::trunc);
      if (!out) {
        outputs.abandon();
        err << "bentpier: cannot write report '" << output << "': cannot create it\n";
        return kExitBadOutput;
      }
      Report report(out, o.raw);
      complete = runAll(in, report, stamp, o, outputs, err);
      out.close();
      if (!out) {
        fs::remove(partial, ec);
        outputs.abandon();
        err << "bentpier: cannot write report '" << output << "': write failed (disk full?)\n";
        return kExitBadOutput;
      }
    }
    fs::rename(partial, output, ec);
    if (ec) {
      fs::remove(partial, ec);
      outputs.abandon();
      err << "bentpier: cannot write report '" << output << "': " << ec.message() << "\n";
      return kExitBadOutput;
    }
  }
  if (!outputs.json.commit(err)) {
    outputs.html.abandon();
    return kExitBadOutput;
  }
  if (!outputs.html.commit(err)) return kExitBadOutput;
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
  std::string input, output;
  if (!askFileNames(con_in, con_out, input, output)) return kExitOk;
  std::ifstream in;
  if (!openInput(input, in, err)) return kExitBadInput;
  std::error_code ec;
  if (fs::exists(output, ec) && !askOverwrite(con_in, con_out)) {
    con_out << "EXITING PROGRAM\n";
    return kExitOk;
  }
  RunOptions o;
  o.input = input;
  return writeReport(in, output, o, runStamp(epoch), con_out, err);
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
  bool json_given = false, html_given = false;
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
    } else if (!options_done && a.size() > 1 && a[0] == '-') {
      err << "bentpier: unknown option '" << a << "' (try --help)\n";
      return kExitUsage;
    } else {
      names.push_back(a);
    }
  }
  if (names.empty()) {
    if (o.raw || o.overwrite || json_given || html_given || o.quiet || o.strict) {
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
  std::error_code ec;
  for (const std::string& out : {names[1], o.json, o.html}) {
    if (out.empty() || out == "-") continue;
    if (sameFile(out, names[0])) {
      err << "bentpier: output file '" << out << "' is the input deck itself\n";
      return kExitUsage;
    }
  }
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
  for (const std::string& out : {names[1], o.json, o.html}) {
    if (out.empty() || out == "-" || o.overwrite || !fs::exists(out, ec)) continue;
    err << "bentpier: output file '" << out << "' already exists (use --overwrite to replace it)\n";
    return kExitUsage;
  }
  return writeReport(in, names[1], o, runStamp(epoch), con_out, err);
}

}  // namespace bentpier
