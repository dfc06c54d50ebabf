// The whole of a file as bytes, for the tests that compare the outputs of
// two runs; an empty text when it cannot be read.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace bentpier::testing {

inline std::string readFile(const std::filesystem::path& name) {
  std::ifstream in(name, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace bentpier::testing
