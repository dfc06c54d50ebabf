// The file dialogue and the command line.
#include <filesystem>
#include <fstream>
#include <memory>
#include <system_error>

#include "driver/clock.h"
#include "driver/output_file.h"
#include "driver/run.h"
#include "report/printable.h"

namespace bentpier {
namespace {

constexpr const char* kVersionText = "bentpier 4.2.03 (AASHTO highway bridge rules, 1984 interim)";
constexpr const char* kUsage =
    "usage: bentpier [--raw] [--overwrite] INPUT OUTPUT\n"
    "       bentpier            (asks for the file names)\n"
    "\n"
    "Reads the problem deck INPUT and writes the report to OUTPUT ('-' for\n"
    "standard output).\n"
    "  --overwrite  replace OUTPUT if it exists\n"
    "  --raw        keep the carriage-control character as the first character\n"
    "               of each report line instead of interpreting it\n"
    "  --help       show this text\n"
    "  --version    show the program version\n";

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

// Runs the deck into the report on standard output.
int writeReportToStandardOutput(std::istream& in, bool raw, const RunStamp& stamp,
                                std::ostream& con_out, std::ostream& err) {
  Report report(con_out, raw);
  runDeck(in, report, stamp, err);
  report.finish();
  if (!con_out) {
    err << "bentpier: cannot write the report to standard output\n";
    return kExitBadOutput;
  }
  return kExitOk;
}

// Runs the deck into an admitted output file; a failed run leaves the file
// as it was.
int writeReport(std::istream& in, OutputFile& output, bool raw, const RunStamp& stamp,
                std::ostream& err) {
  if (const std::string why = output.open(); !why.empty()) {
    err << "bentpier: " << why << "\n";
    return kExitBadOutput;
  }
  Report report(output.stream(), raw);
  runDeck(in, report, stamp, err);
  report.finish();
  if (const std::string why = output.commit(); !why.empty()) {
    err << "bentpier: " << why << "\n";
    return kExitBadOutput;
  }
  return kExitOk;
}

// Refuses an output that is the input itself or exists when it may not be
// replaced; true when it may be written.
bool admitted(const OutputFile& output, const std::string& input,
              OutputFile::Existing existing, std::ostream& err) {
  const std::string why = output.admit(input, existing);
  if (why.empty()) return true;
  err << "bentpier: " << why << "\n";
  return false;
}

int runDialogue(std::istream& con_in, std::ostream& con_out, std::ostream& err,
                const char* epoch) {
  std::string input, output_name;
  if (!askFileNames(con_in, con_out, input, output_name)) return kExitOk;
  std::ifstream in;
  if (!openInput(input, in, err)) return kExitBadInput;
  // In the dialogue "-" is a file name like any other.
  OutputFile output(output_name);
  if (!admitted(output, input, OutputFile::Existing::Replace, err)) return kExitUsage;
  std::error_code ec;
  if (fs::exists(fs::symlink_status(output_name, ec)) && !askOverwrite(con_in, con_out)) {
    con_out << "EXITING PROGRAM\n";
    return kExitOk;
  }
  return writeReport(in, output, false, runStamp(epoch), err);
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
  bool raw = false;
  bool overwrite = false;
  std::vector<std::string> names;
  bool options_done = false;
  for (const std::string& a : args) {
    if (!options_done && a == "--") {
      options_done = true;
    } else if (!options_done && a == "--help") {
      con_out << kUsage;
      return kExitOk;
    } else if (!options_done && a == "--version") {
      con_out << kVersionText << "\n";
      return kExitOk;
    } else if (!options_done && a == "--raw") {
      raw = true;
    } else if (!options_done && a == "--overwrite") {
      overwrite = true;
    } else if (!options_done && a.size() > 1 && a[0] == '-') {
      err << "bentpier: unknown option '" << a << "' (try --help)\n";
      return kExitUsage;
    } else {
      names.push_back(a);
    }
  }
  if (names.empty()) {
    if (raw || overwrite) {
      err << "bentpier: --raw and --overwrite need INPUT and OUTPUT (try --help)\n";
      return kExitUsage;
    }
    return runDialogue(con_in, con_out, err, epoch);
  }
  if (names.size() != 2) {
    err << "bentpier: expected INPUT and OUTPUT file names (try --help)\n";
    return kExitUsage;
  }
  std::ifstream in;
  if (!openInput(names[0], in, err)) return kExitBadInput;
  if (names[1] == "-") return writeReportToStandardOutput(in, raw, runStamp(epoch), con_out, err);
  OutputFile output(names[1]);
  const auto existing = overwrite ? OutputFile::Existing::Replace : OutputFile::Existing::Refuse;
  if (!admitted(output, names[0], existing, err)) return kExitUsage;
  return writeReport(in, output, raw, runStamp(epoch), err);
}

}  // namespace bentpier
