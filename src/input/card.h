// Fixed-column card images and their numeric fields.
//
// A card is one line of the deck, padded with blanks to 80 columns. Numeric
// fields follow the blank-as-zero rule: every blank inside a field reads as
// the digit 0, so a number without a decimal point must be right-justified.
// A field described as w.d has d implied decimals unless a decimal point is
// typed, which overrides them.
#pragma once

#include <string>
#include <string_view>

namespace bentpier {

inline constexpr int kCardColumns = 80;

// Reads an integer field; false when the text is not a number.
bool parseIntegerField(std::string_view field, long long& value);

// Reads a real field with `decimals` implied decimals; false when the text is
// not a number.
bool parseRealField(std::string_view field, int decimals, float& value);

// Where a card field failed to read as a number.
struct FieldError {
  int first_column = 0;
  int last_column = 0;
  std::string text;
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
  void fail(int first, int last);

  std::string text_;
  bool bad_ = false;
  FieldError error_;
};

}  // namespace bentpier
