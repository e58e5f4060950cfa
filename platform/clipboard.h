#pragma once

#include <memory>
#include <string_view>

namespace keyloom {

// Everything a clipboard held, every format with its data, to be put back whole.
class ClipboardSnapshot {
 public:
  virtual ~ClipboardSnapshot() = default;
  // The clipboard held nothing at all.
  virtual bool Empty() const = 0;
};

// The system clipboard. The programs borrow it for a paste and put the user's content back.
class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Everything the clipboard holds, read once; nullptr when it cannot be opened or read in
  // time (the caller then leaves it alone).
  virtual std::unique_ptr<ClipboardSnapshot> Save() = 0;
  // Empties the clipboard and puts `text` (UTF-8) on it, marked as a moment's content that
  // clipboard history, clipboard managers and cloud sync leave out. False when the clipboard
  // cannot be opened.
  virtual bool SetText(std::string_view text) = 0;
  // Empties the clipboard and puts back everything `snapshot` held. False when the clipboard
  // cannot be opened.
  virtual bool Restore(const ClipboardSnapshot& snapshot) = 0;
  // Whether Shift+Insert pastes this clipboard in every application. Not on X11, where
  // terminals paste the primary selection with it.
  virtual bool ShiftInsertPastesIt() const = 0;
};

}  // namespace keyloom
