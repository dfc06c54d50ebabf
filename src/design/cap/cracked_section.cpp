// Steel stresses of the cracked cap section per unit moment.
//
// Transformed section: the concrete above the neutral axis, the compression
// steel (N - 1) times its area, the tension steel N times. The neutral-axis
// depth k balances the first moments,
//   (b/2) k^2 + h1 (k - d') = l1 (d - k),
// and each steel stress is N M y / Icr, y its distance from the axis.
#include <cmath>

#include "design/cap/cap_section.h"

namespace bentpier {

CrackedStress crackedSectionStress(const CapDesignState& st, float ASC,
                                   float DC, float AT, float DT) {
  const float b = st.b;
  if (!(b > 0.0f)) return {};
  const float h1 = ASC * st.NM1;
  const float l1 = AT * st.N;
  const float m = h1 + l1;
  const float d = st.h - DT;
  const float k =
      (std::sqrt(m * m + 4.0f * (0.5f * b) * (h1 * DC + l1 * d)) - m) / b;
  const float Icr = b * k * k * k / 3.0f + h1 * (k - DC) * (k - DC) +
                    l1 * (d - k) * (d - k);
  if (!(Icr > 0.0f) || !std::isfinite(k)) return {};
  return {(d - k) * st.N / Icr, (k - DC) * st.N / Icr};
}

}  // namespace bentpier
