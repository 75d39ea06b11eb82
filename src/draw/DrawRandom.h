#pragma once

#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace aerolap {

/// The generator's own random numbers (SplitMix64), so that a seed gives the same draw with any
/// standard library: the standard distributions are free to differ from one to the next.
class DrawRandom {
public:
    explicit DrawRandom(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31U);
    }

    /// From 0 to `bound` - 1; the bias of the remainder is far below anything a draw shows.
    std::size_t below(std::size_t bound) { return static_cast<std::size_t>(next() % bound); }

    /// A draw from the exponential distribution of mean 1, -ln(u) for a uniform u in (0, 1),
    /// worked out with IEEE arithmetic alone, which rounds the same everywhere, unlike a
    /// library's logarithm.
    double exponential() {
        const double u = (static_cast<double>(next() >> 11U) + 0.5) / 9007199254740992.0;
        int exponent = 0;
        const double mantissa = std::frexp(u, &exponent); // in [0.5, 1), exact
        // ln(m) = 2 atanh(z), z = (m - 1) / (m + 1), |z| <= 1/3: the series converges fast.
        const double z = (mantissa - 1) / (mantissa + 1);
        const double z2 = z * z;
        double term = z;
        double sum = 0;
        for (int odd = 1; odd < 40; odd += 2) {
            sum += term / odd;
            term *= z2;
        }
        constexpr double kLn2 = 0.6931471805599453;
        return -(2 * sum + exponent * kLn2);
    }

    template <typename T> void shuffle(std::vector<T>& items) {
        for (std::size_t i = items.size(); i > 1; --i) {
            std::swap(items[i - 1], items[below(i)]);
        }
    }

private:
    std::uint64_t m_state;
};

} // namespace aerolap
