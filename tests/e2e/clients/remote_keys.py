#!/usr/bin/env python3
"""Presses keys, given as keysyms in hex, through GNOME's remote-desktop interface on the session
bus, as a user would on a Wayland desktop (Debian's python3 with python3-gi); "ffe3+ffc6" is a
chord, Ctrl+F9. The session ends with the process, which owns it.
Run as: remote_keys.py KEY...
"""
import sys
import time

from gi.repository import Gio, GLib

SERVICE = "org.gnome.Mutter.RemoteDesktop"
bus = Gio.bus_get_sync(Gio.BusType.SESSION)


def call(path, interface, method, args=None):
    return bus.call_sync(SERVICE, path, interface, method, args, None, 0, -1, None)


session = call("/org/gnome/Mutter/RemoteDesktop", SERVICE, "CreateSession").unpack()[0]
call(session, SERVICE + ".Session", "Start")


def press(keysym, pressed):
    call(session, SERVICE + ".Session", "NotifyKeyboardKeysym",
         GLib.Variant("(ub)", (int(keysym, 16), pressed)))


# The compositor drops the first key of a new session: a Shift goes first.
for key in ["ffe1"] + sys.argv[1:]:
    chord = key.split("+")
    for keysym in chord:
        press(keysym, True)
    for keysym in reversed(chord):
        press(keysym, False)
    time.sleep(0.06)
time.sleep(0.3)
