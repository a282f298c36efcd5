// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The value box's ranges, each side of each boundary: up to 255 eight
// bits, 256 to 65535 sixteen, above 65535 back to 0.

#include "port66_fixture.h"

#include <string>
#include <vector>

namespace vx::test {
namespace {

struct Case {
  const char *typed;
  const char *value;
  int sixteenBits;
  const char *pins; // pin 0 first, then pin 8 first
  const char *readings;
};

TEST_F(Port66Test, ValueRangesEachSideOfTheirBoundaries) {
  port66 &f = form();
  const std::vector<Case> cases = {
      {"0", "0", 0, "0000000000000000", "0 FF 255"},
      {"255", "255", 0, "1111111100000000", "FF 0 0"},
      {"256", "256", 1, "0000000010000000", "100 FEFF 65279"},
      {"65535", "65535", 1, "1111111111111111", "FFFF 0 0"},
      {"65536", "0", 0, "0000000000000000", "0 FF 255"}, // replaced before anything
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.typed);
    f.Command2.userClicked(); // Clear: 0, upper pins hidden
    f.Check1.setValue(0);
    type(c.typed);
    EXPECT_EQ(f.Text9.text(), c.value);
    EXPECT_EQ(f.Check1.value(), c.sixteenBits);
    EXPECT_EQ(lowerPins() + upperPins(), c.pins);
    EXPECT_EQ(readings(), c.readings);
  }
}

} // namespace
} // namespace vx::test
