#!/usr/bin/python3
"""Writes results-1.schema.json, the JSON Schema of the results document.

Run from this directory after changing the document; commit both files.
Every object is closed (additionalProperties false) and lists every key as
required, so a reader can rely on each field being present.
"""
import json

NUM = {"$ref": "#/$defs/number"}        # a float; null only with an error message
NUMN = {"type": ["number", "null"]}     # a value that may be absent by meaning
INT = {"type": "integer"}
STR = {"type": "string"}
BOOL = {"type": "boolean"}


def obj(props, title=None):
    o = {"type": "object", "additionalProperties": False,
         "required": list(props), "properties": props}
    if title:
        o["description"] = title
    return o


def arr(items):
    return {"type": "array", "items": items}


def nums(*names):
    return {n: NUM for n in names}


def nullable(schema):
    return {"anyOf": [schema, {"type": "null"}]}


def enum(*values):
    return {"enum": list(values)}


combination = obj({"GR": STR, "LLID": STR, "WC": INT, "FLAGR": STR, "FLAGE": STR,
                   "FLAGC": STR, "FLAGS": STR})
check = obj({"name": STR, "value": NUM, "limit": NUMN, "unit": STR,
             "bound": nullable(enum("upper", "lower"))})
footing_set_id = obj({"column": INT, "GR": STR, "LLID": STR, "WC": {"type": "number"},
                      "FLAGR": STR, "FLAGE": STR, "FLAGC": STR, "FLAGS": STR})

design_data = obj({
    **{k: STR for k in ("CAPOPT", "COLOPT", "FTGOPT", "METHOD")},
    **{k: INT for k in ("NCAN", "NCOL", "NLLC", "SKEWD", "SKEWM", "SKEWS")},
    **nums("FPC", "FC", "N", "FY", "FS", "EC", "ES", "CONC_STRAIN", "Z", "TOPCL",
           "MINSSP", "DEPINC", "BOTCL"),
    **{k: INT for k in ("MAINSZ", "STRSZ", "MAXTOP", "MAXBOT", "MINSZ", "MINNO", "NSPAN")},
    "defaulted": arr(STR)})
column_steel = obj({
    **nums("MIN_P", "MAX_P", "CL_SP", "CLEAR", "KLCOEF", "OC", "OF", "CM", "BD1", "BD2",
           "SOILWT", "ALLSP", "MINPLSP", "MAXPLSP", "EDGEDIST", "PILEDEPTH", "REBARCLR",
           "PILECAP", "PILEUPL"),
    "RMODE": INT, "IMPACT_PERCENT": NUM, "IMPACT": NUM, "IP": STR, "defaulted": arr(STR)})


def card(number, values):
    """A card as used, the fields filled in or replaced after reading, the card
    as read (null for a card naming an earlier member in same_as)."""
    return obj({number: INT, **values, "same_as": INT, "defaulted": arr(STR),
                "as_read": nullable(obj(values))})


cap_segment = card("segment", {"C": STR, **nums("L", "A", "DE", "BC", "BE", "DH", "LH"),
                               "XB": arr(NUM)})
column_card = card("column", {
    "P": INT, "I": STR, "T": STR, "S": STR,
    **nums("HT", "A", "DT", "BT", "DB", "BB", "DL", "FLEX", "SLOPE", "EP", "AP"),
    "bar_groups": arr(obj({"ND": INT, "NB": INT, "SZ": INT}))})
footing_card = card("footing", {
    "SP": STR, **nums("B", "D", "T", "DEL_B", "DEL_D", "DEL_T", "R_BD", "R_DB", "S_HT",
                      "BP", "DP", "SET"),
    "NP": INT, "SYM": INT})
wind = obj({
    "group_2": obj({"WAT": NUM, "WAL": NUM, "NW": INT, "WFT": arr(NUM), "WFL": arr(NUM),
                    **nums("APT", "APL", "PT", "PL"), "STD": INT, "FT_PSF": arr(INT),
                    "FL_PSF": arr(INT)}),
    "group_3": obj({"NW": INT, "WFT": arr(NUM), "WFL": arr(NUM), "LFT": arr(NUM),
                    "LFL": arr(NUM), **nums("LLT", "LLL", "APT", "APL"), "STD": INT,
                    "FT_PSF": arr(INT), "FL_PSF": arr(INT), "LL_STD": INT,
                    "LFT_PLF": arr(INT), "LFL_PLF": arr(INT)})})
