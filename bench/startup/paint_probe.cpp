// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/startup/paint_probe.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

namespace vx::bench {

namespace {

// Ends the event loop without asking the windows to close, which would run
// their own close procedures.
void quitNow() {
  QCoreApplication::exit(0);
}

// Long enough for the windows' own start-up ticks to have run.
constexpr int settleMs = 3000;

long residentKilobytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0;
  long resident = 0;
  statm >> pages >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

double cpuMilliseconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto ms = [](const timeval &t) {
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_usec) / 1000.0;
  };
  return ms(usage.ru_utime) + ms(usage.ru_stime);
}

int idleMilliseconds() {
  return qEnvironmentVariableIntValue("VEXLO_PROBE_IDLE_MS");
}

} // namespace

PaintProbe::PaintProbe(std::function<void()> prepareIdle)
    : QObject(qApp), prepareIdle_(std::move(prepareIdle)) {
  qApp->installEventFilter(this);
  // A blinking caret repaints its field; only the program's own paints count.
  QApplication::setCursorFlashTime(0);
}

bool PaintProbe::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() == QEvent::Paint) {
    ++paints_;
    const auto *widget = qobject_cast<QWidget *>(watched);
    if (!painted_ && widget != nullptr && widget->isWindow()) {
      painted_ = true;
      // Reported once this paint and the rest of its round are done.
      QTimer::singleShot(0, this, &PaintProbe::firstPaintDone);
    }
  }
  return false;
}

void PaintProbe::firstPaintDone() {
  std::printf("painted %ld %.1f\n", residentKilobytes(), cpuMilliseconds());
  std::fflush(stdout);
  if (idleMilliseconds() <= 0) {
    quitNow();
    return;
  }
  if (prepareIdle_) {
    prepareIdle_();
  }
  QTimer::singleShot(settleMs, this, &PaintProbe::idleStarts);
}

void PaintProbe::idleStarts() {
  paintsBeforeIdle_ = paints_;
  cpuBeforeIdleMs_ = cpuMilliseconds();
  QTimer::singleShot(idleMilliseconds(), this, &PaintProbe::idleEnds);
}

void PaintProbe::idleEnds() {
  std::printf("idle %.1f %ld\n", cpuMilliseconds() - cpuBeforeIdleMs_, paints_ - paintsBeforeIdle_);
  std::fflush(stdout);
  quitNow();
}

} // namespace vx::bench
