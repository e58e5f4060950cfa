#include "completion/keyloom_app.h"

#include <utility>

#include "completion/status_line.h"
#include "completion/word_store_locate.h"
#include "shell/startup.h"

namespace keyloom {
namespace {

ListFileConfig KeyloomListFileConfig(Platform& platform, const Window& window) {
  ListFileConfig config = DefaultListFileConfig(
      Program::kKeyloom, WritableDataFolder(platform.files(), platform.folders()));
  config.min_word_length = [&window] { return ReadMinWordLength(window); };
  return config;
}

}  // namespace

KeyloomApp::KeyloomApp(Shell& shell, Platform& platform, const WindowDesign& main_design,
                       WindowDesign popup_design)
    : platform_(platform),
      window_(shell.CreateWindow(main_design, *this)),
      app_shell_(Program::kKeyloom, *window_, shell, platform,
                 KeyloomListFileConfig(platform, *window_)),
      popup_(shell, platform, std::move(popup_design)),
      settings_(*window_, popup_, app_shell_.list(), shell.dialogs()),
      capture_(*window_, popup_, [this](std::string_view prefix, std::size_t limit) {
        std::vector<std::string> words;
        if (store_) {
          for (std::string_view word : store_->Lookup(prefix, limit)) words.emplace_back(word);
        }
        return words;
      }) {}

void KeyloomApp::Start() {
  RunStartupSteps({
      [this] { app_shell_.AddTrayIcon(); },
      [this] { app_shell_.LoadListAtStart(); },
      [this] { OpenStore(); },
  });
  window_->Show();
  platform_.hook().Start(*this);
}

void KeyloomApp::OnCommand(std::string_view id) {
  if (id == kAddWordId) {
    settings_.AddWord();
  } else if (id == kClearListId) {
    settings_.ClearList();
  } else {
    app_shell_.HandleCommand(id);
  }
}

void KeyloomApp::OnTextChanged(std::string_view id) {
  if (id == kDisplayTimeId) settings_.OnDisplayTimeChanged();
}

void KeyloomApp::OnResized() {
  app_shell_.HandleResize();
  window_->SetRect(kStatusLineId, StatusLineRect(window_->Rect("Frame2"), window_->Rect("Frame1")));
}

void KeyloomApp::OnCloseRequested() { app_shell_.Exit(); }

void KeyloomApp::HandleKey(KeyEvent& event) { capture_.HandleKey(event); }

void KeyloomApp::OpenStore() {
  store_ = OpenWordStore(platform_.folders(), platform_.files());
  if (!store_) window_->SetText(kStatusLineId, kStoreNotOpenedStatus);
}

}  // namespace keyloom
