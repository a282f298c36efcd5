# SPDX-FileCopyrightText: 2026 The Vexlo developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader meets on the accessibility bus: every result heard
once as it appears, the focus left alone; every result read with its value;
text fields read whole and their focus said after Tab; the context menu in
the tree; copying by key."""

import time

from desktop import DesktopCase, pyatspi, wait_until


class ScreenReader(DesktopCase):
    def test_every_result_is_heard_once_as_it_appears(self):
        main = self.main
        self.type("12")
        self.key("Tab")
        self.type("30")
        self.tab_to(main, "Add")
        self.key("space")
        self.hears("Result 42")
        self.assertEqual(self.focused(main), "Second number")
        self.assertEqual(self.text(main, "Result"), "Result 42")  # what flat review reads
        self.assertIn(("object:text-changed:insert", "Result", "Result 42"), self.events)
        # Divide again writes its message, then the same quotient: no news;
        # the next thing heard is the total.
        self.click(main, "Divide")
        self.hears("Result 0.4")
        self.click(main, "Divide")
        self.type("5")
        self.key("Return")
        self.hears("First number 317")
        # The colour code writes four display lines, field 2 and the result
        # line in one event: one message, without the field in the focus or
        # the result line now blank.
        self.click(main, "First number")
        self.key("ctrl+a")
        self.type("4.7k")
        self.click(main, "Resistor colour code")
        self.hears("Display line 1 Yellow, Display line 2 Violet, Display line 3 Red, "
                   "Display line 4 (5%)Gold")

        self.click(main, "Switch to Ohm's law calculator")
        ohms = self.window("AVO")
        self.type("12")
        self.click(ohms, "Ohms", start=True)
        self.type("4")
        self.hears("3 Amps, 36 Watts")
        self.assertEqual(self.focused(ohms), "Ohms")

        self.click(ohms, "Switch to capacitor charge calculator")
        charge = self.window("Cap charge time")
        for field, typed, news in (("Source current", "2m", "Computation status 4"),
                                   ("Threshold volts", "5", "Computation status 12"),
                                   ("Capacitance", "4", "Charge time 10 mSecs, Frequency 100 Hz, "
                                                        "Computation status mS 44")):
            self.click(charge, field, start=True)
            self.type(typed)
            self.hears(news)
        self.events.clear()
        time.sleep(1.5)  # some ticks, which rewrite the same texts: no news, no text changed
        self.hears()
        self.assertEqual([e for e in self.events if e[0].startswith("object:text-changed")], [])
        self.assertEqual(self.text(charge, "Computation status"), "Computation status mS 44")

        self.click(charge, "Switch to port state calculator")
        port = self.window("Port 8")
        self.click(port, "Pin 2")
        self.hears("Port value 4, Hex value 4, Pull-down hex value FB, Pull-down decimal value 251")
        self.click(port, "Switch to LED driver calculator")
        led = self.window("LED")
        self.click(led, "Pin 0")
        self.hears("Port value 1, Pull-down port value 254")

    def test_fields_focus_and_copying(self):
        main = self.main
        self.type("12")
        self.events.clear()
        self.key("Tab")

        # Orca takes a field whose caret moves before its focus is told for
        # the focus already, and says nothing: the caret is told after.
        def caret_after_focus():
            moves = [(kind, on) for kind, name, on in self.events if name == "Second number"]
            focus = ("object:state-changed:focused", 1)
            return focus in moves and any(kind == "object:text-caret-moved"
                                          for kind, _ in moves[moves.index(focus):])
        wait_until(caret_after_focus, "the caret told after the focus")
        # Orca reads a field by its attribute runs: one run over the text.
        self.type("30")
        field = self.control(main, "Second number").queryText()
        wait_until(lambda: field.getText(0, -1) == "30", "30 in field 2")
        self.assertEqual(list(field.getAttributeRun(1))[1:], [0, 2])

        # The context menu, opened with the mouse, is in the tree, and its
        # Copy is chosen with the keyboard.
        self.click(main, "Add")
        self.hears("Result 42")
        self.click(main, "Result", button="3")
        menu = wait_until(lambda: next((c for c in self.windows(pyatspi.STATE_SHOWING)
                                        if c.getRole() == pyatspi.ROLE_POPUP_MENU), None), "a menu")
        self.assertEqual((menu.name, [item.name for item in menu]), ("Result 42", ["Copy"]))
        self.key("Down", "Return")
        wait_until(lambda: self.clipboard() == "42", "42 on the clipboard")
        self.assertEqual(self.focused(main), "Second number")
        # Ctrl+R copies the result line wherever the focus is, and says so.
        self.click(main, "Multiply")
        self.hears("Result 360")
        self.key("ctrl+r")
        self.hears("Result 360 copied")
        self.assertEqual((self.clipboard(), self.text(main, "First number")), ("360", "12"))
