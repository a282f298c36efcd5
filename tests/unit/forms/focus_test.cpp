// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms_fixture.h"

namespace vx::test {
namespace {

struct Opening {
  const char *what;
  std::vector<std::string> hidden;
  std::vector<std::string> tabOrder; // empty: the declaration order
  const char *focused;               // "-": none
};

// A window that names no first control gives the focus, when it is first
// activated, to the first control in its keyboard order that can take it:
// a visible text box, button or check box.
TEST(Focus, AWindowWithoutAFirstControlFocusesTheFirstVisibleOneThatTakesIt) {
  const std::vector<Opening> openings{
      {"declaration order", {}, {}, "Text1"},
      {"hidden text boxes skipped", {"Text1", "Text2"}, {}, "Command1"},
      {"hidden button skipped", {"Text1", "Text2", "Command1"}, {}, "Check1"},
      {"nothing visible takes it", {"Text1", "Text2", "Command1", "Check1"}, {}, "-"},
      {"labels, timers and images never", {}, {"Label1", "Timer1", "Image1", "Check1"}, "Check1"},
      {"only what the order names", {}, {"Label1", "Image1"}, "-"},
      {"the order, not the declaration", {}, {"Command1", "Text1"}, "Command1"},
  };
  for (const Opening &o : openings) {
    Program program;
    Panel &panel = program.panel("first");
    std::vector<forms::Control *> order;
    for (const std::string &name : o.tabOrder) {
      order.push_back(panel.control(name));
    }
    panel.setTabOrder(order);
    program.registry.show("first");
    for (const std::string &name : o.hidden) {
      auto *control = panel.control(name);
      if (control->kind() == forms::ControlKind::TextBox) {
        static_cast<forms::TextBox *>(control)->setVisible(false);
      } else if (control->kind() == forms::ControlKind::Button) {
        static_cast<forms::Button *>(control)->setVisible(false);
      } else {
        static_cast<forms::CheckBox *>(control)->setVisible(false);
      }
    }
    panel.activated();
    const forms::Control *active = panel.activeControl();
    EXPECT_EQ(active == nullptr ? "-" : active->name(), o.focused) << o.what;
  }
}

TEST_F(FormsTest, ActivationRunsActivateEveryTimeButPlacesTheFocusOnlyOnce) {
  Panel &p = first();
  p.setFirstFocus(&p.Check1);
  p.activated();
  EXPECT_EQ(p.activeControl(), &p.Check1);
  p.Command1.setFocus();
  p.activated();
  EXPECT_EQ(p.activeControl(), &p.Command1);
  EXPECT_EQ(program.take(), (Journal{"Activate", "focus Check1", "focus Command1",
                                     "Command1_GotFocus", "Activate"}));
}

// The binding hears of the move first; then LostFocus of the control that
// had it, then GotFocus of the one that gets it. Focusing the focused
// control again runs nothing.
TEST_F(FormsTest, FocusMovesRunLostFocusBeforeGotFocus) {
  Panel &p = first();
  p.Text1.setFocus();
  p.Command1.setFocus();
  p.Command1.setFocus();
  p.Check1.setFocus();
  p.Text1.setFocus();
  EXPECT_EQ(program.take(), (Journal{"focus Text1", "Text1_GotFocus", "focus Command1",
                                     "Text1_LostFocus", "Command1_GotFocus", "focus Check1",
                                     "Command1_LostFocus", "focus Text1", "Text1_GotFocus"}));
}

// The window's key procedure sees the key first and may change or swallow
// it; a text box that has the focus then sees what is left.
TEST_F(FormsTest, TheWindowsKeyProcedureSeesEveryKeyBeforeTheTextBox) {
  Panel &p = first();
  EXPECT_FALSE(p.keyPreview());
  std::vector<int> seen;
  p.Text1.onKeyDown = [&](int &code, int /*shift*/) { seen.push_back(code); };
  int key = 65;
  p.keyDown(&p.Text1, key, 0);
  p.onKeyDown = [&](int &code, int shift) {
    seen.push_back(-code);
    code = shift == 0 ? 0 : code + 1;
  };
  EXPECT_TRUE(p.keyPreview());
  for (const int shift : {0, 1}) {
    key = 13;
    p.keyDown(&p.Text1, key, shift);
  }
  key = 8;
  p.keyDown(&p.Command1, key, 1);
  p.keyDown(nullptr, key, 1);
  EXPECT_EQ(seen, (std::vector<int>{65, -13, 0, -13, 14, -8, -9}));
  EXPECT_EQ(key, 10);
}

} // namespace
} // namespace vx::test
