// The typing that Keyloom saves: a held-out text (bench/texts, or any UTF-8 text given with
// --text FILE --language CODE) typed through KeyloomApp on the fakes, key by key at 200 ms a key
// (60 words a minute, which the pop-up's display time counts against), by a user who watches
// the pop-up and takes a word from it as soon as that costs fewer keys than typing the rest:
//  - with the default completion, Down or Up presses to the word, then Tab;
//  - with Predict Words, one chord for any of the first nine candidates (also before the first
//    letter), Down presses and Tab for the others. The space that a completion adds counts
//    nothing; where the text goes on with something that does not take that space back, the
//    user presses Backspace first.
// Every character of the text is a key without Keyloom (spaces, line ends and punctuation
// included; Shift is not counted); the savings are 1 - keys pressed / keys without Keyloom.
// With Predict Words the time of every key event is measured too: its median and slowest.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bench/bench_fixtures.h"
#include "completion/completion_options.h"
#include "platform/key_char.h"
#include "completion/keyloom_app.h"
#include "completion/predictive_capture.h"
#include "platform/key_event.h"
#include "platform/text.h"

namespace keyloom {
namespace {

constexpr int kKeyIntervalMs = 200;
constexpr std::size_t kPickedWithOneKey = 9;
constexpr int kTimedRuns = 3;

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

// The processor time this thread has used: what a key event costs, without the time the
// machine gave other work meanwhile.
double ThreadNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e9 + static_cast<double>(now.tv_nsec);
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

// How the user takes words from the pop-up.
enum class User { kCompleter, kPredictor };

class SavingsRun {
 public:
  SavingsRun(KeyloomOnFakes& keyloom, Keyboard keyboard, User user)
      : keyloom_(keyloom), keyboard_(keyboard), user_(user) {}

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
      const char32_t next = end < text.size() ? text[end] : 0;
      const std::u32string_view word = text.substr(i, end - i);
      i = end + (user_ == User::kPredictor ? TypePredictedWord(word, next) : TypeWord(word));
    }
  }

  long long keys_pressed() const { return keys_pressed_; }
  // The time each key event took, in nanoseconds.
  std::vector<double>& key_times() { return key_times_; }

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
    keyloom_.ForgetRecordedOutput();
    const double start = ThreadNanoseconds();
    keyloom_.Press(key_code, modifiers, layout_char);
    const double took = ThreadNanoseconds() - start;
    if (user_ == User::kPredictor) {
      key_times_.push_back(took);
    }
  }

  // Where the shown candidates hold `word` with `typed` letters typed: the candidate whose rest
  // is the word's rest exactly (the rest is typed as the candidate spells it).
  std::optional<std::size_t> Offered(std::u32string_view word, std::size_t typed) {
    // The pop-up's window is made when it first shows.
    if (!keyloom_.shell().HasWindow("Form2") || !keyloom_.shell().window("Form2").Visible()) {
      return std::nullopt;
    }
    const std::string lower = Lower(word);
    const std::vector<std::string>& items = keyloom_.shell().window("Form2").ListItems("List1");
    for (std::size_t k = 0; k < items.size(); ++k) {
      const std::u32string candidate = Decode(items[k]);
      if (candidate.size() == word.size() && Lower(candidate) == lower &&
          candidate.substr(typed) == word.substr(typed)) {
        return k;
      }
    }
    return std::nullopt;
  }

  int Selected() { return keyloom_.shell().window("Form2").SelectedListIndex("List1"); }

  // The default completion; returns how many characters after the word it typed (none).
  std::size_t TypeWord(std::u32string_view word) {
    for (std::size_t typed = 0; typed < word.size();) {
      Press(word[typed]);
      ++typed;
      const std::optional<std::size_t> found = Offered(word, typed);
      if (!found) continue;
      const int selected = Selected();
      const int moves = std::abs(static_cast<int>(*found) - selected);
      if (moves + 1 >= static_cast<int>(word.size() - typed)) continue;
      for (int m = 0; m < moves; ++m) {
        PressKey(static_cast<int>(*found) > selected ? kVkDown : kVkUp, 0);
      }
      PressKey(kVkTab, 0);
      return 0;
    }
    return 0;
  }

  // Predict Words; returns how many characters after the word the completion typed: the space
  // it adds, when the text has one there.
  std::size_t TypePredictedWord(std::u32string_view word, char32_t next) {
    const bool space_follows = next == ' ';
    const bool takes_space_back =
        next != 0 && PredictiveCapture::kSpaceTakers.find(next) != std::u32string_view::npos;
    // Keys after a completion for what follows the word: nothing for the space, a Backspace
    // before anything that does not take the added space back.
    const int after = space_follows || takes_space_back ? 0 : 1;
    for (std::size_t typed = 0; typed < word.size(); ++typed) {
      if (const std::optional<std::size_t> found = Offered(word, typed)) {
        const int moves = static_cast<int>(*found) - Selected();
        const bool one_key = *found < kPickedWithOneKey;
        // Tab and Down act on completions only, once a letter is typed.
        if (one_key || typed > 0) {
          const int cost = (one_key ? 1 : moves + 1) + after;
          const int typing = static_cast<int>(word.size() - typed) + (space_follows ? 1 : 0);
          if (cost < typing) {
            if (one_key) {
              PressKey('1' + static_cast<int>(*found), kCtrlMask);
            } else {
              for (int m = 0; m < moves; ++m) PressKey(kVkDown, 0);
              PressKey(kVkTab, 0);
            }
            if (after != 0) PressKey(kVkBackspace, 0);
            return space_follows ? 1 : 0;
          }
        }
      }
      Press(word[typed]);
    }
    return 0;
  }

  KeyloomOnFakes& keyloom_;
  Keyboard keyboard_;
  User user_;
  long long keys_pressed_ = 0;
  std::vector<double> key_times_;
};

