// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "port6_fixture.h"

#include "runtime/text_rules.h"

namespace vx::test {
namespace {

// The value box's own change procedure runs again inside itself when it
// rewrites the text; it must settle on the rewritten text.
TEST_F(Port6Test, TheValueIsRewrittenInItsCanonicalForm) {
  port6 &f = form();
  typeValue("");
  EXPECT_EQ(f.Text9.text(), "0");
  EXPECT_EQ(f.Label_de.caption(), "255");
  typeValue("12");
  typeValue("k");
  EXPECT_EQ(f.Text9.text(), "0");
  EXPECT_EQ(pinStates(), "0 0 0 0 0 0 0 0");
  typeValue(".5");
  EXPECT_EQ(f.Text9.text(), "0.5");
  EXPECT_EQ(f.Text9.selStart(), 3);

  // A negative pattern has no glyph: the digit keeps its picture, and a
  // click brings a -1 pin back to 0.
  typeValue("5");
  typeValue("-3");
  EXPECT_EQ(pinStates(), "-1 -1 0 0 0 0 0 0");
  EXPECT_EQ(f.Image1.picture(), "led5");
  f.Text1.userClicked();
  EXPECT_EQ(f.Text1.text(), "0");
  EXPECT_EQ(f.Text9.text(), "0");
}

// Each pin box is wired to its own bit: a click sets exactly that bit of
// the value, and a second click clears it.
TEST_F(Port6Test, EveryPinFlipsItsOwnBit) {
  port6 &f = form();
  const std::array<forms::TextBox *, 8> pins{&f.Text1, &f.Text2, &f.Text3, &f.Text4,
                                             &f.Text5, &f.Text6, &f.Text7, &f.Text8};
  for (std::size_t bit = 0; bit < pins.size(); ++bit) {
    for (const char *state : {"1", "0"}) {
      pins[bit]->userClicked();
      std::string states;
      for (const forms::TextBox *pin : pins) {
        states += pin->text();
      }
      std::string expected(pins.size(), '0');
      expected[bit] = state[0];
      EXPECT_EQ(states, expected) << pins[bit]->name();
      EXPECT_EQ(f.Text9.text(), state[0] == '1' ? std::to_string(1U << bit) : "0")
          << pins[bit]->name();
    }
  }
}

TEST_F(Port6Test, BadValuesNeverCorruptThePins) {
  port6 &f = form();
  typeValue("5");
  for (const std::string &text :
       {std::string("-1e20"), std::string(10000, '9'), std::string("-99999999999")}) {
    typeValue(text);
    EXPECT_EQ(f.Text9.text(), text);
    EXPECT_EQ(pinStates(), "1 0 1 0 0 0 0 0");
    EXPECT_EQ(f.Label_de.caption(), "250");
    EXPECT_EQ(f.Image1.picture(), "led5");
  }
  typeValue(std::string(10000, 'x'));
  EXPECT_EQ(f.Text9.text(), "0");
  typeValue(std::string(5000, ' ') + "12");
  EXPECT_EQ(f.Text9.text(), "12");
  EXPECT_EQ(pinStates(), "0 0 1 1 0 0 0 0");
}

TEST_F(Port6Test, TheAssignmentCheckPassesOnTheSumOfTheLetters) {
  port6 &f = form();
  // Three b and neither a nor c add up like a to h.
  setLetters({"b", "b", "b", "d", "e", "f", "g", "h"});
  f.Text1.userClicked();
  EXPECT_EQ(notesText(), "||||||||");
  // An emptied box turns into a blank at the check, and a to g with one
  // blank pass.
  setLetters({"a", "b", "c", "d", "e", "f", "g", ""});
  f.Text1.userClicked();
  EXPECT_EQ(f.Text25.text(), " ");
  EXPECT_EQ(f.Text11.text(), "");

  typeNotes("note ");
  setLetters({"a", "b", "c", "d", "e", "f", " ", ""});
  f.Text1.userClicked();
  EXPECT_EQ(f.Text11.text(), port6::warningMark);
  EXPECT_EQ(f.Text10.text(), "note 0");
  EXPECT_EQ(f.Text17.text(), "note 7");
  // Still wrong: the notes come back and the warning is written again.
  typeValue("9");
  EXPECT_EQ(f.Text11.text(), port6::warningMark);
  // Put right: the next change of the value brings the notes back.
  setLetters({"a", "b", "c", "d", "e", "f", "g", "h"});
  typeValue("10");
  EXPECT_EQ(notesText(), "note 0|note 1|note 2|note 3|note 4|note 5|note 6|note 7|");
}

TEST_F(Port6Test, ForeignLetterTextsNeverStopThePins) {
  port6 &f = form();
  // "ab" counts as a for the check but drives no segment.
  setLetters({"ab", "b", "c", "d", "e", "f", "g", "h"});
  f.Text1.userClicked();
  EXPECT_EQ(f.Text9.text(), "1");
  EXPECT_EQ(f.Image1.picture(), "led0");
  EXPECT_EQ(f.Text11.text(), "");
  // A character beyond the 16-bit codes fails the check; the pins and the
  // value are already shown by then.
  setLetters({"\xef\xbc\xa1", "\xc3\xa9", "c", "d", "e", "f", "g", "h"});
  f.Text2.userClicked();
  EXPECT_EQ(f.Text9.text(), "3");
  EXPECT_EQ(f.Label_de.caption(), "252");
  setLetters({"\xc3\xa9", "b", "c", "d", "e", "f", "g", "h"});
  f.Text3.userClicked();
  EXPECT_EQ(f.Text9.text(), "7");
  EXPECT_EQ(f.Text11.text(), port6::warningMark);
}

// Taking a character back and Info keep the notes aside; while the
// warning shows they must keep the notes, not the warning, or the warning
// would stay after the letters are put right.
TEST_F(Port6Test, TheWarningNeverReplacesTheKeptNotes) {
  port6 &f = form();
  typeNotes("n");
  const std::string notes = notesText();
  for (forms::Button *disturbance : {&f.Command3, &f.Command13}) {
    setLetters({"a", "a", "c", "d", "e", "f", "g", "h"});
    f.Text1.userClicked();
    EXPECT_EQ(f.Text11.text(), port6::warningMark);
    EXPECT_EQ(f.Text10.text(), "n0");
    disturbance->userClicked();
    disturbance->userClicked();
    setLetters({"a", "b", "c", "d", "e", "f", "g", "h"});
    f.Text1.userClicked();
    EXPECT_EQ(notesText(), notes) << disturbance->name();
  }

  // The port may change while Info shows; the notes still come back
  // afterwards, not the message.
  f.Command13.userClicked();
  f.Text4.userClicked();
  f.Command3.userClicked();
  f.Command13.userClicked();
  EXPECT_EQ(notesText(), notes);
}

TEST_F(Port6Test, ClearKeepsTheLettersUnlessTheWarningShows) {
  port6 &f = form();
  setLetters({"b", "a", "c", "d", "e", "f", "g", "h"});
  typeCharacters("8");
  pressKey(keyEnter);
  typeNotes("n");
  f.Command2.userClicked();
  EXPECT_EQ(f.Text18.text(), "b");
  EXPECT_EQ(pinStates(), "0 0 0 0 0 0 0 0");
  EXPECT_EQ(notesText(), "||||||||");
  EXPECT_EQ(f.Image18.picture(), "led0");
  EXPECT_EQ(f.s18, 0);

  setLetters({"x", "a", "c", "d", "e", "f", "g", "h"});
  typeCharacters("1");
  EXPECT_EQ(f.Text11.text(), port6::warningMark);
  f.Command2.userClicked();
  EXPECT_EQ(f.Text18.text(), "a");
  EXPECT_EQ(f.Text27.text(), "");
}

TEST_F(Port6Test, TheCloseBoxTakesTheCalculatorAlong) {
  registry.close("port6");
  EXPECT_FALSE(registry.isOpen("vexlo"));
}

} // namespace
} // namespace vx::test
