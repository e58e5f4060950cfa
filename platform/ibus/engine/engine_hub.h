#pragma once

#include <ibus.h>

#include <set>
#include <string>
#include <vector>

#include "platform/ibus/engine/output_queue.h"
#include "platform/ibus/engine/program_relay.h"

namespace keyloom {

// What every Keyloom engine shares: IBus makes one engine per input context, but the programs
// connect once, and their output goes to the field that has the focus. Lives for the process.
class EngineHub final : private InputTarget {
 public:
  static EngineHub& Get();

  // Listens for the programs at `socket_path`; false when it cannot.
  bool Listen(const std::string& socket_path);

  gboolean ProcessKey(IBusEngine* engine, guint keyval, guint keycode, guint state);
  void FocusIn(IBusEngine* engine);
  void FocusOut(IBusEngine* engine);
  // The client named itself for the focused context ("gtk3-im:gedit").
  void ClientNamed(IBusEngine* engine, const gchar* client);
  // The client told its cursor place.
  void CursorMoved(IBusEngine* engine, int x, int y);
  void EngineGone(IBusEngine* engine);
  void AcceptProgram(int listener);
  // Handles what a program sent outside a key; false when it went away.
  bool ReadProgram(int socket);

 private:
  EngineHub();

  void OnMessage(const ProgramMessage& message);
  void ShowTable(const ProgramMessage& message);
  // The line above the table; empty hides it.
  void ShowHeading(const std::string& heading);
  // The kind of the focused field, as its client tells it.
  KeyReport FieldReport() const;

  bool SupportsSurroundingText() const override;
  void Commit(const std::string& text) override;
  void Forward(unsigned int keyval, unsigned int keycode, unsigned int state) override;
  void ForwardText(const std::string& text) override;
  ClientWays ways() const override { return ways_; }
  void DeleteBeforeCursor(int count) override;

  ProgramRelay relay_;
  OutputQueue output_;
  guint quiet_source_ = 0;  // the output queue's quiet timer
  IBusEngine* focused_ = nullptr;
  std::string application_;
  ClientWays ways_;  // of the focused client
  // Keys still to pass as they are for a compose sequence that the client completes (a dead
  // key's letter), where they would go as text otherwise.
  int compose_keys_left_ = 0;
  std::set<guint> withheld_keycodes_;    // their releases are withheld too
  bool answering_ = false;               // the programs are deciding a key
  std::vector<ProgramMessage> answers_;  // what they sent meanwhile
};

}  // namespace keyloom
