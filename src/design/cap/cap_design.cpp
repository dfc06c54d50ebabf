// The cap design stage: every point of the cap store in turn, the table's
// page rule and the closing notes.
#include "design/cap/cap_design.h"

#include "base/record_store.h"

namespace bentpier {
namespace {

// Page rule of the table: the heading starts a new page when more than
// kHeaderLineLimit lines are used, a design line when more than
// kDesignLineLimit are; a new page then counts kLinesAfterNewPage lines. A
// heading that stays on the page takes kHeaderLines more.
constexpr int kHeaderLineLimit = 28;
constexpr int kDesignLineLimit = 30;
constexpr int kLinesAfterNewPage = 4;
constexpr int kHeaderLines = 2;

// A ratio above this raises its note.
constexpr float kRatioLimit = 1.0f;

}  // namespace

void PIER51(Problem& problem, Report& report) {
  RecordCursor cursor(problem.rec.CAPREC);
  const std::string* first = cursor.next();
  if (first == nullptr) return;
  const CapParameterRecord parameters = readCapParameterRecord(*first);
  const CapDesignData data = capDesignData(parameters);
  const char METHOD = problem.dd.METHOD == 'S' ? 'S' : 'L';

  CapDesignState st;
  setCapConstants(st, data.materials, METHOD);

  int lines = data.LINES;
  if (lines > kHeaderLineLimit) {
    printCapDesignHeader(report, METHOD, kNewPage);
    lines = kLinesAfterNewPage;
  } else {
    printCapDesignHeader(report, METHOD, kSkipLine);
    lines += kHeaderLines;
  }

  CapDesignResult& kept = problem.results.cap;
  kept.ran = true;
  kept.METHOD = METHOD;
  CapDesignNotes notes;
  for (int n = 1; n <= parameters.NPT; ++n) {
    const std::string* record = cursor.next();
    if (record == nullptr) break;
    const CapPointRecord point = readCapPointRecord(*record);
    kept.points.push_back(keptCapPoint(point, designCapPoint(st, data, point, METHOD), data));
    const CapPointResult& design = kept.points.back();
    notes.deepened = notes.deepened || design.deepened;

    switch (design.status) {
      case CapPointResult::Status::kDesigned:
        if (lines > kDesignLineLimit) {
          printCapDesignHeader(report, METHOD, kNewPage);
          lines = kLinesAfterNewPage;
        }
        printCapDesignLine(report, METHOD, design);
        notes.crackControl = notes.crackControl || design.FS_FZ > kRatioLimit;
        notes.fatigue = notes.fatigue || design.FS_FF > kRatioLimit;
        break;
      case CapPointResult::Status::kCannotDesign:
        printCapCannotDesign(report, design.label);
        break;
      case CapPointResult::Status::kDepthLimit:
        printCapDepthLimit(report, design.label, design.DEPINC);
        break;
    }
    ++lines;
  }
  kept.crack_control_note = METHOD != 'S' && notes.crackControl;
  kept.fatigue_note = METHOD != 'S' && notes.fatigue;
  kept.deepened_note = notes.deepened;
  printCapDesignNotes(report, METHOD, notes);
  for (const CapPointResult& point : kept.points)
    if (point.status == CapPointResult::Status::kDesigned && point.group_governs)
      printOverstressNote(report, point);
}

}  // namespace bentpier
