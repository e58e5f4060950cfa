#include "shell/excluded_applications.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "shell/fake/fake_settings_store.h"

namespace keyloom {
namespace {

using testing::ElementsAre;

struct SameCase {
  const char* a;
  const char* b;
  bool same;
};

class SameApplicationTest : public testing::TestWithParam<SameCase> {};

TEST_P(SameApplicationTest, ComparesWithoutCaseAndWithOrWithoutExe) {
  EXPECT_EQ(SameApplication(GetParam().a, GetParam().b), GetParam().same);
}

INSTANTIATE_TEST_SUITE_P(Cases, SameApplicationTest,
                         testing::Values(SameCase{"XTerm", "xterm", true},
                                         SameCase{"notepad.exe", "NOTEPAD.EXE", true},
                                         SameCase{"notepad", "notepad.exe", true},
                                         SameCase{"notepad.exe", "notepad", true},
                                         SameCase{"note", "notepad.exe", false},
                                         SameCase{".exe", "", false},
                                         SameCase{"gedit", "gedit2", false}));

class ExcludedApplicationsTest : public testing::Test {
 protected:
  FakeSettingsStore settings_;
  ExcludedApplications quipcast_{Program::kQuipcast, settings_};
  ExcludedApplications keyloom_{Program::kKeyloom, settings_};
};

TEST_F(ExcludedApplicationsTest, BothProgramsReadOneListUnlessOneHasItsOwn) {
  ASSERT_TRUE(quipcast_.Save({{"xterm", "notepad.exe"}, false}));
  EXPECT_EQ(settings_.Value("Options", "ExcludedApplications"), "xterm|notepad.exe");
  EXPECT_TRUE(keyloom_.Excludes("XTerm"));
  EXPECT_TRUE(keyloom_.Excludes("notepad.exe"));
  EXPECT_FALSE(keyloom_.Excludes("gedit"));
  EXPECT_FALSE(keyloom_.Excludes(""));

  ASSERT_TRUE(keyloom_.Save({{"Gedit"}, true}));
  EXPECT_TRUE(keyloom_.Excludes("gedit"));
  EXPECT_FALSE(keyloom_.Excludes("XTerm"));
  EXPECT_TRUE(quipcast_.Excludes("XTerm"));
  EXPECT_FALSE(quipcast_.Excludes("gedit"));
  EXPECT_THAT(keyloom_.Load().names, ElementsAre("Gedit"));
  EXPECT_TRUE(keyloom_.Load().own_list);
  EXPECT_FALSE(quipcast_.Load().own_list);
}

TEST_F(ExcludedApplicationsTest, TheOtherProgramsEditAppliesOnceTheApplicationChanges) {
  EXPECT_FALSE(keyloom_.Excludes("gedit"));
  ASSERT_TRUE(quipcast_.Save({{"gedit"}, false}));
  // The store is not read again for every key in one application.
  EXPECT_FALSE(keyloom_.Excludes("gedit"));
  EXPECT_FALSE(keyloom_.Excludes("keyloom"));
  EXPECT_TRUE(keyloom_.Excludes("gedit"));
}

TEST_F(ExcludedApplicationsTest, NamesAreTrimmedAndEmptyOnesDropped) {
  settings_.Set("Options", "ExcludedApplications", " xterm ||  gimp|");
  EXPECT_THAT(quipcast_.Load().names, ElementsAre("xterm", "gimp"));
  ASSERT_TRUE(quipcast_.Save({{"a|b", "  ", "c"}, false}));
  EXPECT_THAT(quipcast_.Load().names, ElementsAre("a", "b", "c"));
}

TEST_F(ExcludedApplicationsTest, ARefusedSaveIsReported) {
  settings_.set_refuse_writes(true);
  EXPECT_FALSE(quipcast_.Save({{"xterm"}, false}));
}

}  // namespace
}  // namespace keyloom
