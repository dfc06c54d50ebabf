// Design of one rectangular cap section at one design point: the flexural
// steel of one face (tension steel for a moment, with the opposite face's
// steel acting as compression steel) by working stress or by strength, the
// stirrups for one shear, and the cracked-section steel stresses behind the
// crack-control and fatigue checks.
//
// Units are inches, pounds and psi throughout: widths, depths and covers in
// inches, moments in inch-pounds, shears in pounds, stresses in psi, areas
// in square inches. Only `ES` is in ksi.
//
// The cap design driver owns one CapDesignState per problem: it sets the
// constants once (setCapConstants), the width and depth of each point
// (setCapPoint), the face data before each call, and reads the results back.
#pragma once

namespace bentpier {

// Status of a cap section routine (ISTAT).
inline constexpr int kCapDeepen = -1;       // inadequate at this depth
inline constexpr int kCapDesigned = 0;
inline constexpr int kCapCannotDesign = 1;  // no depth helps

// Safety limits on the design iterations. None of them is reached by a
// sound section. Reaching one says only that this depth gave no answer, not
// that no depth will: it returns kCapDeepen, and the point goes on deeper.
//  - Newton steps for the neutral-axis depth of the working-stress cubic
//    (it converges in a handful of steps from 0.375 d).
inline constexpr int kMaxNeutralAxisSteps = 100;
//  - Passes of the bar-count loop (each pass re-places the bar layers and
//    redesigns); a two-digit bars-per-layer count needs at most 199.
inline constexpr int kMaxBarCountPasses = 250;
//  - Passes of the strain-compatibility iteration on a compression steel
//    that does not yield.
inline constexpr int kMaxSteelStressPasses = 100;

// Fatigue: allowable stress range 21 ksi + 8 r/h with r/h = 0.3 (FFK), less
// a third of the magnitude of the minimum stress.
inline constexpr float FFK = 23400.0f;

// Lever-arm factor of the rectangular stress block: the block carries
// w (1 - 0.59 w) F'C b d^2 at the steel index w = AS FY / (F'C b d).
inline constexpr float kBlockLever = 0.59f;

// A crack-control or fatigue ratio that cannot be formed (no allowable
// stress left) reads as this, the largest value its report field holds.
inline constexpr float kRatioCeiling = 999.999f;

// The cap's materials and bar sizes as the cap design reads them.
struct CapMaterials {
  float FY = 0;   // steel yield strength, psi
  float FS = 0;   // allowable steel stress, psi
  float FPC = 0;  // concrete strength, psi
  float N = 0;    // modular ratio
  float ES = 0;   // steel modulus, ksi
  int MAINSZ = 0, MINSZ = 0, MINNO = 0, STRSZ = 0;
  float MINSSP = 0;  // minimum stirrup spacing, in
};

// The cap design state: per-problem constants, the section of the call and
// the results the routines write back.
struct CapDesignState {
  // Materials and rule constants, set once per problem.
  float FY = 0, FS = 0, FPC = 0, N = 0;
  float N2M1 = 0;   // 2N - 1: transformed compression steel, working stress
  float NM1 = 0;    // N - 1: compression steel of the cracked section
  float AB = 0;     // area of one main bar
  float ASMIN = 0;  // minimum steel area of a face
  float AV = 0;     // area of one two-leg stirrup
  float DMAIN = 0;  // diameter of the main bar
  float HDMIN = 0;  // half the diameter of the minimum-steel bar
  int MINNO = 0;    // minimum number of bars in a face
  float MINSSP = 0;
  float VC = 0;     // allowable (service) or nominal (strength) concrete shear
  float VC2 = 0;    // below this shear stress no stirrups are needed
  float V2 = 0, V4 = 0, V8 = 0;  // 2, 4 and 8 times sqrt(F'C)
  float RMIN = 0;   // 1.2 times the cracking moment index (over h^2/d^2)
  float BETA1 = 0, B1K = 0;
  float EPSES = 0;  // ultimate concrete strain times Es, psi
  float WB = 0, WBMAX = 0;  // balanced and largest permitted steel index
  float Q1 = 0, Q2 = 0;     // 0.5 / 0.59 and its square

  // The point: width and total depth, and the minimum stirrup area per inch.
  float b = 0, h = 0;
  float AVMINK = 0;

  // The face being designed.
  float DT = 0;    // tension face to tension-steel centroid; d = h - DT
  float DC = 0;    // compression face to compression-steel centroid (d')
  float CT = 0;    // tension-face clear cover plus the stirrup diameter
  float ASC = 0;   // compression steel area
  float M = 0;     // moment magnitude (strength: already divided by 0.9)
  int NMAX = 0;    // main bars in one layer of the tension face

