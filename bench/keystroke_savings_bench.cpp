// The typing that Keyloom saves: a held-out text (bench/texts) typed through KeyloomApp on the
// fakes, key by key at 200 ms a key (60 words a minute, which the pop-up's display time counts
// against), by a user who watches the pop-up. While typing a word, the user takes the
// word from the pop-up (Down or Up presses to it, then Tab) as soon as that costs fewer keys than
// typing the word's remaining letters. Every character of the text is a key without Keyloom
// (spaces, line ends and punctuation included; Shift is not counted); the savings are
// 1 - keys pressed / keys without Keyloom.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bench/bench_fixtures.h"
#include "completion/completion_options.h"
#include "platform/key_event.h"
#include "completion/key_char.h"
#include "platform/text.h"

namespace keyloom {
namespace {

constexpr int kKeyIntervalMs = 200;

struct Key {
  int key_code;
  int modifiers;
};

// The US-layout key of a character; nullopt for characters typed otherwise (they still count
// as one key each, and add nothing to a word).
std::optional<Key> KeyFor(char32_t c) {
  if (c >= 'a' && c <= 'z') return Key{static_cast<int>('A' + (c - 'a')), 0};
  if (c >= 'A' && c <= 'Z') return Key{static_cast<int>(c), kShiftMask};
  if (c >= '0' && c <= '9') return Key{static_cast<int>(c), 0};
  switch (c) {
    case ' ':
      return Key{kVkSpace, 0};
    case '\n':
      return Key{kVkEnter, 0};
    case '.':
      return Key{190, 0};
    case ',':
      return Key{188, 0};
    case ';':
      return Key{186, 0};
    case ':':
      return Key{186, kShiftMask};
    case '\'':
      return Key{222, 0};
    case '"':
      return Key{222, kShiftMask};
    case '-':
      return Key{189, 0};
    case '/':
      return Key{191, 0};
    case '?':
      return Key{191, kShiftMask};
    case '(':
      return Key{'9', kShiftMask};
    case ')':
      return Key{'0', kShiftMask};
    case '!':
      return Key{'1', kShiftMask};
    default:
      return std::nullopt;
  }
}


std::u32string Decode(std::string_view text) {
  std::u32string decoded;
  std::size_t pos = 0;
  while (pos < text.size()) decoded.push_back(NextCodePoint(text, pos));
  return decoded;
}

std::string Lower(std::u32string_view word) {
  std::string utf8;
  for (const char32_t c : word) AppendUtf8(utf8, c);
  return ToLower(utf8);
}

// How the user's keyboard types letters: the US layout, whose letter keys Keyloom reads by
// their codes, or the layout of another language, whose letters it reads as the layout types
// them.
enum class Keyboard { kUs, kOwnLayout };

class SavingsRun {
 public:
  SavingsRun(KeyloomOnFakes& keyloom, Keyboard keyboard) : keyloom_(keyloom), keyboard_(keyboard) {}

  void Type(std::u32string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
      if (!IsLetter(text[i])) {
        Press(text[i]);
        ++i;
        continue;
      }
      // A word: letters, and apostrophes between letters ("don't").
      std::size_t end = i;
      while (end < text.size() &&
             (IsLetter(text[end]) ||
              (text[end] == '\'' && end + 1 < text.size() && IsLetter(text[end + 1])))) {
        ++end;
      }
      TypeWord(text.substr(i, end - i));
      i = end;
    }
  }

  long long keys_pressed() const { return keys_pressed_; }

 private:
  bool IsLetter(char32_t c) const {
    if (keyboard_ == Keyboard::kOwnLayout) return IsWordLetter(c);
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
  }

  void Press(char32_t c) {
    if (keyboard_ == Keyboard::kOwnLayout && IsWordLetter(c)) {
      PressKey(0, 0, c);
    } else if (const std::optional<Key> key = KeyFor(c)) {
      PressKey(key->key_code, key->modifiers);
    } else {
      PressKey(0, 0);  // a key that adds nothing to a word
    }
  }

