#include "base/core_share.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <system_error>
#include <thread>
#include <vector>

namespace bentpier {

void CoreShare::take() {
  std::unique_lock<std::mutex> lock(mutex_);
  freed_.wait(lock, [this] { return free_ > 0; });
  --free_;
}

int CoreShare::borrow(int wanted) {
  const std::lock_guard<std::mutex> lock(mutex_);
  const int taken = std::clamp(wanted, 0, free_);
  free_ -= taken;
  return taken;
}

void CoreShare::give(int cores) {
  if (cores <= 0) return;
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    free_ += cores;
  }
  freed_.notify_all();
}

void runEach(int count, CoreShare* share, const std::function<void(int)>& job) {
  const int helpers = share && count > 1 ? share->borrow(count - 1) : 0;
  std::atomic<int> next{0};
  std::mutex failure_mutex;
  std::exception_ptr failure;
  // Each thread takes the next job not yet started until none is left.
  const auto work = [&] {
    for (int i = next++; i < count; i = next++) {
      try {
        job(i);
      } catch (...) {
        const std::lock_guard<std::mutex> lock(failure_mutex);
        if (!failure) failure = std::current_exception();
      }
    }
  };
  std::vector<std::thread> threads;
  threads.reserve(static_cast<size_t>(helpers));
  try {
    for (int h = 0; h < helpers; ++h) threads.emplace_back(work);
  } catch (const std::system_error&) {
    // No more threads to be had: the ones started and this one do the rest.
  }
  work();
  for (std::thread& t : threads) t.join();
  if (share) share->give(helpers);
  if (failure) std::rethrow_exception(failure);
}

}  // namespace bentpier
