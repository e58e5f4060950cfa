#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "keyloom/keyloom_window_design.h"
#include "quipcast/quipcast_window_design.h"
#include "shell/app_texts.h"

namespace keyloom {
namespace {

const ControlDesign& Control(const WindowDesign& design, const std::string& id) {
  const auto it = std::find_if(design.controls.begin(), design.controls.end(),
                               [&](const ControlDesign& c) { return c.id == id; });
  if (it == design.controls.end()) throw std::out_of_range(id);
  return *it;
}

bool Overlap(const TwipRect& a, const TwipRect& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

std::vector<WindowDesign> AllDesigns() {
  return {QuipcastWindowDesign(), KeyloomWindowDesign(), KeyloomPopupDesign()};
}

TEST(WindowDesignsTest, ContainersComeFirstAndHoldTheirControls) {
  for (const WindowDesign& design : AllDesigns()) {
    std::map<std::string, TwipRect> frames;
    std::set<std::string> ids;
    for (const ControlDesign& c : design.controls) {
      EXPECT_TRUE(ids.insert(c.id).second) << design.id << " " << c.id << " twice";
      TwipSize bounds = design.client_size;
      if (!c.container.empty()) {
        ASSERT_TRUE(frames.contains(c.container)) << c.id << " before its container";
        bounds = {frames[c.container].width, frames[c.container].height};
      }
      EXPECT_GE(c.rect.left, 0) << c.id;
      EXPECT_GE(c.rect.top, 0) << c.id;
      // The pop-up's list is 15 twips wider than the window, as designed.
      const int slack = design.style == WindowStyle::kPopup ? 15 : 0;
      EXPECT_LE(c.rect.left + c.rect.width, bounds.width + slack) << design.id << " " << c.id;
      EXPECT_LE(c.rect.top + c.rect.height, bounds.height) << design.id << " " << c.id;
      if (c.kind == ControlKind::kFrame) frames[c.id] = c.rect;
    }
  }
}

TEST(WindowDesignsTest, NoControlsOverlapInTheirContainer) {
  // Keyloom's panel keeps its designed rectangles, in which the switch's box touches the
  // first field and its label by one pixel.
  const std::set<std::pair<std::string, std::string>> designed = {{"Check1", "Text4"},
                                                                  {"Check1", "Label4"}};
  for (const WindowDesign& design : AllDesigns()) {
    for (std::size_t i = 0; i < design.controls.size(); ++i) {
      for (std::size_t j = i + 1; j < design.controls.size(); ++j) {
        const ControlDesign& a = design.controls[i];
        const ControlDesign& b = design.controls[j];
        if (a.container != b.container || designed.contains({a.id, b.id})) continue;
        EXPECT_FALSE(Overlap(a.rect, b.rect)) << design.id << ": " << a.id << " and " << b.id;
      }
    }
  }
}

TEST(WindowDesignsTest, TabOrdersAreUniqueAndQuipcastsFollowsTheEditor) {
  for (const WindowDesign& design : AllDesigns()) {
    std::set<int> seen;
    for (const ControlDesign& c : design.controls) {
      if (c.tab_index >= 0) {
        EXPECT_TRUE(seen.insert(c.tab_index).second) << c.id;
      }
    }
  }
  WindowDesign quipcast = QuipcastWindowDesign();
  std::vector<ControlDesign> focusable;
  std::copy_if(quipcast.controls.begin(), quipcast.controls.end(), std::back_inserter(focusable),
               [](const ControlDesign& c) { return c.tab_index >= 0; });
  std::sort(focusable.begin(), focusable.end(), [](const ControlDesign& a, const ControlDesign& b) {
    return a.tab_index < b.tab_index;
  });
  std::vector<std::string> order;
  for (std::size_t i = 0; i < 7; ++i) order.push_back(focusable[i].id);
  EXPECT_EQ(order, (std::vector<std::string>{"Text10", "Text7", "Option1", "Option2", "Check2",
                                             "Command8", "List1"}));
}

struct CaptionCase {
  std::string id;
  std::string caption;
  ControlKind kind;
};

TEST(QuipcastWindowDesignTest, WindowMenusAndControls) {
  const WindowDesign d = QuipcastWindowDesign();
  EXPECT_EQ(d.id, "Form1");
  EXPECT_EQ(d.caption, MainWindowCaption(Program::kQuipcast));
  EXPECT_EQ(d.style, WindowStyle::kMain);
  EXPECT_EQ(d.client_size, (TwipSize{6090, 6645}));
  using enum ControlKind;
  for (const CaptionCase& c :
       std::vector<CaptionCase>{{"Frame2", "Keyloom", kFrame},
                                {"Label8", "Launch Letters         Send String", kLabel},
                                {"Text10", "", kTextBox},
                                {"Text7", "", kMultiLineTextBox},
                                {"Option1", "Space", kOptionButton},
                                {"Option2", "Tab", kOptionButton},
                                {"Check2", "Send Enter", kCheckBox},
                                {"Check8", "Boost", kCheckBox},
                                {"Command8", "Add String", kButton},
                                {"Command3", "Clear All", kButton},
                                {"Command2", "Samples", kButton},
                                {"Command1", "Minimize", kButton},
                                {"Text11", "", kTextBox},
                                {"Frame3", "", kFrame},
                                {"List1", "", kListBox}}) {
    EXPECT_EQ(Control(d, c.id).caption, c.caption) << c.id;
    EXPECT_EQ(Control(d, c.id).kind, c.kind) << c.id;
    EXPECT_EQ(Control(d, c.id).container, c.id == "Frame2" ? "" : "Frame2") << c.id;
  }
  // The applications' options form a group of their own, beside Space and Tab's.
  for (const CaptionCase& c : std::vector<CaptionCase>{{"Option3", "Everywhere", kOptionButton},
                                                       {"Option4", "Only In", kOptionButton},
                                                       {"Option5", "Not In", kOptionButton}}) {
    EXPECT_EQ(Control(d, c.id).caption, c.caption) << c.id;
    EXPECT_EQ(Control(d, c.id).container, "Frame3") << c.id;
    EXPECT_EQ(Control(d, c.id).checked, c.id == "Option3") << c.id;
  }
  EXPECT_TRUE(Control(d, "Option1").checked);
  EXPECT_FALSE(Control(d, "Option2").checked);
  EXPECT_FALSE(Control(d, "Check2").checked);
  EXPECT_FALSE(Control(d, "Check8").checked);
  EXPECT_EQ(Control(d, "Frame2").rect, (TwipRect{120, 0, 5895, 5115}));
  EXPECT_EQ(Control(d, "List1").rect, (TwipRect{240, 1980, 5535, 2985}));
  EXPECT_EQ(Control(d, "Text7").rect, (TwipRect{2160, 480, 3375, 765}));
  EXPECT_EQ(Control(d, "Command1").rect, (TwipRect{4560, 1620, 1215, 255}));
  ASSERT_EQ(d.menus.size(), 3u);
  EXPECT_EQ(d.menus[2].caption, "&Help");
  ASSERT_EQ(d.menus[2].items.size(), 4u);
  EXPECT_EQ(d.menus[2].items[0].id, "LoadSamples");
  EXPECT_EQ(d.menus[2].items[0].caption, "Load Samples");
}

TEST(KeyloomWindowDesignTest, WindowMenusAndControls) {
  const WindowDesign d = KeyloomWindowDesign();
  EXPECT_EQ(d.id, "Form1");
  EXPECT_EQ(d.caption, MainWindowCaption(Program::kKeyloom));
  EXPECT_EQ(d.client_size, (TwipSize{6750, 4890}));
  using enum ControlKind;
  for (const CaptionCase& c : std::vector<CaptionCase>{
           {"Frame2", "Keyloom", kFrame},
           {"Text7", "", kMultiLineTextBox},
           {"Command8", "Add Word", kButton},
           {"List1", "", kListBox},
           {"Frame1", "", kFrame},
           {"Check1", "Enable Keyloom", kCheckBox},
           {"Text4", "15", kTextBox},
           {"Text8", "4", kTextBox},
           {"Text9", "3", kTextBox},
           {"Text2", "5", kTextBox},
           {"Label4", "Max words to display", kLabel},
           {"Label8", "Minum Length word to Add", kLabel},
           {"Label9", "Minum number of letters to entered before display", kLabel},
           {"Label2", "Number of Seconds to Display Word List", kLabel},
           {"Command2", "Clear List", kButton},
           {"Command1", "Minimize", kButton}}) {
    EXPECT_EQ(Control(d, c.id).caption, c.caption) << c.id;
    EXPECT_EQ(Control(d, c.id).kind, c.kind) << c.id;
  }
  EXPECT_TRUE(Control(d, "Frame1").borderless);
  EXPECT_TRUE(Control(d, "Check1").checked);
  EXPECT_EQ(Control(d, "Frame1").container, "Frame2");
  EXPECT_EQ(Control(d, "Command1").container, "Frame1");
  EXPECT_EQ(Control(d, "Frame1").rect, (TwipRect{240, 3000, 4500, 1695}));
  EXPECT_EQ(Control(d, "Command1").rect, (TwipRect{2760, 480, 1335, 375}));
  EXPECT_EQ(Control(d, "Text2").rect, (TwipRect{0, 1320, 375, 285}));
  ASSERT_EQ(d.menus.size(), 3u);
  ASSERT_EQ(d.menus[2].items.size(), 3u);
  EXPECT_EQ(d.menus[2].items[0].id, "About");
  EXPECT_EQ(d.menus[2].items[1].id, "Help2");
  EXPECT_EQ(d.menus[2].items[2].id, "Licences");
}

TEST(KeyloomWindowDesignTest, MenusSharedWithQuipcast) {
  for (const WindowDesign& d : {QuipcastWindowDesign(), KeyloomWindowDesign()}) {
    ASSERT_EQ(d.menus.size(), 3u);
    EXPECT_EQ(d.menus[0].caption, "&File");
    std::vector<std::pair<std::string, std::string>> file;
    for (const MenuItemDesign& item : d.menus[0].items) file.emplace_back(item.id, item.caption);
    EXPECT_EQ(file,
              (std::vector<std::pair<std::string, std::string>>{{"FileImport", "File Import "},
                                                                {"FileSave", "File Save"},
                                                                {"FileSave2", "File Save As"},
                                                                {"Exit", "Exit"}}));
    EXPECT_EQ(d.menus[1].caption, "&Options");
    ASSERT_GE(d.menus[1].items.size(), 1u);
    EXPECT_EQ(d.menus[1].items[0].id, "RunMinimized");
    EXPECT_EQ(d.menus[1].items[0].caption, "Run Minimized");
    // Only leaving password fields alone is on from the start.
    for (const MenuItemDesign& item : d.menus[1].items) {
      EXPECT_EQ(item.checked, item.id == "LeavePasswordFieldsAlone") << item.id;
    }
  }
  for (const WindowDesign& d : {QuipcastWindowDesign(), KeyloomWindowDesign()}) {
    EXPECT_EQ(d.menus[1].items.at(1).id, "Pause");
    EXPECT_EQ(d.menus[1].items.at(1).caption, "Pause");
  }
  EXPECT_EQ(QuipcastWindowDesign().menus[1].items.size(), 8u);
  EXPECT_EQ(QuipcastWindowDesign().menus[1].items.at(4).caption, "Start at Login");
}

TEST(KeyloomPopupDesignTest, BorderlessAtTheCorner) {
  const WindowDesign d = KeyloomPopupDesign();
  EXPECT_EQ(d.id, "Form2");
  EXPECT_EQ(d.style, WindowStyle::kPopup);
  EXPECT_EQ(d.client_size, (TwipSize{3360, 2085}));
  EXPECT_EQ(d.popup_rect, (TwipRect{0, 0, 3360, 2085}));
  ASSERT_EQ(d.controls.size(), 1u);
  EXPECT_EQ(d.controls[0].id, "List1");
  EXPECT_EQ(d.controls[0].kind, ControlKind::kListBox);
  EXPECT_EQ(d.controls[0].rect.left, 0);
  EXPECT_EQ(d.controls[0].rect.top, 0);
  EXPECT_EQ(d.controls[0].rect.width, 3375);
}

}  // namespace
}  // namespace keyloom
