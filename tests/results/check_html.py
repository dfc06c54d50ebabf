#!/usr/bin/python3
"""The HTML report of every example deck in a real browser.

Opens each page in headless Chromium (Selenium), and checks: no console
errors; no script, link, image or external reference; every inline SVG is
well-formed XML with role="img" and a <title>; every coordinate finite; the
counts of plotted column loads (interaction diagrams and biaxial load
contours), columns, piles (pile bents and pile footings), section bars and
cap capacity points equal the counts of the JSON document of the same run,
and a deck whose report has group VI cap moments draws them. Saves a
screenshot of every page under the build folder.

usage: check_html.py BENTPIER SOURCE_DIR OUT_DIR
Exits 77 (skipped) when Chromium, chromedriver or Selenium is missing,
unless the environment variable CI is set, when that is a failure.
"""
import json
import math
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

SKIP = 77
SVG = "{http://www.w3.org/2000/svg}"
NUMBER_ATTRS = ("x", "y", "x1", "y1", "x2", "y2", "cx", "cy", "r", "width", "height")


def missing(what):
    if os.environ.get("CI"):
        print(f"FAIL: {what} missing and CI is set")
        sys.exit(1)
    print(f"SKIP: {what} missing")
    sys.exit(SKIP)


try:
    from selenium import webdriver
    from selenium.webdriver.chrome.options import Options
    from selenium.webdriver.chrome.service import Service
except ImportError:
    missing("python3-selenium")

CHROMIUM = shutil.which("chromium") or shutil.which("chromium-browser")
DRIVER = shutil.which("chromedriver")
if not CHROMIUM:
    missing("chromium")
if not DRIVER:
    missing("chromium-driver")

failures = []


def fail(deck, text):
    failures.append(f"{deck}: {text}")


def numbers(text):
    return [float(v) for v in re.findall(r"[-+]?(?:\d+\.?\d*|\.\d+)(?:[eE][-+]?\d+)?|nan|inf", text)]


def check_svg(deck, index, svg_text):
    try:
        root = ET.fromstring(svg_text)
    except ET.ParseError as e:
        fail(deck, f"svg {index} not well-formed: {e}")
        return None
    if root.get("role") != "img" or root.find(SVG + "title") is None:
        fail(deck, f"svg {index} without role=img or <title>")
    for el in root.iter():
        values = []
        for a in NUMBER_ATTRS:
            if el.get(a) is not None:
                values += numbers(el.get(a)) if el.get(a) not in ("nan", "inf") else [math.nan]
                if not re.fullmatch(r"-?\d+(\.\d+)?", el.get(a)):
                    fail(deck, f"svg {index}: {a}={el.get(a)!r} is not a plain number")
        if el.get("points") is not None:
            pts = el.get("points")
            if re.search(r"nan|inf", pts, re.I):
                fail(deck, f"svg {index}: non-finite point")
            values += numbers(pts)
        if any(not math.isfinite(v) for v in values):
            fail(deck, f"svg {index}: non-finite coordinate in <{el.tag}>")
    return root


def expected_counts(problem):
    """What the JSON document says each drawing must show."""
    cols = problem.get("input", {}).get("columns", [])
    piles = sum(1 for c in cols if c["S"] not in ("", " "))
    counts = {"columns": len(cols),
              "pile columns": piles,
              "loads": {}, "bars": {}, "footing bars": {}, "footing piles": {},
              "bent piles": piles if problem.get("piles") else 0,
              "cap capacities": 0}
    cap = problem.get("cap") or {}
    counts["cap capacities"] = 2 * sum(1 for p in cap.get("points", [])
                                       if p.get("status") == "designed")
    for e in problem.get("columns", []):
        if e["status"] not in ("designed", "investigated"):
            continue
        end = f'{e["column"]}{e["end"]}'
        counts["loads"][end] = len(e["loads"])
        faces = e["bars"]["faces"]
        if e["type"] == "T":
            counts["bars"][end] = sum(f["count"] for f in faces)
        else:
            counts["bars"][end] = faces[0]["count"]
    for f in problem.get("footings", []):
        if f["status"] == "designed":
            counts["footing bars"][str(f["footing"])] = sum(s["count"] for s in f["steel"])
            if f["kind"] == "pile":
                counts["footing piles"][str(f["footing"])] = f["piles"]["NP"]
    return counts


