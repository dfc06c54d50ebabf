// The design-load records of the cap, column and footing stores: each
// record's members, its field list (columns, decimals) declared once beside
// it, and a writer and a reader per record kind that both follow the list.
// Values pass through the record fields, so the designs see them rounded to
// the written decimals.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "groups/record_fields.h"
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

inline constexpr RecordField<CapParameterRecord> kCapParameterFields[] = {
    {{1, 2}, &CapParameterRecord::NPT},
    {{3, 8, 3}, &CapParameterRecord::FY},
    {{9, 14, 3}, &CapParameterRecord::FS},
    {{15, 19, 3}, &CapParameterRecord::FPC},
    {{20, 24, 3}, &CapParameterRecord::FC},
    {{25, 28, 1}, &CapParameterRecord::N},
    {{29, 32, 2}, &CapParameterRecord::TOPCL},
    {{33, 36, 2}, &CapParameterRecord::DEPINC},
    {{37, 40, 2}, &CapParameterRecord::MINSSP},
    {{41, 42}, &CapParameterRecord::MINSZ},
    {{43, 44}, &CapParameterRecord::MINNO},
    {{45, 46}, &CapParameterRecord::MAINSZ},
    {{47, 48}, &CapParameterRecord::MAXTOP},
    {{49, 50}, &CapParameterRecord::MAXBOT},
    {{51, 52}, &CapParameterRecord::STRSZ},
    {{53, 56, 2}, &CapParameterRecord::BOTCL},
    {{57, 60, 0}, &CapParameterRecord::Z},
    {{61, 66, 0}, &CapParameterRecord::ES},
    {{67, 68}, &CapParameterRecord::LINES},
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

inline constexpr RecordField<CapPointRecord> kCapPointFields[] = {
    {{1, 3}, &CapPointRecord::LABEL},
    {{4, 13, 3}, &CapPointRecord::MPOS},
    {{14, 23, 3}, &CapPointRecord::MNEG},
    {{24, 33, 3}, &CapPointRecord::MBPOS},
    {{34, 43, 3}, &CapPointRecord::MBNEG},
    {{44, 52, 3}, &CapPointRecord::VLT},
    {{53, 61, 3}, &CapPointRecord::VRT},
    {{62, 68, 3}, &CapPointRecord::BW},
    {{69, 75, 3}, &CapPointRecord::DW},
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

// The count record holds the column count alone, in this field.
inline constexpr Field kColumnCountField{1, 2};

std::string writeColumnCountRecord(int ncol);
int readColumnCountRecord(std::string_view record);

struct ColumnOptionRecord {
  char COLOPT = ' ';  // "D" design, "I" investigate
  char T = ' ';       // "R" circular, "S" spiral, "T" tied
};

inline constexpr RecordField<ColumnOptionRecord> kColumnOptionFields[] = {
    {{1, 1}, &ColumnOptionRecord::COLOPT},
    {{3, 3}, &ColumnOptionRecord::T},
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

inline constexpr RecordField<ColumnSectionRecord> kColumnSectionFields[] = {
    {{1, 6, 2}, &ColumnSectionRecord::B},
    {{7, 12, 2}, &ColumnSectionRecord::D},
    {{13, 18, 3}, &ColumnSectionRecord::FPC},
    {{19, 24, 3}, &ColumnSectionRecord::FY},
    {{25, 28, 2}, &ColumnSectionRecord::PHIC},
    {{29, 32, 2}, &ColumnSectionRecord::PHIB},
    {{33, 37, 4}, &ColumnSectionRecord::MIN_P},
    {{38, 42, 4}, &ColumnSectionRecord::MAX_P},
    {{43, 47, 2}, &ColumnSectionRecord::CLR},
    {{48, 53, 3}, &ColumnSectionRecord::FCC2},
    {{54, 59, 0}, &ColumnSectionRecord::EC},
    {{60, 65, 0}, &ColumnSectionRecord::ES},
    {{66, 70, 4}, &ColumnSectionRecord::EPSCU},
};

// One bar group of the bar record: count, size and face cover (the cover
// is never written, so it reads 0: the column design takes the general
// cover).
struct BarGroup {
  int count = 0;
  int size = 0;
  float cover = 0;
};

// The fields of bar group 1; group g lies (g - 1) kBarGroupColumns further
// right.
inline constexpr RecordField<BarGroup> kBarGroupFields[] = {
    {{12, 14}, &BarGroup::count},
    {{15, 16}, &BarGroup::size},
    {{17, 21, 3}, &BarGroup::cover, RealForm::kBlank},
};
inline constexpr int kBarGroupColumns = 10;

struct ColumnBarRecord {
  int IPAT = 0;  // bar mode: 1 circular pattern, 2 faces
  int TOT = 0;   // total bar count (investigation)
  int TSZ = 0;   // bar size (investigation)
  float CLEAR = 0;
  std::array<BarGroup, kBarGroups + 1> group{};  // 1..4, in kBarGroupFields
};

// The general values of the bar record, before the groups.
inline constexpr RecordField<ColumnBarRecord> kColumnBarFields[] = {
    {{1, 1}, &ColumnBarRecord::IPAT},
    {{2, 4}, &ColumnBarRecord::TOT},
    {{5, 6}, &ColumnBarRecord::TSZ},
    {{7, 11, 3}, &ColumnBarRecord::CLEAR},
};

// Load mode, number of design-load sets and the two bending-direction flags.
struct ColumnLoadCountRecord {
  int LMODE = 3;
  int NLOAD = 0;
  int DIR1 = 1, DIR2 = 1;
};

inline constexpr RecordField<ColumnLoadCountRecord> kColumnLoadCountFields[] = {
    {{1, 1}, &ColumnLoadCountRecord::LMODE},
    {{2, 3}, &ColumnLoadCountRecord::NLOAD},
    {{4, 4}, &ColumnLoadCountRecord::DIR1},
    {{5, 5}, &ColumnLoadCountRecord::DIR2},
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
// Footing store FTGREC. Every record opens with its type digit in column 1.
// The footing design reads these records as they are.

// Type 1: footing design parameters of the problem.
struct FootingParameterRecord {
  char TYPE = '1';
  float N = 0, FPC = 0, FY = 0, FC = 0, FS = 0;  // modular ratio; ksi
  int NCOL = 0;
  float SOILWT = 0;    // soil unit weight, kcf
  float ALLSP = 0;     // allowable soil pressure, ksf
  float EDGEDIST = 0;  // pile centre to footing edge, ft
  float MINPLSP = 0, MAXPLSP = 0;  // pile spacing limits, ft
  float REBARCLR = 0;   // clear cover of the bottom bars, in
  float PILEDEPTH = 0;  // pile embedment into the footing, ft
  float PILECAP = 0;    // allowable pile load, kips
  float PILEUPL = 0;    // lowest pile load allowed (negative: uplift), kips
};

inline constexpr RecordField<FootingParameterRecord> kFootingParameterFields[] = {
    {{1, 1}, &FootingParameterRecord::TYPE},
    {{2, 5, 1}, &FootingParameterRecord::N},
    {{6, 10, 3}, &FootingParameterRecord::FPC},
    {{11, 16, 3}, &FootingParameterRecord::FY},
    {{17, 21, 3}, &FootingParameterRecord::FC},
    {{22, 27, 3}, &FootingParameterRecord::FS},
    {{28, 29}, &FootingParameterRecord::NCOL},
    {{30, 33, 3}, &FootingParameterRecord::SOILWT},
    {{34, 39, 3}, &FootingParameterRecord::ALLSP},
    {{40, 44, 3}, &FootingParameterRecord::EDGEDIST},
    {{45, 48, 2}, &FootingParameterRecord::MINPLSP},
    {{49, 52, 2}, &FootingParameterRecord::MAXPLSP},
    {{53, 57, 3}, &FootingParameterRecord::REBARCLR},
    {{58, 63, 3}, &FootingParameterRecord::PILEDEPTH},
    {{64, 70, 3}, &FootingParameterRecord::PILECAP},
    {{71, 77, 3}, &FootingParameterRecord::PILEUPL},
};

// Type 2: one footing, with the bottom section of its column, the number of
// its design-load sets and the footing it is the same as. Plan sizes,
// thickness and column sizes in feet.
struct FootingRecord {
  char TYPE = '2';
  char SP = ' ';              // 'S' spread, 'P' pile; anything else is not designed
  float B = 0, D = 0, T = 0;  // longitudinal and transverse plan, thickness
  float BB = 0, DB = 0;       // column bottom section; BB = 0 for a round column of diameter DB
  float S_HT = 0;             // height of soil over the footing
  int NP = 0, SYM = 0;        // piles; 1 symmetric pile spacing, 2 rotated footing
  float BP = 0, DP = 0;       // pile spacing parameters
  float DEL_B = 0, DEL_D = 0, DEL_T = 0;  // design increments
  float R_BD = 0, R_DB = 0;               // side-ratio limits
  int NFLS = 0;               // design-load sets that belong to the footing
  int SAME = 0;               // footing whose design this one shares; 0 none
};

inline constexpr RecordField<FootingRecord> kFootingFields[] = {
    {{1, 1}, &FootingRecord::TYPE},
    {{2, 2}, &FootingRecord::SP},
    {{3, 8, 3}, &FootingRecord::B},
    {{9, 14, 3}, &FootingRecord::D},
    {{15, 20, 3}, &FootingRecord::T},
    {{21, 26, 3}, &FootingRecord::BB},
    {{27, 32, 3}, &FootingRecord::DB},
    {{33, 38, 3}, &FootingRecord::S_HT},
    {{39, 40}, &FootingRecord::NP},
    {{41, 41}, &FootingRecord::SYM},
    {{42, 47, 3}, &FootingRecord::BP},
    {{48, 53, 3}, &FootingRecord::DP},
    {{54, 59, 3}, &FootingRecord::DEL_B},
    {{60, 65, 3}, &FootingRecord::DEL_D},
    {{66, 71, 3}, &FootingRecord::DEL_T},
    {{72, 77, 3}, &FootingRecord::R_BD},
    {{78, 83, 3}, &FootingRecord::R_DB},
    {{87, 88}, &FootingRecord::SAME},
    {{89, 94}, &FootingRecord::NFLS},  // every set formed for the footings of the group
};

// Type 3: one footing design-load set: the wind code as case.direction
// (written 31, read 3.1) and the column whose footing produced the set.
struct FootingLoadRecord {
  char TYPE = '3';
  char GR = ' ';
  std::string LLID = "    ";
  float WC = 0;
  char FLAGR = ' ', FLAGE = ' ', FLAGC = ' ', FLAGS = ' ';
  float PS = 0, MTS = 0, VTS = 0, MLS = 0, VLS = 0;  // service loads
  float PF = 0, MTF = 0, VTF = 0, MLF = 0, VLF = 0;  // factored loads
  float FCOL = 0;
};

inline constexpr RecordField<FootingLoadRecord> kFootingLoadFields[] = {
    {{1, 1}, &FootingLoadRecord::TYPE},
    {{2, 2}, &FootingLoadRecord::GR},
    {{3, 6}, &FootingLoadRecord::LLID},
    {{7, 8, 1}, &FootingLoadRecord::WC, RealForm::kImplied},
    {{9, 9}, &FootingLoadRecord::FLAGR},
    {{10, 10}, &FootingLoadRecord::FLAGE},
    {{11, 11}, &FootingLoadRecord::FLAGC},
    {{12, 12}, &FootingLoadRecord::FLAGS},
    {{13, 21, 3}, &FootingLoadRecord::PS},
    {{22, 31, 3}, &FootingLoadRecord::MTS},
    {{32, 39, 3}, &FootingLoadRecord::VTS},
    {{40, 49, 3}, &FootingLoadRecord::MLS},
    {{50, 57, 3}, &FootingLoadRecord::VLS},
    {{58, 66, 3}, &FootingLoadRecord::PF},
    {{67, 76, 3}, &FootingLoadRecord::MTF},
    {{77, 84, 3}, &FootingLoadRecord::VTF},
    {{85, 94, 3}, &FootingLoadRecord::MLF},
    {{95, 102, 3}, &FootingLoadRecord::VLF},
    {{103, 104, 0}, &FootingLoadRecord::FCOL, RealForm::kImplied},
};

std::string writeFootingParameterRecord(const FootingParameterRecord& r);
FootingParameterRecord readFootingParameterRecord(std::string_view record);
std::string writeFootingRecord(const FootingRecord& r);
FootingRecord readFootingRecord(std::string_view record);
std::string writeFootingLoadRecord(const FootingLoadRecord& r);
FootingLoadRecord readFootingLoadRecord(std::string_view record);

// The record of a kept set of the footing list of `column`.
FootingLoadRecord footingLoadRecord(const FootingLoadSet& set, int column);
std::string writeFootingLoadRecord(const FootingLoadSet& set, int column);

}  // namespace bentpier
