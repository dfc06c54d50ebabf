// A deck run on several threads: one reader takes the problems in deck
// order, `jobs` workers analyse them, one writer puts out each problem's
// report lines, messages and results in deck order. At most
// heldProblemsFor(jobs) problems are held at once, whatever the length of
// the deck.
#pragma once

#include <istream>
#include <ostream>

#include "driver/run.h"

namespace bentpier {

// Problems held at once: two a worker, and a lead of 16 more, so that while
// the writer waits for a problem that takes as long as a dozen light ones
// the other workers run on past it.
int heldProblemsFor(int jobs);

DeckTally runInParallel(std::istream& in, Report& report, const RunStamp& stamp,
                        std::ostream& diag, const ProblemSink& finished,
                        const ProblemSelection& only, const MessageSink& outside, int jobs);

}  // namespace bentpier
