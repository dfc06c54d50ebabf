// The example decks are generated: the script, run afresh on a copy of
// itself in an empty folder, writes every committed deck byte for byte and
// no deck that is not committed.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::set<std::string> decksIn(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& e : fs::directory_iterator(folder))
    if (e.path().extension() == ".dat") names.insert(e.path().filename().string());
  return names;
}

TEST(ExampleDecks, ScriptReproducesTheCommittedDecks) {
  const fs::path python = "/usr/bin/python3";
  if (!fs::exists(python)) GTEST_SKIP() << "no " << python;
  const fs::path examples = fs::path(BENTPIER_SOURCE_DIR) / "examples";
  const fs::path scratch =
      fs::temp_directory_path() / ("bentpier-decks-" + std::to_string(::getpid()));
  fs::remove_all(scratch);
  fs::create_directories(scratch);
  fs::copy_file(examples / "make_decks.py", scratch / "make_decks.py");
  const std::string command =
      python.string() + " \"" + (scratch / "make_decks.py").string() + "\" > /dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;

  const std::set<std::string> committed = decksIn(examples), made = decksIn(scratch);
  EXPECT_EQ(made, committed);
  for (const std::string& name : committed) {
    if (made.count(name)) {
      EXPECT_EQ(slurp(scratch / name), slurp(examples / name)) << name;
    }
  }
  fs::remove_all(scratch);
}

}  // namespace
