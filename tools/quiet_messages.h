// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace vx::drive {

// The offscreen platform's notes about what it cannot do would mix with
// the output a script, a fuzzer or the random events are judged by: from
// here on only critical and fatal messages reach standard error.
void quietToolkitMessages();

} // namespace vx::drive
