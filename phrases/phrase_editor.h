#pragma once

#include <string>
#include <vector>

#include "shell/dialogs.h"
#include "shell/list_file_commands.h"
#include "shell/window.h"
#include "shell/working_list.h"

namespace keyloom {

// The editing area of the main window. It keeps no entry data of its own: entries live in the
// working list, and every change the user makes is saved to the current list file at once.
class PhraseEditor {
 public:
  PhraseEditor(Window& window, WorkingList& list, Dialogs& dialogs, ListFileCommands& files,
               std::vector<std::string> samples);

  // Adds the entry in the fields, replacing every entry with the same launch keys.
  void AddString();
  // Copies the selected entry into the fields.
  void FillFromSelection();
  // Deletes the selected entry after asking.
  void DeleteSelected();
  // Removes every entry after asking.
  void ClearAll();
  // The Samples button: loads the samples after asking.
  void AskLoadSamples();
  // Adds the sample entries beside the existing ones, without saving.
  void LoadSamples();

 private:
  void ResetFields();

  Window& window_;
  WorkingList& list_;
  Dialogs& dialogs_;
  ListFileCommands& files_;
  std::vector<std::string> samples_;
};

}  // namespace keyloom
