#include "phrases/application_scope.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace keyloom {
namespace {

using Kind = ApplicationScope::Kind;

struct SplitCase {
  std::string send_string;
  ApplicationScope scope;
  std::string rest;
};

TEST(ApplicationScopeTest, SplitReadsOnlyAMacroAtTheFrontThatNamesSomething) {
  for (const SplitCase& c : std::vector<SplitCase>{
           {"Hello", {}, "Hello"},
           {"%(only=gedit)%Hi", {Kind::kOnly, {"gedit"}}, "Hi"},
           {"%(ONLY= gedit | gnome-terminal-server )%  Hi",
            {Kind::kOnly, {"gedit", "gnome-terminal-server"}},
            "Hi"},
           {"%(except=xterm)%%(date)%", {Kind::kExcept, {"xterm"}}, "%(date)%"},
           // Elsewhere, unfinished or naming nothing, it is an unknown macro like any other.
           {"Hi %(only=gedit)%", {}, "Hi %(only=gedit)%"},
           {"%(only=gedit", {}, "%(only=gedit"},
           {"%(only= | )%Hi", {}, "%(only= | )%Hi"},
           {"%(onlyx=gedit)%Hi", {}, "%(onlyx=gedit)%Hi"},
       }) {
    const ScopedSendString split = SplitScope(c.send_string);
    EXPECT_EQ(split.scope, c.scope) << c.send_string;
    EXPECT_EQ(split.rest, c.rest) << c.send_string;
  }
}

TEST(ApplicationScopeTest, WithScopeReadsBackAsItWasWritten) {
  for (const ApplicationScope& scope : std::vector<ApplicationScope>{
           {}, {Kind::kOnly, {"gedit", "firefox"}}, {Kind::kExcept, {"xterm"}}}) {
    const std::string send_string = WithScope(scope, "a %(date)% b");
    EXPECT_EQ(SplitScope(send_string).scope, scope) << send_string;
    EXPECT_EQ(SplitScope(send_string).rest, "a %(date)% b") << send_string;
  }
  EXPECT_EQ(WithScope({Kind::kOnly, {}}, "x"), "x");
}

TEST(ApplicationScopeTest, FitRanksTheMostSpecificHighest) {
  const ApplicationScope only{Kind::kOnly, {"gedit", "Notepad"}};
  const ApplicationScope except{Kind::kExcept, {"xterm"}};
  EXPECT_EQ(ScopeFit(only, "GEDIT"), kNamedFit);
  EXPECT_EQ(ScopeFit(only, "notepad.exe"), kNamedFit);
  EXPECT_EQ(ScopeFit(only, "xterm"), kNoFit);
  EXPECT_EQ(ScopeFit(only, ""), kNoFit);
  EXPECT_EQ(ScopeFit(except, "xterm"), kNoFit);
  EXPECT_EQ(ScopeFit(except, "gedit"), kLeftOthersOutFit);
  EXPECT_EQ(ScopeFit({}, "xterm"), kEverywhereFit);
}

TEST(ApplicationScopeTest, SameScopeIgnoresCaseAndOrder) {
  EXPECT_TRUE(SameScope({Kind::kOnly, {"a", "B"}}, {Kind::kOnly, {"b.exe", "A"}}));
  EXPECT_FALSE(SameScope({Kind::kOnly, {"a"}}, {Kind::kExcept, {"a"}}));
  EXPECT_FALSE(SameScope({Kind::kOnly, {"a"}}, {Kind::kOnly, {"a", "b"}}));
  EXPECT_EQ(ScopeNamesFromText(ScopeNamesText({"a", "b c"})),
            (std::vector<std::string>{"a", "b c"}));
  EXPECT_EQ(ScopeNamesFromText(" a|b,, "), (std::vector<std::string>{"a", "b"}));
}

}  // namespace
}  // namespace keyloom
