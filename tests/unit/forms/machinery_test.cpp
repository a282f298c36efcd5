// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules every window relies on and no window shows directly: a change
// raises its event, nested and at once, and redraws the control only when
// the property really changes; the caret stays within the text; a focus
// move loses before it gains.

#include "forms/form.h"
#include "forms/registry.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace vx::test {
namespace {

using Journal = std::vector<std::string>;

// A window with a control of each kind that writes down its event
// procedures and, standing for the toolkit binding, every redraw and
// focus move it is told of.
class Panel : public forms::Form, public forms::FormObserver {
public:
  explicit Panel(forms::Registry &registry) : Form(registry, "panel", "Panel") {
    setObserver(this);
    setFirstFocus(&Text1);
    onActivate = note("Activate");
    Text1.onChange = note("Text1_Change");
    Text1.onGotFocus = note("Text1_GotFocus");
    Text1.onLostFocus = note("Text1_LostFocus");
    Command1.onGotFocus = note("Command1_GotFocus");
    Command1.onLostFocus = note("Command1_LostFocus");
    Check1.onClick = note("Check1_Click");
    Timer1.onTimer = note("Timer1_Timer");
  }

  void controlChanged(forms::Control &control) override {
    journal.push_back("redraw " + control.name());
  }
  void focusChanged(forms::Control *control) override {
    journal.push_back("focus " + control->name());
  }

  forms::TextBox Text1{*this, "Text1", {.text = "12", .toolTip = "enter"}};
  forms::Label Label1{*this, "Label1", {.caption = "Volts", .toolTip = ""}};
  forms::Button Command1{*this, "Command1", {.caption = "Go", .toolTip = ""}};
  forms::CheckBox Check1{*this, "Check1", {}};
  forms::Timer Timer1{*this, "Timer1", {.interval = 600, .enabled = false}};
  forms::Image Image1{*this, "Image1", {.picture = "led0"}};
  Journal journal;

private:
  std::function<void()> note(const char *entry) {
    return [this, entry] { journal.emplace_back(entry); };
  }
};

TEST(Controls, RaiseEventsAndRedrawOnlyWhenAPropertyReallyChanges) {
  const std::pair<std::function<void(Panel &)>, Journal> changes[] = {
      {[](Panel &p) { p.Text1.setText("12"); }, {}},
      {[](Panel &p) { p.Text1.setText("7"); }, {"redraw Text1", "Text1_Change"}},
      {[](Panel &p) { p.Text1.userEdited("12", 2); }, {}},
      {[](Panel &p) { p.Text1.userEdited("123", 3); }, {"Text1_Change"}},
      {[](Panel &p) { p.Text1.setSelStart(0); }, {}},
      {[](Panel &p) { p.Text1.setSelStart(1); }, {"redraw Text1"}},
      {[](Panel &p) { p.Label1.setCaption("Volts"); }, {}},
      {[](Panel &p) { p.Label1.setCaption("Amps"); }, {"redraw Label1"}},
      {[](Panel &p) { p.Label1.setToolTip("volts"); }, {"redraw Label1"}},
      {[](Panel &p) { p.Command1.setCaption("Stop"); }, {"redraw Command1"}},
      {[](Panel &p) { p.Check1.setValue(0); }, {}},
      {[](Panel &p) { p.Check1.setValue(1); }, {"redraw Check1", "Check1_Click"}},
      {[](Panel &p) { p.Check1.userClicked(); }, {"redraw Check1", "Check1_Click"}},
      {[](Panel &p) { p.Timer1.setInterval(600); }, {"redraw Timer1"}}, // restarts the countdown
      {[](Panel &p) { p.Timer1.expire(); }, {}},
      {[](Panel &p) { p.Timer1.setEnabled(true); }, {"redraw Timer1"}},
      {[](Panel &p) { p.Image1.setPicture("led7"); }, {"redraw Image1"}},
      {[](Panel &p) {
         p.Text1.onChange = [&p] { p.Check1.setValue(1); };
         p.Text1.setText("7");
       },
       {"redraw Text1", "redraw Check1", "Check1_Click"}}};
  for (std::size_t row = 0; row < std::size(changes); ++row) {
    forms::Registry registry;
    Panel panel(registry);
    changes[row].first(panel);
    EXPECT_EQ(panel.journal, changes[row].second) << "row " << row;
  }
}

TEST(Controls, TheCaretCountsCharactersAndStaysWithinTheText) {
  forms::Registry registry;
  Panel panel(registry);
  forms::TextBox &box = panel.Text1;
  box.userEdited("h\xc3\xa9llo", 9);
  EXPECT_EQ(box.selStart(), 5);
  box.setSelStart(2);
  EXPECT_EQ(box.selStart(), 2);
  box.setSelStart(9);
  EXPECT_EQ(box.selStart(), 5);
  box.setSelStart(-1);
  EXPECT_EQ(box.selStart(), 0);
  box.userMovedCaret(7);
  EXPECT_EQ(box.selStart(), 5);
  box.setText("abc");
  EXPECT_EQ(box.selStart(), 0) << "a procedure's text puts the caret at the start";
}

TEST(Focus, MovesLoseBeforeTheyGainAndActivationFocusesTheFirstControlOnce) {
  forms::Registry registry;
  Panel p(registry);
  p.activated();
  p.Command1.setFocus();
  p.Command1.setFocus();
  p.activated();
  p.Text1.setFocus();
  EXPECT_EQ(p.journal, (Journal{"Activate", "focus Text1", "Text1_GotFocus", "focus Command1",
                                "Text1_LostFocus", "Command1_GotFocus", "Activate", "focus Text1",
                                "Command1_LostFocus", "Text1_GotFocus"}));
}

} // namespace
} // namespace vx::test
