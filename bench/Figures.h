#pragma once

#include <algorithm>
#include <cstdio>
#include <vector>

namespace aerolap::testing {

/// A benchmark's measurements of one kind, printed as their spread.
struct Figures {
    std::vector<double> values;
    void add(double value) { values.push_back(value); }
    void print(const char* what) {
        if (values.empty()) {
            std::printf("%-44s no samples\n", what);
            return;
        }
        std::sort(values.begin(), values.end());
        std::printf("%-44s min %7.3f  median %7.3f  max %7.3f ms  (n=%zu)\n", what, values.front(),
                    values[values.size() / 2], values.back(), values.size());
    }
};

} // namespace aerolap::testing
