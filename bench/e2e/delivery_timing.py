#!/usr/bin/env python3
"""Times launches into a client: types " xb " RUNS times and waits each time for the next line
break in FILE (the phrase's Enter). xdotool's own start is taken off: a plain key into the same
client is timed the same way first. Prints the median and the slowest, in milliseconds.
Usage: delivery_timing.py FILE RUNS"""
import statistics
import subprocess
import sys
import time


def text_of(path):
    try:
        with open(path, encoding="utf-8") as handle:
            return handle.read()
    except OSError:
        return ""


def timed(keys, path, done):
    start = time.monotonic()
    subprocess.run(["xdotool", "key"] + keys, check=True)
    while not done(text_of(path)) and time.monotonic() < start + 5:
        time.sleep(0.0005)
    return (time.monotonic() - start) * 1000


def main():
    path, runs = sys.argv[1], int(sys.argv[2])
    baseline = []
    for _ in range(runs):
        baseline.append(timed(["z"], path, lambda text: text.endswith("z")))
        time.sleep(0.1)
    times = []
    for _ in range(runs):
        subprocess.run(["xdotool", "type", "--delay", "12", " xb"], check=True)
        time.sleep(0.1)
        lines = text_of(path).count("\n")
        times.append(timed(["space"], path, lambda text: text.count("\n") > lines))
        time.sleep(0.7)  # the quiet period
    floor = statistics.median(baseline)
    print(f"{max(0.0, statistics.median(times) - floor):.1f} ms "
          f"(slowest {max(0.0, max(times) - floor):.1f} ms)")


main()
