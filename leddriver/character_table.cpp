// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Segments on the digit: a upper right, b lower right, c bottom, d lower
// left, e upper left, f top, g middle. Letters that a seven-segment digit
// cannot draw fall back to the middle bar.

#include "leddriver/character_table.h"

namespace vx {

const std::array<LedCharacter, 72> characterTable{{
    {"", 0},    {"0", 63},  {"1", 3},   {"2", 109}, {"3", 103}, {"4", 83},  {"5", 118}, {"6", 126},
    {"7", 35},  {"8", 127}, {"9", 119}, {"a", 111}, {"b", 94},  {"c", 76},  {"d", 79},  {"e", 125},
    {"f", 120}, {"g", 119}, {"h", 90},  {"i", 2},   {"j", 15},  {"k", 64},  {"l", 3},   {"m", 64},
    {"n", 74},  {"o", 78},  {"p", 121}, {"q", 115}, {"r", 72},  {"s", 118}, {"t", 92},  {"u", 14},
    {"v", 14},  {"w", 64},  {"x", 64},  {"y", 87},  {"z", 64},  {"A", 123}, {"B", 127}, {"C", 60},
    {"D", 64},  {"E", 124}, {"F", 120}, {"G", 62},  {"H", 91},  {"I", 3},   {"J", 15},  {"K", 64},
    {"L", 28},  {"M", 64},  {"N", 59},  {"O", 63},  {"P", 121}, {"Q", 115}, {"R", 56},  {"S", 118},
    {"T", 92},  {"U", 31},  {"V", 31},  {"W", 64},  {"X", 64},  {"Y", 87},  {"Z", 64},  {"'", 1},
    {"?", 105}, {"=", 68},  {"-", 64},  {"_", 4},   {"]", 39},  {")", 39},  {"[", 60},  {"(", 60},
}};

} // namespace vx
