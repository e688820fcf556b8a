#!/usr/bin/env python3
"""Plants faults one at a time into a scratch copy of the tree, builds it and runs the tests,
then prints which faults the suite caught.

usage: scripts/plant-faults.py [--faults FILE] [--scratch DIR] [--only NAME...]

The faults file holds blocks of this form (the old text must occur exactly once in the file):

    ## a short name: what the fault does
    path/to/file.cpp
    <<<
    old text, one or more lines
    ===
    new text
    >>>
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def read_faults(path):
    text = open(path, encoding="utf-8").read()
    pattern = re.compile(r"^## (.+?)\n(\S+)\n<<<\n(.*?)\n===\n(.*?)\n?>>>$", re.S | re.M)
    return [dict(name=m[1].strip(), file=m[2], old=m[3], new=m[4]) for m in pattern.finditer(text)]


def run(cmd, cwd, timeout=None):
    return subprocess.run(cmd, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                          text=True, timeout=timeout)


def prepare(scratch):
    if not os.path.isdir(os.path.join(scratch, ".git")):
        shutil.rmtree(scratch, ignore_errors=True)
        run(["git", "clone", "-q", ROOT, scratch], ROOT)
    # The working tree as it is now, committed or not.
    run(["git", "fetch", "-q", ROOT, "HEAD"], scratch)
    run(["git", "checkout", "-q", "-f", "FETCH_HEAD"], scratch)
    diff = run(["git", "diff", "HEAD"], ROOT).stdout
    if diff:
        subprocess.run(["git", "apply", "-"], cwd=scratch, input=diff, text=True, check=True)
    build = os.path.join(scratch, "build")
    env_launcher = ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"] if shutil.which("ccache") else []
    run(["cmake", "-S", ".", "-B", "build", "-G", "Ninja", "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
         "-DCLASSSHAPER_BENCHMARKS=OFF"] + env_launcher, scratch)
    result = run(["cmake", "--build", "build"], scratch)
    if result.returncode != 0:
        sys.exit("The unchanged tree does not build:\n" + result.stdout[-3000:])
    result = run(["ctest", "--test-dir", "build", "--timeout", "300"], scratch)
    if result.returncode != 0:
        sys.exit("The unchanged tree fails its tests:\n" + result.stdout[-3000:])
    return build


def failed_tests(output):
    return re.findall(r"\d+ - (\S+) \(", output)


def plant(scratch, fault):
    path = os.path.join(scratch, fault["file"])
    original = open(path, encoding="utf-8").read()
    if original.count(fault["old"]) != 1:
        return "not found", []
    open(path, "w", encoding="utf-8").write(original.replace(fault["old"], fault["new"]))
    try:
        build = run(["cmake", "--build", "build"], scratch)
        if build.returncode != 0:
            return "does not build", []
        try:
            tests = run(["ctest", "--test-dir", "build", "--timeout", "300"], scratch, 1800)
        except subprocess.TimeoutExpired:
            return "caught", ["(hang)"]
        failed = failed_tests(tests.stdout)
        return ("caught" if tests.returncode != 0 else "missed"), failed
    finally:
        open(path, "w", encoding="utf-8").write(original)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--faults", default=os.path.join(ROOT, "scripts", "faults.txt"))
    parser.add_argument("--scratch", default="/tmp/classshaper-faults")
    parser.add_argument("--only", nargs="*")
    args = parser.parse_args()
    os.environ.setdefault("CCACHE_BASEDIR", os.path.dirname(args.scratch))
    faults = read_faults(args.faults)
    if args.only:
        faults = [f for f in faults if any(o in f["name"] for o in args.only)]
    prepare(args.scratch)
    counts = {}
    for fault in faults:
        start = time.time()
        verdict, failed = plant(args.scratch, fault)
        counts[verdict] = counts.get(verdict, 0) + 1
        print(f"{verdict:15} {fault['name']}  [{', '.join(failed)}] ({time.time() - start:.0f} s)",
              flush=True)
    run(["cmake", "--build", "build"], args.scratch)
    planted = counts.get("caught", 0) + counts.get("missed", 0)
    print(f"\n{counts.get('caught', 0)} of {planted} planted faults caught"
          + "".join(f", {n} {v}" for v, n in counts.items() if v not in ("caught", "missed")))
    return 0 if counts.get("missed", 0) == 0 and planted == len(faults) else 1


if __name__ == "__main__":
    sys.exit(main())
