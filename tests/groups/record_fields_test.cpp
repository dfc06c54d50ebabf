// Each record's field list against the record's own writer and reader.
// One field at a time: the writer changes that field's columns and no
// others, and the reader gives back that field's value and every other
// field's default, so a field missing from the writer or the reader, or
// read from columns it was not written to, fails. All fields at once: a
// record of distinct values reads back within each field's decimals, which
// fails when two fields share columns.
#include "groups/design_records.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace bentpier {
namespace {

template <class R>
struct RecordKind {
  const char* name;
  RecordFields<R> fields;
  std::string (*write)(const R&);
  R (*read)(std::string_view);
  int shift = 0;  // columns of the fields to the right of those listed
};

template <class R>
using Kind = typename RecordField<R>::Kind;

// A value for the i-th field, distinct from its neighbours' and from the
// defaults, with a digit in the field's last decimal.
template <class R>
void setProbe(R& r, const RecordField<R>& f, int i) {
  const int digit = i % 7 + 2;
  switch (f.kind) {
    case Kind<R>::kReal:
      r.*f.real = static_cast<float>(digit) * std::pow(10.0f, -static_cast<float>(f.at.decimals));
      break;
    case Kind<R>::kInteger:
      r.*f.integer = digit;
      break;
    case Kind<R>::kCharacter:
      r.*f.character = static_cast<char>('A' + i);
      break;
    case Kind<R>::kText:
      r.*f.text = std::string(static_cast<size_t>(f.at.width()), static_cast<char>('A' + i));
      break;
  }
}

// Field f of `got` against `want`, a real within half its last decimal.
template <class R>
void expectField(const R& got, const R& want, const RecordField<R>& f) {
  switch (f.kind) {
    case Kind<R>::kReal:
      EXPECT_NEAR(got.*f.real, want.*f.real, 0.5001 * std::pow(10.0, -f.at.decimals));
      break;
    case Kind<R>::kInteger:
      EXPECT_EQ(got.*f.integer, want.*f.integer);
      break;
    case Kind<R>::kCharacter:
      EXPECT_EQ(got.*f.character, want.*f.character);
      break;
    case Kind<R>::kText:
      EXPECT_EQ(got.*f.text, want.*f.text);
      break;
  }
}

template <class R>
bool leftBlank(const RecordField<R>& f) {
  return f.kind == Kind<R>::kReal && f.form == RealForm::kBlank;
}

template <class R>
void expectFieldsAgree(const RecordKind<R>& k) {
  SCOPED_TRACE(k.name);
  const std::string plain = k.write(R{});
  const R plainBack = k.read(plain);
  R all{};
  for (size_t i = 0; i < k.fields.size(); ++i) {
    const RecordField<R>& f = k.fields[i];
    const size_t first = static_cast<size_t>(f.at.first + k.shift - 1);
    const size_t width = static_cast<size_t>(f.at.width());
    SCOPED_TRACE("field from column " + std::to_string(first + 1));
    R one{};
    setProbe(one, f, static_cast<int>(i));
    setProbe(all, f, static_cast<int>(i));
    const std::string text = k.write(one);
    ASSERT_EQ(text.size(), plain.size());
    ASSERT_LE(first + width, plain.size());
    EXPECT_EQ(text.substr(0, first), plain.substr(0, first));
    EXPECT_EQ(text.substr(first + width), plain.substr(first + width));
    EXPECT_EQ(text.substr(first, width) != plain.substr(first, width), !leftBlank(f));
    const R back = k.read(text);
    for (size_t j = 0; j < k.fields.size(); ++j)
      expectField(back, j == i && !leftBlank(f) ? one : plainBack, k.fields[j]);
  }
  const R allBack = k.read(k.write(all));
  for (const RecordField<R>& f : k.fields) expectField(allBack, leftBlank(f) ? plainBack : all, f);
}

TEST(GroupsRecordFields, EveryFieldOfEveryRecordWrittenAtItsColumnsAndReadBack) {
  expectFieldsAgree(RecordKind<CapParameterRecord>{"cap parameters", kCapParameterFields,
                                                   writeCapParameterRecord,
                                                   readCapParameterRecord});
  expectFieldsAgree(RecordKind<CapPointRecord>{"cap point", kCapPointFields,
                                               writeCapPointRecord, readCapPointRecord});
  expectFieldsAgree(RecordKind<ColumnOptionRecord>{"column option", kColumnOptionFields,
                                                   writeColumnOptionRecord,
                                                   readColumnOptionRecord});
  expectFieldsAgree(RecordKind<ColumnSectionRecord>{"column section", kColumnSectionFields,
                                                    writeColumnSectionRecord,
                                                    readColumnSectionRecord});
  expectFieldsAgree(RecordKind<ColumnBarRecord>{"column bars", kColumnBarFields,
                                                writeColumnBarRecord, readColumnBarRecord});
  // Bar group 3, two groups to the right of the listed columns.
  expectFieldsAgree(RecordKind<BarGroup>{
      "bar group 3", kBarGroupFields,
      [](const BarGroup& g) {
        ColumnBarRecord r;
        r.group[3] = g;
        return writeColumnBarRecord(r);
      },
      [](std::string_view text) { return readColumnBarRecord(text).group[3]; },
      2 * kBarGroupColumns});
  expectFieldsAgree(RecordKind<ColumnLoadCountRecord>{"column load count",
                                                      kColumnLoadCountFields,
                                                      writeColumnLoadCountRecord,
                                                      readColumnLoadCountRecord});
  expectFieldsAgree(RecordKind<FootingParameterRecord>{"footing parameters",
                                                       kFootingParameterFields,
                                                       writeFootingParameterRecord,
                                                       readFootingParameterRecord});
  expectFieldsAgree(RecordKind<FootingRecord>{"footing", kFootingFields, writeFootingRecord,
                                              readFootingRecord});
  expectFieldsAgree(RecordKind<FootingLoadRecord>{
      "footing load", kFootingLoadFields,
      [](const FootingLoadRecord& r) { return writeFootingLoadRecord(r); },
      readFootingLoadRecord});
}

TEST(GroupsRecordFields, BlankBarCoverReadsWhatAnotherWriterPutThere) {
  // Group 3's cover in columns 37-41 (12 + 2 x 10 + 5), the others blank.
  std::string text(kColumnRecordLength, ' ');
  text.replace(36, 5, "1.500");
  const ColumnBarRecord r = readColumnBarRecord(text);
  EXPECT_FLOAT_EQ(r.group[3].cover, 1.5f);
  EXPECT_FLOAT_EQ(r.group[2].cover, 0.0f);
  EXPECT_FLOAT_EQ(r.group[4].cover, 0.0f);
}

}  // namespace
}  // namespace bentpier
