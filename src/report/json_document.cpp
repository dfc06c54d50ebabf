// The results document in JSON. Numbers are single precision and written as
// the shortest text that reads back to the same float; keys keep the order
// they are written in. This is the only file that knows the JSON library.
#include "report/json_document.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <nlohmann/json.hpp>

namespace bentpier {
namespace {

using Json = nlohmann::basic_json<nlohmann::ordered_map, std::vector, std::string, bool,
                                  std::int64_t, std::uint64_t, float>;

std::string trimmed(const std::string& s) {
  const size_t first = s.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::string charText(char c) { return c == ' ' || c == '\0' ? "" : std::string(1, c); }

Json messageJson(const Message& m) {
  const char* severity = m.severity == Message::Severity::kError     ? "error"
                         : m.severity == Message::Severity::kWarning ? "warning"
                                                                     : "note";
  Json j;
  j["severity"] = severity;
  j["text"] = m.text;
  j["card"] = m.card;
  j["line"] = m.line;
  j["columns"] = m.first_column > 0 ? Json{{"first", m.first_column}, {"last", m.last_column}}
                                    : Json(nullptr);
  return j;
}

// Builds the JSON of one problem and notes every value that is not finite.
class ProblemWriter {
 public:
  explicit ProblemWriter(const Problem& p) : p_(p) {}

  Json build();
  int nonFinite() const { return static_cast<int>(bad_.size()); }

 private:
  Json num(float v) {
    if (std::isfinite(v)) return Json(v);
    bad_.push_back(where_);
    return Json(nullptr);
  }
  // Elements 1..N-1 of a 1-based table of integers.
  template <size_t N>
  static Json ints(const Table<int, N>& t) {
    Json arr = Json::array();
    for (int i = 1; i < static_cast<int>(N); ++i) arr.push_back(t[i]);
    return arr;
  }
  template <size_t N>
  Json nums(const std::array<float, N>& a, size_t first, size_t last) {
    Json arr = Json::array();
    for (size_t i = first; i <= last && i < N; ++i) arr.push_back(num(a[i]));
    return arr;
  }

  Json messages();
  Json input();
  Json designData();
  Json columnSteel();
  Json withCardAsRead(Json j, Json used, Json read, int same_as);
  Json capSegment(const CapSegment& s);
  Json capCards();
  Json column(const Column& k);
  Json columnCards();
  Json footing(const Footing& f);
  Json footingCards();
  Json wind();
  Json misc();
  Json seismic();
  Json loads();
  Json properties();
  Json loadCases();
  Json envelopes();
  Json capMoments();
  Json cap();
  Json columns();
  Json interaction(const InteractionCurveResult& c);
  Json piles();
  Json footings();

  int ncol() const { return std::clamp(p_.used.dd.NCOL, 0, kMaxColumns); }
  int nspan() const { return std::clamp(p_.used.dd.NSPAN, 0, kMaxSegments); }
  bool segmentExists(int k) const {
    if (k == 1) return p_.used.dd.NCAN >= 1;
    if (k == ncol() + 1) return p_.used.dd.NCAN == 2;
    return k >= 2 && k <= ncol();
  }

  const Problem& p_;
  std::string where_;
  std::vector<std::string> bad_;
};

// Field lists: name and value of every field of a card, as used and as read
// (defaults are the fields read as 0 or blank that the program filled in).
template <typename T>
struct Field {
  const char* name;
  T value, read;
};

Json ProblemWriter::build() {
  Json j;
  j["number"] = trimmed(p_.PROBNO);
  j["title"] = trimmed(p_.TITLE);
  const ProblemResults& r = p_.results;
  j["status"] = r.input_error ? "input error" : "analysed";
  j["stages"] = r.stages;
  j["messages"] = Json::array();  // filled last, with any value not written
  if (r.input_error) {
    j["messages"] = messages();
    return j;
  }
  where_ = "input";
  j["input"] = input();
  where_ = "properties";
  j["properties"] = properties();
  j["load_cases"] = loadCases();
  where_ = "envelopes";
  j["envelopes"] = envelopes();
  where_ = "cap_moments";
  j["cap_moments"] = capMoments();
  j["cap"] = r.cap.ran ? cap() : Json(nullptr);
  j["columns"] = columns();
  j["piles"] = r.has_piles ? piles() : Json(nullptr);
  j["footings"] = footings();
  j["messages"] = messages();
  return j;
}

Json ProblemWriter::messages() {
  Json arr = Json::array();
  for (const Message& m : p_.results.messages) arr.push_back(messageJson(m));
  for (const std::string& where : bad_) {
    Message m;
    m.text = "VALUE NOT A FINITE NUMBER IN " + where;
    arr.push_back(messageJson(m));
  }
  return arr;
}

// ---------------------------------------------------------------------------
// Input.

Json ProblemWriter::input() {
  Json j;
  j["design_data"] = designData();
  j["column_steel"] = columnSteel();
  j["cap_segments"] = capCards();
  j["columns"] = columnCards();
  j["footings"] = footingCards();
  j["wind"] = wind();
  j["misc_forces"] = misc();
  j["seismic"] = seismic();
  j["loads"] = loads();
  return j;
}

Json ProblemWriter::designData() {
  const DesignData& d = p_.used.dd;
  const DesignData& a = p_.as_read.dd;
  Json j;
  j["CAPOPT"] = charText(d.CAPOPT);
  j["COLOPT"] = charText(d.COLOPT);
  j["FTGOPT"] = charText(d.FTGOPT);
  j["METHOD"] = charText(d.METHOD);
  j["NCAN"] = d.NCAN;
  j["NCOL"] = d.NCOL;
  j["NLLC"] = d.NLLC;
  j["SKEWD"] = d.SKEWD;
  j["SKEWM"] = d.SKEWM;
  j["SKEWS"] = d.SKEWS;
  Json defaulted = Json::array();
  const Field<float> reals[] = {
      {"FPC", d.FPC, a.FPC},     {"FC", d.FC, a.FC},       {"N", d.N, a.N},
      {"FY", d.FY, a.FY},        {"FS", d.FS, a.FS},       {"EC", d.EC, a.EC},
      {"ES", d.ES, a.ES},        {"CONC_STRAIN", d.CONC_STRAIN, a.CONC_STRAIN},
      {"Z", d.Z, a.Z},           {"TOPCL", d.TOPCL, a.TOPCL},
      {"MINSSP", d.MINSSP, a.MINSSP}, {"DEPINC", d.DEPINC, a.DEPINC},
      {"BOTCL", d.BOTCL, a.BOTCL}};
  for (const auto& f : reals) {
    j[f.name] = num(f.value);
    if (f.read <= 0.0f && f.value != f.read) defaulted.push_back(f.name);
  }
  const Field<int> ints[] = {{"MAINSZ", d.MAINSZ, a.MAINSZ}, {"STRSZ", d.STRSZ, a.STRSZ},
                             {"MAXTOP", d.MAXTOP, a.MAXTOP}, {"MAXBOT", d.MAXBOT, a.MAXBOT},
                             {"MINSZ", d.MINSZ, a.MINSZ},    {"MINNO", d.MINNO, a.MINNO}};
  for (const auto& f : ints) {
    j[f.name] = f.value;
    if (f.read <= 1 && f.value != f.read) defaulted.push_back(f.name);
  }
  j["NSPAN"] = d.NSPAN;
  j["defaulted"] = defaulted;
  return j;
}

Json ProblemWriter::columnSteel() {
  const ColumnSteel& c = p_.used.cs;
  const ColumnSteel& a = p_.as_read.cs;
  Json j;
  Json defaulted = Json::array();
  const Field<float> reals[] = {
      {"MIN_P", c.MIN_P, a.MIN_P},       {"MAX_P", c.MAX_P, a.MAX_P},
      {"CL_SP", c.CL_SP, a.CL_SP},       {"CLEAR", c.CLEAR, a.CLEAR},
      {"KLCOEF", c.KLCOEF, a.KLCOEF},    {"OC", c.OC, a.OC},
      {"OF", c.OF, a.OF},                {"CM", c.CM, a.CM},
      {"BD1", c.BD1, a.BD1},             {"BD2", c.BD2, a.BD2},
      {"SOILWT", c.SOILWT, a.SOILWT},    {"ALLSP", c.ALLSP, a.ALLSP},
      {"MINPLSP", c.MINPLSP, a.MINPLSP}, {"MAXPLSP", c.MAXPLSP, a.MAXPLSP},
      {"EDGEDIST", c.EDGEDIST, a.EDGEDIST}, {"PILEDEPTH", c.PILEDEPTH, a.PILEDEPTH},
      {"REBARCLR", c.REBARCLR, a.REBARCLR}, {"PILECAP", c.PILECAP, a.PILECAP},
      {"PILEUPL", c.PILEUPL, a.PILEUPL}};
  for (const auto& f : reals) {
    j[f.name] = num(f.value);
    if (f.read <= 0.0f && f.value != f.read) defaulted.push_back(f.name);
  }
  j["RMODE"] = c.RMODE;
  j["IMPACT_PERCENT"] = num(a.IMPACT);
  j["IMPACT"] = num(c.IMPACT);
  j["IP"] = charText(c.IP);
  j["defaulted"] = defaulted;
  return j;
}

// A card's values as used, the fields the program filled in or replaced
// after reading it (`defaulted`), and the card as read, which the report
// echoes; a card that names an earlier member (`same_as`) carries no values
// of its own.
Json ProblemWriter::withCardAsRead(Json j, Json used, Json read, int same_as) {
  Json defaulted = Json::array();
  for (const auto& [name, value] : used.items()) {
    if (same_as == 0 && read[name] != value) defaulted.push_back(name);
    j[name] = value;
  }
  j["same_as"] = same_as;
  j["defaulted"] = defaulted;
  j["as_read"] = same_as == 0 ? std::move(read) : Json(nullptr);
  return j;
}

Json ProblemWriter::capSegment(const CapSegment& s) {
  Json j;
  j["C"] = charText(s.C);
  j["L"] = num(s.L);
  j["A"] = num(s.A);
  j["DE"] = num(s.DE);
  j["BC"] = num(s.BC);
  j["BE"] = num(s.BE);
  j["DH"] = num(s.DH);
  j["LH"] = num(s.LH);
  j["XB"] = nums(s.XB, 1, static_cast<size_t>(std::clamp(s.NB, 0, kMaxBearings)));
  return j;
}

Json ProblemWriter::capCards() {
  Json arr = Json::array();
  for (int k = 1; k <= nspan(); ++k) {
    if (!segmentExists(k)) continue;
    const CapSegment& s = p_.used.cap[k];
    arr.push_back(withCardAsRead(Json{{"segment", k}}, capSegment(s),
                                 capSegment(p_.as_read.cap[k]), s.REF));
  }
  return arr;
}

Json ProblemWriter::column(const Column& k) {
  Json j;
  j["P"] = k.P;
  j["I"] = charText(k.I);
  j["T"] = charText(k.T);
  j["S"] = charText(k.S);
  const Field<float> reals[] = {{"HT", k.HT, 0}, {"A", k.A, 0},       {"DT", k.DT, 0},
                                {"BT", k.BT, 0}, {"DB", k.DB, 0},     {"BB", k.BB, 0},
                                {"DL", k.DL, 0}, {"FLEX", k.FLEX, 0}, {"SLOPE", k.SLOPE, 0},
                                {"EP", k.EP, 0}, {"AP", k.AP, 0}};
  for (const auto& f : reals) j[f.name] = num(f.value);
  Json groups = Json::array();
  for (int g = 1; g <= kBarGroups; ++g)
    groups.push_back(Json{{"ND", k.ND[g]}, {"NB", k.NB[g]}, {"SZ", k.SZ[g]}});
  j["bar_groups"] = groups;
  return j;
}

Json ProblemWriter::columnCards() {
  Json arr = Json::array();
  for (int c = 1; c <= ncol(); ++c) {
    const Column& k = p_.used.col[c];
    arr.push_back(withCardAsRead(Json{{"column", c}}, column(k), column(p_.as_read.col[c]),
                                 k.REF));
  }
  return arr;
}

Json ProblemWriter::footing(const Footing& f) {
  Json j;
  j["SP"] = charText(f.SP);
  const Field<float> reals[] = {{"B", f.B, 0},         {"D", f.D, 0},         {"T", f.T, 0},
                                {"DEL_B", f.DEL_B, 0}, {"DEL_D", f.DEL_D, 0}, {"DEL_T", f.DEL_T, 0},
                                {"R_BD", f.R_BD, 0},   {"R_DB", f.R_DB, 0},   {"S_HT", f.S_HT, 0},
                                {"BP", f.BP, 0},       {"DP", f.DP, 0},       {"SET", f.SET, 0}};
  for (const auto& r : reals) j[r.name] = num(r.value);
  j["NP"] = f.NP;
  j["SYM"] = f.SYM;
  return j;
}

Json ProblemWriter::footingCards() {
  Json arr = Json::array();
  if (p_.used.dd.FTGOPT == ' ') return arr;
  for (int c = 1; c <= ncol(); ++c) {
    const Footing& f = p_.used.ftg[c];
    arr.push_back(withCardAsRead(Json{{"footing", c}}, footing(f), footing(p_.as_read.ftg[c]),
                                 f.REF));
  }
  return arr;
}

Json ProblemWriter::wind() {
  const WindLoads& w = p_.used.wind;
  const size_t n2 = static_cast<size_t>(std::clamp(w.NW2, 0, kMaxWindDirections));
  const size_t n3 = static_cast<size_t>(std::clamp(w.NW3, 0, kMaxWindDirections));
  Json j;
  j["group_2"] = Json{{"WAT", num(w.WAT)},   {"WAL", num(w.WAL)},   {"NW", w.NW2},
                      {"WFT", nums(w.WFT2, 1, n2)}, {"WFL", nums(w.WFL2, 1, n2)},
                      {"APT", num(w.APT2)}, {"APL", num(w.APL2)}, {"PT", num(w.PT2)},
                      {"PL", num(w.PL2)}, {"STD", w.STD2},
                      {"FT_PSF", ints(w.FT2)}, {"FL_PSF", ints(w.FL2)}};
  j["group_3"] = Json{{"NW", w.NW3},
                      {"WFT", nums(w.WFT3, 1, n3)}, {"WFL", nums(w.WFL3, 1, n3)},
                      {"LFT", nums(w.LFT3, 1, n3)}, {"LFL", nums(w.LFL3, 1, n3)},
                      {"LLT", num(w.LLT)}, {"LLL", num(w.LLL)},
                      {"APT", num(w.APT3)}, {"APL", num(w.APL3)}, {"STD", w.STD3},
                      {"FT_PSF", ints(w.FT3)}, {"FL_PSF", ints(w.FL3)}, {"LL_STD", w.STDLL},
                      {"LFT_PLF", ints(w.LFT)}, {"LFL_PLF", ints(w.LFL)}};
  return j;
}

Json ProblemWriter::misc() {
  const MiscForces& m = p_.used.misc;
  return Json{{"FT", num(m.FT)},     {"FL", num(m.FL)},     {"APT", num(m.APT)},
              {"APL", num(m.APL)},   {"EXPC", num(m.EXPC)}, {"SHRC", num(m.SHRC)},
              {"PT", num(m.PT)},     {"PL", num(m.PL)},     {"NSEIS", m.NSEIS}};
}

Json ProblemWriter::seismic() {
  Json arr = Json::array();
  if (p_.used.misc.NSEIS <= 0) return arr;
  for (int c = 1; c <= ncol(); ++c) {
    const SeismicForces& s = p_.used.seis[static_cast<size_t>(c)];
    arr.push_back(Json{{"column", c},
                       {"LONG", nums(s.LONG, 1, kSeismicForces)},
                       {"TRANS", nums(s.TRANS, 1, kSeismicForces)}});
  }
  return arr;
}

Json ProblemWriter::loads() {
  const LoadTable& t = p_.used.loads;
  const size_t nlp = static_cast<size_t>(std::clamp(t.NLP, 0, kMaxLoadPoints));
  Json live = Json::array();
  for (int c = 1; c <= std::clamp(p_.used.dd.NLLC, 0, kMaxLiveCases); ++c) {
    const size_t ci = static_cast<size_t>(c);
    live.push_back(Json{{"ID", trimmed(t.ID[ci])}, {"NL", t.NL[ci]},
                        {"LOAD", nums(t.LOAD[ci], 1, nlp)}});
  }
  return Json{{"NLP", t.NLP}, {"dead", nums(t.LOAD[0], 1, nlp)}, {"live", live},
              {"dead_ID", trimmed(t.ID[0])}, {"dead_NL", t.NL[0]}};
}

// ---------------------------------------------------------------------------
// Member properties.

Json ProblemWriter::properties() {
  Json segments = Json::array();
  for (int k = 1; k <= nspan(); ++k) {
    if (!segmentExists(k)) continue;
    const CapProperties& s = p_.capp[k];
    const size_t nb = static_cast<size_t>(std::clamp(p_.used.cap[k].NB, 0, kMaxBearings));
    segments.push_back(Json{{"segment", k},       {"K", num(s.K)},       {"CO", num(s.CO)},
                            {"FMWT", num(s.FMWT)}, {"UFEM", num(s.UFEM)}, {"RW", num(s.RW)},
                            {"RI", num(s.RI)},     {"KML", num(s.KML)},   {"KMR", num(s.KMR)},
                            {"COMLR", num(s.COMLR)}, {"COMRL", num(s.COMRL)},
                            {"FMLP", nums(s.FMLP, 1, nb)}, {"FMRP", nums(s.FMRP, 1, nb)}});
  }
  Json cols = Json::array();
  for (int c = 1; c <= ncol(); ++c) {
    const ColumnProperties& k = p_.colp[static_cast<size_t>(c)];
    const Field<float> f[] = {
        {"WCOL", k.WCOL, 0}, {"KT", k.KT, 0},       {"KB", k.KB, 0},       {"COTB", k.COTB, 0},
        {"COBT", k.COBT, 0}, {"UFMT", k.UFMT, 0},   {"UFMB", k.UFMB, 0},   {"KL", k.KL, 0},
        {"FLU", k.FLU, 0},   {"RGTB", k.RGTB, 0},   {"RGL", k.RGL, 0},     {"EITTB", k.EITTB, 0},
        {"EILTB", k.EILTB, 0}, {"PSIT", k.PSIT, 0}, {"PSIB", k.PSIB, 0},   {"FKBR", k.FKBR, 0},
        {"FKUBR", k.FKUBR, 0}, {"KLRL", k.KLRL, 0}, {"PCBR", k.PCBR, 0},   {"PCUBR", k.PCUBR, 0},
        {"PCL", k.PCL, 0},   {"KTM", k.KTM, 0},     {"COTBM", k.COTBM, 0}, {"COBTM", k.COBTM, 0},
        {"DFL", k.DFL, 0},   {"DFC", k.DFC, 0},     {"DFR", k.DFR, 0},     {"PDF", k.PDF, 0},
        {"XC", k.XC, 0},     {"TLR", k.TLR, 0},     {"TLC", k.TLC, 0},     {"TRL", k.TRL, 0},
        {"TRC", k.TRC, 0},   {"TCR", k.TCR, 0},     {"TCL", k.TCL, 0}};
    Json j;
    j["column"] = c;
    for (const auto& v : f) j[v.name] = num(v.value);
    j["EMIN"] = nums(k.EMIN, 1, 4);
    cols.push_back(std::move(j));
  }
  return Json{{"cap_segments", segments}, {"columns", cols}};
}

// ---------------------------------------------------------------------------
// Load cases, envelopes and the cap moments table.

Json ProblemWriter::loadCases() {
  Json arr = Json::array();
  int n = 0;
  for (const LoadCaseResult& c : p_.results.load_cases) {
    where_ = "load_cases[" + std::to_string(n++) + "]";
    Json j;
    switch (c.kind) {
      case LoadCaseResult::Kind::kWind:
        j["kind"] = "wind";
        j["name"] = "GROUP " + std::to_string(c.group) + " WIND " + std::to_string(c.wind) +
                    " " + std::to_string(c.direction);
        break;
      case LoadCaseResult::Kind::kLiveLoad:
        j["kind"] = "live load";
        j["name"] = "LIVE LOAD " + trimmed(c.label);
        break;
      default:
        j["kind"] = "case";
        j["name"] = trimmed(c.label);
        break;
    }
    j["group"] = c.group;
    j["wind"] = c.wind;
    j["direction"] = c.direction;
    j["printed"] = c.printed;
    Json cols = Json::array();
    int col = 0;
    for (const CaseColumnForces& f : c.columns)
      cols.push_back(Json{{"column", ++col}, {"PC", num(f.PC)}, {"MT", num(f.MT)},
                          {"V", num(f.V)},   {"MB", num(f.MB)}, {"PB", num(f.PB)},
                          {"RF", num(f.RF)}, {"ML", num(f.ML)}, {"MR", num(f.MR)},
                          {"MTL", num(f.MTL)}, {"VL", num(f.VL)}, {"MBL", num(f.MBL)},
                          {"MF", num(f.MF)}});
    j["columns"] = cols;
    Json points = Json::array();
    for (const CaseCapPoint& q : c.cap_points)
      points.push_back(Json{{"point", q.point}, {"segment", q.segment}, {"bearing", q.bearing},
                            {"MP", num(q.MP)}, {"VPL", num(q.VPL)}, {"VPR", num(q.VPR)}});
    j["cap_points"] = points;
    arr.push_back(std::move(j));
  }
  return arr;
}

Json ProblemWriter::envelopes() {
  Json faces = Json::array();
  for (int c = 1; c <= ncol(); ++c)
    faces.push_back(Json{{"column", c}, {"X", nums(p_.env.X[static_cast<size_t>(c)], 1,
                                                   kCapFaceSlots)}});
  Json points = Json::array();
  for (int k = 1; k <= nspan(); ++k) {
    if (!segmentExists(k)) continue;
    const int nb = std::clamp(p_.used.cap[static_cast<size_t>(k)].NB, 0, kMaxBearings);
    for (int q = 1; q <= nb; ++q)
      points.push_back(Json{{"segment", k}, {"bearing", q},
                            {"CP", nums(p_.env.CP[static_cast<size_t>(q)][static_cast<size_t>(k)],
                                        1, kCapPointSlots)}});
  }
  return Json{{"column_faces", faces}, {"bearing_points", points}};
}

Json ProblemWriter::capMoments() {
  static const char* const kMoments[] = {"DL_TOT", "G1_MAX_POS", "G1_MAX_NEG", "G2_MAX_POS",
                                         "G2_MAX_NEG", "G3_MAX_POS", "G3_MAX_NEG"};
  static const char* const kShears[] = {"DL_T_LT", "DL_T_RT", "G1_POS_LT",
                                        "G1_POS_RT", "G1_NEG_LT", "G1_NEG_RT"};
  Json arr = Json::array();
  for (const CapMomentsRow& r : p_.results.cap_moments) {
    Json j;
    j["kind"] = r.kind == 'C' ? "column face" : "point";
    j["number"] = r.number;
    j["side"] = charText(r.side);
    Json m, v;
    for (size_t i = 0; i < r.moments.size(); ++i) m[kMoments[i]] = num(r.moments[i]);
    for (size_t i = 0; i < r.shears.size(); ++i)
      v[kShears[i]] = r.has_shear[i] ? num(r.shears[i]) : Json(nullptr);
    j["moments"] = m;
    j["shears"] = v;
    j["group_six"] = r.has_group_six ? Json{{"G6_MAX_POS", num(r.G6_max)},
                                            {"G6_MAX_NEG", num(r.G6_min)}}
                                     : Json(nullptr);
    arr.push_back(std::move(j));
  }
  return arr;
}

// ---------------------------------------------------------------------------
// Designs.

Json ProblemWriter::cap() {
  const CapDesignResult& c = p_.results.cap;
  const bool service = c.METHOD == 'S';
  Json points = Json::array();
  int n = 0;
  for (const CapPointResult& r : c.points) {
    where_ = "cap.points[" + std::to_string(n++) + "]";
    Json j;
    j["point"] = trimmed(r.label);
    switch (r.status) {
      case CapPointResult::Status::kDesigned: j["status"] = "designed"; break;
      case CapPointResult::Status::kCannotDesign: j["status"] = "cannot be designed"; break;
      case CapPointResult::Status::kDepthLimit: j["status"] = "depth limit"; break;
    }
    j["MBPOS"] = num(r.MBPOS);
    j["MBNEG"] = num(r.MBNEG);
    j["MDPOS"] = num(r.MDPOS);
    j["MDNEG"] = num(r.MDNEG);
    j["group_governs"] = r.group_governs;
    if (r.status != CapPointResult::Status::kDesigned) {
      j["section"] = nullptr;
      j["top_bars"] = nullptr;
      j["bottom_bars"] = nullptr;
      j["left_stirrups"] = nullptr;
      j["right_stirrups"] = nullptr;
      j["checks"] = Json::array();
      points.push_back(std::move(j));
      continue;
    }
    j["section"] = Json{{"h", num(r.h)}, {"deepened", r.deepened}};
    auto bars = [&](const CapFaceBars& f) {
      return Json{{"AS", num(f.AS)}, {"count", f.NBARS}, {"size", f.size}};
    };
    auto stirrups = [&](const CapStirrups& s) {
      return Json{{"max_spacing", num(s.max_spacing)}, {"av_per_inch", num(s.av_per_inch)},
                  {"size", s.size}, {"double", s.mark == 'D'}, {"spacing", num(s.spacing)}};
    };
    j["top_bars"] = bars(r.top);
    j["bottom_bars"] = bars(r.bottom);
    j["left_stirrups"] = stirrups(r.left);
    j["right_stirrups"] = stirrups(r.right);
    Json checks = Json::array();
    if (service) {
      checks.push_back(Json{{"name", "FC"}, {"value", r.IFC}, {"limit", nullptr}, {"unit", "psi"}, {"bound", nullptr}});
    } else {
      checks.push_back(Json{{"name", "PS"}, {"value", num(r.PS)}, {"limit", nullptr},
                            {"unit", "percent"}, {"bound", nullptr}});
      checks.push_back(Json{{"name", "FS/FF"}, {"value", num(r.FS_FF)}, {"limit", 1.0f},
                            {"unit", "ratio"}, {"bound", "upper"}});
      checks.push_back(Json{{"name", "FS/FZ"}, {"value", num(r.FS_FZ)}, {"limit", 1.0f},
                            {"unit", "ratio"}, {"bound", "upper"}});
    }
    j["checks"] = checks;
    points.push_back(std::move(j));
  }
  return Json{{"method", service ? "service load" : "load factor"},
              {"points", points},
              {"notes", Json{{"crack_control", c.crack_control_note},
                             {"fatigue", c.fatigue_note},
                             {"deepened", c.deepened_note}}}};
}

Json combination(const CombinationId& s) {
  return Json{{"GR", charText(s.GR)}, {"LLID", trimmed(s.LLID)}, {"WC", s.WC},
              {"FLAGR", charText(s.FLAGR)}, {"FLAGE", charText(s.FLAGE)},
              {"FLAGC", charText(s.FLAGC)}, {"FLAGS", charText(s.FLAGS)}};
}

Json ProblemWriter::columns() {
  Json arr = Json::array();
  for (const ColumnEndOutcome& e : p_.results.columns) {
    where_ = "columns[" + std::to_string(e.column) + e.end + "]";
    Json j;
    j["column"] = e.column;
    j["end"] = std::string(1, e.end);
    switch (e.status) {
      case ColumnEndOutcome::Status::kDesigned:
        j["status"] = e.option == 'I' ? "investigated" : "designed";
        break;
      case ColumnEndOutcome::Status::kUnstable: j["status"] = "unstable"; break;
      case ColumnEndOutcome::Status::kInputError: j["status"] = "input error"; break;
    }
    j["option"] = charText(e.option);
    j["type"] = charText(e.type);
    j["B"] = num(e.B);
    j["D"] = num(e.D);
    const bool designed = e.status == ColumnEndOutcome::Status::kDesigned;
    if (designed) {
      Json faces = Json::array();
      for (size_t f = 0; f < e.face_bars.size(); ++f)
        faces.push_back(Json{{"face", static_cast<int>(f + 1)}, {"count", e.face_bars[f]},
                             {"size", e.face_sizes[f]}});
      j["bars"] = Json{{"faces", faces}, {"AS", num(e.AS)}, {"PS", num(e.PS)},
                       {"pattern", e.pattern}};
      j["PHIC"] = num(e.PHIC);
      j["governing"] = Json{{"load", e.governing_load},
                            {"set", combination(e.governing_set)},
                            {"PF", num(e.PF)}, {"MTF", num(e.MTF)}, {"MLF", num(e.MLF)},
                            {"PM", num(e.PM)}, {"MTM", num(e.MTM)}, {"MLM", num(e.MLM)},
                            {"PU", num(e.PU)}, {"MTU", num(e.MTU)}, {"MLU", num(e.MLU)},
                            {"PU_PM", num(e.PUPM)}};
      j["magnification"] = Json{{"BD12", num(e.BD12)}, {"BD", num(e.BD)},
                                {"SUMPU", num(e.SUMPU)}, {"SUMPC", num(e.SUMPC)},
                                {"DEL_T", num(e.DEL_T)}, {"DEL_L", num(e.DEL_L)},
                                {"CM", num(e.CM)}};
      j["exact_biaxial_ratio"] = e.exact_ratio > 0.0f ? num(e.exact_ratio) : Json(nullptr);
      j["P0"] = num(e.P0);
      j["PHIB"] = num(e.PHIB);
      j["interaction"] = Json{{"x", interaction(e.interaction[0])}, {"y", interaction(e.interaction[1])}};
    } else {
      j["bars"] = nullptr;
      j["PHIC"] = nullptr;
      j["governing"] = nullptr;
      j["magnification"] = nullptr;
      j["exact_biaxial_ratio"] = nullptr;
      j["P0"] = nullptr;
      j["PHIB"] = nullptr;
      j["interaction"] = nullptr;
    }
    Json loads = Json::array();
    for (const ColumnLoadCheck& l : e.loads)
      loads.push_back(Json{{"P", num(l.P)}, {"MX", num(l.MX)}, {"MY", num(l.MY)},
                           {"FACTOR", num(l.FACTOR)},
                           {"PU", designed ? num(l.PU) : Json(nullptr)},
                           {"MXU", designed ? num(l.MXU) : Json(nullptr)},
                           {"MYU", designed ? num(l.MYU) : Json(nullptr)},
                           {"RATIO", designed ? num(l.RATIO) : Json(nullptr)}});
    j["loads"] = loads;
    arr.push_back(std::move(j));
  }
  return arr;
}

Json ProblemWriter::interaction(const InteractionCurveResult& c) {
  if (!c.kept) return Json(nullptr);
  auto point = [&](const StrengthPoint& p) {
    return Json{{"c", num(p.C)}, {"P", num(p.P)}, {"M", num(p.M)}};
  };
  Json curve = Json::array();
  for (const StrengthPoint& p : c.curve) curve.push_back(Json{{"P", num(p.P)}, {"M", num(p.M)}});
  return Json{{"max_compression", point(c.max_compression)},
              {"balanced", point(c.balanced)},
              {"pure_bending", point(c.pure_bending)},
              {"curve", curve}};
}

Json ProblemWriter::piles() {
  const PileTables& t = p_.results.piles;
  where_ = "piles";
  auto table = [&](const std::vector<PileLine>& lines, const char* allowable) {
    Json arr = Json::array();
    for (const PileLine& l : lines)
      arr.push_back(Json{{"pile", l.pile}, {"set", combination(l.set)}, {"PF", num(l.PF)},
                         {"MTF", num(l.MTF)}, {"MLF", num(l.MLF)}, {"VLF", num(l.VLF)},
                         {allowable, num(l.allowable)}, {"over_allowable", l.over_allowable}});
    return arr;
  };
  return Json{{"type", t.type}, {"axial", table(t.axial, "PA")},
              {"lateral", table(t.lateral, "VLA")}};
}

Json footingSetId(const FootingSetId& id) {
  return Json{{"column", id.column}, {"GR", charText(id.GR)}, {"LLID", trimmed(id.LLID)},
              {"WC", id.WC}, {"FLAGR", charText(id.FLAGR)}, {"FLAGE", charText(id.FLAGE)},
              {"FLAGC", charText(id.FLAGC)}, {"FLAGS", charText(id.FLAGS)}};
}

Json ProblemWriter::footings() {
  Json arr = Json::array();
  for (const FootingOutcome& f : p_.results.footings) {
    where_ = "footings[" + std::to_string(f.footing) + "]";
    Json j;
    j["footing"] = f.footing;
    j["kind"] = f.SP == 'P' ? "pile" : f.SP == 'S' ? "spread" : "";
    switch (f.status) {
      case FootingOutcome::Status::kDesigned: j["status"] = "designed"; break;
      case FootingOutcome::Status::kSameAs: j["status"] = "same as"; break;
      case FootingOutcome::Status::kFailed: j["status"] = "failed"; break;
      case FootingOutcome::Status::kOutOfOrder: j["status"] = "data out of order"; break;
    }
    j["same_as"] = f.same_as;
    j["failure"] = f.failure;
    if (f.status != FootingOutcome::Status::kDesigned) {
      j["B"] = nullptr;
      j["D"] = nullptr;
      j["T"] = nullptr;
      j["piles"] = nullptr;
      j["checks"] = Json::array();
      j["design_loads"] = Json::array();
      j["sets"] = Json::array();
      j["sets_checked"] = 0;
      j["steel"] = Json::array();
      arr.push_back(std::move(j));
      continue;
    }
    j["B"] = num(f.B);
    j["D"] = num(f.D);
    j["T"] = num(f.T);
    j["piles"] = f.SP == 'P' ? Json{{"NP", f.NP}, {"BP", num(f.BP)}, {"DP", num(f.DP)}}
                             : Json(nullptr);
    Json checks = Json::array();
    for (const FootingCheck& c : f.checks)
      checks.push_back(Json{{"name", c.name},
                            {"value", num(c.value)},
                            {"limit", c.has_limit ? num(c.limit) : Json(nullptr)},
                            {"unit", c.unit},
                            {"bound", c.upper ? "upper" : "lower"}});
    j["checks"] = checks;
    Json table = Json::array();
    for (const FootingDesignLoad& l : f.design_loads)
      table.push_back(Json{{"label", l.label}, {"set", l.set}, {"id", footingSetId(l.id)},
                           {"P", num(l.P)}, {"MT", num(l.MT)}, {"VT", num(l.VT)},
                           {"ML", num(l.ML)}, {"VL", num(l.VL)}, {"P4", num(l.P4)},
                           {"P3", num(l.P3)}, {"P2", num(l.P2)}, {"P1", num(l.P1)},
                           {"MTF", num(l.MTF)}, {"VBF", num(l.VBF)}, {"VPF", num(l.VPF)},
                           {"GF", num(l.GF)}});
    j["design_loads"] = table;
    Json sets = Json::array();
    for (const FootingSetPressure& p : f.sets)
      sets.push_back(Json{{"set", p.set}, {"id", footingSetId(p.id)},
                          {"P", num(p.P)}, {"MT", num(p.MT)}, {"VT", num(p.VT)},
                          {"ML", num(p.ML)}, {"VL", num(p.VL)}, {"GF", num(p.GF)},
                          {"P1", num(p.P1)}, {"P2", num(p.P2)}, {"P3", num(p.P3)},
                          {"P4", num(p.P4)}, {"allowable", num(p.allowable)},
                          {"lowest", f.SP == 'P' ? num(p.lowest) : Json(nullptr)},
                          {"contact", f.SP == 'P' ? Json(nullptr) : Json(p.contact)}});
    j["sets"] = sets;
    j["sets_checked"] = f.sets_checked;
    Json steel = Json::array();
    for (const FootingDirection* d : {&f.first, &f.second})
      steel.push_back(Json{{"direction", d->direction}, {"layer", d->layer},
                           {"AS", num(d->AS)}, {"count", d->NBAR}, {"size", d->BSIZE},
                           {"spacing", num(d->SPAC)}, {"MCAP", num(d->MCAP)},
                           {"VBCAP", num(d->VBCAP)}, {"VPCAP", num(d->VPCAP)},
                           {"DS", num(d->DS)}, {"FC", num(d->FCS)}});
    j["steel"] = steel;
    arr.push_back(std::move(j));
  }
  return arr;
}

}  // namespace

ResultsDocument::ResultsDocument(std::ostream& out, const DocumentHead& head) : out_(out) {
  Json units{{"length", "ft"},     {"section", "in"},  {"force", "kip"},
             {"moment", "kip-ft"}, {"stress", "ksi"}, {"soil_pressure", "ksf"}};
  Json j;
  j["schema_version"] = kResultsSchemaVersion;
  j["program_version"] = head.program_version;
  j["run"] = Json{{"date", head.stamp.DATE}, {"time", head.stamp.TIME}};
  j["input_file"] = head.input_file;
  j["units"] = units;
  // The problems follow one by one: open the array by hand.
  std::string text = j.dump(1);
  text.erase(text.size() - 2);  // the closing newline and brace
  out_ << text << ",\n \"problems\": [";
}

int ResultsDocument::add(const Problem& problem) {
  ProblemWriter w(problem);
  const Json j = w.build();
  out_ << (problems_++ == 0 ? "\n" : ",\n") << j.dump();
  last_problem_ = trimmed(problem.PROBNO);
  return w.nonFinite();
}

void ResultsDocument::addOutside(const Message& message) {
  outside_.push_back({message, last_problem_});
}

// Closes the problems and writes the messages that belong to no problem.
void ResultsDocument::finish() {
  out_ << (problems_ == 0 ? "]" : "\n ]");
  Json messages = Json::array();
  for (const OutsideMessage& m : outside_) {
    Json j = messageJson(m.message);
    j["after_problem"] = m.after_problem.empty() ? Json(nullptr) : Json(m.after_problem);
    messages.push_back(std::move(j));
  }
  out_ << ",\n \"messages\": " << messages.dump() << "\n}\n";
}

}  // namespace bentpier
