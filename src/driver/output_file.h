// A file that a run writes its output to, under the rules every output of
// the program follows:
// - a missing or regular target is written under a temporary name of its
//   own beside it (created exclusively) and renamed over it only when the
//   output is complete, so a failed or interrupted run leaves the old file
//   as it was; the temporary file is removed on failure and on SIGINT or
//   SIGTERM; a replaced file keeps its permission bits, a new one gets
//   0666 less the umask;
// - a symbolic link is followed: its target is written, the link stays;
// - a target that is not a regular file (a terminal, a device, a named pipe)
//   is written directly, never replaced;
// - the target may not be the input file itself (compared as files, so links
//   and other spellings of the same name count), and may not exist unless
//   replacing it is allowed.
#pragma once

#include <memory>
#include <ostream>
#include <string>

namespace bentpier {

class OutputFile {
 public:
  enum class Existing { Refuse, Replace };

  // `what` names the output in messages ("report", "results").
  explicit OutputFile(std::string target, std::string what = "report");
  ~OutputFile();  // removes the temporary file of an output not committed
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // Checks the target against the input file and an existing file. Returns
  // the reason for refusing it, empty when it may be written.
  std::string admit(const std::string& input_path, Existing existing) const;

  // Opens the output for writing. Returns why it cannot be, empty on success.
  std::string open();

  // The output; valid after a successful open().
  std::ostream& stream();

  // Completes the output: flushes it and, for a regular target, moves it
  // into place. Returns why that failed, empty on success; on failure the
  // target is left as it was.
  std::string commit();

  const std::string& target() const { return target_; }

 private:
  struct Impl;
  std::string target_;
  std::string what_;
  std::unique_ptr<Impl> impl_;
};

}  // namespace bentpier
