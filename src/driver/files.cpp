// The file dialogue and the command line.
#include <filesystem>
#include <fstream>
#include <memory>
#include <system_error>

#include "base/clock.h"
#include "driver/run.h"

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

// Runs the deck into the named output. The report is written to a temporary
// file beside the output and renamed only when complete, so a failed run
// never leaves a half-written report under the output's name.
int writeReport(std::istream& in, const std::string& output, bool raw, const RunStamp& stamp,
                std::ostream& con_out, std::ostream& err) {
  if (output == "-") {
    Report report(con_out, raw);
    runDeck(in, report, stamp, err);
    report.finish();
    if (!con_out) {
      err << "bentpier: cannot write the report to standard output\n";
      return kExitBadOutput;
    }
    return kExitOk;
  }
  std::error_code ec;
  if (fs::is_directory(output, ec)) {
    err << "bentpier: cannot write report '" << output << "': it is a directory\n";
    return kExitBadOutput;
  }
  const std::string partial = output + ".partial";
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    if (!out) {
      err << "bentpier: cannot write report '" << output << "': cannot create it\n";
      return kExitBadOutput;
    }
    Report report(out, raw);
    runDeck(in, report, stamp, err);
    report.finish();
    out.close();
    if (!out) {
      fs::remove(partial, ec);
      err << "bentpier: cannot write report '" << output << "': write failed (disk full?)\n";
      return kExitBadOutput;
    }
  }
  fs::rename(partial, output, ec);
  if (ec) {
    fs::remove(partial, ec);
    err << "bentpier: cannot write report '" << output << "': " << ec.message() << "\n";
    return kExitBadOutput;
  }
  return kExitOk;
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
  return writeReport(in, output, false, runStamp(epoch), con_out, err);
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
  std::error_code ec;
  if (names[1] != "-" && !overwrite && fs::exists(names[1], ec)) {
    err << "bentpier: output file '" << names[1]
        << "' already exists (use --overwrite to replace it)\n";
    return kExitUsage;
  }
  return writeReport(in, names[1], raw, runStamp(epoch), con_out, err);
}

}  // namespace bentpier