def check_problem(deck, problem, section):
    """Counts in the page's section of one problem against the JSON."""
    want = expected_counts(problem)
    label = f'{deck} problem {problem["number"]}'
    svgs = {}
    for i, svg in enumerate(section["svgs"]):
        root = check_svg(label, i, svg)
        if root is not None:
            svgs.setdefault(root.get("class", ""), []).append(root)
    if problem["status"] != "analysed":
        return
    elev = svgs.get("elevation", [])
    if len(elev) != 1:
        fail(label, f"{len(elev)} elevations")
        return
    groups = [g for g in elev[0].iter(SVG + "g")]
    ncols = sum(1 for g in groups if "column" in g.get("class", "").split())
    npiles = sum(1 for g in groups if "pile" in g.get("class", "").split())
    if ncols != want["columns"]:
        fail(label, f"elevation shows {ncols} columns, JSON has {want['columns']}")
    if npiles != want["pile columns"]:
        fail(label, f"elevation shows {npiles} piles, JSON has {want['pile columns']}")
    nlp = problem["input"]["loads"]["NLP"]
    npoints = sum(1 for g in groups if g.get("class") == "load-point")
    if npoints != nlp:
        fail(label, f"elevation shows {npoints} load points, JSON NLP {nlp}")
    # Column loads: every design load of every designed end in each of its
    # interaction diagrams, and the bars of its section.
    for end, n in want["loads"].items():
        diagrams = section["ends"].get(end, {}).get("interaction", [])
        if not diagrams:
            fail(label, f"column end {end} has no interaction diagram")
        for d in diagrams:
            root = ET.fromstring(d)
            plotted = {g.get("data-load") for g in root.iter(SVG + "g")
                       if "load" in g.get("class", "").split()}
            if len(plotted) != n:
                fail(label, f"end {end}: {len(plotted)} loads plotted, JSON has {n}")
            gov = [g for g in root.iter(SVG + "g") if "governing" in g.get("class", "").split()]
            if len(gov) != 1:
                fail(label, f"end {end}: {len(gov)} governing loads marked")
        sections = section["ends"].get(end, {}).get("section", [])
        bars = sum(1 for s in sections for c in ET.fromstring(s).iter(SVG + "circle")
                   if c.get("class") == "bar")
        if bars != want["bars"][end]:
            fail(label, f"end {end}: {bars} bars drawn, JSON has {want['bars'][end]}")
    for end in section["ends"]:
        ends = section["ends"][end]
        if len(ends["interaction"]) == 2 and len(ends["contour"]) != 1:
            fail(label, f"end {end}: biaxial loads without a load contour")
        for d in ends["contour"]:
            root = ET.fromstring(d)
            plotted = {g.get("data-load") for g in root.iter(SVG + "g")
                       if "load" in g.get("class", "").split()}
            if len(plotted) != want["loads"].get(end, -1):
                fail(label, f"end {end}: {len(plotted)} loads on the contour, "
                            f"JSON has {want['loads'].get(end)}")
            gov = [g for g in root.iter(SVG + "g") if "governing" in g.get("class", "").split()]
            if len(gov) != 1:
                fail(label, f"end {end}: {len(gov)} governing loads on the contour")
    bent = [c for s in svgs.get("pile-bent", []) for c in s.iter(SVG + "circle")
            if c.get("class") == "pile"]
    if len(bent) != want["bent piles"]:
        fail(label, f"pile bent plan shows {len(bent)} piles, JSON has {want['bent piles']}")
    envelopes = [s for s in svgs.get("envelope moment", [])]
    capacities = sum(1 for s in envelopes for r in s.iter(SVG + "rect")
                     if r.get("class") == "capacity-point")
    if envelopes and capacities != want["cap capacities"]:
        fail(label, f"{capacities} cap capacity points, JSON has {want['cap capacities']} "
                    "(two per designed point)")
    for ftg, n in want["footing piles"].items():
        plans = section["footings"].get(ftg, [])
        drawn = sum(1 for s in plans for c in ET.fromstring(s).iter(SVG + "circle")
                    if c.get("class") == "pile")
        if drawn != n:
            fail(label, f"footing {ftg}: {drawn} piles drawn, JSON has {n}")
    for ftg, n in want["footing bars"].items():
        plans = section["footings"].get(ftg, [])
        drawn = sum(1 for s in plans for l in ET.fromstring(s).iter(SVG + "line")
                    if l.get("class") == "bar")
        if drawn != n:
            fail(label, f"footing {ftg}: {drawn} bars drawn, JSON has {n}")


