#!/usr/bin/env python3
"""Builds the example decks of bentpier from named values.

Every card is assembled field by field into its fixed columns, so a value
can never slip into a neighbouring field. Run from anywhere:

    python3 examples/make_decks.py

and the .dat files next to this script are rewritten.

Field kinds: ("I", first, width) an integer, right-justified;
("F", first, width, decimals) a real with implied decimals, written with a
decimal point when that fits and as implied digits otherwise; ("A", first,
width) characters, left-justified. A value of None or 0 leaves the field
blank (blank reads as zero).
"""

import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))


def fmt_real(value, width, decimals):
    if value == 0:
        return " " * width
    # With a decimal point: the shortest exact form that fits.
    for places in range(1, max(decimals, 1) + 4):
        text = f"{value:.{places}f}"
        if abs(float(text) - value) < 1e-9:
            if len(text) <= width:
                return text.rjust(width)
            break
    # Implied decimals: the digits alone, right-justified.
    scaled = round(value * 10 ** decimals)
    if abs(scaled / 10 ** decimals - value) > 1e-9:
        raise ValueError(f"{value} needs more than {decimals} decimals")
    text = str(scaled)
    if len(text) > width:
        raise ValueError(f"{value} does not fit in {width}.{decimals}")
    return text.rjust(width)


def fmt_int(value, width):
    if value is None or value == 0:
        return " " * width
    text = str(value)
    if len(text) > width:
        raise ValueError(f"{value} does not fit in {width} columns")
    return text.rjust(width)


def card(layout, values):
    """Places `values` (a dict by field name) into an 80-column card."""
    text = [" "] * 80
    for name, field_layout in layout.items():
        if name not in values:
            continue
        value = values[name]
        kind, first, width = field_layout[0], field_layout[1], field_layout[2]
        if kind == "I":
            field = fmt_int(value, width)
        elif kind == "F":
            field = fmt_real(value, width, field_layout[3])
        else:
            field = str(value).ljust(width)
            if len(field) > width:
                raise ValueError(f"{name}: '{value}' longer than {width}")
        text[first - 1:first - 1 + width] = list(field)
    unknown = set(values) - set(layout)
    if unknown:
        raise KeyError(f"fields not in the layout: {sorted(unknown)}")
    return "".join(text).rstrip()


def title(probno, text):
    return ("*B03" + probno.ljust(4)[:4] + text)[:80].rstrip()


# Design data card (1).
DESIGN = {
    "CN": ("I", 1, 2), "CAPOPT": ("A", 3, 1), "COLOPT": ("A", 4, 1),
    "FTGOPT": ("A", 5, 1), "METHOD": ("A", 6, 1), "NCAN": ("I", 7, 1),
    "NCOL": ("I", 8, 2), "NLLC": ("I", 10, 2), "SKEWD": ("I", 12, 2),
    "SKEWM": ("I", 14, 2), "SKEWS": ("I", 16, 2), "FPC": ("F", 18, 4, 0),
    "FC": ("F", 22, 4, 0), "N": ("F", 26, 2, 0), "FY": ("F", 28, 5, 0),
    "FS": ("F", 33, 5, 0), "EC": ("F", 38, 4, 0), "ES": ("F", 42, 5, 0),
    "CONC_STRAIN": ("F", 47, 4, 4), "Z": ("F", 51, 3, 0),
    "MAINSZ": ("I", 54, 2), "STRSZ": ("I", 56, 2), "MAXTOP": ("I", 58, 2),
    "MAXBOT": ("I", 60, 2), "MINSZ": ("I", 62, 2), "MINNO": ("I", 64, 2),
    "TOPCL": ("F", 66, 3, 2), "MINSSP": ("F", 69, 3, 2),
    "DEPINC": ("F", 72, 3, 2), "BOTCL": ("F", 75, 3, 2),
}

# Column reinforcing steel card (2).
STEEL = {
    "CN": ("I", 1, 2), "MIN_P": ("F", 3, 3, 2), "MAX_P": ("F", 6, 3, 2),
    "CL_SP": ("F", 9, 3, 2), "CLEAR": ("F", 12, 4, 3), "RMODE": ("I", 16, 1),
    "KLCOEF": ("F", 17, 3, 2), "OC": ("F", 20, 3, 2), "OF": ("F", 23, 3, 2),
    "CM": ("F", 26, 3, 2), "BD1": ("F", 29, 3, 2), "BD2": ("F", 32, 3, 2),
    "IMPACT": ("F", 35, 4, 2), "SOILWT": ("F", 39, 3, 3),
    "ALLSP": ("F", 42, 5, 3), "MINPLSP": ("F", 47, 3, 2),
    "MAXPLSP": ("F", 50, 3, 2), "EDGEDIST": ("F", 53, 4, 3),
    "PILEDEPTH": ("F", 57, 5, 3), "REBARCLR": ("F", 62, 4, 3),
    "PILECAP": ("F", 66, 6, 3), "PILEUPL": ("F", 72, 5, 3), "IP": ("A", 77, 1),
}

# Cap card (11, 12, ...).
CAP = {"CN": ("I", 1, 2), "C": ("A", 3, 1)}
for _i, _name in enumerate(["L", "A", "DE", "BC", "BE", "DH", "LH"]):
    CAP[_name] = ("F", 4 + 5 * _i, 5, 3)
for _i in range(8):
    CAP[f"XB{_i + 1}"] = ("F", 39 + 5 * _i, 5, 3)

# Column card (21, 22, ...).
COLUMN = {
    "CN": ("I", 1, 2), "P": ("I", 3, 1), "I": ("A", 4, 1), "T": ("A", 5, 1),
    "S": ("A", 6, 1),
}
for _i, _name in enumerate(["HT", "A", "DT", "BT", "DB", "BB"]):
    COLUMN[_name] = ("F", 7 + 5 * _i, 5, 3)
COLUMN["DL"] = ("F", 37, 4, 3)
COLUMN["FLEX"] = ("F", 41, 4, 3)
for _g in range(4):
    COLUMN[f"ND{_g + 1}"] = ("I", 45 + 6 * _g, 2)
    COLUMN[f"NB{_g + 1}"] = ("I", 47 + 6 * _g, 2)
    COLUMN[f"SZ{_g + 1}"] = ("I", 49 + 6 * _g, 2)
