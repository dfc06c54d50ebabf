// The HTML report: one self-contained page (no scripts, no external
// resources) with every problem's summary and drawings of the bent, the cap
// envelopes, the column interaction diagrams and the footings, written from
// the results each stage kept.
#pragma once

#include <ostream>

#include "input/problem.h"
#include "report/json_document.h"

namespace bentpier {

class HtmlReport {
 public:
  HtmlReport(std::ostream& out, const DocumentHead& head);
  void add(const Problem& problem);
  void finish();

 private:
  std::ostream& out_;
  int problems_ = 0;
};

}  // namespace bentpier
