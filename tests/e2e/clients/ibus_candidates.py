#!/usr/bin/env python3
"""An IBus panel that shows nothing and writes the candidate list that the input method shows to
FILE, one candidate per line, the highlighted one marked with "> "; the file is empty while no
list shows. Debian's python3 with python3-gi and gir1.2-ibus-1.0; run as: ibus_candidates.py FILE
"""
import sys

import gi

gi.require_version("IBus", "1.0")
from gi.repository import GLib, IBus  # noqa: E402
from sink_file import write_whole  # noqa: E402


class CandidateRecorder(IBus.PanelService):
    def __init__(self, bus, path):
        super().__init__(connection=bus.get_connection(), object_path=IBus.PATH_PANEL)
        self.path = path
        write_whole(path, "")

    def do_update_lookup_table(self, table, visible):
        if not visible:
            write_whole(self.path, "")
            return
        cursor = table.get_cursor_pos()
        lines = []
        for index in range(table.get_number_of_candidates()):
            mark = "> " if index == cursor else ""
            lines.append(mark + table.get_candidate(index).get_text())
        write_whole(self.path, "".join(line + "\n" for line in lines))

    def do_hide_lookup_table(self):
        write_whole(self.path, "")


def main():
    IBus.init()
    bus = IBus.Bus()
    if not bus.is_connected():
        sys.exit("IBus is not running")
    bus.connect("disconnected", lambda _bus: GLib.MainLoop().quit())
    recorder = CandidateRecorder(bus, sys.argv[1])
    bus.request_name(IBus.SERVICE_PANEL, 0)
    GLib.MainLoop().run()
    del recorder


main()