COLUMN["SLOPE"] = ("F", 69, 4, 3)
COLUMN["EP"] = ("F", 73, 4, 2)
COLUMN["AP"] = ("F", 77, 4, 2)

# Footing card (31, 32, ...).
FOOTING = {"CN": ("I", 1, 2), "SP": ("A", 3, 1)}
for _i, _name in enumerate(["B", "D", "T", "DEL_B", "DEL_D", "DEL_T"]):
    FOOTING[_name] = ("F", 4 + 5 * _i, 5, 3)
FOOTING.update({
    "R_BD": ("F", 34, 4, 3), "R_DB": ("F", 38, 4, 3), "S_HT": ("F", 42, 5, 3),
    "NP": ("I", 47, 2), "SYM": ("I", 49, 1), "BP": ("F", 50, 5, 3),
    "DP": ("F", 55, 5, 3), "SET": ("F", 60, 5, 3),
})

# Group II wind card (41).
WIND2 = {
    "CN": ("I", 1, 2), "WAT": ("F", 3, 6, 0), "WAL": ("F", 9, 6, 0),
    "STD": ("I", 15, 1), "APT2": ("F", 36, 5, 3), "APL2": ("F", 41, 5, 3),
    "PT2": ("F", 46, 5, 3), "PL2": ("F", 51, 5, 3),
}
for _i in range(5):
    WIND2[f"FT{_i + 1}"] = ("I", 16 + 4 * _i, 2)
    WIND2[f"FL{_i + 1}"] = ("I", 18 + 4 * _i, 2)

# Group III wind card (42).
WIND3 = {
    "CN": ("I", 1, 2), "STD": ("I", 3, 1), "LLSTD": ("I", 24, 1),
    "LFT1": ("I", 25, 3), "LFL1": ("I", 28, 2),
    "LLT": ("F", 46, 5, 1), "LLL": ("F", 51, 5, 1),
    "APT3": ("F", 56, 5, 3), "APL3": ("F", 61, 5, 3),
}
for _i in range(5):
    WIND3[f"FT{_i + 1}"] = ("I", 4 + 4 * _i, 2)
    WIND3[f"FL{_i + 1}"] = ("I", 6 + 4 * _i, 2)
for _i in range(1, 5):
    WIND3[f"LFT{_i + 1}"] = ("I", 30 + 4 * (_i - 1), 2)
    WIND3[f"LFL{_i + 1}"] = ("I", 32 + 4 * (_i - 1), 2)

# Miscellaneous forces card (43).
MISC = {
    "CN": ("I", 1, 2), "FT": ("F", 3, 6, 3), "FL": ("F", 9, 6, 3),
    "APT": ("F", 15, 5, 3), "APL": ("F", 20, 5, 3),
    "EXPC": ("F", 25, 8, 8), "SHRC": ("F", 33, 8, 8),
    "PT": ("F", 41, 5, 3), "PL": ("F", 46, 5, 3), "NSEIS": ("I", 51, 2),
}

# Seismic card (44): column number, then seven longitudinal and seven
# transverse forces.
SEISMIC_NAMES = ["TOP-VL", "TOP-VT", "BOT-ML", "TOP-ML", "BOT-MT", "TOP-MT", "TOP-P"]
SEISMIC = {"CN": ("I", 1, 2), "COL": ("I", 3, 2)}
for _i in range(14):
    SEISMIC[f"F{_i + 1}"] = ("F", 5 + 5 * _i, 5, 0)


def seismic(col, longitudinal, transverse):
    values = {"CN": 44, "COL": col}
    for i, v in enumerate(list(longitudinal) + list(transverse)):
        values[f"F{i + 1}"] = v
    return card(SEISMIC, values)


LOAD_FIELDS = {"CN": ("I", 1, 2), "ID": ("A", 3, 4), "NL": ("I", 7, 2)}
for _i in range(12):
    LOAD_FIELDS[f"P{_i + 1}"] = ("F", 9 + 6 * _i, 6, 3)


def load_case(first_number, ident, lanes, loads):
    """The cards of one load case: 12 loads a card."""
    cards = []
    count = math.ceil(len(loads) / 12)
    for j in range(count):
        values = {"CN": first_number + j}
        if j == 0:
            values["ID"] = ident
            values["NL"] = lanes
        for m, v in enumerate(loads[12 * j:12 * j + 12]):
            values[f"P{m + 1}"] = v
        cards.append(card(LOAD_FIELDS, values))
    return cards


def cap_cards(segments):
    """Cap cards numbered from 11; a segment is a dict of CAP fields."""
    return [card(CAP, dict(seg, CN=11 + i)) for i, seg in enumerate(segments)]


def column_cards(columns):
    return [card(COLUMN, dict(col, CN=21 + i)) for i, col in enumerate(columns)]


def footing_cards(footings):
    return [card(FOOTING, dict(f, CN=31 + i)) for i, f in enumerate(footings)]


def bearings(*increments):
    return {f"XB{i + 1}": v for i, v in enumerate(increments)}


