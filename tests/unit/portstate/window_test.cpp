#include "port66_fixture.h"
#include "runtime/text_rules.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace vx::test {
namespace {

TEST_F(Port66Test, TextTheReadingsCannotUseLeavesTheWindowWorking) {
  port66 &f = form();
  type("1");
  f.Check1.userClicked();
  type("300x");
  EXPECT_EQ(f.Text9.text(), "300x");
  EXPECT_EQ(lowerPins(), "00110100");
  EXPECT_EQ(upperPins(), "10000000");
  EXPECT_EQ(readings(), "1 FFFE 65534"); // the readings step failed
  EXPECT_EQ(f.Text9.selStart(), 4);

  // Unticking cannot make a whole number of 300x: the row stays as it was.
  f.Check1.userClicked();
  EXPECT_EQ(f.Check1.value(), 0);
  EXPECT_EQ(f.Text9.text(), "300x");
  EXPECT_TRUE(upperShown());

  type("12");
  EXPECT_EQ(lowerPins() + upperPins(), "0011000000000000");
  EXPECT_EQ(readings(), "C F3 243");
  f.Check1.userClicked();
  f.Check1.userClicked();
  EXPECT_TRUE(upperHidden());
}

TEST_F(Port66Test, NumbersBeyondReachLeaveThePinsAsTheyWere) {
  port66 &f = form();
  type("5");
  for (const std::string &text :
       std::vector<std::string>{"1e999", "-1e20", "-3e9", std::string(10000, '1')}) {
    type(text);
    EXPECT_EQ(f.Text9.text(), text);
    EXPECT_EQ(lowerPins() + upperPins(), "1010000000000000") << text;
    EXPECT_EQ(readings(), "5 FA 250") << text;
  }
  type(std::string(9999, '0') + "7");
  EXPECT_EQ(f.Text9.text(), "7");
  type(std::string(10000, 'a'));
  EXPECT_EQ(f.Text9.text(), "0");
  type(std::string(10000, '9'));
  EXPECT_EQ(f.Text9.text(), std::string(10000, '9')); // beyond a Double
  type(std::string(300, '9'));
  EXPECT_EQ(f.Text9.text(), "0");
}

// Every rewrite of the value box reads back as the number it wrote, so its
// change procedure nests once at most, whatever was typed.
TEST_F(Port66Test, ValueBoxRewritesSettleAtOnce) {
  port66 &f = form();
  const std::function<void()> original = f.Text9.onChange;
  int depth = 0;
  int deepest = 0;
  f.Text9.onChange = [&] {
    struct Nesting {
      int &depth;
      ~Nesting() { --depth; }
    } nesting{++depth};
    deepest = std::max(deepest, depth);
    original();
  };
  const std::vector<std::string> texts{"012",
                                       "1e-320",
                                       "4.9e-324",
                                       "0.1",
                                       "0.333333333333333333",
                                       "-0",
                                       "1.5e-7",
                                       "255.99999999999999",
                                       "255.5",
                                       "-255.5",
                                       "&HFF",
                                       "&H100",
                                       "  7  ",
                                       "1 2",
                                       "1d2",
                                       "-2147483648",
                                       "-2147483649",
                                       ".",
                                       "-",
                                       "300x",
                                       "65535.4",
                                       "65535.5",
                                       std::string(5000, ' ')};
  for (const std::string &text : texts) {
    for (int bits16 : {0, 1}) {
      deepest = 0;
      f.Check1.setValue(bits16);
      type(text);
      EXPECT_LE(deepest, 2) << text;
      const double n = Val(f.Text9.text());
      if (n < 256) {
        EXPECT_EQ(f.Text9.text(), CStr(n)) << text;
      }
    }
  }
  deepest = 0;
  type("300");
  f.Check1.userClicked();
  EXPECT_EQ(deepest, 1);
  f.Text1.userClicked();
  EXPECT_EQ(f.Text9.text(), "45");
  EXPECT_EQ(readings(), "2D D2 210");
}

TEST_F(Port66Test, InfoShowsHelpAndASecondPressBringsTheNotesBack) {
  port66 &f = form();
  f.Text10.userEdited("LED a", 5);
  f.Text16.userEdited("relay", 5);
  f.Text17.userEdited("spare", 5);
  f.Command13.userClicked();
  EXPECT_EQ(f.inf, 1);
  const std::vector<const forms::TextBox *> lines{&f.Text10, &f.Text11, &f.Text12, &f.Text13,
                                                  &f.Text14, &f.Text15, &f.Text16};
  for (std::size_t row = 0; row < lines.size(); ++row) {
    EXPECT_EQ(lines[row]->text(), port66::infoLines.at(row));
    EXPECT_GT(std::strlen(port66::infoLines.at(row)), 0U);
    EXPECT_EQ(std::strchr(port66::infoLines.at(row), '@'), nullptr);
  }
  EXPECT_EQ(f.Text17.text(), "");

  f.Text11.userEdited("typed over the help", 19); // lost on the second press
  f.Command13.userClicked();
  EXPECT_EQ(f.inf, 0);
  EXPECT_EQ(f.Text10.text(), "LED a");
  EXPECT_EQ(f.Text11.text(), "");
  EXPECT_EQ(f.Text16.text(), "relay");
  EXPECT_EQ(f.Text17.text(), "spare");
}

TEST_F(Port66Test, CalcKeepsTheMainWindowOtherWaysOutCloseIt) {
  registry.show("vexlo");
  form().Command1.userClicked();
  EXPECT_TRUE(registry.isOpen("vexlo"));
  EXPECT_FALSE(registry.isOpen("port66"));
  EXPECT_EQ(form().cx1r, 0);

  const std::vector<std::pair<const char *, forms::Button port66::*>> exits{
      {"port6", &port66::Command3}, {"wavo6", &port66::Command4}, {"ct6", &port66::Command7}};
  for (const auto &[target, button] : exits) {
    registry.show("vexlo");
    registry.show("port66");
    (form().*button).userClicked();
    EXPECT_TRUE(registry.isOpen(target)) << target;
    EXPECT_FALSE(registry.isOpen("port66")) << target;
    EXPECT_FALSE(registry.isOpen("vexlo")) << target;
    registry.close(target);
  }

  registry.show("vexlo");
  registry.show("port66");
  registry.close("port66");
  EXPECT_FALSE(registry.isOpen("vexlo"));
}

} // namespace
} // namespace vx::test
