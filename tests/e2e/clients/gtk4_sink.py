#!/usr/bin/env python3
"""A GTK 4 text view that writes its whole text to FILE after every change (Debian's python3 with
gir1.2-gtk-4.0). Run as: gtk4_sink.py FILE
"""
import sys

import gi

gi.require_version("Gtk", "4.0")
from gi.repository import GLib, Gtk  # noqa: E402
from sink_file import write_whole  # noqa: E402


def main():
    path = sys.argv[1]
    window = Gtk.Window(title="Keyloom GTK 4 sink")
    window.set_default_size(700, 300)
    view = Gtk.TextView()
    window.set_child(view)
    text = view.get_buffer()

    def save(buffer):
        write_whole(path, buffer.get_text(buffer.get_start_iter(), buffer.get_end_iter(), True))

    text.connect("changed", save)
    save(text)
    loop = GLib.MainLoop()
    window.connect("close-request", lambda _: loop.quit() or False)
    window.present()
    view.grab_focus()
    loop.run()


main()
