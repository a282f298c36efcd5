// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/failure.h"
#include "runtime/text_rules.h"

#include <gtest/gtest.h>

#include <cmath>

using vx::CalcFailure;

TEST(Math, PowerLogAndExpFailWhereTheResultIsNoFiniteNumber) {
  EXPECT_EQ(vx::Pow(2, 10).asDouble(), 1024.0);
  EXPECT_EQ(vx::Pow(0, 0).asDouble(), 1.0);
  EXPECT_DOUBLE_EQ(vx::Pow(2, 0.5).asDouble(), std::sqrt(2.0));
  EXPECT_THROW(vx::Pow(0, -1), CalcFailure);
  EXPECT_THROW(vx::Pow(-8, 1.0 / 3), CalcFailure);
  EXPECT_THROW(vx::Pow(10, 400), CalcFailure);
  EXPECT_DOUBLE_EQ(vx::Log(vx::Exp(1)).asDouble(), 1.0);
  EXPECT_THROW(vx::Log(0), CalcFailure);
  EXPECT_THROW(vx::Log(-1), CalcFailure);
  EXPECT_THROW(vx::Exp(1000), CalcFailure);
  EXPECT_EQ(vx::Exp(-1000).asDouble(), 0.0);
}
