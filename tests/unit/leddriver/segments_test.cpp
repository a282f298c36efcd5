// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "port6_fixture.h"

#include <string_view>

namespace vx::test {
namespace {

// Each character with the segments it lights, as a person reads them off
// the digit.
struct Lit {
  const char *text;
  std::string_view segments;
};

constexpr Lit characters[] = {
    {"0", "abcdef"}, {"1", "ab"},     {"2", "acdfg"},   {"3", "abcfg"},   {"4", "abeg"},
    {"5", "bcefg"},  {"6", "bcdefg"}, {"7", "abf"},     {"8", "abcdefg"}, {"9", "abcefg"},
    {"a", "abcdfg"}, {"b", "bcdeg"},  {"c", "cdg"},     {"d", "abcdg"},   {"e", "acdefg"},
    {"f", "defg"},   {"g", "abcefg"}, {"h", "bdeg"},    {"i", "b"},       {"j", "abcd"},
    {"k", "g"},      {"l", "ab"},     {"m", "g"},       {"n", "bdg"},     {"o", "bcdg"},
    {"p", "adefg"},  {"q", "abefg"},  {"r", "dg"},      {"s", "bcefg"},   {"t", "cdeg"},
    {"u", "bcd"},    {"v", "bcd"},    {"w", "g"},       {"x", "g"},       {"y", "abceg"},
    {"z", "g"},      {"A", "abdefg"}, {"B", "abcdefg"}, {"C", "cdef"},    {"D", "g"},
    {"E", "cdefg"},  {"F", "defg"},   {"G", "bcdef"},   {"H", "abdeg"},   {"I", "ab"},
    {"J", "abcd"},   {"K", "g"},      {"L", "cde"},     {"M", "g"},       {"N", "abdef"},
    {"O", "abcdef"}, {"P", "adefg"},  {"Q", "abefg"},   {"R", "def"},     {"S", "bcefg"},
    {"T", "cdeg"},   {"U", "abcde"},  {"V", "abcde"},   {"W", "g"},       {"X", "g"},
    {"Y", "abceg"},  {"Z", "g"},      {"'", "a"},       {"?", "adfg"},    {"=", "cg"},
    {"-", "g"},      {"_", "c"},      {"]", "abcf"},    {")", "abcf"},    {"[", "cdef"},
    {"(", "cdef"},
};

std::string glyphOf(std::string_view segments) {
  int pattern = 0;
  for (const char segment : segments) {
    pattern += 1 << (segment - 'a');
  }
  return "led" + std::to_string(pattern);
}

// The pin states a pattern gives when pin i drives segment letters[i].
std::string pinsFor(std::string_view segments, const std::array<const char *, 8> &letters,
                    bool pulldown) {
  std::string states;
  for (const char *letter : letters) {
    const bool lit = segments.find(letter[0]) != std::string_view::npos;
    states += std::string(states.empty() ? "" : " ") + ((lit != pulldown) ? "1" : "0");
  }
  return states;
}

TEST_F(Port6Test, EveryCharacterLightsItsSegmentsThroughTheLetters) {
  const std::array<const char *, 8> standard{"a", "b", "c", "d", "e", "f", "g", "h"};
  const std::array<const char *, 8> rewired{"g", "e", "h", "a", "c", "f", "b", "d"};
  for (const auto &letters : {standard, rewired}) {
    for (const bool pulldown : {false, true}) {
      port6 &f = form();
      if (pulldown != (f.updn == 1)) {
        f.Command14.userClicked();
      }
      setLetters(letters);
      for (const Lit &character : characters) {
        f.Text27.userEdited("", 0);
        typeCharacters(character.text);
        const std::string where =
            std::string(character.text) + (pulldown ? " pulldn " : " pullup ") + letters[0];
        EXPECT_EQ(pinStates(), pinsFor(character.segments, letters, pulldown)) << where;
        EXPECT_EQ(f.Image1.picture(), glyphOf(character.segments)) << where;
        EXPECT_EQ(f.Image2.picture(), "ledp") << where;
      }
    }
  }
}

TEST_F(Port6Test, OtherTextsGiveABlankDigit) {
  port6 &f = form();
  for (const std::string &text : std::initializer_list<std::string>{
           " ", ".", "+", "AB", "88", "\xc3\xa9", std::string(1000, '8')}) {
    typeCharacters("8");
    f.Text27.userEdited("", 0);
    typeCharacters(text);
    EXPECT_EQ(f.Text9.text(), "0") << text;
    EXPECT_EQ(f.Image1.picture(), "led0") << text;
  }
  f.Command14.userClicked();
  f.Text27.userEdited("", 0);
  typeCharacters("AB");
  EXPECT_EQ(f.Text9.text(), "255");
  EXPECT_EQ(f.Image1.picture(), "led0");

  // Shift and any key after the character look the whole text up again,
  // complemented once.
  f.Text27.userEdited("", 0);
  typeCharacters("2");
  pressKey(keyShift);
  EXPECT_EQ(f.Text9.text(), "146");
}

// Read back through the letters, the weights of two pins on segment a add
// up to segment b.
TEST_F(Port6Test, TwoPinsOnOneSegmentBothFollowIt) {
  port6 &f = form();
  setLetters({"a", "a", "c", "d", "e", "f", "g", "h"});
  typeCharacters("'");
  EXPECT_EQ(f.Text9.text(), "3");
  EXPECT_EQ(f.Image1.picture(), "led2");
  EXPECT_EQ(f.Text11.text(), port6::warningMark);
}

TEST_F(Port6Test, SegmentButtonsToggleOneSegment) {
  port6 &f = form();
  // Each button its own segment, through rewired letters.
  setLetters({"h", "g", "f", "e", "d", "c", "b", "a"});
  for (std::size_t segment = 0; segment < f.segmentButtons.size(); ++segment) {
    f.segmentButtons[segment]->userClicked();
    EXPECT_EQ(f.Text9.text(), std::to_string(128 >> segment)) << segment;
    EXPECT_EQ(f.Image2.picture(), segment == 7 ? "leddp" : "ledp") << segment;
    f.segmentButtons[segment]->userClicked();
    EXPECT_EQ(f.Text9.text(), "0") << segment;
  }

  // In pull-down mode a button still toggles its segment; its pin goes low.
  setLetters({"a", "b", "c", "d", "e", "f", "g", "h"});
  f.Command14.userClicked();
  EXPECT_EQ(f.Image1.picture(), "led127");
  f.Command11.userClicked();
  EXPECT_EQ(f.Image1.picture(), "led63");
  EXPECT_EQ(f.Image2.picture(), "leddp");
  EXPECT_EQ(f.Text9.text(), "64");
  f.Command6.userClicked();
  EXPECT_EQ(f.Image1.picture(), "led61");
  EXPECT_EQ(f.Text9.text(), "66");
}

// The mode outlives a close; the button shows its design again.
TEST_F(Port6Test, DriveModeOutlivesAClose) {
  port6 &f = form();
  f.Command14.userClicked();
  typeCharacters("8");
  pressKey(keyEnter);
  registry.close("port6");
  registry.show("port6");
  EXPECT_EQ(form().Command14.caption(), "pullup");
  EXPECT_EQ(form().updn, 1);
  EXPECT_EQ(form().Image18.picture(), "led0");
  EXPECT_EQ(form().s18, 0);
  typeCharacters("2");
  EXPECT_EQ(form().Text9.text(), "146");
}

} // namespace
} // namespace vx::test
