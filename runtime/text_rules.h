// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The numeric text rules shared by all windows: how text becomes a number
// and a number text, the patterns, hexadecimal and the whole-number
// operations. Pure functions; failures throw CalcFailure.

#include "runtime/value.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vx {

// Reads the longest number at the start of the text, skipping blanks, tabs
// and line feeds anywhere; &H and &O prefixes; 0 when there are no digits.
// A number beyond the range of a Double is a failure.
double Val(std::string_view text);

// A number as the windows write it: at most 15 significant digits, no
// trailing zeros, exponent form (1E+15, 1.5E-07) for very large or small.
std::string CStr(const Value &value);

// Only the patterns "#.##", "#.#" and "00000000" are used by the windows.
std::string Format(const Value &value, std::string_view pattern);

// `*` matches any run of characters; every other character itself,
// case-sensitively.
bool Like(std::string_view text, std::string_view pattern);

// Upper-case hexadecimal of the value rounded half to even; negatives as
// their 32-bit two's complement.
std::string Hex(const Value &value);

// Rounds down towards minus infinity, keeping the numeric type.
Value Int(const Value &value);

// `\` and Mod: both operands rounded half to even to whole numbers first;
// the quotient truncates towards zero, the remainder has the sign of a.
Value IntDiv(const Value &a, const Value &b);
Value Mod(const Value &a, const Value &b);

// `^`, Log and Exp on Doubles; a result that is no finite number fails.
Value Pow(const Value &base, const Value &exponent);
Value Log(const Value &value);
Value Exp(const Value &value);

// Conversions of a Value to a number. Text is read strictly (the whole
// text must be a number, blanks around it allowed), unlike Val.
double toDouble(const Value &value);
std::int32_t toLong(const Value &value);    // rounds half to even; fails beyond 32 bits
std::int16_t toInteger(const Value &value); // rounds half to even; fails beyond 16 bits

// The value as text, as a text operation sees it (CStr of numbers, "" for
// Empty, "True"/"False" for Booleans).
std::string toText(const Value &value);

// Number of characters of the value's text.
std::int32_t Len(const Value &value);

// Character code of the first character; fails on an empty text.
std::int16_t Asc(std::string_view text);

} // namespace vx
