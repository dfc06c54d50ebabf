#include "driver/parallel_deck.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "input/deck.h"
#include "input/reader.h"

namespace bentpier {
namespace {

// One problem between the reader and the writer: its store, the report lines
// and the messages it gave. A problem skipped for an input error comes read
// and done; the lines after the last problem come without a problem.
struct Held {
  Problem problem;
  bool has_problem = false;
  std::vector<std::string> lines;
  std::string messages;
  std::vector<Message> outside;  // cards where a title card should be
  bool done = false;  // analysed (or nothing to analyse): ready to write
  std::exception_ptr failure;
};

class DeckPipeline {
 public:
  DeckPipeline(Report& report, std::ostream& diag, const ProblemSink& finished,
               const MessageSink& outside, int jobs)
      : report_(report), diag_(diag), finished_(finished), outside_(outside),
        window_(heldProblemsFor(jobs)), share_(jobs) {
    try {
      for (int j = 0; j < jobs; ++j) workers_.emplace_back([this] { analyseProblems(); });
      writer_ = std::thread([this] { writeProblems(); });
    } catch (...) {
      stopAndJoin();
      throw;
    }
  }
  DeckPipeline(const DeckPipeline&) = delete;
  DeckPipeline& operator=(const DeckPipeline&) = delete;
  // After a failure of the reader nothing more is written.
  ~DeckPipeline() { stopAndJoin(); }

  DeckTally run(std::istream& in, const RunStamp& stamp, const ProblemSelection& only) {
    readProblems(in, stamp, only);
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      reading_done_ = true;
    }
    wakeAll();
    joinAll();
    if (failure_) std::rethrow_exception(failure_);
    return DeckTally{most_held_};
  }

 private:
  // Reader: the problems in deck order, each into a store of its own.
  void readProblems(std::istream& in, const RunStamp& stamp, const ProblemSelection& only) {
    Deck deck(in);
    for (;;) {
      std::unique_ptr<Held> held = open();
      if (!held) return;
      Report report(held->lines);
      std::ostringstream messages;
      std::vector<Message> outside;
      const auto stray = [&](const Message& m) { outside.push_back(m); };
      // A problem skipped for an input error takes the lines and messages so
      // far; the store goes on to the next problem.
      const auto rejected = [&](const Problem& p) {
        std::unique_ptr<Held> skipped = open();
        if (!skipped) return;
        skipped->problem = p;
        skipped->has_problem = true;
        skipped->lines.swap(held->lines);
        skipped->messages = messages.str();
        messages.str("");
        skipped->outside.swap(outside);
        hand(std::move(skipped), false);
      };
      const int status =
          PIER11(deck, report, stamp, held->problem, messages, rejected, only, stray);
      held->messages = messages.str();
      held->outside = std::move(outside);
      held->has_problem = status == kProblemRead;
      hand(std::move(held), status == kProblemRead);
      if (status != kProblemRead) return;
    }
  }

  // A new store once fewer than the window are held; null when the run stops.
  std::unique_ptr<Held> open() {
    std::unique_lock<std::mutex> lock(mutex_);
    room_.wait(lock, [this] { return held_ < window_ || stop_; });
    if (stop_) return nullptr;
    most_held_ = std::max(most_held_, ++held_);
    return std::make_unique<Held>();
  }

  // Queues a store for the writer in deck order and, when it is to be
  // analysed, for a worker.
  void hand(std::unique_ptr<Held> held, bool analyse) {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      held->done = !analyse;
      if (analyse) work_.push_back(held.get());
      order_.push_back(std::move(held));
    }
    if (analyse) queued_.notify_one();
    ready_.notify_one();
  }

  // Worker: the stages of one problem after another.
  void analyseProblems() {
    for (;;) {
      Held* held = nullptr;
      {
        std::unique_lock<std::mutex> lock(mutex_);
        queued_.wait(lock, [this] { return stop_ || !work_.empty() || reading_done_; });
        if (stop_ || work_.empty()) return;
        held = work_.front();
        work_.pop_front();
      }
      share_.take();
      try {
        Report report(held->lines);
        runStages(held->problem, report, &share_);
      } catch (...) {
        held->failure = std::current_exception();
      }
      share_.give(1);
      {
        const std::lock_guard<std::mutex> lock(mutex_);
        held->done = true;
      }
      ready_.notify_one();
    }
  }

  // Writer: each problem's messages, report lines and results in deck order.
  void writeProblems() {
    for (;;) {
      std::unique_ptr<Held> held;
      {
        std::unique_lock<std::mutex> lock(mutex_);
        ready_.wait(lock, [this] {
          return stop_ || (!order_.empty() && order_.front()->done) ||
                 (order_.empty() && reading_done_);
        });
        if (stop_ || order_.empty()) return;
        held = std::move(order_.front());
        order_.pop_front();
      }
      if (!held->failure) {
        try {
          diag_ << held->messages;
          report_.replay(held->lines);
          if (outside_)
            for (const Message& m : held->outside) outside_(m);
          if (held->has_problem && finished_) finished_(held->problem);
        } catch (...) {
          held->failure = std::current_exception();
        }
      }
      {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (held->failure) {
          failure_ = held->failure;
          stop_ = true;
        }
        --held_;
        // A failure stops the workers and the reader too.
        if (stop_) {
          queued_.notify_all();
          room_.notify_all();
        }
      }
      held.reset();
      room_.notify_one();
    }
  }

  // Each thread waits on its own condition: the reader for room, the
  // workers for work, the writer for the problem next in deck order; an
  // event wakes only the threads it concerns, save the end of the reading
  // and a stop, which wake every one.
  void wakeAll() {
    room_.notify_all();
    queued_.notify_all();
    ready_.notify_all();
  }

  void stopAndJoin() {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      stop_ = true;
    }
    wakeAll();
    joinAll();
  }

  void joinAll() {
    for (std::thread& w : workers_)
      if (w.joinable()) w.join();
    if (writer_.joinable()) writer_.join();
  }

  Report& report_;
  std::ostream& diag_;
  const ProblemSink& finished_;
  const MessageSink& outside_;
  const int window_;
  CoreShare share_;

  std::mutex mutex_;
  std::condition_variable room_;    // a store was written and released
  std::condition_variable queued_;  // work queued, the reading over
  std::condition_variable ready_;   // a problem queued or done, the reading over
  std::deque<std::unique_ptr<Held>> order_;  // deck order, to be written
  std::deque<Held*> work_;                   // read, to be analysed
  int held_ = 0, most_held_ = 0;
  bool reading_done_ = false, stop_ = false;
  std::exception_ptr failure_;

  std::vector<std::thread> workers_;
  std::thread writer_;
};

}  // namespace

int heldProblemsFor(int jobs) { return 2 * jobs + 16; }

DeckTally runInParallel(std::istream& in, Report& report, const RunStamp& stamp,
                        std::ostream& diag, const ProblemSink& finished,
                        const ProblemSelection& only, const MessageSink& outside, int jobs) {
  DeckPipeline pipeline(report, diag, finished, outside, std::max(jobs, 1));
  return pipeline.run(in, stamp, only);
}

}  // namespace bentpier
