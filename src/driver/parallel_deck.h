// A deck run on several threads: one reader takes the problems in deck
// order, `jobs` workers analyse them, one writer puts out each problem's
// report lines, messages and results in deck order. At most 2 x jobs
// problems are held at once, whatever the length of the deck.
#pragma once

#include <istream>
#include <ostream>

#include "driver/run.h"

namespace bentpier {

DeckTally runInParallel(std::istream& in, Report& report, const RunStamp& stamp,
                        std::ostream& diag, const ProblemSink& finished,
                        const ProblemSelection& only, const MessageSink& outside, int jobs);

}  // namespace bentpier
