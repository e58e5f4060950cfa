#include "platform/key_string.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/key_event.h"
#include "platform/key_names.h"
#include "platform/text.h"

namespace keyloom {
namespace {

// The string is read in two passes: first into tokens, each brace read on its own; then
// parentheses are matched and modifiers applied. Whatever cannot be read becomes a literal
// token, and modifiers in front of one are typed literally too, so "+{BOGUS}" types itself.
struct Token {
  enum class Kind { kModifier, kOpen, kClose, kUnit, kLiteral };
  Kind kind = Kind::kUnit;
  char32_t character = 0;  // kModifier, kOpen, kClose, kLiteral: the character written
  int modifier = 0;        // kModifier
  KeyActions actions;      // kUnit: without the modifiers in front of it
  std::size_t match = 0;   // kOpen: the index of its kClose
};

KeyAction CharacterAction(char32_t c) {
  if (c == '\r' || c == '\n') return KeyAction::Named(NamedKey::kEnter);
  if (c == '\t') return KeyAction::Named(NamedKey::kTab);
  return KeyAction::Character(c);
}

std::optional<int> ParseRepeat(std::string_view digits) {
  if (digits.empty()) return std::nullopt;
  int count = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    count = count * 10 + (c - '0');
    if (count > kMaxKeyRepeat) count = kMaxKeyRepeat;
  }
  return count;
}

// "NAME", "NAME n", "c" or "c n" between braces.
std::optional<KeyActions> ParseBraceContent(std::string_view content) {
  std::string_view name = content;
  int repeat = 1;
  if (const std::size_t space = content.rfind(' '); space != std::string_view::npos && space > 0) {
    if (const auto count = ParseRepeat(content.substr(space + 1))) {
      name = content.substr(0, space);
      repeat = *count;
    }
  }
  std::optional<KeyAction> action;
  if (const auto key = FindNamedKey(name)) {
    action = KeyAction::Named(*key);
  } else if (!name.empty() && CodePointCount(name) == 1) {
    std::size_t pos = 0;
    action = CharacterAction(NextCodePoint(name, pos));
  }
  if (!action) return std::nullopt;
  return KeyActions(static_cast<std::size_t>(repeat), *action);
}

// Reads the brace at `pos`; on success advances `pos` behind it.
std::optional<KeyActions> ReadBrace(std::string_view text, std::size_t& pos) {
  // "{}}" names the closing brace itself, so its closing brace is searched after it.
  const std::size_t search_from =
      (pos + 1 < text.size() && text[pos + 1] == '}') ? pos + 2 : pos + 1;
  const std::size_t close = text.find('}', search_from);
  if (close == std::string_view::npos) return std::nullopt;
  auto actions = ParseBraceContent(text.substr(pos + 1, close - pos - 1));
  if (actions) pos = close + 1;
  return actions;
}

Token Literal(char32_t c) { return {Token::Kind::kLiteral, c, 0, {}, 0}; }

std::vector<Token> Tokenize(std::string_view text) {
  std::vector<Token> tokens;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const char c = text[pos];
    Token token;
    token.character = static_cast<unsigned char>(c);
    if (c == '+' || c == '^' || c == '%') {
      token.kind = Token::Kind::kModifier;
      token.modifier = c == '+' ? kShiftMask : (c == '^' ? kCtrlMask : kAltMask);
      ++pos;
    } else if (c == '(' || c == ')') {
      token.kind = c == '(' ? Token::Kind::kOpen : Token::Kind::kClose;
      ++pos;
    } else if (c == '{') {
      if (auto actions = ReadBrace(text, pos)) {
        token.actions = std::move(*actions);
      } else {
        token = Literal('{');
        ++pos;
      }
    } else if (c == '~') {
      token.actions = {KeyAction::Named(NamedKey::kEnter)};
      ++pos;
    } else if (c == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') {
      token.actions = {KeyAction::Named(NamedKey::kEnter)};
      pos += 2;
    } else {
      token.actions = {CharacterAction(NextCodePoint(text, pos))};
    }
    tokens.push_back(std::move(token));
  }
  return tokens;
}

// Pairs every "(" with its ")"; the unpaired ones become literal.
void MatchParentheses(std::vector<Token>& tokens) {
  std::vector<std::size_t> open;
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    if (tokens[i].kind == Token::Kind::kOpen) {
      open.push_back(i);
    } else if (tokens[i].kind == Token::Kind::kClose) {
      if (open.empty()) {
        tokens[i] = Literal(')');
      } else {
        tokens[open.back()].match = i;
        open.pop_back();
      }
    }
  }
  for (const std::size_t i : open) tokens[i] = Literal('(');
}

// Groups are entered with a stack of their own rather than by recursion, so that no depth of
// nesting in a send string can exhaust the call stack.
void Emit(const std::vector<Token>& tokens, KeyActions& out) {
  struct Group {
    std::size_t end;  // the index of the group's ")", or the end of the tokens
    int held;
  };
  std::vector<Group> outer;
  Group group{tokens.size(), 0};
  std::size_t i = 0;
  for (;;) {
    if (i >= group.end) {
      if (outer.empty()) return;
      i = group.end + 1;
      group = outer.back();
      outer.pop_back();
      continue;
    }
    int modifiers = group.held;
    std::size_t next = i;
    while (next < group.end && tokens[next].kind == Token::Kind::kModifier) {
      modifiers |= tokens[next].modifier;
      ++next;
    }
    if (next == group.end || tokens[next].kind == Token::Kind::kLiteral) {
      // Nothing readable for these modifiers to act on: they are text.
      for (std::size_t m = i; m < next; ++m) {
        out.push_back(KeyAction::Character(tokens[m].character, group.held));
      }
      if (next < group.end) out.push_back(KeyAction::Character(tokens[next].character, group.held));
      i = next + 1;
    } else if (tokens[next].kind == Token::Kind::kOpen) {
      outer.push_back(group);
      group = {tokens[next].match, modifiers};
      i = next + 1;
    } else {
      for (KeyAction action : tokens[next].actions) {
        action.modifiers |= modifiers;
        out.push_back(action);
      }
      i = next + 1;
    }
  }
}

}  // namespace

KeyActions ParseKeyString(std::string_view key_string) {
  std::vector<Token> tokens = Tokenize(key_string);
  MatchParentheses(tokens);
  KeyActions actions;
  Emit(tokens, actions);
  return actions;
}

}  // namespace keyloom
