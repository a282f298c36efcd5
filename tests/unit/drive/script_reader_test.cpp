// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The driver's script language as read, line by line: every command with
// its target and argument, JSON texts with every escape (UTF-8 at each
// encoding boundary, surrogate pairs), the lines that are no command, and
// the refusals.

#include "tools/json_text.h"
#include "tools/script.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

namespace vx::drive {
namespace {

struct Read {
  const char *line;
  Verb verb;
  const char *window;
  const char *control;
  const char *property;
  std::string text;
  long long number;
};

const Command &command(const ReadLine &read) {
  return std::get<Command>(*read);
}

TEST(ScriptReader, EveryCommandWithItsTargetAndArgument) {
  const std::vector<Read> cases = {
      {"show vexlo", Verb::Show, "vexlo", "", "", "", 0},
      {"close ct6", Verb::Close, "ct6", "", "", "", 0},
      {"click vexlo.Command3", Verb::Click, "vexlo", "Command3", "", "", 0},
      {"focus wavo6.Textv", Verb::Focus, "wavo6", "Textv", "", "", 0},
      {"caret wavo6.Textv 3", Verb::Caret, "wavo6", "Textv", "", "", 3},
      {"caret wavo6.Textv 0", Verb::Caret, "wavo6", "Textv", "", "", 0},
      {R"(type vexlo.Text1 "12")", Verb::Type, "vexlo", "Text1", "", "12", 0},
      {R"(type vexlo.Text1 "")", Verb::Type, "vexlo", "Text1", "", "", 0},
      {R"(paste port66.Text9 " a  b ")", Verb::Paste, "port66", "Text9", "", " a  b ", 0},
      {"key vexlo 13", Verb::Key, "vexlo", "", "", "", 13},
      {"tick wavo6", Verb::Tick, "wavo6", "", "", "", 0},
      {"wait 600", Verb::Wait, "", "", "", "", 600},
      {"wait 0", Verb::Wait, "", "", "", "", 0},
      {"get vexlo.answer", Verb::Get, "vexlo", "answer", "", "", 0},
      {"get vexlo.answer.tooltip", Verb::Get, "vexlo", "answer", "tooltip", "", 0},
      {"get port6.open", Verb::Get, "port6", "open", "", "", 0},
      {"var wavo6.tempvc", Verb::Var, "wavo6", "tempvc", "", "", 0},
      {R"(screenshot vexlo "a b.png")", Verb::Screenshot, "vexlo", "", "", "a b.png", 0},
      {"screenshot vexlo shot.png", Verb::Screenshot, "vexlo", "", "", "shot.png", 0},
      // Blanks and tabs around the words, and a Windows line end.
      {"  \tclick\t vexlo.Command3 \t", Verb::Click, "vexlo", "Command3", "", "", 0},
      {"key vexlo 46\r", Verb::Key, "vexlo", "", "", "", 46},
      {R"(type   vexlo.Text1    "x"   )", Verb::Type, "vexlo", "Text1", "", "x", 0},
      {"get Form_1.Text_2.caret", Verb::Get, "Form_1", "Text_2", "caret", "", 0},
  };
  for (const Read &c : cases) {
    SCOPED_TRACE(c.line);
    const ReadLine read = readLine(c.line);
    ASSERT_TRUE(read.has_value());
    ASSERT_TRUE(std::holds_alternative<Command>(*read)) << std::get<Refusal>(*read).reason;
    const Command &got = command(read);
    EXPECT_EQ(got.verb, c.verb);
    EXPECT_EQ(got.target.window, c.window);
    EXPECT_EQ(got.target.control, c.control);
    EXPECT_EQ(got.target.property, c.property);
    EXPECT_EQ(got.text, c.text);
    EXPECT_EQ(got.number, c.number);
  }
  EXPECT_EQ(command(readLine("get vexlo.answer.tooltip")).target.written, "vexlo.answer.tooltip");
}

// echo prints the rest of the line as it stands: after the one blank that
// ends the word, every further blank is kept, and so is a # or a quote.
TEST(ScriptReader, EchoKeepsTheRestOfTheLineAsItStands) {
  const std::vector<std::pair<const char *, const char *>> cases = {
      {"echo hello", "hello"},
      {"echo  two blanks ", " two blanks "},
      {"echo", ""},
      {"echo ", ""},
      {"   echo x", "x"},
      {"echo\tx", "x"},
      {"echo # not a comment", "# not a comment"},
      {R"(echo "quoted" \u0041)", R"("quoted" \u0041)"},
      {"echo echo", "echo"},
      {"echo ends\r", "ends"},
  };
  for (const auto &[line, text] : cases) {
    SCOPED_TRACE(line);
    const ReadLine read = readLine(line);
    ASSERT_TRUE(read.has_value());
    ASSERT_TRUE(std::holds_alternative<Command>(*read));
    EXPECT_EQ(command(read).verb, Verb::Echo);
    EXPECT_EQ(command(read).text, text);
  }
}

TEST(ScriptReader, BlankLinesAndCommentsAreNoCommand) {
  for (const char *line : {"", "   ", "\t", "\r", "# a comment", "   # indented", "#show vexlo"}) {
    SCOPED_TRACE(line);
    EXPECT_FALSE(readLine(line).has_value());
  }
}

TEST(ScriptReader, LinesThatCannotRunAreRefusedWithTheReason) {
  const std::vector<std::pair<const char *, const char *>> cases = {
      {"jump vexlo", "unknown command \"jump\""},
      {"Show vexlo", "unknown command \"Show\""},
      {"show", "a window or control is missing"},
      {"click", "a window or control is missing"},
      {"show vexlo.Text1", "\"vexlo.Text1\" is not a window name"},
      {"click vexlo", "\"vexlo\" is not a window.control name"},
      {"click vexlo.Text1.text", "\"vexlo.Text1.text\" is not a window.control name"},
      {"get a.b.c.d", "\"a.b.c.d\" is not a window.control name"},
      {"click vexlo..Text1", "\"vexlo..Text1\" is not a window.control name"},
      {"click vexlo.", "\"vexlo.\" is not a window.control name"},
      {"click vex-lo.Text1", "\"vex-lo.Text1\" is not a window.control name"},
      {"show vexlo extra", "unexpected \"extra\" after vexlo"},
      {"caret vexlo.Text1", "caret takes a position, a whole number from 0"},
      {"caret vexlo.Text1 -1", "caret takes a position, a whole number from 0"},
      {"caret vexlo.Text1 x", "caret takes a position, a whole number from 0"},
      {"caret vexlo.Text1 3 4", "caret takes a position, a whole number from 0"},
      {"key vexlo 1.5", "key takes a virtual-key code, a whole number"},
      {"key vexlo", "key takes a virtual-key code, a whole number"},
      {"wait", "wait takes a whole number of milliseconds"},
      {"wait -1", "wait takes a whole number of milliseconds"},
      {"wait 1s", "wait takes a whole number of milliseconds"},
      {"type vexlo.Text1 12", "TEXT must be one JSON string literal, such as \"12\""},
      {R"(type vexlo.Text1 "12" "3")", "TEXT must be one JSON string literal, such as \"12\""},
      {R"(type vexlo.Text1 "open)", "TEXT must be one JSON string literal, such as \"12\""},
      {R"(paste vexlo.Text1 'a')", "TEXT must be one JSON string literal, such as \"12\""},
      {"type vexlo.Text1", "TEXT must be one JSON string literal, such as \"12\""},
      {"screenshot vexlo", "screenshot needs a file name"},
  };
  for (const auto &[line, reason] : cases) {
    SCOPED_TRACE(line);
    const ReadLine read = readLine(line);
    ASSERT_TRUE(read.has_value());
    ASSERT_TRUE(std::holds_alternative<Refusal>(*read));
    EXPECT_EQ(std::get<Refusal>(*read).reason, reason);
  }
}

// Each escape, and \u at both sides of every UTF-8 length boundary.
TEST(JsonText, EscapesGiveTheirCharactersInUtf8) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {R"("\"\\\/")", "\"\\/"},
      {R"("\b\f\n\r\t")", "\b\f\n\r\t"},
      {R"("\u0041\u0061")", "Aa"},
      {R"("\u0000")", std::string(1, '\0')},
      {R"("\u007F")", "\x7F"},
      {R"("\u0080")", "\xC2\x80"},
      {R"("\u07FF")", "\xDF\xBF"},
      {R"("\u07ff")", "\xDF\xBF"},
      {R"("\u0800")", "\xE0\xA0\x80"},
      {R"("\uFFFF")", "\xEF\xBF\xBF"},
      {R"("\uD800\uDC00")", "\xF0\x90\x80\x80"},
      {R"("\uDBFF\uDFFF")", "\xF4\x8F\xBF\xBF"},
      {R"("\uD83D\uDE00")", "\xF0\x9F\x98\x80"},
      {"\"\xC3\xA9\xE2\x82\xAC\"", "\xC3\xA9\xE2\x82\xAC"}, // UTF-8 as it stands
      {R"("a\u0020b")", "a b"},
  };
  for (const auto &[literal, value] : cases) {
    SCOPED_TRACE(literal);
    const auto parsed = parseJsonString(literal);
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(parsed->value, value);
    EXPECT_EQ(parsed->consumed, literal.size());
    // And the same text as a type command's TEXT.
    const ReadLine read = readLine("type vexlo.Text1 " + literal);
    ASSERT_TRUE(std::holds_alternative<Command>(*read));
    EXPECT_EQ(command(read).text, value);
  }
}

