// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Runs a vexlo-drive script against the real application: the same window
// models, Qt widgets, key mapping and timers as vexlo.

#include "tools/script.h"
#include "ui/application.h"

#include <iosfwd>
#include <string>

class QWidget;

namespace vx::drive {

class Driver {
public:
  explicit Driver(std::ostream &out);
  // Runs every line; true when none was refused.
  bool run(std::istream &script);

private:
  // The refusal reason, or "" when the command ran.
  std::string execute(const Command &command);
  std::string read(const Command &command);
  std::string interact(const Command &command);
  std::string typeText(const Command &command);
  std::string pressKey(const Command &command);
  // Runs the events the last command caused, deferred deletions included:
  // a widget of a window that closed meanwhile is gone afterwards, so
  // widgets are looked up by name again after each settle.
  void settle();
  // The window's widget that takes its keys now, or its named control's
  // widget; nullptr once the window has closed.
  QWidget *keyboardTargetOf(const std::string &window);
  QWidget *widgetOf(const Target &target);

  std::ostream &out_;
  ui::Application app_;
};

} // namespace vx::drive
