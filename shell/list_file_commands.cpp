#include "shell/list_file_commands.h"

#include <optional>
#include <utility>

#include "platform/text.h"
#include "shell/numbers.h"
#include "shell/settings.h"

namespace keyloom {
namespace {

// The name the dialogs put into their file-name box before the user types; it names no file.
constexpr std::string_view kDialogPlaceholder = "*.kq";

// True when `name` names a file to read or write.
bool NamesFile(std::string_view name) {
  const std::string_view trimmed = TrimSpaces(name);
  return !trimmed.empty() && trimmed != kDialogPlaceholder;
}

// The automatic import runs unless the value is a number other than 1.
bool AutoImportOn(std::string_view value) {
  const std::optional<double> number = ParseNumber(value);
  return !number || *number == 1;
}

}  // namespace

ListFileCommands::ListFileCommands(ListFileConfig config, WorkingList& list, Dialogs& dialogs,
                                   SettingsStore& settings, FileSystem& files,
                                   const AnsiCodePage& code_page)
    : config_(std::move(config)),
      list_(list),
      dialogs_(dialogs),
      settings_(settings),
      files_(files),
      code_page_(code_page) {}

void ListFileCommands::LoadListAtStart() {
  current_file_ = ReadSetting(settings_, kFileSection, kSaveSetting, config_.default_file);
  const std::string auto_import =
      ReadSetting(settings_, kOptionsSection, kAutoImportSetting, config_.default_auto_import);
  if (AutoImportOn(auto_import)) {
    GetImportFile(ReadSetting(settings_, kFileSection, kImportSetting, config_.default_file));
  }
}

void ListFileCommands::FileImport() {
  current_file_.clear();
  current_file_ = dialogs_.ShowOpen();
  if (!NamesFile(current_file_)) return;
  // Stored before reading, so that even a file that fails to read is the next start's import.
  WriteSetting(settings_, kFileSection, kImportSetting, current_file_);
  GetImportFile(current_file_);
}

void ListFileCommands::FileSave() {
  if (current_file_.empty()) {
    current_file_ =
        config_.save_without_name_uses_default ? config_.default_file : dialogs_.ShowSave();
  }
  if (NamesFile(current_file_)) ExportFile();
}

void ListFileCommands::FileSaveAs() {
  current_file_.clear();
  current_file_ = dialogs_.ShowSave();
  if (NamesFile(current_file_)) ExportFile();
}

void ListFileCommands::GetImportFile(const std::string& path) {
  const std::optional<std::string> bytes = files_.ReadFile(path);
  if (!bytes) return;
  const std::string text = DecodeListFileText(*bytes, code_page_);
  list_.AddAll(config_.layout == ListLayout::kPhrases
                   ? ParsePhraseItems(text)
                   : ParseWordItems(text, config_.min_word_length()));
}

bool ListFileCommands::ExportFile() {
  const std::string content = EncodeListFile(config_.layout, list_.items(), code_page_);
  if (files_.ReplaceFile(current_file_, content)) return true;
  config_.on_save_failed(current_file_);
  return false;
}

}  // namespace keyloom
