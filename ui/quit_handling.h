// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A request to end the whole program (QApplication::quit(), a session
// manager ending the session, SIGTERM at logout) closes every open window
// as its close box would: each through its unload procedure, once, in the
// order the windows are registered. With no window open the program ends.
// Nothing here waits for anything, so a logout never waits on Vexlo.

#include "forms/registry.h"

#include <QObject>

#include <csignal>
#include <memory>

class QSocketNotifier;

namespace vx::ui {

class QuitHandling : public QObject {
  Q_OBJECT
public:
  explicit QuitHandling(forms::Registry &registry);
  ~QuitHandling() override;
  QuitHandling(const QuitHandling &) = delete;
  QuitHandling &operator=(const QuitHandling &) = delete;
  QuitHandling(QuitHandling &&) = delete;
  QuitHandling &operator=(QuitHandling &&) = delete;

  void closeOpenWindows();

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void watchTermination();
  void terminationRequested();

  forms::Registry &registry_;
  std::unique_ptr<QSocketNotifier> termination_;
  struct sigaction previousAction_ {};
};

} // namespace vx::ui
