#!/usr/bin/env python3
"""What each test file adds: the core and face lines and branches that it alone covers.

Runs, in an instrumented build (make coverage), the tests of one file at a time (each scenario
script counts as a file of its own), keeps each run's covered lines and branch outcomes, and then
prints for every file how many of them no other file covers, its size, and a greedy choice of
files whose whole coverage the rest of the suite already gives. A file that adds nothing is a
candidate to cut or merge, not a verdict: a test may assert what others only run through.
"""
import argparse
import glob
import json
import os
import re
import subprocess
import sys

SOURCE_FOLDERS = ["base", "state", "router", "parser", "reports", "commands", "network",
                  "console", "simulation", "lab", "script", "term", "web"]
TEST_DECL = re.compile(r"^\s*(?:TEST|TEST_F|TEST_P|TYPED_TEST)\(\s*(\w+)\s*,", re.M)
INSTANTIATE = re.compile(r"INSTANTIATE_TEST_SUITE_P\(\s*(\w+)\s*,\s*(\w+)")


def units(source):
    """(name, gtest filter, test lines) per test file; one unit per scenario script."""
    found = []
    for path in sorted(glob.glob(os.path.join(source, "tests", "*", "*.cpp"))):
        rel = os.path.relpath(path, source)
        if rel.startswith("tests/ui/"):
            continue
        text = open(path, encoding="utf-8").read()
        suites = set(TEST_DECL.findall(text))
        params = {suite: prefix for prefix, suite in INSTANTIATE.findall(text)}
        patterns = []
        for suite in sorted(suites):
            if suite in params:
                if suite == "Scenario":
                    continue  # each scenario is a unit of its own below
                patterns.append(f"{params[suite]}/{suite}.*")
            else:
                patterns.append(f"{suite}.*")
        if patterns:
            found.append((rel, ":".join(patterns), text.count("\n")))
    for path in sorted(glob.glob(os.path.join(source, "tests", "scenarios", "*.zs"))):
        name = os.path.splitext(os.path.basename(path))[0]
        found.append((os.path.relpath(path, source), f"Scripts/Scenario.TranscriptMatches/{name}",
                      open(path, encoding="utf-8").read().count("\n")))
    return found


def program_of(name):
    """The test program that holds a unit: its folder's, the script runner's for a scenario."""
    folder = name.split("/")[1]
    return "zorva-tests-" + ("script" if folder == "scenarios" else folder)


def run_unit(build, name, pattern, folder):
    stem = re.sub(r"[^A-Za-z0-9]+", "_", name)
    for old in glob.glob(os.path.join(folder, stem + "-*.profraw")):
        os.remove(old)
    env = dict(os.environ, LLVM_PROFILE_FILE=os.path.join(folder, stem + "-%p.profraw"))
    subprocess.run([os.path.join(build, "bin", program_of(name)), f"--gtest_filter={pattern}",
                    "--gtest_brief=1"], cwd=build, env=env, capture_output=True)
    raws = glob.glob(os.path.join(folder, stem + "-*.profraw"))
    merged = os.path.join(folder, stem + ".profdata")
    subprocess.run(["llvm-profdata", "merge", "-sparse", "-o", merged] + raws, check=True)
    for raw in raws:
        os.remove(raw)
    return merged


def covered(build, profdata, source):
    """The set of covered (file, line) and taken (file, line, branch) of one run."""
    bins = sorted(glob.glob(os.path.join(build, "bin", "zorva-tests-*"))) + [
        os.path.join(build, "bin", "zorva-term")]
    args = ["llvm-cov", "export", "-format=lcov", "-instr-profile", profdata, bins[0]]
    for extra in bins[1:]:
        args += ["-object", extra]
    out = subprocess.run(args, capture_output=True, text=True, check=True).stdout
    lines, branches = set(), set()
    current = None
    for row in out.splitlines():
        if row.startswith("SF:"):
            current = os.path.relpath(row[3:], source)
            if current.split(os.sep)[0] not in SOURCE_FOLDERS:
                current = None
        elif current is None:
            continue
        elif row.startswith("DA:"):
            number, count = row[3:].split(",")[:2]
            if int(count) > 0:
                lines.add((current, int(number)))
        elif row.startswith("BRDA:"):
            number, block, branch, taken = row[5:].split(",")
            if taken not in ("-", "0"):
                branches.add((current, int(number), block, branch))
    return lines, branches


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build")
    parser.add_argument("--source", default=os.getcwd())
    parser.add_argument("--cache", help="JSON file keeping each unit's coverage between runs")
    args = parser.parse_args()
    source = os.path.abspath(args.source)
    args.build = os.path.abspath(args.build)
    folder = os.path.join(args.build, "overlap")
    os.makedirs(folder, exist_ok=True)
    cache = json.load(open(args.cache)) if args.cache and os.path.exists(args.cache) else {}

    data = {}
    todo = units(source)
    for i, (name, pattern, size) in enumerate(todo, 1):
        if name not in cache:
            merged = run_unit(args.build, name, pattern, folder)
            lines, branches = covered(args.build, merged, source)
            cache[name] = {"lines": sorted(map(list, lines)), "branches": sorted(map(list, branches))}
            if args.cache:
                json.dump(cache, open(args.cache, "w"))
            print(f"[{i}/{len(todo)}] {name}", file=sys.stderr, flush=True)
        entry = cache[name]
        data[name] = (size, {tuple(x) for x in entry["lines"]}, {tuple(x) for x in entry["branches"]})

    def counts(sets):
        total = {}
        for s in sets:
            for item in s:
                total[item] = total.get(item, 0) + 1
        return total

    line_counts = counts(d[1] for d in data.values())
    branch_counts = counts(d[2] for d in data.values())
    print(f"{'unique lines':>13}{'unique branches':>16}{'size':>6}  file")
    for name, (size, lines, branches) in sorted(
            data.items(), key=lambda kv: (sum(line_counts[l] == 1 for l in kv[1][1]), -kv[1][0])):
        ul = sum(line_counts[l] == 1 for l in lines)
        ub = sum(branch_counts[b] == 1 for b in branches)
        print(f"{ul:>13}{ub:>16}{size:>6}  {name}")

    # Greedy: drop the largest files whose every line and branch the others still cover.
    dropped, saved = [], 0
    for name, (size, lines, branches) in sorted(data.items(), key=lambda kv: -kv[1][0]):
        if all(line_counts[l] > 1 for l in lines) and all(branch_counts[b] > 1 for b in branches):
            for l in lines:
                line_counts[l] -= 1
            for b in branches:
                branch_counts[b] -= 1
            dropped.append(name)
            saved += size
    print(f"\nfiles the rest of the suite covers completely ({saved} lines):")
    for name in dropped:
        print(f"  {name}")


if __name__ == "__main__":
    main()
