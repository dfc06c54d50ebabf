// Design of one cap point: which faces carry tension, the depth loop, and
// the crack-control and fatigue checks of the load-factor method.
//
// A point whose moments keep one sense is designed for its larger moment on
// the face that moment tensions, against the minimum steel of the other
// face. A point whose moments reverse gets both faces: first the face of the
// smaller moment (against the minimum steel), then the face of the larger
// moment with the bars just found as its compression steel. A section that
// fails in flexure, in concrete stress or in shear is made deeper by the
// depth increment and designed again.
#include <algorithm>
#include <cmath>

#include "base/bar_table.h"
#include "design/cap/cap_design.h"

namespace bentpier {
namespace {

constexpr float kPsiPerKsi = 1000.0f;
constexpr float kInchesPerFoot = 12.0f;
constexpr float kInchPoundsPerKipFoot = 12000.0f;
constexpr float kPoundsPerKip = 1000.0f;
// Capacity-reduction factors of the load-factor method: the design moments
// and shears are divided by them.
constexpr float kFlexurePhi = 0.9f;
constexpr float kShearPhi = 0.85f;
constexpr float kPercent = 100.0f;

enum class Face { kTop, kBottom };

Face opposite(Face f) { return f == Face::kTop ? Face::kBottom : Face::kTop; }

// Which faces are designed and for what moments (in-lb magnitudes). With
// one face, `second` is the tension face and `smaller` is unused.
struct FacePlan {
  bool twoFaces = false;
  Face second = Face::kBottom;  // the face of the larger moment
  float larger = 0, smaller = 0;
};

// A positive moment tensions the bottom face, a negative one the top.
FacePlan planFaces(float positive, float negative, float scale) {
  FacePlan plan;
  const float pos = std::fabs(positive) * scale;
  const float neg = std::fabs(negative) * scale;
  plan.twoFaces = positive > 0.0f && negative < 0.0f;
  if (plan.twoFaces) {
    plan.second = pos >= neg ? Face::kBottom : Face::kTop;
  } else {
    plan.second = positive > 0.0f ? Face::kBottom : Face::kTop;
  }
  plan.larger = std::max(pos, neg);
  plan.smaller = std::min(pos, neg);
  return plan;
}

// Where the bars of a face sit: the clear cover plus the stirrup, and the
// bars that fit in one layer.
struct FaceGeometry {
  float CT = 0;
  int NMAX = 0;
};

FaceGeometry faceGeometry(const CapDesignData& data, Face f) {
  const float stirrup = barOf(data.materials.STRSZ).diameter;
  if (f == Face::kTop) return {data.TOPCL + stirrup, data.MAXTOP};
  return {data.BOTCL + stirrup, data.MAXBOT};
}

// Depth of the minimum steel of a face in compression below that face.
float minimumSteelDepth(const CapDesignState& st, const CapDesignData& data,
                        Face f) {
  return faceGeometry(data, f).CT + st.HDMIN;
}

enum class Trial { kPass, kDeepen, kCannot };

struct Method {
  bool service = true;
  float FC = 0;  // allowable concrete stress (service), psi
};

// Designs the tension steel of face `f` for the moment M against the
// compression steel ASC at DC, from one layer of main bars. The service
// design must also keep the concrete within its allowable stress.
Trial designFace(CapDesignState& st, const Method& method,
                 const FaceGeometry& g, float ASC, float DC, float M) {
  st.NMAX = g.NMAX;
  st.CT = g.CT;
  st.DT = g.CT + st.DMAIN;
  st.DC = DC;
  st.ASC = ASC;
  st.M = M;
  if (method.service) {
    designServiceFlexure(st);
  } else {
    designStrengthFlexure(st);
  }
  if (st.ISTAT == kCapCannotDesign) return Trial::kCannot;
  if (st.ISTAT != kCapDesigned) return Trial::kDeepen;
  if (method.service && !(st.FCC <= method.FC)) return Trial::kDeepen;
  return Trial::kPass;
}

Trial designStirrups(CapDesignState& st, const Method& method, float V,
                     StirrupDesign& out) {
  out = method.service ? designServiceStirrups(st, V)
                       : designStrengthStirrups(st, V);
  if (st.ISTAT == kCapCannotDesign) return Trial::kCannot;
  if (st.ISTAT != kCapDesigned) return Trial::kDeepen;
  return Trial::kPass;
}

// The faces as designed at one depth, each with the distance from its own
// face to the centroid of its bars.
struct Faces {
  CapFaceSteel first;   // two faces: the face of the smaller moment
  CapFaceSteel second;  // the face of the larger moment, or the tension face
  float firstDT = 0, secondDT = 0;
};

// One trial of the whole point at the depth st.h.
Trial trialAtDepth(CapDesignState& st, const CapDesignData& data,
                   const Method& method, const FacePlan& plan, float VL,
                   float VR, Faces& faces, StirrupDesign& left,
                   StirrupDesign& right) {
  const Face second = plan.second;
  const Face first = opposite(second);
  const int MAINSZ = data.materials.MAINSZ;
  Trial t;
  if (!plan.twoFaces) {
    faces.firstDT = minimumSteelDepth(st, data, first);
    t = designFace(st, method, faceGeometry(data, second), st.ASMIN,
                   faces.firstDT, plan.larger);
    if (t != Trial::kPass) return t;
    faces.first = {st.ASMIN, st.MINNO, data.materials.MINSZ};
  } else {
    t = designFace(st, method, faceGeometry(data, first), st.ASMIN,
                   minimumSteelDepth(st, data, second), plan.smaller);
    if (t != Trial::kPass) return t;
    faces.first = {st.AS, st.NBARS, MAINSZ};
    faces.firstDT = st.DT;
    t = designFace(st, method, faceGeometry(data, second),
                   static_cast<float>(faces.first.NBARS) * st.AB,
                   faces.firstDT, plan.larger);
    if (t != Trial::kPass) return t;
  }
  faces.second = {st.AS, st.NBARS, MAINSZ};
  faces.secondDT = st.DT;
  t = designStirrups(st, method, VL, left);
  if (t != Trial::kPass) return t;
  return designStirrups(st, method, VR, right);
}

// The bars of one face as the cracked section sees them.
struct FaceBars {
  float area = 0;
  float DT = 0;  // from that face to the centroid of its bars
  int NBARS = 0;
};

float crackControl(const CapDesignState& st, const CapDesignData& data,
                   const FaceBars& face, float fs) {
  return crackControlRatio(fs, face.DT, st.b, face.NBARS, data.Z,
                           data.materials.FY);
}

// Service moments of one sense, Mmax and Mmin, both tensioning the bars of
// `tension`: crack control under Mmax, fatigue between the two.
void checkOneSense(const CapDesignState& st, const CapDesignData& data,
                   const FaceBars& tension, const FaceBars& compression,
                   float Mmax, float Mmin, CapPointDesign& out) {
  const float t = crackedSectionStress(st, compression.area, compression.DT,
                                       tension.area, tension.DT)
                      .tension;
  const float fs = t * Mmax;
  out.FS_FZ = crackControl(st, data, tension, fs);
  out.FS_FF = fatigueRatio(fs, t * Mmin);
}

// Service moments that reverse: MB (magnitude) tensions the bottom bars, MT
// the top bars. Each face is checked for cracking under the moment that
// tensions it, and for fatigue from that tension to the compression the
// other moment puts in it; the worse face is reported.
void checkReversing(const CapDesignState& st, const CapDesignData& data,
                    const FaceBars& bottom, const FaceBars& top, float MB,
                    float MT, CapPointDesign& out) {
  const CrackedStress bottomInTension =
      crackedSectionStress(st, top.area, top.DT, bottom.area, bottom.DT);
  const CrackedStress topInTension =
      crackedSectionStress(st, bottom.area, bottom.DT, top.area, top.DT);
  out.FS_FF = reversingFatigueRatio(bottomInTension, topInTension, MB, MT);
  out.FS_FZ =
      std::max(crackControl(st, data, bottom, bottomInTension.tension * MB),
               crackControl(st, data, top, topInTension.tension * MT));
}

// Crack control and fatigue of the designed section under the service
// moments (load-factor method). A positive moment tensions the bottom.
void checkServiceStresses(const CapDesignState& st, const CapDesignData& data,
                          const FacePlan& plan, const Faces& faces,
                          const CapPointRecord& point, CapPointDesign& out) {
  const float MBPOS = std::fabs(point.MBPOS) * kInchPoundsPerKipFoot;
  const float MBNEG = std::fabs(point.MBNEG) * kInchPoundsPerKipFoot;
  const float Mmax = std::max(MBPOS, MBNEG);
  const float Mmin = std::min(MBPOS, MBNEG);
  const FaceBars second{static_cast<float>(faces.second.NBARS) * st.AB,
                        faces.secondDT, faces.second.NBARS};

  if (!plan.twoFaces) {
    // The designed face against the minimum steel of the other.
    const FaceBars minimum{st.ASMIN, faces.firstDT, faces.first.NBARS};
    checkOneSense(st, data, second, minimum, Mmax, Mmin, out);
    return;
  }
  const FaceBars first{static_cast<float>(faces.first.NBARS) * st.AB,
                       faces.firstDT, faces.first.NBARS};
  const bool secondIsBottom = plan.second == Face::kBottom;
  const FaceBars& bottom = secondIsBottom ? second : first;
  const FaceBars& top = secondIsBottom ? first : second;
  if (point.MBPOS < 0.0f || point.MBNEG > 0.0f) {
    // One sense: the face the larger service moment tensions, which need
    // not be the face of the larger design moment.
    const bool bottomInTension =
        MBPOS >= MBNEG ? point.MBPOS > 0.0f : point.MBNEG > 0.0f;
    checkOneSense(st, data, bottomInTension ? bottom : top,
                  bottomInTension ? top : bottom, Mmax, Mmin, out);
    return;
  }
  checkReversing(st, data, bottom, top, MBPOS, MBNEG, out);
}

// The moment capacity of the section as designed in each sense, kip-ft:
// positive with the bottom bars in tension, negative with the top bars.
void keepMomentCapacity(const CapDesignState& st, const CapDesignData& data,
                        const Method& method, const FacePlan& plan, const Faces& faces,
                        CapPointDesign& out) {
  const FaceSteel second{static_cast<float>(faces.second.NBARS) * st.AB, faces.secondDT};
  const FaceSteel first{plan.twoFaces ? static_cast<float>(faces.first.NBARS) * st.AB
                                      : st.ASMIN,
                        faces.firstDT};
  const bool secondIsBottom = plan.second == Face::kBottom;
  const FaceSteel& bottom = secondIsBottom ? second : first;
  const FaceSteel& top = secondIsBottom ? first : second;
  auto capacity = [&](const FaceSteel& tension, const FaceSteel& compression) {
    const float m = method.service ? allowableMomentCapacity(st, data.FC, tension, compression)
                                   : strengthMomentCapacity(st, tension, compression);
    return m / kInchPoundsPerKipFoot;
  };
  out.MCAP_POS = capacity(bottom, top);
  out.MCAP_NEG = -capacity(top, bottom);
}

}  // namespace

CapDesignData capDesignData(const CapParameterRecord& r) {
  CapDesignData d;
  CapMaterials& m = d.materials;
  m.FY = r.FY * kPsiPerKsi;
  m.FS = r.FS * kPsiPerKsi;
  m.FPC = r.FPC * kPsiPerKsi;
  m.N = r.N;
  m.ES = r.ES;
  m.MAINSZ = r.MAINSZ;
  m.MINSZ = r.MINSZ;
  m.MINNO = r.MINNO;
  m.STRSZ = r.STRSZ;
  m.MINSSP = r.MINSSP;
  d.FC = r.FC * kPsiPerKsi;
  d.TOPCL = r.TOPCL;
  d.BOTCL = r.BOTCL;
  d.DEPINC = r.DEPINC;
  d.MAXTOP = r.MAXTOP;
  d.MAXBOT = r.MAXBOT;
  d.Z = r.Z * kPsiPerKsi;
  d.LINES = r.LINES;
  return d;
}

CapPointDesign designCapPoint(CapDesignState& st, const CapDesignData& data,
                              const CapPointRecord& point, char METHOD) {
  const Method method{METHOD == 'S', data.FC};
  setCapPoint(st, point.BW * kInchesPerFoot, point.DW * kInchesPerFoot);

  FacePlan plan;
  float VL = point.VLT * kPoundsPerKip;
  float VR = point.VRT * kPoundsPerKip;
  if (method.service) {
    plan = planFaces(point.MBPOS, point.MBNEG, kInchPoundsPerKipFoot);
  } else {
    plan = planFaces(point.MPOS, point.MNEG,
                     kInchPoundsPerKipFoot / kFlexurePhi);
    VL /= kShearPhi;
    VR /= kShearPhi;
  }

  CapPointDesign out;
  Faces faces;
  for (int increments = 0;; ++increments) {
    const Trial t = trialAtDepth(st, data, method, plan, VL, VR, faces,
                                 out.left, out.right);
    if (t == Trial::kPass) {
      out.status = CapPointStatus::kDesigned;
      break;
    }
    if (t == Trial::kCannot) {
      out.status = CapPointStatus::kCannotDesign;
      break;
    }
    if (increments == kMaxDepthIncrements) {
      out.status = CapPointStatus::kDepthLimit;
      break;
    }
    const float before = st.h;
    st.h += data.DEPINC;
    out.deepened = out.deepened || st.h != before;
  }
  out.h = st.h;
  if (out.status != CapPointStatus::kDesigned) return out;

  // The face of the larger moment (or the tension face) and the other one.
  const bool secondIsBottom = plan.second == Face::kBottom;
  out.bottom = secondIsBottom ? faces.second : faces.first;
  out.top = secondIsBottom ? faces.first : faces.second;
  keepMomentCapacity(st, data, method, plan, faces, out);
  if (method.service) {
    out.IFC = st.IFC;
  } else {
    out.PS = st.PS * kPercent;
    checkServiceStresses(st, data, plan, faces, point, out);
  }
  return out;
}

}  // namespace bentpier