# ---------------------------------------------------------------------------
# 1. Three-column bent: haunched cantilevers (parabolic left, straight right),
#    a straight-haunched span repeated as its mirror image, spread footings,
#    wind, stream flow, traction, centrifugal force, expansion, shrinkage and
#    four live-load cases. Girders at 7 ft on a 55 ft cap.
def three_column_bent():
    deck = [title("0101", "US 30 OVER MILL CREEK - PIER 2 - THREE COLUMN BENT")]
    deck.append(card(DESIGN, dict(
        CN=1, CAPOPT="D", COLOPT="D", FTGOPT="D", METHOD="S", NCAN=2, NCOL=3,
        NLLC=4, SKEWD=10, SKEWM=30, FPC=3500, FY=60000, FS=24000,
        MAINSZ=10, STRSZ=5, MAXTOP=8, MAXBOT=8, MINSZ=8, MINNO=4,
        TOPCL=2.0, MINSSP=4.0, DEPINC=3.0, BOTCL=2.0)))
    deck.append(card(STEEL, dict(
        CN=2, MIN_P=1.0, MAX_P=6.0, CL_SP=2.25, CLEAR=2.5, KLCOEF=2.0,
        BD1=1.0, BD2=0.75, IMPACT=25.0, SOILWT=0.12, ALLSP=4.0,
        REBARCLR=3.0, IP="P")))
    deck += cap_cards([
        dict(C="P", L=9.0, A=1.75, DE=3.0, BC=3.5, BE=3.5, DH=1.5, LH=4.0,
             **bearings(6.5)),
        dict(C="L", L=18.5, A=1.75, DE=4.0, BC=3.5, DH=1.0, LH=3.0,
             **bearings(0.5, 7.0, 7.0)),
        dict(C="2"),
        dict(C="L", L=9.0, A=1.75, DE=3.0, BC=3.5, BE=3.0, DH=1.5, LH=4.0,
             **bearings(6.5)),
    ])
    round_column = dict(I="C", T="R", HT=22.0, DT=3.5, DL=2.0,
                        NB1=10, SZ1=9, NB3=20, SZ3=11)
    deck += column_cards([round_column, round_column, dict(I="1")])
    spread = dict(SP="S", B=10.0, D=10.0, T=2.5, DEL_B=0.5, DEL_D=0.5,
                  DEL_T=0.25, R_BD=1.0, R_DB=1.5, S_HT=3.0)
    deck += footing_cards([spread, dict(spread, B=11.0, D=11.0, T=2.75), dict(SP="1")])
    deck.append(card(WIND2, dict(CN=41, WAT=780, WAL=520, STD=1, APT2=6.5,
                                 APL2=6.5, PT2=3.2, PL2=1.8)))
    deck.append(card(WIND3, dict(CN=42, STD=1, LLSTD=1, LLT=105.0, LLL=105.0,
                                 APT3=10.5, APL3=10.5)))
    deck.append(card(MISC, dict(CN=43, FT=4.5, FL=9.0, APT=10.5, APL=10.5,
                                EXPC=0.00018, SHRC=0.0002, PT=12.0, PL=4.0)))
    deck += load_case(51, "DEAD", 0, [88.5, 96.2, 96.2, 96.2, 96.2, 96.2, 96.2, 88.5])
    deck += load_case(61, "1LN", 1, [52.4, 38.6, 6.2, 0, 0, 0, 0, 0])
    deck += load_case(61, "2LN", 2, [48.1, 55.3, 44.7, 30.2, 4.8, 0, 0, 0])
    deck += load_case(61, "3LN", 3, [20.5, 42.8, 51.6, 47.9, 45.2, 38.4, 12.7, 0])
    deck += load_case(61, "PRMT", 0, [0, 0, 35.0, 72.5, 72.5, 35.0, 0, 0])
    return deck


# 2. Single-column hammerhead pier on a spread footing: a parabolic
#    cantilever and its mirror image, a tied rectangular column that carries
#    one load point itself, investigation of column and footing under the
#    load-factor method, and seismic forces.
def single_column_pier():
    deck = [title("0201", "SR 12 RAMP C - PIER 3 - HAMMERHEAD ON SPREAD FOOTING")]
    deck.append(card(DESIGN, dict(
        CN=1, CAPOPT="D", COLOPT="I", FTGOPT="I", METHOD="L", NCAN=2, NCOL=1,
        NLLC=2, FPC=4000, FY=60000, FS=24000, MAINSZ=11, STRSZ=5, MINSZ=9)))
    deck.append(card(STEEL, dict(
        CN=2, MIN_P=1.0, MAX_P=4.0, CLEAR=2.5, KLCOEF=2.1, IMPACT=30.0,
        SOILWT=0.125, ALLSP=6.0, IP="P")))
    deck += cap_cards([
        dict(C="P", L=14.0, A=2.0, DE=3.0, BC=4.0, DH=3.0, LH=8.0,
             **bearings(12.0, 8.0)),
        dict(C="1"),
    ])
    deck += column_cards([dict(P=1, I="C", T="T", HT=28.0, DT=4.0, BT=3.0,
                               DL=1.5, ND1=4, NB1=6, SZ1=9)])
    deck += footing_cards([dict(SP="S", B=14.0, D=16.0, T=3.5, S_HT=4.0, SYM=0)])
    deck.append(card(WIND2, dict(CN=41, WAT=640, WAL=410, STD=1, APT2=7.25,
                                 APL2=7.25, PT2=4.6, PL2=3.1)))
    deck.append(card(WIND3, dict(CN=42, STD=1, LLSTD=1, LLT=90.0, LLL=90.0,
                                 APT3=11.0, APL3=11.0)))
    deck.append(card(MISC, dict(CN=43, FT=6.2, FL=9.0, APT=11.0, APL=11.0,
                                NSEIS=1)))
    deck.append(seismic(1, [85, 12, 2380, 0, 360, 0, 40],
                        [14, -96, 420, 0, -2710, 0, 55]))
    # Load points from left to right: the two bearings of the left
    # cantilever (outer one first), the load on the column, the two bearings
    # of the right cantilever (inner one first).
    deck += load_case(51, "DEAD", 0, [118.0, 126.5, 15.0, 126.5, 118.0])
    deck += load_case(61, "1LN", 1, [64.2, 41.0, 0, 0, 0])
    deck += load_case(61, "2LN", 2, [58.7, 66.3, 0, 52.9, 31.4])
    return deck