  // Results.
  float AS = 0;    // required tension steel
  int NBARS = 0;   // main bars in the tension face
  float FCC = 0;   // concrete stress, working stress; IFC rounded
  int IFC = 0;
  float PS = 0;    // steel ratio, strength
  int ISTAT = kCapDesigned;
};

// Stirrups for one shear: maximum spacing, stirrup area per inch of
// spacing, spacing and the double-stirrup mark ('D' when two stirrups are
// set together at twice the spacing).
struct StirrupDesign {
  float maxSpacing = 0;
  float avPerInch = 0;
  float spacing = 0;
  char mark = ' ';
};

// Cracked-section steel stresses per unit moment.
struct CrackedStress {
  float tension = 0;      // tension steel, psi per in-lb
  float compression = 0;  // compression steel, psi per in-lb
};

// Per-problem constants from the materials; METHOD 'S' is the service-load
// method, anything else the load-factor method.
void setCapConstants(CapDesignState& st, const CapMaterials& mat, char METHOD);

// Width and total depth of the point (inches); also its minimum stirrup
// area per inch.
void setCapPoint(CapDesignState& st, float b, float h);

// Working-stress design of the tension face (PIER52): AS, FCC, IFC, NBARS,
// DT, ISTAT. A face whose minimum steel ASMIN needs more main bars than two
// layers of NMAX hold cannot be designed at any depth.
void designServiceFlexure(CapDesignState& st);

// Strength design of the tension face: AS, PS, NBARS, DT, ISTAT. A moment
// beyond what the concrete block can carry at this depth deepens; a face
// whose minimum (MINNO bars, or ASMIN in main bars) does not fit in two
// layers of NMAX cannot be designed at any depth.
void designStrengthFlexure(CapDesignState& st);

// Stirrups for the shear V (pounds; strength: already divided by 0.85).
// Writes ISTAT.
StirrupDesign designServiceStirrups(CapDesignState& st, float V);
StirrupDesign designStrengthStirrups(CapDesignState& st, float V);

// Steel stresses per unit moment of the cracked section with compression
// steel ASC at depth DC from the compression face and tension steel AT
// whose centroid lies DT from the tension face; the compression steel is
// transformed with N - 1, the tension steel with N. Zero when the section
// carries no moment (no steel at all, or no width).
CrackedStress crackedSectionStress(const CapDesignState& st, float ASC,
                                   float DC, float AT, float DT);

// Crack control (FS/FZ): the service steel stress fs over the allowable
// z / (dc A)^(1/3), with dc = DT and A the concrete around each of the
// NBARS bars; 0 when FY is at most 40000 psi, where the check does not
// apply, or when there are no bars. Z in pounds per inch.
float crackControlRatio(float fs, float DT, float b, int NBARS, float Z,
                        float FY);

// Fatigue (FS/FF): the stress range fmax - fmin of a bar over its allowable
// range FFK - |fmin|/3; stresses signed, tension positive.
float fatigueRatio(float fmax, float fmin);

// Fatigue of both faces of a section whose service moment reverses: face 2
// is tensioned by M2, face 1 by M1 (magnitudes, in-lb). inFace2Tension
// comes from crackedSectionStress with face 2 as tension steel, and
// inFace1Tension with the faces exchanged. The larger ratio of the two
// faces.
float reversingFatigueRatio(const CrackedStress& inFace2Tension,
                            const CrackedStress& inFace1Tension, float M2,
                            float M1);

// The bars of one face of a designed section: their area and the distance
// from that face to their centroid.
struct FaceSteel {
  float area = 0;
  float DT = 0;
};

// Design moment strength (in-lb) of the section b by h of st with the
// tension steel of one face and the compression steel of the other:
// 0.9 Mn by strain compatibility with the block 0.85 F'C over BETA1 c at
// the strain 0.003 (EPSES = 0.003 ES) of the compression face, both steels
// within FY. 0 without tension steel or depth.
float strengthMomentCapacity(const CapDesignState& st, const FaceSteel& tension,
                             const FaceSteel& compression);

// Allowable moment (in-lb) of the cracked transformed section: the tension
// steel counted N times, the compression steel 2N - 1 times (left out when
// it lies below the neutral axis), the smaller of the moments that bring
// the tension steel to FS and the compression face to FC (psi).
float allowableMomentCapacity(const CapDesignState& st, float FC, const FaceSteel& tension,
                              const FaceSteel& compression);

}  // namespace bentpier
