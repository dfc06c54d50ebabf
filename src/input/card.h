// Fixed-column card images and their numeric fields.
//
// A card is one line of the deck, padded with blanks to 80 columns. Numeric
// fields follow the blank-as-zero rule: every blank inside a field reads as
// the digit 0, so a number without a decimal point must be right-justified.
// A field described as w.d has d implied decimals unless a decimal point is
// typed, which overrides them.
#pragma once

#include <cmath>
#include <string>
#include <string_view>

namespace bentpier {

inline constexpr int kCardColumns = 80;

// How a numeric field read: a number, text that is no number, or a number
// that single precision (or an int) cannot hold.
enum class FieldRead { Number, NotANumber, OutOfRange };

// Reads an integer field; value 0 unless it is a number.
FieldRead readIntegerField(std::string_view field, long long& value);

// Reads a real field with `decimals` implied decimals; value 0 unless it is a
// number in single precision.
FieldRead readRealField(std::string_view field, int decimals, float& value);

// The same, true only for a number.
inline bool parseIntegerField(std::string_view field, long long& value) {
  return readIntegerField(field, value) == FieldRead::Number;
}
inline bool parseRealField(std::string_view field, int decimals, float& value) {
  return readRealField(field, decimals, value) == FieldRead::Number;
}

// A length read from a three-decimal field, in whole thousandths of a foot:
// the card's own resolution. Sums and comparisons of card lengths made on
// these integers hold exactly as written on the card, where the same sums in
// single precision may miss an exact fit by a rounding error.
inline long long thousandths(float length) {
  return std::llround(static_cast<double>(length) * 1000.0);
}

// Where a card field failed to read as a number.
struct FieldError {
  int first_column = 0;
  int last_column = 0;
  std::string text;
  FieldRead why = FieldRead::NotANumber;
};

// One card and its field accessors. Columns are numbered from 1 as on the
// card. The first field that is not a number is remembered; later fields of
// the same card still read (as 0) so the caller can finish the card and then
// report the error.
class Card {
 public:
  Card() : text_(kCardColumns, ' ') {}
  explicit Card(std::string_view line);

  const std::string& text() const { return text_; }
  std::string columns(int first, int last) const;
  char column(int col) const;
  int integer(int first, int last);
  float real(int first, int last, int decimals);
  bool startsWith(std::string_view prefix) const { return text_.compare(0, prefix.size(), prefix) == 0; }

  bool bad() const { return bad_; }
  const FieldError& error() const { return error_; }

 private:
  void fail(int first, int last, FieldRead why);

  std::string text_;
  bool bad_ = false;
  FieldError error_;
};

}  // namespace bentpier
