#!/usr/bin/python3
"""Runs every example deck with --json and checks the results document.

1. The document validates against schema/results-1.schema.json (draft 2020-12).
2. Every number of the report's main tables equals the document's value
   rounded to the printed decimals: the input echo (every card as read,
   which is the document's `as_read` where the program changed a card),
   "MEMBER PROPERTIES" and "CAP PROPERTIES", the column force table of every
   load case, "CAP MOMENTS AND SHEARS" with its group VI block, "CAP DESIGN
   DATA", the critical column
   loads and "COLUMN DESIGN DATA", both pile tables, and the footing
   "ANALYSIS/DESIGN RESULTS" blocks and "DESIGN LOADS" tables. A field
   printed as asterisks (too wide) is only counted.
3. The input-error example names card, deck line and columns of a field
   that is not a number; every "ERROR PROBLEM NUMBER ..., *B03" line of a
   card where a title card should be is one of the document's own messages,
   in order, with its deck line and the problem it follows.
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
    got, group_six = [], []
    in_table = False
    for line in lines:
        if "CAP MOMENTS AND SHEARS" in line:
            in_table = True
            continue
        if in_table and re.match(r"^[CP][ \d]\d[ LR]  ", line):
            (got if len(line) > 76 else group_six).append(line)
        if "CAP DESIGN DATA" in line or "COLUMN ANALYSIS" in line or "PILES" in line:
            in_table = False
    rows = problem["cap_moments"]
    check_group_six(name, group_six, rows)
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


def check_group_six(name, got, rows):
    """The GROUP VI block after the cap moment table: a line per row, or none."""
    formed = [r for r in rows if r["group_six"] is not None]
    if formed and len(formed) != len(rows) or len(got) != len(formed):
        fail(f"{name}: {len(got)} group VI lines in the report, {len(formed)} of {len(rows)} "
             "rows with group VI in the document")
        return
    for line, row in zip(got, formed):
        where = f"{name} group VI {line[:4]}"
        label = f"{row['kind'][0].upper()}{row['number']:2d}{row['side'] or ' '}"
        if line[:4] != label:
            fail(f"{where}: labelled {line[:4]!r}, document row {label!r}")
        check(where + " G6_MAX_POS", cut(line, 6, 10), row["group_six"]["G6_MAX_POS"], 3)
        check(where + " G6_MAX_NEG", cut(line, 16, 10), row["group_six"]["G6_MAX_NEG"], 3)


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
    notes = [re.match(r"^NOTE: (...) DESIGNED FOR M\+ =(.{10}), M- =(.{10}) K-FT\.", l)
             for l in lines]
    notes = [m for m in notes if m]
    governing = [p for p in designed if p["group_governs"]]
    if len(notes) != len(governing):
        fail(f"{name}: {len(notes)} cap design-moment notes, {len(governing)} in the document")
    for m, p in zip(notes, governing):
        where = f"{name} cap note {p['point']}"
        if m.group(1).strip() != p["point"]:
            fail(f"{where}: the report names {m.group(1).strip()}")
        check(where + " MDPOS", m.group(2), p["MDPOS"], 3)
        check(where + " MDNEG", m.group(3), p["MDNEG"], 3)
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
        # The kept sets again on the final footing: the worst ratio is the
        # governing set's (plan and pile group only grow after a set), and
        # the sets the design met are at least the ranked ones kept.
        if f["sets_checked"] < min(len(f["sets"]), 25):
            fail(f"{name} footing {f['footing']}: {f['sets_checked']} sets checked")
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


# ---------------------------------------------------------------------------
# The input echo and the member property tables.

def walk(where, line, pos, fields, values):
    """Checks consecutive printed fields: (name, width, decimals) with decimals
    None for an integer and "c" for a character; returns the position after."""
    for name, width, dec in fields:
        text, value = cut(line, pos, width), values[name]
        if dec == "c":
            compared["values"] += 1
            if text.strip() != value:
                fail(f"{where} {name}: report prints {text!r}, document has {value!r}")
        elif dec is None:
            check_int(f"{where} {name}", text, value)
        else:
            check(f"{where} {name}", text, value, dec)
        pos += width
    return pos


def printed_card(card):
    """The card as the report echoes it: as read, where the program changed it."""
    return card["as_read"] if card["as_read"] is not None else card


def after(lines, marker, skip=1):
    """The line `skip` lines after the first one containing `marker`."""
    for i, line in enumerate(lines):
        if marker in line:
            return lines[i + skip]
    return None


def block(lines, start, stops):
    """The non-blank lines after each one containing `start` up to one containing a stop
    (a heading repeated on a new page starts again)."""
    out, inside = [], False
    for line in lines:
        if start in line:
            inside = True
        elif any(s in line for s in stops):
            inside = False
        elif inside and line.strip():
            out.append(line)
    return out


DESIGN_DATA = ([("CAPOPT", 2, "c"), ("COLOPT", 2, "c"), ("FTGOPT", 2, "c"), ("METHOD", 1, "c"),
                ("NCAN", 3, None), ("NCOL", 4, None), ("NLLC", 4, None), ("SKEWD", 4, None),
                ("SKEWM", 3, None), ("SKEWS", 3, None), ("FPC", 6, 0), ("FC", 6, 0),
                ("N", 4, 1), ("FY", 7, 0), ("FS", 7, 0), ("EC", 6, 0), ("ES", 7, 0),
                ("CONC_STRAIN", 7, 4), ("Z", 5, 0), ("MAINSZ", 4, None), ("STRSZ", 4, None),
                ("MAXTOP", 4, None), ("MAXBOT", 5, None), ("MINSZ", 5, None),
                ("MINNO", 5, None), ("TOPCL", 6, 2), ("MINSSP", 6, 2), ("DEPINC", 5, 2),
                ("BOTCL", 5, 2)])
COLUMN_STEEL = ([("MIN_P", 5, 2), ("MAX_P", 6, 2), ("CL_SP", 6, 2), ("CLEAR", 7, 3),
                 ("RMODE", 4, None), ("KLCOEF", 6, 2), ("OC", 5, 2), ("OF", 5, 2), ("CM", 5, 2),
                 ("BD1", 5, 2), ("BD2", 5, 2), ("IMPACT_PERCENT", 6, 2), ("SOILWT", 7, 3),
                 ("ALLSP", 9, 3), ("MINPLSP", 6, 2), ("MAXPLSP", 6, 2), ("EDGEDIST", 7, 3),
                 ("PILEDEPTH", 6, 3), ("REBARCLR", 6, 3), ("PILECAP", 8, 3), ("PILEUPL", 9, 3),
                 ("IP", 3, "c")])
COLUMN_CARD = [("HT", 7, 3), ("A", 7, 3), ("DT", 7, 3), ("BT", 7, 3), ("DB", 7, 3),
               ("BB", 7, 3), ("DL", 7, 3), ("FLEX", 7, 3)]
FOOTING_CARD = ([(n, 8, 3) for n in ("B", "D", "T", "DEL_B", "DEL_D", "DEL_T")] +
                [("R_BD", 7, 3), ("R_DB", 7, 3), ("S_HT", 8, 3), ("NP", 4, None),
                 ("SYM", 4, None), ("BP", 9, 3), ("DP", 8, 3), ("SET", 8, 3)])
# A card naming an earlier member: card number, the column's own load
# points, the member's number and the one it is the same as.
SAME_AS = re.compile(r"^\d\d([ \d]\d)? +(\d+|\*+) SAME AS (?:CAP SECTION|CANTILEVER |COLUMN|FOOTING) (.)$")


def check_same_as(where, line, number, card):
    m = SAME_AS.match(line)
    compared["values"] += 1
    if not m or m.group(3) != str(card["same_as"]) or (
            m.group(1) is not None and int(m.group(1)) != card["P"]):
        fail(f"{where}: report prints {line!r}, document same_as {card['same_as']}")
    elif set(m.group(2)) == {"*"}:  # a member number too wide for its field
        compared["stars"] += 1
    elif int(m.group(2)) != number:
        fail(f"{where}: report prints {line!r} for member {number}")


def check_card_lines(name, got, cards, number_key, check_full):
    if len(got) != len(cards):
        fail(f"{name}: {len(got)} echoed {number_key} cards, {len(cards)} in the document")
        return
    for line, card in zip(got, cards):
        where = f"{name} {number_key} card {card[number_key]}"
        if card["same_as"]:
            check_same_as(where, line, card[number_key], card)
        else:
            check_full(where, line, printed_card(card))


def check_cap_card(where, line, seg):
    walk(where, line, 4, [("C", 1, "c")] + [(n, 8, 3) for n in ("L", "A", "DE", "BC")], seg)
    # A span leaves the end width blank.
    if cut(line, 37, 8).strip():
        check(where + " BE", cut(line, 37, 8), seg["BE"], 3)
    walk(where, line, 45, [("DH", 8, 3), ("LH", 8, 3)], seg)
    printed = [cut(line, 61 + 8 * k, 8) for k in range((len(line) - 61) // 8)]
    if len(printed) != len(seg["XB"]):
        fail(f"{where}: {len(printed)} bearings printed, {len(seg['XB'])} in the document")
    for k, (text, value) in enumerate(zip(printed, seg["XB"])):
        check(f"{where} XB{k + 1}", text, value, 3)


def check_column_card(where, line, col):
    walk(where, line, 2, [("P", 2, None), ("I", 2, "c"), ("T", 2, "c"), ("S", 2, "c")], col)
    walk(where, line, 10, COLUMN_CARD, col)
    for g, group in enumerate(col["bar_groups"]):
        walk(f"{where} group {g + 1}", line, 67 + 9 * g,
             [("ND", 3, None), ("NB", 3, None), ("SZ", 3, None)], group)
    walk(where, line, 103, [("SLOPE", 7, 3), ("EP", 7, 3), ("AP", 7, 3)], col)


def check_footing_card(where, line, ftg):
    walk(where, line, 4, [("SP", 1, "c")] + FOOTING_CARD, ftg)


def check_wind(name, lines, wind):
    g2, g3 = wind["group_2"], wind["group_3"]
    line = after(lines, "  TRANS.     LONG.  WIND FT1", 2)
    w = f"{name} group II wind"
    pos = walk(w, line, 0, [("WAT", 8, 0), ("WAL", 10, 0), ("STD", 4, None)], g2)
    for k in range(5):
        check_int(f"{w} FT{k + 1}", cut(line, pos + 10 * k, 6), g2["FT_PSF"][k])
        check_int(f"{w} FL{k + 1}", cut(line, pos + 10 * k + 6, 4), g2["FL_PSF"][k])
    walk(w, line, pos + 50, [("APT", 9, 3), ("APL", 8, 3), ("PT", 9, 3), ("PL", 8, 3)], g2)
    # The intensities used, in ksf, are the first NW directions of the card's.
    for k in range(5):
        in_use = k < g2["NW"]
        if in_use != (k < len(g2["WFT"])) or in_use and (
                not math.isclose(g2["WFT"][k] * 1000, g2["FT_PSF"][k], abs_tol=1e-3) or
                not math.isclose(g2["WFL"][k] * 1000, g2["FL_PSF"][k], abs_tol=1e-3)):
            fail(f"{w} direction {k + 1}: {g2}")
    line = after(lines, "WIND FT1 FL1  FT2 FL2  FT3 FL3", 2)
    w = f"{name} group III wind"
    check_int(w + " STD", cut(line, 0, 3), g3["STD"])
    for k in range(5):
        check_int(f"{w} FT{k + 1}", cut(line, 3 + 9 * k, 5), g3["FT_PSF"][k])
        check_int(f"{w} FL{k + 1}", cut(line, 8 + 9 * k, 4), g3["FL_PSF"][k])
        check_int(f"{w} LFT{k + 1}", cut(line, 53 + 9 * k, 5), g3["LFT_PLF"][k])
        check_int(f"{w} LFL{k + 1}", cut(line, 58 + 9 * k, 4), g3["LFL_PLF"][k])
    check_int(w + " LL STD", cut(line, 49, 3), g3["LL_STD"])
    walk(w, line, 98, [("LLT", 8, 1), ("LLL", 8, 1), ("APT", 8, 3), ("APL", 8, 3)], g3)
    # Group III carries 30 percent of the superstructure wind.
    for k in range(g3["NW"]):
        if not (math.isclose(g3["WFT"][k] * 1e4, 3 * g3["FT_PSF"][k], abs_tol=1e-2) and
                math.isclose(g3["LFT"][k] * 1e3, g3["LFT_PLF"][k], abs_tol=1e-3)):
            fail(f"{w} direction {k + 1}: {g3}")


def check_loads(name, lines, loads):
    got = block(lines, "I.D.  NL    P1", ["DEAD LOAD SUPERSTRUCTURE", "+++++"])
    cases = [("DEAD LOAD", loads["dead_ID"], loads["dead_NL"], loads["dead"])]
    cases += [(f"live load {c['ID']}", c["ID"], c["NL"], c["LOAD"]) for c in loads["live"]]
    per_case = max(1, -(-loads["NLP"] // 12))
    if len(got) != per_case * len(cases):
        fail(f"{name}: {len(got)} load lines, {len(cases)} cases of {per_case} in the document")
        return
    for c, (label, ident, nl, values) in enumerate(cases):
        first = got[c * per_case]
        where = f"{name} {label}"
        compared["values"] += 1
        if first[:4].strip() != ident:
            fail(f"{where}: I.D. {first[:4]!r}, document {ident!r}")
        check_int(where + " NL", cut(first, 4, 4), nl)
        printed = [cut(l, 8 + 9 * m, 9) for l in got[c * per_case:(c + 1) * per_case]
                   for m in range((len(l) - 8) // 9)]
        if len(printed) != len(values):
            fail(f"{where}: {len(printed)} loads printed, {len(values)} in the document")
        for m, (text, value) in enumerate(zip(printed, values)):
            check(f"{where} P{m + 1}", text, value, 3)


def check_input_echo(name, lines, problem):
    inp = problem["input"]
    echo = lines[:next((i for i, l in enumerate(lines)
                        if "MEMBER PROPERTIES" in l or "COLUMN MOMENTS" in l), len(lines))]
    line, dd = after(echo, "SIZE SIZ TOP  BOT"), inp["design_data"]
    walk(f"{name} design data", line, 0, DESIGN_DATA[:8], dd)
    # The skew angle as degrees-minutes-seconds.
    check_int(f"{name} design data SKEWM", cut(line, 23, 2), dd["SKEWM"])
    check_int(f"{name} design data SKEWS", cut(line, 26, 2), dd["SKEWS"])
    walk(f"{name} design data", line, 28, DESIGN_DATA[10:], dd)
    walk(f"{name} column steel", after(echo, "MIN.P MAX.P CL.SP."), 0, COLUMN_STEEL,
         inp["column_steel"])
    card_line = re.compile(r"^\d\d")
    cap = [l for l in block(echo, "CAP DATA", ["COLUMN DATA"]) if card_line.match(l)]
    check_card_lines(name, cap, inp["cap_segments"], "segment", check_cap_card)
    cols = [l for l in block(echo, "COLUMN DATA", ["FOOTING DATA", "GROUP II WIND"])
            if card_line.match(l)]
    check_card_lines(name, cols, inp["columns"], "column", check_column_card)
    ftgs = [l for l in block(echo, "FOOTING DATA", ["GROUP II WIND"]) if card_line.match(l)]
    check_card_lines(name, ftgs, inp["footings"], "footing", check_footing_card)
    check_wind(name, echo, inp["wind"])
    misc = inp["misc_forces"]
    walk(f"{name} miscellaneous forces", after(echo, "COEFFICIENT COEFFICIENT    PT", 2), 0,
         [("FT", 6, 3), ("FL", 9, 3), ("APT", 8, 3), ("APL", 8, 3), ("EXPC", 14, 8),
          ("SHRC", 12, 8), ("PT", 8, 3), ("PL", 8, 3)], misc)
    seis = block(echo, " COL  TOP-VL", ["DEAD LOAD SUPERSTRUCTURE"])
    if len(seis) != len(inp["seismic"]):
        fail(f"{name}: {len(seis)} seismic lines, {len(inp['seismic'])} in the document")
    for line, s in zip(seis, inp["seismic"]):
        where = f"{name} seismic column {s['column']}"
        check_int(where, cut(line, 3, 2), s["column"])
        for j in range(7):
            check(f"{where} LONG {j + 1}", cut(line, 5 + 8 * j, 8), s["LONG"][j], 0)
            check(f"{where} TRANS {j + 1}", cut(line, 64 + 8 * j, 8), s["TRANS"][j], 0)
    check_loads(name, echo, inp["loads"])


COLUMN_PROPERTY_LINES = (
    [("KT", 11, 1), ("COTB", 7, 4), ("COTBM", 7, 4), ("TLR", 7, 4), ("TRC", 7, 4),
     ("TLC", 7, 4), ("DFC", 7, 4), ("KL", 11, 6), ("FKBR", 11, 1), ("PCBR", 11, 1),
     ("PCL", 11, 1), ("UFMT", 11, 1), ("EITTB", 10, 1), ("PSIT", 6, 1), ("RGTB", 6, 1)],
    [("KTM", 11, 1), ("COBT", 7, 4), ("COBTM", 7, 4), ("TRL", 7, 4), ("TCR", 7, 4),
     ("TCL", 7, 4), ("DFL", 7, 4), ("PDF", 11, 4), ("FKUBR", 11, 1), ("PCUBR", 11, 1),
     ("FLU", 11, 1), ("UFMB", 11, 1), ("EILTB", 10, 1), ("PSIB", 6, 1), ("RGL", 6, 1)])
CAP_PROPERTY_LINES = (
    ([("CO", 11, 4), ("KML", 11, 1), ("COMLR", 7, 4), ("FMWT", 11, 4)], "FMLP"),
    ([("K", 11, 1), ("KMR", 11, 1), ("COMRL", 7, 4), ("UFEM", 11, 1)], "FMRP"))


def check_properties(name, lines, problem):
    props = problem["properties"]
    # Printed when the column steel card asks for them (IP = P).
    asked = problem["input"]["column_steel"]["IP"] == "P"
    if asked != any("MEMBER PROPERTIES" in l for l in lines):
        fail(f"{name}: IP {problem['input']['column_steel']['IP']!r}, properties printed: {not asked}")
    if not asked:
        return
    rows = block(lines, "CN       KTM", ["CAP PROPERTIES", "+++++", "COLUMN MOMENTS"])
    cols = props["columns"]
    if len(rows) != 2 * len(cols):
        fail(f"{name}: {len(rows)} column property lines, {len(cols)} columns in the document")
    for k, col in enumerate(cols[:len(rows) // 2]):
        where = f"{name} column {col['column']} properties"
        check_int(where, cut(rows[2 * k], 0, 2), col["column"])
        for line, fields in zip(rows[2 * k:2 * k + 2], COLUMN_PROPERTY_LINES):
            walk(where, line, 2, fields, col)
    rows = block(lines, "CN       K ", ["+++++", "COLUMN MOMENTS"])
    spans = [s for s in props["cap_segments"]
             if 2 <= s["segment"] <= problem["input"]["design_data"]["NCOL"]]
    if len(rows) != 2 * len(spans):
        fail(f"{name}: {len(rows)} cap property lines, {len(spans)} spans in the document")
    for k, span in enumerate(spans[:len(rows) // 2]):
        where = f"{name} span {span['segment']} properties"
        check_int(where, cut(rows[2 * k], 0, 2), span["segment"])
        for line, (fields, unit_loads) in zip(rows[2 * k:2 * k + 2], CAP_PROPERTY_LINES):
            pos = walk(where, line, 2, fields, span)
            printed = [cut(line, pos + 11 * i, 11) for i in range((len(line) - pos) // 11)]
            if len(printed) != len(span[unit_loads]):
                fail(f"{where}: {len(printed)} {unit_loads} printed, {len(span[unit_loads])} kept")
            for i, (text, value) in enumerate(zip(printed, span[unit_loads])):
                check(f"{where} {unit_loads}{i + 1}", text, value, 4)


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


def check_outside_messages(name, lines, doc):
    """Cards where a title card should be: the report's lines, the document's messages."""
    got, problem = [], None
    for line in lines:
        m = re.search(r"PROB\. NO\. (.{4})$", line)
        if m:
            problem = m.group(1).strip()
        elif line.startswith("ERROR PROBLEM NUMBER ") and line.endswith(", *B03"):
            got.append((line, problem))
    kept = [(m["text"], m["after_problem"]) for m in doc["messages"]]
    compared["values"] += len(got)
    if got != kept:
        fail(f"{name}: stray-card lines {got}, document messages {kept}")
    for m in doc["messages"]:
        if m["line"] <= 0 or m["severity"] != "error":
            fail(f"{name}: message {m} without its deck line")


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
            check_outside_messages(name, lines_of(report), doc)
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
                check_input_echo(where, lines, p)
                check_properties(where, lines, p)
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
