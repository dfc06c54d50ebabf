// `make run` builds the program alone; `make test` builds the test suite.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace bentpier {
namespace {

// The build commands that `make -n target` would run, against a build
// folder of its own so that nothing is configured or built here.
std::vector<std::string> buildCommands(const std::string& target) {
  const std::string command = "make -n -s -C '" BENTPIER_SOURCE_DIR "' BUILD=/tmp/bp-make-n " +
                              target + " 2>/dev/null";
  std::vector<std::string> builds;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return builds;
  char line[4096];
  while (std::fgets(line, sizeof line, pipe) != nullptr)
    if (std::string(line).find("cmake --build") != std::string::npos) builds.push_back(line);
  ::pclose(pipe);
  return builds;
}

TEST(MakeTargets, RunBuildsOnlyTheProgram) {
  const std::vector<std::string> run = buildCommands("run");
  ASSERT_FALSE(run.empty());
  for (const std::string& b : run) EXPECT_NE(b.find("--target bentpier"), std::string::npos) << b;

  bool whole_build = false;
  for (const std::string& b : buildCommands("test"))
    whole_build = whole_build || b.find("--target") == std::string::npos;
  EXPECT_TRUE(whole_build) << "make test builds the test suite";
}

}  // namespace
}  // namespace bentpier
