#pragma once

#include <functional>
#include <string>

#include "platform/ansi_code_page.h"
#include "platform/file_system.h"
#include "shell/dialogs.h"
#include "shell/list_file.h"
#include "shell/settings_store.h"
#include "shell/working_list.h"

namespace keyloom {

struct ListFileConfig {
  ListLayout layout = ListLayout::kPhrases;
  // Quipcast: "defaultkeys.kyl" in the data folder; Keyloom: empty.
  std::string default_file;
  // Default of "AutoImort": Quipcast "1", Keyloom empty.
  std::string default_auto_import;
  // Quipcast: File Save with no current file writes default_file; Keyloom: asks with the dialog.
  bool save_without_name_uses_default = true;
  // Keyloom: the shortest line a word-list import takes (read when a file is read).
  std::function<long long()> min_word_length = [] { return 0LL; };
  // Told when a save failed; the previous file is then still whole.
  std::function<void(const std::string& path)> on_save_failed = [](const std::string&) {};
};

// The File menu's list-file commands and the current list file.
class ListFileCommands {
 public:
  ListFileCommands(ListFileConfig config, WorkingList& list, Dialogs& dialogs,
                   SettingsStore& settings, FileSystem& files, const AnsiCodePage& code_page);

  void LoadListAtStart();
  void FileImport();
  void FileSave();
  void FileSaveAs();

  // Adds the items of the list file at `path`; an unreadable file adds nothing.
  void GetImportFile(const std::string& path);
  // Writes the whole list to the current list file. False when the file could not be replaced.
  bool ExportFile();

  const std::string& current_file() const { return current_file_; }

 private:
  ListFileConfig config_;
  WorkingList& list_;
  Dialogs& dialogs_;
  SettingsStore& settings_;
  FileSystem& files_;
  const AnsiCodePage& code_page_;
  std::string current_file_;
};

}  // namespace keyloom
