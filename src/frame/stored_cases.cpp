// Row arithmetic on the column force set and the stored cases.
#include "frame/stored_cases.h"

#include <algorithm>

namespace bentpier {
namespace {

// Applies op(dst value, src value) over the run, within the store's bounds.
template <typename Op>
void eachValue(ForceRows& dst, const ForceRows& src, RowRun rows, int ncol, Op op) {
  const int first = std::max(rows.first, 1);
  const int last = std::min(rows.first + rows.count - 1, kForceRows);
  const int columns = std::clamp(ncol, 0, kMaxColumns);
  for (int r = first; r <= last; ++r)
    for (int c = 1; c <= columns; ++c)
      op(dst[r][c],
         src[r][c]);
}

}  // namespace

void storeRows(ForceRows& dst, const ForceRows& src, RowRun rows, int ncol) {
  eachValue(dst, src, rows, ncol, [](float& d, float s) { d = s; });
}

void addRows(ForceRows& dst, const ForceRows& src, RowRun rows, int ncol, float factor) {
  eachValue(dst, src, rows, ncol, [factor](float& d, float s) { d += s * factor; });
}

void subtractRows(ForceRows& dst, const ForceRows& src, RowRun rows, int ncol) {
  eachValue(dst, src, rows, ncol, [](float& d, float s) { d -= s; });
}

void scaleRows(ForceRows& dst, const ForceRows& src, RowRun rows, int ncol, float factor) {
  eachValue(dst, src, rows, ncol, [factor](float& d, float s) { d = s * factor; });
}

void signAddRows(ForceRows& dst, const ForceRows& src, RowRun rows, int ncol) {
  eachValue(dst, src, rows, ncol, [](float& d, float s) { d = s + (s < 0.0f ? -d : d); });
}

}  // namespace bentpier
