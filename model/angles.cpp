// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/angles.h"

#include <cmath>

#include "model/numbers.h"

namespace fendrel {

double directionAngle(double x, double y, bool radMode) {
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

void measureAnglesBetween(Vars& vars) {
    const double half = vars.radMode ? kPi : 180;
    const double full = vars.radMode ? kPi * 2 : 360;
    auto between = [&](double p, double q) {
        double d = std::fabs(p - q);
        if (d > half) d = (full - p) + q;
        if (d > half) d = (full - q) + p;
        return Number::dbl(round2(d));
    };
    const double a = vars.direction[Vec::A].read(), b = vars.direction[Vec::B].read(), r = vars.direction[Vec::R].read();
    vars.anglesBetween[0] = between(a, b);
    vars.anglesBetween[1] = between(a, r);
    vars.anglesBetween[2] = between(b, r);
}

}  // namespace fendrel
