# SPDX-FileCopyrightText: 2026 The Vexlo developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Real keys and windows: the operator keys of keyboard and keypad, the window
active after a switch and after a close, and the desktop's quit request."""

import signal

from desktop import SESSION, DesktopCase, wait_until

MAIN, OHMS, PORT = "Vexlo", "AVO", "Port 8"


class Windows(DesktopCase):
    def active_is(self, title):
        """The window is active to the screen reader and to the X server."""
        wait_until(lambda: self.active() == [title], title + " active")
        shown = SESSION.run(["xdotool", "getactivewindow", "getwindowname"]).stdout.strip()
        self.assertEqual(shown, title)

    def close_box(self, title):
        """Closes the window as its close box does: the window manager's key."""
        self.xdotool("search", "--all", "--onlyvisible", "--pid", str(self.vexlo.pid), "--name",
                     "^%s$" % title, "windowactivate", "--sync")
        self.active_is(title)
        self.key("alt+F4")

    def open_three(self):
        self.click(self.main, "Switch to port state calculator")
        self.active_is(PORT)
        self.click(self.main, "Switch to Ohm's law calculator")
        self.active_is(OHMS)

    def test_operator_keys_of_keyboard_and_keypad(self):
        self.key("5", "Tab")
        for typed, key, total in (("3", "Return", "8"), ("4", "shift+8", "32"),
                                  ("2", "KP_Subtract", "30"), ("5", "KP_Multiply", "150"),
                                  ("3", "KP_Divide", "50"), ("5", "KP_Add", "55"),
                                  ("6", "KP_Enter", "61")):
            self.type(typed)
            self.key(key)
            wait_until(lambda: self.text(self.main, "First number") == total, total)
            self.assertEqual(self.text(self.main, "Second number"), "")

    def test_the_active_window_after_a_switch_and_after_a_close(self):
        self.open_three()
        # The Ohm's law window's close box takes the main window with it;
        # the port window, the one left, is active and takes the keys.
        self.close_box(OHMS)
        self.active_is(PORT)
        port = self.window(PORT)
        self.click(port, "Pin 0")
        self.key("space")
        wait_until(lambda: self.text(port, "Port value") == "0", "pin 0 flipped back")
        # With three open and the main window active, its close box leaves
        # the window shown last active; the last close ends the program.
        self.click(port, "Back to calculator")
        self.main = self.window(MAIN)
        self.open_three()
        self.close_box(MAIN)
        self.active_is(OHMS)
        self.close_box(OHMS)
        self.close_box(PORT)
        self.assertEqual(self.vexlo.wait(10), 0)

    def test_quit_request_with_three_windows_open(self):
        self.open_three()
        self.vexlo.send_signal(signal.SIGTERM)
        self.assertEqual(self.vexlo.wait(10), 0)
