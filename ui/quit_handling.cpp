// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/quit_handling.h"

#include <QApplication>
#include <QEvent>
#include <QSocketNotifier>

#if QT_CONFIG(sessionmanager)
#include <QSessionManager>
#endif

#include <sys/socket.h>
#include <unistd.h>

#include <array>

namespace vx::ui {

namespace {

// The signal handler may only write to a descriptor; the event loop reads
// the other end. One pair for the process, like the signal itself.
std::array<int, 2> terminationPipe{-1, -1};

void onTerminationSignal(int /*signal*/) {
  const char byte = 1;
  [[maybe_unused]] const auto written = ::write(terminationPipe[0], &byte, 1);
}

} // namespace

QuitHandling::QuitHandling(forms::Registry &registry) : registry_(registry) {
  qApp->installEventFilter(this);
#if QT_CONFIG(sessionmanager)
  // The session ends: the windows close now, without asking the person
  // anything and without holding the logout up.
  connect(qApp, &QGuiApplication::commitDataRequest, this,
          [this](QSessionManager & /*manager*/) { closeOpenWindows(); });
#endif
  watchTermination();
}

QuitHandling::~QuitHandling() {
  qApp->removeEventFilter(this);
  if (termination_) {
    ::sigaction(SIGTERM, &previousAction_, nullptr);
    termination_.reset();
    ::close(terminationPipe[0]);
    ::close(terminationPipe[1]);
    terminationPipe = {-1, -1};
  }
}

void QuitHandling::closeOpenWindows() {
  for (const std::string &name : registry_.names()) {
    if (registry_.isOpen(name)) {
      registry_.close(name);
    }
  }
}

bool QuitHandling::eventFilter(QObject *watched, QEvent *event) {
  // Qt ends the event loop after this only when no window is left shown;
  // the windows' own close events would each turn into one window's
  // unload procedure and leave the others open.
  if (watched == qApp && event->type() == QEvent::Quit) {
    closeOpenWindows();
  }
  return false;
}

void QuitHandling::watchTermination() {
  if (terminationPipe[0] != -1 ||
      ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, terminationPipe.data()) != 0) {
    return;
  }
  termination_ = std::make_unique<QSocketNotifier>(terminationPipe[1], QSocketNotifier::Read);
  connect(termination_.get(), &QSocketNotifier::activated, this,
          &QuitHandling::terminationRequested);
  struct sigaction action {};
  action.sa_handler = onTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  ::sigaction(SIGTERM, &action, &previousAction_);
}

void QuitHandling::terminationRequested() {
  char byte = 0;
  [[maybe_unused]] const auto read = ::read(terminationPipe[1], &byte, 1);
  QApplication::quit();
}

} // namespace vx::ui
