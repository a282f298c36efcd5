# SPDX-FileCopyrightText: 2026 The Vexlo developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""What every desktop test case shares: a fresh Vexlo on the suite's
display, real key presses and mouse clicks through XTEST (xdotool), the
clipboard through xclip, and pictures of the windows when a case fails."""

import ctypes
import os
import re
import subprocess
import unittest

from screen_reader import Program
from session import stop, wait_until

SESSION = None  # the suite's Session, set by run_desktop.py
VEXLO = None  # the program under test
ARTIFACTS = None  # where logs and pictures of failed cases go


class DesktopCase(unittest.TestCase):
    def setUp(self):
        self.vexlo = SESSION.start(
            [VEXLO], "vexlo-%s.log" % self.id().rsplit(".", 1)[-1],
            env=dict(SESSION.env, QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1",
                     QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
        self.addCleanup(stop, self.vexlo)
        self.program = Program(self.vexlo.pid)
        self.main = self.program.window("Vexlo")
        self.wait_for(lambda: self.main.focused() == "First number", "the focus in field 1")

    # -- what the person does ------------------------------------------------

    def xdotool(self, *args):
        done = SESSION.run(["xdotool", *args], text=True)
        self.assertEqual(done.returncode, 0, done.stderr)

    def key(self, *keys):
        self.xdotool("key", "--delay", "30", *keys)

    def type(self, text):
        self.xdotool("type", "--delay", "30", "--", text)

    def click(self, window, name, where="centre", button="1"):
        self.click_at(*window.control(name).point(where), button=button)

    def click_at(self, x, y, button="1"):
        self.xdotool("mousemove", "--sync", str(x), str(y), "click", button)

    def context_menu(self, window, name):
        """Right-clicks the control and returns where its context menu
        opened (x, y, width, height). Menus are no part of the screen
        reader's tree of windows; the window manager's list has them."""
        before = set(self.program_windows())
        self.click(window, name, button="3")
        menu = self.wait_for(lambda: set(self.program_windows()) - before, "the context menu")
        geometry = SESSION.run(["xdotool", "getwindowgeometry", "--shell", menu.pop()],
                               text=True).stdout
        values = dict(line.split("=", 1) for line in geometry.split())
        return tuple(int(values[key]) for key in ("X", "Y", "WIDTH", "HEIGHT"))

    def program_windows(self):
        found = SESSION.run(["xdotool", "search", "--onlyvisible", "--pid", str(self.vexlo.pid)],
                            text=True)
        return found.stdout.split()

    def click_and_type(self, window, name, text):
        """Clicks just inside the field's left edge (the caret goes before
        its text) and types."""
        self.click(window, name, "start")
        self.wait_for(lambda: window.focused() == name, "the focus in " + name)
        self.type(text)

    def drag(self, window, name):
        """Selects a stretch of a label's text with the mouse."""
        x, y, width, height = window.control(name).extents()
        self.xdotool("mousemove", "--sync", str(x + 2), str(y + height // 2), "mousedown", "1",
                     "mousemove", "--sync", str(x + width - 2), str(y + height // 2),
                     "mouseup", "1")

    def lend_keys(self, text):
        """Gives each character of text a key of its own on the display's
        keyboard, for good. xdotool would otherwise lend a key for the
        moment of each press and take it back, and a program may read the
        key map after it was taken back and see no character at all."""
        x11 = ctypes.CDLL("libX11.so.6")
        x11.XOpenDisplay.restype = ctypes.c_void_p
        x11.XGetKeyboardMapping.restype = ctypes.POINTER(ctypes.c_ulong)
        display = ctypes.c_void_p(x11.XOpenDisplay(SESSION.env["DISPLAY"].encode()))
        self.assertTrue(display.value, "no connection to the display")
        first, last, per = ctypes.c_int(), ctypes.c_int(), ctypes.c_int()
        x11.XDisplayKeycodes(display, ctypes.byref(first), ctypes.byref(last))
        count = last.value - first.value + 1
        symbols = x11.XGetKeyboardMapping(display, first, count, ctypes.byref(per))
        free = [first.value + code for code in range(count)
                if not any(symbols[code * per.value + i] for i in range(per.value))]
        x11.XFree(symbols)
        self.assertGreaterEqual(len(free), len(text), "not enough unused keys")
        for character, keycode in zip(text, reversed(free)):
            code = ord(character)
            keysym = (ctypes.c_ulong * 1)(code if code < 0x100 else 0x01000000 + code)
            x11.XChangeKeyboardMapping(display, keycode, 1, keysym, 1)
        x11.XSync(display, 0)
        x11.XCloseDisplay(display)

    def clipboard(self, selection="clipboard"):
        done = SESSION.run(["xclip", "-selection", selection, "-o"])
        return done.stdout.decode() if done.returncode == 0 else None

    def offer_clipboard(self, text):
        """Puts text on the clipboard, owned by xclip until the case ends."""
        owner = subprocess.Popen(["xclip", "-quiet", "-selection", "clipboard", "-i"],
                                 env=SESSION.env, stdin=subprocess.PIPE,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                 start_new_session=True)
        SESSION.processes.append(owner)
        self.addCleanup(stop, owner)
        owner.stdin.write(text.encode())
        owner.stdin.close()
        self.wait_for(lambda: self.clipboard() == text, "the clipboard to hold the text")

    # -- what the person sees ------------------------------------------------

    def wait_for(self, condition, what, timeout=10):
        return wait_until(condition, timeout, what)

    def wait_text(self, window, name, expected, timeout=10):
        control = window.control(name)
        try:
            wait_until(lambda: control.text() == expected, timeout,
                       "%s.%s to read %r" % (window.title, name, expected))
        except AssertionError:
            self.assertEqual(control.text(), expected, "%s.%s" % (window.title, name))

    def texts(self, window, *names):
        return [window.control(name).text() for name in names]

    # -- pictures of a failed case -------------------------------------------

    def screenshots(self):
        folder = os.path.join(ARTIFACTS, self.id().rsplit(".", 1)[-1])
        os.makedirs(folder, exist_ok=True)
        SESSION.run(["import", "-window", "root", os.path.join(folder, "screen.png")])
        for window in self.program_windows():
            title = SESSION.run(["xdotool", "getwindowname", window], text=True).stdout.strip()
            name = re.sub(r"[^A-Za-z0-9]+", "_", title) or window
            SESSION.run(["import", "-window", window, os.path.join(folder, name + ".png")])
        return folder


class ScreenshotResult(unittest.TextTestResult):
    """Takes the pictures the moment a case fails, while its windows are
    still on the screen."""

    def addFailure(self, test, err):
        self._picture(test)
        super().addFailure(test, err)

    def addError(self, test, err):
        self._picture(test)
        super().addError(test, err)

    def _picture(self, test):
        if isinstance(test, DesktopCase) and getattr(test, "vexlo", None) is not None:
            try:
                self.stream.writeln("pictures of the windows: " + test.screenshots())
            except Exception as problem:  # the case's own failure matters more
                self.stream.writeln("no pictures: %s" % problem)
