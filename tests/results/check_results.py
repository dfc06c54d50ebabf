#!/usr/bin/python3
"""Runs every example deck with --json and checks the results document.

1. The document validates against schema/results-1.schema.json (draft 2020-12).
2. Every number of the report's main tables equals the document's value
   rounded to the printed decimals: the column force table of every load
   case, "CAP MOMENTS AND SHEARS", "CAP DESIGN DATA", the critical column
   loads and "COLUMN DESIGN DATA", both pile tables, and the footing
   "ANALYSIS/DESIGN RESULTS" blocks and "DESIGN LOADS" tables. A field
   printed as asterisks (too wide) is only counted.
3. The input-error example names card, deck line and columns of a field
   that is not a number.
4. Column interaction curves, against closed forms and the design loads:
   the compression end is PHIC (As FY + (AG - As) 0.85 f'c), the tension
   end -PHIB As FY; P rises along the curve; the characteristic points lie
   on it, pure bending at P = 0; every load's strength point lies within the
   uniaxial curves at its axial load, and so does every load whose factored
   capacity ratio is at least 1 (the load-contour moment never exceeds the
   uniaxial one).
5. Footings: the largest soil pressure or pile load over all sets on the
   footing as designed is the governing MAX.P1 line's, and a footing free
   to grow meets every check.

usage: check_results.py BENTPIER SOURCE_DIR
"""
import decimal
import glob
import json
import math
import os
import re
import struct
import subprocess
import sys
import tempfile

import jsonschema

failures = []
compared = {"values": 0, "stars": 0}


def fail(msg):
    failures.append(msg)


def f32(v):
    return struct.unpack("f", struct.pack("f", v))[0]


def rounded(value, decimals):
    """The float rounded half away from zero, as the report prints it."""
    scaled = math.floor(abs(f32(value)) * 10.0 ** decimals + 0.5)
    return decimal.Decimal(int(scaled)).scaleb(-decimals) * (-1 if value < 0 and scaled else 1)


def check(where, text, value, decimals):
    text = text.strip()
    if text and set(text) == {"*"}:
        compared["stars"] += 1
        return
    if value is None:
        fail(f"{where}: report prints {text!r}, document has null")
        return
    printed = decimal.Decimal(text) if text else None
    if printed is None or printed != rounded(value, decimals):
        fail(f"{where}: report prints {text!r}, document has {value!r}")
    compared["values"] += 1


def check_int(where, text, value):
    compared["values"] += 1
    if int(text) != value:
        fail(f"{where}: report prints {text!r}, document has {value!r}")


def cut(line, start, width):
    return line[start:start + width]


def lines_of(report):
    # Carriage control applied: form feeds and overprints split lines too.
    return re.split(r"[\n\f\r]", report)


def problem_sections(lines):
    """Report lines per problem, split at the page headers."""
    sections, current = [], None
    for line in lines:
        m = re.search(r"PROB\. NO\. (.{4})$", line)
        if m:
            current = []
            sections.append((m.group(1).strip(), current))
        elif current is not None:
            current.append(line)
    return sections


FORCE_FIELDS = ["PC", "MT", "V", "MB", "RF", "ML", "MR", "MTL", "VL", "MBL", "MF"]
COLUMN_LINE = re.compile(r"^.{18}[ \d]\d[ \-\d.*]{10}")


