#include "base/report.h"

#include <cmath>

namespace bentpier {

std::string fmtF(double value, int width, int decimals) {
  const std::string stars(static_cast<size_t>(width > 0 ? width : 0), '*');
  if (width <= 0 || decimals < 0 || decimals > 9 || !std::isfinite(value)) return stars;
  // Round half away from zero, as engineers read a printed figure.
  const double scale = std::pow(10.0, decimals);
  const double scaled = std::round(std::fabs(value) * scale);
  if (scaled >= 1e17) return stars;
  std::string digits = std::to_string(static_cast<unsigned long long>(scaled));
  if (decimals > 0) {
    if (static_cast<int>(digits.size()) <= decimals)
      digits.insert(0, static_cast<size_t>(decimals + 1) - digits.size(), '0');
    digits.insert(digits.size() - static_cast<size_t>(decimals), 1, '.');
  }
  // A value that rounds to zero prints without a minus sign.
  if (value < 0 && scaled > 0) digits.insert(0, 1, '-');
  if (static_cast<int>(digits.size()) > width) {
    // Like a line printer, drop the leading zero of a fraction before giving up.
    if (digits.rfind("0.", 0) == 0 || digits.rfind("-0.", 0) == 0)
      digits.erase(digits[0] == '-' ? 1 : 0, 1);
    if (static_cast<int>(digits.size()) > width) return stars;
  }
  return std::string(static_cast<size_t>(width) - digits.size(), ' ') + digits;
}

std::string fmtI(long long value, int width) {
  const std::string s = std::to_string(value);
  if (width <= 0 || static_cast<int>(s.size()) > width)
    return std::string(static_cast<size_t>(width > 0 ? width : 0), '*');
  return std::string(static_cast<size_t>(width) - s.size(), ' ') + s;
}

std::string fmtIZ(long long value, int width) {
  std::string digits = std::to_string(value < 0 ? -value : value);
  if (static_cast<int>(digits.size()) < width - (value < 0 ? 1 : 0))
    digits.insert(0, static_cast<size_t>(width - (value < 0 ? 1 : 0)) - digits.size(), '0');
  if (value < 0) digits.insert(0, 1, '-');
  if (width <= 0 || static_cast<int>(digits.size()) > width)
    return std::string(static_cast<size_t>(width > 0 ? width : 0), '*');
  return digits;
}

void Report::write(std::string_view line) {
  if (kept_) {
    kept_->emplace_back(line);
    return;
  }
  const char cc = line.empty() ? kNextLine : line[0];
  std::string_view body = line.empty() ? line : line.substr(1);
  // Trailing blanks carry nothing on a printer; do not store them.
  while (!body.empty() && body.back() == ' ') body.remove_suffix(1);

  if (cc == kNewPage) {
    ++pages_;
    lines_on_page_ = 1;
  } else if (cc == kSkipLine) {
    lines_on_page_ += 2;
  } else if (cc != kOverprint) {
    lines_on_page_ += 1;
  }

  if (raw_) {
    if (started_) *out_ << '\n';
    *out_ << cc << body;
  } else {
    switch (cc) {
      case kOverprint:
        if (started_) *out_ << '\r';
        break;
      case kSkipLine:
        if (started_) *out_ << '\n';
        *out_ << '\n';
        break;
      case kNewPage:
        if (started_) *out_ << '\n';
        *out_ << '\f';
        break;
      default:
        if (started_) *out_ << '\n';
        break;
    }
    *out_ << body;
  }
  started_ = true;
}

void Report::finish() {
  if (kept_) return;
  if (started_) *out_ << '\n';
  out_->flush();
}

}  // namespace bentpier
