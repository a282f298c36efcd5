// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What screen readers call each control: its role in plain English, not
// its cryptic caption or its design name.

#include "forms/form.h"

#include <QString>

class QWidget;

namespace vx::ui {

// The control's role, unique within its window and never empty.
QString accessibleName(const forms::Form &form, const forms::Control &control);

// Whether the control shows a result or a reading: what a calculation
// writes there is worth hearing, unlike headings and the person's entries.
bool showsResult(const forms::Form &form, const forms::Control &control);

// A result as a screen reader says it: the value with what it is
// ("Result 42"), or the value alone when it names itself already
// ("3  Amps" in the amps field, "Result " after a clear); the name alone
// while nothing is shown.
QString spokenResult(const QString &name, const QString &shown);

// Names the widget made for the control, and lets the keyboard reach the
// pictures that react to clicks (those that only show something stay out
// of the Tab chain).
void makeAccessible(QWidget &widget, const forms::Form &form, const forms::Control &control);

} // namespace vx::ui
