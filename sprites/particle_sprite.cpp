// particle_sprite.cpp: the curved flight and the end of a sparkle.
#include "sprites/particle_sprite.h"

#include <cmath>
#include <limits>

#include "sprites/sprite_math.h"

namespace {
// Trunc to a 64-bit integer, clamped (a turn index far beyond any real flight
// stays defined).
int64_t Trunc64(double value) {
    if (std::isnan(value)) return 0;
    constexpr double kMax = 9.2e18;
    if (value >= kMax) return std::numeric_limits<int64_t>::max();
    if (value <= -kMax) return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(value);
}
}  // namespace

void TParticleSprite::DoMove(int32_t MoveCount) {
    TImageSpriteEx::DoMove(MoveCount);
    Turn += 0.1 * MoveCount;
    const int64_t k = Trunc64(Turn);
    X += DriftX * (DriftSpeedX / 1000.0) + MoveCount * CosStep(k);
    Y += DriftY * (DriftSpeedY / 1000.0) + MoveCount * SinStep(k);
    const int64_t age = int64_t{Age} + MoveCount;  // a huge lag must not wrap the age
    Age = age > std::numeric_limits<int32_t>::max() ? std::numeric_limits<int32_t>::max()
                                                    : static_cast<int32_t>(age);
    if (Age > kLifetime) Dead();
}