def check_force_tables(name, lines, problem):
    cases = [c for c in problem["load_cases"] if c["printed"]]
    expected = [(c, col) for c in cases for col in c["columns"]]
    got = []
    in_table = False
    for i, line in enumerate(lines):
        if "COLUMN MOMENTS(KIP-FEET), SHEARS(KIPS), REACTIONS(KIPS)" in line:
            in_table = True
            continue
        if "CAP ANALYSIS AND DESIGN DATA" in line:
            in_table = False
        if in_table and len(line) >= 130 and COLUMN_LINE.match(line):
            pb = None
            if i + 1 < len(lines) and re.fullmatch(r" {20}[ \-\d.*]{10}", lines[i + 1]):
                pb = lines[i + 1][20:30]
            got.append((line, pb))
    if len(got) != len(expected):
        fail(f"{name}: {len(got)} force-table lines in the report, {len(expected)} in the document")
        return
    for (line, pb), (case, col) in zip(got, expected):
        where = f"{name} {case['name']} column {col['column']}"
        check_int(where + " number", line[18:20], col["column"])
        for k, field in enumerate(FORCE_FIELDS):
            check(f"{where} {field}", cut(line, 20 + 10 * k, 10), col[field], 3)
        if pb is not None:
            check(f"{where} PB", pb, col["PB"], 3)


MOMENTS = ["DL_TOT", "G1_MAX_POS", "G1_MAX_NEG", "G2_MAX_POS", "G2_MAX_NEG", "G3_MAX_POS",
           "G3_MAX_NEG"]
SHEARS = ["DL_T_LT", "DL_T_RT", "G1_POS_LT", "G1_POS_RT", "G1_NEG_LT", "G1_NEG_RT"]


def check_cap_moments(name, lines, problem):
    got = []
    in_table = False
    for line in lines:
        if "CAP MOMENTS AND SHEARS" in line:
            in_table = True
            continue
        if in_table and re.match(r"^[CP][ \d]\d[ LR]  ", line) and len(line) > 76:
            got.append(line)
        if "CAP DESIGN DATA" in line or "COLUMN ANALYSIS" in line or "PILES" in line:
            in_table = False
    rows = problem["cap_moments"]
    if len(got) != len(rows):
        fail(f"{name}: {len(got)} cap moment lines in the report, {len(rows)} in the document")
        return
    for line, row in zip(got, rows):
        where = f"{name} cap moments {line[:4]}"
        check_int(where + " number", line[1:3], row["number"])
        for k, field in enumerate(MOMENTS):
            check(f"{where} {field}", cut(line, 6 + 10 * k, 10), row["moments"][field], 3)
        for k, field in enumerate(SHEARS):
            value = row["shears"][field]
            text = cut(line, 78 + 9 * k, 9)
            if value is None:
                if text.strip():
                    fail(f"{where} {field}: report prints {text!r} in an empty column")
                continue
            check(f"{where} {field}", text, value, 3)


def check_cap_design(name, lines, problem):
    cap = problem["cap"]
    if cap is None:
        return
    service = cap["method"] == "service load"
    designed = [p for p in cap["points"] if p["status"] == "designed"]
    got = [l for l in lines if re.match(r"^[CP][ \d]\d[ LR]?[ \-\d]", l) and len(l) > 100
           and "#" in l and "@" in l]
    if len(got) != len(designed):
        fail(f"{name}: {len(got)} cap design lines in the report, {len(designed)} in the document")
        return
    for line, p in zip(got, designed):
        where = f"{name} cap point {p['point']}"
        check(where + " MBPOS", cut(line, 3, 10), p["MBPOS"], 3)
        check(where + " MBNEG", cut(line, 13, 10), p["MBNEG"], 3)
        pos = 23
        for face, width, after in (("top_bars", 7, 0 if service else 1),
                                   ("bottom_bars", 8 if service else 7, 1)):
            bars = p[face]
            check(f"{where} {face} AS", cut(line, pos, width), bars["AS"], 2)
            check_int(f"{where} {face} count", cut(line, pos + width, 3), bars["count"])
            check_int(f"{where} {face} size", cut(line, pos + width + 5, 3), bars["size"])
            pos += width + 8 + after
        for side in ("left_stirrups", "right_stirrups"):
            s = p[side]
            check(f"{where} {side} max", cut(line, pos, 6), s["max_spacing"], 2)
            check(f"{where} {side} av", cut(line, pos + 6, 6), s["av_per_inch"], 3)
            check_int(f"{where} {side} size", cut(line, pos + 14, 2), s["size"])
            check(f"{where} {side} spacing", cut(line, pos + 17, 5), s["spacing"], 2)
            pos += 22
        check(where + " h", cut(line, pos, 7), p["section"]["h"], 2)
        pos += 7
        checks = {c["name"]: c["value"] for c in p["checks"]}
        if service:
            check_int(where + " FC", cut(line, pos, 6), checks["FC"])
        else:
            check(where + " PS", cut(line, pos + 6, 6), checks["PS"], 2)
            check(where + " FS/FF", cut(line, pos + 12, 7), checks["FS/FF"], 3)
            check(where + " FS/FZ", cut(line, pos + 19, 7), checks["FS/FZ"], 3)


