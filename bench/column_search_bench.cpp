// Bench only, never installed: the lightest-first design search of a column
// end against the nested loop over every arrangement, on the same ends. Both
// must find the same arrangement; the times of each are printed.
//
//   column_search_bench [REPEATS]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "design/column/column_design.h"

using namespace bentpier::column;

namespace {

// The nested loop in the order of the design: an arrangement is kept when it
// is strictly lighter than the best so far and carries every load.
std::optional<Arrangement> nestedLoopSearch(SectionState s, const DesignLimits& lim,
                                            const LoadTable& loads, bool& unstable) {
  float bound = lim.ASMAX + 0.01f;
  std::optional<Arrangement> best;
  auto consider = [&](int nb, int nd, int sz) {
    if (unstable) return;
    const float as = s.SECT == kTiedRectangle ? REINT(s, lim, nb, nd, sz, bound)
                                              : REINS(s, lim, nb, sz, bound);
    if (!(as > 0.0f)) return;
    const Check c = CHECK(s, loads);
    if (c == Check::Unstable) unstable = true;
    if (c == Check::Carries) {
      best = Arrangement{nb, nd, sz, as};
      bound = as;
    }
  };
  if (s.SECT != kTiedRectangle) {
    for (int n = lim.NMIN; n <= lim.NMAX; ++n)
      for (int sz = lim.SZMIN; sz <= lim.SZMAX; ++sz) consider(n, 0, sz);
  } else if (lim.IPAT == 2) {
    for (int nd = lim.NDMIN; nd <= lim.NDMAX; ++nd)
      for (int nb = lim.NMIN; nb <= lim.NMAX; ++nb)
        for (int sz = lim.SZMIN; sz <= lim.SZMAX; ++sz) consider(nb, nd, sz);
  } else {
    for (int nb = lim.NMIN; nb <= lim.NMAX; ++nb)
      for (int sz = lim.SZMIN; sz <= lim.SZMAX; ++sz) consider(nb, nb - 2, sz);
  }
  return best;
}

// Heavy ends of each section type: 25 load sets whose axial loads and
// moments spread over the range a bent's ranking keeps, sized so that the
// design lands in the middle of the steel range.
std::vector<ColumnEndData> benchEnds() {
  std::vector<ColumnEndData> ends;
  struct Shape {
    char type;
    float b, d;
    int ipat;
    float scale;
  };
  const Shape shapes[] = {{'R', 0, 42, 1, 1.0f}, {'R', 0, 36, 1, 0.8f}, {'S', 36, 36, 1, 1.0f},
                          {'T', 30, 42, 1, 1.0f}, {'T', 30, 42, 2, 1.0f}, {'R', 18, 48, 1, 1.0f}};
  for (const Shape& sh : shapes) {
    for (int level = 0; level < 3; ++level) {
      ColumnEndData in;
      in.OPTION = 'D';
      in.TYPE = sh.type;
      in.B = sh.b;
      in.D = sh.d;
      in.FPC = 4.0f;
      in.FY = 60.0f;
      in.COVER = 2.0f;
      in.IPAT = sh.ipat;
      in.METHOD = 'L';
      in.GROUP[1] = {sh.type == 'T' ? 2 : 6, 6, 2.0f};
      in.GROUP[2] = {sh.type == 'T' ? 12 : 30, 11, 2.0f};
      in.GROUP[3] = {0, 0, 2.0f};
      in.GROUP[4] = {10, 0, 2.0f};
      in.NLOAD = kMaxColumnLoads;
      const float k = sh.scale * (1.6f + 0.4f * static_cast<float>(level));
      for (int i = 1; i <= kMaxColumnLoads; ++i) {
        const float t = static_cast<float>(i) / kMaxColumnLoads;
        in.LOAD[i] = {k * (300.0f + 900.0f * t), k * (250.0f + 500.0f * (1.0f - t)),
                      k * (60.0f + 300.0f * t * t), '1'};
      }
      ends.push_back(in);
    }
  }
  return ends;
}

double seconds(std::chrono::steady_clock::time_point a, std::chrono::steady_clock::time_point b) {
  return std::chrono::duration<double>(b - a).count();
}

}  // namespace

int main(int argc, char** argv) {
  const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
  double lightest = 0, nested = 0;
  int same = 0, designed = 0, total = 0;
  for (const ColumnEndData& in : benchEnds()) {
    ColumnEndSetup setup;
    if (setUpSection(in, setup) != kColumnDone || setUpLoads(in, setup) != kColumnDone) continue;
    ++total;
    DesignOutcome fast;
    auto t0 = std::chrono::steady_clock::now();
    for (int r = 0; r < repeats; ++r) {
      SectionState s = setup.section;
      fast = s.SECT == kTiedRectangle ? DESTT(s, setup.limits, setup.loads)
                                      : DESRS(s, setup.limits, setup.loads);
    }
    auto t1 = std::chrono::steady_clock::now();
    std::optional<Arrangement> slow;
    bool unstable = false;
    for (int r = 0; r < repeats; ++r) {
      unstable = false;
      slow = nestedLoopSearch(setup.section, setup.limits, setup.loads, unstable);
    }
    auto t2 = std::chrono::steady_clock::now();
    lightest += seconds(t0, t1);
    nested += seconds(t1, t2);
    std::optional<Arrangement> found = fast.best;
    if (fast.unstable) found.reset();
    if (unstable) slow.reset();
    const bool agree = found.has_value() == slow.has_value() &&
                       (!found || (found->NB == slow->NB && found->ND == slow->ND &&
                                   found->SZ == slow->SZ && found->AS == slow->AS));
    same += agree ? 1 : 0;
    designed += found ? 1 : 0;
    std::printf("end %2d %c: As %6.2f  %s  lightest-first %.4f s  nested loop %.4f s\n", total, in.TYPE, found ? found->AS : 0.0f,
                agree ? "same arrangement" : "DIFFERENT ARRANGEMENT", seconds(t0, t1) / repeats,
                seconds(t1, t2) / repeats);
  }
  std::printf("column ends %d, designed %d, same arrangement %d\n", total, designed, same);
  std::printf("column search: nested loop / lightest-first = %.2f\n",
              lightest > 0 ? nested / lightest : 0.0);
  return same == total ? 0 : 1;
}