# 3. Pile bent of four 14-inch piles (pile code 2), the outer two battered
#    1 in 4 as mirror images, each on a pile footing; seismic forces, some
#    given negative; a constant cap with a mirrored span and cantilever.
def pile_bent():
    deck = [title("0301", "CR 7 OVER DRY RUN - BENT 2 - BATTERED PILE BENT")]
    deck.append(card(DESIGN, dict(
        CN=1, CAPOPT="D", COLOPT="D", FTGOPT="D", METHOD="S", NCAN=2, NCOL=4,
        NLLC=3, SKEWD=20, FPC=3000, FY=40000, FS=20000, MAINSZ=9, STRSZ=4,
        MINSZ=6)))
    deck.append(card(STEEL, dict(
        CN=2, IMPACT=30.0, ALLSP=3.0, MINPLSP=3.0, MAXPLSP=6.0, EDGEDIST=1.5,
        PILEDEPTH=1.0, REBARCLR=3.0, PILECAP=70.0, PILEUPL=-20.0, IP="P")))
    deck += cap_cards([
        dict(C="C", L=3.5, A=0.75, DE=3.0, BC=3.0, **bearings(2.0)),
        dict(C="C", L=8.0, DE=3.0, BC=3.0, **bearings(5.0)),
        dict(C="C", L=8.0, DE=3.0, BC=3.0, **bearings(4.0)),
        dict(C="2"),
        dict(C="1"),
    ])
    batter_pile = dict(I="C", T="R", S="2", HT=20.0, SLOPE=0.25)
    plumb_pile = dict(I="C", T="R", S="2", HT=20.0)
    deck += column_cards([batter_pile, plumb_pile, dict(I="2"), dict(I="1")])
    pile_cap = dict(SP="P", B=7.0, D=7.0, T=3.0, DEL_T=0.25, S_HT=2.0, NP=4,
                    SYM=1, BP=3.0, DP=3.0)
    deck += footing_cards([pile_cap, dict(pile_cap, NP=0, SYM=0, B=7.5, D=7.5),
                           dict(SP="2"), dict(SP="1")])
    deck.append(card(WIND2, dict(CN=41, WAT=420, WAL=300, STD=1, APT2=5.5,
                                 APL2=5.5, PT2=2.4, PL2=1.2)))
    deck.append(card(WIND3, dict(CN=42, STD=1, LLSTD=1, LLT=60.0, LLL=60.0,
                                 APT3=9.5, APL3=9.5)))
    deck.append(card(MISC, dict(CN=43, FL=9.0, APL=9.5, EXPC=0.00012,
                                SHRC=0.0002, PT=8.5, PL=2.5, NSEIS=1)))
    deck.append(seismic(1, [10, 2, 95, 60, 20, 12, 14], [3, 12, 25, 15, 110, 70, 24]))
    deck.append(seismic(2, [10, 2, 95, 60, 20, 12, 6], [3, 11, -24, -14, 104, 66, 9]))
    deck.append(seismic(3, [-10, 2, 95, 60, 20, 12, 6], [3, 11, 24, 14, 104, 66, 9]))
    deck.append(seismic(4, [10, 2, 95, 60, 20, 12, 14], [3, 12, 25, 15, -110, -70, -24]))
    deck += load_case(51, "DEAD", 0, [54.5, 61.0, 61.0, 61.0, 54.5])
    deck += load_case(61, "1LN", 1, [41.6, 30.2, 4.1, 0, 0])
    deck += load_case(61, "2LN", 2, [38.0, 47.5, 40.3, 22.8, 0])
    deck += load_case(61, "ALT", 2, [0, 22.8, 40.3, 47.5, 38.0])
    return deck


def along_cap(bearing_loads, column_loads):
    """The load points of the twelve-column bent from left to right: the
    cantilever bearing, then each column's own load followed by the two
    bearings of the span on its right, and the last column's load before
    the bearing of the right cantilever."""
    points = bearing_loads[:1]
    for c in range(12):
        points.append(column_loads[c])
        points += bearing_loads[1 + 2 * c:3 + 2 * c] if c < 11 else bearing_loads[23:]
    return points


# 4. Twelve-column bent at 15 ft: 24 bearings and one load point on every
#    column make the largest load table, 36 points on three cards a case;
#    25 live-load cases make the load heading repeat on new pages. Spans and
#    columns past the ninth print their number as an asterisk; the footing
#    data start a new page.
def twelve_column_bent():
    deck = [title("0401", "I-80 VIADUCT - PIER 14 - TWELVE COLUMN BENT, 25 LIVE LOAD CASES")]
    deck.append(card(DESIGN, dict(
        CN=1, CAPOPT="D", COLOPT="I", FTGOPT="I", METHOD="S", NCAN=2, NCOL=12,
        NLLC=25, SKEWD=5, SKEWM=15, SKEWS=30, FPC=4000, FY=60000, FS=24000,
        MAINSZ=9, STRSZ=4, MINSZ=8)))
    deck.append(card(STEEL, dict(CN=2, IMPACT=20.0, ALLSP=5.0)))
    deck += cap_cards(
        [dict(C="C", L=6.0, A=1.5, DE=3.5, BC=3.5, **bearings(3.75)),
         dict(C="C", L=15.0, DE=3.5, BC=3.5, **bearings(3.75, 7.5))]
        + [dict(C="2")] * 10
        + [dict(C="1")])
    deck += column_cards(
        [dict(P=1, I="C", T="R", HT=18.0, DT=3.0, DL=1.75, NB1=10, SZ1=8)]
        + [dict(P=1, I="1")] * 11)
    deck += footing_cards(
        [dict(SP="S", B=9.0, D=9.0, T=2.5, S_HT=3.0)] + [dict(SP="1")] * 11)
    deck.append(card(WIND2, dict(CN=41, WAT=1150, WAL=960, FT1=50, FT2=44,
                                 FL2=6, FT3=41, FL3=12, APT2=6.0, APL2=6.0,
                                 PT2=2.8, PL2=1.4)))
    deck.append(card(WIND3, dict(CN=42, FT1=50, FT2=44, FL2=6, LFT1=100,
                                 LFT2=88, LFL2=12, LLT=150.0, LLL=150.0,
                                 APT3=10.0, APL3=10.0)))
    deck.append(card(MISC, dict(CN=43, FL=9.0, APL=10.0, EXPC=0.00015,
                                SHRC=0.0002)))
    bearing_dead = [72.4] + [80.6] * 22 + [72.4]
    column_dead = [6.5] * 12
    deck += load_case(51, "DEAD", 0, along_cap(bearing_dead, column_dead))
    for k in range(25):
        lanes = 1 + k % 4
        first = 2 * k % 20          # the lanes walk across the bent
        loads = [0.0] * 24
        for b in range(first, min(first + 2 * lanes + 1, 24)):
            loads[b] = 44.0 if (b - first) % 2 == 0 else 36.5
        deck += load_case(61, f"L{k + 1:02d}", lanes, along_cap(loads, [0.0] * 12))
    return deck


