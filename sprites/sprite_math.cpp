// sprite_math.cpp: truncation, wrapping and the 256-step cosine table.
#include "sprites/sprite_math.h"

#include <array>
#include <cmath>
#include <numbers>

namespace {

// Filled once, before the first frame asks for it.
const std::array<double, 256>& CosTable() {
    static const std::array<double, 256> table = [] {
        std::array<double, 256> t{};
        for (int k = 0; k < 256; ++k) t[k] = std::cos(k * 2.0 * std::numbers::pi / 256.0);
        return t;
    }();
    return table;
}

}  // namespace


double WrapFloat(double x, int32_t n) {
    if (n == 0) return x;
    if (!std::isfinite(x)) return 0.0;
    double r;
    if (std::fabs(x) < 4.0e18) {
        // |q| <= |x / n| and |q * n| <= |x| + |n|, so the 64-bit product cannot overflow.
        int64_t q = static_cast<int64_t>(x / n);
        r = x - static_cast<double>(q * int64_t{n});
    } else {
        r = std::fmod(x, static_cast<double>(n));
    }
    if (r < 0) r += n;
    // -1e-17 + 4 rounds to 4.0 exactly; keep the result inside [0, n).
    if (n > 0 && r >= n) r = 0.0;
    return r;
}

int32_t WrapInt(int32_t i, int32_t n) {
    if (n == 0) return i;
    int64_t r = int64_t{i} % int64_t{n};  // 64-bit: INT32_MIN % -1 stays defined
    if (r < 0) r += n;
    return ClampToInt32(r);
}

double CosStep(int64_t i) {
    return CosTable()[static_cast<uint64_t>(i) & 255u];
}

double SinStep(int64_t i) {
    return CosTable()[(static_cast<uint64_t>(i) + 192u) & 255u];
}
