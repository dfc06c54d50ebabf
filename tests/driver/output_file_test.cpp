// The report file: written beside the target and renamed, links followed,
// devices and pipes written in place, the input deck never overwritten, and
// temporary files gone after a failure or a signal.
#include "driver/output_file.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "driver/run.h"
#include "support/sound_problem.h"

namespace bentpier {
namespace {

namespace fs = std::filesystem;

class OutputFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::path("/tmp") / ("bpo" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    write("deck.dat", testing::kSoundProblem);
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string path(const std::string& name) const { return (dir / name).string(); }
  void write(const std::string& name, const std::string& text) const {
    std::ofstream(path(name), std::ios::binary) << text;
  }
  std::string read(const std::string& name) const {
    std::ifstream in(path(name), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  std::vector<std::string> entries() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }
  int run(std::vector<std::string> args, const std::string& console = "") {
    con_in.str(console);
    con_in.clear();
    con_out.str("");
    err.str("");
    return runProgram(args, con_in, con_out, err, "1796774400");
  }
  bool isReport(const std::string& text) const {
    return text.find("KESTRIA DEPARTMENT OF TRANSPORTATION") != std::string::npos;
  }
  fs::path dir;
  std::istringstream con_in;
  std::ostringstream con_out, err;
};

TEST_F(OutputFileTest, ReplacedFileKeepsItsModeNewFileFollowsTheUmask) {
  write("old.out", "OLD");
  ::chmod(path("old.out").c_str(), 0640);
  const mode_t saved = ::umask(027);
  EXPECT_EQ(run({"--overwrite", path("deck.dat"), path("old.out")}), kExitOk);
  EXPECT_EQ(run({path("deck.dat"), path("new.out")}), kExitOk);
  ::umask(saved);
  EXPECT_TRUE(isReport(read("old.out")));
  EXPECT_EQ(fs::status(path("old.out")).permissions(), fs::perms(0640));
  EXPECT_EQ(fs::status(path("new.out")).permissions(), fs::perms(0640));  // 0666 & ~027
  // Nothing of its own is left beside them, and a stray ".partial" file
  // of the old scheme is nobody's business.
  write("x.out.partial", "MINE");
  EXPECT_EQ(run({path("deck.dat"), path("x.out")}), kExitOk);
  EXPECT_EQ(read("x.out.partial"), "MINE");
  EXPECT_EQ(entries(), (std::vector<std::string>{"deck.dat", "new.out", "old.out", "x.out",
                                                 "x.out.partial"}));
}

TEST_F(OutputFileTest, ASymbolicLinkHasItsTargetRewritten) {
  fs::create_directories(path("real"));
  write("real/report.txt", "OLD");
  fs::create_symlink("real/report.txt", path("link.out"));
  fs::create_symlink("real/fresh.txt", path("dangling.out"));
  EXPECT_EQ(run({"--overwrite", path("deck.dat"), path("link.out")}), kExitOk);
  EXPECT_EQ(run({path("deck.dat"), path("dangling.out")}), kExitOk);
  EXPECT_TRUE(fs::is_symlink(path("link.out")));
  EXPECT_TRUE(fs::is_symlink(path("dangling.out")));
  EXPECT_TRUE(isReport(read("real/report.txt")));
  EXPECT_TRUE(isReport(read("real/fresh.txt")));
}

TEST_F(OutputFileTest, TheInputDeckIsNeverTheOutput) {
  fs::create_hard_link(path("deck.dat"), path("hard.dat"));
  fs::create_symlink("deck.dat", path("soft.dat"));
  const std::string deck = read("deck.dat");
  const std::string dotted = (dir / "." / "deck.dat").string();
  for (const std::string& out : {path("deck.dat"), dotted, path("hard.dat"), path("soft.dat")}) {
    SCOPED_TRACE(out);
    EXPECT_EQ(run({"--overwrite", path("deck.dat"), out}), kExitUsage);
    const std::string said = err.str();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_NE(said.find("is the input file"), std::string::npos);
    // The dialogue refuses it too, before asking to replace it.
    EXPECT_EQ(run({}, path("deck.dat") + "\n" + out + "\nY\n"), kExitUsage);
    EXPECT_EQ(con_out.str().find("ALREADY EXISTS"), std::string::npos);
    EXPECT_EQ(read("deck.dat"), deck);
  }
  EXPECT_EQ(entries(), (std::vector<std::string>{"deck.dat", "hard.dat", "soft.dat"}));
}

TEST_F(OutputFileTest, ANamedPipeIsWrittenNotReplaced) {
  ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
  std::string received;
  std::thread reader([&] {
    std::ifstream in(path("pipe"), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    received = s.str();
  });
  const int status = run({"--overwrite", path("deck.dat"), path("pipe")});
  reader.join();
  EXPECT_EQ(status, kExitOk) << err.str();
  EXPECT_TRUE(isReport(received));
  EXPECT_TRUE(fs::is_fifo(path("pipe")));
}

TEST_F(OutputFileTest, ACharacterDeviceIsWrittenInPlace) {
  if (::geteuid() != 0) GTEST_SKIP() << "making device nodes needs root";
  // The null and full devices, made afresh in the temporary folder.
  ASSERT_EQ(::mknod(path("null").c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
  ASSERT_EQ(::mknod(path("full").c_str(), S_IFCHR | 0666, makedev(1, 7)), 0);
  EXPECT_EQ(run({"--overwrite", path("deck.dat"), path("null")}), kExitOk) << err.str();
  EXPECT_EQ(run({"--overwrite", path("deck.dat"), path("full")}), kExitBadOutput);
  EXPECT_NE(err.str().find(std::strerror(ENOSPC)), std::string::npos) << err.str();
  EXPECT_TRUE(fs::is_character_file(path("null")));
  EXPECT_TRUE(fs::is_character_file(path("full")));
  EXPECT_EQ(entries(), (std::vector<std::string>{"deck.dat", "full", "null"}));
}

TEST_F(OutputFileTest, AFailedRenameTellsTheRealReasonAndLeavesNothing) {
  OutputFile out(path("target.out"));
  ASSERT_EQ(out.admit(path("deck.dat"), OutputFile::Existing::Refuse), "");
  ASSERT_EQ(out.open(), "");
  out.stream() << "REPORT\n";
  // The target turns into a folder that is not empty before the rename.
  fs::create_directories(path("target.out/inside"));
  const std::string why = out.commit();
  EXPECT_NE(why.find(std::strerror(EISDIR)), std::string::npos) << why;
  EXPECT_EQ(why.find("Success"), std::string::npos);
  EXPECT_EQ(entries(), (std::vector<std::string>{"deck.dat", "target.out"}));
}

TEST_F(OutputFileTest, AnInterruptedRunRemovesItsTemporaryFile) {
  for (const int signo : {SIGINT, SIGTERM}) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      OutputFile out(path("target.out"));
      if (!out.open().empty()) ::_exit(2);
      out.stream() << "HALF A REPORT" << std::flush;
      ::raise(signo);
      ::_exit(3);  // not reached: the signal ends the process
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signo) << status;
    EXPECT_EQ(entries(), (std::vector<std::string>{"deck.dat"})) << signo;
  }
}

TEST_F(OutputFileTest, InTheDialogueADashIsAFileName) {
  const fs::path was = fs::current_path();
  fs::current_path(dir);
  const int status = run({}, "deck.dat\n-\n");
  fs::current_path(was);
  EXPECT_EQ(status, kExitOk) << err.str();
  EXPECT_TRUE(isReport(read("-")));
  EXPECT_FALSE(isReport(con_out.str()));
}

}  // namespace
}  // namespace bentpier
