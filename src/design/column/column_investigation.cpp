// Investigation of a given column section: the bar arrangement of the bar
// record, and the strength of every load along its load line.
#include <algorithm>
#include <cmath>

#include "base/bar_table.h"
#include "design/column/column_design.h"
#include "design/column/section_strength.h"

namespace bentpier::column {
namespace {

constexpr int kLeastBarSize = 2;
constexpr int kLeastCircleBars = 4;
constexpr int kMostBars = 200;

// Face counts of a tied section from its total bar count: faces 1 and 2
// take a quarter plus one (plus two when the count is not a multiple of
// four), faces 3 and 4 a quarter less one.
bool uniformFaces(int n, std::array<int, kMaxFaces + 1>& count) {
  if (n % 2 != 0 || n < 4 || n > kMostBars) return false;
  const int q = n / 4;
  count[1] = count[2] = n % 4 == 0 ? q + 1 : q + 2;
  count[3] = count[4] = q - 1;
  return true;
}

int circleBars(const ColumnEndData& in, ColumnEndSetup& setup, int size,
               std::array<FaceBars, kMaxFaces + 1>& faces) {
  SectionState& s = setup.section;
  const int n = in.N;
  if (size < kLeastBarSize || n < kLeastCircleBars || n > kMostBars)
    return kColumnInputError;
  const int code = barCode(size);
  const Bar bar = barOf(code);
  const float r = std::min(s.B, s.D) / 2.0f - setup.FACECOVER[1] - bar.diameter / 2.0f;
  if (!(r > 0.0f)) return kColumnInputError;  // the cover leaves no circle
  if (!fitsInWall(s, setup.FACECOVER[1], bar.diameter)) return kColumnInputError;
  const float theta = kTwoPi / static_cast<float>(n);
  for (int i = 1; i <= n; ++i) {
    const float phi = static_cast<float>(i - 1) * theta;
    s.bars.push_back({bar.area, r * std::sin(phi), r * std::cos(phi), 0.0f});
  }
  faces[1] = {n, code};
  return kColumnDone;
}

int tiedBars(const ColumnEndData& in, ColumnEndSetup& setup,
             const std::array<int, kMaxFaces + 1>& size,
             std::array<FaceBars, kMaxFaces + 1>& faces) {
  SectionState& s = setup.section;
  std::array<int, kMaxFaces + 1> count{};
  if (in.IPAT == 2) {
    int total = 0;
    for (int f = 1; f <= kMaxFaces; ++f) {
      count[f] = in.GROUP[f].N;
      total += count[f];
    }
    if (count[1] < 2 || count[2] < 2 || count[3] < 0 || count[4] < 0 || total > kMostBars)
      return kColumnInputError;
  } else if (!uniformFaces(in.N, count)) {
    return kColumnInputError;
  }
  std::array<Bar, kMaxFaces + 1> bar{};
  for (int f = 1; f <= kMaxFaces; ++f) {
    if (count[f] == 0) continue;
    if (size[f] < kLeastBarSize) return kColumnInputError;
    faces[f] = {count[f], barCode(size[f])};
    bar[f] = barOf(faces[f].SZ);
  }
  const auto& cover = setup.FACECOVER;
  const float hb = s.B / 2.0f, hd = s.D / 2.0f;
  // Bar lines of faces 1 and 2 (along B); faces 3 and 4 fill between them.
  const float y1 = hd - cover[1] - bar[1].diameter / 2.0f;
  const float y2 = -(hd - cover[2] - bar[2].diameter / 2.0f);
  // Every bar line must lie on its own side of the centroid.
  if (!(y1 > 0.0f && y2 < 0.0f)) return kColumnInputError;
  for (int f = 1; f <= 2; ++f) {
    const float y = f == 1 ? y1 : y2;
    const float right = hb - cover[3] - bar[f].diameter / 2.0f;
    const float left = -(hb - cover[4] - bar[f].diameter / 2.0f);
    if (!(right > 0.0f && left < 0.0f)) return kColumnInputError;
    const float step = (right - left) / static_cast<float>(count[f] - 1);
    for (int i = 0; i < count[f]; ++i)
      s.bars.push_back({bar[f].area, right - static_cast<float>(i) * step, y, 0.0f});
  }
  for (int f = 3; f <= 4; ++f) {
    if (count[f] == 0) continue;
    const float x = f == 3 ? hb - cover[3] - bar[f].diameter / 2.0f
                           : -(hb - cover[4] - bar[f].diameter / 2.0f);
    if (!(f == 3 ? x > 0.0f : x < 0.0f)) return kColumnInputError;
    const float step = (y1 - y2) / static_cast<float>(count[f] + 1);
    for (int j = 1; j <= count[f]; ++j)
      s.bars.push_back({bar[f].area, x, y1 - static_cast<float>(j) * step, 0.0f});
  }
  return kColumnDone;
}

}  // namespace

int REINF(const ColumnEndData& in, ColumnEndSetup& setup,
          std::array<FaceBars, kMaxFaces + 1>& faces) {
  SectionState& s = setup.section;
  s.bars.clear();
  faces = {};
  const int general = in.SZ > 0 ? in.SZ : in.GROUP[1].SZ;
  int status = kColumnDone;
  if (s.SECT == kTiedRectangle) {
    std::array<int, kMaxFaces + 1> size{};
    for (int f = 1; f <= kMaxFaces; ++f)
      size[f] = in.GROUP[f].SZ > 0 ? in.GROUP[f].SZ : general;
    status = tiedBars(in, setup, size, faces);
  } else {
    status = circleBars(in, setup, general, faces);
  }
  if (status != kColumnDone) return status;
  COMPZ(s);
  if (!(s.AS > 0.0f)) return kColumnInputError;  // no steel
  return kColumnDone;
}

bool INVST(SectionState& s, LoadTable& loads) { return SUMRY(s, loads); }

}  // namespace bentpier::column
