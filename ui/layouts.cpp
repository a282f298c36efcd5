// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/layouts.h"

namespace vx::ui {

LayoutFunction layoutFor(std::string_view formName) {
  if (formName == "vexlo") {
    return layoutVexlo;
  }
  if (formName == "wavo6") {
    return layoutWavo6;
  }
  if (formName == "ct6") {
    return layoutCt6;
  }
  if (formName == "port66") {
    return layoutPort66;
  }
  if (formName == "port6") {
    return layoutPort6;
  }
  return nullptr;
}

} // namespace vx::ui
