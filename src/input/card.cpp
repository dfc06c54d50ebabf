#include "input/card.h"

#include <climits>
#include <cmath>
#include <cstdlib>

namespace bentpier {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Leading blanks are leading zeros and change nothing; every other blank is a
// zero digit. A sign may open the field.
std::string blanksAsZeros(std::string_view field) {
  size_t start = 0;
  while (start < field.size() && field[start] == ' ') ++start;
  std::string s(field.substr(start));
  for (char& c : s)
    if (c == ' ') c = '0';
  return s;
}

// The common field, a plain decimal (blanks, an optional sign, digits and
// blanks, at most one point, no exponent), read without building a text:
// the digits as an integer, scaled by ten to the decimals after the point
// (or the implied decimals). With at most 15 digits and 6 decimals the
// quotient in double precision rounds to the same float as the decimal
// itself: the decimal lies at least 1/(2^25 x 10^6) of its size from any
// float rounding boundary, far beyond the error of one double division. Any
// other field returns false and is read the general way.
bool readPlainDecimal(std::string_view field, int decimals, float& value) {
  static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6};
  constexpr int kMostDigits = 15, kMostDecimals = 6;
  size_t pos = 0;
  while (pos < field.size() && field[pos] == ' ') ++pos;
  bool negative = false;
  if (pos < field.size() && (field[pos] == '+' || field[pos] == '-'))
    negative = field[pos++] == '-';
  long long n = 0;
  int digits = 0, after = 0;
  bool point = false;
  for (; pos < field.size(); ++pos) {
    const char c = field[pos];
    if (c == '.') {
      if (point) return false;
      point = true;
      continue;
    }
    if (c != ' ' && !isDigit(c)) return false;
    n = n * 10 + (c == ' ' ? 0 : c - '0');
    ++digits;
    if (point) ++after;
    if (digits > kMostDigits) return false;
  }
  const int scale = point ? after : decimals;
  if (digits == 0 || scale < 0 || scale > kMostDecimals) return false;
  const double v = static_cast<double>(n) / kPowersOfTen[scale];
  value = static_cast<float>(negative ? -v : v);
  return true;
}

}  // namespace

FieldRead readIntegerField(std::string_view field, long long& value) {
  const std::string s = blanksAsZeros(field);
  value = 0;
  size_t pos = 0;
  bool negative = false;
  if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) negative = s[pos++] == '-';
  long long v = 0;
  bool too_big = false;
  for (; pos < s.size(); ++pos) {
    if (!isDigit(s[pos])) return FieldRead::NotANumber;
    if (v > (LLONG_MAX - 9) / 10) too_big = true;
    else v = v * 10 + (s[pos] - '0');
  }
  if (too_big || v > INT_MAX) return FieldRead::OutOfRange;
  value = negative ? -v : v;
  return FieldRead::Number;
}

FieldRead readRealField(std::string_view field, int decimals, float& value) {
  if (readPlainDecimal(field, decimals, value)) return FieldRead::Number;
  const std::string s = blanksAsZeros(field);
  value = 0.0f;
  size_t pos = 0;
  std::string mantissa;
  if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) {
    if (s[pos] == '-') mantissa += '-';
    ++pos;
  }
  bool point = false;
  int digits = 0;
  for (; pos < s.size(); ++pos) {
    const char c = s[pos];
    if (isDigit(c)) {
      mantissa += c;
      ++digits;
    } else if (c == '.' && !point) {
      mantissa += c;
      point = true;
    } else {
      break;
    }
  }
  // An optional exponent: E or D, with or without sign, or a bare sign. It
  // needs digits before it: a sign or nothing ahead of it is no number.
  long long exponent = 0;
  bool exponent_too_big = false;
  if (pos < s.size()) {
    if (digits == 0) return FieldRead::NotANumber;
    size_t e = pos;
    if (s[e] == 'E' || s[e] == 'e' || s[e] == 'D' || s[e] == 'd') ++e;
    else if (s[e] != '+' && s[e] != '-') return FieldRead::NotANumber;
    if (e == s.size()) return FieldRead::NotANumber;
    const FieldRead read = readIntegerField(std::string_view(s).substr(e), exponent);
    if (read == FieldRead::NotANumber) return read;
    exponent_too_big = read == FieldRead::OutOfRange || exponent > 99 || exponent < -99;
  }
  if (digits == 0) {
    if (point) return FieldRead::NotANumber;  // a lone point is not a number
    return FieldRead::Number;                 // a lone sign reads as zero
  }
  if (exponent_too_big) return FieldRead::OutOfRange;
  if (!point) exponent -= decimals;
  const std::string text = mantissa + "e" + std::to_string(exponent);
  const float v = std::strtof(text.c_str(), nullptr);
  if (!std::isfinite(v)) return FieldRead::OutOfRange;
  value = v;
  return FieldRead::Number;
}

Card::Card(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  text_ = std::string(line.substr(0, kCardColumns));
  if (text_.size() < static_cast<size_t>(kCardColumns))
    text_.append(static_cast<size_t>(kCardColumns) - text_.size(), ' ');
}

std::string Card::columns(int first, int last) const {
  if (first < 1) first = 1;
  if (last > kCardColumns) last = kCardColumns;
  if (last < first) return {};
  return text_.substr(static_cast<size_t>(first - 1), static_cast<size_t>(last - first + 1));
}

char Card::column(int col) const {
  if (col < 1 || col > kCardColumns) return ' ';
  return text_[col - 1];
}

int Card::integer(int first, int last) {
  long long v = 0;
  const FieldRead read = readIntegerField(columns(first, last), v);
  if (read != FieldRead::Number) {
    fail(first, last, read);
    return 0;
  }
  return static_cast<int>(v);
}

float Card::real(int first, int last, int decimals) {
  float v = 0.0f;
  const FieldRead read = readRealField(columns(first, last), decimals, v);
  if (read != FieldRead::Number) {
    fail(first, last, read);
    return 0.0f;
  }
  return v;
}

void Card::fail(int first, int last, FieldRead why) {
  if (bad_) return;
  bad_ = true;
  error_ = FieldError{first, last, columns(first, last), why};
}

}  // namespace bentpier
