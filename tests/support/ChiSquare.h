// Pearson's chi-square statistic, for tests that check a random draw is uniform. The critical
// values are those that a correct generator exceeds with probability 1e-7.
#pragma once

#include <cstddef>
#include <vector>

namespace chisquare {

inline double Statistic(const std::vector<double>& observed, const std::vector<double>& expected) {
    double sum = 0;
    for (std::size_t i = 0; i < observed.size(); ++i) {
        const double d = observed[i] - expected[i];
        sum += d * d / expected[i];
    }
    return sum;
}

// Upper 1e-7 tail of the chi-square distribution, by degrees of freedom.
inline double Critical(int degreesOfFreedom) {
    switch (degreesOfFreedom) {
        case 1:
            return 28.37;
        case 9:
            return 50.17;
        case 15:
            return 62.33;
        case 23:
            return 76.90;
        case 25:
            return 80.37;
        default:
            return -1;  // not tabulated: the test must fail
    }
}

}  // namespace chisquare
