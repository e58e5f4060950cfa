#pragma once

#include <X11/Xlib.h>

namespace keyloom {

// The atoms that owning and reading the clipboard speaks in.
struct SelectionAtoms {
  Atom clipboard;
  Atom targets;
  Atom timestamp;
  Atom multiple;
  Atom incr;
  Atom atom_pair;
  Atom utf8_string;
  Atom text;
  Atom text_plain_utf8;
  Atom text_plain;
  Atom password_manager_hint;  // the mark of a moment's content that clipboard managers skip
  // Targets that name no data of their own: they are answered, not kept.
  Atom delete_target;
  Atom insert_selection;
  Atom insert_property;
  Atom save_targets;
  Atom transfer;  // the property of ours that the clipboard's data arrives in

  // Interns them all in one round trip.
  static SelectionAtoms Intern(Display* display);
};

}  // namespace keyloom
