#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace keyloom {

// The lines that the input method engine and the programs exchange over the engine's socket,
// one message per line, fields separated by single spaces. Texts are percent-encoded, so that
// they hold no space, line break or control character.
//
// Engine to program: "key SEQ KEYVAL KEYCODE STATE FIELD APPLICATION", a key press in the
// focused field (FIELD: the sum of the kinds of field below); the program answers "done SEQ
// WITHHELD" after anything its handler sent. A key in a password field goes with no value.
// Program to engine: "commit TEXT", "forward KEYVAL KEYCODE STATE", "table SELECTED WORD...",
// "heading [TEXT]" (the line above the table; none without TEXT), "hide" (the table and its
// heading), "later" (in answer to a key: what the program types for it comes after the answer,
// once the user has filled in a form), "over" (that has come, or will not) and "done SEQ
// WITHHELD".

// A key press as the engine reports it: IBus keyval (an X keysym), evdev keycode, modifier
// state.
struct KeyReport {
  unsigned long sequence = 0;
  unsigned int keyval = 0;
  unsigned int keycode = 0;
  unsigned int state = 0;
  bool in_password_field = false;
  bool in_private_field = false;  // the application asks that nothing typed there be kept
  bool in_terminal = false;
  std::string application;
  friend bool operator==(const KeyReport&, const KeyReport&) = default;
};

// One message from a program to the engine.
struct ProgramMessage {
  enum class Kind { kCommit, kForward, kTable, kHeading, kHide, kLater, kOver, kDone };
  Kind kind = Kind::kHide;
  std::string text;                // kCommit, kHeading
  unsigned int keyval = 0;         // kForward
  unsigned int keycode = 0;        // kForward
  unsigned int state = 0;          // kForward
  std::vector<std::string> words;  // kTable
  int selected = 0;                // kTable: the selected word's index
  unsigned long sequence = 0;      // kDone
  bool withheld = false;           // kDone
  friend bool operator==(const ProgramMessage&, const ProgramMessage&) = default;
};

// Whether the message types into the field (commit, forward), rather than showing or hiding a
// list or answering a key.
inline bool IsOutput(const ProgramMessage& message) {
  return message.kind == ProgramMessage::Kind::kCommit ||
         message.kind == ProgramMessage::Kind::kForward;
}

std::string EncodeText(std::string_view text);
// nullopt for a malformed escape, and for text that is not UTF-8 or holds a NUL.
std::optional<std::string> DecodeText(std::string_view encoded);

std::string KeyLine(const KeyReport& key);
std::optional<KeyReport> ParseKeyLine(std::string_view line);

std::string CommitLine(std::string_view text);
std::string ForwardLine(unsigned int keyval, unsigned int keycode, unsigned int state);
std::string TableLine(const std::vector<std::string>& words, int selected);
std::string HeadingLine(std::string_view text);
std::string HideLine();
std::string LaterLine();
std::string OverLine();
std::string DoneLine(unsigned long sequence, bool withheld);
// nullopt for a line that is no message a program sends.
std::optional<ProgramMessage> ParseProgramLine(std::string_view line);

}  // namespace keyloom