def check_case_opening(where, line, s, PF, MTF, MLF):
    check(where + " WC", cut(line, 14, 4), s["WC"] / 10.0, 1)
    check(where + " PF", cut(line, 30, 7), PF, 1)
    check(where + " MTF", cut(line, 37, 8), MTF, 1)
    check(where + " MLF", cut(line, 45, 7), MLF, 1)
    if line[7].strip() != s["GR"] or line[10:14].strip() != s["LLID"]:
        fail(f"{where}: set {line[7]!r} {line[10:14]!r} differs from {s['GR']!r} {s['LLID']!r}")


def check_columns(name, lines, problem):
    ends = [e for e in problem["columns"] if e["governing"] is not None]
    critical, design = [], []
    section = None
    for line in lines:
        if "CRITICAL COLUMN LOADS" in line:
            section = "critical"
        elif "COLUMN DESIGN DATA" in line:
            section = "design"
        elif "FOOTING" in line and "DESIGN" in line:
            section = None
        elif section and re.match(r"^[ \d]\d  [TB]  ", line):
            (critical if section == "critical" else design).append(line)
    if len(critical) != len(ends) or len(design) != len(ends):
        fail(f"{name}: {len(critical)} critical and {len(design)} design-data column lines, "
             f"{len(ends)} designed ends in the document")
        return
    for line, e in zip(critical, ends):
        g = e["governing"]
        where = f"{name} column {e['column']} {e['end']}"
        check_case_opening(where, line, g["set"], g["PF"], g["MTF"], g["MLF"])
        for k, field in enumerate(["PM", "MTM", "MLM", "PU", "MTU", "MLU"]):
            check(f"{where} {field}", cut(line, 52 + 8 * k, 8), g[field], 1)
        check(where + " PU/PM", cut(line, 100, 7), g["PU_PM"], 3)
        check(where + " B", cut(line, 107, 7), e["B"], 2)
        check(where + " D", cut(line, 114, 7), e["D"], 2)
    for line, e in zip(design, ends):
        where = f"{name} column design data {e['column']} {e['end']}"
        for k, face in enumerate(e["bars"]["faces"]):
            check_int(f"{where} face {k + 1} count", cut(line, 7 + 10 * k, 3), face["count"])
            check_int(f"{where} face {k + 1} size", cut(line, 12 + 10 * k, 3), face["size"])
        check(where + " AS", cut(line, 45, 7), e["bars"]["AS"], 2)
        check(where + " PS", cut(line, 52, 7), e["bars"]["PS"], 3)
        m = e["magnification"]
        for field, start, width, dec in (("BD12", 59, 6, 2), ("BD", 65, 7, 3),
                                         ("SUMPU", 72, 9, 0), ("SUMPC", 81, 10, 0),
                                         ("DEL_T", 91, 7, 3), ("DEL_L", 98, 10, 3),
                                         ("CM", 108, 10, 3)):
            check(f"{where} {field}", cut(line, start, width), m[field], dec)
        check_int(where + " pattern", cut(line, 118, 3), e["bars"]["pattern"])
        check(where + " PHIC", cut(line, 121, 6), e["PHIC"], 2)


