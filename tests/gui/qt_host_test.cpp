// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>

#include <gtest/gtest.h>

#include "ui/window/qt_host.h"

namespace fendrel {
namespace {

TEST(QtHostTest, RandomNumbersCoverTheUnitIntervalButNeverReachOne) {
    QtHost host(nullptr);
    host.randomize();
    float low = 1, high = 0;
    std::array<int, 3> backgrounds{};
    for (int i = 0; i < 200'000; ++i) {
        const float r = host.rnd();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        low = std::min(low, r);
        high = std::max(high, r);
        ++backgrounds[static_cast<size_t>(r * 3)];  // the start-up background choice
    }
    EXPECT_LT(low, 0.001f);
    EXPECT_GT(high, 0.999f);
    for (int n : backgrounds) EXPECT_NEAR(n, 200'000 / 3, 2'000);
}

}  // namespace
}  // namespace fendrel
