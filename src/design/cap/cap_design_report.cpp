// The "CAP DESIGN DATA" table: heading, one line per designed point, the
// lines of points that could not be designed, and the closing notes.
#include "design/cap/cap_design.h"

namespace bentpier {
namespace {

constexpr int kTitleIndent = 58;

bool isService(char METHOD) { return METHOD == 'S'; }

// Main steel of one face: area, number of bars and bar size.
Line& faceSteel(Line& line, const CapFaceBars& face, int width) {
  return line.f(face.AS, width, 2).i(face.NBARS, 3).text(" #").i(face.size, 3);
}

// One stirrup group, 22 columns under "M.SP. AV/IN BAR&SPAC": maximum
// spacing (never above 24.00, so six columns keep a blank before it),
// stirrup area per inch, the double-stirrup mark, the bar size in two
// columns (#10 and #11 included) and the spacing.
Line& stirrups(Line& line, const CapStirrups& s) {
  return line.f(s.max_spacing, 6, 2)
      .f(s.av_per_inch, 6, 3)
      .ch(s.mark)
      .text("#")
      .i(s.size, 2)
      .text("@")
      .f(s.spacing, 5, 2);
}

}  // namespace

void printCapDesignHeader(Report& report, char METHOD, char carriage) {
  const bool service = isService(METHOD);
  report << Line(carriage) << Line(kNextLine)
         << Line(kNextLine).blanks(kTitleIndent).text("CAP DESIGN DATA");

  Line titles(kNextLine);
  titles.text(service ? "PT.   G1 M+SL   G1 M-SL" : "PT.   M+ UNF.   M- UNF.")
      .blanks(2)
      .text("TOP REINFORCE.")
      .blanks(2)
      .text("BOT.REINFORCE.")
      .blanks(5)
      .text("LEFT STIRRUPS")
      .blanks(9)
      .text("RIGHT STIRRUPS")
      .blanks(7)
      .text("D")
      .blanks(5)
      .text("FC");
  if (!service) titles.blanks(4).text("PS   FS/FF  FS/FZ");
  report << titles;

  Line units(kNextLine);
  units.blanks(7)
      .text("K-FT.")
      .blanks(5)
      .text("K-FT.")
      .blanks(4)
      .text(" AS  NO.SIZE ")
      .blanks(3)
      .text(" AS  NO.SIZE ");
  // Each stirrup title starts one column into its 22-column group, over
  // the numbers of the maximum spacing and the area per inch.
  units.blanks(1)
      .text("M.SP. AV/IN BAR&SPAC")
      .blanks(2)
      .text("M.SP. AV/IN BAR&SPAC")
      .blanks(4)
      .text("IN.")
      .blanks(4)
      .text("PSI");
  if (!service) {
    units.blanks(4).text("%").blanks(1);
    for (int ratio = 0; ratio < 2; ++ratio) units.blanks(2).text("RATIO");
  }
  report << units;
}

CapPointResult keptCapPoint(const CapPointRecord& point, const CapPointDesign& design,
                            const CapDesignData& data) {
  CapPointResult kept;
  switch (design.status) {
    case CapPointStatus::kDesigned: kept.status = CapPointResult::Status::kDesigned; break;
    case CapPointStatus::kCannotDesign: kept.status = CapPointResult::Status::kCannotDesign; break;
    case CapPointStatus::kDepthLimit: kept.status = CapPointResult::Status::kDepthLimit; break;
  }
  kept.label = point.LABEL;
  kept.MBPOS = point.MBPOS;
  kept.MBNEG = point.MBNEG;
  kept.MPOS = point.MPOS;
  kept.MNEG = point.MNEG;
  kept.MCAP_POS = design.MCAP_POS;
  kept.MCAP_NEG = design.MCAP_NEG;
  kept.top = CapFaceBars{design.top.AS, design.top.NBARS, design.top.size};
  kept.bottom = CapFaceBars{design.bottom.AS, design.bottom.NBARS, design.bottom.size};
  const int STRSZ = data.materials.STRSZ;
  kept.left = CapStirrups{design.left.maxSpacing, design.left.avPerInch, design.left.spacing,
                          design.left.mark, STRSZ};
  kept.right = CapStirrups{design.right.maxSpacing, design.right.avPerInch,
                           design.right.spacing, design.right.mark, STRSZ};
  kept.h = design.h;
  kept.deepened = design.deepened;
  kept.IFC = design.IFC;
  kept.PS = design.PS;
  kept.FS_FF = design.FS_FF;
  kept.FS_FZ = design.FS_FZ;
  kept.depth_increments = kMaxDepthIncrements;
  kept.DEPINC = data.DEPINC;
  return kept;
}

void printCapDesignLine(Report& report, char METHOD, const CapPointResult& design) {
  Line line(kSkipLine);
  line.text(design.label).f(design.MBPOS, 10, 3).f(design.MBNEG, 10, 3);
  if (isService(METHOD)) {
    faceSteel(line, design.top, 7);
    faceSteel(line, design.bottom, 8).blanks(1);
  } else {
    faceSteel(line, design.top, 7).blanks(1);
    faceSteel(line, design.bottom, 7).blanks(1);
  }
  stirrups(line, design.left);
  stirrups(line, design.right);
  line.f(design.h, 7, 2);
  if (isService(METHOD)) {
    line.i(design.IFC, 6);
  } else {
    line.blanks(6).f(design.PS, 6, 2).f(design.FS_FF, 7, 3).f(design.FS_FZ, 7, 3);
  }
  report << line;
}

void printCapCannotDesign(Report& report, const std::string& label) {
  report << Line(kSkipLine)
                .text(label)
                .text(" *** SECTION AT THIS POINT CANNOT BE DESIGNED")
                .text(" ***");
}

void printCapDepthLimit(Report& report, const std::string& label,
                        float DEPINC) {
  report << Line(kSkipLine)
                .text(label)
                .text(" *** SECTION AT THIS POINT NOT DESIGNED WITHIN")
                .i(kMaxDepthIncrements, 4)
                .text(" DEPTH INCREMENTS OF")
                .f(DEPINC, 6, 2)
                .text(" IN. ***");
}

void printCapDesignNotes(Report& report, char METHOD,
                         const CapDesignNotes& notes) {
  if (!isService(METHOD)) {
    if (notes.crackControl)
      report << Line(kNextLine).text("NOTE: *** FS/FZ RATIO EXCEEDS 1.0! ***");
    if (notes.fatigue)
      report << Line(kNextLine).text("NOTE: *** FS/FF RATIO EXCEEDS 1.0! ***");
  }
  if (notes.deepened)
    report << Line(kNextLine).text("NOTE: *** CAP DEPTH HAS BEEN INCREMENTED! ***");
}

}  // namespace bentpier
