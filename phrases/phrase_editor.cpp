#include "phrases/phrase_editor.h"

#include <optional>
#include <utility>

#include "phrases/application_scope.h"
#include "phrases/entry_line.h"
#include "phrases/quipcast_controls.h"
#include "platform/text.h"
#include "shell/app_texts.h"

namespace keyloom {
namespace {

ApplicationScope ScopeInFields(const Window& window) {
  ApplicationScope scope;
  if (window.Checked(kOnlyInOption)) scope.kind = ApplicationScope::Kind::kOnly;
  if (window.Checked(kNotInOption)) scope.kind = ApplicationScope::Kind::kExcept;
  if (scope.kind != ApplicationScope::Kind::kEvery) {
    scope.names = ScopeNamesFromText(window.Text(kApplicationsField));
  }
  if (scope.names.empty()) scope.kind = ApplicationScope::Kind::kEvery;
  return scope;
}

void ShowScope(Window& window, const ApplicationScope& scope) {
  window.SetChecked(kEverywhereOption, scope.kind == ApplicationScope::Kind::kEvery);
  window.SetChecked(kOnlyInOption, scope.kind == ApplicationScope::Kind::kOnly);
  window.SetChecked(kNotInOption, scope.kind == ApplicationScope::Kind::kExcept);
  window.SetText(kApplicationsField, ScopeNamesText(scope.names));
}

}  // namespace

PhraseEditor::PhraseEditor(Window& window, WorkingList& list, Dialogs& dialogs,
                           ListFileCommands& files, std::vector<std::string> samples)
    : window_(window),
      list_(list),
      dialogs_(dialogs),
      files_(files),
      samples_(std::move(samples)) {}

void PhraseEditor::AddString() {
  const std::string launch_keys = window_.Text(kLaunchKeysField);
  if (TrimSpaces(launch_keys).empty()) {
    dialogs_.ShowMessage("Please enter something in the Launch Keys text box", kApplicationTitle);
    return;
  }
  const ApplicationScope scope = ScopeInFields(window_);
  const std::string line = ComposeEntryLine(
      launch_keys, WithScope(scope, window_.Text(kSendStringField)), window_.Checked(kSpaceOption),
      window_.Checked(kTabOption), window_.Checked(kSendEnterCheck));

  // The entry replaces those with the same launch keys for the same applications; the same
  // letters may send other phrases elsewhere.
  const std::string keys = ToLower(TrimSpaces(launch_keys));
  for (std::size_t i = list_.size(); i-- > 0;) {
    const std::string& other = list_.items()[i];
    if (EntryLaunchKeys(other) == keys &&
        SameScope(SplitScope(SplitEntryLine(other).send_string).scope, scope)) {
      list_.RemoveAt(i);
    }
  }
  list_.Add(line);
  ResetFields();
  files_.FileSave();
}

void PhraseEditor::FillFromSelection() {
  const int index = list_.SelectedIndex();
  if (index < 0 || static_cast<std::size_t>(index) >= list_.size()) return;
  const EntryParts parts = SplitEntryLine(list_.items()[index]);
  const ScopedSendString scoped = SplitScope(parts.send_string);
  window_.SetText(kSendStringField, scoped.rest);
  ShowScope(window_, scoped.scope);
  window_.SetText(kLaunchKeysField, parts.launch_keys);
  // A chord's flags name neither option; the choice then stays as it was.
  if (IsSpaceEnded(parts.flags)) window_.SetChecked(kSpaceOption, true);
  if (IsTabEnded(parts.flags)) window_.SetChecked(kTabOption, true);
  window_.SetChecked(kSendEnterCheck, WantsEnter(parts.flags));
}

void PhraseEditor::DeleteSelected() {
  const int index = list_.SelectedIndex();
  if (index < 0 || static_cast<std::size_t>(index) >= list_.size()) return;
  if (!dialogs_.AskYesNo("Are you sure you want to clear delete this item?", kApplicationTitle)) {
    return;
  }
  list_.RemoveAt(index);
  files_.FileSave();
}

void PhraseEditor::ClearAll() {
  if (!dialogs_.AskYesNo("Are you sure you would like to clear all?", kApplicationTitle)) return;
  list_.Clear();
  ResetFields();
  files_.FileSave();
}

void PhraseEditor::AskLoadSamples() {
  if (dialogs_.AskYesNo("Load Samples?", kApplicationTitle)) LoadSamples();
}

void PhraseEditor::LoadSamples() { list_.AddAll(samples_); }

void PhraseEditor::ResetFields() {
  window_.SetText(kSendStringField, "");
  window_.SetText(kLaunchKeysField, "");
  window_.SetChecked(kSpaceOption, true);
  window_.SetChecked(kSendEnterCheck, false);
  ShowScope(window_, {});
}

}  // namespace keyloom
