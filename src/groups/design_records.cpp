#include "groups/design_records.h"

#include "groups/fixed_record.h"
#include "base/report.h"

namespace bentpier {
namespace {

// Cap parameter record.
namespace cap_parameters {
constexpr Field NPT{1, 2};
constexpr Field FY{3, 8, 3};
constexpr Field FS{9, 14, 3};
constexpr Field FPC{15, 19, 3};
constexpr Field FC{20, 24, 3};
constexpr Field N{25, 28, 1};
constexpr Field TOPCL{29, 32, 2};
constexpr Field DEPINC{33, 36, 2};
constexpr Field MINSSP{37, 40, 2};
constexpr Field MINSZ{41, 42};
constexpr Field MINNO{43, 44};
constexpr Field MAINSZ{45, 46};
constexpr Field MAXTOP{47, 48};
constexpr Field MAXBOT{49, 50};
constexpr Field STRSZ{51, 52};
constexpr Field BOTCL{53, 56, 2};
constexpr Field Z{57, 60, 0};
constexpr Field ES{61, 66, 0};
constexpr Field LINES{67, 68};
}  // namespace cap_parameters

// Cap point and column-line record.
namespace cap_point {
constexpr Field LABEL{1, 3};
constexpr Field MPOS{4, 13, 3};
constexpr Field MNEG{14, 23, 3};
constexpr Field MBPOS{24, 33, 3};
constexpr Field MBNEG{34, 43, 3};
constexpr Field VLT{44, 52, 3};
constexpr Field VRT{53, 61, 3};
constexpr Field BW{62, 68, 3};
constexpr Field DW{69, 75, 3};
}  // namespace cap_point

// Column count record.
constexpr Field kColumnCount{1, 2};

// Column option record.
namespace column_option {
constexpr Field COLOPT{1, 1};
constexpr Field T{3, 3};
}  // namespace column_option

// Column section record.
namespace column_section {
constexpr Field B{1, 6, 2};
constexpr Field D{7, 12, 2};
constexpr Field FPC{13, 18, 3};
constexpr Field FY{19, 24, 3};
constexpr Field PHIC{25, 28, 2};
constexpr Field PHIB{29, 32, 2};
constexpr Field MIN_P{33, 37, 4};
constexpr Field MAX_P{38, 42, 4};
constexpr Field CLR{43, 47, 2};
constexpr Field FCC2{48, 53, 3};
constexpr Field EC{54, 59, 0};
constexpr Field ES{60, 65, 0};
constexpr Field EPSCU{66, 70, 4};
}  // namespace column_section

// Column bar record: the general values, then four groups of ten columns
// from column 12 (count, size, cover).
namespace column_bars {
constexpr Field IPAT{1, 1};
constexpr Field TOT{2, 4};
constexpr Field TSZ{5, 6};
constexpr Field CLEAR{7, 11, 3};
constexpr int kFirstGroupColumn = 12;
constexpr int kGroupColumns = 10;
constexpr Field count(int g) {
  const int at = kFirstGroupColumn + (g - 1) * kGroupColumns;
  return Field{at, at + 2};
}
constexpr Field size(int g) {
  const int at = kFirstGroupColumn + (g - 1) * kGroupColumns + 3;
  return Field{at, at + 1};
}
constexpr Field cover(int g) {
  const int at = kFirstGroupColumn + (g - 1) * kGroupColumns + 5;
  return Field{at, at + 4, 3};
}
}  // namespace column_bars

// Column load-count record.
namespace column_loads {
constexpr Field LMODE{1, 1};
constexpr Field NLOAD{2, 3};
constexpr Field DIR1{4, 4};
constexpr Field DIR2{5, 5};
}  // namespace column_loads

// Footing type-1 record.
constexpr Field kType{1, 1};
namespace footing_parameters {
constexpr Field N{2, 5, 1};
constexpr Field FPC{6, 10, 3};
constexpr Field FY{11, 16, 3};
constexpr Field FC{17, 21, 3};
constexpr Field FS{22, 27, 3};
constexpr Field NCOL{28, 29};
constexpr Field SOILWT{30, 33, 3};
constexpr Field ALLSP{34, 39, 3};
constexpr Field EDGEDIST{40, 44, 3};
constexpr Field MINPLSP{45, 48, 2};
constexpr Field MAXPLSP{49, 52, 2};
constexpr Field REBARCLR{53, 57, 3};
constexpr Field PILEDEPTH{58, 63, 3};
constexpr Field PILECAP{64, 70, 3};
constexpr Field PILEUPL{71, 77, 3};
}  // namespace footing_parameters

// Footing type-2 record.
namespace footing {
constexpr Field SP{2, 2};
constexpr Field B{3, 8, 3};
constexpr Field D{9, 14, 3};
constexpr Field T{15, 20, 3};
constexpr Field BB{21, 26, 3};
constexpr Field DB{27, 32, 3};
constexpr Field S_HT{33, 38, 3};
constexpr Field NP{39, 40};
constexpr Field SYM{41, 41};
constexpr Field BP{42, 47, 3};
constexpr Field DP{48, 53, 3};
constexpr Field DEL_B{54, 59, 3};
constexpr Field DEL_D{60, 65, 3};
constexpr Field DEL_T{66, 71, 3};
constexpr Field R_BD{72, 77, 3};
constexpr Field R_DB{78, 83, 3};
constexpr Field NFLS{89, 94};  // every set formed for the footings of the group
constexpr Field SAME{87, 88};
}  // namespace footing

// Footing type-3 record. The wind code is written as an integer and read
// with one implied decimal; the column is written as an integer and read as
// a real.
namespace footing_load {
constexpr Field GR{2, 2};
constexpr Field LLID{3, 6};
constexpr Field WC{7, 8, 1};
constexpr Field FLAGR{9, 9};
constexpr Field FLAGE{10, 10};
constexpr Field FLAGC{11, 11};
constexpr Field FLAGS{12, 12};
constexpr Field PS{13, 21, 3};
constexpr Field MTS{22, 31, 3};
constexpr Field VTS{32, 39, 3};
constexpr Field MLS{40, 49, 3};
constexpr Field VLS{50, 57, 3};
constexpr Field PF{58, 66, 3};
constexpr Field MTF{67, 76, 3};
constexpr Field VTF{77, 84, 3};
constexpr Field MLF{85, 94, 3};
constexpr Field VLF{95, 102, 3};
constexpr Field FCOL{103, 104, 0};
}  // namespace footing_load

}  // namespace

std::string capLabel(char letter, int number) {
  std::string label = fmtI(number, 2);
  label.insert(label.begin(), letter);
  return label;
}

std::string writeCapParameterRecord(const CapParameterRecord& r) {
  using namespace cap_parameters;
  RecordWriter w(kCapRecordLength);
  w.integer(NPT, r.NPT).real(FY, r.FY).real(FS, r.FS).real(FPC, r.FPC).real(FC, r.FC);
  w.real(N, r.N).real(TOPCL, r.TOPCL).real(DEPINC, r.DEPINC).real(MINSSP, r.MINSSP);
  w.integer(MINSZ, r.MINSZ).integer(MINNO, r.MINNO).integer(MAINSZ, r.MAINSZ);
  w.integer(MAXTOP, r.MAXTOP).integer(MAXBOT, r.MAXBOT).integer(STRSZ, r.STRSZ);
  w.real(BOTCL, r.BOTCL).real(Z, r.Z).real(ES, r.ES).integer(LINES, r.LINES);
  return w.str();
}

CapParameterRecord readCapParameterRecord(std::string_view record) {
  using namespace cap_parameters;
  RecordReader in(record);
  CapParameterRecord r;
  r.NPT = in.integer(NPT);
  r.FY = in.real(FY);
  r.FS = in.real(FS);
  r.FPC = in.real(FPC);
  r.FC = in.real(FC);
  r.N = in.real(N);
  r.TOPCL = in.real(TOPCL);
  r.DEPINC = in.real(DEPINC);
  r.MINSSP = in.real(MINSSP);
  r.MINSZ = in.integer(MINSZ);
  r.MINNO = in.integer(MINNO);
  r.MAINSZ = in.integer(MAINSZ);
  r.MAXTOP = in.integer(MAXTOP);
  r.MAXBOT = in.integer(MAXBOT);
  r.STRSZ = in.integer(STRSZ);
  r.BOTCL = in.real(BOTCL);
  r.Z = in.real(Z);
  r.ES = in.real(ES);
  r.LINES = in.integer(LINES);
  return r;
}

std::string writeCapPointRecord(const CapPointRecord& r) {
  using namespace cap_point;
  RecordWriter w(kCapRecordLength);
  w.text(LABEL, r.LABEL);
  w.real(MPOS, r.MPOS).real(MNEG, r.MNEG).real(MBPOS, r.MBPOS).real(MBNEG, r.MBNEG);
  w.real(VLT, r.VLT).real(VRT, r.VRT).real(BW, r.BW).real(DW, r.DW);
  return w.str();
}

CapPointRecord readCapPointRecord(std::string_view record) {
  using namespace cap_point;
  RecordReader in(record);
  CapPointRecord r;
  r.LABEL = in.text(LABEL);
  r.MPOS = in.real(MPOS);
  r.MNEG = in.real(MNEG);
  r.MBPOS = in.real(MBPOS);
  r.MBNEG = in.real(MBNEG);
  r.VLT = in.real(VLT);
  r.VRT = in.real(VRT);
  r.BW = in.real(BW);
  r.DW = in.real(DW);
  return r;
}

std::string writeColumnCountRecord(int ncol) {
  return RecordWriter(kColumnRecordLength).integer(kColumnCount, ncol).str();
}

int readColumnCountRecord(std::string_view record) {
  return RecordReader(record).integer(kColumnCount);
}

std::string writeColumnOptionRecord(const ColumnOptionRecord& r) {
  using namespace column_option;
  return RecordWriter(kColumnRecordLength).character(COLOPT, r.COLOPT).character(T, r.T).str();
}

ColumnOptionRecord readColumnOptionRecord(std::string_view record) {
  using namespace column_option;
  const RecordReader in(record);
  return ColumnOptionRecord{in.character(COLOPT), in.character(T)};
}

std::string writeColumnSectionRecord(const ColumnSectionRecord& r) {
  using namespace column_section;
  RecordWriter w(kColumnRecordLength);
  w.real(B, r.B).real(D, r.D).real(FPC, r.FPC).real(FY, r.FY);
  w.real(PHIC, r.PHIC).real(PHIB, r.PHIB).real(MIN_P, r.MIN_P).real(MAX_P, r.MAX_P);
  w.real(CLR, r.CLR).real(FCC2, r.FCC2).real(EC, r.EC).real(ES, r.ES).real(EPSCU, r.EPSCU);
  return w.str();
}

ColumnSectionRecord readColumnSectionRecord(std::string_view record) {
  using namespace column_section;
  RecordReader in(record);
  ColumnSectionRecord r;
  r.B = in.real(B);
  r.D = in.real(D);
  r.FPC = in.real(FPC);
  r.FY = in.real(FY);
  r.PHIC = in.real(PHIC);
  r.PHIB = in.real(PHIB);
  r.MIN_P = in.real(MIN_P);
  r.MAX_P = in.real(MAX_P);
  r.CLR = in.real(CLR);
  r.FCC2 = in.real(FCC2);
  r.EC = in.real(EC);
  r.ES = in.real(ES);
  r.EPSCU = in.real(EPSCU);
  return r;
}

std::string writeColumnBarRecord(const ColumnBarRecord& r) {
  using namespace column_bars;
  RecordWriter w(kColumnRecordLength);
  w.integer(IPAT, r.IPAT).integer(TOT, r.TOT).integer(TSZ, r.TSZ).real(CLEAR, r.CLEAR);
  // The group covers stay blank: the column design takes the general cover.
  for (int g = 1; g <= kBarGroups; ++g) {
    const BarGroup& group = r.group[g];
    w.integer(count(g), group.count).integer(size(g), group.size);
  }
  return w.str();
}

ColumnBarRecord readColumnBarRecord(std::string_view record) {
  using namespace column_bars;
  RecordReader in(record);
  ColumnBarRecord r;
  r.IPAT = in.integer(IPAT);
  r.TOT = in.integer(TOT);
  r.TSZ = in.integer(TSZ);
  r.CLEAR = in.real(CLEAR);
  for (int g = 1; g <= kBarGroups; ++g) {
    BarGroup& group = r.group[g];
    group.count = in.integer(count(g));
    group.size = in.integer(size(g));
    group.cover = in.real(cover(g));
  }
  return r;
}

std::string writeColumnLoadCountRecord(const ColumnLoadCountRecord& r) {
  using namespace column_loads;
  RecordWriter w(kColumnRecordLength);
  w.integer(LMODE, r.LMODE).integer(NLOAD, r.NLOAD).integer(DIR1, r.DIR1).integer(DIR2, r.DIR2);
  return w.str();
}

ColumnLoadCountRecord readColumnLoadCountRecord(std::string_view record) {
  using namespace column_loads;
  RecordReader in(record);
  ColumnLoadCountRecord r;
  r.LMODE = in.integer(LMODE);
  r.NLOAD = in.integer(NLOAD);
  r.DIR1 = in.integer(DIR1);
  r.DIR2 = in.integer(DIR2);
  return r;
}

std::string writeFootingParameterRecord(const FootingParameterRecord& r) {
  using namespace footing_parameters;
  RecordWriter w(kFootingRecordLength);
  w.character(kType, r.TYPE);
  w.real(N, r.N).real(FPC, r.FPC).real(FY, r.FY).real(FC, r.FC).real(FS, r.FS);
  w.integer(NCOL, r.NCOL);
  w.real(SOILWT, r.SOILWT).real(ALLSP, r.ALLSP).real(EDGEDIST, r.EDGEDIST);
  w.real(MINPLSP, r.MINPLSP).real(MAXPLSP, r.MAXPLSP).real(REBARCLR, r.REBARCLR);
  w.real(PILEDEPTH, r.PILEDEPTH).real(PILECAP, r.PILECAP).real(PILEUPL, r.PILEUPL);
  return w.str();
}

FootingParameterRecord readFootingParameterRecord(std::string_view record) {
  using namespace footing_parameters;
  RecordReader in(record);
  FootingParameterRecord r;
  r.TYPE = in.character(kType);
  r.N = in.real(N);
  r.FPC = in.real(FPC);
  r.FY = in.real(FY);
  r.FC = in.real(FC);
  r.FS = in.real(FS);
  r.NCOL = in.integer(NCOL);
  r.SOILWT = in.real(SOILWT);
  r.ALLSP = in.real(ALLSP);
  r.EDGEDIST = in.real(EDGEDIST);
  r.MINPLSP = in.real(MINPLSP);
  r.MAXPLSP = in.real(MAXPLSP);
  r.REBARCLR = in.real(REBARCLR);
  r.PILEDEPTH = in.real(PILEDEPTH);
  r.PILECAP = in.real(PILECAP);
  r.PILEUPL = in.real(PILEUPL);
  return r;
}

std::string writeFootingRecord(const FootingRecord& r) {
  using namespace footing;
  RecordWriter w(kFootingRecordLength);
  w.character(kType, r.TYPE).character(SP, r.SP);
  w.real(B, r.B).real(D, r.D).real(T, r.T).real(BB, r.BB).real(DB, r.DB).real(S_HT, r.S_HT);
  w.integer(NP, r.NP).integer(SYM, r.SYM);
  w.real(BP, r.BP).real(DP, r.DP).real(DEL_B, r.DEL_B).real(DEL_D, r.DEL_D).real(DEL_T, r.DEL_T);
  w.real(R_BD, r.R_BD).real(R_DB, r.R_DB);
  w.integer(NFLS, r.NFLS).integer(SAME, r.SAME);
  return w.str();
}

FootingRecord readFootingRecord(std::string_view record) {
  using namespace footing;
  RecordReader in(record);
  FootingRecord r;
  r.TYPE = in.character(kType);
  r.SP = in.character(SP);
  r.B = in.real(B);
  r.D = in.real(D);
  r.T = in.real(T);
  r.BB = in.real(BB);
  r.DB = in.real(DB);
  r.S_HT = in.real(S_HT);
  r.NP = in.integer(NP);
  r.SYM = in.integer(SYM);
  r.BP = in.real(BP);
  r.DP = in.real(DP);
  r.DEL_B = in.real(DEL_B);
  r.DEL_D = in.real(DEL_D);
  r.DEL_T = in.real(DEL_T);
  r.R_BD = in.real(R_BD);
  r.R_DB = in.real(R_DB);
  r.NFLS = in.integer(NFLS);
  r.SAME = in.integer(SAME);
  return r;
}

std::string writeFootingLoadRecord(const FootingLoadSet& set, int column) {
  using namespace footing_load;
  RecordWriter w(kFootingRecordLength);
  w.character(kType, '3').character(GR, set.GR).text(LLID, set.LLID).integer(WC, set.WC);
  w.character(FLAGR, set.FLAGR).character(FLAGE, set.FLAGE);
  w.character(FLAGC, set.FLAGC).character(FLAGS, set.FLAGS);
  w.real(PS, set.PS).real(MTS, set.MTS).real(VTS, set.VTS).real(MLS, set.MLS).real(VLS, set.VLS);
  w.real(PF, set.PF).real(MTF, set.MTF).real(VTF, set.VTF).real(MLF, set.MLF).real(VLF, set.VLF);
  w.integer(FCOL, column);
  return w.str();
}

FootingLoadRecord readFootingLoadRecord(std::string_view record) {
  using namespace footing_load;
  RecordReader in(record);
  FootingLoadRecord r;
  r.TYPE = in.character(kType);
  r.GR = in.character(GR);
  r.LLID = in.text(LLID);
  r.WC = in.real(WC);
  r.FLAGR = in.character(FLAGR);
  r.FLAGE = in.character(FLAGE);
  r.FLAGC = in.character(FLAGC);
  r.FLAGS = in.character(FLAGS);
  r.PS = in.real(PS);
  r.MTS = in.real(MTS);
  r.VTS = in.real(VTS);
  r.MLS = in.real(MLS);
  r.VLS = in.real(VLS);
  r.PF = in.real(PF);
  r.MTF = in.real(MTF);
  r.VTF = in.real(VTF);
  r.MLF = in.real(MLF);
  r.VLF = in.real(VLF);
  r.FCOL = in.real(FCOL);
  return r;
}

}  // namespace bentpier
