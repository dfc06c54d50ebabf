// bentpier: analysis and design of multi-column reinforced-concrete bents.
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "driver/run.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + (argc > 0 ? argc : 0));
  return bentpier::runProgram(args, std::cin, std::cout, std::cerr,
                              std::getenv("SOURCE_DATE_EPOCH"));
}
