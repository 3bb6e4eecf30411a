#include "engine/orientation.h"

#include "engine/checked.h"

#include <array>
#include <cmath>
#include <limits>

namespace {

// Every product of two singles is exact in double, so the six terms below carry no error; only
// the five additions round. Each rounds by at most 2^-53 of its partial sum, which stays below the
// sum of the magnitudes: a result larger than this bound has the true sign.
constexpr double sumErrorBound = 6.0 * 0x1p-53;

// The six terms, in the order in which they are summed.
std::array<double, 6> areaTerms(float xa, float ya, float xb, float yb, float xc, float yc) {
    const double Xa = xa, Ya = ya, Xb = xb, Yb = yb, Xc = xc, Yc = yc;
    return {Yb * Xa, -(Ya * Xb), Yc * Xb, -(Yb * Xc), Ya * Xc, -(Yc * Xa)};
}

// Adds the terms into a nonoverlapping expansion (error-free two-sum, zero components dropped)
// and returns its value: the sign is exact, the magnitude as close as a double allows.
template <std::size_t N> double exactSum(const std::array<double, N>& terms) {
    std::array<double, N> expansion{};
    int length = 0;
    for (double q : terms) {
        int kept = 0;
        for (int i = 0; i < length; ++i) {
            const double sum = q + expansion[i];
            const double bPart = sum - q;
            const double aPart = sum - bPart;
            const double error = (q - aPart) + (expansion[i] - bPart);
            q = sum;
            if (error != 0.0)
                expansion[kept++] = error;
        }
        if (q != 0.0)
            expansion[kept++] = q;
        length = kept;
    }
    // The components grow in magnitude and do not overlap, so adding them from the smallest up
    // keeps the sign of the largest one.
    double value = 0.0;
    for (int i = 0; i < length; ++i)
        value += expansion[i];
    return value;
}

// Rounds to single without letting a tiny non-zero value become 0, which would turn a strict
// turn into "collinear".
float toSingleKeepingSign(double value) {
    const float single = checkedSingle(value);
    if (single == 0.0f && value != 0.0)
        return std::copysign(std::numeric_limits<float>::denorm_min(), static_cast<float>(value));
    return single;
}

} // namespace

float orientation(float xa, float ya, float xb, float yb, float xc, float yc) {
    const std::array<double, 6> terms = areaTerms(xa, ya, xb, yb, xc, yc);
    double sum = 0.0;
    double magnitude = 0.0;
    for (double term : terms) {
        sum += term;
        magnitude += std::fabs(term);
    }
    checkedDouble(magnitude);
    if (std::fabs(sum) <= sumErrorBound * magnitude)
        sum = exactSum(terms);
    return toSingleKeepingSign(-sum);
}

int compareDistanceToLine(float xp, float yp, float xq, float yq, float x1, float y1, float x2,
                          float y2) {
    // The sign of (q - p) x (c2 - c1), multiplied out into eight products, each exact in double.
    const double Xp = xp, Yp = yp, Xq = xq, Yq = yq, X1 = x1, Y1 = y1, X2 = x2, Y2 = y2;
    const std::array<double, 8> terms{Xq * Y2,  -(Xq * Y1), -(Xp * Y2), Xp * Y1,
                                      -(Yq * X2), Yq * X1,   Yp * X2,    -(Yp * X1)};
    const double difference = -exactSum(terms);
    return difference > 0 ? 1 : difference < 0 ? -1 : 0;
}
