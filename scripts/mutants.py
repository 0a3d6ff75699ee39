#!/usr/bin/env python3
"""A mutation check: how many small faults planted in the core does the suite catch?

Takes a fixed sample of core source lines that hold an operator or constant worth flipping
(== and !=, < and <=, > and >=, && and ||, + 1 and - 1, true and false), plants one flip at a
time in a private copy of the tree, rebuilds the test program there and runs the suite until its
first failure. A mutant is killed when a test fails (or the suite hangs past a limit), survives
when every test passes, and does not count when it does not compile. The sample is drawn with a
fixed seed, so two runs on the same sources plant the same mutants and their kill rates compare.
Once the sources have changed, --sample FILE plants the mutants a file names (written by an earlier
run with --save-sample): each is found again by the text of its line, wherever the line now
stands, so the suite's kill rate is compared on the same faults; a line that no longer exists is
named and not counted.
"""
import argparse
import os
import random
import re
import shutil
import subprocess
import sys
import time

CORE = ["base", "state", "router", "parser", "reports", "commands", "network", "console",
        "simulation", "lab"]

# Each flip: a pattern with the operator between blanks (so templates, << and -> stay alone) and
# what replaces it.
FLIPS = [
    (re.compile(r"(?<=\s)==(?=\s)"), "!="),
    (re.compile(r"(?<=\s)!=(?=\s)"), "=="),
    (re.compile(r"(?<=\s)<(?=\s)"), "<="),
    (re.compile(r"(?<=\s)<=(?=\s)"), "<"),
    (re.compile(r"(?<=\s)>(?=\s)"), ">="),
    (re.compile(r"(?<=\s)>=(?=\s)"), ">"),
    (re.compile(r"(?<=\s)&&(?=\s)"), "||"),
    (re.compile(r"(?<=\s)\|\|(?=\s)"), "&&"),
    (re.compile(r"(?<=\s)\+ 1\b"), "- 1"),
    (re.compile(r"(?<=\s)- 1\b"), "+ 1"),
    (re.compile(r"\btrue\b"), "false"),
    (re.compile(r"\bfalse\b"), "true"),
]

STRING = re.compile(r'"(?:\\.|[^"\\])*"|\'(?:\\.|[^\'\\])*\'')


def code_part(line):
    """The line with string literals blanked and a trailing comment cut, so flips land in code."""
    blanked = STRING.sub(lambda m: '"' + " " * (len(m.group(0)) - 2) + '"', line)
    cut = blanked.find("//")
    return blanked if cut < 0 else blanked[:cut]


def candidates(source):
    found = []
    for layer in CORE:
        folder = os.path.join(source, layer)
        for name in sorted(os.listdir(folder)):
            if not name.endswith(".cpp"):
                continue
            rel = os.path.join(layer, name)
            with open(os.path.join(source, rel), encoding="utf-8") as f:
                for number, line in enumerate(f, 1):
                    code = code_part(line)
                    stripped = code.strip()
                    if not stripped or stripped.startswith(("#", "*", "static_assert")):
                        continue
                    for pattern, replacement in FLIPS:
                        for match in pattern.finditer(code):
                            found.append((rel, number, match.start(), match.end(), replacement))
    return found


def save_sample(path, work, sample):
    """One mutant a line: file, line number, column, the operator and its flip, the line's text."""
    with open(path, "w", encoding="utf-8") as f:
        for rel, number, start, end, replacement in sample:
            line = open(os.path.join(work, rel), encoding="utf-8").read().split("\n")[number - 1]
            f.write("\t".join([rel, str(number), str(start), line[start:end], replacement, line]) + "\n")


def core_files(source):
    return [os.path.join(layer, name) for layer in CORE
            for name in sorted(os.listdir(os.path.join(source, layer))) if name.endswith(".cpp")]


def read_lines(source, rel):
    return open(os.path.join(source, rel), encoding="utf-8").read().split("\n")


def load_sample(path, work):
    """The mutants of a saved sample, each at the line that now holds its text (the nearest one to
    where it stood, or in the one core file that now holds it when its own file moved); (None, label)
    for a mutant whose line is gone."""
    found = []
    for row in open(path, encoding="utf-8").read().splitlines():
        rel, number, start, operator, replacement, text = row.split("\t", 5)
        number, start = int(number), int(start)
        label = f"{rel}:{number}: {operator} -> {replacement}"
        source = os.path.join(work, rel)
        lines = open(source, encoding="utf-8").read().split("\n") if os.path.exists(source) else []
        places = [i + 1 for i, line in enumerate(lines) if line == text]
        if not places and not lines:
            # The file moved: the same line in exactly one core file is the mutant's new place.
            moved = [(other, i + 1) for other in core_files(work)
                     for i, line in enumerate(read_lines(work, other)) if line == text]
            if len(moved) == 1:
                rel, places = moved[0][0], [moved[0][1]]
        if not places:
            found.append((None, label))
            continue
        now = min(places, key=lambda n: abs(n - number))
        found.append(((rel, now, start, start + len(operator), replacement), label))
    return found


