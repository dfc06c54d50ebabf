#!/usr/bin/env python3
"""Runs the decks of make_bench_decks.py with the release program and prints
the ratios that matter for big decks:

  column-design deck / the same deck without a column stage
  parallel speedup per core (when the program takes --jobs)
  the column design search against the nested loop over every arrangement
  the run that writes the HTML page as well over the report alone

    python3 bench/run_bench.py BUILD_DIR [RUNS]

Times are the wall time and the CPU time of the whole process; with RUNS
above 1 the median is printed.
"""

import os
import resource
import statistics
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def run(cmd):
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.perf_counter()
    subprocess.run(cmd, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wall = time.perf_counter() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    return wall, cpu


def timed(program, deck, out, jobs, runs):
    cmd = [program, "--overwrite"]
    if jobs is not None:
        cmd += ["--jobs", str(jobs)]
    cmd += [deck, out]
    walls, cpus = zip(*(run(cmd) for _ in range(runs)))
    return statistics.median(walls), statistics.median(cpus)


def html_ratio(program, decks, runs):
    """The run that also writes the HTML page over the run that writes the
    report alone, for the 200-problem twelve-column decks (target < 2)."""
    for name in ("twelve-design", "twelve-no-columns"):
        deck = os.path.join(decks, name + ".dat")
        out = os.path.join(decks, name + ".out")
        page = os.path.join(decks, name + ".html")
        report = statistics.median(run([program, "--overwrite", deck, out])[1]
                                   for _ in range(runs))
        both = statistics.median(run([program, "--overwrite", "--html", page, deck, out])[1]
                                 for _ in range(runs))
        print(f"report and HTML / report alone, {name:18} {both / report:6.2f}"
              f"  (cpu {both:.2f} s / {report:.2f} s)")


def machine():
    model = "unknown CPU"
    try:
        with open("/proc/cpuinfo") as f:
            for line in f:
                if line.startswith("model name"):
                    model = line.split(":", 1)[1].strip()
                    break
    except OSError:
        pass
    return os.cpu_count() or 1, model


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build")
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 1
    program = os.path.join(build, "bentpier")
    decks = os.path.join(build, "bench")
    cores, model = machine()
    help_text = subprocess.run([program, "--help"], capture_output=True, text=True).stdout
    has_jobs = "--jobs" in help_text
    print(f"machine: {cores} cores, {model}")
    print(f"runs per figure: {runs} (median)" + ("" if has_jobs else "; no --jobs option"))
    names = ["twelve-design", "twelve-investigate", "twelve-no-columns", "mixed-examples",
             "random-sound"]
    one, many = {}, {}
    print(f"{'deck':22} {'jobs':>5} {'wall s':>9} {'cpu s':>9}")
    for name in names:
        deck = os.path.join(decks, name + ".dat")
        out = os.path.join(decks, name + ".out")
        one[name] = timed(program, deck, out, 1 if has_jobs else None, runs)
        print(f"{name:22} {1:>5} {one[name][0]:9.2f} {one[name][1]:9.2f}")
        if has_jobs and cores > 1:
            many[name] = timed(program, deck, out, cores, runs)
            print(f"{name:22} {cores:>5} {many[name][0]:9.2f} {many[name][1]:9.2f}")
    base = one["twelve-no-columns"][0]
    print()
    print(f"column design / no column stage:   {one['twelve-design'][0] / base:6.2f}")
    print(f"column investigation / no column:  {one['twelve-investigate'][0] / base:6.2f}")
    for name in many:
        speedup = one[name][0] / many[name][0]
        print(f"parallel speedup {name:18} {speedup:5.2f} on {cores} cores,"
              f" {speedup / cores:5.2f} per core")
    html_ratio(program, decks, runs)
    search = subprocess.run([os.path.join(build, "column_search_bench"), "3"],
                            capture_output=True, text=True)
    for line in search.stdout.splitlines():
        if line.startswith("column"):
            print(line)
    if search.returncode != 0:
        print("column search: the two searches found DIFFERENT arrangements")
        sys.exit(1)


if __name__ == "__main__":
    main()
