#!/usr/bin/env python3
"""Times lumenfold-cli on a folder of 100,000 files against the yardstick.

Usage: bench/cli_vs_yardstick.py [BUILD_DIR] [ROUNDS]

Makes the folder (hard links of a few tiny real pictures) under /tmp once,
builds bench/yardstick.c, then runs both programs alternately for ROUNDS
rounds and prints the median wall time of each, their ratio, and the peak
resident memory of lumenfold-cli.
"""
import os
import resource
import shutil
import statistics
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
BUILD = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build-rel")
ROUNDS = int(sys.argv[2]) if len(sys.argv) > 2 else 7
FOLDER = "/tmp/lumenfold-bench-100k"
COUNT = 100_000
SOURCES = ["IMG_2.jpg", "IMG_10.jpg", "icon.gif", "dots.gif", "lake.jpeg"]
LINKS_PER_SOURCE = 30_000  # Below ext4's limit of 65,000 links to one file.


def make_folder():
    if os.path.isdir(FOLDER) and len(os.listdir(FOLDER)) >= COUNT:
        return
    shutil.rmtree(FOLDER, ignore_errors=True)
    os.makedirs(FOLDER)
    seeds = []
    for i, name in enumerate(SOURCES):
        seed = os.path.join(FOLDER, ".seed%d%s" % (i, os.path.splitext(name)[1]))
        shutil.copy(os.path.join(ROOT, "examples/sample-pictures", name), seed)
        seeds.append(seed)
    for n in range(COUNT):
        seed = seeds[(n // LINKS_PER_SOURCE) % len(seeds)]
        ext = os.path.splitext(seed)[1]
        os.link(seed, os.path.join(FOLDER, "IMG_%d%s" % (n, ext)))


def timed(argv):
    start = time.perf_counter()
    pid = os.fork()
    if pid == 0:
        os.execv(argv[0], argv)
    _, status, usage = os.wait4(pid, 0)
    elapsed = time.perf_counter() - start
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit("failed: %s" % " ".join(argv))
    return elapsed, usage.ru_maxrss / 1024.0


def main():
    make_folder()
    yardstick = os.path.join(BUILD, "yardstick")
    subprocess.check_call(["cc", "-O2", "-o", yardstick, os.path.join(HERE, "yardstick.c")])
    cli = os.path.join(BUILD, "cli", "lumenfold-cli")
    page = os.path.join(FOLDER, "DSC.htm")
    runs = {"cli": [], "yardstick": []}
    peak = 0.0
    for _ in range(ROUNDS):
        t, rss = timed([cli, "--filter", "all", "--size", "3", "-y", "-q", FOLDER])
        runs["cli"].append(t)
        peak = max(peak, rss)
        t, _ = timed([yardstick, FOLDER, page])
        runs["yardstick"].append(t)
    cli_median = statistics.median(runs["cli"])
    yard_median = statistics.median(runs["yardstick"])
    print("lumenfold-cli  median %.3f s  (%s)" % (cli_median, ", ".join("%.3f" % t for t in runs["cli"])))
    print("yardstick      median %.3f s  (%s)" % (yard_median, ", ".join("%.3f" % t for t in runs["yardstick"])))
    print("ratio          %.2f (goal: 1.5 or less)" % (cli_median / yard_median))
    print("peak memory    %.1f MB (goal: under 64 MB)" % peak)


if __name__ == "__main__":
    main()
