#include "groups/design_records.h"

#include "base/report.h"

namespace bentpier {

std::string capLabel(char letter, int number) {
  std::string label = fmtI(number, 2);
  label.insert(label.begin(), letter);
  return label;
}

std::string writeCapParameterRecord(const CapParameterRecord& r) {
  return writeRecord(r, kCapParameterFields, kCapRecordLength);
}

CapParameterRecord readCapParameterRecord(std::string_view record) {
  return readRecord<CapParameterRecord>(record, kCapParameterFields);
}

std::string writeCapPointRecord(const CapPointRecord& r) {
  return writeRecord(r, kCapPointFields, kCapRecordLength);
}

CapPointRecord readCapPointRecord(std::string_view record) {
  return readRecord<CapPointRecord>(record, kCapPointFields);
}

std::string writeColumnCountRecord(int ncol) {
  return RecordWriter(kColumnRecordLength).integer(kColumnCountField, ncol).str();
}

int readColumnCountRecord(std::string_view record) {
  return RecordReader(record).integer(kColumnCountField);
}

std::string writeColumnOptionRecord(const ColumnOptionRecord& r) {
  return writeRecord(r, kColumnOptionFields, kColumnRecordLength);
}

ColumnOptionRecord readColumnOptionRecord(std::string_view record) {
  return readRecord<ColumnOptionRecord>(record, kColumnOptionFields);
}

std::string writeColumnSectionRecord(const ColumnSectionRecord& r) {
  return writeRecord(r, kColumnSectionFields, kColumnRecordLength);
}

ColumnSectionRecord readColumnSectionRecord(std::string_view record) {
  return readRecord<ColumnSectionRecord>(record, kColumnSectionFields);
}

std::string writeColumnBarRecord(const ColumnBarRecord& r) {
  RecordWriter w(kColumnRecordLength);
  writeFields(w, r, kColumnBarFields);
  for (int g = 1; g <= kBarGroups; ++g)
    writeFields(w, r.group[g], kBarGroupFields, (g - 1) * kBarGroupColumns);
  return w.str();
}

ColumnBarRecord readColumnBarRecord(std::string_view record) {
  RecordReader in(record);
  ColumnBarRecord r;
  readFields(in, r, kColumnBarFields);
  for (int g = 1; g <= kBarGroups; ++g)
    readFields(in, r.group[g], kBarGroupFields, (g - 1) * kBarGroupColumns);
  return r;
}

std::string writeColumnLoadCountRecord(const ColumnLoadCountRecord& r) {
  return writeRecord(r, kColumnLoadCountFields, kColumnRecordLength);
}

ColumnLoadCountRecord readColumnLoadCountRecord(std::string_view record) {
  return readRecord<ColumnLoadCountRecord>(record, kColumnLoadCountFields);
}

std::string writeFootingParameterRecord(const FootingParameterRecord& r) {
  return writeRecord(r, kFootingParameterFields, kFootingRecordLength);
}

FootingParameterRecord readFootingParameterRecord(std::string_view record) {
  return readRecord<FootingParameterRecord>(record, kFootingParameterFields);
}

std::string writeFootingRecord(const FootingRecord& r) {
  return writeRecord(r, kFootingFields, kFootingRecordLength);
}

FootingRecord readFootingRecord(std::string_view record) {
  return readRecord<FootingRecord>(record, kFootingFields);
}

std::string writeFootingLoadRecord(const FootingLoadRecord& r) {
  return writeRecord(r, kFootingLoadFields, kFootingRecordLength);
}

FootingLoadRecord readFootingLoadRecord(std::string_view record) {
  return readRecord<FootingLoadRecord>(record, kFootingLoadFields);
}

// The kept set carries the wind code as the integer case and direction
// (31); the record holds it as case.direction.
FootingLoadRecord footingLoadRecord(const FootingLoadSet& set, int column) {
  FootingLoadRecord r;
  r.GR = set.GR;
  r.LLID = set.LLID;
  r.WC = static_cast<float>(set.WC) / 10.0f;
  r.FLAGR = set.FLAGR;
  r.FLAGE = set.FLAGE;
  r.FLAGC = set.FLAGC;
  r.FLAGS = set.FLAGS;
  r.PS = set.PS;
  r.MTS = set.MTS;
  r.VTS = set.VTS;
  r.MLS = set.MLS;
  r.VLS = set.VLS;
  r.PF = set.PF;
  r.MTF = set.MTF;
  r.VTF = set.VTF;
  r.MLF = set.MLF;
  r.VLF = set.VLF;
  r.FCOL = static_cast<float>(column);
  return r;
}

std::string writeFootingLoadRecord(const FootingLoadSet& set, int column) {
  return writeFootingLoadRecord(footingLoadRecord(set, column));
}

}  // namespace bentpier
