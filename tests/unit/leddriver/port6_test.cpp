// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The LED window's value rules as tables: the segments each character
// lights, the pins and buttons wired to each segment, and what a value
// typed into the port box gives on the pins.

#include "forms/registry.h"
#include "leddriver/port6.h"
#include "unit/open_window.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace vx::test {
namespace {

using Letters = std::array<const char *, 8>;

struct Window {
  forms::Registry registry;
  port6 &f = openWindow<port6>(registry, "port6");

  void setLetters(const Letters &letters) {
    const std::array<forms::TextBox *, 8> boxes{&f.Text18, &f.Text19, &f.Text20, &f.Text21,
                                                &f.Text22, &f.Text23, &f.Text24, &f.Text25};
    for (std::size_t pin = 0; pin < boxes.size(); ++pin) {
      boxes[pin]->userEdited(letters[pin], 1);
    }
  }
  // The whole text of the character box looked up, as its next key does.
  void enter(const std::string &text) {
    f.Text27.userEdited(text, static_cast<int>(text.size()));
    int key = 'Q';
    f.Text27.userKeyDown(key, 0);
  }
  void type(const std::string &text) { f.Text9.userEdited(text, static_cast<int>(text.size())); }
  // Pin 0 first.
  std::string pins() const {
    std::string texts;
    for (const forms::TextBox *pin :
         {&f.Text1, &f.Text2, &f.Text3, &f.Text4, &f.Text5, &f.Text6, &f.Text7, &f.Text8}) {
      texts += pin->text();
    }
    return texts;
  }
  // The big digit and its decimal point.
  std::string digit() const { return f.Image1.picture() + " " + f.Image2.picture(); }
};

// The glyph of lit segments: a weighs 1, b 2, c 4 ... g 64.
std::string glyph(std::string_view segments) {
  int pattern = 0;
  for (const char segment : segments) {
    pattern += 1 << (segment - 'a');
  }
  return "led" + std::to_string(pattern);
}

struct Character {
  const char *text;
  std::string_view lit;
};

// Each character with the segments it lights, as read off the digit: a
// upper right, b lower right, c bottom, d lower left, e upper left, f top,
// g middle. Texts the table does not know give a blank digit.
constexpr Character characters[] = {
    {"", ""},         {"0", "abcdef"}, {"1", "ab"},     {"2", "acdfg"},   {"3", "abcfg"},
    {"4", "abeg"},    {"5", "bcefg"},  {"6", "bcdefg"}, {"7", "abf"},     {"8", "abcdefg"},
    {"9", "abcefg"},  {"a", "abcdfg"}, {"b", "bcdeg"},  {"c", "cdg"},     {"d", "abcdg"},
    {"e", "acdefg"},  {"f", "defg"},   {"g", "abcefg"}, {"h", "bdeg"},    {"i", "b"},
    {"j", "abcd"},    {"k", "g"},      {"l", "ab"},     {"m", "g"},       {"n", "bdg"},
    {"o", "bcdg"},    {"p", "adefg"},  {"q", "abefg"},  {"r", "dg"},      {"s", "bcefg"},
    {"t", "cdeg"},    {"u", "bcd"},    {"v", "bcd"},    {"w", "g"},       {"x", "g"},
    {"y", "abceg"},   {"z", "g"},      {"A", "abdefg"}, {"B", "abcdefg"}, {"C", "cdef"},
    {"D", "g"},       {"E", "cdefg"},  {"F", "defg"},   {"G", "bcdef"},   {"H", "abdeg"},
    {"I", "ab"},      {"J", "abcd"},   {"K", "g"},      {"L", "cde"},     {"M", "g"},
    {"N", "abdef"},   {"O", "abcdef"}, {"P", "adefg"},  {"Q", "abefg"},   {"R", "def"},
    {"S", "bcefg"},   {"T", "cdeg"},   {"U", "abcde"},  {"V", "abcde"},   {"W", "g"},
    {"X", "g"},       {"Y", "abceg"},  {"Z", "g"},      {"'", "a"},       {"?", "adfg"},
    {"=", "cg"},      {"-", "g"},      {"_", "c"},      {"]", "abcf"},    {")", "abcf"},
    {"[", "cdef"},    {"(", "cdef"},   {" ", ""},       {".", ""},        {"+", ""},
    {"\xc3\xa9", ""}, {"AB", ""},      {"88", ""},      {"1 ", ""},       {"o0", ""},
};

// The pins a character needs: those whose letter names a lit segment, or
// in pull-down wiring the others.
std::string pinsFor(std::string_view lit, const Letters &letters, bool pulldown) {
  std::string states;
  for (const char *letter : letters) {
    const bool on = lit.find(letter[0]) != lit.npos;
    states += on != pulldown ? '1' : '0';
  }
  return states;
}

TEST(Port6, EveryCharacterLightsItsSegmentsThroughTheLettersInEitherWiring) {
  for (const Letters &letters : {Letters{"a", "b", "c", "d", "e", "f", "g", "h"},
                                 Letters{"g", "e", "h", "a", "c", "f", "b", "d"}}) {
    for (const bool pulldown : {false, true}) {
      Window w;
      if (pulldown) {
        w.f.Command14.userClicked();
      }
      w.setLetters(letters);
      for (const Character &c : characters) {
        w.enter(c.text);
        const std::string where =
            std::string(c.text) + (pulldown ? " pulldn " : " pullup ") + letters[0];
        EXPECT_EQ(w.pins(), pinsFor(c.lit, letters, pulldown)) << where;
        EXPECT_EQ(w.digit(), glyph(c.lit) + " ledp") << where;
      }
    }
  }
}

// Pin i weighs 2 to the power i and lights the segment of its letter,
// here the i-th; the segment buttons a to h light the same one each.
TEST(Port6, PinsAndSegmentButtonsAreWiredToTheirSegments) {
  Window w;
  using Pin = forms::TextBox port6::*;
  const Pin pins[] = {&port6::Text1, &port6::Text2, &port6::Text3, &port6::Text4,
                      &port6::Text5, &port6::Text6, &port6::Text7, &port6::Text8};
  using Button = forms::Button port6::*;
  const Button buttons[] = {&port6::Command5,  &port6::Command6, &port6::Command7,
                            &port6::Command8,  &port6::Command9, &port6::Command10,
                            &port6::Command11, &port6::Command12};
  const char *lit[] = {"led1 ledp",  "led2 ledp",  "led4 ledp",  "led8 ledp",
                       "led16 ledp", "led32 ledp", "led64 ledp", "led0 leddp"};
  for (std::size_t i = 0; i < std::size(pins); ++i) {
    for (const bool byButton : {false, true}) {
      const auto click = [&] {
        byButton ? (w.f.*buttons[i]).userClicked() : (w.f.*pins[i]).userClicked();
      };
      click();
      EXPECT_EQ(w.f.Text9.text(), std::to_string(1 << i)) << i;
      EXPECT_EQ(w.f.Label_de.caption(), std::to_string(255 - (1 << i))) << i;
      EXPECT_EQ(w.digit(), lit[i]) << i;
      click();
      EXPECT_EQ(w.f.Text9.text(), "0") << i;
    }
  }
  // Letters are whole lower-case texts: ab passes the check as a but
  // drives nothing, and neither does A.
  for (const auto &[letter, warned] : {std::pair{"ab", false}, std::pair{"A", true}}) {
    w.setLetters({letter, "b", "c", "d", "e", "f", "g", "h"});
    w.f.Text1.userClicked();
    EXPECT_EQ(w.digit(), "led0 ledp") << letter;
    EXPECT_EQ(w.f.Text11.text() == "Check segment assignments", warned) << letter;
    w.f.Text1.userClicked();
  }
}

struct Typed {
  const char *before;
  const char *typed;
  const char *shown;
  const char *pins;
  const char *pulldown;
  const char *digit;
};

// Whole numbers are taken half to even; 256 and more, and a value whose
// bits fail beyond 32 bits, leave the window as it was.
constexpr Typed typedValues[] = {
    {"", "255", "255", "11111111", "0", "led127 leddp"},
    {"5", "256", "256", "10100000", "250", "led5 ledp"},
    {"", "255.5", "255.5", "00000000", "-0.5", "led0 ledp"},
    {"", "07", "7", "11100000", "248", "led7 ledp"},
    {"12", "k", "0", "00000000", "255", "led0 ledp"},
    {"", "2.5", "2.5", "01000000", "252.5", "led2 ledp"},
    {"", "3.5", "3.5", "00100000", "251.5", "led4 ledp"},
    {"5", "-3", "-3", "-1-1000000", "258", "led5 ledp"},
    {"5", "-2147483648", "-2147483648", "00000000", "2147483903", "led0 ledp"},
    {"5", "-2147483649", "-2147483649", "10100000", "250", "led5 ledp"},
    {"5", "1e999", "1e999", "10100000", "250", "led5 ledp"},
};

TEST(Port6, TypedValuesSetThePins) {
  for (const Typed &row : typedValues) {
    SCOPED_TRACE(std::string(row.before) + " then " + row.typed);
    Window w;
    w.type(row.before);
    w.type(row.typed);
    EXPECT_EQ(w.f.Text9.text(), row.shown);
    EXPECT_EQ(w.f.Text9.selStart(), static_cast<int>(std::string_view(row.shown).size()));
    EXPECT_EQ(w.pins(), row.pins);
    EXPECT_EQ(w.f.Label_de.caption(), row.pulldown);
    EXPECT_EQ(w.digit(), row.digit);
  }
}

} // namespace
} // namespace vx::test
