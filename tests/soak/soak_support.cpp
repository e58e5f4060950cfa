#include "tests/soak/soak_support.h"

#include <algorithm>
#include <cstdlib>

#include "platform/text.h"

namespace keyloom {

std::size_t SoakEventCount() {
  if (const char* text = std::getenv("KEYLOOM_SOAK_EVENTS")) {
    return static_cast<std::size_t>(std::strtoull(text, nullptr, 10));
  }
  return KEYLOOM_SOAK_DEFAULT_EVENTS;
}

int KeyCodeOf(char c) {
  if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
  return c;
}

std::string CheckSortedList(const std::vector<std::string>& items,
                            const std::vector<std::string>& shown) {
  if (items != shown) return "the list box does not show the working list";
  const auto unsorted = std::is_sorted_until(items.begin(), items.end(), LessNoCase);
  if (unsorted != items.end()) return "the list is out of order at \"" + *unsorted + "\"";
  return "";
}

std::string FileWatch::Check(const std::string& path, const std::string& expected) const {
  const int replaces = files_.replace_count() - replaces_before_;
  if (replaces == 0) {
    return files_.files() == before_ ? "" : "a file changed without a save";
  }
  if (replaces > 1) return "one command saved more than once";
  if (files_.File(path) != expected) return "the saved file " + path + " is not the whole list";
  std::map<std::string, std::string> others = files_.files();
  others.erase(path);
  std::map<std::string, std::string> others_before = before_;
  others_before.erase(path);
  return others == others_before ? "" : "a save changed another file";
}

void DisturbShell(std::size_t which, SoakRandom& random, FakeShell& shell, FakeWindow& window,
                  FakeFileSystem& files) {
  switch (which) {
    case 0:
      window.Click("Command1");
      shell.tray().Mouse(TrayMouse::kLeftDown);
      break;
    case 1:
      window.Resize({static_cast<int>(random.Below(12000)), static_cast<int>(random.Below(9000))});
      break;
    case 2: {
      const std::size_t step = random.Below(6);
      files.FailReplaceAt(step < 4 ? std::optional(static_cast<ReplaceStep>(step)) : std::nullopt);
      break;
    }
    default:
      shell.settings().set_refuse_writes(random.Percent(30));
      break;
  }
}

}  // namespace keyloom