# 5. Several problems, some with input errors: each error is reported and
#    the next problem is read. A stray card of an older deck version comes
#    first; the problem short of a live-load card must not swallow the next.
def small_bent(probno, name, options="    ", footings=(), design=None,
               steel=None, span=None, columns=None, misc=None, seismics=()):
    """A two-column bent with cantilevers, complete and correct. The keyword
    arguments change fields of card 1, card 2, the span card, the two column
    cards and card 43, and add seismic cards after it."""
    deck = [title(probno, name)]
    deck.append(card(DESIGN, dict(dict(
        CN=1, CAPOPT=options[0], COLOPT=options[1], FTGOPT=options[2],
        METHOD=options[3], NCAN=2, NCOL=2, NLLC=2, FPC=3000), **(design or {}))))
    deck.append(card(STEEL, dict(dict(CN=2, IMPACT=30.0, ALLSP=4.0), **(steel or {}))))
    deck += cap_cards([
        dict(C="C", L=6.0, A=1.5, DE=3.0, BC=3.0, **bearings(4.0)),
        span or dict(C="C", L=21.0, DE=3.5, BC=3.0, **bearings(3.0, 7.5, 7.5)),
        dict(C="1"),
    ])
    deck += column_cards(columns or [dict(I="C", T="R", HT=16.0, DT=3.0, NB1=8, SZ1=8),
                                     dict(I="1")])
    deck += footing_cards(list(footings))
    deck.append(card(WIND2, dict(CN=41, WAT=400, WAL=300, STD=1, APT2=5.0,
                                 APL2=5.0, PT2=1.5, PL2=1.0)))
    deck.append(card(WIND3, dict(CN=42, STD=1, LLSTD=1, LLT=70.0, LLL=70.0,
                                 APT3=9.0, APL3=9.0)))
    deck.append(card(MISC, dict(dict(CN=43, FL=9.0, APL=9.0), **(misc or {}))))
    deck += list(seismics)
    deck += load_case(51, "DEAD", 0, [58.0, 64.5, 64.5, 64.5, 58.0])
    deck += load_case(61, "1LN", 1, [40.2, 33.5, 5.1, 0, 0])
    deck += load_case(61, "2LN", 2, [36.8, 45.0, 41.2, 30.7, 2.9])
    return deck


def too_many_load_points(probno, name):
    """Four columns without cantilevers, four girders a span and seven load
    points on every column: 12 + 28 = 40 load points, four cards a case."""
    deck = [title(probno, name)]
    deck.append(card(DESIGN, dict(CN=1, NCOL=4, NLLC=1, FPC=3000)))
    deck.append(card(STEEL, dict(CN=2, IMPACT=30.0)))
    deck += cap_cards([dict(C="C", L=20.0, DE=3.5, BC=3.0,
                            **bearings(2.0, 5.5, 5.5, 5.5))] + [dict(C="2")] * 2)
    deck += column_cards([dict(P=7, I="C", T="R", HT=16.0, DT=3.0)]
                         + [dict(P=7, I="1")] * 3)
    deck.append(card(WIND2, dict(CN=41, WAT=400, WAL=300, STD=1)))
    deck.append(card(WIND3, dict(CN=42, STD=1, LLSTD=1, LLT=70.0, LLL=70.0)))
    deck.append(card(MISC, dict(CN=43)))
    deck += load_case(51, "DEAD", 0, [50.0] * 12 + [4.0] * 28)
    deck += load_case(61, "1LN", 1, [30.0] * 3 + [0.0] * 37)
    return deck


def problem_set():
    deck = ["*B02OLD  DECK OF AN EARLIER PROGRAM VERSION"]
    deck += small_bent("0501", "GOOD PROBLEM - TWO COLUMN BENT")

    # The first cap card carries number 12 where 11 is expected.
    bad = small_bent("0502", "ERROR - CAP CARDS OUT OF ORDER")
    bad[3] = "12" + bad[3][2:]
    deck += bad

    # Column 1 names pile code 7, which does not exist.
    bad = small_bent("0503", "ERROR - WRONG PILE CODE")
    bad[6] = bad[6][:5] + "7" + bad[6][6:]
    deck += bad

    deck += small_bent("0504", "GOOD PROBLEM - CAP DESIGN ONLY", "D  S")
    deck += too_many_load_points("0505", "ERROR - MORE THAN 36 LOAD POINTS")

    # The last live-load card is missing; the next problem still runs.
    deck += small_bent("0506", "ERROR - LAST LIVE LOAD CARD MISSING")[:-1]

    deck += small_bent("0507", "GOOD PROBLEM - AFTER THE ERRORS", "DDDS", [
        dict(SP="S", B=9.0, D=9.0, T=2.5, DEL_B=0.5, DEL_D=0.5, DEL_T=0.25,
             R_BD=1.0, R_DB=1.0, S_HT=2.5),
        dict(SP="1"),
    ])
    return deck