  void PressKey(int key_code, int modifiers, char32_t layout_char = 0) {
    ++keys_pressed_;
    keyloom_.shell().Advance(kKeyIntervalMs);
    keyloom_.Press(key_code, modifiers, layout_char);
  }

  void TypeWord(std::u32string_view word) {
    const std::string lower = Lower(word);
    for (std::size_t typed = 0; typed < word.size();) {
      Press(word[typed]);
      ++typed;
      // The pop-up's window is made when it first shows.
      if (!keyloom_.shell().HasWindow("Form2")) continue;
      FakeWindow& popup = keyloom_.shell().window("Form2");
      if (!popup.Visible()) continue;
      // A candidate completes the word when its rest is the word's rest exactly (the rest is
      // pasted as the store spells it).
      const std::vector<std::string>& items = popup.ListItems("List1");
      int found = -1;
      for (std::size_t k = 0; k < items.size(); ++k) {
        const std::u32string candidate = Decode(items[k]);
        if (candidate.size() == word.size() && Lower(candidate) == lower &&
            candidate.substr(typed) == word.substr(typed)) {
          found = static_cast<int>(k);
          break;
        }
      }
      if (found < 0) continue;
      const int selected = popup.SelectedListIndex("List1");
      const int moves = std::abs(found - selected);
      if (moves + 1 >= static_cast<int>(word.size() - typed)) continue;
      for (int m = 0; m < moves; ++m) PressKey(found > selected ? kVkDown : kVkUp, 0);
      PressKey(kVkTab, 0);
      return;
    }
  }

  KeyloomOnFakes& keyloom_;
  Keyboard keyboard_;
  long long keys_pressed_ = 0;
};

// A text typed with some of the Options menu's items on; with `passes` above one the text is
// typed that many times and the last pass is measured (what learning has picked up by then).
struct SavingsCase {
  std::string language;  // "en", or the code of another shipped language
  std::vector<std::string_view> options;
  int passes = 1;
};

void BM_KeystrokeSavings(benchmark::State& state, const SavingsCase& c) {
  const bool english = c.language == "en";
  const std::u32string text =
      Decode(ReadBenchFile(std::string(KEYLOOM_SAVINGS_TEXTS) + "/" + c.language + ".txt"));
  const std::string store =
      ReadBenchFile(english ? std::string(KEYLOOM_WORDS_MDB)
                            : std::string(KEYLOOM_STORES_DIR) + "/words-" + c.language + ".mdb");
  double savings = 0;
  long long pressed = 0;
  for (auto _ : state) {
    KeyloomOnFakes keyloom(store, c.options);
    SavingsRun run(keyloom, english ? Keyboard::kUs : Keyboard::kOwnLayout);
    for (int pass = 1; pass < c.passes; ++pass) run.Type(text);
    const long long before = run.keys_pressed();
    run.Type(text);
    pressed = run.keys_pressed() - before;
    savings = 1.0 - static_cast<double>(pressed) / static_cast<double>(text.size());
  }
  state.counters["savings_percent"] = savings * 100;
  state.counters["keys_pressed"] = static_cast<double>(pressed);
  state.counters["keys_without"] = static_cast<double>(text.size());
}
// Every language with the defaults and with Most Likely First; English also with learning.
void RegisterSavingsBenchmarks() {
  const auto add = [](const std::string& name, SavingsCase c) {
    benchmark::RegisterBenchmark(("BM_KeystrokeSavings/" + name).c_str(),
                                 [c](benchmark::State& state) { BM_KeystrokeSavings(state, c); })
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
  };
  for (const char* language : {"en", "de", "es", "fr", "it", "nl", "pl", "pt", "ru", "sv"}) {
    add(language, {language, {}});
    add(std::string(language) + "_most_likely_first", {language, {kMostLikelyFirstItem}});
  }
  add("en_most_likely_first_learned", {"en", {kMostLikelyFirstItem, kLearnWordsItem}, 2});
}

}  // namespace
}  // namespace keyloom

int main(int argc, char** argv) {
  keyloom::RegisterSavingsBenchmarks();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
