// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/application.h"

#include "capcharge/ct6.h"
#include "leddriver/port6.h"
#include "main/vexlo.h"
#include "ohms/wavo6.h"
#include "portstate/port66.h"
#include "ui/form_view.h"

#include <memory>

namespace vx::ui {

namespace {
template <typename Window> forms::Registry::Factory factory() {
  return [](forms::Registry &registry) { return std::make_unique<Window>(registry); };
}
} // namespace

Application::Application() : binder_(registry_) {
  useDesktopFont();
  // Each window object is made only when it is first shown or read.
  registry_.add("port6", factory<port6>());
  registry_.add("vexlo", factory<vexlo>());
  registry_.add("wavo6", factory<wavo6>());
  registry_.add("port66", factory<port66>());
  registry_.add("ct6", factory<ct6>());
}

void Application::start() {
  registry_.show(startWindow);
}

} // namespace vx::ui
