#include "driver/summary.h"

#include <vector>

namespace bentpier {
namespace {

std::string trimmed(const std::string& s) {
  const size_t first = s.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::string counted(size_t n, const std::string& what) {
  return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
}

// A cap point label ("P 7", "C 2L") in words.
std::string capPointWords(const std::string& label) {
  const std::string t = trimmed(label);
  if (t.empty()) return "a point";
  const std::string rest = trimmed(t.substr(1));
  if (t[0] == 'P') return "point " + rest;
  if (t[0] == 'C') return "column line " + rest;
  return t;
}

void capOutcome(const CapDesignResult& cap, std::vector<std::string>& parts, bool& complete) {
  bool all = true;
  for (const CapPointResult& p : cap.points) {
    if (p.status == CapPointResult::Status::kDesigned) continue;
    all = false;
    parts.push_back("cap cannot be designed at " + capPointWords(p.label));
  }
  if (all) parts.push_back("cap designed");
  complete = complete && all;
}

void columnOutcome(const std::vector<ColumnEndOutcome>& ends, std::vector<std::string>& parts,
                   bool& complete) {
  bool all = !ends.empty();
  bool investigated = false;
  for (const ColumnEndOutcome& e : ends) {
    const std::string which = "column " + std::to_string(e.column) + " " + e.end;
    if (e.status == ColumnEndOutcome::Status::kUnstable) {
      parts.push_back(which + " unstable");
      all = false;
    } else if (e.status == ColumnEndOutcome::Status::kInputError) {
      parts.push_back(which + " input error");
      all = false;
    }
    investigated = investigated || e.option == 'I';
  }
  if (ends.empty()) parts.push_back("columns not reached");
  if (all) parts.push_back(investigated ? "columns investigated" : "columns designed");
  complete = complete && all;
}

// A pile whose critical axial or lateral load exceeds its allowable load.
void pileOutcome(const PileTables& piles, std::vector<std::string>& parts, bool& complete) {
  for (const auto& [lines, what] : {std::pair{&piles.axial, "axial"},
                                    std::pair{&piles.lateral, "lateral"}}) {
    std::string numbers;
    int over = 0;
    for (const PileLine& l : *lines)
      if (l.over_allowable) {
        numbers += (over++ == 0 ? "" : ", ") + std::to_string(l.pile);
      }
    if (over == 0) continue;
    parts.push_back((over == 1 ? "pile " : "piles ") + numbers + " over the allowable " + what +
                    " load");
    complete = false;
  }
}

void footingOutcome(const std::vector<FootingOutcome>& footings,
                    std::vector<std::string>& parts, bool& complete) {
  if (footings.empty()) {
    parts.push_back("footings not reached");
    complete = false;
  }
  for (const FootingOutcome& f : footings) {
    const std::string which = "footing " + std::to_string(f.footing);
    switch (f.status) {
      case FootingOutcome::Status::kDesigned: parts.push_back(which + " designed"); break;
      case FootingOutcome::Status::kSameAs:
        parts.push_back(which + " same as footing " + std::to_string(f.same_as));
        break;
      case FootingOutcome::Status::kFailed:
        parts.push_back(which + " cannot be designed");
        complete = false;
        break;
      case FootingOutcome::Status::kOutOfOrder:
        parts.push_back(which + " data out of order");
        complete = false;
        break;
    }
  }
}

}  // namespace

ProblemSummary summarise(const Problem& p, int unwritten) {
  ProblemSummary s;
  std::vector<std::string> parts;
  const ProblemResults& r = p.results;
  if (r.input_error) {
    size_t errors = 0;
    for (const Message& m : r.messages) errors += m.severity == Message::Severity::kError;
    parts.push_back(counted(errors, "input error"));
    s.complete = false;
  } else {
    parts.push_back("analysed");
    if (r.cap.ran) capOutcome(r.cap, parts, s.complete);
    if (r.has_piles) {
      parts.push_back("pile loads tabled");
      pileOutcome(r.piles, parts, s.complete);
    } else if (p.used.dd.COLOPT != ' ') {
      columnOutcome(r.columns, parts, s.complete);
    }
    if (p.used.dd.FTGOPT != ' ') footingOutcome(r.footings, parts, s.complete);
  }
  if (unwritten > 0) {
    parts.push_back(counted(static_cast<size_t>(unwritten), "value") + " not finite");
    s.complete = false;
  }
  s.line = "problem " + trimmed(p.PROBNO);
  const std::string title = trimmed(p.TITLE);
  if (!title.empty()) s.line += " " + title;
  s.line += ":";
  for (size_t i = 0; i < parts.size(); ++i) s.line += (i == 0 ? " " : ", ") + parts[i];
  return s;
}

}  // namespace bentpier
