// A small writer of HTML and inline SVG: elements with attributes, and text
// that is always escaped. Every text and attribute value of the HTML report
// passes through it, so nothing from a deck (titles, labels) can break the
// markup.
#pragma once

#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace bentpier::html {

// Text with &, <, >, " and ' replaced by their character references, and
// control characters other than tab and newline dropped (they are not
// allowed in XML, which the inline SVG must stay).
std::string escape(std::string_view text);

// A number as an SVG coordinate: fixed with at most `decimals` places,
// trailing zeros dropped; a value that is not finite is written as 0 so that
// the drawing stays valid (callers keep non-finite values out).
std::string coord(double value, int decimals = 2);

// A value as the report prints it: fixed with `decimals` places.
std::string fixed(double value, int decimals);

using Attributes = std::vector<std::pair<std::string, std::string>>;

// Writes elements to a stream. Open elements are closed in order by close();
// the writer checks nothing else, so callers keep the nesting.
class Writer {
 public:
  explicit Writer(std::ostream& out) : out_(out) {}

  void open(std::string_view tag, const Attributes& attrs = {});
  void close();
  // An element with text content, opened and closed at once.
  void element(std::string_view tag, const Attributes& attrs, std::string_view text);
  // An element without content, self-closed (used for SVG shapes).
  void empty(std::string_view tag, const Attributes& attrs);
  // A void HTML element such as <meta> (no closing, no slash).
  void voidElement(std::string_view tag, const Attributes& attrs);
  void text(std::string_view text);
  // Markup the caller has built itself from constants (the document type,
  // the style sheet); never deck text.
  void raw(std::string_view markup) { out_ << markup; }
  void newline() { out_ << '\n'; }

  size_t depth() const { return open_.size(); }

 private:
  void writeAttributes(const Attributes& attrs);

  std::ostream& out_;
  std::vector<std::string> open_;
};

}  // namespace bentpier::html
