#include "phrases/phrase_picker.h"

#include <algorithm>

#include "phrases/application_scope.h"
#include "phrases/entry_line.h"
#include "phrases/fill_ins.h"
#include "platform/key_char.h"
#include "platform/keys_taken.h"
#include "platform/text.h"
#include "shell/popup_at_caret.h"

namespace keyloom {
namespace {

constexpr std::string_view kPrompt = "Find a phrase: ";
constexpr std::string_view kNothingFound = "  (nothing found)";
constexpr std::string_view kNoEntries = "  (no entries here yet: add them in Quipcast's window)";

// Every `from` (ASCII, any case) in `text` replaced by `to`.
void ReplaceNoCase(std::string& text, std::string_view from, std::string_view to) {
  std::string replaced;
  for (std::size_t at = 0; at < text.size();) {
    if (StartsWithNoCase(std::string_view(text).substr(at), from)) {
      replaced += to;
      at += from.size();
    } else {
      replaced += text[at++];
    }
  }
  text = std::move(replaced);
}

}  // namespace

std::string ReadablePhrase(std::string_view send_string) {
  std::vector<std::string> names;
  for (const FillInField& field : FillInFieldsOf(send_string)) {
    names.push_back("[" + field.name + "]");
  }
  std::string text = FillMarks(MarkFillIns(send_string), names);
  ReplaceNoCase(text, "%(cursor)%", "");
  ReplaceNoCase(text, "{enter}", "\n");
  return text;
}

WindowDesign PhrasePickerDesign() {
  WindowDesign design;
  design.id = "Form5";
  design.style = WindowStyle::kPopup;
  design.client_size = {5400, 2655};
  design.popup_rect = {0, 0, 5400, 2655};
  // Never focused: the keys come from the hook, so no control has a place in a tab order.
  design.controls = {
      {ControlKind::kLabel, "Label1", std::string(kPrompt), "", {60, 30, 5280, 255}},
      {ControlKind::kListBox, "List1", "", "", {0, 300, 5400, 2355}},
  };
  return design;
}

std::span<const int> PhrasePicker::SteeringKeys() { return TakenKeys(); }

std::string PickerItemText(std::string_view launch_keys, std::string_view phrase,
                           std::size_t preview_length) {
  std::string preview;
  std::size_t length = 0;
  bool space_before = false;
  std::size_t pos = 0;
  while (pos < phrase.size() && length < preview_length) {
    const std::size_t at = pos;
    const char32_t c = NextCodePoint(phrase, pos);
    // Line breaks and tabs show as one space: the list has one line per entry.
    if (c == '\r' || c == '\n' || c == '\t' || c == ' ') {
      space_before = !preview.empty();
      continue;
    }
    if (space_before) {
      // No room for the space and a character behind it.
      if (length + 1 == preview_length) {
        pos = at;
        break;
      }
      preview += ' ';
      ++length;
      space_before = false;
    }
    AppendUtf8(preview, c);
    ++length;
  }
  if (phrase.substr(pos).find_first_not_of(" \t\r\n") != std::string_view::npos) {
    preview += "\u2026";
  }
  return std::string(launch_keys) + "  \u2014  " + preview;
}

PhrasePicker::PhrasePicker(Shell& shell, Platform& platform)
    : shell_(shell),
      platform_(platform),
      place_timer_(shell.CreateTimer([this] { PlaceAndShow(); })) {
  place_timer_->SetInterval(kCaretDelayMs);
}

void PhrasePicker::Open(const std::vector<std::string>& lines, std::string_view application) {
  entries_.clear();
  searched_.clear();
  for (const std::string& line : lines) {
    if (line.empty()) break;
    const EntryParts parts = SplitEntryLine(line);
    if (!parts.complete) continue;
    const ScopedSendString scoped = SplitScope(parts.send_string);
    if (ScopeFit(scoped.scope, application) == kNoFit) continue;
    entries_.push_back({parts.launch_keys, std::string(scoped.rest), WantsEnter(parts.flags)});
    searched_.push_back({parts.launch_keys, ReadablePhrase(scoped.rest)});
  }
  ranking_ = EntryRanking(searched_);
  if (!window_) {
    window_ = shell_.CreateWindow(PhrasePickerDesign(), *this);
    designed_place_ = window_->ScreenFrame();
  }
  application_ = application;
  query_.clear();
  open_ = true;
  Refilter();
  place_timer_->Restart();
}

void PhrasePicker::Close() {
  if (!open_) return;
  open_ = false;
  place_timer_->SetEnabled(false);
  window_->Hide();
  query_.clear();
}

std::optional<PickedEntry> PhrasePicker::HandleKey(KeyEvent& event) {
  if (!open_ || IsModifierKey(event.key_code)) return std::nullopt;
  // The user went to another window: what was found here may not apply there.
  if (event.application != application_) {
    Close();
    return std::nullopt;
  }
  const char32_t typed = event.modifiers & (kCtrlMask | kAltMask)
                             ? 0
                             : TypedCharacter(event.key_code, event.modifiers, event.layout_char);
  event.discard = true;
  switch (event.key_code) {
    case kVkEscape:
      Close();
      return std::nullopt;
    case kVkEnter: {
      const int selected = window_->SelectedListIndex(kListId);
      std::optional<PickedEntry> picked;
      if (selected >= 0 && static_cast<std::size_t>(selected) < shown_.size()) {
        picked = entries_[shown_[static_cast<std::size_t>(selected)]];
      }
      Close();
      return picked;
    }
    case kVkUp:
      Move(-1);
      return std::nullopt;
    case kVkDown:
      Move(1);
      return std::nullopt;
    case kVkBackspace: {
      const std::size_t count = CodePointCount(query_);
      if (count > 0) query_.resize(query_.size() - DropCodePoints(query_, count - 1).size());
      Refilter();
      return std::nullopt;
    }
    default:
      break;
  }
  if (typed == 0) {
    // A command or a key that moves the cursor: the picker's work is over.
    event.discard = false;
    Close();
    return std::nullopt;
  }
  if (CodePointCount(query_) >= kMaxQueryLength) return std::nullopt;
  // Typed as it reads, whatever Caps Lock says: the search ignores case.
  AppendUtf8(query_, typed);
  Refilter();
  return std::nullopt;
}

void PhrasePicker::Refilter() {
  const std::vector<std::size_t> ranked = ranking_.Rank(query_);
  shown_.assign(ranked.begin(),
                ranked.begin() + static_cast<std::ptrdiff_t>(std::min(ranked.size(), kMaxShown)));
  shown_texts_.clear();
  for (const std::size_t index : shown_) {
    shown_texts_.push_back(
        PickerItemText(searched_[index].launch_keys, searched_[index].phrase, kPreviewLength));
  }
  window_->SetListItems(kListId, shown_texts_);
  if (!shown_.empty()) window_->SetSelectedListIndex(kListId, 0);
  const std::string_view none = entries_.empty() ? kNoEntries : kNothingFound;
  window_->SetText(kQueryId, std::string(kPrompt) + query_ +
                                 std::string(shown_.empty() ? none : std::string_view()));
}

void PhrasePicker::Move(int step) {
  const int selected = window_->SelectedListIndex(kListId) + step;
  if (selected >= 0 && selected < static_cast<int>(shown_.size())) {
    window_->SetSelectedListIndex(kListId, selected);
  }
}

void PhrasePicker::PlaceAndShow() {
  place_timer_->SetEnabled(false);
  if (!open_) return;
  ShowPopupAtCaret(*window_, platform_.caret(), designed_place_);
}

}  // namespace keyloom
