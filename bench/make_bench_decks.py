#!/usr/bin/env python3
"""Writes the decks of `make bench` into a directory (default build/bench):

  twelve-design.dat       200 x the twelve-column bent, columns designed
  twelve-investigate.dat  the same with the columns investigated
  twelve-no-columns.dat   the same without a column stage
  mixed-examples.dat      100 x every example deck, one after another
  random-sound.dat        1,000 random two-column bents, every one complete
                          and correct (fixed seed, so every run is the same)

    python3 bench/make_bench_decks.py [DIR] [--random N]
"""

import os
import random
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "examples"))
import make_decks  # noqa: E402


def with_column_option(deck, option):
    """The deck with the column design option (card 1, column 4) replaced."""
    out = []
    for line in deck:
        if line.startswith(" 1") and len(line) > 3:
            line = line[:3] + option + line[4:]
        out.append(line)
    return out


def random_bent(rng, number):
    """A two-column bent on round or tied columns with random sizes, heights,
    materials and bearing loads, all within the ranges the input accepts."""
    probno = f"{number % 10000:04d}"
    options = rng.choice(["DDDS", "DD S", "DI S", "DDDL", " D L", "DI L"])
    ftg = options[2] != " "
    tied = rng.random() < 0.4
    depth = rng.choice([2.5, 3.0, 3.5, 4.0])
    column = dict(I="C", T="T" if tied else "R", HT=rng.choice([12.0, 16.0, 20.0, 24.0]),
                  DT=depth, NB1=rng.choice([8, 10, 12]), SZ1=rng.choice([8, 9, 10]),
                  NB3=20, SZ3=11)
    if tied:
        column["BT"] = depth
    footings = []
    if ftg:
        footings = [dict(SP="S", B=9.0, D=9.0, T=2.5, DEL_B=0.5, DEL_D=0.5, DEL_T=0.25,
                         R_BD=1.0, R_DB=1.0, S_HT=2.5), dict(SP="1")]
    design = dict(FPC=rng.choice([3000, 3500, 4000, 5000]),
                  FY=rng.choice([40000, 60000]))
    deck = make_decks.small_bent(probno, f"BENCH RANDOM BENT {number}", options=options,
                                 design=design, columns=[column, dict(I="1")],
                                 footings=footings if ftg else ())
    scale = rng.uniform(0.6, 1.6)
    out = []
    for line in deck:
        # Bearing loads (cards 51 and 61): scaled, within their 6.3 fields.
        if line[:2] in ("51", "61") and len(line) > 8:
            head, fields = line[:8], line[8:]
            cells = [fields[i:i + 6] for i in range(0, len(fields), 6)]
            scaled = []
            for cell in cells:
                text = cell.strip()
                scaled.append(make_decks.fmt_real(round(float(text) * scale, 1), 6, 3)
                              if text else cell)
            line = (head + "".join(scaled)).rstrip()
        out.append(line)
    return out


def main():
    args = sys.argv[1:]
    count = 1000
    if "--random" in args:
        i = args.index("--random")
        count = int(args[i + 1])
        del args[i:i + 2]
    where = args[0] if args else os.path.join(ROOT, "build", "bench")
    os.makedirs(where, exist_ok=True)
    twelve = make_decks.twelve_column_bent()
    decks = {
        "twelve-design.dat": with_column_option(twelve, "D") * 200,
        "twelve-investigate.dat": with_column_option(twelve, "I") * 200,
        "twelve-no-columns.dat": with_column_option(twelve, " ") * 200,
    }
    mixed = []
    for build in make_decks.DECKS.values():
        mixed += build()
    decks["mixed-examples.dat"] = mixed * 100
    rng = random.Random(22)
    sound = []
    for n in range(count):
        sound += random_bent(rng, n + 1)
    decks["random-sound.dat"] = sound
    for name, lines in decks.items():
        with open(os.path.join(where, name), "w") as out:
            out.write("\n".join(lines) + "\n")
        print(f"{name}: {len(lines)} cards")


if __name__ == "__main__":
    main()
