#!/usr/bin/env python3
"""A program of the user's own that connects to the Keyloom engine's socket as the programs do.

record: answers every key at once and writes each key line it was sent to OUT_FILE.
hostile: sends what no program may: text that is not UTF-8, a NUL, output outside any key, a
bad commit in answer to a key, and at last a line without end; the engine must take none of it.

Usage: engine_peer.py SOCKET record|hostile OUT_FILE
"""
import socket
import sys

path, mode, out_path = sys.argv[1], sys.argv[2], sys.argv[3]
peer = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
peer.connect(path)
out = open(out_path, "w", encoding="utf-8", buffering=1)
out.write("connected\n")
if mode == "hostile":
    peer.sendall(b"commit %F0\ncommit a%00b\ncommit INJECTED\nforward 65293 28 0\n")
received = b""
answered = 0
while True:
    try:
        data = peer.recv(4096)
    except ConnectionResetError:
        break
    if not data:
        break
    received += data
    while b"\n" in received:
        line, received = received.split(b"\n", 1)
        fields = line.decode().split(" ")
        if fields[0] != "key":
            continue
        if mode == "record":
            out.write(line.decode() + "\n")
        else:
            answered += 1
            if answered == 3:
                peer.sendall(b"x" * 100_000)
                continue
            peer.sendall(b"commit %E2%98\n")
        peer.sendall(f"done {fields[1]} 0\n".encode())
out.write("closed\n")
