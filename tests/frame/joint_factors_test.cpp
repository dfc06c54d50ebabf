// Joint factors: modified stiffnesses and carry-overs against a small
// direct solution of the joint rotations, distribution factors summing to
// one, mirror symmetry of a symmetric bent, PDF and XC by hand.
#include <gtest/gtest.h>

#include <vector>

#include "frame/member_properties.h"
#include "frame/properties_fixture.h"

namespace bentpier {
namespace {

using testing::propertiesProblem;
using testing::rectangularColumn;
using testing::setBearings;

// Solves A x = b by Gaussian elimination with partial pivoting.
std::vector<double> solve(std::vector<std::vector<double>> A, std::vector<double> b) {
  const size_t n = b.size();
  for (size_t i = 0; i < n; ++i) {
    size_t piv = i;
    for (size_t r = i + 1; r < n; ++r)
      if (std::fabs(A[r][i]) > std::fabs(A[piv][i])) piv = r;
    std::swap(A[i], A[piv]);
    std::swap(b[i], b[piv]);
    for (size_t r = i + 1; r < n; ++r) {
      const double f = A[r][i] / A[i][i];
      for (size_t c = i; c < n; ++c) A[r][c] -= f * A[i][c];
      b[r] -= f * b[i];
    }
  }
  std::vector<double> x(n);
  for (size_t i = n; i-- > 0;) {
    double s = b[i];
    for (size_t c = i + 1; c < n; ++c) s -= A[i][c] * x[c];
    x[i] = s / A[i][i];
  }
  return x;
}

// A four-column bent with unequal spans, columns and base releases.
Problem unevenBent() {
  Problem p = propertiesProblem(4, 0, 3600);
  const float L[] = {0, 0, 22, 30, 18};
  const float DE[] = {0, 0, 4, 4.5f, 3.5f};
  for (int k = 2; k <= 4; ++k) {
    p.cap[k].C = 'C';
    p.cap[k].L = L[k];
    p.cap[k].DE = DE[k];
    p.cap[k].BC = 3.5f;
    setBearings(p.cap[k], {L[k] / 2});
  }
  p.cap[3].C = 'L';
  p.cap[3].A = 1;
  p.cap[3].DH = 1.5f;
  p.cap[3].LH = 5;
  const float HT[] = {0, 25, 32, 28, 20};
  const float FLEX[] = {0, 0, 0.4f, 1, 0};
  for (int c = 1; c <= 4; ++c) {
    p.col[c] = rectangularColumn(HT[c], 3.5f, 3);
    p.col[c].FLEX = FLEX[c];
  }
  p.col[4].T = 'R';
  p.col[4].DT = p.col[4].DB = 4;
  p.col[4].BT = p.col[4].BB = 0;
  return p;
}

void computeAll(Problem& p) {
  for (int k = 2; k <= p.dd.NCOL; ++k) capSpanProperties(p, k);
  for (int c = 1; c <= p.dd.NCOL; ++c) columnStiffness(p, c);
  jointFactors(p);
}

// A column whose base gives up the fraction FLEX of its fixed-base moment,
// from the member's stiffness matrix [[KT, KT COTB], [KB COBT, KB]]: turn
// the top by one, let the base turn until its moment is (1 - FLEX) of the
// fixed-base value, and read the top moment and the base moment.
struct Released {
  double top, base;
};
Released releasedColumn(const ColumnProperties& cp, double flex) {
  const double fixedBase = cp.KB * cp.COBT;
  const double thBase = (-flex * fixedBase) / cp.KB;
  return {cp.KT + cp.KT * cp.COTB * thBase, fixedBase + cp.KB * thBase};
}

TEST(PropsJoint, ModifiedSpanStiffnessesMatchAJointRotationSolution) {
  Problem p = unevenBent();
  computeAll(p);
  const int n = 4;
  // For span k, rotate its right end (joint k) by one with the joints to
  // its left free, each held by its column (KTM) and the spans between.
  for (int k = 2; k <= n; ++k) {
    SCOPED_TRACE(k);
    const int free = k - 1;  // joints 1..k-1
    std::vector<std::vector<double>> A(free, std::vector<double>(free, 0));
    std::vector<double> b(free, 0);
    for (int j = 1; j <= free; ++j) A[j - 1][j - 1] += p.colp[j].KTM;
    for (int s = 2; s <= k; ++s) {
      const double K = p.capp[s].K, CK = K * p.capp[s].CO;
      const int l = s - 1, r = s;  // joints at the span's ends
      A[l - 1][l - 1] += K;
      if (r <= free) {
        A[r - 1][r - 1] += K;
        A[l - 1][r - 1] += CK;
        A[r - 1][l - 1] += CK;
      } else {
        b[l - 1] -= CK;  // joint k turned by one
      }
    }
    const std::vector<double> th = solve(A, b);
    const double K = p.capp[k].K, CO = p.capp[k].CO;
    const double right = K + K * CO * th[free - 1];
    const double left = K * CO + K * th[free - 1];
    EXPECT_NEAR(p.capp[k].KMR, right, 1e-5 * right);
    EXPECT_NEAR(p.capp[k].COMRL, left / right, 1e-5);
  }
  // And from the right: rotate the left end of span k (joint k-1).
  for (int k = 2; k <= n; ++k) {
    SCOPED_TRACE(k);
    const int first = k;  // free joints k..n
    const int m = n - first + 1;
    std::vector<std::vector<double>> A(m, std::vector<double>(m, 0));
    std::vector<double> b(m, 0);
    for (int j = first; j <= n; ++j) A[j - first][j - first] += p.colp[j].KTM;
    for (int s = k; s <= n; ++s) {
      const double K = p.capp[s].K, CK = K * p.capp[s].CO;
      const int l = s - 1, r = s;
      A[r - first][r - first] += K;
      if (l >= first) {
        A[l - first][l - first] += K;
        A[l - first][r - first] += CK;
        A[r - first][l - first] += CK;
      } else {
        b[r - first] -= CK;
      }
    }
    const std::vector<double> th = solve(A, b);
    const double K = p.capp[k].K, CO = p.capp[k].CO;
    const double leftEnd = K + K * CO * th[0];
    const double rightEnd = K * CO + K * th[0];
    EXPECT_NEAR(p.capp[k].KML, leftEnd, 1e-5 * leftEnd);
    EXPECT_NEAR(p.capp[k].COMLR, rightEnd / leftEnd, 1e-5);
  }
}

TEST(PropsJoint, ColumnCarryOverWithTheTopHeldByTheSpans) {
  Problem p = unevenBent();
  computeAll(p);
  for (int c = 1; c <= 4; ++c) {
    SCOPED_TRACE(c);
    const ColumnProperties& cp = p.colp[c];
    const double hold = (c > 1 ? p.capp[c].KMR : 0) + (c < 4 ? p.capp[c + 1].KML : 0);
    // Turn the base by one; the top turns against the spans' spring.
    const double thTop = -cp.KT * cp.COTB / (cp.KT + hold);
    const double top = cp.KT * cp.COTB + cp.KT * thTop;
    const double base = cp.KB + cp.KB * cp.COBT * thTop;
    EXPECT_NEAR(cp.COBTM, top / base, 1e-5);
    const Released r = releasedColumn(cp, p.col[c].FLEX);
    EXPECT_NEAR(cp.KTM, r.top, 1e-5 * cp.KT);
    EXPECT_NEAR(cp.COTBM, r.base / r.top, 1e-5);
  }
}

TEST(PropsJoint, DistributionAndTransferFactors) {
  Problem p = unevenBent();
  computeAll(p);
  for (int c = 1; c <= 4; ++c) {
    SCOPED_TRACE(c);
    const ColumnProperties& cp = p.colp[c];
    EXPECT_NEAR(cp.DFL + cp.DFC + cp.DFR, 1, 1e-6);
    EXPECT_GE(cp.DFC, 0);
    const double AL = c > 1 ? p.capp[c].KMR : 0;
    const double AR = c < 4 ? p.capp[c + 1].KML : 0;
    const double S = AL + AR + cp.KTM;
    EXPECT_NEAR(cp.DFL, AL / S, 1e-6);
    EXPECT_NEAR(cp.DFR, AR / S, 1e-6);
    // A moment arriving from the left spreads over the column and the
    // right span only, and so on.
    EXPECT_NEAR(cp.TLR, AR / (AR + cp.KTM), 1e-6);
    EXPECT_NEAR(cp.TLR + cp.TLC, 1, 1e-6);
    EXPECT_NEAR(cp.TRL, AL / (AL + cp.KTM), 1e-6);
    EXPECT_NEAR(cp.TRL + cp.TRC, 1, 1e-6);
    EXPECT_NEAR(cp.TCR, AR / (AL + AR), 1e-6);
    EXPECT_NEAR(cp.TCR + cp.TCL, 1, 1e-6);
  }
  EXPECT_EQ(p.colp[1].DFL, 0);
  EXPECT_EQ(p.colp[4].DFR, 0);
  EXPECT_FLOAT_EQ(p.colp[1].TCL, 0);
  EXPECT_FLOAT_EQ(p.colp[4].TCR, 0);
}

TEST(PropsJoint, SymmetricBentGivesMirrorFactors) {
  Problem p = propertiesProblem(5, 0, 3600);
  const float L[] = {0, 0, 20, 26, 26, 20};
  for (int k = 2; k <= 5; ++k) {
    p.cap[k].C = k == 2 || k == 5 ? 'P' : 'C';
    p.cap[k].L = L[k];
    p.cap[k].A = 1;
    p.cap[k].DE = 4;
    p.cap[k].BC = 3.5f;
    p.cap[k].DH = 1;
    p.cap[k].LH = 4;
    setBearings(p.cap[k], {L[k] / 3});
  }
  const float HT[] = {0, 22, 26, 30, 26, 22};
  for (int c = 1; c <= 5; ++c) {
    p.col[c] = rectangularColumn(HT[c], 3.5f, 3);
    p.col[c].FLEX = (c == 1 || c == 5) ? 0.3f : 0;
  }
  computeAll(p);
  for (int c = 1; c <= 5; ++c) {
    SCOPED_TRACE(c);
    const ColumnProperties& a = p.colp[c];
    const ColumnProperties& m = p.colp[6 - c];
    EXPECT_NEAR(a.DFL, m.DFR, 1e-5);
    EXPECT_NEAR(a.DFC, m.DFC, 1e-5);
    EXPECT_NEAR(a.TLR, m.TRL, 1e-5);
    EXPECT_NEAR(a.TLC, m.TRC, 1e-5);
    EXPECT_NEAR(a.TCR, m.TCL, 1e-5);
    EXPECT_NEAR(a.COBTM, m.COBTM, 1e-5);
    EXPECT_NEAR(a.PDF, m.PDF, 1e-6);
    EXPECT_NEAR(a.XC, -m.XC, 1e-7);
  }
  for (int k = 2; k <= 5; ++k) {
    SCOPED_TRACE(k);
    EXPECT_NEAR(p.capp[k].KML, p.capp[7 - k].KMR, 1e-5 * p.capp[k].KML);
    EXPECT_NEAR(p.capp[k].COMLR, p.capp[7 - k].COMRL, 1e-5);
  }
  EXPECT_NEAR(p.colp[3].XC, 0, 1e-7);
}

TEST(PropsJoint, LongitudinalSharesAndOverturningFactors) {
  Problem p = unevenBent();
  computeAll(p);
  double sumPDF = 0, sumKL = 0;
  for (int c = 1; c <= 4; ++c) sumKL += p.colp[c].KL;
  for (int c = 1; c <= 4; ++c) {
    sumPDF += p.colp[c].PDF;
    EXPECT_NEAR(p.colp[c].PDF, p.colp[c].KL / sumKL, 1e-6);
  }
  EXPECT_NEAR(sumPDF, 1, 1e-6);
  // Columns at 0, 22, 52, 70 ft; centroid 36 ft; squares 1296 + 196 + 256 + 1156.
  const double x[] = {0, -36, -14, 16, 34};
  for (int c = 1; c <= 4; ++c) EXPECT_NEAR(p.colp[c].XC, x[c] / 2904, 1e-7);
}

TEST(PropsJoint, BaseReleaseOfAPrismaticColumn) {
  Problem p = unevenBent();
  computeAll(p);
  const ColumnProperties& pinned = p.colp[3];  // FLEX 1
  EXPECT_NEAR(pinned.KTM, 0.75 * pinned.KT, 1e-5 * pinned.KT);
  EXPECT_EQ(pinned.COTBM, 0);
  const ColumnProperties& fixed = p.colp[1];
  EXPECT_FLOAT_EQ(fixed.KTM, fixed.KT);
  EXPECT_FLOAT_EQ(fixed.COTBM, 0.5f);
  const ColumnProperties& partial = p.colp[2];  // FLEX 0.4
  EXPECT_NEAR(partial.KTM, partial.KT * (1 - 0.4 * 0.25), 1e-5 * partial.KT);
  EXPECT_NEAR(partial.COTBM, 0.6 * 0.5 / (1 - 0.4 * 0.25), 1e-6);
}

TEST(PropsJoint, SingleColumnTakesEverything) {
  Problem p = propertiesProblem(1, 2, 3600);
  p.col[1] = rectangularColumn(20, 4, 3);
  columnStiffness(p, 1);
  jointFactors(p);
  const ColumnProperties& cp = p.colp[1];
  EXPECT_EQ(cp.PDF, 1);
  EXPECT_EQ(cp.DFC, 1);
  EXPECT_EQ(cp.DFL, 0);
  EXPECT_EQ(cp.DFR, 0);
  EXPECT_EQ(cp.XC, 0);
  EXPECT_FLOAT_EQ(cp.KTM, cp.KT);
}

}  // namespace
}  // namespace bentpier
