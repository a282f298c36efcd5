// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/text_rules.h"

#include <gtest/gtest.h>

#include <string>

using vx::Like;

TEST(Like, StarMatchesAnyRunAndOtherCharactersThemselvesCaseSensitively) {
  EXPECT_TRUE(Like("4k7", "*k*"));
  EXPECT_TRUE(Like("12k", "*k*"));
  EXPECT_FALSE(Like("12K", "*k*"));
  EXPECT_FALSE(Like("12m", "*M*"));
  EXPECT_TRUE(Like("12M", "*M*"));
  EXPECT_TRUE(Like("250 mSecs", "*mSecs*"));
  EXPECT_FALSE(Like("250 mSec", "*mSecs*"));
  EXPECT_TRUE(Like("", "*"));
  EXPECT_TRUE(Like("", ""));
  EXPECT_FALSE(Like("a", ""));
  EXPECT_FALSE(Like("abcd", "abc"));
  EXPECT_TRUE(Like("abcbc", "a*bc"));
  EXPECT_FALSE(Like("abcb", "a*bc"));
  EXPECT_TRUE(Like("3 \xce\xbc"
                   "F",
                   "*\xce\xbc*"));
}

TEST(Like, LongTextsWithManyStarsDoNotBacktrackExponentially) {
  const std::string text(10000, 'a');
  std::string pattern;
  for (int i = 0; i < 50; ++i)
    pattern += "*a";
  EXPECT_FALSE(Like(text, pattern + "*b*"));
  EXPECT_TRUE(Like(text + "b", pattern + "*b*"));
}
