// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up and idle cost of Vexlo against the floor of a minimal Qt Widgets
// program, both measured in one invocation:
//   - time from process start to the first paint of the main window, and
//     resident memory and CPU time then (median of --runs starts of each,
//     alternating); the CPU time varies less with the machine's other load;
//   - CPU time and paints over --idle seconds with the Ohm's law and
//     capacitor windows open and ticking (both programs side by side).
//
//   startup_bench [--runs N] [--idle SECONDS]

#include "cli/command_line.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Running {
  pid_t pid = -1;
  int out = -1;
  std::string buffered;
};

std::filesystem::path besideThisProgram(const char *name) {
  return std::filesystem::read_symlink("/proc/self/exe").parent_path() / name;
}

std::optional<Running> start(const std::filesystem::path &program,
                             const std::vector<std::string> &extraEnvironment) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) {
    return std::nullopt;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
  // The toolkit's notes about the platform would drown the figures.
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  std::vector<std::string> environment(extraEnvironment);
  for (char **e = environ; *e != nullptr; ++e) {
    environment.emplace_back(*e);
  }
  std::vector<char *> envp;
  envp.reserve(environment.size() + 1);
  for (std::string &entry : environment) {
    envp.push_back(entry.data());
  }
  envp.push_back(nullptr);
  std::string path = program.string();
  char *argv[] = {path.data(), nullptr};
  Running running;
  const int failed = posix_spawn(&running.pid, path.c_str(), &actions, nullptr, argv, envp.data());
  posix_spawn_file_actions_destroy(&actions);
  close(pipeEnds[1]);
  if (failed != 0) {
    close(pipeEnds[0]);
    return std::nullopt;
  }
  running.out = pipeEnds[0];
  return running;
}

// The next line the program prints, or nothing if it ends or stays silent.
std::optional<std::string> nextLine(Running &running, int timeoutMs) {
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  while (true) {
    if (const auto end = running.buffered.find('\n'); end != std::string::npos) {
      std::string line = running.buffered.substr(0, end);
      running.buffered.erase(0, end + 1);
      return line;
    }
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    pollfd wait{running.out, POLLIN, 0};
    if (left <= 0 || poll(&wait, 1, static_cast<int>(left)) <= 0) {
      return std::nullopt;
    }
    char chunk[256];
    const ssize_t got = read(running.out, chunk, sizeof chunk);
    if (got <= 0) {
      return std::nullopt;
    }
    running.buffered.append(chunk, static_cast<std::size_t>(got));
  }
}

// A program that did not report is stopped, so that the benchmark never
// waits on one that hangs (a display that never shows its window).
void finish(Running &running, bool reported) {
  close(running.out);
  if (!reported) {
    kill(running.pid, SIGKILL);
  }
  int status = 0;
  waitpid(running.pid, &status, 0);
}

struct StartUp {
  double ms;
  double residentMb;
  double cpuMs;
};

std::optional<StartUp> measureStartUp(const std::filesystem::path &program) {
  const auto started = Clock::now();
  auto running = start(program, {});
  if (!running) {
    return std::nullopt;
  }
  const auto line = nextLine(*running, 30000);
  const double ms = std::chrono::duration<double, std::milli>(Clock::now() - started).count();
  finish(*running, line.has_value());
  long kilobytes = 0;
  double cpuMs = 0;
  if (!line || std::sscanf(line->c_str(), "painted %ld %lf", &kilobytes, &cpuMs) != 2) {
    return std::nullopt;
  }
  return StartUp{ms, static_cast<double>(kilobytes) / 1024.0, cpuMs};
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

struct Idle {
  double cpuMs;
  long paints;
};

std::optional<Idle> readIdle(Running &running, int idleSeconds) {
  const int generous = (idleSeconds + 30) * 1000;
  for (auto line = nextLine(running, generous); line; line = nextLine(running, generous)) {
    Idle idle{};
    if (std::sscanf(line->c_str(), "idle %lf %ld", &idle.cpuMs, &idle.paints) == 2) {
      return idle;
    }
  }
  return std::nullopt;
}

int fail(const char *what) {
  std::fprintf(stderr, "startup_bench: %s\n", what);
  return 1;
}

} // namespace