TEST(JsonText, MalformedLiteralsAreNoText) {
  for (const char *literal :
       {R"("\uD800")", R"("\uD800x")", R"("\uD800\u0041")", R"("\uDBFF\uD800")", R"("\uDC00")",
        R"("\uDFFF")", R"("\u12")", R"("\u12G4")", R"("\u")", R"("\x41")", R"("\a")", R"("\")",
        "\"tab\there\"", "\"line\nend\"", R"(")", R"(abc)", R"()"}) {
    SCOPED_TRACE(literal);
    EXPECT_FALSE(parseJsonString(literal).has_value());
  }
}

TEST(JsonText, QuotedTextsReadBackUnchanged) {
  std::string everyByte;
  for (int byte = 1; byte < 0x80; ++byte) {
    everyByte += static_cast<char>(byte);
  }
  for (const std::string &text :
       {std::string(" Volts"), std::string("a\"b\\c"), std::string("\x7F\x01\x1F"), everyByte,
        std::string("\xE2\x82\xAC \xF0\x9F\x98\x80"), std::string()}) {
    const std::string quoted = quoteJson(text);
    const auto parsed = parseJsonString(quoted);
    ASSERT_TRUE(parsed.has_value()) << quoted;
    EXPECT_EQ(parsed->value, text);
  }
  EXPECT_EQ(quoteJson("\x7F"), R"("\u007f")");
  EXPECT_EQ(quoteJson("\x01"), R"("\u0001")");
  EXPECT_EQ(quoteJson(" Volts"), R"(" Volts")");
}

} // namespace
} // namespace vx::drive