def check_piles(name, lines, problem):
    piles = problem["piles"]
    if piles is None:
        return
    got = {"axial": [], "lateral": []}
    table = None
    for line in lines:
        if "MAX. P-LOAD" in line:
            table = "axial"
        elif "MAX. VL-LOAD" in line:
            table = "lateral"
        elif "FOOTING" in line or "CAP DESIGN DATA" in line:
            table = None
        elif table and re.match(r"^[ \d]\d  T  ", line):
            got[table].append(line)
    for table, allowable in (("axial", "PA"), ("lateral", "VLA")):
        rows = piles[table]
        if len(got[table]) != len(rows):
            fail(f"{name}: {len(got[table])} {table} pile lines, {len(rows)} in the document")
            continue
        for line, r in zip(got[table], rows):
            where = f"{name} {table} pile {r['pile']}"
            check_case_opening(where, line, r["set"], r["PF"], r["MTF"], r["MLF"])
            check(where + " VLF", cut(line, 52, 7), r["VLF"], 1)
            check(where + " " + allowable, cut(line, 59, 8), r[allowable], 1)


def check_footings(name, lines, problem):
    designed = [f for f in problem["footings"] if f["status"] == "designed"]
    blocks = []
    for i, line in enumerate(lines):
        if line.startswith("   B       D       T    P1/PA"):
            blocks.append((lines[i + 2], lines[i + 4]))  # each after a blank line
    if len(blocks) != len(designed):
        fail(f"{name}: {len(blocks)} footing result blocks, {len(designed)} designed footings")
        return
    for (first, second), f in zip(blocks, designed):
        where = f"{name} footing {f['footing']}"
        check(where + " B", cut(first, 0, 6), f["B"], 3)
        check(where + " D", cut(first, 6, 8), f["D"], 3)
        check(where + " T", cut(first, 14, 8), f["T"], 3)
        check(where + " P1/PA", cut(first, 22, 7), f["checks"][0]["value"], 3)
        for line, d in zip((first, second), f["steel"]):
            w = f"{where} {d['direction']}"
            check(w + " AS", cut(line, 29, 6), d["AS"], 2)
            check_int(w + " count", cut(line, 35, 4), d["count"])
            check_int(w + " size", cut(line, 41, 2), d["size"])
            check(w + " spacing", cut(line, 45, 6), d["spacing"], 3)
            if line[57:61] != d["direction"]:
                fail(f"{w}: placement {line[57:61]!r}")
            for k, field in enumerate(["MCAP", "VBCAP", "VPCAP", "DS"]):
                check(f"{w} {field}", cut(line, 61 + 8 * k, 8), d[field], 3)
            check(w + " FC", cut(line, 93, 7), d["FC"], 3)


