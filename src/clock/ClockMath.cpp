#include "clock/ClockMath.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace velmora {

int RoundHalfEven(double value) {
    const double floor = std::floor(value);
    const double fraction = value - floor;
    double result = floor;
    if (fraction > 0.5) {
        result = floor + 1.0;
    } else if (fraction == 0.5) {
        result = std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
    }
    return static_cast<int>(result);
}

int RoundRatio(long long numerator, long long denominator) {
    long long quotient = numerator / denominator;
    long long remainder = numerator % denominator;
    if (remainder < 0) {  // make the quotient the floor
        quotient -= 1;
        remainder += denominator;
    }
    const long long twice = remainder * 2;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0)) {
        quotient += 1;
    }
    return static_cast<int>(quotient);
}

namespace {

constexpr long long kFullTurn = 360'000;
constexpr long long kThirtyDegrees = 30'000;

// sin of k × 30° for k = 0..11 where it is rational; NaN marks 60°, 120°,
// 240° and 300°, whose sines are irrational and left to std::sin.
constexpr double kIrrational = std::numeric_limits<double>::quiet_NaN();
constexpr double kExactSines[12] = {0.0, 0.5,  kIrrational, 1.0,  kIrrational, 0.5,
                                    0.0, -0.5, kIrrational, -1.0, kIrrational, -0.5};

}  // namespace

double SinMilliDegrees(long long milliDegrees) {
    long long turn = milliDegrees % kFullTurn;
    if (turn < 0) {
        turn += kFullTurn;
    }
    if (turn % kThirtyDegrees == 0) {
        const double exact = kExactSines[turn / kThirtyDegrees];
        if (!std::isnan(exact)) {
            return exact;
        }
    }
    return std::sin(static_cast<double>(turn) * std::numbers::pi / 180'000.0);
}

double CosMilliDegrees(long long milliDegrees) {
    return SinMilliDegrees(milliDegrees + 90'000);
}

int PointsToPixels(int points) {
    return RoundRatio(static_cast<long long>(points) * 96, 72);
}

}  // namespace velmora