vx::cli::CommandLine commandLine() {
  vx::cli::CommandLine line({
      .program = "startup_bench",
      .summary =
          QStringLiteral("Start-up time, resident memory and idle cost of Vexlo against a minimal\n"
                         "Qt Widgets program."),
      .operands = {},
      .maxOperands = 0,
      .epilogue = {},
  });
  line.addOption({QStringLiteral("runs"),
                  QStringLiteral("Starts of each program; the median is shown."),
                  QStringLiteral("N"), QStringLiteral("15")});
  line.addOption({QStringLiteral("idle"),
                  QStringLiteral("Seconds of idle measurement; 0 leaves it out."),
                  QStringLiteral("SECONDS"), QStringLiteral("30")});
  return line;
}

int main(int argc, char *argv[]) {
  vx::cli::CommandLine line = commandLine();
  if (const auto stop = line.read(vx::cli::argumentsOf(argc, argv))) {
    return *stop;
  }
  const auto runOption = line.wholeNumber(QStringLiteral("runs"), 1, 1000);
  if (!runOption) {
    return vx::cli::usageStatus;
  }
  const auto idleOption = line.wholeNumber(QStringLiteral("idle"), 0, 3600);
  if (!idleOption) {
    return vx::cli::usageStatus;
  }
  const int runs = static_cast<int>(*runOption);
  const int idleSeconds = static_cast<int>(*idleOption);
  if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") == nullptr &&
      std::getenv("WAYLAND_DISPLAY") == nullptr) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  }
  const auto vexlo = besideThisProgram("vexlo_startup_probe");
  const auto floor = besideThisProgram("startup_floor");

  std::vector<double> vexloMs, floorMs, vexloMb, floorMb, vexloCpu, floorCpu;
  for (int i = 0; i < runs; ++i) {
    const auto v = measureStartUp(vexlo);
    const auto f = measureStartUp(floor);
    if (!v || !f) {
      return fail("a program did not report its first paint");
    }
    vexloMs.push_back(v->ms);
    vexloMb.push_back(v->residentMb);
    floorMs.push_back(f->ms);
    floorMb.push_back(f->residentMb);
    vexloCpu.push_back(v->cpuMs);
    floorCpu.push_back(f->cpuMs);
  }
  std::printf("start-up to first paint, median of %d: vexlo %.1f ms, floor %.1f ms, ratio %.3f\n",
              runs, median(vexloMs), median(floorMs), median(vexloMs) / median(floorMs));
  std::printf("resident memory at first paint:      vexlo %.1f MB, floor %.1f MB, ratio %.3f\n",
              median(vexloMb), median(floorMb), median(vexloMb) / median(floorMb));
  std::printf("CPU time to first paint:             vexlo %.1f ms, floor %.1f ms, ratio %.3f\n",
              median(vexloCpu), median(floorCpu), median(vexloCpu) / median(floorCpu));
  if (idleSeconds == 0) {
    return 0;
  }

  const std::vector<std::string> idleEnvironment{"VEXLO_PROBE_IDLE_MS=" +
                                                 std::to_string(idleSeconds * 1000)};
  auto v = start(vexlo, idleEnvironment);
  auto f = start(floor, idleEnvironment);
  if (!v || !f) {
    return fail("could not start the idle runs");
  }
  const auto vexloIdle = readIdle(*v, idleSeconds);
  const auto floorIdle = readIdle(*f, idleSeconds);
  finish(*v, vexloIdle.has_value());
  finish(*f, floorIdle.has_value());
  if (!vexloIdle || !floorIdle) {
    return fail("a program did not report its idle time");
  }
  std::printf("idle for %d s (vexlo with the Ohm's law and capacitor windows ticking): "
              "CPU vexlo %.1f ms, floor %.1f ms; paints vexlo %ld, floor %ld\n",
              idleSeconds, vexloIdle->cpuMs, floorIdle->cpuMs, vexloIdle->paints,
              floorIdle->paints);
  return 0;
}
