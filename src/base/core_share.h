// The cores of a run shared between its problems and, within a problem, the
// independent pieces of one stage (the ends of the columns): a count of free
// cores that an analysis takes one of before it runs and that a stage may
// borrow more of while they are idle.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>

namespace bentpier {

class CoreShare {
 public:
  explicit CoreShare(int cores) : free_(cores > 0 ? cores : 1) {}
  CoreShare(const CoreShare&) = delete;
  CoreShare& operator=(const CoreShare&) = delete;

  // Waits for a free core and takes it.
  void take();
  // Takes up to `wanted` free cores without waiting; returns how many.
  int borrow(int wanted);
  // Gives cores back.
  void give(int cores);

 private:
  std::mutex mutex_;
  std::condition_variable freed_;
  int free_;
};

// Runs job(0) .. job(count - 1), each once, on the calling thread and on as
// many cores borrowed from `share` (when given) as are free and useful; the
// order in which they run is not fixed, so each job writes only its own
// result. Returns when every job is done; the first exception a job threw is
// thrown again here.
void runEach(int count, CoreShare* share, const std::function<void(int)>& job);

}  // namespace bentpier
