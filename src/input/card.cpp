#include "input/card.h"

#include <cerrno>
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

}  // namespace

bool parseIntegerField(std::string_view field, long long& value) {
  const std::string s = blanksAsZeros(field);
  value = 0;
  size_t pos = 0;
  bool negative = false;
  if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) negative = s[pos++] == '-';
  long long v = 0;
  for (; pos < s.size(); ++pos) {
    if (!isDigit(s[pos])) return false;
    if (v > (LLONG_MAX - 9) / 10) return false;
    v = v * 10 + (s[pos] - '0');
  }
  if (v > INT_MAX) return false;
  value = negative ? -v : v;
  return true;
}

bool parseRealField(std::string_view field, int decimals, float& value) {
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
  // An optional exponent: E or D, with or without sign, or a bare sign.
  long long exponent = 0;
  if (pos < s.size()) {
    size_t e = pos;
    if (s[e] == 'E' || s[e] == 'e' || s[e] == 'D' || s[e] == 'd') ++e;
    else if (s[e] != '+' && s[e] != '-') return false;
    if (!parseIntegerField(std::string_view(s).substr(e), exponent)) return false;
    if (e == s.size()) return false;
    if (exponent > 99 || exponent < -99) return false;
  }
  if (digits == 0) {
    if (point) return false;  // a lone point is not a number
    return true;              // a lone sign reads as zero
  }
  if (!point) exponent -= decimals;
  const std::string text = mantissa + "e" + std::to_string(exponent);
  errno = 0;
  const float v = std::strtof(text.c_str(), nullptr);
  if (errno == ERANGE && std::isinf(v)) return false;
  if (!std::isfinite(v)) return false;
  value = v;
  return true;
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
  if (!parseIntegerField(columns(first, last), v)) {
    fail(first, last);
    return 0;
  }
  return static_cast<int>(v);
}

float Card::real(int first, int last, int decimals) {
  float v = 0.0f;
  if (!parseRealField(columns(first, last), decimals, v)) {
    fail(first, last);
    return 0.0f;
  }
  return v;
}

void Card::fail(int first, int last) {
  if (bad_) return;
  bad_ = true;
  error_ = FieldError{first, last, columns(first, last)};
}

}  // namespace bentpier
