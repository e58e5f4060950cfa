#pragma once

#include <memory>
#include <string>

#include "platform/candidate_list.h"
#include "platform/platform.h"

namespace keyloom {

// Whether IBus runs for this session, so that the engine can be reached once the user picks it.
bool InputMethodRunning();

// The Linux keyboard side through the Keyloom input method engine (Wayland sessions, or when
// the user chose it): keys come from the engine and text goes back to it as commits, so the
// clipboard is never used. Program start, clock and files as on X11. Its Qt parts need the
// QGuiApplication, which may be created after it.
class IbusPlatform : public Platform {
 public:
  // nullptr, and why in `error`, when the engine could not be reached safely.
  static std::unique_ptr<IbusPlatform> Create(std::string& error);
  // Where Keyloom's candidates show: the input method's list at the text cursor.
  virtual CandidateList& candidates() = 0;
  // Whether the engine is reached; IBus starts it once the user's input source is Keyloom's.
  virtual bool EngineReached() const = 0;
};

}  // namespace keyloom
