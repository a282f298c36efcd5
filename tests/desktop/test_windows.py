# SPDX-FileCopyrightText: 2026 The Vexlo developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Moving between the windows: every switch button, the close rules, where
the focus and the activation go, and a quit request with three windows
open."""

import signal

from desktop import SESSION, DesktopCase

MAIN, OHMS, CHARGE, PORT, LED = "Vexlo", "AVO", "Cap charge time", "Port 8", "LED"
TO_MAIN = "Back to calculator"
TO_OHMS = "Switch to Ohm's law calculator"
TO_CHARGE = "Switch to capacitor charge calculator"
TO_PORT = "Switch to port state calculator"
TO_LED = "Switch to LED driver calculator"


class Windows(DesktopCase):
    def shown(self, *titles):
        """The program shows these windows and no others, each to a screen
        reader a window (a frame) named by its title."""
        expected = sorted(titles)
        try:
            self.wait_for(lambda: sorted(self.program.windows()) == expected,
                          "the windows %s" % expected)
        except AssertionError:
            self.assertEqual(sorted(self.program.windows()), expected)
        for title in titles:
            self.assertEqual(self.program.window(title).role(), "frame", title)

    def active(self, title):
        self.wait_for(lambda: self.program.active_window() == title, title + " active")
        x_active = SESSION.run(["xdotool", "getactivewindow", "getwindowname"], text=True)
        self.assertEqual(x_active.stdout.strip(), title)

    def press(self, title, button):
        self.click(self.program.window(title), button)

    def close_box(self, title):
        """Closes the window as its close box does (the window manager's
        Close, here by its key)."""
        found = SESSION.run(["xdotool", "search", "--all", "--onlyvisible", "--pid", str(self.vexlo.pid),
                             "--name", "^%s$" % title], text=True).stdout.split()
        self.assertEqual(len(found), 1, title)
        self.xdotool("windowactivate", "--sync", found[0])
        self.active(title)
        self.key("alt+F4")

    def open_three(self):
        self.type("7")
        self.press(MAIN, TO_PORT)
        self.active(PORT)
        self.press(MAIN, TO_OHMS)
        self.shown(MAIN, PORT, OHMS)
        self.active(OHMS)

    def test_every_switch_button(self):
        # (window, button, the windows then shown, the window then active)
        steps = [
            (MAIN, TO_OHMS, [MAIN, OHMS], OHMS),
            (OHMS, TO_CHARGE, [CHARGE], CHARGE),  # leaving otherwise than by Calc
            (CHARGE, TO_OHMS, [OHMS], OHMS),      # closes the main window too
            (OHMS, TO_PORT, [PORT], PORT),
            (PORT, TO_CHARGE, [CHARGE], CHARGE),
            (CHARGE, TO_PORT, [PORT], PORT),
            (PORT, TO_OHMS, [OHMS], OHMS),
            (OHMS, TO_LED, [LED], LED),
            (LED, TO_MAIN, [MAIN], MAIN),
            (MAIN, TO_PORT, [MAIN, PORT], PORT),
            (PORT, TO_LED, [LED], LED),
            (LED, TO_MAIN, [MAIN], MAIN),
            (MAIN, TO_OHMS, [MAIN, OHMS], OHMS),
            (OHMS, TO_MAIN, [MAIN], MAIN),
            (MAIN, TO_PORT, [MAIN, PORT], PORT),
            (PORT, TO_MAIN, [MAIN], MAIN),
            (MAIN, TO_OHMS, [MAIN, OHMS], OHMS),
            (OHMS, TO_CHARGE, [CHARGE], CHARGE),
            (CHARGE, TO_MAIN, [MAIN], MAIN),
            (MAIN, TO_OHMS, [MAIN, OHMS], OHMS),
            (OHMS, TO_CHARGE, [CHARGE], CHARGE),
            (CHARGE, TO_LED, [LED], LED),
            (LED, TO_MAIN, [MAIN], MAIN),
            (MAIN, TO_PORT, [MAIN, PORT], PORT),
            (PORT, TO_CHARGE, [CHARGE], CHARGE),
        ]
        for window, button, shown, active in steps:
            with self.subTest(window=window, button=button):
                self.press(window, button)
                self.shown(*shown)
                self.active(active)

    def test_close_rules(self):
        self.open_three()
        # A secondary window's close box closes the main window too.
        self.close_box(OHMS)
        self.shown(PORT)
        # Shown again, the main window starts from its designed controls.
        self.press(PORT, TO_MAIN)
        self.shown(MAIN)
        main = self.program.window(MAIN)
        self.assertEqual(self.texts(main, "First number", "Result"), ["", "Result"])
        # The main window's own close box closes only itself; with the last
        # window closed the program ends.
        self.press(MAIN, TO_PORT)
        self.shown(MAIN, PORT)
        self.close_box(MAIN)
        self.shown(PORT)
        self.close_box(PORT)
        self.assertEqual(self.vexlo.wait(10), 0)

    def test_focus_kept_across_windows(self):
        self.press(MAIN, TO_PORT)
        port = self.program.window(PORT)
        self.click(port, "Pin 3")
        self.wait_text(port, "Port value", "8")
        self.assertEqual(port.focused(), "Pin 3")
        # Away to the main window, typing there, and back.
        self.click(self.main, "First number")
        self.active(MAIN)
        self.type("5")
        self.wait_text(self.main, "First number", "5")
        found = SESSION.run(["xdotool", "search", "--all", "--onlyvisible", "--pid", str(self.vexlo.pid),
                             "--name", "^%s$" % PORT], text=True).stdout.split()
        self.xdotool("windowactivate", "--sync", found[0])
        self.active(PORT)
        self.wait_for(lambda: port.focused() == "Pin 3", "the focus back on pin 3")
        self.key("space")
        self.wait_text(port, "Port value", "0")
        self.assertEqual(self.main.control("First number").text(), "5")

    def test_active_window_after_the_active_one_closes(self):
        self.open_three()
        # The Ohm's law window's close box takes the main window with it;
        # the port window, the one left, is active and takes the keys.
        self.close_box(OHMS)
        self.shown(PORT)
        self.active(PORT)
        port = self.program.window(PORT)
        self.wait_for(lambda: port.focused() is not None, "a focus in the port window")
        self.click(port, "Pin 0")
        self.key("space")
        self.wait_text(port, "Port value", "0")
        # With three open and the main window active, its close box leaves
        # the window shown last active.
        self.press(PORT, TO_MAIN)
        self.press(MAIN, TO_PORT)
        self.press(MAIN, TO_OHMS)
        self.shown(MAIN, PORT, OHMS)
        self.close_box(MAIN)
        self.shown(PORT, OHMS)
        self.active(OHMS)

    def test_quit_request_with_three_windows_open(self):
        self.open_three()
        self.vexlo.send_signal(signal.SIGTERM)
        self.assertEqual(self.vexlo.wait(10), 0)