# Everything the test reads from a page, gathered in the browser.
GATHER = """
const out = [];
for (const s of document.querySelectorAll('section.problem')) {
  const p = {number: s.dataset.problem, svgs: [], ends: {}, footings: {}};
  for (const g of s.querySelectorAll('svg')) p.svgs.push(g.outerHTML);
  for (const e of s.querySelectorAll('div.column-end')) {
    const d = {interaction: [], section: [], contour: []};
    for (const g of e.querySelectorAll('svg.interaction')) d.interaction.push(g.outerHTML);
    for (const g of e.querySelectorAll('svg.contour')) d.contour.push(g.outerHTML);
    for (const g of e.querySelectorAll('svg.section')) d.section.push(g.outerHTML);
    p.ends[e.dataset.end] = d;
  }
  for (const f of s.querySelectorAll('div.footing-plan'))
    p.footings[f.dataset.footing] = Array.from(f.querySelectorAll('svg.footing')).map(x => x.outerHTML);
  out.push(p);
}
return {problems: out, scripts: document.scripts.length,
        external: Array.from(document.querySelectorAll('[src],[href],link,img,iframe,object')).length};
"""


def main():
    if len(sys.argv) != 4:
        print(__doc__)
        return 2
    binary, source, out_dir = sys.argv[1:]
    os.makedirs(out_dir, exist_ok=True)
    examples = sorted(f for f in os.listdir(os.path.join(source, "examples")) if f.endswith(".dat"))
    profile = tempfile.mkdtemp(prefix="bentpier-chromium-")
    opts = Options()
    opts.binary_location = CHROMIUM
    for a in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
              "--disable-component-update", "--disable-sync", "--no-first-run",
              "--disable-dev-shm-usage", f"--user-data-dir={profile}", "--window-size=1200,1600"):
        opts.add_argument(a)
    opts.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    try:
        driver = webdriver.Chrome(service=Service(DRIVER), options=opts)
    except Exception as e:  # a browser that will not start is a failure
        print(f"FAIL: cannot start headless Chromium: {e}")
        shutil.rmtree(profile, ignore_errors=True)
        return 1
    try:
        for deck_file in examples:
            deck = deck_file[:-4]
            html_path = os.path.join(out_dir, deck + ".html")
            json_path = os.path.join(out_dir, deck + ".json")
            run = subprocess.run([binary, "--quiet", "--overwrite", "--html", html_path,
                                  "--json", json_path, os.path.join(source, "examples", deck_file),
                                  os.path.join(out_dir, deck + ".out")],
                                 env=dict(os.environ, SOURCE_DATE_EPOCH="1796774400"),
                                 capture_output=True, text=True)
            if run.returncode != 0:
                fail(deck, f"bentpier exit status {run.returncode}: {run.stderr}")
                continue
            with open(json_path) as f:
                doc = json.load(f)
            driver.get("file://" + os.path.abspath(html_path))
            page = driver.execute_script(GATHER)
            for entry in driver.get_log("browser"):
                if entry.get("level") in ("SEVERE", "ERROR"):
                    fail(deck, f"console: {entry.get('message')}")
            if page["scripts"] or page["external"]:
                fail(deck, f"{page['scripts']} scripts, {page['external']} external references")
            if len(page["problems"]) != len(doc["problems"]):
                fail(deck, f"{len(page['problems'])} problems on the page, "
                           f"{len(doc['problems'])} in the JSON")
            for problem, section in zip(doc["problems"], page["problems"]):
                check_problem(deck, problem, section)
            with open(os.path.join(out_dir, deck + ".out"), errors="replace") as f:
                group_six = "GROUP VI MOMENTS" in f.read()
            drawn_six = any("group-six" in svg for p in page["problems"] for svg in p["svgs"])
            if group_six != drawn_six:
                fail(deck, f"group VI in the report: {group_six}, in the cap envelopes: {drawn_six}")
            height = driver.execute_script("return document.body.scrollHeight")
            driver.set_window_size(1200, min(max(height, 800), 16000))
            driver.save_screenshot(os.path.join(out_dir, deck + ".png"))
            driver.set_window_size(1200, 1600)
    finally:
        driver.quit()
        shutil.rmtree(profile, ignore_errors=True)
    for f in failures:
        print("FAIL:", f)
    print(f"{len(examples)} example pages checked, {len(failures)} failures; "
          f"screenshots in {out_dir}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
