#!/usr/bin/env python3
"""Latencies of the end-to-end benchmark, read from the logs of the sink and the X witness.

  e2e_latencies.py phrase SINK_LOG LETTERS LENGTH
      One line per launch by LETTERS (as the sink names the keys: "XA"): milliseconds from the
      trigger Space's arrival in the sink to the sink's text reaching LENGTH characters, then
      the span of X server time (ms) from that Space to the last key the sink received until
      then.
  e2e_latencies.py server EVENT_LOG LETTERS
      One line per launch by LETTERS, as the X server processed it: milliseconds from the
      trigger Space to the first key that the program typed, then to the last one.
  e2e_latencies.py popup EVENT_LOG
      One line per pop-up: milliseconds from the key press before it to its mapping.
  e2e_latencies.py paste EVENT_LOG SINK_LOG KEY
      One line per KEY pressed: milliseconds from the press to the sink's next text change.
  e2e_latencies.py median [COLUMN]
      The median of the numbers on standard input (the first column unless told).

Both logs time their lines in microseconds of the monotonic clock.
"""
import statistics
import sys


def lines(path):
    with open(path, encoding="utf-8", errors="replace") as log:
        for line in log:
            fields = line.split()
            if len(fields) >= 3 and fields[0].isdigit():
                yield int(fields[0]), fields[1], fields[2:]


def phrase(sink_log, letters, length):
    # Each launch begins with Ctrl+A, which selects the text to be replaced. The trigger is the
    # Space that follows the launch letters, once the erasing Backspaces show that it launched;
    # the launch is complete at the first text of the whole length after it. A launch that
    # never completes is left out.
    keys = []
    space = None
    trigger = None
    last_server_ms = None
    for micros, kind, rest in lines(sink_log):
        if kind == "key":
            server_ms = int(rest[1]) if len(rest) > 1 else None
            if rest[0] == "A" and keys[-1:] == ["Ctrl"]:
                space = trigger = None
            elif rest[0] == "Space" and trigger is None:
                space = (micros, server_ms) if "".join(keys[-2:]) == letters else None
            elif rest[0] == "Backspace" and trigger is None and space is not None:
                trigger = space
            keys = keys[-1:] + [rest[0]]
            last_server_ms = server_ms
        elif kind == "text" and trigger is not None and int(rest[0]) == length:
            span = last_server_ms - trigger[1] if trigger[1] is not None else 0
            print(f"{(micros - trigger[0]) / 1000:.3f} {span}")
            space = trigger = None


def server(event_log, letters):
    # Launches begin with Ctrl+A; X names the keys by their keysyms ("x", "space").
    keys = []
    space = first = last = None
    previous_last = None  # before the latest key: the Control_L of the next Ctrl+A is no part

    def report(last):
        if space is not None and first is not None:
            print(f"{(first - space) / 1000:.3f} {(last - space) / 1000:.3f}")

    for micros, kind, rest in lines(event_log):
        if kind != "key":
            continue
        if rest[0] == "a" and keys[-1:] == ["Control_L"]:
            report(previous_last)
            space = first = last = None
        elif space is None:
            if rest[0] == "space" and "".join(keys[-2:]) == letters.lower():
                space = micros
        else:
            first = micros if first is None else first
            previous_last, last = last, micros
        keys = keys[-1:] + [rest[0]]
    report(last)


def popup(event_log):
    key = None
    for micros, kind, rest in lines(event_log):
        if kind == "key":
            key = micros
        elif kind == "map" and key is not None and rest[1] == "1" and int(rest[2]) > 40:
            print(f"{(micros - key) / 1000:.3f}")
            key = None


def paste(event_log, sink_log, key_name):
    events = [(m, "press") for m, kind, rest in lines(event_log) if kind == "key" and rest[0] == key_name]
    events += [(m, "text") for m, kind, _ in lines(sink_log) if kind == "text"]
    pressed = None
    for micros, kind in sorted(events):
        if kind == "press":
            pressed = micros
        elif pressed is not None:
            print(f"{(micros - pressed) / 1000:.3f}")
            pressed = None


def median(column):
    values = [float(line.split()[column]) for line in sys.stdin if line.split()]
    if not values:
        print("nan")
        return
    # The logs time to the microsecond; three significant digits suffice above 10 ms.
    value = statistics.median(values)
    print(f"{value:.3f}" if value < 10 else f"{value:.1f}" if value < 100 else f"{value:.0f}")


def main(argv):
    if len(argv) == 5 and argv[1] == "phrase":
        phrase(argv[2], argv[3], int(argv[4]))
    elif len(argv) == 4 and argv[1] == "server":
        server(argv[2], argv[3])
    elif len(argv) == 3 and argv[1] == "popup":
        popup(argv[2])
    elif len(argv) == 5 and argv[1] == "paste":
        paste(argv[2], argv[3], argv[4])
    elif len(argv) in (2, 3) and argv[1] == "median":
        median(int(argv[2]) if len(argv) == 3 else 0)
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
