// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "ui/form_view.h"

namespace vx::ui {

// One layout per window: arranges the widgets of its controls with Qt
// layouts, sets fonts and the opening size.
void layoutVexlo(FormView &view);
void layoutWavo6(FormView &view);
void layoutCt6(FormView &view);
void layoutPort66(FormView &view);
void layoutPort6(FormView &view);

// Pieces the layouts share.
// A one-character box (a pin) as wide as it is high, just big enough for it.
void shapeSquare(QWidget *box);
void centreLabel(QWidget *label);
// A field of a solver window in the fixed-pitch font, wide enough for its
// longest result, a full-length number with a unit word such as
// "0.333333333333333 uFarad".
void shapeResultField(QWidget *field);

using LayoutFunction = void (*)(FormView &);
LayoutFunction layoutFor(std::string_view formName);

} // namespace vx::ui