// A text typed with some of the Options menu's items on; with `passes` above one the text is
// typed that many times and the last pass is measured (what learning has picked up by then).
struct SavingsCase {
  std::string language;  // "en", or the code of another shipped language
  std::string text_path;
  std::vector<std::string_view> options;
  int passes = 1;
};

bool Predicting(const SavingsCase& c) {
  return std::find(c.options.begin(), c.options.end(), kPredictWordsItem) != c.options.end();
}

std::string StorePath(const std::string& language, std::string_view extension) {
  return language == "en"
             ? std::string(KEYLOOM_STORES_DIR) + "/words" + std::string(extension)
             : std::string(KEYLOOM_STORES_DIR) + "/words-" + language + std::string(extension);
}

double Percentile(std::vector<double>& values, double share) {
  if (values.empty()) return 0;
  const auto at = static_cast<std::size_t>(share * static_cast<double>(values.size() - 1));
  std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(at), values.end());
  return values[at];
}

void BM_KeystrokeSavings(benchmark::State& state, const SavingsCase& c) {
  const std::u32string text = Decode(ReadBenchFile(c.text_path));
  const std::string store = ReadBenchFile(StorePath(c.language, ".mdb"));
  const bool predicting = Predicting(c);
  const std::string model = predicting ? ReadBenchFile(StorePath(c.language, ".model")) : "";
  double savings = 0;
  long long pressed = 0;
  std::vector<double> times;
  for (auto _ : state) {
    // The same keys go the same way in every run, so each key's time is its least over the
    // runs: a pause that the machine took for other work then does not count as the key's.
    const int runs = predicting ? kTimedRuns : 1;
    for (int r = 0; r < runs; ++r) {
      KeyloomOnFakes keyloom(store, c.options, model);
      SavingsRun run(keyloom, c.language == "en" ? Keyboard::kUs : Keyboard::kOwnLayout,
                     predicting ? User::kPredictor : User::kCompleter);
      for (int pass = 1; pass < c.passes; ++pass) run.Type(text);
      const long long before = run.keys_pressed();
      run.key_times().clear();
      run.Type(text);
      pressed = run.keys_pressed() - before;
      savings = 1.0 - static_cast<double>(pressed) / static_cast<double>(text.size());
      if (r == 0) {
        times = std::move(run.key_times());
      } else {
        const std::vector<double>& again = run.key_times();
        for (std::size_t k = 0; k < times.size() && k < again.size(); ++k) {
          times[k] = std::min(times[k], again[k]);
        }
      }
    }
  }
  state.counters["savings_percent"] = savings * 100;
  state.counters["keys_pressed"] = static_cast<double>(pressed);
  state.counters["keys_without"] = static_cast<double>(text.size());
  if (predicting) {
    state.counters["key_median_ns"] = Percentile(times, 0.5);
    state.counters["key_p999_ns"] = Percentile(times, 0.999);
    state.counters["key_slowest_ns"] = Percentile(times, 1.0);
  }
}

void Register(const std::string& name, SavingsCase c) {
  benchmark::RegisterBenchmark(("BM_KeystrokeSavings/" + name).c_str(),
                               [c](benchmark::State& state) { BM_KeystrokeSavings(state, c); })
      ->Iterations(1)
      ->Unit(benchmark::kMillisecond);
}

// Every setting worth a figure for one text: the defaults, Most Likely First, Predict Words,
// and Predict Words with learning in the second pass.
void RegisterText(const std::string& name, const std::string& language, const std::string& path) {
  Register(name, {language, path, {}});
  Register(name + "_most_likely_first", {language, path, {kMostLikelyFirstItem}});
  Register(name + "_predict", {language, path, {kPredictWordsItem}});
  Register(name + "_predict_learned", {language, path, {kPredictWordsItem, kLearnWordsItem}, 2});
}

void RegisterSavingsBenchmarks() {
  for (const char* language : {"en", "de", "es", "fr", "it", "nl", "pl", "pt", "ru", "sv"}) {
    RegisterText(language, language, std::string(KEYLOOM_SAVINGS_TEXTS) + "/" + language + ".txt");
  }
  const std::string english = std::string(KEYLOOM_SAVINGS_TEXTS) + "/en.txt";
  Register("en_most_likely_first_learned",
           {"en", english, {kMostLikelyFirstItem, kLearnWordsItem}, 2});
}

// --text FILE --language CODE: only that text, typed with that language's store and model.
bool TakeTextArguments(int& argc, char** argv) {
  std::string text;
  std::string language = "en";
  int kept = 1;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if ((arg == "--text" || arg == "--language") && i + 1 < argc) {
      (arg == "--text" ? text : language) = argv[++i];
    } else {
      argv[kept++] = argv[i];
    }
  }
  argc = kept;
  if (text.empty()) return false;
  RegisterText("text_" + language, language, text);
  return true;
}

}  // namespace
}  // namespace keyloom

int main(int argc, char** argv) {
  if (!keyloom::TakeTextArguments(argc, argv)) keyloom::RegisterSavingsBenchmarks();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
