#include "report/html_report.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <string>

#include "report/drawing_geometry.h"
#include "report/html_writer.h"

namespace bentpier {
namespace {

using drawing::Point;
using drawing::Scale;
using html::Attributes;
using html::coord;
using html::fixed;

constexpr const char* kStyle = R"(
body{font-family:sans-serif;color:#000;background:#fff;margin:1.5em;max-width:70em}
h1{font-size:1.4em}h2{font-size:1.2em;border-bottom:2px solid #000}h3{font-size:1.05em}
table{border-collapse:collapse;margin:.5em 0}td,th{border:1px solid #555;padding:.15em .4em;text-align:left}
td.n{text-align:right;font-variant-numeric:tabular-nums}
.fail{font-weight:bold;border:2px solid #000;padding:0 .3em}
.ok{}
svg{display:block;margin:.5em 0;max-width:100%;height:auto}
svg text{font-family:sans-serif;font-size:11px}
figure{margin:.5em 0}figcaption{font-size:.9em}
.column-end figure{width:380px}.column-end h4{margin:.8em 0 .2em}
.problem{break-after:page;page-break-after:always}
.problem:last-of-type{break-after:auto;page-break-after:auto}
@media print{body{margin:0}.problem{break-after:page;page-break-after:always}}
)";

std::string trimmed(const std::string& s) {
  const size_t first = s.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::string charText(char c) { return c == ' ' || c == '\0' ? "" : std::string(1, c); }

std::string setName(const CombinationId& s) {
  std::string t = "group " + charText(s.GR);
  if (!trimmed(s.LLID).empty()) t += ", live load " + trimmed(s.LLID);
  if (s.WC != 0) t += ", wind " + std::to_string(s.WC / 10) + "." + std::to_string(s.WC % 10);
  for (const char f : {s.FLAGR, s.FLAGE, s.FLAGC, s.FLAGS})
    if (f != ' ' && f != '\0') t += std::string(" ") + f;
  return t;
}

// A mark that stands out without colour: bold, boxed, with a symbol.
void failMark(html::Writer& w, const std::string& text) {
  w.element("strong", {{"class", "fail"}}, "\u2716 " + text);
}

// ---------------------------------------------------------------------------
// SVG helpers.

class Svg {
 public:
  Svg(html::Writer& w, double width, double height, const std::string& title,
      const std::string& cls)
      : w_(w) {
    w_.open("svg", {{"xmlns", "http://www.w3.org/2000/svg"},
                    {"role", "img"},
                    {"class", cls},
                    {"viewBox", "0 0 " + coord(width) + " " + coord(height)},
                    {"width", coord(width)},
                    {"height", coord(height)}});
    w_.element("title", {}, title);
  }
  ~Svg() { w_.close(); }
  void line(Point a, Point b, const std::string& style = "stroke:#000",
            const std::string& cls = "") {
    Attributes at{{"x1", coord(a.x)}, {"y1", coord(a.y)}, {"x2", coord(b.x)},
                  {"y2", coord(b.y)}, {"style", style}};
    if (!cls.empty()) at.push_back({"class", cls});
    w_.empty("line", at);
  }
  void polyline(const std::vector<Point>& pts, const std::string& style,
                const std::string& cls = "", bool closed = false) {
    std::string d;
    for (const Point& p : pts) d += (d.empty() ? "" : " ") + coord(p.x) + "," + coord(p.y);
    Attributes at{{"points", d}, {"style", style}};
    if (!cls.empty()) at.push_back({"class", cls});
    w_.empty(closed ? "polygon" : "polyline", at);
  }
  void text(Point at, const std::string& s, const std::string& anchor = "start",
            const std::string& extra = "") {
    Attributes a{{"x", coord(at.x)}, {"y", coord(at.y)}, {"text-anchor", anchor}};
    if (!extra.empty()) a.push_back({"style", extra});
    w_.element("text", a, s);
  }
  void circle(Point c, double r, const std::string& style, const Attributes& more = {}) {
    Attributes a{{"cx", coord(c.x)}, {"cy", coord(c.y)}, {"r", coord(r)}, {"style", style}};
    a.insert(a.end(), more.begin(), more.end());
    w_.empty("circle", a);
  }
  void rect(double x, double y, double w, double h, const std::string& style,
            const Attributes& more = {}) {
    Attributes a{{"x", coord(x)}, {"y", coord(y)}, {"width", coord(w)}, {"height", coord(h)},
                 {"style", style}};
    a.insert(a.end(), more.begin(), more.end());
    w_.empty("rect", a);
  }
  html::Writer& writer() { return w_; }

 private:
  html::Writer& w_;
};

// Axes of a plot frame with ticks, numbers and labels.
void axes(Svg& svg, const drawing::PlotFrame& f, const std::string& xlabel,
          const std::string& ylabel, int xdec = 0, int ydec = 0) {
  const double x0 = f.x(f.x_ticks.front()), x1 = f.x(f.x_ticks.back());
  const double y0 = f.y(f.y_ticks.front()), y1 = f.y(f.y_ticks.back());
  for (const double t : f.x_ticks) {
    const double x = f.x(t);
    svg.line({x, y0}, {x, y1}, "stroke:#ccc;stroke-width:0.5");
    svg.text({x, y0 + 13}, fixed(t, xdec), "middle");
  }
  for (const double t : f.y_ticks) {
    const double y = f.y(t);
    svg.line({x0, y}, {x1, y}, "stroke:#ccc;stroke-width:0.5");
    svg.text({x0 - 4, y + 4}, fixed(t, ydec), "end");
  }
  // The zero lines, heavier.
  if (f.x_ticks.front() <= 0 && f.x_ticks.back() >= 0)
    svg.line({f.x(0), y0}, {f.x(0), y1}, "stroke:#000;stroke-width:1");
  if (f.y_ticks.front() <= 0 && f.y_ticks.back() >= 0)
    svg.line({x0, f.y(0)}, {x1, f.y(0)}, "stroke:#000;stroke-width:1");
  svg.rect(x0, y1, x1 - x0, y0 - y1, "fill:none;stroke:#000;stroke-width:0.8");
  svg.text({(x0 + x1) / 2, y0 + 28}, xlabel, "middle");
  svg.writer().element("text",
                       {{"x", "0"}, {"y", "0"}, {"text-anchor", "middle"},
                        {"transform", "translate(12," + coord((y0 + y1) / 2) + ") rotate(-90)"}},
                       ylabel);
}

// Line styles that read in greyscale: solid, dashed, dotted, dash-dot.
const char* const kDash[] = {"", "stroke-dasharray:6,3", "stroke-dasharray:2,2",
                             "stroke-dasharray:8,3,2,3", "stroke-dasharray:12,4"};
const char* const kGrey[] = {"#000", "#333", "#555", "#777", "#222"};

std::string lineStyle(int i, double width = 1.5) {
  const int k = i % 5;
  std::string s = std::string("fill:none;stroke:") + kGrey[k] + ";stroke-width:" + coord(width);
  if (*kDash[k] != '\0') s += std::string(";") + kDash[k];
  return s;
}

// A legend below a plot: one entry per series, a short sample of its line
// (with a square where the series is marked by squares), in rows of four.
struct LegendEntry {
  std::string name, style;
  bool squares = false;
  bool diamond = false;
};

void legend(Svg& svg, Point at, const std::vector<LegendEntry>& entries) {
  for (size_t i = 0; i < entries.size(); ++i) {
    const double x = at.x + 210.0 * static_cast<double>(i % 4);
    const double y = at.y + 14.0 * static_cast<double>(i / 4);
    svg.line({x, y}, {x + 28, y}, entries[i].style);
    if (entries[i].squares) svg.rect(x + 11, y - 3, 6, 6, "fill:#fff;stroke:#000;stroke-width:1.2");
    if (entries[i].diamond)
      svg.polyline({{x + 14, y - 4}, {x + 18, y}, {x + 14, y + 4}, {x + 10, y}},
                   "fill:#000;stroke:none", "", true);
    svg.text({x + 33, y + 4}, entries[i].name);
  }
}

std::vector<LegendEntry> lineLegend(const std::vector<std::string>& names) {
  std::vector<LegendEntry> entries;
  for (size_t i = 0; i < names.size(); ++i)
    entries.push_back({names[i], lineStyle(static_cast<int>(i)), false});
  return entries;
}

// A design load's mark: a small circle, or for the governing load a box
// with a cross and its label.
void loadMark(Svg& svg, Point p, int number, bool governing, const std::string& label) {
  svg.writer().open("g", {{"class", governing ? "load governing" : "load"},
                          {"data-load", std::to_string(number)}});
  if (governing) {
    svg.rect(p.x - 5, p.y - 5, 10, 10, "fill:#fff;stroke:#000;stroke-width:2");
    svg.line({p.x - 5, p.y - 5}, {p.x + 5, p.y + 5}, "stroke:#000;stroke-width:1.5");
    svg.line({p.x - 5, p.y + 5}, {p.x + 5, p.y - 5}, "stroke:#000;stroke-width:1.5");
    svg.text({p.x + 8, p.y - 6}, label, "start", "font-weight:bold");
  } else {
    svg.circle(p, 3, "fill:#fff;stroke:#000;stroke-width:1");
  }
  svg.writer().close();
}

// ---------------------------------------------------------------------------
// One problem.

class ProblemPage {
 public:
  ProblemPage(html::Writer& w, const Problem& p) : w_(w), p_(p), r_(p.results) {}
  void write();

 private:
  void summary();
  void memberTable();
  void messages();
  void elevation();
  void envelopes();
  void columns();
  void columnEnd(const ColumnEndOutcome& e);
  void section(const ColumnEndOutcome& e);
  void interaction(const ColumnEndOutcome& e, int direction);
  void contour(const ColumnEndOutcome& e);
  void piles();
  void pileBentPlan();
  void footingPiles(Svg& svg, const FootingOutcome& f, Point centre, double unit);
  void footings();
  void footingPlan(const FootingOutcome& f);

  int ncol() const { return std::clamp(p_.used.dd.NCOL, 0, kMaxColumns); }
  std::string id(const std::string& part) const {
    return "p" + std::to_string(number_) + "-" + part;
  }

  html::Writer& w_;
  const Problem& p_;
  const ProblemResults& r_;
  int number_ = 0;
  drawing::BentElevation bent_;

 public:
  void setNumber(int n) { number_ = n; }
};

void ProblemPage::write() {
  const std::string number = trimmed(p_.PROBNO);
  w_.open("section", {{"class", "problem"}, {"id", id("problem")},
                      {"data-problem", number}});
  w_.element("h2", {}, "Problem " + number + (trimmed(p_.TITLE).empty() ? "" : ": ") +
                           trimmed(p_.TITLE));
  summary();
  if (!r_.input_error) {
    std::vector<drawing::FootingSize> sizes(static_cast<size_t>(ncol()));
    for (const FootingOutcome& f : r_.footings) {
      if (f.status != FootingOutcome::Status::kDesigned) continue;
      if (f.footing < 1 || f.footing > ncol()) continue;
      sizes[static_cast<size_t>(f.footing - 1)] = {f.D, f.T, f.SP == 'P'};
    }
    // Footings given on the cards but not designed are drawn as given.
    if (p_.used.dd.FTGOPT != ' ')
      for (int c = 1; c <= ncol(); ++c) {
        const Footing& g = p_.used.ftg[static_cast<size_t>(c)];
        auto& s = sizes[static_cast<size_t>(c - 1)];
        if (s.width <= 0 && g.D > 0 && g.T > 0) s = {g.D, g.T, g.SP == 'P'};
      }
    bent_ = drawing::bentElevation(p_.used, sizes);
    elevation();
    envelopes();
    columns();
    piles();
    footings();
  }
  w_.close();
  w_.newline();
}

// --- Summary ---------------------------------------------------------------

void ProblemPage::summary() {
  w_.element("h3", {}, "Summary");
  w_.open("p");
  w_.text("Status: ");
  if (r_.input_error) {
    failMark(w_, "INPUT ERROR");
    w_.text(" \u2013 the problem was not analysed.");
  } else {
    w_.text("analysed; stages run: ");
    std::string stages;
    for (const std::string& s : r_.stages) stages += (stages.empty() ? "" : ", ") + s;
    w_.text(stages + ".");
  }
  w_.close();
  messages();
  if (!r_.input_error) memberTable();
}

void ProblemPage::messages() {
  std::vector<std::string> notes;
  for (const Message& m : r_.messages) {
    std::string t = trimmed(m.text);
    const char* sev = m.severity == Message::Severity::kError     ? "Error"
                      : m.severity == Message::Severity::kWarning ? "Warning"
                                                                  : "Note";
    std::string where;
    if (m.line > 0) where += " (deck line " + std::to_string(m.line);
    if (m.card > 0) where += (where.empty() ? " (" : ", ") + std::string("card ") +
                             std::to_string(m.card);
    if (m.first_column > 0)
      where += ", columns " + std::to_string(m.first_column) + "-" + std::to_string(m.last_column);
    if (!where.empty()) where += ")";
    notes.push_back(std::string(sev) + ": " + t + where);
  }
  const CapDesignResult& cap = r_.cap;
  if (cap.ran && cap.crack_control_note)
    notes.push_back("Note: at a cap point the bars do not meet the crack-control limit (FS/FZ above 1).");
  if (cap.ran && cap.fatigue_note)
    notes.push_back("Note: at a cap point the steel stress range exceeds the fatigue limit (FS/FF above 1).");
  if (cap.ran && cap.deepened_note)
    notes.push_back("Note: the cap was deepened at a design point to carry its moment.");
  for (const ColumnEndOutcome& e : r_.columns)
    if (e.exact_ratio > 0)
      notes.push_back("Note: column " + std::to_string(e.column) + " " + e.end +
                      ": the exact biaxial strength of a load falls short of it (factored ratio " +
                      fixed(e.exact_ratio, 3) + " below 0.99) although the load contour passes.");
  for (const FootingOutcome& f : r_.footings)
    if (!trimmed(f.failure).empty())
      notes.push_back("Footing " + std::to_string(f.footing) + ": " + trimmed(f.failure));
  if (notes.empty()) return;
  w_.open("ul", {{"class", "notes"}});
  for (const std::string& n : notes) w_.element("li", {}, n);
  w_.close();
}

void ProblemPage::memberTable() {
  w_.open("table", {{"class", "members"}});
  w_.open("tr");
  for (const char* h : {"Member", "Status", "Governing group and load", "Ratio", "Remarks"})
    w_.element("th", {}, h);
  w_.close();
  auto row = [&](const std::string& member, bool ok, const std::string& status,
                 const std::string& governs, const std::string& ratio, const std::string& remark) {
    w_.open("tr");
    w_.element("td", {}, member);
    w_.open("td");
    if (ok) {
      w_.text("\u2714 " + status);
    } else {
      failMark(w_, status);
    }
    w_.close();
    w_.element("td", {}, governs);
    w_.element("td", {{"class", "n"}}, ratio);
    w_.element("td", {}, remark);
    w_.close();
  };
  for (const CapPointResult& c : r_.cap.points) {
    const bool ok = c.status == CapPointResult::Status::kDesigned;
    const std::string status = ok ? "designed"
                               : c.status == CapPointResult::Status::kCannotDesign
                                   ? "NOT DESIGNED (cannot be designed)"
                                   : "NOT DESIGNED (depth limit reached)";
    std::string remark = "MBPOS " + fixed(c.MBPOS, 1) + ", MBNEG " + fixed(c.MBNEG, 1) + " kip-ft";
    std::string ratio;
    if (ok) {
      remark += "; h " + fixed(c.h, 1) + " in; top " + std::to_string(c.top.NBARS) + " #" +
                std::to_string(c.top.size) + ", bottom " + std::to_string(c.bottom.NBARS) +
                " #" + std::to_string(c.bottom.size);
      if (r_.cap.METHOD != 'S') ratio = "FS/FF " + fixed(c.FS_FF, 3) + ", FS/FZ " + fixed(c.FS_FZ, 3);
      else ratio = "FC " + std::to_string(c.IFC) + " psi";
    }
    row("cap point " + trimmed(c.label), ok, status, "cap envelope (every group)", ratio, remark);
  }
  for (const ColumnEndOutcome& e : r_.columns) {
    const bool ok = e.status == ColumnEndOutcome::Status::kDesigned;
    const std::string status =
        ok ? (e.option == 'I' ? "investigated" : "designed")
           : e.status == ColumnEndOutcome::Status::kUnstable ? "UNSTABLE OR NO DESIGN POSSIBLE"
                                                             : "INPUT ERROR";
    std::string governs, ratio, remark;
    if (ok) {
      governs = "load " + std::to_string(e.governing_load) + ": " + setName(e.governing_set);
      ratio = "PU/PM " + fixed(e.PUPM, 3);
      remark = "AS " + fixed(e.AS, 2) + " sq in (" + fixed(e.PS, 2) + " %)";
    }
    row("column " + std::to_string(e.column) + " " + e.end, ok, status, governs, ratio, remark);
  }
  for (const FootingOutcome& f : r_.footings) {
    const bool ok = f.status == FootingOutcome::Status::kDesigned ||
                    f.status == FootingOutcome::Status::kSameAs;
    const std::string status =
        f.status == FootingOutcome::Status::kDesigned ? "designed"
        : f.status == FootingOutcome::Status::kSameAs
            ? "same as footing " + std::to_string(f.same_as)
        : f.status == FootingOutcome::Status::kFailed ? "NOT DESIGNED (failed)"
                                                      : "NOT DESIGNED (data out of order)";
    std::string ratio, remark;
    if (f.status == FootingOutcome::Status::kDesigned) {
      ratio = (f.SP == 'P' ? "pile load/allowable " : "soil pressure/allowable ") +
              fixed(f.P1_PA, 3);
      remark = "B " + fixed(f.B, 2) + " ft, D " + fixed(f.D, 2) + " ft, T " + fixed(f.T, 2) + " ft";
    } else {
      remark = trimmed(f.failure);
    }
    row(std::string(f.SP == 'P' ? "pile footing " : "footing ") + std::to_string(f.footing), ok,
        status, "footing design sets", ratio, remark);
  }
  w_.close();
}

// --- Elevation -----------------------------------------------------------------

void ProblemPage::elevation() {
  const drawing::BentElevation& e = bent_;
  if (e.columns.empty()) return;
  w_.element("h3", {}, "Bent elevation");
  const double width = 900, margin = 50;
  const double spanX = std::max(e.cap_right - e.cap_left, 1.0);
  const double spanY = std::max(-e.lowest, 1.0);
  const double unit = std::min((width - 2 * margin) / spanX, 420.0 / spanY);
  const double height = spanY * unit + 2 * margin + 40;
  const Scale X{e.cap_left, e.cap_right, margin, margin + spanX * unit};
  const Scale Y{0.0, -spanY, margin + 20, margin + 20 + spanY * unit};
  auto at = [&](Point p) { return Point{X(p.x), Y(p.y)}; };
  w_.open("figure");
  {
    Svg svg(w_, width, height,
            "Elevation of bent " + trimmed(p_.PROBNO) + " to scale: cap, " +
                std::to_string(e.columns.size()) + " columns, footings and load points",
            "elevation");
    std::vector<Point> cap;
    for (const Point& p : e.cap) cap.push_back(at(p));
    svg.polyline(cap, "fill:#ddd;stroke:#000;stroke-width:1.2", "cap", true);
    for (const drawing::ColumnOutline& c : e.columns) {
      std::vector<Point> o;
      for (const Point& p : c.outline) o.push_back(at(p));
      svg.writer().open("g", {{"class", c.pile ? "column pile" : "column"},
                              {"data-column", std::to_string(c.column)}});
      svg.polyline(o, std::string("fill:") + (c.pile ? "#fff" : "#bbb") +
                          ";stroke:#000;stroke-width:1" + (c.pile ? ";stroke-dasharray:4,2" : ""),
                   "", true);
      const Point top = at({c.x, c.outline[0].y}), base = at(c.base);
      svg.line(top, base, "stroke:#000;stroke-width:0.5;stroke-dasharray:6,2,1,2");
      // Column number in a circle below the cap.
      const Point label{(top.x + base.x) / 2, (top.y + base.y) / 2};
      svg.circle(label, 9, "fill:#fff;stroke:#000");
      svg.text({label.x, label.y + 4}, std::to_string(c.column), "middle");
      svg.writer().close();
    }
    for (const drawing::FootingOutline& f : e.footings) {
      const Point a = at({f.left, f.top}), b = at({f.right, f.bottom});
      svg.writer().open("g", {{"class", "footing"}, {"data-footing", std::to_string(f.footing)}});
      svg.rect(a.x, a.y, b.x - a.x, b.y - a.y,
               std::string("fill:") + (f.pile ? "#eee" : "#999") + ";stroke:#000");
      if (f.pile)  // schematic piles below a pile footing
        for (const double t : {0.2, 0.5, 0.8})
          svg.line({a.x + t * (b.x - a.x), b.y}, {a.x + t * (b.x - a.x), b.y + 18},
                   "stroke:#000;stroke-dasharray:3,2");
      svg.text({(a.x + b.x) / 2, b.y + (f.pile ? 30 : 13)}, "F" + std::to_string(f.footing),
               "middle");
      svg.writer().close();
    }
    // Load points: arrows onto the top of the cap, numbered as on the cards.
    std::map<long long, int> stack;
    for (const drawing::LoadPointMark& l : e.loads) {
      const Point p = at({l.x, 0.0});
      const int k = stack[std::llround(p.x)]++;
      const double y0 = p.y - 14 - 12.0 * k;
      svg.writer().open("g", {{"class", "load-point"}, {"data-point", std::to_string(l.point)}});
      svg.line({p.x, y0}, {p.x, p.y}, "stroke:#000;stroke-width:1");
      svg.polyline({{p.x - 3, p.y - 5}, {p.x, p.y}, {p.x + 3, p.y - 5}}, "fill:#000;stroke:#000",
                   "", true);
      svg.text({p.x + 2, y0 - 2}, std::to_string(l.point), "start", "font-size:9px");
      svg.writer().close();
    }
    // Main dimensions: the spans between column lines and the cantilevers.
    const double dimY = Y(e.lowest) + 30;
    std::vector<double> stops;
    if (p_.used.dd.NCAN >= 1) stops.push_back(e.column_lines.front() - p_.used.cap[1].L);
    for (double x : e.column_lines) stops.push_back(x);
    if (p_.used.dd.NCAN == 2)
      stops.push_back(e.column_lines.back() + p_.used.cap[static_cast<size_t>(ncol() + 1)].L);
    for (size_t i = 0; i + 1 < stops.size(); ++i) {
      const double a = X(stops[i]), b = X(stops[i + 1]);
      svg.line({a, dimY}, {b, dimY}, "stroke:#000;stroke-width:0.7");
      svg.line({a, dimY - 4}, {a, dimY + 4}, "stroke:#000");
      svg.line({b, dimY - 4}, {b, dimY + 4}, "stroke:#000");
      svg.text({(a + b) / 2, dimY - 3}, fixed(stops[i + 1] - stops[i], 2) + " ft", "middle",
               "font-size:9px");
    }
    // Heights of the columns and the deepest cap, beside the drawing.
    const drawing::ColumnOutline& first = e.columns.front();
    svg.text({X(first.base.x) + 12, Y((first.outline[0].y + first.base.y) / 2) + 16},
             "HT " + fixed(first.height, 2) + " ft", "start", "font-size:9px");
    svg.text({X(e.cap_left), Y(0) - 6}, "cap depth up to " + fixed(e.deepest_cap, 2) + " ft",
             "start", "font-size:9px");
  }
  w_.element("figcaption", {},
             "Elevation to scale (transverse plane). Cap grey with its haunches, columns numbered "
             "in circles (piles dashed), footings F1.. in their designed width and thickness, "
             "load points 1.." + std::to_string(bent_.loads.size()) +
                 " numbered as on the load cards; dimensions in ft.");
  w_.close();
}

// --- Cap envelopes -----------------------------------------------------------

void ProblemPage::envelopes() {
  if (r_.cap_moments.empty() || bent_.column_lines.empty()) return;
  // Place of every bearing point as the cap table numbers them.
  std::map<int, drawing::CapTablePoint> points;
  for (const drawing::CapTablePoint& q : drawing::capTablePoints(p_.used, bent_.column_lines))
    points[q.number] = q;
  struct Row {
    double x;
    const CapMomentsRow* r;
    float g6max, g6min;  // group VI, where formed
  };
  std::vector<Row> rows;
  for (const CapMomentsRow& r : r_.cap_moments) {
    if (r.kind == 'C') {
      if (r.number < 1 || r.number > static_cast<int>(bent_.columns.size())) continue;
      const drawing::ColumnOutline& c = bent_.columns[static_cast<size_t>(r.number - 1)];
      // A segment's left end ('L') is the right face of its column.
      const bool rightFace = r.side == 'L';
      rows.push_back({c.x + (rightFace ? c.top_width / 2 : -c.top_width / 2), &r, r.G6_max,
                      r.G6_min});
    } else {
      const auto it = points.find(r.number);
      if (it == points.end()) continue;
      rows.push_back({it->second.x, &r, r.G6_max, r.G6_min});
    }
  }
  std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.x < b.x; });
  if (rows.empty()) return;
  const bool groupSix = r_.cap_moments.front().has_group_six;
  // The capacity of the designed section at every designed point.
  struct Capacity {
    double x;
    float pos, neg;
    float designPos, designNeg;  // the moments the point was designed for
  };
  std::vector<Capacity> capacity;
  for (const CapPointResult& c : r_.cap.points) {
    if (c.status != CapPointResult::Status::kDesigned) continue;
    const std::string label = trimmed(c.label);
    if (label.size() < 2) continue;
    const int n = std::atoi(label.c_str() + 1);
    const float designPos = c.MDPOS, designNeg = c.MDNEG;
    if (label[0] == 'C' && n >= 1 && n <= static_cast<int>(bent_.column_lines.size())) {
      capacity.push_back({bent_.column_lines[static_cast<size_t>(n - 1)], c.MCAP_POS, c.MCAP_NEG,
                          designPos, designNeg});
    } else if (label[0] == 'P' && points.count(n) != 0) {
      capacity.push_back({points[n].x, c.MCAP_POS, c.MCAP_NEG, designPos, designNeg});
    }
  }
  std::stable_sort(capacity.begin(), capacity.end(),
                   [](const Capacity& a, const Capacity& b) { return a.x < b.x; });
  w_.element("h3", {}, "Cap envelopes");
  // Moments.
  {
    std::vector<Point> all;
    for (const Row& r : rows) {
      for (float m : r.r->moments) all.push_back({r.x, m});
      if (groupSix) {
        all.push_back({r.x, r.g6max});
        all.push_back({r.x, r.g6min});
      }
    }
    all.push_back({bent_.cap_left, 0});
    all.push_back({bent_.cap_right, 0});
    for (const Capacity& c : capacity) {
      all.push_back({c.x, c.pos});
      all.push_back({c.x, c.neg});
      all.push_back({c.x, c.designPos});
      all.push_back({c.x, c.designNeg});
    }
    drawing::PlotFrame f = drawing::plotFrame(all, 900, 320, 60);
    const bool strength = r_.cap.METHOD != 'S';
    w_.open("figure");
    {
      Svg svg(w_, 900, 350, "Cap moment envelopes along the cap, kip-ft", "envelope moment");
      axes(svg, f, "distance along the cap from its left end, ft",
           "moment, kip-ft (sagging +)");
      for (size_t s = 0; s < 7; ++s) {
        std::vector<Point> pts;
        for (const Row& r : rows) pts.push_back({f.x(r.x), f.y(r.r->moments[s])});
        svg.polyline(pts, lineStyle(static_cast<int>(s < 1 ? 0 : (s + 1) / 2)),
                     "series");
      }
      std::vector<std::string> names{"dead load", "group I max + / \u2212",
                                     "group II max + / \u2212", "group III max + / \u2212"};
      if (groupSix) {
        for (const bool max : {true, false}) {
          std::vector<Point> pts;
          for (const Row& r : rows) pts.push_back({f.x(r.x), f.y(max ? r.g6max : r.g6min)});
          svg.polyline(pts, lineStyle(4), "series group-six");
        }
        names.push_back("group VI max + / \u2212");
      }
      std::vector<LegendEntry> entries = lineLegend(names);
      if (groupSix) entries.back().style = lineStyle(4);
      if (!capacity.empty()) {
        const std::string style = "fill:none;stroke:#000;stroke-width:2.5;stroke-dasharray:1,4";
        for (const bool pos : {true, false}) {
          std::vector<Point> pts;
          for (const Capacity& c : capacity) pts.push_back({f.x(c.x), f.y(pos ? c.pos : c.neg)});
          svg.polyline(pts, style, "capacity");
          for (const Point& p : pts)
            svg.rect(p.x - 3, p.y - 3, 6, 6, "fill:#fff;stroke:#000;stroke-width:1.2",
                     {{"class", "capacity-point"}});
        }
        entries.push_back({strength ? "design strength \u03c6Mn + / \u2212"
                                    : "allowable moment + / \u2212",
                           style, true});
        // The moments each point was designed for, as filled diamonds.
        for (const Capacity& c : capacity)
          for (const float m : {c.designPos, c.designNeg}) {
            if (m == 0.0f) continue;
            const Point p{f.x(c.x), f.y(m)};
            svg.polyline({{p.x, p.y - 4}, {p.x + 4, p.y}, {p.x, p.y + 4}, {p.x - 4, p.y}},
                         "fill:#000;stroke:none", "design-moment", true);
          }
        entries.push_back({strength ? "design moment of the point (MPOS, MNEG)"
                                    : "service design moment of the point",
                           "stroke:none", false, true});
      }
      legend(svg, {60, 312}, entries);
    }
    std::string caption =
        "Cap moments at the column faces and bearing points, with the maximum and minimum "
        "of each load group";
    caption += strength ? " (factored by 1.3 under the load-factor method)" : "";
    if (groupSix)
      caption += ", group VI included (group III with the expansion or shrinkage of the cap)";
    caption += ". Sign convention: sagging (tension at the bottom face) positive.";
    if (!capacity.empty())
      caption += strength
                     ? " Squares: the design moment strength \u03c6Mn of the section as designed "
                       "at each design point, with the bottom bars (+) and with the top bars "
                       "(\u2212) in tension; diamonds: the design moments MPOS and MNEG the "
                       "point was designed for."
                     : " Squares: the allowable moment of the section as designed at each design "
                       "point (steel at FS or concrete at FC), with the bottom bars (+) and with "
                       "the top bars (\u2212) in tension; diamonds: the service moments the point "
                       "was designed for, the larger of group I (envelope B) and groups II, III "
                       "and VI divided by their allowable overstress factors.";
    caption += " The designed bars of each design point are listed in the summary.";
    w_.element("figcaption", {}, caption);
    w_.close();
  }
  // Shears.
  {
    struct Series {
      int left, right;
      const char* name;
    };
    const Series series[] = {{0, 1, "dead load"}, {2, 3, "group I max +"},
                             {4, 5, "group I max \u2212"}};
    std::vector<Point> all{{bent_.cap_left, 0}, {bent_.cap_right, 0}};
    for (const Row& r : rows)
      for (size_t i = 0; i < 6; ++i)
        if (r.r->has_shear[i]) all.push_back({r.x, r.r->shears[i]});
    drawing::PlotFrame f = drawing::plotFrame(all, 900, 280, 60);
    w_.open("figure");
    {
      Svg svg(w_, 900, 300, "Cap shear envelopes along the cap, kips", "envelope shear");
      axes(svg, f, "distance along the cap from its left end, ft", "shear, kips");
      std::vector<std::string> names;
      int k = 0;
      for (const Series& s : series) {
        std::vector<Point> pts;
        for (const Row& r : rows) {
          if (r.r->has_shear[static_cast<size_t>(s.left)])
            pts.push_back({f.x(r.x) - 0.5, f.y(r.r->shears[static_cast<size_t>(s.left)])});
          if (r.r->has_shear[static_cast<size_t>(s.right)])
            pts.push_back({f.x(r.x) + 0.5, f.y(r.r->shears[static_cast<size_t>(s.right)])});
        }
        svg.polyline(pts, lineStyle(k++ * 2), "series");
        names.push_back(s.name);
      }
      std::vector<LegendEntry> entries;
      for (size_t i = 0; i < names.size(); ++i)
        entries.push_back({names[i], lineStyle(static_cast<int>(2 * i)), false});
      legend(svg, {60, 290}, entries);
    }
    w_.element("figcaption", {},
               "Cap shears just left and right of every column face and bearing point (the "
               "report's D.L. and group I shear columns); shear positive as the report prints it.");
    w_.close();
  }
}

// --- Columns -----------------------------------------------------------------

void ProblemPage::columns() {
  if (r_.columns.empty()) return;
  w_.element("h3", {}, "Column interaction");
  for (const ColumnEndOutcome& e : r_.columns) columnEnd(e);
}

void ProblemPage::columnEnd(const ColumnEndOutcome& e) {
  const std::string name = "Column " + std::to_string(e.column) + " " +
                           (e.end == 'T' ? "top" : "bottom");
  w_.open("div", {{"class", "column-end"},
                  {"data-end", std::to_string(e.column) + std::string(1, e.end)}});
  w_.element("h4", {}, name);
  if (e.status != ColumnEndOutcome::Status::kDesigned) {
    w_.open("p");
    failMark(w_, e.status == ColumnEndOutcome::Status::kUnstable
                     ? "UNSTABLE OR NO DESIGN POSSIBLE"
                     : "ERROR IN INPUT FOR COLUMN");
    w_.text(" " + std::to_string(e.loads.size()) + " design loads; no interaction diagram.");
    w_.close();
    w_.close();
    return;
  }
  w_.open("p");
  w_.text(std::string(e.option == 'I' ? "Investigated" : "Designed") + ": governing load " +
          std::to_string(e.governing_load) + " (" + setName(e.governing_set) + "), PM " +
          fixed(e.PM, 1) + " kips, PU/PM " + fixed(e.PUPM, 3) + "; AS " + fixed(e.AS, 2) +
          " sq in.");
  w_.close();
  w_.open("div", {{"style", "display:flex;flex-wrap:wrap;gap:1em;align-items:flex-start"}});
  section(e);
  if (e.bending & 1) interaction(e, 1);
  if (e.bending & 2) interaction(e, 2);
  if (e.bending == 3 && !e.contour.empty()) contour(e);
  w_.close();
  w_.close();
}

void ProblemPage::section(const ColumnEndOutcome& e) {
  const double size = 200, m = 20;
  const double B = e.type == 'R' ? e.D : e.B, D = e.D;
  if (!(B > 0 && D > 0)) return;
  const double unit = (size - 2 * m) / std::max(B, D);
  const Point c{size / 2, size / 2};
  Svg svg(w_, size, size + 20,
          "Section of column " + std::to_string(e.column) + " " + e.end + ": " +
              std::to_string(e.bars.size()) + " bars",
          "section");
  if (e.type == 'R') {
    svg.circle(c, D / 2 * unit, "fill:#ddd;stroke:#000");
    if (e.VOID > 0) svg.circle(c, e.VOID / 2 * unit, "fill:#fff;stroke:#000");
  } else {
    svg.rect(c.x - B / 2 * unit, c.y - D / 2 * unit, B * unit, D * unit, "fill:#ddd;stroke:#000");
  }
  for (const SectionBarPoint& b : e.bars) {
    const double r = std::max(std::sqrt(b.A / 3.14159265) * unit, 1.5);
    svg.circle({c.x + b.X * unit, c.y - b.Y * unit}, r, "fill:#000;stroke:none",
               {{"class", "bar"}});
  }
  svg.text({c.x, size + 12}, "B " + fixed(B, 1) + " in \u00d7 D " + fixed(D, 1) + " in", "middle");
}

void ProblemPage::interaction(const ColumnEndOutcome& e, int direction) {
  // The interaction curve kept for the results, moments as magnitudes.
  std::vector<CurveSample> curve;
  for (const StrengthPoint& s : e.interaction[static_cast<size_t>(direction - 1)].curve)
    curve.push_back({std::fabs(s.M), s.P});
  std::vector<Point> values;
  for (const CurveSample& s : curve) values.push_back({s.M, s.P});
  auto momentOf = [&](const ColumnLoadCheck& l) { return direction == 1 ? l.MX : l.MY; };
  for (const ColumnLoadCheck& l : e.loads) values.push_back({momentOf(l), l.P});
  const double w = 380, h = 300;
  drawing::PlotFrame f = drawing::plotFrame(values, w, h, 55);
  const std::string mname = direction == 1 ? "MX" : "MY";
  w_.open("figure");
  {
    Svg svg(w_, w, h,
            "Interaction diagram of column " + std::to_string(e.column) + " " + e.end +
                ", bending " + (direction == 1 ? "about x (transverse moment)" : "about y (longitudinal moment)") +
                ", with " + std::to_string(e.loads.size()) + " design loads",
            "interaction");
    axes(svg, f, mname + ", kip-ft", "P, kips (compression +)");
    svg.polyline(drawing::mapPoints(f, [&] {
                   std::vector<Point> p;
                   for (const CurveSample& s : curve) p.push_back({s.M, s.P});
                   return p;
                 }()),
                 lineStyle(0, 2), "curve");
    int i = 0;
    for (const ColumnLoadCheck& l : e.loads) {
      ++i;
      loadMark(svg, {f.x(momentOf(l)), f.y(l.P)}, i, i == e.governing_load,
               "governing " + std::to_string(i) + ": PU/PM " + fixed(e.PUPM, 3));
    }
  }
  w_.element("figcaption", {},
             "Interaction curve (solid, design strength with its reduction, cut off at the "
             "maximum axial strength " + fixed(e.P0, 0) + " kips) and the design loads "
             "(circles; the governing one boxed and crossed).");
  w_.close();
}

void ProblemPage::contour(const ColumnEndOutcome& e) {
  std::vector<Point> curve;
  for (const ContourPoint& c : e.contour) curve.push_back({c.MX, c.MY});
  std::vector<Point> values = curve;
  for (const ColumnLoadCheck& l : e.loads)
    values.push_back({std::fabs(l.MX), std::fabs(l.MY)});
  const double w = 380, h = 300;
  const drawing::PlotFrame f = drawing::plotFrame(values, w, h, 55);
  w_.open("figure");
  {
    Svg svg(w_, w, h,
            "Biaxial load contour of column " + std::to_string(e.column) + " " + e.end +
                " at P " + fixed(e.contour_P, 1) + " kips, with " +
                std::to_string(e.loads.size()) + " design loads",
            "contour");
    axes(svg, f, "MX, kip-ft", "MY, kip-ft");
    svg.polyline(drawing::mapPoints(f, curve), lineStyle(0, 2), "curve");
    const int g = e.governing_load;
    if (g >= 1 && g <= static_cast<int>(e.loads.size())) {
      // The governing load's strength on its load line lies on the contour.
      const ColumnLoadCheck& l = e.loads[static_cast<size_t>(g - 1)];
      const Point strength{f.x(std::fabs(l.MXU)), f.y(std::fabs(l.MYU))};
      svg.line({f.x(0), f.y(0)}, strength, "stroke:#000;stroke-width:0.8;stroke-dasharray:3,2",
               "load-line");
      svg.circle(strength, 3.5, "fill:#000;stroke:none", {{"class", "strength"}});
    }
    int i = 0;
    for (const ColumnLoadCheck& l : e.loads) {
      ++i;
      loadMark(svg, {f.x(std::fabs(l.MX)), f.y(std::fabs(l.MY))}, i, i == g,
               "governing " + std::to_string(i) + ": PU/PM " + fixed(e.PUPM, 3));
    }
  }
  w_.element("figcaption", {},
             "Load contour (solid): the biaxial design strength MX-MY at P " +
                 fixed(e.contour_P, 1) +
                 " kips, the axial strength of the governing load along its load line, "
                 "whose strength is the filled dot where its load line (dashed) meets the "
                 "contour. Every design load's moments are plotted (circles; the governing "
                 "one boxed and crossed); loads at other axial loads meet contours of their own.");
  w_.close();
}

// --- Piles and footings ------------------------------------------------------

void ProblemPage::piles() {
  if (!r_.has_piles) return;
  const PileTables& t = r_.piles;
  w_.element("h3", {}, "Piles of the pile bent (" + t.type + ")");
  pileBentPlan();
  w_.open("table", {{"class", "piles"}});
  w_.open("tr");
  for (const char* h : {"Pile", "Set", "PF, kips", "MTF, kip-ft", "MLF, kip-ft", "PA, kips",
                        "PF/PA"})
    w_.element("th", {}, h);
  w_.close();
  for (const PileLine& l : t.axial) {
    w_.open("tr", {{"class", "pile-load"}});
    w_.element("td", {}, std::to_string(l.pile));
    w_.element("td", {}, setName(l.set));
    w_.element("td", {{"class", "n"}}, fixed(l.PF, 1));
    w_.element("td", {{"class", "n"}}, fixed(l.MTF, 1));
    w_.element("td", {{"class", "n"}}, fixed(l.MLF, 1));
    w_.element("td", {{"class", "n"}}, fixed(l.allowable, 1));
    w_.element("td", {{"class", "n"}}, l.allowable != 0 ? fixed(l.PF / l.allowable, 3) : "-");
    w_.close();
  }
  w_.close();
}

// The piles of a pile bent in a row along the bent, each with its largest
// axial load of the pile table against the allowable.
void ProblemPage::pileBentPlan() {
  std::vector<const drawing::ColumnOutline*> piles;
  for (const drawing::ColumnOutline& c : bent_.columns)
    if (c.pile) piles.push_back(&c);
  if (piles.empty()) return;
  const double width = 900, margin = 50, height = 110;
  const Scale X{bent_.cap_left, bent_.cap_right, margin, width - margin};
  w_.open("figure");
  {
    Svg svg(w_, width, height,
            "Plan of the " + std::to_string(piles.size()) +
                " piles of the pile bent with the largest axial load of each",
            "pile-bent");
    svg.line({X(bent_.cap_left), 40}, {X(bent_.cap_right), 40},
             "stroke:#000;stroke-width:0.7;stroke-dasharray:8,3,2,3");
    for (const drawing::ColumnOutline* c : piles) {
      const PileLine* worst = nullptr;
      for (const PileLine& l : r_.piles.axial)
        if (l.pile == c->column && (worst == nullptr || l.PF > worst->PF)) worst = &l;
      const Point at{X(c->base.x), 40};
      svg.circle(at, 9, "fill:#fff;stroke:#000;stroke-width:1.5",
                 {{"class", "pile"}, {"data-pile", std::to_string(c->column)}});
      svg.text({at.x, at.y + 4}, std::to_string(c->column), "middle");
      if (worst != nullptr) {
        svg.text({at.x, at.y + 26}, fixed(worst->PF, 1) + " k", "middle", "font-size:9px");
        svg.text({at.x, at.y + 38},
                 worst->allowable != 0 ? "PF/PA " + fixed(worst->PF / worst->allowable, 2)
                                       : "PA -",
                 "middle", "font-size:9px");
      }
    }
    svg.text({margin, 16}, "pile bent line (transverse), piles numbered as the columns",
             "start", "font-size:9px");
  }
  w_.element("figcaption", {},
             "Piles of the bent at their base positions along the bent, each with the largest "
             "axial load PF of the pile table (the load of a combination, without a load "
             "factor in a pile bent), kips, and its ratio to the allowable pile load PA.");
  w_.close();
}

std::string footingSetName(const FootingSetId& id) {
  std::string t = "group " + charText(id.GR);
  if (!trimmed(id.LLID).empty()) t += ", live load " + trimmed(id.LLID);
  if (id.WC != 0) t += ", wind " + fixed(id.WC, 1);
  for (const char f : {id.FLAGR, id.FLAGE, id.FLAGC, id.FLAGS})
    if (f != ' ' && f != '\0') t += std::string(" ") + f;
  return t;
}

// The piles of a pile footing in plan, each with its load under the set of
// the largest pile load (the MAX.P1 line of the design loads).
void ProblemPage::footingPiles(Svg& svg, const FootingOutcome& f, Point centre, double unit) {
  const std::vector<PilePlace> places = pilePlaces(f.NP);
  if (places.empty()) return;
  const PileArrangement& a = pileArrangement(f.NP);
  const FootingDesignLoad* governing = nullptr;
  for (const FootingDesignLoad& l : f.design_loads)
    if (trimmed(l.label) == "MAX.P1" && l.set != 0) governing = &l;
  std::vector<double> loads;
  if (governing != nullptr)
    loads = drawing::pileLoads(places, a.NB1, a.ND1, governing->P1, governing->P2,
                               governing->P3, governing->P4);
  for (size_t i = 0; i < places.size(); ++i) {
    // D runs across the drawing, B up it.
    const Point at{centre.x + places[i].d * f.DP * unit, centre.y - places[i].b * f.BP * unit};
    svg.circle(at, 6, "fill:#fff;stroke:#000;stroke-width:1.5",
               {{"class", "pile"}, {"data-pile", std::to_string(i + 1)}});
    if (!loads.empty())  // on a white halo, readable over the bars
      svg.text({at.x, at.y - 9}, fixed(loads[i], 0), "middle",
               "font-size:10px;font-weight:bold;paint-order:stroke;stroke:#fff;stroke-width:3px");
  }
  if (governing != nullptr)
    svg.text({centre.x, 2 * centre.y + 16},
             "pile loads, kips: set " + std::to_string(governing->set) + " (" +
                 footingSetName(governing->id) + ")",
             "middle", "font-size:9px");
}

void ProblemPage::footings() {
  if (r_.footings.empty()) return;
  w_.element("h3", {}, "Footings");
  for (const FootingOutcome& f : r_.footings) {
    if (f.status == FootingOutcome::Status::kDesigned) {
      footingPlan(f);
    } else {
      w_.open("p");
      w_.text("Footing " + std::to_string(f.footing) + ": ");
      if (f.status == FootingOutcome::Status::kSameAs) {
        w_.text("same as footing " + std::to_string(f.same_as) + ".");
      } else {
        failMark(w_, "NOT DESIGNED");
        w_.text(" " + trimmed(f.failure));
      }
      w_.close();
    }
  }
}

void ProblemPage::footingPlan(const FootingOutcome& f) {
  const double size = 300, m = 40;
  const double unit = (size - 2 * m) / std::max({static_cast<double>(f.B),
                                                 static_cast<double>(f.D), 1.0});
  const Point c{size / 2, size / 2};
  const double halfD = f.D / 2 * unit, halfB = f.B / 2 * unit;
  w_.open("div", {{"class", "footing-plan"}, {"data-footing", std::to_string(f.footing)},
                  {"style", "display:flex;flex-wrap:wrap;gap:1em;align-items:flex-start"}});
  {
    const FootingDirection* dirs[] = {&f.first, &f.second};
    Svg svg(w_, size, size + (f.SP == 'P' ? 24 : 0),
            std::string("Plan of ") + (f.SP == 'P' ? "pile " : "spread ") + "footing " +
                std::to_string(f.footing) + ": D " + fixed(f.D, 2) + " ft by B " +
                fixed(f.B, 2) + " ft with its bars each way" +
                (f.SP == 'P' ? " and its " + std::to_string(f.NP) + " piles" : ""),
            "footing");
    svg.rect(c.x - halfD, c.y - halfB, 2 * halfD, 2 * halfB, "fill:#eee;stroke:#000;stroke-width:1.5");
    // The bars of each direction: LONG bars run along B, TRAN bars along D.
    for (const FootingDirection* d : dirs) {
      const bool alongD = d->direction == "TRAN";
      const double across = alongD ? f.B : f.D;
      const std::vector<double> off =
          drawing::barOffsets(d->NBAR, d->SPAC / 12.0, across - 0.5);
      const std::string style = d->layer == "top" ? "stroke:#000;stroke-width:1"
                                                  : "stroke:#000;stroke-width:1;stroke-dasharray:4,2";
      for (const double o : off) {
        if (alongD)
          svg.line({c.x - halfD + 4, c.y + o * unit}, {c.x + halfD - 4, c.y + o * unit}, style,
                   "bar");
        else
          svg.line({c.x + o * unit, c.y - halfB + 4}, {c.x + o * unit, c.y + halfB - 4}, style,
                   "bar");
      }
    }
    const Column& col = p_.used.col[static_cast<size_t>(std::clamp(f.footing, 1, kMaxColumns))];
    const double cd = (col.I == 'V' && col.DB > 0 ? col.DB : col.DT) * unit;
    const double cb = (col.T == 'R' ? cd : (col.BB > 0 ? col.BB : col.BT) * unit);
    if (col.T == 'R')
      svg.circle(c, cd / 2, "fill:#888;stroke:#000");
    else
      svg.rect(c.x - cd / 2, c.y - cb / 2, cd, cb, "fill:#888;stroke:#000");
    svg.text({c.x, c.y + halfB + 16}, "D " + fixed(f.D, 2) + " ft (transverse)", "middle");
    svg.writer().element("text",
                         {{"x", "0"}, {"y", "0"}, {"text-anchor", "middle"},
                          {"transform", "translate(" + coord(c.x - halfD - 8) + "," + coord(c.y) +
                                            ") rotate(-90)"}},
                         "B " + fixed(f.B, 2) + " ft (longitudinal)");
    svg.text({c.x, c.y - halfB - 8}, "T " + fixed(f.T, 2) + " ft thick", "middle");
    if (f.SP == 'P') footingPiles(svg, f, c, unit);
  }
  // Governing soil pressure or pile load against its allowable.
  {
    const double w = 260, h = 120;
    const double top = std::max(1.25, std::ceil(f.P1_PA * 4.0 + 1) / 4);
    const Scale X{0, top, 20, w - 20};
    const std::string what = f.SP == 'P' ? "pile load" : "soil pressure";
    Svg svg(w_, w, h,
            "Footing " + std::to_string(f.footing) + ": governing " + what +
                " over its allowable " + fixed(f.P1_PA, 3),
            "pressure");
    svg.rect(X(0), 35, X(f.P1_PA) - X(0), 24, "fill:#999;stroke:#000");
    svg.line({X(1), 25}, {X(1), 70}, "stroke:#000;stroke-width:2;stroke-dasharray:5,2");
    svg.text({X(1), 20}, "allowable", "middle");
    svg.text({X(0), 85}, "0", "middle");
    svg.text({X(1), 85}, "1.0", "middle");
    svg.text({w / 2, 105}, "governing " + what + " / allowable = " + fixed(f.P1_PA, 3), "middle");
  }
  w_.close();
  w_.open("p");
  w_.text("Footing " + std::to_string(f.footing) + (f.SP == 'P' ? " (pile footing" : " (spread footing") +
          (f.NP > 0 ? ", " + std::to_string(f.NP) + " piles)" : ")") + ": " +
          f.first.direction + " " + std::to_string(f.first.NBAR) + " #" +
          std::to_string(f.first.BSIZE) + " at " + fixed(f.first.SPAC, 2) + " in (" + f.first.layer +
          "), " + f.second.direction + " " + std::to_string(f.second.NBAR) + " #" +
          std::to_string(f.second.BSIZE) + " at " + fixed(f.second.SPAC, 2) + " in (" +
          f.second.layer + ").");
  w_.close();
}

}  // namespace

HtmlReport::HtmlReport(std::ostream& out, const DocumentHead& head) : out_(out) {
  html::Writer w(out_);
  w.raw("<!DOCTYPE html>\n");
  w.open("html", {{"lang", "en"}});
  w.open("head");
  w.voidElement("meta", {{"charset", "utf-8"}});
  w.element("title", {}, "bentpier results: " + head.input_file);
  w.open("style");
  w.raw(kStyle);
  w.close();
  w.close();
  w.newline();
  w.open("body");
  w.element("h1", {}, "bentpier " + head.program_version + ": " + head.input_file);
  w.element("p", {}, "Run " + head.stamp.DATE + " " + head.stamp.TIME +
                         ". Units: ft, in, kip, kip-ft, ksi, ksf.");
  w.newline();
}

void HtmlReport::add(const Problem& problem) {
  html::Writer w(out_);
  ProblemPage page(w, problem);
  page.setNumber(++problems_);
  page.write();
}

void HtmlReport::finish() { out_ << "</body></html>\n"; }

}  // namespace bentpier
