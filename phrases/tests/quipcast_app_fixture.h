#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "phrases/quipcast_app.h"
#include "platform/fake/fake_platform.h"
#include "platform/file_system.h"
#include "quipcast/quipcast_window_design.h"
#include "shell/fake/fake_shell.h"
#include "shell/list_file.h"

namespace keyloom {

// Quipcast on the fakes. Tests arrange the settings and files first, then call Start.
class QuipcastAppFixture : public testing::Test {
 protected:
  // Joined as the program joins it: with "\\" on Windows.
  inline static const std::string kDefaultListFile = JoinPath("/app", "defaultkeys.kyl");

  void Create() {
    if (!app_) app_ = std::make_unique<QuipcastApp>(shell_, platform_, QuipcastWindowDesign());
  }
  void Start() {
    Create();
    app_->Start();
  }

  FakeWindow& window() { return shell_.window("Form1"); }
  const std::vector<std::string>& Entries() { return window().ListItems("List1"); }

  // A phrase list file holding `items`.
  void SetListFile(const std::string& path, const std::vector<std::string>& items) {
    platform_.files().SetFile(path, EncodeListFile(ListLayout::kPhrases, items, Windows1252()));
  }
  // The items of the phrase list file at `path`; nullopt when there is no file.
  std::optional<std::vector<std::string>> SavedEntries(const std::string& path) {
    const std::optional<std::string> bytes = platform_.files().File(path);
    if (!bytes) return std::nullopt;
    return ParsePhraseItems(DecodeListFileText(*bytes, Windows1252()));
  }

  FakeShell shell_;
  FakePlatform platform_;
  std::unique_ptr<QuipcastApp> app_;
};

}  // namespace keyloom
