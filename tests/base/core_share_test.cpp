// Sharing cores: every job runs once whatever the cores free, the cores
// borrowed come back, and a job's failure reaches the caller.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "base/core_share.h"

namespace bentpier {
namespace {

TEST(CoreShare, EveryJobRunsOnceAndTheBorrowedCoresComeBack) {
  const struct {
    int cores, taken, jobs;
  } cases[] = {{1, 0, 5}, {4, 1, 24}, {4, 4, 7}, {8, 2, 1}, {3, 0, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.cores << " cores, " << c.taken << " taken, " << c.jobs);
    CoreShare share(c.cores);
    for (int t = 0; t < c.taken; ++t) share.take();
    std::vector<int> runs(static_cast<size_t>(c.jobs), 0);
    runEach(c.jobs, &share, [&](int i) { ++runs[static_cast<size_t>(i)]; });
    EXPECT_EQ(runs, std::vector<int>(static_cast<size_t>(c.jobs), 1));
    EXPECT_EQ(share.borrow(c.cores), c.cores - c.taken);
  }
}

TEST(CoreShare, AFailedJobIsThrownToTheCallerAfterTheOthersEnd) {
  CoreShare share(4);
  std::vector<int> runs(9, 0);
  EXPECT_THROW(runEach(9, &share,
                       [&](int i) {
                         ++runs[static_cast<size_t>(i)];
                         if (i == 5) throw std::runtime_error("job 5");
                       }),
               std::runtime_error);
  EXPECT_EQ(runs, std::vector<int>(9, 1));
  EXPECT_EQ(share.borrow(4), 4);
}

}  // namespace
}  // namespace bentpier
