#include "platform/ibus/engine/client_ways.h"

namespace keyloom {

ClientWays WaysOfClient(std::string_view module) {
  ClientWays ways;
  if (module == "gtk4-im") {
    ways.keys_only_type = true;
    ways.applies_in_order = true;
    ways.reorders_queued_keys = true;
  } else if (module.starts_with("gtk")) {
    ways.types_forwarded_text = true;
  } else if (module == "gnome-shell") {
    ways.line_breaks_as_text = true;
  } else if (module == "xim") {
    ways.keys_may_overtake_commits = true;
    ways.line_breaks_as_text = true;
    ways.max_commit_bytes = 256;
  }
  return ways;
}

}  // namespace keyloom
