// One fixed-width text record: fields at fixed columns, written right-
// justified like a report field and read back by the same columns.
//
// A real is written with its stated decimals after an explicit decimal point
// (rounded half away from zero). A blank field reads as zero. Written without
// a decimal point, a real field reads with its decimals implied: "31" in a
// field of one decimal reads 3.1.
//
// A real too wide for its field at its stated decimals is written with fewer
// decimals, down to a bare point ("1234567."), and failing that in exponent
// form ("1.2346E9"), so that it keeps its magnitude and every digit the
// field can hold and never spills into its neighbours. Only a value that is
// not a finite number (or an integer too wide for its field) fills the
// field with asterisks; such a field reads back as not a number (an integer
// as 0) and marks the reader bad.
#pragma once

#include <string>
#include <string_view>

namespace bentpier {

// One field: first and last column, numbered from 1, and for a real the
// number of decimals.
struct Field {
  int first = 1;
  int last = 1;
  int decimals = 0;
  constexpr int width() const { return last - first + 1; }
};

// A real right-justified in `width` columns, as described above.
std::string recordReal(float value, int width, int decimals);

// An integer right-justified in `width` columns; asterisks when too wide.
std::string recordInteger(long long value, int width);

class RecordWriter {
 public:
  // A blank record of `length` characters.
  explicit RecordWriter(int length) : text_(static_cast<size_t>(length), ' ') {}

  RecordWriter& real(const Field& f, float value);
  RecordWriter& integer(const Field& f, long long value);
  // A real as the whole number of its last decimal, without a point, so
  // that it reads back with its decimals implied (3.1 at one decimal: "31").
  RecordWriter& impliedReal(const Field& f, float value);
  RecordWriter& character(const Field& f, char c);
  // Text left-justified in the field, cut to its width.
  RecordWriter& text(const Field& f, std::string_view s);

  const std::string& str() const { return text_; }

 private:
  void place(const Field& f, std::string_view s);

  std::string text_;
};

class RecordReader {
 public:
  // Keeps its own copy of the record, so a reader may be made from a
  // temporary string.
  explicit RecordReader(std::string_view record) : record_(record) {}

  float real(const Field& f);
  int integer(const Field& f);
  char character(const Field& f) const;
  std::string text(const Field& f) const;

  // Whether any field read so far was not a number.
  bool bad() const { return bad_; }

 private:
  std::string columns(const Field& f) const;

  std::string record_;
  bool bad_ = false;
};

}  // namespace bentpier