# 6. Load-factor design of everything on a four-column bent with a left
#    cantilever only: a parabolic-haunched span and its mirror image, a
#    tapered tied column, a spiral column, a round column with a partly
#    released base and a battered round column; two spread footings (one
#    settling, one to be turned 90 degrees) and a pile footing with a copy;
#    shrinkage without expansion, no stream flow, seismic forces on every
#    column and a zero-lane permit load. The cap option is "I".
def load_factor_bent():
    deck = [title("0601", "SR 9 OVER ELK RIVER - PIER 3 - WIDENED FOUR COLUMN BENT")]
    deck.append(card(DESIGN, dict(
        CN=1, CAPOPT="I", COLOPT="D", FTGOPT="D", METHOD="L", NCAN=1, NCOL=4,
        NLLC=3, SKEWD=15, FPC=4000, FY=60000, FS=24000, MAINSZ=10, STRSZ=5,
        MINSZ=8, MINNO=3, MINSSP=6.0)))
    deck.append(card(STEEL, dict(
        CN=2, MIN_P=1.0, MAX_P=6.0, CLEAR=2.5, KLCOEF=2.0, IMPACT=25.0,
        SOILWT=0.12, ALLSP=5.0, MINPLSP=3.0, MAXPLSP=6.0, EDGEDIST=1.5,
        PILEDEPTH=1.0, REBARCLR=3.0, PILECAP=90.0, PILEUPL=-20.0, IP="P")))
    deck += cap_cards([
        dict(C="C", L=6.0, DE=3.0, BC=3.5, **bearings(3.5)),
        dict(C="P", L=21.0, A=1.5, DE=3.0, BC=3.5, DH=1.25, LH=5.0,
             **bearings(3.5, 7.0, 7.0)),
        dict(C="2"),
        dict(C="C", L=21.0, DE=3.0, BC=3.5, **bearings(3.5, 7.0, 7.0)),
    ])
    deck += column_cards([
        dict(I="V", T="T", HT=24.0, A=1.0, DT=3.0, BT=3.0, DB=4.0, DL=1.75,
             ND1=2, NB1=4, SZ1=8, ND3=4, NB3=8, SZ3=11),
        dict(I="C", T="S", HT=24.0, DT=3.5, BT=3.0, DL=1.75,
             NB1=8, SZ1=8, NB3=24, SZ3=11),
        dict(I="C", T="R", HT=24.0, DT=3.5, DL=1.75, FLEX=0.5,
             NB1=10, SZ1=8, NB3=24, SZ3=11),
        dict(I="C", T="R", HT=24.0, DT=3.5, DL=1.75, SLOPE=0.083,
             NB1=10, SZ1=8, NB3=24, SZ3=11),
    ])
    spread = dict(SP="S", B=11.0, D=12.0, T=2.5, DEL_B=0.5, DEL_D=0.5,
                  DEL_T=0.25, R_BD=1.0, R_DB=1.5, S_HT=3.0)
    deck += footing_cards([
        dict(spread, SET=0.02),
        dict(spread, B=12.0, D=11.0, R_BD=1.5, R_DB=1.0, SYM=2),
        dict(SP="P", B=8.0, D=8.0, T=3.0, DEL_T=0.25, S_HT=3.0, NP=4, SYM=1),
        dict(SP="3"),
    ])
    deck.append(card(WIND2, dict(CN=41, WAT=900, WAL=600, STD=1, APT2=7.0,
                                 APL2=7.0, PT2=3.0, PL2=1.5)))
    deck.append(card(WIND3, dict(CN=42, STD=1, LLSTD=1, LLT=80.0, LLL=80.0,
                                 APT3=11.5, APL3=11.5)))
    deck.append(card(MISC, dict(CN=43, FL=9.0, APT=11.5, APL=11.5,
                                SHRC=0.0002, NSEIS=1)))
    deck.append(seismic(1, [42, 6, 1050, 0, 140, 55, 18], [9, 38, 210, 85, 920, 310, 60]))
    deck.append(seismic(2, [44, 5, 1090, 0, 120, 48, 8], [8, 40, 200, 80, 960, 330, 25]))
    deck.append(seismic(3, [44, 5, 1090, 0, 120, 48, 8], [8, 40, 200, 80, 960, 330, 25]))
    deck.append(seismic(4, [42, 6, 1050, 0, 140, 55, 18], [9, 38, 210, 85, 920, 310, 60]))
    deck += load_case(51, "DEAD", 0, [62.0] + [74.5] * 8 + [62.0])
    deck += load_case(61, "1LN", 1, [38.5, 44.0, 9.2] + [0.0] * 7)
    deck += load_case(61, "3LN", 3, [0, 21.5, 44.0, 46.3, 45.1, 44.8, 43.9, 20.2, 0, 0])
    deck += load_case(61, "PRMT", 0, [0, 0, 0, 0, 58.0, 96.0, 96.0, 58.0, 0, 0])
    return deck


# 7. Column sections of every kind under every reinforcement mode: four
#    problems, each a three-column bent without cantilevers whose columns
#    are round, rectangular with a spiral, and tied. RMODE 0 designs (the
#    mode follows the section: one bar group for round and spiral columns,
#    four faces for tied ones), RMODE 1 investigates (one bar count for every
#    section, even for the tied one), RMODE 2 designs with four faces for
#    every section, and RMODE 0 investigates again with the tied column's
#    four faces given one by one. The first problem also designs a cap given
#    too shallow, so the cap is deepened; the last has a title beginning
#    with XX, which leaves out the column force tables.
def section_bent(probno, name, rmode, options, bars, cap_depth=3.0):
    """Three columns, round, spiral and tied; `bars` holds the bar groups of
    each column (a dict of ND/NB/SZ fields)."""
    deck = [title(probno, name)]
    deck.append(card(DESIGN, dict(
        CN=1, CAPOPT=options[0], COLOPT=options[1], FTGOPT=options[2],
        METHOD=options[3], NCAN=0, NCOL=3, NLLC=2, FPC=4000, FY=60000,
        FS=24000, MAINSZ=9, STRSZ=4, MINSZ=7, MINNO=3)))
    deck.append(card(STEEL, dict(CN=2, MIN_P=1.0, MAX_P=5.0, CLEAR=2.0,
                                 RMODE=rmode, IMPACT=25.0)))
    deck += cap_cards([
        dict(C="C", L=21.0, DE=cap_depth, BC=3.5, **bearings(3.5, 7.0, 7.0)),
        dict(C="2"),
    ])
    shapes = [dict(T="R", DT=3.5), dict(T="S", DT=3.5, BT=3.0),
              dict(T="T", DT=3.5, BT=3.0)]
    deck += column_cards([dict(I="C", HT=20.0, DL=1.5, **shape, **groups)
                          for shape, groups in zip(shapes, bars)])
    deck.append(card(WIND2, dict(CN=41, WAT=560, WAL=380, STD=1, APT2=6.0,
                                 APL2=6.0, PT2=2.2, PL2=1.1)))
    deck.append(card(WIND3, dict(CN=42, STD=1, LLSTD=1, LLT=70.0, LLL=70.0,
                                 APT3=10.0, APL3=10.0)))
    deck.append(card(MISC, dict(CN=43, FL=9.0, APT=10.0, APL=10.0)))
    deck += load_case(51, "DEAD", 0, [66.0, 71.5, 71.5, 71.5, 71.5, 66.0])
    deck += load_case(61, "1LN", 1, [47.2, 39.8, 4.4, 0, 0, 0])
    deck += load_case(61, "2LN", 2, [33.1, 46.0, 45.3, 39.7, 8.2, 0])
    return deck


