// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/angles.h"

#include <cmath>

#include "model/numbers.h"

namespace fendrel {

double atn2(double x, double y, bool radMode) {
    double t;
    if (x == 0)
        t = y > 0 ? kPi / 2 : (kPi / 2) * 3;
    else if (x > 0)
        t = y > 0 ? std::atan(y / x) : (kPi / 2) * 4 + std::atan(y / x);
    else
        t = kPi + std::atan(y / x);
    if (!radMode) t *= kDegreesPerRadian;
    if (x > 0 && y == 0) t = 0;
    return t;
}

void angoli(Vars& vars) {
    const double half = vars.radMode ? kPi : 180;
    const double full = vars.radMode ? kPi * 2 : 360;
    auto between = [&](double p, double q) {
        double d = std::fabs(p - q);
        if (d > half) d = (full - p) + q;
        if (d > half) d = (full - q) + p;
        return Number::dbl(round2(d));
    };
    const double a = vars.ang[Vec::A].read(), b = vars.ang[Vec::B].read(), r = vars.ang[Vec::R].read();
    vars.between[0] = between(a, b);
    vars.between[1] = between(a, r);
    vars.between[2] = between(b, r);
}

}  // namespace fendrel
