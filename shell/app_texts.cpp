#include "shell/app_texts.h"

#include <string_view>

#include "platform/file_system.h"
#include "platform/text.h"
#include "shell/maker_info.h"

namespace keyloom {
namespace {

// The tray tip's field holds 63 characters and a terminating zero.
constexpr std::size_t kTrayTipLimit = 63;

std::string ProductName() { return std::string("Keyloom ") + kProductVersion; }

// `text` cut to its first `count` code points.
std::string FirstCodePoints(std::string_view text, std::size_t count) {
  const std::string_view rest = DropCodePoints(text, count);
  return std::string(text.substr(0, text.size() - rest.size()));
}

}  // namespace

std::string MainWindowCaption(Program program) {
  const char* name = program == Program::kQuipcast ? "Keyloom Quipcast " : "Keyloom Word Complete ";
  return name + std::string(kProductVersion) + " - " + kMakerWebName;
}

std::string PausedTrayTip() {
  return FirstCodePoints("Paused - " + ProductName() + " - " + kMakerWebName, kTrayTipLimit);
}

std::string TrayTip() {
  return FirstCodePoints(ProductName() + " - " + kMakerWebName, kTrayTipLimit);
}

std::string AboutText() {
  std::string text;
  for (const std::string& line :
       {ProductName(), std::string(), std::string("Written by: The Keyloom developers"),
        std::string("Email: ") + kMakerEmail, std::string("Web Site: ") + kMakerWebSite}) {
    text += line;
    text += "\r\n";
  }
  return text;
}

std::string AboutTitle() { return ProductName() + " - " + kMakerWebName; }

std::string HelpAddress(const std::string& help_folder) {
  if (*kHelpAddress != '\0') return kHelpAddress;
  return JoinPath(help_folder, "keyloom.htm");
}

}  // namespace keyloom
