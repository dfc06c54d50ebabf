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

  CapDesignNotes notes;
  for (int n = 1; n <= parameters.NPT; ++n) {
    const std::string* record = cursor.next();
    if (record == nullptr) break;
    const CapPointRecord point = readCapPointRecord(*record);
    const CapPointDesign design = designCapPoint(st, data, point, METHOD);
    notes.deepened = notes.deepened || design.deepened;

    switch (design.status) {
      case CapPointStatus::kDesigned:
        if (lines > kDesignLineLimit) {
          printCapDesignHeader(report, METHOD, kNewPage);
          lines = kLinesAfterNewPage;
        }
        printCapDesignLine(report, METHOD, point, design,
                           data.materials.STRSZ);
        notes.crackControl = notes.crackControl || design.FS_FZ > kRatioLimit;
        notes.fatigue = notes.fatigue || design.FS_FF > kRatioLimit;
        break;
      case CapPointStatus::kCannotDesign:
        printCapCannotDesign(report, point.LABEL);
        break;
      case CapPointStatus::kDepthLimit:
        printCapDepthLimit(report, point.LABEL, data.DEPINC);
        break;
    }
    ++lines;
  }
  printCapDesignNotes(report, METHOD, notes);
}

}  // namespace bentpier