def column_sections():
    # Design limits: group 1 the least bars and size, group 3 the most; for
    # a tied column with four faces ND counts the bars of each D face and NB
    # those of each B face.
    ring = dict(NB1=8, SZ1=8, NB3=24, SZ3=11)
    faces = dict(ND1=2, NB1=3, SZ1=8, ND3=6, NB3=8, SZ3=11)
    deck = section_bent("0701", "CR 40 OVER BEAR CREEK - RMODE 0 - COLUMNS DESIGNED",
                        0, "DD S", [ring, ring, faces], cap_depth=2.5)
    # Investigation with one bar count: groups 1 and 3 together give the
    # bars of the section, all of the group 1 size.
    deck += section_bent("0702", "CR 40 OVER BEAR CREEK - RMODE 1 - COLUMNS INVESTIGATED",
                         1, " I L", [dict(NB1=12, SZ1=9), dict(NB1=12, SZ1=9),
                                     dict(NB1=6, SZ1=9, NB3=6)])
    deck += section_bent("0703", "CR 40 OVER BEAR CREEK - RMODE 2 - COLUMNS DESIGNED",
                         2, " D L", [ring, ring, faces])
    # Four faces given one by one: B faces NB1 and NB3 bars of size SZ1, D
    # faces ND1 and ND3 bars of size SZ3.
    deck += section_bent("0704", "XX CR 40 OVER BEAR CREEK - RMODE 0 - COLUMNS INVESTIGATED",
                         0, " I S", [dict(NB1=12, SZ1=9), dict(NB1=12, SZ1=9),
                                     dict(NB1=4, SZ1=9, NB3=4, ND1=2, ND3=2, SZ3=8)])
    return deck


# 8. Footings checked rather than designed, and the ways a footing design
#    stops: pile footings of a two-column bent investigated under the
#    load-factor method; a one-column pier without cap cards on a pile
#    footing governed by uplift; spread footings investigated, the second
#    too small for its loads, which ends the footing stage; and a bent on
#    special piles (pile code P), whose columns are reported as piles.
def two_column_bent(probno, name, options, steel, footings, column=None):
    """A two-column bent with equal cantilevers; `steel` adds fields to
    card 2 and `footings` gives the footing cards."""
    deck = [title(probno, name)]
    deck.append(card(DESIGN, dict(
        CN=1, CAPOPT=options[0], COLOPT=options[1], FTGOPT=options[2],
        METHOD=options[3], NCAN=2, NCOL=2, NLLC=2, SKEWD=12, SKEWM=30,
        FPC=3500, FY=60000, FS=24000)))
    deck.append(card(STEEL, dict(CN=2, IMPACT=28.0, **steel)))
    deck += cap_cards([
        dict(C="C", L=5.0, DE=3.25, BC=3.5, **bearings(3.25)),
        dict(C="C", L=19.5, DE=3.25, BC=3.5, **bearings(3.25, 6.5, 6.5)),
        dict(C="1"),
    ])
    col = column or dict(I="C", T="R", HT=18.0, DT=3.5, DL=1.5, NB1=12, SZ1=9)
    deck += column_cards([col, dict(I="1")])
    deck += footing_cards(footings)
    deck.append(card(WIND2, dict(CN=41, WAT=620, WAL=410, STD=1, APT2=6.5,
                                 APL2=6.5, PT2=2.0, PL2=1.0)))
    deck.append(card(WIND3, dict(CN=42, STD=1, LLSTD=1, LLT=75.0, LLL=75.0,
                                 APT3=10.5, APL3=10.5)))
    deck.append(card(MISC, dict(CN=43, FT=3.8, FL=9.0, APT=10.5, APL=10.5,
                                EXPC=0.00015, SHRC=0.0002)))
    deck += load_case(51, "DEAD", 0, [61.5, 70.0, 70.0, 70.0, 61.5])
    deck += load_case(61, "1LN", 1, [44.6, 38.2, 3.9, 0, 0])
    deck += load_case(61, "2LN", 2, [21.0, 45.7, 44.1, 40.8, 19.5])
    return deck


def single_column_no_cap(probno, name):
    """One tied column under the single bearing of a box-girder ramp: no cap
    cards, one load point, on a pile footing whose piles may take only a
    small uplift."""
    deck = [title(probno, name)]
    deck.append(card(DESIGN, dict(
        CN=1, COLOPT="D", FTGOPT="D", METHOD="S", NCOL=1, NLLC=2,
        FPC=4000, FY=60000, FS=24000)))
    deck.append(card(STEEL, dict(
        CN=2, MIN_P=1.0, MAX_P=4.0, CLEAR=2.5, KLCOEF=2.1, IMPACT=20.0,
        SOILWT=0.12, MINPLSP=3.0, MAXPLSP=4.5, EDGEDIST=1.5, PILEDEPTH=1.0,
        PILECAP=200.0, IP="P")))
    deck += column_cards([dict(P=1, I="C", T="T", HT=26.0, DT=4.0, BT=5.0,
                               DL=2.0, ND1=2, NB1=4, SZ1=8, ND3=6, NB3=10,
                               SZ3=11)])
    deck += footing_cards([dict(SP="P", B=9.0, D=9.0, T=3.5, DEL_T=0.25,
                                S_HT=4.0, NP=4)])
    deck.append(card(WIND2, dict(CN=41, WAT=1450, WAL=300, STD=1, APT2=9.0,
                                 APL2=9.0, PT2=6.5, PL2=2.0)))
    deck.append(card(WIND3, dict(CN=42, STD=1, LLSTD=1, LLT=130.0, LLL=40.0,
                                 APT3=14.0, APL3=14.0)))
    deck.append(card(MISC, dict(CN=43, FL=12.0, APT=14.0, APL=14.0)))
    deck += load_case(51, "DEAD", 0, [640.0])
    deck += load_case(61, "1LN", 1, [118.0])
    deck += load_case(61, "2LN", 2, [214.0])
    return deck


