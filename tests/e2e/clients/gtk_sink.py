#!/usr/bin/env python3
"""A GTK 3 text view that writes its whole text to FILE after every change (Debian's python3 with
python3-gi), and with CARET_FILE the text cursor's rectangle on the screen, as "X Y WIDTH HEIGHT"
in pixels, once GTK has moved it. SINK_TITLE in the environment names the window otherwise.

GTK fetches a paste from the clipboard's owner after the paste key has arrived, and goes on
with the keys behind it meanwhile. Run as: gtk_sink.py FILE [CARET_FILE]
"""
import os
import sys

import gi

gi.require_version("Gtk", "3.0")
from gi.repository import GLib, Gtk  # noqa: E402
from sink_file import write_whole  # noqa: E402


def caret_on_screen(view):
    buffer = view.get_buffer()
    location = view.get_iter_location(buffer.get_iter_at_mark(buffer.get_insert()))
    x, y = view.buffer_to_window_coords(Gtk.TextWindowType.TEXT, location.x, location.y)
    _, origin_x, origin_y = view.get_window(Gtk.TextWindowType.TEXT).get_origin()
    return f"{origin_x + x} {origin_y + y} {max(location.width, 1)} {location.height}"


def main():
    path = sys.argv[1]
    window = Gtk.Window(title=os.environ.get("SINK_TITLE", "Keyloom GTK sink"))
    window.set_default_size(700, 300)
    view = Gtk.TextView()
    window.add(view)
    text = view.get_buffer()

    def save(buffer):
        write_whole(path, buffer.get_text(buffer.get_start_iter(), buffer.get_end_iter(), True))
        if len(sys.argv) > 2:
            GLib.idle_add(lambda: write_whole(sys.argv[2], caret_on_screen(view)) and False)

    text.connect("changed", save)
    save(text)
    window.connect("destroy", Gtk.main_quit)
    window.show_all()
    view.grab_focus()
    Gtk.main()


main()
