#pragma once

#include <memory>

#include "platform/candidate_list.h"
#include "shell/shell.h"

namespace keyloom {

// A shell whose pop-up windows are shown as a candidate list at the text cursor (an input
// method's) instead of as windows of their own: the pop-up's list box becomes the candidates,
// its selection the highlighted one. Every other window, timer and service is the inner
// shell's.
class CandidateListShell final : public Shell {
 public:
  CandidateListShell(std::unique_ptr<Shell> inner, CandidateList& candidates);

  std::unique_ptr<Window> CreateWindow(const WindowDesign& design, WindowEvents& events) override;
  std::unique_ptr<Timer> CreateTimer(std::function<void()> on_tick) override {
    return inner_->CreateTimer(std::move(on_tick));
  }
  std::unique_ptr<TrayIcon> CreateTrayIcon(TrayEvents& events) override {
    return inner_->CreateTrayIcon(events);
  }
  Dialogs& dialogs() override { return inner_->dialogs(); }
  SettingsStore& settings() override { return inner_->settings(); }
  PageOpener& pages() override { return inner_->pages(); }
  LoginStart& login_start() override { return inner_->login_start(); }
  int Run() override { return inner_->Run(); }
  void Quit(int exit_code) override { inner_->Quit(exit_code); }

 private:
  std::unique_ptr<Shell> inner_;
  CandidateList& candidates_;
};

}  // namespace keyloom