misc = obj({**nums("FT", "FL", "APT", "APL", "EXPC", "SHRC", "PT", "PL"), "NSEIS": INT})
seismic = obj({"column": INT, "LONG": arr(NUM), "TRANS": arr(NUM)})
loads = obj({"NLP": INT, "dead": arr(NUM),
             "live": arr(obj({"ID": STR, "NL": INT, "LOAD": arr(NUM)})),
             "dead_ID": STR, "dead_NL": INT})
input_ = obj({"design_data": design_data, "column_steel": column_steel,
              "cap_segments": arr(cap_segment), "columns": arr(column_card),
              "footings": arr(footing_card), "wind": wind, "misc_forces": misc,
              "seismic": arr(seismic), "loads": loads})

properties = obj({
    "cap_segments": arr(obj({"segment": INT, **nums("K", "CO", "FMWT", "UFEM", "RW", "RI",
                                                     "KML", "KMR", "COMLR", "COMRL"),
                             "FMLP": arr(NUM), "FMRP": arr(NUM)})),
    "columns": arr(obj({"column": INT, **nums(
        "WCOL", "KT", "KB", "COTB", "COBT", "UFMT", "UFMB", "KL", "FLU", "RGTB", "RGL",
        "EITTB", "EILTB", "PSIT", "PSIB", "FKBR", "FKUBR", "KLRL", "PCBR", "PCUBR", "PCL",
        "KTM", "COTBM", "COBTM", "DFL", "DFC", "DFR", "PDF", "XC", "TLR", "TLC", "TRL", "TRC",
        "TCR", "TCL"), "EMIN": arr(NUM)}))})

load_case = obj({
    "kind": enum("case", "wind", "live load"), "name": STR, "group": INT, "wind": INT,
    "direction": INT, "printed": BOOL,
    "columns": arr(obj({"column": INT, **nums("PC", "MT", "V", "MB", "PB", "RF", "ML", "MR",
                                                 "MTL", "VL", "MBL", "MF")})),
    "cap_points": arr(obj({"point": INT, "segment": INT, "bearing": INT,
                           **nums("MP", "VPL", "VPR")}))})

envelopes = obj({
    "column_faces": arr(obj({"column": INT, "X": arr(NUM)})),
    "bearing_points": arr(obj({"segment": INT, "bearing": INT, "CP": arr(NUM)}))})

cap_moment_row = obj({
    "kind": enum("column face", "point"), "number": INT, "side": enum("", "L", "R"),
    "moments": obj(nums("DL_TOT", "G1_MAX_POS", "G1_MAX_NEG", "G2_MAX_POS", "G2_MAX_NEG",
                        "G3_MAX_POS", "G3_MAX_NEG")),
    "shears": obj({k: NUMN for k in ("DL_T_LT", "DL_T_RT", "G1_POS_LT", "G1_POS_RT",
                                     "G1_NEG_LT", "G1_NEG_RT")}),
    "group_six": nullable(obj(nums("G6_MAX_POS", "G6_MAX_NEG")))})

bars = obj({"AS": NUM, "count": INT, "size": INT})
stirrups = obj({"max_spacing": NUM, "av_per_inch": NUM, "size": INT, "double": BOOL,
                "spacing": NUM})
cap_point = obj({
    "point": STR, "status": enum("designed", "cannot be designed", "depth limit"),
    "MBPOS": NUM, "MBNEG": NUM, "MDPOS": NUM, "MDNEG": NUM, "group_governs": BOOL,
    "section": nullable(obj({"h": NUM, "deepened": BOOL})),
    "top_bars": nullable(bars), "bottom_bars": nullable(bars),
    "left_stirrups": nullable(stirrups), "right_stirrups": nullable(stirrups),
    "checks": arr(check)})
cap = obj({"method": enum("service load", "load factor"), "points": arr(cap_point),
           "notes": obj({"crack_control": BOOL, "fatigue": BOOL, "deepened": BOOL})})

strength_point = obj(nums("c", "P", "M"))
interaction = obj({"max_compression": strength_point, "balanced": strength_point,
                   "pure_bending": strength_point,
                   "curve": {**arr(obj(nums("P", "M"))), "minItems": 2}})

