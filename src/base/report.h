// Line-printer report: carriage control, fixed-width fields, page counting.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace bentpier {

// Carriage-control characters that open every report line.
inline constexpr char kNewPage = '1';
inline constexpr char kSkipLine = '0';
inline constexpr char kNextLine = ' ';
inline constexpr char kOverprint = '+';

// Fortran Fw.d: right-justified in w columns, rounded to d decimals; a value
// that does not fit (or is not finite) prints as w asterisks. With d = 0 the
// value prints as a whole number without a decimal point.
std::string fmtF(double value, int width, int decimals);

// Fortran Iw: right-justified integer, w asterisks when it does not fit.
std::string fmtI(long long value, int width);

// Fortran Iw.w: integer with leading zeros (skew minutes and seconds).
std::string fmtIZ(long long value, int width);

// One report line under construction; the first character is its carriage
// control, the rest is the printed text.
class Line {
 public:
  explicit Line(char carriage_control) : text_(1, carriage_control) {}
  Line& text(std::string_view s) { text_ += s; return *this; }
  Line& blanks(int n) { if (n > 0) text_.append(static_cast<size_t>(n), ' '); return *this; }
  Line& f(double v, int w, int d) { text_ += fmtF(v, w, d); return *this; }
  Line& i(long long v, int w) { text_ += fmtI(v, w); return *this; }
  Line& iz(long long v, int w) { text_ += fmtIZ(v, w); return *this; }
  Line& ch(char c) { text_ += c; return *this; }
  const std::string& str() const { return text_; }

 private:
  std::string text_;
};

// The report stream. Lines are written with their carriage control either
// interpreted the way an `asa` filter does (the default) or kept raw as the
// first character of each stored line. A report may instead keep its lines
// as written, to be replayed later into the real report in their place
// (one problem analysed apart from the others).
class Report {
 public:
  explicit Report(std::ostream& out, bool raw = false) : out_(&out), raw_(raw) {}
  explicit Report(std::vector<std::string>& kept) : kept_(&kept) {}

  // Writes one line whose first character is the carriage control.
  void write(std::string_view line);
  void write(const Line& line) { write(line.str()); }
  Report& operator<<(const Line& line) { write(line.str()); return *this; }

  // Writes kept lines in order, as if each had been written here.
  void replay(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) write(line);
  }

  // Ends the last line; call once when the run is over.
  void finish();

  int pages() const { return pages_; }          // pages started so far
  int linesOnPage() const { return lines_on_page_; }
  bool good() const { return kept_ || static_cast<bool>(*out_); }

 private:
  std::ostream* out_ = nullptr;
  std::vector<std::string>* kept_ = nullptr;  // set for a report that keeps its lines
  bool raw_ = false;
  bool started_ = false;
  int pages_ = 0;
  int lines_on_page_ = 0;
};

}  // namespace bentpier
