#pragma once

#include <cstddef>
#include <string_view>

namespace keyloom {

// How a client applies what the engine sends. Each toolkit's way of speaking to IBus differs
// (measured; see docs/ARCHITECTURE.md).
struct ClientWays {
  // A forwarded key becomes an event of its keysym (GTK 3), so text may go as keys.
  bool types_forwarded_text = false;
  // Line breaks inside output go as text; one that ends the output is pressed (GNOME Shell;
  // XIM, where each key after a commit waits for it to land).
  bool line_breaks_as_text = false;
  // A forwarded key reaches the application only as the character that its key types without
  // any modifier (GTK 4 commits it, and drops Enter, Tab and Backspace): line breaks and tabs
  // always go as text, deletions as deletions.
  bool keys_only_type = false;
  // The client applies a key that goes on, and each forwarded key, before what the engine
  // sends next (it waits for the engine's answer to each key): nothing is ever in flight.
  bool applies_in_order = false;
  // The client may handle a key that arrives while it waits for the engine's answer to the one
  // before first (GTK 4 waits in a main loop of its own): the keys that the user types go as
  // text, which it applies in order.
  bool reorders_queued_keys = false;
  // A key sent just after a commit may reach the application first (Xlib puts each message of
  // an XIM server back at the head of the event queue, so two read together swap): keys wait
  // until the commit has landed.
  bool keys_may_overtake_commits = false;
  // The longest commit that arrives whole (XIM clients read a commit into a buffer of their
  // own); 0 for no limit.
  std::size_t max_commit_bytes = 0;
};

// The ways of a client by the module it reaches IBus through: "gtk3-im", "gtk4-im",
// "QIBusInputContext" (Qt 5 and 6), "xim" (ibus-x11), "gnome-shell".
ClientWays WaysOfClient(std::string_view module);

}  // namespace keyloom
