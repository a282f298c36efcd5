// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Vexlo as a running program: the Qt application, the main window shown,
// and the event loop until the last window closes.

#include <functional>

namespace vx::ui {

class Application;

// `started` runs once the main window has been shown, before the event
// loop; the start-up benchmark hooks in there.
int runProgram(int argc, char *argv[], const std::function<void(Application &)> &started = {});

} // namespace vx::ui
