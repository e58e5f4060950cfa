#!/usr/bin/env python3
"""What a program in a terminal receives, as a line editor would keep it: run inside xterm.

The terminal is raw: Backspace takes the last character back, Enter gives a line break, and
everything else is kept as it comes. The text goes to FILE after every read.
Run as: xterm -e python3 terminal_sink.py FILE
"""
import codecs
import os
import sys
import tty


def main():
    path = sys.argv[1]
    tty.setraw(0)
    decoder = codecs.getincrementaldecoder("utf-8")("replace")
    text = []
    while True:
        data = os.read(0, 65536)
        if not data:
            return
        for char in decoder.decode(data):
            if char in "\x7f\x08":
                if text:
                    text.pop()
            elif char == "\r":
                text.append("\n")
            else:
                text.append(char)
        with open(path + ".tmp", "w", encoding="utf-8") as out:
            out.write("".join(text))
        os.replace(path + ".tmp", path)


main()
