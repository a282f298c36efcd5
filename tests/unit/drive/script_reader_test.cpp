// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The driver's script lines as read: each command with its window, control,
// property, text and number; JSON texts with their escapes, UTF-8 at each
// length boundary; lines that are no command; and the refusals.

#include "tools/json_text.h"
#include "tools/script.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <variant>

namespace vx::drive {
namespace {

using namespace std::string_literals;

// A command as "verb window/control/property [text] number", a refusal as
// "! reason", no command as "".
std::string reading(std::string_view line) {
  const ReadLine read = readLine(line);
  if (!read) {
    return "";
  }
  if (const auto *refusal = std::get_if<Refusal>(&*read)) {
    return "! " + refusal->reason;
  }
  constexpr std::array<const char *, 14> verbs{"show", "close", "click",      "focus", "caret",
                                               "type", "paste", "key",        "tick",  "wait",
                                               "get",  "var",   "screenshot", "echo"};
  const auto &c = std::get<Command>(*read);
  return std::string(verbs.at(static_cast<std::size_t>(c.verb))) + " " + c.target.window + "/" +
         c.target.control + "/" + c.target.property + " [" + c.text + "] " +
         std::to_string(c.number);
}

TEST(ScriptReader, EveryLineReadsAsItsCommandOrRefusal) {
  const std::string noText = "! TEXT must be one JSON string literal, such as \"12\"";
  const std::pair<std::string, std::string> lines[] = {
      {"show vexlo", "show vexlo// [] 0"},
      {"click vexlo.Command3", "click vexlo/Command3/ [] 0"},
      {"caret wavo6.Textv 0", "caret wavo6/Textv/ [] 0"},
      {"caret wavo6.Textv 3", "caret wavo6/Textv/ [] 3"},
      {R"(type vexlo.Text1 "12")", "type vexlo/Text1/ [12] 0"},
      {R"(paste port66.Text9 " a  b ")", "paste port66/Text9/ [ a  b ] 0"},
      {"key vexlo 13", "key vexlo// [] 13"},
      {"wait 600", "wait // [] 600"},
      {"get Form_1.Text_2.caret", "get Form_1/Text_2/caret [] 0"},
      {R"(screenshot vexlo "a b.png")", "screenshot vexlo// [a b.png] 0"},
      {"screenshot vexlo shot.png", "screenshot vexlo// [shot.png] 0"},
      // Blanks and tabs around the words, a Windows line end.
      {"  \tclick\t vexlo.Command3 \t", "click vexlo/Command3/ [] 0"},
      {"key vexlo 46\r", "key vexlo// [] 46"},
      // echo keeps the rest of the line after its one blank as it stands.
      {"echo  two blanks ", "echo // [ two blanks ] 0"},
      {"echo\tx", "echo // [x] 0"},
      {R"(echo # "not" \u0041)", R"(echo // [# "not" \u0041] 0)"},
      {"echo ends\r", "echo // [ends] 0"},
      {"", ""},
      {" \t\r", ""},
      {"# show vexlo", ""},
      {"jump vexlo", "! unknown command \"jump\""},
      {"show", "! a window or control is missing"},
      {"show vexlo.Text1", "! \"vexlo.Text1\" is not a window name"},
      {"click vexlo", "! \"vexlo\" is not a window.control name"},
      {"get a.b.c.d", "! \"a.b.c.d\" is not a window.control name"},
      {"click vex-lo.Text1", "! \"vex-lo.Text1\" is not a window.control name"},
      {"show vexlo extra", "! unexpected \"extra\" after vexlo"},
      {"caret vexlo.Text1 -1", "! caret takes a position, a whole number from 0"},
      {"key vexlo 1.5", "! key takes a virtual-key code, a whole number"},
      {"wait 1s", "! wait takes a whole number of milliseconds"},
      {"screenshot vexlo", "! screenshot needs a file name"},
      {"type vexlo.Text1 12", noText},
      {R"(type vexlo.Text1 "12" "3")", noText},
      // Every escape; \u on both sides of each UTF-8 length; UTF-8 as it stands.
      {R"(type W.C "\"\\\/\b\f\n\r\t")", "type W/C/ [\"\\/\b\f\n\r\t] 0"},
      {R"(type W.C "\u0041\u0000\u007F")", "type W/C/ [A\0\x7F] 0"s},
      {R"(type W.C "\u0080\u07ff\u0800\uFFFF")",
       "type W/C/ [\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF] 0"},
      {R"(type W.C "\uD800\uDC00\uDBFF\uDFFF")", "type W/C/ [\xF0\x90\x80\x80\xF4\x8F\xBF\xBF] 0"},
      {"type W.C \"\xC3\xA9\xE2\x82\xAC\"", "type W/C/ [\xC3\xA9\xE2\x82\xAC] 0"},
      {R"(type W.C "\uD800")", noText},
      {R"(type W.C "\uDC00")", noText},
      {R"(type W.C "\x41")", noText},
      {"type W.C \"tab\there\"", noText},
      {R"(type W.C "open)", noText},
  };
  for (const auto &[line, read] : lines) {
    EXPECT_EQ(reading(line), read) << line;
  }
}

// Quoted texts read back as they were; control characters as \u escapes.
TEST(JsonText, QuotedTextsReadBackUnchanged) {
  EXPECT_EQ(quoteJson("\x7F\x01 \"V\\"), R"("\u007f\u0001 \"V\\")");
  for (const std::string text : {"a\"b\\c\x7F\x01\x1F", "\xE2\x82\xAC \xF0\x9F\x98\x80", ""}) {
    EXPECT_EQ(parseJsonString(quoteJson(text)).value().value, text);
  }
}

} // namespace
} // namespace vx::drive
