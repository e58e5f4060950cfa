#include "platform/x11/selection_atoms.h"

#include <array>

namespace keyloom {

SelectionAtoms SelectionAtoms::Intern(Display* display) {
  std::array<const char*, 16> names = {"CLIPBOARD",
                                       "TARGETS",
                                       "TIMESTAMP",
                                       "MULTIPLE",
                                       "INCR",
                                       "ATOM_PAIR",
                                       "UTF8_STRING",
                                       "TEXT",
                                       "text/plain;charset=utf-8",
                                       "text/plain",
                                       "KEYLOOM_TRANSFER",
                                       "x-kde-passwordManagerHint",
                                       "DELETE",
                                       "INSERT_SELECTION",
                                       "INSERT_PROPERTY",
                                       "SAVE_TARGETS"};
  std::array<Atom, names.size()> atoms{};
  XInternAtoms(display, const_cast<char**>(names.data()), static_cast<int>(names.size()), False,
               atoms.data());
  SelectionAtoms result{};
  result.clipboard = atoms[0];
  result.targets = atoms[1];
  result.timestamp = atoms[2];
  result.multiple = atoms[3];
  result.incr = atoms[4];
  result.atom_pair = atoms[5];
  result.utf8_string = atoms[6];
  result.text = atoms[7];
  result.text_plain_utf8 = atoms[8];
  result.text_plain = atoms[9];
  result.transfer = atoms[10];
  result.password_manager_hint = atoms[11];
  result.delete_target = atoms[12];
  result.insert_selection = atoms[13];
  result.insert_property = atoms[14];
  result.save_targets = atoms[15];
  return result;
}

}  // namespace keyloom
