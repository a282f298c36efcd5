// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace vx::drive {

// For the programs that drive the windows without a person: the driver,
// the random events and the window fuzzer. Called before the application
// is made, it picks Qt's offscreen platform unless QT_QPA_PLATFORM names
// one, and lets only critical and fatal messages reach standard error, so
// the platform's notes about what it cannot do never mix with the output
// a script, a fuzzer or the random events are judged by.
void prepareHeadlessToolkit();

} // namespace vx::drive