def check_footing_loads(name, lines, problem):
    by_number = {f["footing"]: f for f in problem["footings"]}
    for i, line in enumerate(lines):
        m = re.search(r"FOOTING([ \d]\d) DESIGN LOADS$", line)
        if not m:
            continue
        f = by_number.get(int(m.group(1)))
        rows = [l for l in lines[i + 1:i + 20] if re.search(r"  MAX\.(P1|MT|VT|VP|ML|VL|P3)$", l)][:7]
        if f is None or len(rows) != 7 or len(f["design_loads"]) != 7:
            fail(f"{name}: footing {m.group(1)} design-loads table and document differ")
            continue
        for line, r in zip(rows, f["design_loads"]):
            where = f"{name} footing {f['footing']} {r['label']}"
            if line[126:].strip() != r["label"] or line[2].strip() != r["id"]["GR"]:
                fail(f"{where}: line {line!r}")
            check(where + " column", line[0], r["id"]["column"], 0)
            check(where + " WC", cut(line, 8, 5), r["id"]["WC"], 1)
            for field, start, width in (("P", 25, 9), ("MT", 34, 9), ("VT", 43, 8),
                                        ("ML", 51, 9), ("VL", 60, 8)):
                check(f"{where} {field}", cut(line, start, width), r[field], 2)
            for k, field in enumerate(["P4", "P3", "P2", "P1", "MTF", "VBF", "VPF"]):
                check(f"{where} {field}", cut(line, 68 + 8 * k, 8), r[field], 3)
        # Every set again on the final footing: the worst ratio is the
        # governing set's (plan and pile group only grow after a set).
        if f["sets"]:
            worst = max(st["P1"] / st["GF"] for st in f["sets"])
            gov = f["design_loads"][0]
            if not math.isclose(worst, gov["P1"] / gov["GF"], rel_tol=1e-4, abs_tol=1e-3):
                fail(f"{name} footing {f['footing']}: sets reach P1/GF {worst}, MAX.P1 {gov['P1']}")
        # A footing free to grow in plan (or piles) and thickness meets every check.
        card = problem["input"]["footings"][f["footing"] - 1]
        free = card["DEL_T"] > 0 and (f["kind"] == "pile" or card["DEL_B"] + card["DEL_D"] > 0)
        if problem["input"]["design_data"]["FTGOPT"] == "D" and free:
            for c in (c for c in f["checks"] if c["limit"] is not None):
                over = c["value"] > c["limit"] if c["bound"] == "upper" else c["value"] < c["limit"]
                if over:
                    fail(f"{name} footing {f['footing']}: designed, yet {c}")


def curve_moment(curve, P):
    """The curve's moment at axial load P by linear interpolation; None beyond its ends."""
    for a, b in zip(curve, curve[1:]):
        if a["P"] <= P <= b["P"]:
            t = 0.0 if b["P"] == a["P"] else (P - a["P"]) / (b["P"] - a["P"])
            return a["M"] + t * (b["M"] - a["M"])
    return None


def within(curve, P, M):
    # The chords lie inside a curve that bulges out: a little slack.
    edge = curve_moment(curve, P)
    return edge is not None and M <= 1.01 * edge + 0.5


def check_column_curves(name, problem):
    dd = problem["input"]["design_data"]
    fcc2, fy = 0.85 * dd["FPC"] / 1000.0, dd["FY"] / 1000.0
    ends = [e for e in problem["columns"] if e["interaction"] is not None]
    for e in ends:
        where = f"{name} column {e['column']} {e['end']}"
        As = e["bars"]["AS"]
        ag = math.pi * e["D"] ** 2 / 4 if e["type"] == "R" else e["B"] * e["D"]
        p0 = e["PHIC"] * (As * fy + (ag - As) * fcc2)
        if not math.isclose(e["P0"], p0, rel_tol=1e-4):
            fail(f"{where}: P0 {e['P0']}, closed form {p0}")
        for axis in ("x", "y"):
            c = e["interaction"][axis]
            curve = c["curve"]
            w = f"{where} {axis}"
            if not 40 <= len(curve) <= 80 or any(b["P"] <= a["P"] for a, b in zip(curve, curve[1:])):
                fail(f"{w}: {len(curve)} points, P not rising throughout")
                continue
            top, bottom = curve[-1], curve[0]
            mmax = max(q["M"] for q in curve)
            if not math.isclose(top["P"], p0, rel_tol=1e-4) or abs(top["M"]) > 1e-3 * mmax:
                fail(f"{w}: compression end {top}, closed form P0 {p0}")
            if not math.isclose(bottom["P"], -e["PHIB"] * As * fy, rel_tol=5e-3):
                fail(f"{w}: tension end {bottom}, closed form {-e['PHIB'] * As * fy}")
            for point in ("max_compression", "balanced", "pure_bending"):
                q = c[point]
                if not any(math.isclose(q["P"], s["P"], rel_tol=1e-6, abs_tol=1e-4) and
                           math.isclose(q["M"], s["M"], rel_tol=1e-6) for s in curve):
                    fail(f"{w}: {point} {q} is not on the curve")
            if abs(c["pure_bending"]["P"]) > 0.05:
                fail(f"{w}: pure bending at P {c['pure_bending']['P']}")
            compared["values"] += len(curve)
        x, y = e["interaction"]["x"]["curve"], e["interaction"]["y"]["curve"]
        for k, l in enumerate(e["loads"]):
            lw = f"{where} load {k + 1}"
            if not (within(x, l["PU"], l["MXU"]) and within(y, l["PU"], l["MYU"])):
                fail(f"{lw}: strength {l['PU']}, {l['MXU']}, {l['MYU']} outside the curves")
            if l["FACTOR"] * l["RATIO"] >= 1.0:
                P, MX, MY = (v / l["FACTOR"] for v in (l["P"], l["MX"], l["MY"]))
                if not (within(x, P, MX) and within(y, P, MY)):
                    fail(f"{lw}: load {l['P']}, {l['MX']}, {l['MY']} with PU/PM "
                         f"{l['FACTOR'] * l['RATIO']} outside the curves")