def special_pile_bent(probno, name):
    """Three 16-inch special piles (code P keeps the section as given)."""
    deck = [title(probno, name)]
    deck.append(card(DESIGN, dict(
        CN=1, CAPOPT="D", COLOPT="I", METHOD="S", NCAN=2, NCOL=3, NLLC=1,
        FPC=3500, FY=60000, FS=24000, MAINSZ=8, STRSZ=4, MINSZ=6)))
    deck.append(card(STEEL, dict(CN=2, IMPACT=30.0, PILECAP=95.0)))
    deck += cap_cards([
        dict(C="C", L=3.0, DE=2.5, BC=2.5, **bearings(1.5)),
        dict(C="C", L=7.5, DE=2.5, BC=2.5, **bearings(3.0)),
        dict(C="2"),
        dict(C="1"),
    ])
    pile = dict(I="C", T="R", S="P", HT=14.0, DT=1.333)
    deck += column_cards([pile, pile, dict(I="1")])
    deck.append(card(WIND2, dict(CN=41, WAT=260, WAL=180, STD=1, APT2=4.5,
                                 APL2=4.5, PT2=1.2, PL2=0.6)))
    deck.append(card(WIND3, dict(CN=42, STD=1, LLSTD=1, LLT=40.0, LLL=40.0,
                                 APT3=8.5, APL3=8.5)))
    deck.append(card(MISC, dict(CN=43, FL=9.0, APT=8.5, APL=8.5)))
    deck += load_case(51, "DEAD", 0, [36.0, 41.5, 41.5, 36.0])
    deck += load_case(61, "2LN", 2, [22.4, 38.0, 37.1, 18.6])
    return deck


def footing_checks():
    pile_steel = dict(EDGEDIST=1.5, PILEDEPTH=1.0, PILECAP=110.0, PILEUPL=-15.0)
    # For 4 to 9 piles the outer rows of piles stand BP from the footing
    # centre along B and DP along D, and the plan is 2 (EDGEDIST + BP) by
    # 2 (EDGEDIST + DP).
    deck = two_column_bent("0801", "CR 22 OVER TOWN BRANCH - PIER 1 - PILE FOOTINGS CHECKED",
                           "  IL", pile_steel, [
        dict(SP="P", B=9.0, D=6.5, T=3.0, S_HT=3.0, NP=6, BP=3.0, DP=1.75),
        dict(SP="P", B=6.5, D=6.5, T=3.0, S_HT=3.0, NP=4, BP=1.75, DP=1.75),
    ])
    deck += single_column_no_cap("0802", "RAMP D OVER RT 4 - PIER 2 - SINGLE COLUMN UNDER BOX GIRDER")
    # The first spread footing may grow only across the bridge (no DEL.B)
    # and to at most 1.25 times its length along it, which is not enough on
    # this soil: its design stops, and the second footing is not designed.
    deck += two_column_bent("0803", "CR 22 OVER TOWN BRANCH - PIER 2 - SPREAD FOOTING HEMMED IN",
                            "  DS", dict(SOILWT=0.125, ALLSP=3.0), [
        dict(SP="S", B=8.0, D=8.0, T=2.5, DEL_D=0.5, DEL_T=0.25, R_BD=1.0,
             R_DB=1.25, S_HT=3.0),
        dict(SP="S", B=10.0, D=10.0, T=2.5, DEL_B=0.5, DEL_D=0.5,
             DEL_T=0.25, R_BD=1.0, R_DB=1.5, S_HT=3.0),
    ])
    deck += special_pile_bent("0804", "FARM ACCESS OVER DITCH 9 - BENT 2 - SPECIAL PILES")
    return deck


# 9. More input errors, one a problem, each followed by the next problem:
#    the live-load count left blank, girders placed beyond the end of their
#    span, a letter O typed for a zero, a column that copies a later column,
#    plan ratios that leave a spread footing no shape to grow in, seismic
#    cards out of column order; then a problem whose cards are all correct
#    but whose round columns cannot be investigated under RMODE 2 (the
#    column design reports it), and a last problem cut short by the end of
#    the file.
def put(line, first, text):
    """Overwrites columns first.. of a card with `text` (typing errors)."""
    line = line.ljust(first - 1 + len(text))
    return line[:first - 1] + text + line[first - 1 + len(text):]


def input_errors():
    deck = small_bent("1001", "ERROR - NUMBER OF LIVE LOAD CASES LEFT BLANK",
                      design=dict(NLLC=0))
    deck += small_bent("1002", "ERROR - GIRDERS BEYOND THE END OF THE SPAN",
                       span=dict(C="C", L=21.0, DE=3.5, BC=3.0,
                                 **bearings(3.0, 7.5, 7.5, 7.5)))
    bad = small_bent("1003", "ERROR - LETTER O TYPED FOR A ZERO IN THE COLUMN HEIGHT")
    bad[6] = put(bad[6], 7, " 16.O")
    deck += bad
    deck += small_bent("1004", "ERROR - COLUMN 2 NAMES A LATER COLUMN",
                       columns=[dict(I="C", T="R", HT=16.0, DT=3.0, NB1=8, SZ1=8),
                                dict(I="3")])
    spread = dict(SP="S", B=9.0, D=9.0, T=2.5, DEL_B=0.5, DEL_D=0.5,
                  DEL_T=0.25, R_BD=0.9, R_DB=1.0, S_HT=2.5)
    deck += small_bent("1005", "ERROR - FOOTING PLAN RATIOS ADD UP TO LESS THAN 2",
                       "  DS", [spread, dict(SP="1")])
    quake = ([30, 4, 410, 0, 60, 25, 12], [5, 28, 90, 40, 380, 150, 20])
    deck += small_bent("1006", "ERROR - SEISMIC CARDS OUT OF COLUMN ORDER",
                       misc=dict(NSEIS=1),
                       seismics=[seismic(2, *quake), seismic(1, *quake)])
    deck += small_bent("1007", "ROUND COLUMNS CANNOT BE INVESTIGATED UNDER RMODE 2",
                       " I S", steel=dict(RMODE=2))
    deck += small_bent("1008", "ERROR - DECK ENDS BEFORE THE LAST LIVE LOAD CARD")[:-1]
    return deck

DECKS = {
    "three-column-bent.dat": three_column_bent,
    "single-column-pier.dat": single_column_pier,
    "pile-bent.dat": pile_bent,
    "twelve-column-bent.dat": twelve_column_bent,
    "problem-set.dat": problem_set,
    "load-factor-bent.dat": load_factor_bent,
    "column-sections.dat": column_sections,
    "footing-checks.dat": footing_checks,
    "input-errors.dat": input_errors,
}


def main():
    for name, build in DECKS.items():
        lines = build()
        for line in lines:
            if len(line) > 80:
                raise ValueError(f"{name}: card longer than 80 columns: {line}")
        with open(os.path.join(HERE, name), "w") as out:
            out.write("\n".join(lines) + "\n")
        print(f"{name}: {len(lines)} cards")


if __name__ == "__main__":
    main()
