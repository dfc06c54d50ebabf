#include "report/html_report.h"

#include <algorithm>
#include <cmath>
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

// A legend: one entry per series, a short sample of its line and a marker.
void legend(Svg& svg, Point at, const std::vector<std::string>& names) {
  for (size_t i = 0; i < names.size(); ++i) {
    const double y = at.y + 14.0 * static_cast<double>(i);
    svg.line({at.x, y}, {at.x + 28, y}, lineStyle(static_cast<int>(i)));
    svg.text({at.x + 33, y + 4}, names[i]);
  }
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
  void piles();
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
  // Position of every row of the table along the cap.
  std::map<int, double> pointX;
  for (const drawing::LoadPointMark& l : bent_.loads) pointX[l.point] = l.x;
  struct Row {
    double x;
    const CapMomentsRow* r;
  };
  std::vector<Row> rows;
  for (const CapMomentsRow& r : r_.cap_moments) {
    double x = 0;
    if (r.kind == 'C') {
      if (r.number < 1 || r.number > static_cast<int>(bent_.columns.size())) continue;
      const drawing::ColumnOutline& c = bent_.columns[static_cast<size_t>(r.number - 1)];
      x = c.x + (r.side == 'L' ? -c.top_width / 2 : c.top_width / 2);
    } else {
      const auto it = pointX.find(r.number);
      if (it == pointX.end()) continue;
      x = it->second;
    }
    rows.push_back({x, &r});
  }
  std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.x < b.x; });
  if (rows.empty()) return;
  w_.element("h3", {}, "Cap envelopes");
  // Moments.
  {
    std::vector<Point> all;
    for (const Row& r : rows)
      for (float m : r.r->moments) all.push_back({r.x, m});
    all.push_back({bent_.cap_left, 0});
    all.push_back({bent_.cap_right, 0});
    for (const CapPointResult& c : r_.cap.points) all.push_back({rows.front().x, c.MBPOS});
    drawing::PlotFrame f = drawing::plotFrame(all, 900, 320, 60);
    w_.open("figure");
    {
      Svg svg(w_, 900, 320, "Cap moment envelopes along the cap, kip-ft", "envelope moment");
      axes(svg, f, "distance along the cap from its left end, ft",
           "moment, kip-ft (sagging +)");
      for (size_t s = 0; s < 7; ++s) {
        std::vector<Point> pts;
        for (const Row& r : rows) pts.push_back({f.x(r.x), f.y(r.r->moments[s])});
        svg.polyline(pts, lineStyle(static_cast<int>(s < 1 ? 0 : (s + 1) / 2)),
                     "series");
      }
      legend(svg, {f.x.to - 200, f.y.to + 10},
             {"dead load", "group I max + / \u2212", "group II max + / \u2212",
              "group III max + / \u2212"});
    }
    w_.element("figcaption", {},
               "Cap moments at the column faces and bearing points, with the maximum and minimum "
               "of each load group. Sign convention: sagging (tension at the bottom face) "
               "positive. The designed bars of each design point are listed in the summary.");
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
      Svg svg(w_, 900, 280, "Cap shear envelopes along the cap, kips", "envelope shear");
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
      legend(svg, {f.x.to - 200, f.y.to + 10}, names);
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
      const Point p{f.x(momentOf(l)), f.y(l.P)};
      const bool gov = i == e.governing_load;
      svg.writer().open("g", {{"class", gov ? "load governing" : "load"},
                              {"data-load", std::to_string(i)}});
      if (gov) {
        svg.rect(p.x - 5, p.y - 5, 10, 10, "fill:#fff;stroke:#000;stroke-width:2");
        svg.line({p.x - 5, p.y - 5}, {p.x + 5, p.y + 5}, "stroke:#000;stroke-width:1.5");
        svg.line({p.x - 5, p.y + 5}, {p.x + 5, p.y - 5}, "stroke:#000;stroke-width:1.5");
        svg.text({p.x + 8, p.y - 6},
                 "governing " + std::to_string(i) + ": PU/PM " + fixed(e.PUPM, 3), "start",
                 "font-weight:bold");
      } else {
        svg.circle(p, 3, "fill:#fff;stroke:#000;stroke-width:1");
      }
      svg.writer().close();
    }
  }
  w_.element("figcaption", {},
             "Interaction curve (solid, design strength with its reduction, cut off at the "
             "maximum axial strength " + fixed(e.P0, 0) + " kips) and the design loads "
             "(circles; the governing one boxed and crossed).");
  w_.close();
}

// --- Piles and footings ------------------------------------------------------

void ProblemPage::piles() {
  if (!r_.has_piles) return;
  const PileTables& t = r_.piles;
  w_.element("h3", {}, "Piles of the pile bent (" + t.type + ")");
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
    Svg svg(w_, size, size,
            std::string("Plan of ") + (f.SP == 'P' ? "pile " : "spread ") + "footing " +
                std::to_string(f.footing) + ": D " + fixed(f.D, 2) + " ft by B " +
                fixed(f.B, 2) + " ft with its bars each way",
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
