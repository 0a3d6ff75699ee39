#!/usr/bin/env python3
"""Line and branch coverage of the whole suite, per core layer and per face.

Runs every test of an instrumented build (make coverage configures it), merges the raw profiles
and prints one row per source folder, then the core and the faces as wholes. With --json FILE the
table is also written as JSON, so two runs (before and after a change to the tests) can be set
side by side with --compare OLD.json.
"""
import argparse
import glob
import json
import os
import subprocess
import sys

CORE = ["base", "state", "router", "parser", "reports", "commands", "network", "console",
        "simulation", "lab"]
FACES = ["script", "term", "web", "ui"]


def run_suite(build):
    profiles = os.path.join(os.path.abspath(build), "profiles")
    os.makedirs(profiles, exist_ok=True)
    for old in glob.glob(os.path.join(profiles, "*.profraw")):
        os.remove(old)
    env = dict(os.environ, LLVM_PROFILE_FILE=os.path.join(profiles, "%p-%m.profraw"))
    # Failing tests still count towards coverage; the suite's verdict is make test's business.
    subprocess.run(["ctest", "-j2", "--output-on-failure", "-E", "^fuzz\\."], cwd=build, env=env)
    merged = os.path.join(build, "coverage.profdata")
    raws = glob.glob(os.path.join(profiles, "*.profraw"))
    if not raws:
        sys.exit("coverage: the suite left no profiles (is the build instrumented?)")
    subprocess.run(["llvm-profdata", "merge", "-sparse", "-o", merged] + raws, check=True)
    return merged


def objects(build):
    # Every program the suite runs: the test programs and the programs they start.
    found = []
    for path in sorted(glob.glob(os.path.join(build, "bin", "*"))):
        if os.path.isfile(path) and os.access(path, os.X_OK) and not path.endswith((".sh", ".py")):
            found.append(path)
    return found


def summary(build, merged, source):
    bins = objects(build)
    args = ["llvm-cov", "export", "-summary-only", "-instr-profile", merged, bins[0]]
    for extra in bins[1:]:
        args += ["-object", extra]
    out = subprocess.run(args, check=True, capture_output=True, text=True).stdout
    totals = {}
    for entry in json.loads(out)["data"][0]["files"]:
        rel = os.path.relpath(entry["filename"], source)
        folder = rel.split(os.sep)[0]
        if folder not in CORE + FACES:
            continue
        t = totals.setdefault(folder, [0, 0, 0, 0])
        s = entry["summary"]
        t[0] += s["lines"]["covered"]
        t[1] += s["lines"]["count"]
        t[2] += s["branches"]["covered"]
        t[3] += s["branches"]["count"]
    return totals


def percent(part, whole):
    return 100.0 * part / whole if whole else 100.0


def rows(totals):
    table = {}
    for name in CORE + FACES:
        if name in totals:
            lc, ln, bc, bn = totals[name]
            table[name] = (percent(lc, ln), percent(bc, bn), ln, bn)
    for group, names in (("core", CORE), ("faces", FACES)):
        sums = [sum(totals[n][i] for n in names if n in totals) for i in range(4)]
        table[group] = (percent(sums[0], sums[1]), percent(sums[2], sums[3]), sums[1], sums[3])
    return table


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build")
    parser.add_argument("--source", default=os.getcwd())
    parser.add_argument("--json")
    parser.add_argument("--compare")
    parser.add_argument("--no-run", action="store_true", help="report the last run's profiles")
    args = parser.parse_args()
    merged = os.path.join(args.build, "coverage.profdata")
    if not args.no_run:
        merged = run_suite(args.build)
    table = rows(summary(args.build, merged, os.path.abspath(args.source)))
    before = json.load(open(args.compare)) if args.compare else {}
    print(f"{'folder':<12}{'lines':>9}{'branches':>10}{'lines#':>9}{'branches#':>10}"
          + ("   change (lines, branches)" if before else ""))
    for name, (lines, branches, ln, bn) in table.items():
        row = f"{name:<12}{lines:>8.1f}%{branches:>9.1f}%{ln:>9}{bn:>10}"
        if name in before:
            row += f"   {lines - before[name][0]:+.1f} {branches - before[name][1]:+.1f}"
        print(row)
    if args.json:
        json.dump(table, open(args.json, "w"), indent=1)


if __name__ == "__main__":
    main()
