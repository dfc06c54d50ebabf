// The design-load records of the cap, column and footing stores: their
// fields, and a writer and a reader per record kind built on one field
// layout each. Values pass through the record fields, so the designs see
// them rounded to the written decimals.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "input/problem.h"

namespace bentpier {

// ---------------------------------------------------------------------------
// Cap store CAPREC.

// Record 1: how many point records follow, the materials (strengths in ksi)
// and the cap bar limits, and the report lines already used on the page.
struct CapParameterRecord {
  int NPT = 0;
  float FY = 0, FS = 0, FPC = 0, FC = 0, N = 0;
  float TOPCL = 0, DEPINC = 0, MINSSP = 0;
  int MINSZ = 0, MINNO = 0, MAINSZ = 0, MAXTOP = 0, MAXBOT = 0, STRSZ = 0;
  float BOTCL = 0, Z = 0, ES = 0;
  int LINES = 0;
};

// A bearing point ("P" and its point number) or a column line ("C" and its
// column number): design moments, service moments and shears in kips and
// kip-feet, cap width and total depth in feet.
struct CapPointRecord {
  std::string LABEL = "   ";  // letter and number right-justified in two columns
  float MPOS = 0, MNEG = 0, MBPOS = 0, MBNEG = 0;
  float VLT = 0, VRT = 0;
  float BW = 0, DW = 0;
};

// The three-character label of a point or column line: "P 7", "C12".
std::string capLabel(char letter, int number);

std::string writeCapParameterRecord(const CapParameterRecord& r);
CapParameterRecord readCapParameterRecord(std::string_view record);
std::string writeCapPointRecord(const CapPointRecord& r);
CapPointRecord readCapPointRecord(std::string_view record);

// ---------------------------------------------------------------------------
// Column store COLREC: the column count, then per column and end the
// option, section, bar and load-count records.

std::string writeColumnCountRecord(int ncol);
int readColumnCountRecord(std::string_view record);

struct ColumnOptionRecord {
  char COLOPT = ' ';  // "D" design, "I" investigate
  char T = ' ';       // "R" circular, "S" spiral, "T" tied
};

// Section and materials: dimensions in inches, strengths and moduli in ksi,
// steel ratios as fractions.
struct ColumnSectionRecord {
  float B = 0, D = 0;
  float FPC = 0, FY = 0;
  float PHIC = 0, PHIB = 0;
  float MIN_P = 0, MAX_P = 0;
  float CLR = 0;  // clear bar spacing
  float FCC2 = 0, EC = 0, ES = 0, EPSCU = 0;
};

// One bar group of the bar record: count, size and face cover (the cover
// is never written, so it reads 0).
struct BarGroup {
  int count = 0;
  int size = 0;
  float cover = 0;
};

struct ColumnBarRecord {
  int IPAT = 0;  // bar mode: 1 circular pattern, 2 faces
  int TOT = 0;   // total bar count (investigation)
  int TSZ = 0;   // bar size (investigation)
  float CLEAR = 0;
  std::array<BarGroup, kBarGroups + 1> group{};  // 1..4
};

// Load mode, number of design-load sets and the two bending-direction flags.
struct ColumnLoadCountRecord {
  int LMODE = 3;
  int NLOAD = 0;
  int DIR1 = 1, DIR2 = 1;
};

std::string writeColumnOptionRecord(const ColumnOptionRecord& r);
ColumnOptionRecord readColumnOptionRecord(std::string_view record);
std::string writeColumnSectionRecord(const ColumnSectionRecord& r);
ColumnSectionRecord readColumnSectionRecord(std::string_view record);
std::string writeColumnBarRecord(const ColumnBarRecord& r);
ColumnBarRecord readColumnBarRecord(std::string_view record);
std::string writeColumnLoadCountRecord(const ColumnLoadCountRecord& r);
ColumnLoadCountRecord readColumnLoadCountRecord(std::string_view record);

// ---------------------------------------------------------------------------
// Footing store FTGREC. Every record opens with its type digit.

// Type 1: footing design parameters (strengths in ksi).
struct FootingParameterRecord {
  char TYPE = '1';
  float N = 0, FPC = 0, FY = 0, FC = 0, FS = 0;
  int NCOL = 0;
  float SOILWT = 0, ALLSP = 0, EDGEDIST = 0, MINPLSP = 0, MAXPLSP = 0;
  float REBARCLR = 0, PILEDEPTH = 0, PILECAP = 0, PILEUPL = 0;
};

// Type 2: one footing, with the bottom dimensions of its column (BB 0 for a
// round column), the number of load sets and the footing it is the same as.
struct FootingRecord {
  char TYPE = '2';
  char SP = ' ';
  float B = 0, D = 0, T = 0, BB = 0, DB = 0, S_HT = 0;
  int NP = 0, SYM = 0;
  float BP = 0, DP = 0, DEL_B = 0, DEL_D = 0, DEL_T = 0, R_BD = 0, R_DB = 0;
  int NFLS = 0, SAME = 0;
};

// Type 3: one footing design-load set as the footing design reads it: the
// wind code as case.direction (31 reads 3.1) and the originating column as
// a real.
struct FootingLoadRecord {
  char TYPE = '3';
  char GR = ' ';
  std::string LLID = "    ";
  float WC = 0;
  char FLAGR = ' ', FLAGE = ' ', FLAGC = ' ', FLAGS = ' ';
  float PS = 0, MTS = 0, VTS = 0, MLS = 0, VLS = 0;
  float PF = 0, MTF = 0, VTF = 0, MLF = 0, VLF = 0;
  float FCOL = 0;
};

std::string writeFootingParameterRecord(const FootingParameterRecord& r);
FootingParameterRecord readFootingParameterRecord(std::string_view record);
std::string writeFootingRecord(const FootingRecord& r);
FootingRecord readFootingRecord(std::string_view record);
// A kept set of the footing list of `column`.
std::string writeFootingLoadRecord(const FootingLoadSet& set, int column);
FootingLoadRecord readFootingLoadRecord(std::string_view record);

}  // namespace bentpier
