#include "platform/ibus/engine/engine_hub.h"

#include <glib-unix.h>

#include <algorithm>

#include "platform/ibus/line_channel.h"

namespace keyloom {
namespace {

constexpr guint kCandidatesPerPage = 10;

gboolean OnProgramData(gint socket, GIOCondition /*condition*/, gpointer /*data*/) {
  return EngineHub::Get().ReadProgram(socket) ? G_SOURCE_CONTINUE : G_SOURCE_REMOVE;
}

// What a key types, as UTF-8; empty for keys that type nothing and for chords.
std::string TypedBy(guint keyval, guint state) {
  if ((state & (IBUS_CONTROL_MASK | IBUS_MOD1_MASK)) != 0) return {};
  const gunichar typed = ibus_keyval_to_unicode(keyval);
  if (typed == 0 || g_unichar_iscntrl(typed)) return {};
  gchar utf8[6];
  return std::string(utf8, static_cast<std::size_t>(g_unichar_to_utf8(typed, utf8)));
}

// Whether a key changes the text, and with it moves the cursor: it types, breaks a line or
// deletes.
bool Edits(guint keyval, guint state) {
  if (!TypedBy(keyval, state).empty()) return true;
  if ((state & (IBUS_CONTROL_MASK | IBUS_MOD1_MASK)) != 0) return false;
  return keyval == IBUS_KEY_Return || keyval == IBUS_KEY_KP_Enter || keyval == IBUS_KEY_Tab ||
         keyval == IBUS_KEY_BackSpace || keyval == IBUS_KEY_Delete;
}

// A key that begins a sequence that the client composes: a dead key takes one more key, the
// compose key mostly two.
bool StartsComposing(guint keyval) {
  return keyval == IBUS_KEY_Multi_key ||
         (keyval >= IBUS_KEY_dead_grave && keyval <= IBUS_KEY_dead_longsolidusoverlay);
}

gboolean OnProgramWaiting(gint listener, GIOCondition /*condition*/, gpointer /*data*/) {
  EngineHub::Get().AcceptProgram(listener);
  return G_SOURCE_CONTINUE;
}

}  // namespace

EngineHub& EngineHub::Get() {
  static EngineHub hub;
  return hub;
}

EngineHub::EngineHub()
    : relay_([this](const ProgramMessage& message) { OnMessage(message); }),
      output_(*this, [this](int milliseconds) {
        if (quiet_source_ != 0) g_source_remove(quiet_source_);
        quiet_source_ = 0;
        if (milliseconds == 0) return;
        quiet_source_ = g_timeout_add(
            static_cast<guint>(milliseconds),
            [](gpointer data) {
              auto* hub = static_cast<EngineHub*>(data);
              hub->quiet_source_ = 0;
              hub->output_.QuietTimeOver();
              return G_SOURCE_REMOVE;
            },
            this);
      }) {}

bool EngineHub::Listen(const std::string& socket_path) {
  const int listener = ListenAt(socket_path);
  if (listener < 0) return false;
  g_unix_fd_add(listener, G_IO_IN, OnProgramWaiting, nullptr);
  return true;
}

void EngineHub::AcceptProgram(int listener) {
  const int program = AcceptSameUser(listener);
  if (program < 0 || !relay_.AddProgram(program)) return;
  g_unix_fd_add(program, G_IO_IN, OnProgramData, nullptr);
}

bool EngineHub::ReadProgram(int socket) {
  const bool open = relay_.ReadFrom(socket);
  output_.Flush();
  return open;
}

gboolean EngineHub::ProcessKey(IBusEngine* engine, guint keyval, guint keycode, guint state) {
  focused_ = engine;
  // A key that this engine forwarded comes back from some clients; it was decided already.
  if ((state & IBUS_FORWARD_MASK) != 0) return FALSE;
  if ((state & IBUS_RELEASE_MASK) != 0) return withheld_keycodes_.erase(keycode) > 0;
  if (relay_.program_count() == 0 && !output_.Busy()) return FALSE;
  KeyReport key = FieldReport();
  // Any program of the user may connect: the keys of a password go to none of them, only the
  // news that a key was typed there, which ends a word.
  if (!key.in_password_field) {
    key.keyval = keyval;
    key.keycode = keycode;
    key.state = state & IBUS_MODIFIER_MASK;
  }
  key.application = application_;
  answering_ = true;
  bool withheld = relay_.Report(key);
  answering_ = false;
  // A key that goes on reaches the field before what the programs sent in answer to it (the
  // erasing of a launch counts the key's own character), and after keys still in flight; a
  // key let through now would come last. A key that types goes as a commit when it can.
  const bool edits = Edits(keyval, state);
  // A candidate list shown or hidden meanwhile types nothing: the key may still pass as it is.
  const bool answered_with_output = std::any_of(answers_.begin(), answers_.end(), IsOutput);
  const std::string typed = TypedBy(keyval, state);
  // Where the client may reorder keys that queue while it is busy, the user's text goes as
  // commits, in order, unless it finishes a compose sequence or goes to a password field.
  const bool as_text = ways_.reorders_queued_keys && !typed.empty() && compose_keys_left_ == 0 &&
                       !key.in_password_field;
  if (!withheld && (output_.Busy() || answered_with_output || as_text) &&
      output_.CanSendKey(keyval, state, !typed.empty())) {
    // Behind output that waits, a commit waits too; a client whose forwarded keys only type
    // would drop the key's Shift.
    if ((!output_.Busy() || ways_.keys_only_type) && !typed.empty()) {
      output_.Commit(typed);
    } else {
      output_.Forward(keyval, keycode, state, edits);
    }
    withheld = true;
  } else if (!withheld) {
    output_.KeyPassed(edits);
    if (StartsComposing(keyval)) {
      compose_keys_left_ = keyval == IBUS_KEY_Multi_key ? 2 : 1;
    } else if (!typed.empty() && compose_keys_left_ > 0) {
      --compose_keys_left_;
    }
  }
  std::vector<ProgramMessage> answers = std::move(answers_);
  answers_.clear();
  for (const ProgramMessage& message : answers) OnMessage(message);
  relay_.HandleLinesReadAhead();
  output_.Flush();
  if (withheld) withheld_keycodes_.insert(keycode);
  return withheld;
}

void EngineHub::FocusIn(IBusEngine* engine) {
  focused_ = engine;
  output_.FocusMoved();
}

void EngineHub::FocusOut(IBusEngine* engine) {
  ibus_engine_hide_lookup_table(engine);
  ibus_engine_hide_auxiliary_text(engine);
  output_.FocusLost();
}

void EngineHub::ClientNamed(IBusEngine* engine, const gchar* client) {
  focused_ = engine;
  // "gtk3-im:gedit": the toolkit's module, then the program.
  const std::string name = client != nullptr ? client : "";
  const std::size_t colon = name.rfind(':');
  application_ = colon == std::string::npos ? name : name.substr(colon + 1);
  ways_ = WaysOfClient(colon == std::string::npos ? name : name.substr(0, colon));
}

void EngineHub::CursorMoved(IBusEngine* engine, int x, int y) {
  if (engine == focused_) output_.CursorMoved(x, y);
}

void EngineHub::EngineGone(IBusEngine* engine) {
  if (focused_ == engine) focused_ = nullptr;
}

void EngineHub::OnMessage(const ProgramMessage& message) {
  if (answering_) {
    answers_.push_back(message);
    return;
  }
  switch (message.kind) {
    case ProgramMessage::Kind::kCommit:
      output_.Commit(message.text);
      break;
    case ProgramMessage::Kind::kForward:
      output_.Forward(message.keyval, message.keycode, message.state,
                      Edits(message.keyval, message.state));
      break;
    case ProgramMessage::Kind::kTable:
      ShowTable(message);
      break;
    case ProgramMessage::Kind::kHeading:
      ShowHeading(message.text);
      break;
    case ProgramMessage::Kind::kHide:
      if (focused_ != nullptr) ibus_engine_hide_lookup_table(focused_);
      ShowHeading("");
      break;
    case ProgramMessage::Kind::kLater:
    case ProgramMessage::Kind::kOver:
    case ProgramMessage::Kind::kDone:
      break;
  }
}

void EngineHub::ShowHeading(const std::string& heading) {
  if (focused_ == nullptr) return;
  if (heading.empty()) {
    ibus_engine_hide_auxiliary_text(focused_);
  } else {
    ibus_engine_update_auxiliary_text(focused_, ibus_text_new_from_string(heading.c_str()), TRUE);
  }
}

void EngineHub::ShowTable(const ProgramMessage& message) {
  if (focused_ == nullptr) return;
  // Nothing found: the heading stays, saying so.
  if (message.words.empty()) {
    ibus_engine_hide_lookup_table(focused_);
    return;
  }
  IBusLookupTable* table = ibus_lookup_table_new(kCandidatesPerPage, 0, TRUE, FALSE);
  ibus_lookup_table_set_orientation(table, IBUS_ORIENTATION_VERTICAL);
  for (const std::string& word : message.words) {
    ibus_lookup_table_append_candidate(table, ibus_text_new_from_string(word.c_str()));
  }
  if (message.selected >= 0 && static_cast<std::size_t>(message.selected) < message.words.size()) {
    ibus_lookup_table_set_cursor_pos(table, static_cast<guint>(message.selected));
  }
  ibus_engine_update_lookup_table(focused_, table, TRUE);
}

KeyReport EngineHub::FieldReport() const {
  KeyReport key;
  if (focused_ == nullptr) return key;
  guint purpose = 0, hints = 0;
  ibus_engine_get_content_type(focused_, &purpose, &hints);
  key.in_password_field =
      purpose == IBUS_INPUT_PURPOSE_PASSWORD || purpose == IBUS_INPUT_PURPOSE_PIN;
  key.in_private_field = (hints & IBUS_INPUT_HINT_PRIVATE) != 0;
  key.in_terminal = purpose == IBUS_INPUT_PURPOSE_TERMINAL;
  return key;
}

bool EngineHub::SupportsSurroundingText() const {
  return focused_ != nullptr && (focused_->client_capabilities & IBUS_CAP_SURROUNDING_TEXT) != 0;
}

void EngineHub::Commit(const std::string& text) {
  if (focused_ != nullptr)
    ibus_engine_commit_text(focused_, ibus_text_new_from_string(text.c_str()));
}

void EngineHub::ForwardText(const std::string& text) {
  for (const gchar* c = text.c_str(); *c != '\0'; c = g_utf8_next_char(c)) {
    const gunichar character = g_utf8_get_char(c);
    const guint keyval = character == '\n'   ? IBUS_KEY_Return
                         : character == '\t' ? IBUS_KEY_Tab
                                             : ibus_unicode_to_keyval(character);
    Forward(keyval, 0, 0);
  }
}

void EngineHub::Forward(unsigned int keyval, unsigned int keycode, unsigned int state) {
  if (focused_ == nullptr) return;
  ibus_engine_forward_key_event(focused_, keyval, keycode, state);
  ibus_engine_forward_key_event(focused_, keyval, keycode, state | IBUS_RELEASE_MASK);
}

void EngineHub::DeleteBeforeCursor(int count) {
  if (focused_ != nullptr)
    ibus_engine_delete_surrounding_text(focused_, -count, static_cast<guint>(count));
}

}  // namespace keyloom
