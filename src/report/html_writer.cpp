#include "report/html_writer.h"

#include <cmath>
#include <cstdio>

namespace bentpier::html {

std::string escape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    switch (ch) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&#39;"; break;
      default:
        if (c < 0x20 && ch != '\t' && ch != '\n') break;
        if (c == 0x7f) break;
        out += ch;
    }
  }
  return out;
}

std::string fixed(double value, int decimals) {
  if (!std::isfinite(value)) return "-";
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
  std::string s = buf;
  // A value that rounds to zero is written without a sign.
  if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
  return s;
}

std::string coord(double value, int decimals) {
  if (!std::isfinite(value)) return "0";
  std::string s = fixed(value, decimals);
  if (s.find('.') != std::string::npos) {
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
  }
  if (s == "-0") s = "0";
  return s;
}

void Writer::writeAttributes(const Attributes& attrs) {
  for (const auto& [name, value] : attrs) out_ << ' ' << name << "=\"" << escape(value) << '"';
}

void Writer::open(std::string_view tag, const Attributes& attrs) {
  out_ << '<' << tag;
  writeAttributes(attrs);
  out_ << '>';
  open_.emplace_back(tag);
}

void Writer::close() {
  if (open_.empty()) return;
  out_ << "</" << open_.back() << '>';
  open_.pop_back();
}

void Writer::element(std::string_view tag, const Attributes& attrs, std::string_view content) {
  out_ << '<' << tag;
  writeAttributes(attrs);
  out_ << '>' << escape(content) << "</" << tag << '>';
}

void Writer::empty(std::string_view tag, const Attributes& attrs) {
  out_ << '<' << tag;
  writeAttributes(attrs);
  out_ << "/>";
}

void Writer::voidElement(std::string_view tag, const Attributes& attrs) {
  out_ << '<' << tag;
  writeAttributes(attrs);
  out_ << '>';
}

void Writer::text(std::string_view content) { out_ << escape(content); }

}  // namespace bentpier::html
