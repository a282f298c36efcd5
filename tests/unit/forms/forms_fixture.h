// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Two small windows with a control of every kind, every event procedure
// and every message to the toolkit binding written down in the order they
// came, so that the tests can say what a change set off and in what order.

#include "forms/form.h"
#include "forms/registry.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace vx::test {

using Journal = std::vector<std::string>;

class Panel : public forms::Form {
public:
  Panel(forms::Registry &registry, const std::string &name, Journal &journal)
      : Form(registry, name, name), journal_(journal) {
    note(onLoad, "Load");
    note(onUnload, "Unload");
    note(onActivate, "Activate");
    note(Text1.onChange, "Text1_Change");
    note(Text1.onClick, "Text1_Click");
    note(Text1.onGotFocus, "Text1_GotFocus");
    note(Text1.onLostFocus, "Text1_LostFocus");
    note(Command1.onClick, "Command1_Click");
    note(Command1.onGotFocus, "Command1_GotFocus");
    note(Command1.onLostFocus, "Command1_LostFocus");
    note(Check1.onClick, "Check1_Click");
    note(Timer1.onTimer, "Timer1_Timer");
    note(Image1.onClick, "Image1_Click");
  }

  forms::Label Label1{*this, "Label1", {.caption = "Volts", .toolTip = "volts"}};
  forms::TextBox Text1{*this, "Text1", {.text = "12", .toolTip = "enter"}};
  forms::TextBox Text2{*this,
                       "Text2",
                       {.text = "0",
                        .toolTip = "",
                        .visible = true,
                        .centred = true,
                        .maxLength = 1,
                        .locked = true}};
  forms::Button Command1{*this, "Command1", {.caption = "Go", .toolTip = "go"}};
  forms::CheckBox Check1{*this, "Check1", {.caption = "16 Bit"}};
  forms::Timer Timer1{*this, "Timer1", {.interval = 600, .enabled = true}};
  forms::Image Image1{*this, "Image1", {.picture = "led0"}};
  forms::Var count{*this, "count"};

private:
  void note(std::function<void()> &procedure, std::string name) {
    procedure = [this, name = std::move(name)] { journal_.push_back(name); };
  }
  Journal &journal_;
};

// Stands for the toolkit binding: writes down what it is told.
class Binding : public forms::Platform, public forms::FormObserver {
public:
  explicit Binding(Journal &journal) : journal_(journal) {}
  void windowShown(forms::Form &form) override { journal_.push_back("shown " + form.name()); }
  void windowClosed(forms::Form &form) override { journal_.push_back("closed " + form.name()); }
  void processEvents() override { journal_.push_back("events"); }
  void programEnded() override { journal_.push_back("ended"); }
  void controlChanged(forms::Control &control) override {
    journal_.push_back("changed " + control.name());
  }
  void focusChanged(forms::Control *control) override {
    journal_.push_back("focus " + (control == nullptr ? std::string("-") : control->name()));
  }

private:
  Journal &journal_;
};

// The windows "first" and "second", neither made yet.
struct Program {
  Program() {
    registry.setPlatform(&binding);
    for (const char *name : {"first", "second"}) {
      registry.add(name, [this, name](forms::Registry &r) {
        auto panel = std::make_unique<Panel>(r, name, journal);
        panel->setObserver(&binding);
        return panel;
      });
    }
  }
  Program(const Program &) = delete;
  Program &operator=(const Program &) = delete;
  Program(Program &&) = delete;
  Program &operator=(Program &&) = delete;
  ~Program() = default;

  Panel &panel(const char *name) { return static_cast<Panel &>(registry.instance(name)); }
  // What was written down since the last call.
  Journal take() { return std::exchange(journal, {}); }

  Journal journal;
  Binding binding{journal};
  forms::Registry registry;
};

// "first" open, with what its opening wrote down already taken.
class FormsTest : public ::testing::Test {
protected:
  FormsTest() {
    program.registry.show("first");
    (void)program.take();
  }
  Panel &first() { return program.panel("first"); }

  Program program;
};

} // namespace vx::test
