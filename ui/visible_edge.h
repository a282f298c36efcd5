// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A button without a caption shows only the edge the widget style draws,
// and styles draw that edge darker than the window: in a dark palette it
// vanishes into the window. There such a button gets an edge of its own,
// in the palette's button text colour; in a light palette it stays as the
// style draws it.

class QWidget;

namespace vx::ui {

void keepEdgeVisible(QWidget &button);

} // namespace vx::ui
