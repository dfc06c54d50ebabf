// Every field of every design-load record written at its columns and read
// back at its width and decimals. The expected record texts are laid out by
// hand from the record layouts, field by field; a record read back and
// written again must give the same text, which holds only when every field
// is read from its own columns with its own decimals.
#include "groups/design_records.h"

#include <gtest/gtest.h>

#include <string>

namespace bentpier {
namespace {

std::string padded(std::string s, size_t length) {
  s.resize(length, ' ');
  return s;
}

TEST(GroupsDesignRecords, CapParameterRecordRoundTrip) {
  CapParameterRecord r;
  r.NPT = 48;
  r.FY = 99.999f;  // full width
  r.FS = 24.0f;
  r.FPC = 4.5f;
  r.FC = 1.8f;
  r.N = 9.189f;  // one decimal: 9.2
  r.TOPCL = 2.0f;
  r.DEPINC = 3.0f;
  r.MINSSP = 4.0f;
  r.MINSZ = 5;
  r.MINNO = 4;
  r.MAINSZ = 11;
  r.MAXTOP = 6;
  r.MAXBOT = 8;
  r.STRSZ = 5;
  r.BOTCL = 2.31f;
  r.Z = 170.0f;
  r.ES = 29000.0f;
  r.LINES = 17;

  const std::string text = writeCapParameterRecord(r);
  EXPECT_EQ(text, padded("4899.99924.000" "4.5001.800 9.22.003.004.00 5 411 6 8 5"
                         "2.31 170 2900017",
                         75));

  // Read back, every field writes again to the same columns.
  const CapParameterRecord back = readCapParameterRecord(text);
  EXPECT_EQ(writeCapParameterRecord(back), text);
  EXPECT_EQ(back.NPT, 48);
  EXPECT_FLOAT_EQ(back.N, 9.2f);
  EXPECT_EQ(back.LINES, 17);
}

TEST(GroupsDesignRecords, CapPointRecordRoundTrip) {
  CapPointRecord r;
  r.LABEL = capLabel('P', 7);
  r.MPOS = 99999.5f;
  r.MNEG = -12345.678f;  // full width with its sign
  r.MBPOS = 1234.5676f;  // rounds to 1234.568
  r.MBNEG = -0.25f;
  r.VLT = 9999.999f;
  r.VRT = 12.0f;
  r.BW = 3.5f;
  r.DW = 999.999f;

  const std::string text = writeCapPointRecord(r);
  EXPECT_EQ(text, padded("P 7 99999.500-12345.678  1234.568    -0.250 9999.999   12.000"
                         "  3.500999.999",
                         75));

  const CapPointRecord back = readCapPointRecord(text);
  EXPECT_EQ(writeCapPointRecord(back), text);
  EXPECT_EQ(back.LABEL, "P 7");
  EXPECT_FLOAT_EQ(back.MNEG, -12345.678f);
  EXPECT_FLOAT_EQ(back.MBPOS, 1234.568f);

  EXPECT_EQ(readCapPointRecord(writeCapPointRecord(CapPointRecord{capLabel('C', 12)})).LABEL,
            "C12");
}

TEST(GroupsDesignRecords, ColumnCountAndOptionRecordsRoundTrip) {
  EXPECT_EQ(writeColumnCountRecord(12), padded("12", 70));
  EXPECT_EQ(readColumnCountRecord(writeColumnCountRecord(12)), 12);
  EXPECT_EQ(readColumnCountRecord(writeColumnCountRecord(1)), 1);

  const std::string option = writeColumnOptionRecord(ColumnOptionRecord{'D', 'T'});
  EXPECT_EQ(option, padded("D T", 70));
  const ColumnOptionRecord back = readColumnOptionRecord(option);
  EXPECT_EQ(back.COLOPT, 'D');
  EXPECT_EQ(back.T, 'T');
}

TEST(GroupsDesignRecords, ColumnSectionRecordRoundTrip) {
  ColumnSectionRecord r;
  r.B = 36.0f;
  r.D = 999.99f;  // full width
  r.FPC = 4.0f;
  r.FY = 60.0f;
  r.PHIC = 0.7f;
  r.PHIB = 0.9f;
  r.MIN_P = 0.01f;
  r.MAX_P = 0.08f;
  r.CLR = 2.25f;
  r.FCC2 = 3.4f;
  r.EC = 3155.9f;  // no decimals: 3156
  r.ES = 29000.0f;
  r.EPSCU = 0.003f;

  const std::string text = writeColumnSectionRecord(r);
  // A fraction in five columns at four decimals gives up its leading zero.
  EXPECT_EQ(text, padded(" 36.00999.99 4.00060.0000.700.90.0100.0800 2.25 3.400  3156 29000.0030",
                         70));

  const ColumnSectionRecord back = readColumnSectionRecord(text);
  EXPECT_EQ(writeColumnSectionRecord(back), text);
  EXPECT_FLOAT_EQ(back.MIN_P, 0.01f);
  EXPECT_FLOAT_EQ(back.EC, 3156.0f);
  EXPECT_FLOAT_EQ(back.EPSCU, 0.003f);
}

TEST(GroupsDesignRecords, ColumnBarRecordRoundTripWithBlankCovers) {
  ColumnBarRecord r;
  r.IPAT = 2;
  r.TOT = 396;  // full width
  r.TSZ = 18;
  r.CLEAR = 2.563f;
  r.group[1] = BarGroup{12, 9, 0.0f};
  r.group[2] = BarGroup{100, 11, 0.0f};
  r.group[3] = BarGroup{4, 14, 0.0f};
  r.group[4] = BarGroup{0, 0, 0.0f};

  const std::string text = writeColumnBarRecord(r);
  EXPECT_EQ(text, padded("2396182.563 12 9     10011       414       0 0", 70));

  const ColumnBarRecord back = readColumnBarRecord(text);
  EXPECT_EQ(writeColumnBarRecord(back), text);
  EXPECT_EQ(back.TOT, 396);
  EXPECT_EQ(back.group[2].count, 100);
  for (int g = 1; g <= 4; ++g) EXPECT_FLOAT_EQ(back.group[g].cover, 0.0f) << "group " << g;
}

TEST(GroupsDesignRecords, ColumnLoadCountRecordReadsAsFourIntegers) {
  ColumnLoadCountRecord r;
  r.NLOAD = 25;
  const std::string text = writeColumnLoadCountRecord(r);
  EXPECT_EQ(text, padded("32511", 70));
  const ColumnLoadCountRecord back = readColumnLoadCountRecord(text);
  EXPECT_EQ(back.LMODE, 3);
  EXPECT_EQ(back.NLOAD, 25);
  EXPECT_EQ(back.DIR1, 1);
  EXPECT_EQ(back.DIR2, 1);
  EXPECT_EQ(readColumnLoadCountRecord(writeColumnLoadCountRecord(ColumnLoadCountRecord{})).NLOAD, 0);
}

TEST(GroupsDesignRecords, FootingParameterRecordRoundTrip) {
  FootingParameterRecord r;
  r.N = 9.189f;
  r.FPC = 4.0f;
  r.FY = 60.0f;
  r.FC = 1.6f;
  r.FS = 24.0f;
  r.NCOL = 12;
  r.SOILWT = 0.12f;
  r.ALLSP = 99.999f;
  r.EDGEDIST = 1.25f;
  r.MINPLSP = 2.5f;
  r.MAXPLSP = 5.0f;
  r.REBARCLR = 3.0f;
  r.PILEDEPTH = 0.75f;
  r.PILECAP = 999.999f;
  r.PILEUPL = -50.0f;  // full width with its sign

  const std::string text = writeFootingParameterRecord(r);
  EXPECT_EQ(text, padded("1 9.24.00060.0001.60024.00012.12099.9991.2502.505.003.000 0.750"
                         "999.999-50.000",
                         104));

  const FootingParameterRecord back = readFootingParameterRecord(text);
  EXPECT_EQ(writeFootingParameterRecord(back), text);
  EXPECT_EQ(back.TYPE, '1');
  EXPECT_FLOAT_EQ(back.SOILWT, 0.12f);
  EXPECT_FLOAT_EQ(back.PILEUPL, -50.0f);
}

TEST(GroupsDesignRecords, FootingRecordRoundTrip) {
  FootingRecord r;
  r.SP = 'S';
  r.B = 12.5f;
  r.D = 99.999f;
  r.T = 3.0f;
  r.BB = 0.0f;
  r.DB = 4.0f;
  r.S_HT = 2.5f;
  r.NP = 25;
  r.SYM = 2;
  r.BP = -1.5f;
  r.DP = 0.0f;
  r.DEL_B = 0.5f;
  r.DEL_D = 0.5f;
  r.DEL_T = 0.25f;
  r.R_BD = 1.2f;
  r.R_DB = 0.8f;
  r.NFLS = 25;
  r.SAME = 7;

  const std::string text = writeFootingRecord(r);
  EXPECT_EQ(text, padded("2S12.50099.999 3.000 0.000 4.000 2.500252-1.500 0.000 0.500 0.500"
                         " 0.250 1.200 0.800    7    25",
                         104));

  const FootingRecord back = readFootingRecord(text);
  EXPECT_EQ(writeFootingRecord(back), text);
  EXPECT_EQ(back.TYPE, '2');
  EXPECT_FLOAT_EQ(back.BP, -1.5f);
  EXPECT_EQ(back.SAME, 7);
}

TEST(GroupsDesignRecords, FootingLoadRecordReadsWindCodeAndColumnAsReals) {
  FootingLoadSet set;
  set.GR = '3';
  set.LLID = "HS20";
  set.WC = 52;
  set.FLAGR = 'R';
  set.FLAGE = 'E';
  set.FLAGC = 'C';
  set.FLAGS = 'S';
  set.PS = 12345.678f;   // full width
  set.MTS = -12345.678f; // full width with its sign
  set.VTS = -999.999f;
  set.MLS = 99999.5f;
  set.VLS = 0.125f;
  set.PF = -1234.567f;
  set.MTF = 2.0f;
  set.VTF = 3.25f;
  set.MLF = -4.5f;
  set.VLF = 5.7504f;  // rounds to 5.750

  const std::string text = writeFootingLoadRecord(set, 12);
  EXPECT_EQ(text, padded("33HS2052RECS12345.678-12345.678-999.999 99999.500   0.125-1234.567"
                         "     2.000   3.250    -4.500   5.75012",
                         104));

  const FootingLoadRecord back = readFootingLoadRecord(text);
  EXPECT_EQ(back.TYPE, '3');
  EXPECT_EQ(back.GR, '3');
  EXPECT_EQ(back.LLID, "HS20");
  EXPECT_FLOAT_EQ(back.WC, 5.2f);  // case 5, direction 2
  EXPECT_EQ(back.FLAGR, 'R');
  EXPECT_EQ(back.FLAGE, 'E');
  EXPECT_EQ(back.FLAGC, 'C');
  EXPECT_EQ(back.FLAGS, 'S');
  EXPECT_FLOAT_EQ(back.PS, 12345.678f);
  EXPECT_FLOAT_EQ(back.MTS, -12345.678f);
  EXPECT_FLOAT_EQ(back.VTS, -999.999f);
  EXPECT_FLOAT_EQ(back.MLS, 99999.5f);
  EXPECT_FLOAT_EQ(back.VLS, 0.125f);
  EXPECT_FLOAT_EQ(back.PF, -1234.567f);
  EXPECT_FLOAT_EQ(back.MTF, 2.0f);
  EXPECT_FLOAT_EQ(back.VTF, 3.25f);
  EXPECT_FLOAT_EQ(back.MLF, -4.5f);
  EXPECT_FLOAT_EQ(back.VLF, 5.75f);
  EXPECT_FLOAT_EQ(back.FCOL, 12.0f);

  // Without wind and from column 4: 0.0 and 4.0.
  FootingLoadSet calm;
  calm.GR = '1';
  const FootingLoadRecord plain = readFootingLoadRecord(writeFootingLoadRecord(calm, 4));
  EXPECT_FLOAT_EQ(plain.WC, 0.0f);
  EXPECT_FLOAT_EQ(plain.FCOL, 4.0f);
  EXPECT_EQ(plain.LLID, "    ");
}

}  // namespace
}  // namespace bentpier
