#include "platform/x11/layout_characters.h"

#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace keyloom {
namespace {

// The printable keys of a layout as their levels' keysyms, by key name.
using Layout = std::map<std::string, std::vector<unsigned long>>;

Layout UsLayout() {
  const std::string names[] = {"TLDE", "AE01", "AE02", "AE03", "AE04", "AE05", "AE06", "AE07",
                               "AE08", "AE09", "AE10", "AE11", "AE12", "AD01", "AD02", "AD03",
                               "AD04", "AD05", "AD06", "AD07", "AD08", "AD09", "AD10", "AD11",
                               "AD12", "BKSL", "AC01", "AC02", "AC03", "AC04", "AC05", "AC06",
                               "AC07", "AC08", "AC09", "AC10", "AC11", "AB01", "AB02", "AB03",
                               "AB04", "AB05", "AB06", "AB07", "AB08", "AB09", "AB10"};
  const std::string unshifted = R"(`1234567890-=qwertyuiop[]\asdfghjkl;'zxcvbnm,./)";
  const std::string shifted = R"(~!@#$%^&*()_+QWERTYUIOP{}|ASDFGHJKL:"ZXCVBNM<>?)";
  Layout layout;
  for (std::size_t i = 0; i < std::size(names); ++i) {
    layout[names[i]] = {static_cast<unsigned char>(unshifted[i]),
                        static_cast<unsigned char>(shifted[i])};
  }
  return layout;
}

bool IsUs(const Layout& layout) {
  return IsUsGroup([&](std::string_view name, int level) -> unsigned long {
    const auto it = layout.find(std::string(name));
    const auto level_index = static_cast<std::size_t>(level);
    if (it == layout.end() || level_index >= it->second.size()) return 0;  // no keysym
    return it->second[level_index];
  });
}

TEST(LayoutCharactersTest, OnlyTheUsLayoutIsUs) {
  EXPECT_TRUE(IsUs(UsLayout()));
  Layout german = UsLayout();
  german["AD06"] = {XK_z, XK_Z};
  german["AB01"] = {XK_y, XK_Y};
  EXPECT_FALSE(IsUs(german));
  Layout british = UsLayout();
  british["AE02"] = {XK_2, XK_quotedbl};
  EXPECT_FALSE(IsUs(british));
  Layout russian = UsLayout();
  russian["AC01"] = {XK_Cyrillic_ef, XK_Cyrillic_EF};
  EXPECT_FALSE(IsUs(russian));
  Layout polish = UsLayout();
  polish["AC01"] = {XK_a, XK_A, XK_aogonek, XK_Aogonek};
  EXPECT_FALSE(IsUs(polish));
  Layout four_levels = UsLayout();
  four_levels["AC01"] = {XK_a, XK_A, XK_a, XK_A};
  EXPECT_TRUE(IsUs(four_levels));
  Layout missing_key = UsLayout();
  missing_key.erase("BKSL");
  EXPECT_FALSE(IsUs(missing_key));
}

TEST(LayoutCharactersTest, KeysymsGiveTheirCharacters) {
  const std::pair<unsigned long, char32_t> cases[] = {
      {XK_a, U'a'},           {XK_udiaeresis, U'ü'},
      {XK_Cyrillic_ya, U'я'}, {XK_eacute, U'é'},
      {XK_ssharp, U'ß'},      {XK_aogonek, U'ą'},
      {0x10020ac, U'€'},      {XK_dead_acute, 0},
      {XK_Shift_L, 0},        {0, 0},
  };
  for (const auto& [keysym, expected] : cases) {
    EXPECT_EQ(KeysymCharacter(keysym), expected) << std::hex << keysym;
  }
}

}  // namespace
}  // namespace keyloom