column_end = obj({
    "column": INT, "end": enum("T", "B"),
    "status": enum("designed", "investigated", "unstable", "input error"),
    "option": STR, "type": STR, "B": NUM, "D": NUM,
    "bars": nullable(obj({"faces": arr(obj({"face": INT, "count": INT, "size": INT})),
                          "AS": NUM, "PS": NUM, "pattern": INT})),
    "PHIC": NUMN,
    "governing": nullable(obj({"load": INT, "set": combination,
                               **nums("PF", "MTF", "MLF", "PM", "MTM", "MLM", "PU", "MTU",
                                      "MLU", "PU_PM")})),
    "magnification": nullable(obj(nums("BD12", "BD", "SUMPU", "SUMPC", "DEL_T", "DEL_L",
                                       "CM"))),
    "exact_biaxial_ratio": NUMN,
    "P0": NUMN, "PHIB": NUMN,
    "interaction": nullable(obj({"x": nullable(interaction), "y": nullable(interaction)})),
    "loads": arr(obj({"P": NUM, "MX": NUM, "MY": NUM, "FACTOR": NUM, "PU": NUMN,
                      "MXU": NUMN, "MYU": NUMN, "RATIO": NUMN}))})

def pile_line(allowable):
    return obj({"pile": INT, "set": combination, **nums("PF", "MTF", "MLF", "VLF", allowable),
                "over_allowable": BOOL})

piles = obj({"type": STR, "axial": arr(pile_line("PA")), "lateral": arr(pile_line("VLA"))})

footing = obj({
    "footing": INT, "kind": enum("spread", "pile", ""),
    "status": enum("designed", "same as", "failed", "data out of order"),
    "same_as": INT, "failure": STR, "B": NUMN, "D": NUMN, "T": NUMN,
    "piles": nullable(obj({"NP": INT, "BP": NUM, "DP": NUM})),
    "checks": arr(check),
    "design_loads": arr(obj({
        "label": enum("MAX.P1", "MAX.MT", "MAX.VT", "MAX.VP", "MAX.ML", "MAX.VL", "MAX.P3"),
        "set": INT, "id": footing_set_id,
        **nums("P", "MT", "VT", "ML", "VL", "P4", "P3", "P2", "P1", "MTF", "VBF", "VPF",
               "GF")})),
    "sets": arr(obj({
        "set": INT, "id": footing_set_id,
        **nums("P", "MT", "VT", "ML", "VL", "GF", "P1", "P2", "P3", "P4", "allowable"),
        "lowest": NUMN,
        "contact": nullable(enum("full", "partial", "outside", "unresolved"))})),
    "sets_checked": INT,
    "steel": arr(obj({"direction": enum("LONG", "TRAN"), "layer": enum("top", "bottom"),
                      "AS": NUM, "count": INT, "size": INT, "spacing": NUM, "MCAP": NUM,
                      "VBCAP": NUM, "VPCAP": NUM, "DS": NUM, "FC": NUM}))})

message = obj({"severity": enum("error", "warning", "note"), "text": STR, "card": INT,
               "line": INT, "columns": nullable(obj({"first": INT, "last": INT}))})

# A message that belongs to no problem: a card where a title card should be,
# ahead of the first problem (after_problem null) or after the named one.
outside_message = obj({**message["properties"], "after_problem": nullable(STR)})

analysed_keys = {
    "input": input_, "properties": properties, "load_cases": arr(load_case),
    "envelopes": envelopes, "cap_moments": arr(cap_moment_row), "cap": nullable(cap),
    "columns": arr(column_end), "piles": nullable(piles), "footings": arr(footing)}
head = {"number": STR, "title": STR, "status": enum("analysed", "input error"),
        "stages": arr(STR), "messages": arr(message)}
problem = {
    "oneOf": [
        {**obj({**head, **analysed_keys}), "properties": {
            **head, "status": {"const": "analysed"}, **analysed_keys}},
        {**obj(head), "properties": {**head, "status": {"const": "input error"}}},
    ]}

schema = {
    "$schema": "https://json-schema.org/draft/2020-12/schema",
    "$id": "https://bentpier.example/schema/results-1.schema.json",
    "title": "bentpier results document, version 1",
    **obj({
        "schema_version": {"type": "string", "pattern": "^1\\.[0-9]+$"},
        "program_version": STR,
        "run": obj({"date": STR, "time": STR}),
        "input_file": STR,
        "units": obj({k: {"const": v} for k, v in (
            ("length", "ft"), ("section", "in"), ("force", "kip"), ("moment", "kip-ft"),
            ("stress", "ksi"), ("soil_pressure", "ksf"))}),
        "problems": arr({"$ref": "#/$defs/problem"}),
        "messages": arr(outside_message)}),
    "$defs": {"number": {"type": ["number", "null"]}, "problem": problem},
}

with open("results-1.schema.json", "w") as f:
    json.dump(schema, f, indent=1)
    f.write("\n")
