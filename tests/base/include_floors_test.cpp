// The source folders are floors, and an #include may only look down or
// across its own floor: data flows from the input through the frame
// analysis and the load groups to the designs, and the driver sits on top.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <string>

namespace {

namespace fs = std::filesystem;

// Lowest first: what every stage shares (tables, records, the line-printer
// report, the clock), the stages in the order the data flows, the results
// document written from all of them, and the driver on top.
const char* const kFloors[] = {"base", "input", "frame", "groups", "design", "report", "driver"};

std::optional<int> floorOf(const std::string& folder) {
  for (int i = 0; i < static_cast<int>(std::size(kFloors)); ++i)
    if (folder == kFloors[i]) return i;
  return std::nullopt;
}

// The top folder a project include names ("frame/x.h" -> "frame"), or
// nothing for a system include or a line that is not an include.
std::optional<std::string> includedFolder(const std::string& line) {
  static const std::regex include(R"(^\s*#\s*include\s*"([^/"]+)/[^"]*")");
  std::smatch m;
  if (!std::regex_search(line, m, include)) return std::nullopt;
  return m[1].str();
}

TEST(IncludeFloors, IncludeLinesNameTheirFolder) {
  EXPECT_EQ(includedFolder("#include \"design/cap/cap_design.h\""), "design");
  EXPECT_EQ(includedFolder("  #  include \"base/table.h\"  // tables"), "base");
  EXPECT_EQ(includedFolder("#include <vector>"), std::nullopt);
  EXPECT_EQ(includedFolder("// #include in a comment names no \"folder\""), std::nullopt);
}

TEST(IncludeFloors, NoSourceFileIncludesAHigherFloor) {
  const fs::path src = fs::path(BENTPIER_SOURCE_DIR) / "src";
  int includes = 0;
  for (const auto& entry : fs::recursive_directory_iterator(src)) {
    if (!entry.is_regular_file()) continue;
    const fs::path rel = fs::relative(entry.path(), src);
    const std::string own = rel.begin()->string();
    const std::optional<int> ownFloor = floorOf(own);
    ASSERT_TRUE(ownFloor) << rel << " lies in a folder outside the floors";
    std::ifstream in(entry.path());
    std::string line;
    for (int n = 1; std::getline(in, line); ++n) {
      const std::optional<std::string> folder = includedFolder(line);
      if (!folder) continue;
      ++includes;
      const std::optional<int> floor = floorOf(*folder);
      ASSERT_TRUE(floor) << rel << ":" << n << " includes from an unknown folder: " << line;
      EXPECT_LE(*floor, *ownFloor) << rel << ":" << n << " (" << own
                                   << ") includes a higher floor: " << line;
    }
  }
  EXPECT_GT(includes, 100);  // the walk really read the sources
}

}  // namespace
