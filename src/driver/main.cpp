// bentpier: analysis and design of multi-column reinforced-concrete bents.
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "driver/run.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

// Each problem builds and frees its own store, some of it in blocks of a
// few megabytes (the footings' formed sets). By default the C library
// maps each such block afresh and hands freed memory back to the system,
// so every problem pays again for the same pages, and the workers of
// --jobs contend for the kernel while doing so. Held for reuse, the memory
// of one problem serves the next.
static void keepFreedMemoryForReuse() {
#if defined(__GLIBC__)
  mallopt(M_MMAP_THRESHOLD, 256 << 20);
  mallopt(M_TRIM_THRESHOLD, 512 << 20);
#endif
}

int main(int argc, char** argv) {
  keepFreedMemoryForReuse();
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + (argc > 0 ? argc : 0));
  return bentpier::runProgram(args, std::cin, std::cout, std::cerr,
                              std::getenv("SOURCE_DATE_EPOCH"));
}
