#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace keyloom {

// The system clipboard, Unicode text only (UTF-8 in the core).
class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // The clipboard's text; empty when it holds none; nullopt when the clipboard cannot be opened.
  virtual std::optional<std::string> GetText() = 0;
  // Empties the clipboard and puts `text` on it. False when the clipboard cannot be opened.
  virtual bool SetText(std::string_view text) = 0;
  // Whether Shift+Insert pastes this clipboard in every application. Not on X11, where
  // terminals paste the primary selection with it.
  virtual bool ShiftInsertPastesIt() const = 0;
};

}  // namespace keyloom
