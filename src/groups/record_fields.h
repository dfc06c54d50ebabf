// The field list of a fixed-width record, declared once per record kind:
// each entry names a member of the record struct and the columns (and for a
// real the decimals) it occupies. The writer and the reader of the record
// both walk the same list, so that a field cannot be written without being
// read, or read from columns other than those it was written to.
#pragma once

#include <span>
#include <string>
#include <type_traits>

#include "groups/fixed_record.h"

namespace bentpier {

// How a real field is written; every form reads back by the field's
// columns with its decimals implied where no point was written.
enum class RealForm {
  kPointed,  // the stated decimals after an explicit point
  kImplied,  // digits only, the decimals implied: 3.1 at one decimal is "31"
  kBlank,    // left blank, so that it reads 0
};

template <class Record>
struct RecordField {
  enum class Kind { kReal, kInteger, kCharacter, kText };

  constexpr RecordField(Field f, float Record::*m, RealForm form = RealForm::kPointed)
      : at(f), kind(Kind::kReal), real(m), form(form) {}
  constexpr RecordField(Field f, int Record::*m) : at(f), kind(Kind::kInteger), integer(m) {}
  constexpr RecordField(Field f, char Record::*m)
      : at(f), kind(Kind::kCharacter), character(m) {}
  constexpr RecordField(Field f, std::string Record::*m) : at(f), kind(Kind::kText), text(m) {}

  Field at;
  Kind kind;
  float Record::*real = nullptr;
  int Record::*integer = nullptr;
  char Record::*character = nullptr;
  std::string Record::*text = nullptr;  // left-justified, cut to the width
  RealForm form = RealForm::kPointed;
};

template <class Record>
using RecordFields = std::span<const RecordField<Record>>;

// The field moved `by` columns to the right (a repeated group of fields).
constexpr Field shifted(Field f, int by) { return Field{f.first + by, f.last + by, f.decimals}; }

template <class Record>
void writeFields(RecordWriter& w, const Record& r,
                 std::type_identity_t<RecordFields<Record>> fields, int shift = 0) {
  using Kind = typename RecordField<Record>::Kind;
  for (const RecordField<Record>& f : fields) {
    const Field at = shifted(f.at, shift);
    switch (f.kind) {
      case Kind::kReal:
        if (f.form == RealForm::kPointed) w.real(at, r.*f.real);
        if (f.form == RealForm::kImplied) w.impliedReal(at, r.*f.real);
        break;
      case Kind::kInteger:
        w.integer(at, r.*f.integer);
        break;
      case Kind::kCharacter:
        w.character(at, r.*f.character);
        break;
      case Kind::kText:
        w.text(at, r.*f.text);
        break;
    }
  }
}

template <class Record>
void readFields(RecordReader& in, Record& r,
                std::type_identity_t<RecordFields<Record>> fields, int shift = 0) {
  using Kind = typename RecordField<Record>::Kind;
  for (const RecordField<Record>& f : fields) {
    const Field at = shifted(f.at, shift);
    switch (f.kind) {
      case Kind::kReal:
        r.*f.real = in.real(at);
        break;
      case Kind::kInteger:
        r.*f.integer = in.integer(at);
        break;
      case Kind::kCharacter:
        r.*f.character = in.character(at);
        break;
      case Kind::kText:
        r.*f.text = in.text(at);
        break;
    }
  }
}

// A whole record of `length` characters from its field list.
template <class Record>
std::string writeRecord(const Record& r, std::type_identity_t<RecordFields<Record>> fields,
                        int length) {
  RecordWriter w(length);
  writeFields(w, r, fields);
  return w.str();
}

template <class Record>
Record readRecord(std::string_view text, std::type_identity_t<RecordFields<Record>> fields) {
  RecordReader in(text);
  Record r;
  readFields(in, r, fields);
  return r;
}

}  // namespace bentpier
