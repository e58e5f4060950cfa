#!/usr/bin/env python3
"""Two GTK 3 entries, a plain one (focused at start) and a password one, each writing its text
to its file after every change (Debian's python3 with python3-gi). The password entry tells the
accessibility bus and the input method that it is one, as GTK password entries do. Shown (as
after a "show password" click), its keys go through the input method, which GTK 3 leaves out of
a hidden one.

Usage: gtk_entries.py PLAIN_FILE PASSWORD_FILE [shown]
"""
import sys

import gi

gi.require_version("Gtk", "3.0")
from gi.repository import Gtk  # noqa: E402


def follow(entry, path):
    def write(_entry):
        with open(path, "w", encoding="utf-8") as out:
            out.write(entry.get_text())

    entry.connect("changed", write)


window = Gtk.Window(title="Keyloom password sink")
window.connect("destroy", Gtk.main_quit)
box = Gtk.Box(orientation=Gtk.Orientation.VERTICAL)
plain = Gtk.Entry()
password = Gtk.Entry()
password.set_visibility(len(sys.argv) > 3 and sys.argv[3] == "shown")
password.set_input_purpose(Gtk.InputPurpose.PASSWORD)
follow(plain, sys.argv[1])
follow(password, sys.argv[2])
box.add(plain)
box.add(password)
window.add(box)
window.show_all()
plain.grab_focus()
Gtk.main()
