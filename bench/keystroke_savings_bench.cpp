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

bool IsLetter(char32_t c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

std::u32string Decode(std::string_view text) {
  std::u32string decoded;
  std::size_t pos = 0;
  while (pos < text.size()) decoded.push_back(NextCodePoint(text, pos));
  return decoded;
}

std::string Lower(std::u32string_view word) {
  std::string lower;
  for (const char32_t c : word) AppendUtf8(lower, c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
  return lower;
}

class SavingsRun {
 public:
  explicit SavingsRun(KeyloomOnFakes& keyloom) : keyloom_(keyloom) {}

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
  void Press(char32_t c) {
    if (const std::optional<Key> key = KeyFor(c)) {
      PressKey(key->key_code, key->modifiers);
    } else {
      PressKey(0, 0);  // a key that adds nothing to a word
    }
  }

  void PressKey(int key_code, int modifiers) {
    ++keys_pressed_;
    keyloom_.shell().Advance(kKeyIntervalMs);
    keyloom_.Press(key_code, modifiers);
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
  long long keys_pressed_ = 0;
};

// A text typed with some of the Options menu's items on; with `passes` above one the text is
// typed that many times and the last pass is measured (what learning has picked up by then).
struct SavingsCase {
  const char* text_path;
  std::vector<std::string_view> options;
  int passes = 1;
};

void BM_KeystrokeSavings(benchmark::State& state, const SavingsCase& c) {
  const std::u32string text = Decode(ReadBenchFile(c.text_path));
  const std::string store = ReadBenchFile(KEYLOOM_WORDS_MDB);
  double savings = 0;
  long long pressed = 0;
  for (auto _ : state) {
    KeyloomOnFakes keyloom(store, c.options);
    SavingsRun run(keyloom);
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
const SavingsCase kEnglishDefaults{KEYLOOM_SAVINGS_TEXT_EN, {}};
const SavingsCase kEnglishMostLikelyFirst{KEYLOOM_SAVINGS_TEXT_EN, {kMostLikelyFirstItem}};
const SavingsCase kEnglishLearningSecondPass{
    KEYLOOM_SAVINGS_TEXT_EN, {kMostLikelyFirstItem, kLearnWordsItem}, 2};

BENCHMARK_CAPTURE(BM_KeystrokeSavings, en, kEnglishDefaults)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_KeystrokeSavings, en_most_likely_first, kEnglishMostLikelyFirst)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_KeystrokeSavings, en_most_likely_first_learned, kEnglishLearningSecondPass)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace keyloom

BENCHMARK_MAIN();
