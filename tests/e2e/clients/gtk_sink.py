#!/usr/bin/env python3
"""A GTK 3 text view that writes its whole text to FILE after every change (Debian's python3 with
python3-gi).

GTK fetches a paste from the clipboard's owner after the paste key has arrived, and goes on
with the keys behind it meanwhile. Run as: gtk_sink.py FILE
"""
import os
import sys

import gi

gi.require_version("Gtk", "3.0")
from gi.repository import Gtk  # noqa: E402


def main():
    path = sys.argv[1]
    window = Gtk.Window(title="Keyloom GTK sink")
    window.set_default_size(700, 300)
    view = Gtk.TextView()
    window.add(view)
    text = view.get_buffer()

    def save(buffer):
        content = buffer.get_text(buffer.get_start_iter(), buffer.get_end_iter(), True)
        with open(path + ".tmp", "w", encoding="utf-8") as out:
            out.write(content)
        os.replace(path + ".tmp", path)

    text.connect("changed", save)
    save(text)
    window.connect("destroy", Gtk.main_quit)
    window.show_all()
    view.grab_focus()
    Gtk.main()


main()