def check_input_errors(doc):
    named = [m for p in doc["problems"] for m in p["messages"]
             if m["columns"] is not None and "IS NOT A NUMBER" in m["text"]]
    if not named:
        fail("input-errors: no message names the columns of a field that is not a number")
    for m in named:
        # Problem 1003 types the letter O for a zero in the column height of card 21.
        if (m["card"], m["columns"]["first"], m["columns"]["last"]) != (21, 7, 11) or m["line"] <= 0:
            fail(f"input-errors: message {m} does not name card 21, columns 7-11 and its line")
    rejected = [p for p in doc["problems"] if p["status"] == "input error"]
    if not rejected or any(not p["messages"] or p["messages"][-1]["card"] <= 0 and
                           p["messages"][-1]["line"] <= 0 for p in rejected):
        fail("input-errors: a rejected problem without a message naming its card and line")


def main():
    binary, source = sys.argv[1], sys.argv[2]
    schema = json.load(open(os.path.join(source, "schema", "results-1.schema.json")))
    jsonschema.Draft202012Validator.check_schema(schema)
    validator = jsonschema.Draft202012Validator(schema)
    env = dict(os.environ, SOURCE_DATE_EPOCH="1796774400")
    with tempfile.TemporaryDirectory() as tmp:
        for deck in sorted(glob.glob(os.path.join(source, "examples", "*.dat"))):
            name = os.path.basename(deck)[:-4]
            report_path = os.path.join(tmp, name + ".out")
            json_path = os.path.join(tmp, name + ".json")
            subprocess.run([binary, "--quiet", "--json", json_path, deck, report_path],
                           check=True, env=env, stderr=subprocess.DEVNULL)
            doc = json.load(open(json_path))
            for e in validator.iter_errors(doc):
                fail(f"{name}: schema: {list(e.path)}: {e.message[:300]}")
            report = open(report_path, encoding="latin-1").read()
            sections = problem_sections(lines_of(report))
            problems = [p for p in doc["problems"]]
            # Every problem opens with its own page header.
            if [s[0] for s in sections] != [p["number"] for p in problems]:
                fail(f"{name}: problems {[s[0] for s in sections]} vs {[p['number'] for p in problems]}")
                continue
            for (number, lines), p in zip(sections, problems):
                if p["status"] != "analysed":
                    continue
                where = f"{name} problem {number}"
                check_force_tables(where, lines, p)
                check_cap_moments(where, lines, p)
                check_cap_design(where, lines, p)
                check_columns(where, lines, p)
                check_piles(where, lines, p)
                check_footings(where, lines, p)
                check_footing_loads(where, lines, p)
                check_column_curves(where, p)
            if name == "input-errors":
                check_input_errors(doc)
    print(f"{compared['values']} printed values compared, {compared['stars']} fields too wide to print")
    for f in failures[:40]:
        print("FAIL", f)
    if compared["values"] < 10000:
        print("FAIL too few values compared")
        return 1
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
