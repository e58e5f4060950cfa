#include "completion/terminal_applications.h"

#include <algorithm>
#include <array>
#include <string>

#include "platform/text.h"

namespace keyloom {
namespace {

// Lower-cased; X11 window classes and Windows program files of the common terminals.
constexpr std::array<std::string_view, 36> kTerminals = {
    "xterm",
    "uxterm",
    "urxvt",
    "rxvt",
    "kitty",
    "alacritty",
    "gnome-terminal",
    "gnome-terminal-server",
    "org.gnome.console",
    "kgx",
    "org.gnome.ptyxis",
    "konsole",
    "xfce4-terminal",
    "tilix",
    "terminator",
    "st-256color",
    "st",
    "foot",
    "footclient",
    "org.wezfurlong.wezterm",
    "lxterminal",
    "mate-terminal",
    "terminology",
    "guake",
    "yakuake",
    "cmd.exe",
    "powershell.exe",
    "pwsh.exe",
    "windowsterminal.exe",
    "conhost.exe",
    "openconsole.exe",
    "mintty.exe",
    "putty.exe",
    "alacritty.exe",
    "wezterm-gui.exe",
    "kitty.exe",
};

}  // namespace

bool IsTerminalApplication(std::string_view application) {
  const std::string lower = ToLower(application);
  return std::find(kTerminals.begin(), kTerminals.end(), lower) != kTerminals.end();
}

}  // namespace keyloom
