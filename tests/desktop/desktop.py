#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vexlo developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""desktop.py PROGRAM LOGS MODULE...: the real program on a
private X display (Xvfb, openbox, a D-Bus session with the accessibility
bus), driven by XTEST keys and clicks (xdotool), read over AT-SPI as a
screen reader reads it. Anything missing fails the run, named; every process
the run starts, and whatever those leave behind, ends with the run."""

import contextlib
import ctypes
import importlib.util
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest

NEEDED = [("Xvfb", "xvfb"), ("openbox", "openbox"), ("xdotool", "xdotool"), ("xclip", "xclip"),
          ("xprop", "x11-utils"), ("dbus-daemon", "dbus"),
          ("/usr/libexec/at-spi-bus-launcher", "at-spi2-core")]
SESSION = None
VEXLO = None
pyatspi = None  # imported once the session's buses are set


class Missing(Exception):
    pass


def wait_until(condition, what, timeout=10):
    """Polls condition() while letting AT-SPI events in, until it gives a
    true value (returned) or the time is up (a failure naming what)."""
    from gi.repository import GLib
    deadline = time.monotonic() + timeout
    while True:
        while GLib.MainContext.default().iteration(False):
            pass
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError("gave up waiting for " + what)
        time.sleep(0.02)


class Session:
    def __init__(self, logs):
        self.logs, self.processes = logs, []
        os.makedirs(logs, exist_ok=True)
        # Daemons that detach (the accessibility bus, its registry) come back
        # to this process, so close() finds them.
        ctypes.CDLL(None).prctl(36, 1, 0, 0, 0)  # PR_SET_CHILD_SUBREAPER
        self.home = tempfile.mkdtemp(prefix="vexlo-desktop-")
        self.env = {k: v for k, v in os.environ.items()
                    if not k.startswith(("DISPLAY", "WAYLAND", "DBUS_", "XDG_", "QT_", "AT_SPI"))}
        self.env["XDG_RUNTIME_DIR"] = self.home
        try:
            self.env["DISPLAY"] = ":" + self.announced(
                "Xvfb -displayfd {} -screen 0 1280x1024x24 -nolisten tcp")
            self.env["DBUS_SESSION_BUS_ADDRESS"] = self.announced(
                "dbus-daemon --session --nofork --print-address={}")
            self.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
            self.window_manager()
            try:
                wait_until(lambda: "unix:" in self.run(
                    "dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus "
                    "org.a11y.Bus.GetAddress".split()).stdout, "the accessibility bus", 20)
            except AssertionError:
                raise Missing("the accessibility bus did not start") from None
        except BaseException:
            self.close()
            raise

    def window_manager(self):
        """openbox, started again should it fall over or hang on its way up,
        as it once did on a loaded machine; if it never comes up, its exit
        status and last words say why."""
        managing = lambda: "window id" in self.run(
            "xprop -root _NET_SUPPORTING_WM_CHECK".split()).stdout
        for _ in range(3):
            openbox = self.start(["openbox", "--sm-disable"])
            with contextlib.suppress(AssertionError):
                wait_until(lambda: openbox.poll() is not None or managing(), "openbox", 20)
            if openbox.poll() is None and managing():
                return
            stop(openbox)
            self.processes.remove(openbox)
        with open(os.path.join(self.logs, "openbox.log"), errors="replace") as log:
            said = " / ".join(log.read().splitlines()[-3:])
        raise Missing("openbox did not start (exit status %s): %s" % (openbox.returncode, said))

    def announced(self, command):
        """Starts a daemon that writes where it listens to the descriptor in
        place of {}; returns what it wrote."""
        read, write = os.pipe()
        self.start(command.format(write).split(), pass_fds=(write,))
        os.close(write)
        with os.fdopen(read) as said:
            line = said.readline().strip() if select.select([said], [], [], 20)[0] else ""
        if not line:
            raise Missing(command.split()[0] + " did not start")
        return line

    def start(self, args, env=None, **kw):
        with open(os.path.join(self.logs, os.path.basename(args[0]) + ".log"), "ab") as out:
            process = subprocess.Popen(args, env=env or self.env, stdin=subprocess.DEVNULL,
                                       stdout=out, stderr=out, start_new_session=True, **kw)
        self.processes.append(process)
        return process

    def run(self, args):
        return subprocess.run(args, env=self.env, capture_output=True, text=True, timeout=20)

    def close(self):
        for process in reversed(self.processes):
            stop(process)
        self.processes = []
        me = str(os.getpid())
        for entry in filter(str.isdigit, os.listdir("/proc")):
            with contextlib.suppress(OSError, IndexError):
                with open("/proc/%s/stat" % entry) as stat:
                    if stat.read().rsplit(")", 1)[1].split()[1] == me:
                        os.kill(int(entry), signal.SIGKILL)
                        os.waitpid(int(entry), 0)
        shutil.rmtree(self.home, ignore_errors=True)


def stop(process):
    """Ends a process started by Session.start and its whole group."""
    with contextlib.suppress(ProcessLookupError, subprocess.TimeoutExpired):
        os.killpg(process.pid, signal.SIGTERM)
        process.wait(3)
    with contextlib.suppress(ProcessLookupError):
        os.killpg(process.pid, signal.SIGKILL)  # what is left of the group
    process.wait()


class DesktopCase(unittest.TestCase):
    """A fresh Vexlo; `heard` collects the notifications it shows, as a
    screen reader speaks them."""

    def setUp(self):
        self.vexlo = SESSION.start([VEXLO], env=dict(
            SESSION.env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
        self.addCleanup(stop, self.vexlo)
        self.heard, self.events = [], []
        kinds = ("object:state-changed", "object:text-caret-moved", "object:text-changed")
        pyatspi.Registry.registerEventListener(self._event, *kinds)
        self.addCleanup(pyatspi.Registry.deregisterEventListener, self._event, *kinds)
        self.app = wait_until(lambda: next((a for a in pyatspi.Registry.getDesktop(0)
                                            if self.ours(a)), None), "the program on the bus", 20)
        self.main = self.window("Vexlo")
        wait_until(lambda: self.focused(self.main) == "First number", "the focus in field 1")

    def ours(self, accessible):
        with contextlib.suppress(Exception):  # an object that went away meanwhile
            accessible.clear_cache()
            return accessible.get_process_id() == self.vexlo.pid
        return False

    def _event(self, event):
        source = event.source
        if self.ours(source):
            data = event.any_data if event.type.startswith("object:text-changed") else event.detail1
            self.events.append((event.type, source.name, data))
            if event.type.endswith("showing") and event.detail1 and \
                    source.getRole() == pyatspi.ROLE_NOTIFICATION:
                self.heard.append(source.name)

    def windows(self, state):
        self.app.clear_cache()
        return [w for w in self.app if w is not None and w.getState().contains(state)]

    def window(self, title):
        return wait_until(lambda: next((w for w in self.windows(pyatspi.STATE_SHOWING)
                                        if w.name == title), None), "the window " + title)

    def control(self, window, name):
        found = pyatspi.findDescendant(window, lambda o: o is not None and o.name == name)
        self.assertIsNotNone(found, "%s has no control %r" % (window.name, name))
        found.clear_cache()
        return found

    def text(self, window, name):
        """What a field holds, or a result label's value with its name."""
        return self.control(window, name).queryText().getText(0, -1)

    def focused(self, window):
        window.clear_cache()
        found = pyatspi.findDescendant(window, lambda o: o is not None and o.getState().contains(
            pyatspi.STATE_FOCUSED))
        return found.name if found is not None else None

    def active(self):
        return [w.name for w in self.windows(pyatspi.STATE_ACTIVE)]

    def hears(self, *news):
        """The notifications since the last call are these."""
        wait_until(lambda: len(self.heard) >= len(news), "to hear %s" % (news,))
        heard, self.heard[:] = list(self.heard), []
        self.assertEqual(heard, list(news))

    def xdotool(self, *args):
        done = SESSION.run(["xdotool", *args])
        self.assertEqual(done.returncode, 0, done.stderr)

    def key(self, *keys, verb="key"):
        self.xdotool(verb, "--delay", "30", "--", *keys)

    def type(self, text):
        self.key(text, verb="type")

    def click(self, window, name, button="1", start=False):
        """A click in the control's middle, or just inside its left edge
        (where the caret goes before the text)."""
        box = self.control(window, name).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        x = box.x + (3 if start else box.width // 2)
        self.xdotool("mousemove", "--sync", str(x), str(box.y + box.height // 2), "click", button)

    def tab_to(self, window, name):
        for _ in range(40):
            if self.focused(window) == name:
                return
            self.key("Tab")
        self.assertEqual(self.focused(window), name)

    def clipboard(self):
        return SESSION.run(["xclip", "-selection", "clipboard", "-o"]).stdout


def main(program, logs, *modules):
    global SESSION, VEXLO, pyatspi
    absent = [("%s (Debian package %s)" % needed) for needed in NEEDED if not shutil.which(needed[0])]
    if importlib.util.find_spec("pyatspi") is None:
        absent.append("the Python module pyatspi (Debian package python3-pyatspi)")
    try:
        if absent or not os.access(program, os.X_OK):
            raise Missing("missing " + (absent + ["the program " + program])[0])
        VEXLO, SESSION = os.path.abspath(program), Session(logs)
    except Missing as problem:
        print("desktop suite: " + str(problem))
        return 1
    # However the run ends (a failure, CTest's timeout, Ctrl+C), the
    # session's processes end with it; not by exception, which unittest
    # would take for one case's error.
    for sig in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
        signal.signal(sig, lambda signum, _: (SESSION.close(), os._exit(128 + signum)))
    try:
        os.environ.update(SESSION.env)
        import pyatspi
        sys.modules["desktop"] = sys.modules[__name__]
        suite = unittest.defaultTestLoader.loadTestsFromNames(modules)
        return 0 if unittest.TextTestRunner(stream=sys.stdout, verbosity=2).run(
            suite).wasSuccessful() else 1
    finally:
        SESSION.close()


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
