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

using LayoutFunction = void (*)(FormView &);
LayoutFunction layoutFor(std::string_view formName);

} // namespace vx::ui
