#include "groups/fixed_record.h"

#include <cmath>
#include <cstdio>
#include <limits>

#include "input/card.h"
#include "base/report.h"

namespace bentpier {
namespace {

// Significant digits of a single-precision value.
constexpr int kFloatDigits = 7;

// Largest magnitude written as an implied-decimal integer.
constexpr float kLargestImplied = 1e15f;

bool fits(const std::string& s, int width) {
  return !s.empty() && static_cast<int>(s.size()) <= width && s.find('*') == std::string::npos;
}

std::string rightJustified(const std::string& s, int width) {
  return std::string(static_cast<size_t>(width) - s.size(), ' ') + s;
}

// value with `decimals` digits after an explicit point; a whole number
// keeps its point ("12.") so that no implied decimals apply on reading.
std::string pointed(float value, int decimals) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, static_cast<double>(value));
  std::string s(buf);
  if (decimals == 0) s += '.';
  // No sign on a value that rounds to zero; no leading zero before the point.
  if (s[0] == '-' && s.find_first_not_of("0.", 1) == std::string::npos) s.erase(0, 1);
  const size_t lead = s[0] == '-' ? 1 : 0;
  if (s.compare(lead, 2, "0.") == 0 && s.size() > lead + 2) s.erase(lead, 1);
  return s;
}

// value in exponent form with `digits` mantissa decimals and the shortest
// exponent: 1.25E9, -3.E12, 4.5E-7.
std::string exponentForm(float value, int digits) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*E", digits, static_cast<double>(value));
  std::string s(buf);
  const size_t e = s.find('E');
  std::string mantissa = s.substr(0, e);
  if (mantissa.find('.') == std::string::npos) mantissa += '.';
  const int exponent = std::stoi(s.substr(e + 1));
  return mantissa + "E" + std::to_string(exponent);
}

}  // namespace

std::string recordReal(float value, int width, int decimals) {
  const std::string stars(static_cast<size_t>(width), '*');
  if (!std::isfinite(value)) return stars;
  // The stated layout: the report's own rounding, half away from zero.
  if (std::string s = fmtF(value, width, decimals); fits(s, width)) return s;
  // Too wide: give up decimals before magnitude.
  for (int d = decimals - 1; d >= 0; --d) {
    const std::string s = pointed(value, d);
    if (fits(s, width)) return rightJustified(s, width);
  }
  for (int d = kFloatDigits - 1; d >= 0; --d) {
    const std::string s = exponentForm(value, d);
    if (fits(s, width)) return rightJustified(s, width);
  }
  return stars;
}

std::string recordInteger(long long value, int width) { return fmtI(value, width); }

void RecordWriter::place(const Field& f, std::string_view s) {
  if (f.first < 1 || f.last > static_cast<int>(text_.size()) || f.last < f.first) return;
  text_.replace(static_cast<size_t>(f.first - 1), static_cast<size_t>(f.width()),
                s.substr(0, static_cast<size_t>(f.width())));
}

RecordWriter& RecordWriter::real(const Field& f, float value) {
  place(f, recordReal(value, f.width(), f.decimals));
  return *this;
}

RecordWriter& RecordWriter::integer(const Field& f, long long value) {
  place(f, recordInteger(value, f.width()));
  return *this;
}

RecordWriter& RecordWriter::impliedReal(const Field& f, float value) {
  const float scaled = std::round(value * std::pow(10.0f, static_cast<float>(f.decimals)));
  // Beyond the range of an integer no field holds it either.
  if (!std::isfinite(scaled) || std::fabs(scaled) > kLargestImplied) {
    place(f, std::string(static_cast<size_t>(f.width()), '*'));
    return *this;
  }
  return integer(f, static_cast<long long>(scaled));
}

RecordWriter& RecordWriter::character(const Field& f, char c) {
  std::string s(static_cast<size_t>(f.width()), ' ');
  s[0] = c;
  place(f, s);
  return *this;
}

RecordWriter& RecordWriter::text(const Field& f, std::string_view s) {
  std::string t(s.substr(0, static_cast<size_t>(f.width())));
  t.resize(static_cast<size_t>(f.width()), ' ');
  place(f, t);
  return *this;
}

std::string RecordReader::columns(const Field& f) const {
  std::string s(static_cast<size_t>(f.width() > 0 ? f.width() : 0), ' ');
  for (int col = f.first; col <= f.last; ++col)
    if (col >= 1 && col <= static_cast<int>(record_.size()))
      s[col - f.first] = record_[col - 1];
  return s;
}

float RecordReader::real(const Field& f) {
  float v = 0.0f;
  if (!parseRealField(columns(f), f.decimals, v)) {
    bad_ = true;
    return std::numeric_limits<float>::quiet_NaN();
  }
  return v;
}

int RecordReader::integer(const Field& f) {
  long long v = 0;
  if (!parseIntegerField(columns(f), v)) {
    bad_ = true;
    return 0;
  }
  return static_cast<int>(v);
}

char RecordReader::character(const Field& f) const { return columns(f)[0]; }

std::string RecordReader::text(const Field& f) const { return columns(f); }

}  // namespace bentpier