def copy_tree(source, work):
    files = subprocess.run(["git", "ls-files", "-co", "--exclude-standard"], cwd=source,
                           check=True, capture_output=True, text=True).stdout.split()
    for rel in files:
        if rel.startswith(("web/page/node_modules", "build")):
            continue
        dest = os.path.join(work, rel)
        os.makedirs(os.path.dirname(dest), exist_ok=True)
        if not os.path.exists(dest) or open(os.path.join(source, rel), "rb").read() != open(dest, "rb").read():
            shutil.copy2(os.path.join(source, rel), dest)
    # A file the source no longer has must leave the copy too, or the build still compiles it.
    kept = set(files)
    for folder, _, names in os.walk(work):
        for name in names:
            path = os.path.join(folder, name)
            if os.path.relpath(path, work) not in kept:
                os.remove(path)


def build(work, build_dir, quiet=True):
    if not os.path.exists(os.path.join(build_dir, "build.ninja")):
        subprocess.run(["cmake", "-S", work, "-B", build_dir, "-G", "Ninja",
                        "-DCMAKE_BUILD_TYPE=Release", "-DZORVA_UI=OFF", "-DZORVA_BENCH=OFF",
                        "-DCMAKE_CXX_FLAGS_RELEASE=-O1"], check=True, capture_output=quiet)
    result = subprocess.run(["cmake", "--build", build_dir, "--target", "zorva-tests", "zorva-term"],
                            capture_output=True, text=True)
    return result.returncode == 0


# The test programs in the order they run: the layers from the bottom up, then the faces.
PROGRAMS = CORE + ["script", "term", "web", "tools"]


def programs_seeing(build_dir, layer):
    """The test programs that can see a change in `layer`: its own first, then those above it."""
    order = [layer] + [p for p in PROGRAMS if p != layer and
                       (p not in CORE or CORE.index(p) > CORE.index(layer))]
    paths = [os.path.join(build_dir, "bin", "zorva-tests-" + p) for p in order]
    return [p for p in paths if os.path.exists(p)]


def suite_passes(build_dir, layer, limit):
    """True when every test that can see the mutant passes; stops at the first failure."""
    deadline = None if limit is None else time.time() + limit
    for program in programs_seeing(build_dir, layer):
        left = None if deadline is None else max(1.0, deadline - time.time())
        try:
            result = subprocess.run([program, "--gtest_fail_fast", "--gtest_brief=1"],
                                    cwd=build_dir, capture_output=True, timeout=left)
        except subprocess.TimeoutExpired:
            return False
        if result.returncode != 0:
            return False
    return True


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--source", default=os.getcwd())
    parser.add_argument("--work", default="build-mutants")
    parser.add_argument("--count", type=int, default=60)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--sample", help="plant the mutants this file names (see --save-sample)")
    parser.add_argument("--save-sample", help="write the drawn sample to this file")
    args = parser.parse_args()
    source = os.path.abspath(args.source)
    work = os.path.abspath(os.path.join(args.work, "src"))
    build_dir = os.path.abspath(os.path.join(args.work, "build"))

    copy_tree(source, work)
    gone = []
    if args.sample:
        sample = []
        for mutant, label in load_sample(args.sample, work):
            (sample.append(mutant) if mutant else gone.append(label))
        print(f"mutants: {len(sample)} of the sample in {args.sample} ({len(gone)} lines gone)",
              flush=True)
        for label in gone:
            print(f"  line gone        {label}")
    else:
        all_mutants = candidates(work)
        sample = random.Random(args.seed).sample(all_mutants, min(args.count, len(all_mutants)))
        sample.sort()
        print(f"mutants: {len(sample)} drawn from {len(all_mutants)} candidates (seed {args.seed})",
              flush=True)
    if args.save_sample:
        save_sample(args.save_sample, work, sample)
    if not build(work, build_dir, quiet=False):
        sys.exit("mutants: the unmutated tree does not build")
    started = time.time()
    if not suite_passes(build_dir, "base", None):
        sys.exit("mutants: the suite fails without any mutant")
    limit = max(60.0, 5 * (time.time() - started))

    killed, survived, stillborn = 0, [], 0
    for rel, number, start, end, replacement in sample:
        path = os.path.join(work, rel)
        original = open(path, encoding="utf-8").read()
        lines = original.split("\n")
        line = lines[number - 1]
        lines[number - 1] = line[:start] + replacement + line[end:]
        label = f"{rel}:{number}: {line[start:end]} -> {replacement}"
        try:
            open(path, "w", encoding="utf-8").write("\n".join(lines))
            if not build(work, build_dir):
                stillborn += 1
                verdict = "does not compile"
            elif suite_passes(build_dir, rel.split(os.sep)[0], limit):
                survived.append(label)
                verdict = "SURVIVED"
            else:
                killed += 1
                verdict = "killed"
        finally:
            open(path, "w", encoding="utf-8").write(original)
        print(f"  {verdict:<17}{label}", flush=True)

    counted = killed + len(survived)
    rate = 100.0 * killed / counted if counted else 0.0
    print(f"mutants: {killed} of {counted} killed ({rate:.1f}%), {stillborn} did not compile")
    for label in survived:
        print(f"  survived: {label}")


if __name__ == "__main__":
    main()
