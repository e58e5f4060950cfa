#!/usr/bin/env python3
"""A Qt text edit, of Qt 5 or Qt 6 (Debian's python3-pyqt5 or python3-pyqt6), that writes its
whole text to FILE after every change. Run as: qt_text_sink.py 5|6 FILE
"""
import importlib
import sys

from sink_file import write_whole

VERSION = sys.argv[1]
widgets = importlib.import_module(f"PyQt{VERSION}.QtWidgets")


def main():
    path = sys.argv[2]
    app = widgets.QApplication(sys.argv[:1])
    edit = widgets.QPlainTextEdit()
    edit.setWindowTitle(f"Keyloom Qt {VERSION} sink")
    edit.resize(700, 300)
    edit.textChanged.connect(lambda: write_whole(path, edit.toPlainText()))
    write_whole(path, "")
    edit.show()
    edit.activateWindow()
    edit.setFocus()
    app.exec()


main()
