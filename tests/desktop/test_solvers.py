# SPDX-FileCopyrightText: 2026 The Vexlo developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The two solver windows as a person first uses them: volts and ohms typed
give amps and watts while typing, and a capacitor's charge time."""

import time

from desktop import DesktopCase


class Solvers(DesktopCase):
    def test_volts_and_ohms_give_amps_and_watts_within_a_second(self):
        self.click(self.main, "Switch to Ohm's law calculator")
        ohms_law = self.program.window("AVO")
        self.wait_for(lambda: ohms_law.focused() == "Volts", "the focus in the volts field")
        self.type("12")
        self.wait_text(ohms_law, "Volts", "12 Volts")
        self.assertTrue(ohms_law.control("Volts given").checked())
        self.click_and_type(ohms_law, "Ohms", "4")
        typed = time.monotonic()
        self.wait_text(ohms_law, "Watts", "36  Watts", timeout=1.0)
        self.wait_text(ohms_law, "Amps", "3  Amps", timeout=max(0.0, typed + 1.0 - time.monotonic()))
        self.assertEqual(self.texts(ohms_law, "Volts", "Ohms"), ["12 Volts", "4 Ohms"])

    def test_capacitor_charge_time(self):
        self.click(self.main, "Switch to Ohm's law calculator")
        self.click(self.program.window("AVO"), "Switch to capacitor charge calculator")
        charge = self.program.window("Cap charge time")
        # A current source of 2 mA charging 4 uF to 5 V.
        for field, typed, shown in (("Source current", "2m", "2 mAmps"),
                                    ("Threshold volts", "5", "5 Volts"),
                                    ("Capacitance", "4", "4 uFarad")):
            self.click_and_type(charge, field, typed)
            self.wait_text(charge, field, shown)
        self.wait_text(charge, "Charge time", "10 mSecs")
        self.wait_text(charge, "Frequency", "100 Hz")
        self.wait_text(charge, "Computation status", "mS 44")
