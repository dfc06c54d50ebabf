// Exact biaxial strength of a column section along the line of a load.
//
// The load-contour method interpolates the biaxial strength between the
// strengths about the two axes and the diagonal. This routine finds it from
// strain compatibility instead: a plane of strain at any angle, the concrete
// integrated in thin strips parallel to the neutral axis and the bars taken
// one by one, with the concrete and steel laws and the reduction PHI of the
// rest of the column design. It searches the angle and depth of the neutral
// axis whose strength lies on the line from the origin through the load.
// It reads only the shape, materials and bars of the section, none of its
// interaction curves.
#pragma once

#include <memory>
#include <optional>

#include "design/column/section_state.h"

namespace bentpier::column {

struct ExactStrength {
  float PU = 0, MXU = 0, MYU = 0;  // design strength: kips, kip-feet
  float RATIO = 0;                 // strength over load along the load line
  // The plane of strain found: the angle of the neutral axis's normal,
  // pointing to the compressed side, from the y axis towards the x axis
  // (radians), and the depth of the neutral axis below the extreme fibre
  // (inches).
  float ANGLE = 0, DEPTH = 0;
};

// The exact strength of one section along the lines of many loads: what
// does not depend on the load is found once for them all.
class ExactBiaxialSection {
 public:
  explicit ExactBiaxialSection(const SectionState& s);
  ~ExactBiaxialSection();
  ExactBiaxialSection(const ExactBiaxialSection&) = delete;
  ExactBiaxialSection& operator=(const ExactBiaxialSection&) = delete;

  // Strength along the line through the load (p kips, mx and my kip-feet,
  // both moments positive); no value when the section has no bars or no
  // plane of strain meets the line.
  std::optional<ExactStrength> along(float p, float mx, float my);
  // The same search on a third of the strips, closed to a looser
  // tolerance: a first estimate, within a few parts in ten thousand.
  std::optional<ExactStrength> estimate(float p, float mx, float my);

  struct Shared;
  struct Cut;

 private:
  std::optional<ExactStrength> search(float p, float mx, float my, double closure, Cut& cut);

  std::unique_ptr<Shared> shared_;
};

// Strength along the line through the load (p kips, mx and my kip-feet, both
// moments positive); no value when the section has no bars or no plane of
// strain meets the line.
std::optional<ExactStrength> exactBiaxialStrength(const SectionState& s, float p, float mx,
                                                  float my);

}  // namespace bentpier::column
