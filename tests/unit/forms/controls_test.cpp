// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms_fixture.h"

#include <functional>

namespace vx::test {
namespace {

struct Change {
  const char *what;
  std::function<void(Panel &)> change;
  Journal told; // the binding's messages and the procedures, in order
};

// A procedure that writes what a property already holds must neither
// redraw the control nor run its events: the windows rely on it to end
// their chains of Change procedures.
TEST(Controls, TellTheBindingAndRunEventsOnlyWhenAPropertyReallyChanges) {
  const std::vector<Change> changes{
      {"same text", [](Panel &p) { p.Text1.setText("12"); }, {}},
      {"new text", [](Panel &p) { p.Text1.setText("7"); }, {"changed Text1", "Text1_Change"}},
      {"same tooltip", [](Panel &p) { p.Text1.setToolTip("enter"); }, {}},
      {"new tooltip", [](Panel &p) { p.Text1.setToolTip(""); }, {"changed Text1"}},
      {"text box shown", [](Panel &p) { p.Text1.setVisible(true); }, {}},
      {"text box hidden", [](Panel &p) { p.Text1.setVisible(false); }, {"changed Text1"}},
      {"caret where it is", [](Panel &p) { p.Text1.setSelStart(0); }, {}},
      {"caret moved", [](Panel &p) { p.Text1.setSelStart(1); }, {"changed Text1"}},
      {"caret before the start", [](Panel &p) { p.Text1.setSelStart(-5); }, {}},
      {"same caption", [](Panel &p) { p.Label1.setCaption("Volts"); }, {}},
      {"new caption", [](Panel &p) { p.Label1.setCaption("Amps"); }, {"changed Label1"}},
      {"same label tooltip", [](Panel &p) { p.Label1.setToolTip("volts"); }, {}},
      {"new label tooltip", [](Panel &p) { p.Label1.setToolTip("amps"); }, {"changed Label1"}},
      {"label hidden", [](Panel &p) { p.Label1.setVisible(false); }, {"changed Label1"}},
      {"label shown", [](Panel &p) { p.Label1.setVisible(true); }, {}},
      {"same button caption", [](Panel &p) { p.Command1.setCaption("Go"); }, {}},
      {"new button caption", [](Panel &p) { p.Command1.setCaption("Stop"); }, {"changed Command1"}},
      {"same button tooltip", [](Panel &p) { p.Command1.setToolTip("go"); }, {}},
      {"new button tooltip", [](Panel &p) { p.Command1.setToolTip(""); }, {"changed Command1"}},
      {"button hidden", [](Panel &p) { p.Command1.setVisible(false); }, {"changed Command1"}},
      {"button shown", [](Panel &p) { p.Command1.setVisible(true); }, {}},
      {"box left unticked", [](Panel &p) { p.Check1.setValue(0); }, {}},
      {"box ticked", [](Panel &p) { p.Check1.setValue(1); }, {"changed Check1", "Check1_Click"}},
      {"box hidden", [](Panel &p) { p.Check1.setVisible(false); }, {"changed Check1"}},
      {"box shown", [](Panel &p) { p.Check1.setVisible(true); }, {}},
      {"timer left on", [](Panel &p) { p.Timer1.setEnabled(true); }, {}},
      {"timer off", [](Panel &p) { p.Timer1.setEnabled(false); }, {"changed Timer1"}},
      {"same interval", [](Panel &p) { p.Timer1.setInterval(600); }, {"changed Timer1"}},
      {"same picture", [](Panel &p) { p.Image1.setPicture("led0"); }, {}},
      {"new picture", [](Panel &p) { p.Image1.setPicture("led7"); }, {"changed Image1"}},
      {"image hidden", [](Panel &p) { p.Image1.setVisible(false); }, {"changed Image1"}},
      {"image shown", [](Panel &p) { p.Image1.setVisible(true); }, {}},
  };
  for (const Change &c : changes) {
    Program program;
    program.registry.show("first");
    (void)program.take();
    c.change(program.panel("first"));
    EXPECT_EQ(program.take(), c.told) << c.what;
  }
}

// Giving a timer an interval starts its countdown anew even when the
// interval stays, as switching it on or off does; expiry runs the
// procedure only while it is on.
TEST_F(FormsTest, TimersRestartOnEveryIntervalAndSwitchAndExpireOnlyWhenOn) {
  forms::Timer &timer = first().Timer1;
  const auto restarts = timer.restarts();
  timer.setInterval(600);
  timer.setEnabled(true);
  EXPECT_EQ(timer.restarts(), restarts + 1);
  timer.expire();
  timer.setEnabled(false);
  timer.expire();
  EXPECT_EQ(timer.restarts(), restarts + 2);
  EXPECT_EQ(program.take(), (Journal{"changed Timer1", "Timer1_Timer", "changed Timer1"}));
}

// The person's edits: a locked box keeps its text (the binding is told so
// that it can put it back), the caret counts characters and stays within
// the text, and Change runs only when the text differs.
TEST_F(FormsTest, ThePersonsEditsKeepLockedBoxesAndTheCaretWithinTheText) {
  Panel &p = first();
  p.Text2.userEdited("1", 1);
  EXPECT_EQ(p.Text2.text(), "0");
  EXPECT_EQ(p.Text2.selStart(), 0);
  EXPECT_EQ(program.take(), (Journal{"changed Text2"}));

  struct Edit {
    std::string text;
    int caret;
    int kept;
    Journal told;
  };
  const std::vector<Edit> edits{{"12", 1, 1, {}},
                                {"\xc3\xa9\xe2\x82\xac", 9, 2, {"Text1_Change"}},
                                {"\xc3\xa9\xe2\x82\xac", -3, 0, {}},
                                {"", 4, 0, {"Text1_Change"}}};
  for (const Edit &e : edits) {
    p.Text1.userEdited(e.text, e.caret);
    EXPECT_EQ(p.Text1.text(), e.text);
    EXPECT_EQ(p.Text1.selStart(), e.kept) << e.text;
    EXPECT_EQ(program.take(), e.told) << e.text;
  }
  p.Text1.setText("abc");
  for (const auto &[caret, kept] : std::vector<std::pair<int, int>>{{2, 2}, {7, 3}, {-1, 0}}) {
    p.Text1.userMovedCaret(caret);
    EXPECT_EQ(p.Text1.selStart(), kept) << caret;
  }
  p.Text1.setSelStart(2);
  p.Text1.setText("abd");
  EXPECT_EQ(p.Text1.selStart(), 0) << "a procedure's text puts the caret at the start";
}

TEST_F(FormsTest, ClicksRunTheirProceduresAndACheckBoxFlipsFirst) {
  Panel &p = first();
  p.Check1.onClick = [&] {
    program.journal.push_back("Check1 " + std::to_string(p.Check1.value()));
  };
  p.Text1.userClicked();
  p.Command1.userClicked();
  p.Image1.userClicked();
  p.Check1.userClicked();
  p.Check1.userClicked();
  EXPECT_EQ(program.take(), (Journal{"Text1_Click", "Command1_Click", "Image1_Click",
                                     "changed Check1", "Check1 1", "changed Check1", "Check1 0"}));
}

// Opening a window again brings every control back to its design without
// running a single Change or Click, clears the focus, and runs Load.
TEST_F(FormsTest, OpeningAgainBringsTheDesignBackWithoutEvents) {
  Panel &p = first();
  p.Text1.setText("99");
  p.Text1.setToolTip("");
  p.Text1.setVisible(false);
  p.Label1.setCaption("x");
  p.Command1.setCaption("y");
  p.Check1.setValue(1);
  p.Timer1.setEnabled(false);
  p.Timer1.setInterval(5);
  p.Image1.setPicture("ledp");
  p.Command1.setFocus();
  program.registry.show("second");
  program.registry.close("first");
  (void)program.take();

  program.registry.show("first");
  EXPECT_EQ(program.take(),
            (Journal{"changed Label1", "changed Text1", "changed Text2", "changed Command1",
                     "changed Check1", "changed Timer1", "changed Image1", "Load", "shown first"}));
  EXPECT_EQ(p.activeControl(), nullptr);
  EXPECT_EQ(p.Text1.text(), "12");
  EXPECT_EQ(p.Text1.toolTip(), "enter");
  EXPECT_TRUE(p.Text1.visible());
  EXPECT_EQ(p.Label1.caption(), "Volts");
  EXPECT_EQ(p.Command1.caption(), "Go");
  EXPECT_EQ(p.Check1.value(), 0);
  EXPECT_TRUE(p.Timer1.enabled());
  EXPECT_EQ(p.Timer1.interval(), 600);
  EXPECT_EQ(p.Image1.picture(), "led0");
}

TEST_F(FormsTest, ControlsAndVariablesAreFoundByTheirExactNames) {
  Panel &p = first();
  EXPECT_EQ(p.control("Text1"), &p.Text1);
  EXPECT_EQ(p.control("Image1"), &p.Image1);
  EXPECT_EQ(p.control("text1"), nullptr);
  EXPECT_EQ(p.control(""), nullptr);
  EXPECT_EQ(p.variable("count"), &p.count);
  EXPECT_EQ(p.variable("Count"), nullptr);
  EXPECT_EQ(p.variable("Text1"), nullptr) << "controls are no variables";
}

} // namespace
} // namespace vx::test
