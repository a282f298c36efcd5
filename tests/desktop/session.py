# SPDX-FileCopyrightText: 2026 The Vexlo developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A private desktop for the suite: an X server on a display number it picks
itself, a window manager, a D-Bus session with the accessibility bus, and
the program under test. Every process started here, and every process those
leave behind, is ended by close(), whatever happened before."""

import ctypes
import os
import select
import shutil
import signal
import subprocess
import tempfile
import time

PR_SET_CHILD_SUBREAPER = 36


class Missing(Exception):
    """Something the suite needs is not there; the message says what."""


def _read_line(fd, timeout, what):
    data = b""
    deadline = time.monotonic() + timeout
    while not data.endswith(b"\n"):
        left = deadline - time.monotonic()
        if left <= 0 or not select.select([fd], [], [], left)[0]:
            raise Missing(what)
        chunk = os.read(fd, 4096)
        if not chunk:
            raise Missing(what)
        data += chunk
    os.close(fd)
    return data.decode().strip()


def wait_until(condition, timeout, what, interval=0.02):
    """Polls condition() until it is true (and returns its value) or the
    time is up (and fails naming what was awaited)."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError("gave up waiting for " + what)
        time.sleep(interval)


class Session:
    def __init__(self, logs):
        self.logs = logs
        os.makedirs(logs, exist_ok=True)
        # Daemons that detach from their parents (the accessibility bus, its
        # registry) come back to this process, so none outlives the suite.
        ctypes.CDLL(None, use_errno=True).prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)
        self.home = tempfile.mkdtemp(prefix="vexlo-desktop-")
        os.chmod(self.home, 0o700)
        self.processes = []
        self.env = {
            key: value
            for key, value in os.environ.items()
            if not key.startswith(("DISPLAY", "WAYLAND", "DBUS_", "XDG_", "QT_", "AT_SPI"))
        }
        for name in ("XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"):
            path = os.path.join(self.home, name.lower())
            os.makedirs(path, mode=0o700)
            self.env[name] = path
        try:
            self._start_display()
            self._start_bus()
            self._start_window_manager()
            self._start_accessibility_bus()
        except BaseException:
            self.close()
            raise

    def start(self, args, log, env=None, **kw):
        """Starts a process in a process group of its own, its output into
        the log folder."""
        with open(os.path.join(self.logs, log), "ab") as out:
            process = subprocess.Popen(
                args, env=env or self.env, stdin=subprocess.DEVNULL, stdout=out,
                stderr=out, start_new_session=True, **kw)
        self.processes.append(process)
        return process

    def run(self, args, **kw):
        return subprocess.run(args, env=self.env, capture_output=True, timeout=20, **kw)

    def _start_display(self):
        read, write = os.pipe()
        self.start(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24",
                    "-nolisten", "tcp", "-noreset"], "xvfb.log", pass_fds=(write,))
        os.close(write)
        number = _read_line(read, 20, "Xvfb did not start a display")
        self.env["DISPLAY"] = ":" + number

    def _start_bus(self):
        read, write = os.pipe()
        self.start(["dbus-daemon", "--session", "--nofork", "--print-address=%d" % write],
                   "dbus.log", pass_fds=(write,))
        os.close(write)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = _read_line(
            read, 20, "dbus-daemon did not start a session bus")

    def _start_window_manager(self):
        self.start(["openbox", "--sm-disable"], "openbox.log")

        def running():
            found = self.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], text=True)
            return "window id" in found.stdout
        try:
            wait_until(running, 20, "openbox")
        except AssertionError:
            raise Missing("openbox did not start on the display") from None

    def _start_accessibility_bus(self):
        self.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], "at-spi.log")

        def address():
            found = self.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                              "/org/a11y/bus", "org.a11y.Bus.GetAddress"], text=True)
            return found.returncode == 0 and "unix:" in found.stdout
        try:
            wait_until(address, 20, "the accessibility bus")
        except AssertionError:
            raise Missing("the accessibility bus (at-spi2-core) did not start") from None

    def close(self):
        """Ends everything started here: each process group, then whatever
        came back to this process as an orphan; then removes the files."""
        for process in reversed(self.processes):
            stop(process)
        for pid in _children():
            try:
                os.kill(pid, signal.SIGKILL)
                os.waitpid(pid, 0)
            except (ProcessLookupError, ChildProcessError):
                pass
        self.processes = []
        shutil.rmtree(self.home, ignore_errors=True)


def stop(process, grace=2.0):
    """Ends a process started by Session.start and its whole group."""
    for sig, wait in ((signal.SIGTERM, grace), (signal.SIGKILL, 5.0)):
        try:
            os.killpg(process.pid, sig)
        except ProcessLookupError:
            pass
        try:
            process.wait(wait)
            break
        except subprocess.TimeoutExpired:
            continue
    try:
        os.killpg(process.pid, signal.SIGKILL)  # what the group leader left
    except ProcessLookupError:
        pass


def _children():
    me = str(os.getpid())
    found = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open("/proc/%s/stat" % entry) as stat:
                fields = stat.read().rsplit(")", 1)[1].split()
        except OSError:
            continue
        if fields[1] == me:
            found.append(int(entry))
    return found
