// sprite_motion_test.cpp: collision passes, the animation step and the
// numeric helpers the sprites move with.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "sprites/sprite_math.h"
#include "tests/sprites/test_sprite.h"

namespace {

struct Collide : ::testing::Test {
    Surface16 surface{640, 480};
    TSpriteEngine engine;
    Collide() { engine.SetSurface(&surface); }

    TLogged* At(double x, double y, TSprite* parent = nullptr) {
        auto* s = new TLogged(parent ? parent : &engine, "s");
        s->X = x;
        s->Y = y;
        return s;  // 17x17
    }
};

}  // namespace

TEST_F(Collide, IntegerRectanglesTruncatedTowardZero) {
    TLogged* probe = At(0, 0);
    TLogged* other = At(17, 0);
    EXPECT_EQ(probe->Collision(), 0);
    other->X = 16;
    EXPECT_EQ(probe->Collision(), 1);
    EXPECT_EQ(probe->hits, (std::vector<const TSprite*>{other}));
    other->X = 16.99;  // still column 16
    EXPECT_EQ(probe->Collision(), 1);
    other->X = -16.5;  // toward zero: column -16 reaches column 0
    EXPECT_EQ(probe->Collision(), 1);
    other->X = -17;
    EXPECT_EQ(probe->Collision(), 0);
    other->X = 0;
    other->Y = 17;
    EXPECT_EQ(probe->Collision(), 0);
}

TEST_F(Collide, KillingTheProbeOrSettingDoneEndsThePass) {
    TLogged* bullet = At(0, 0);
    At(1, 1);
    At(2, 2);
    TLogged* holder = At(300, 300);
    At(-297, -297, holder);  // at (3, 3) in the world, reached through its parent
    EXPECT_EQ(bullet->Collision(), 3);

    bullet->hits.clear();
    bullet->onHit = [](TLogged&, TSprite&, bool& Done) { Done = true; };
    EXPECT_EQ(bullet->Collision(), 1);

    bullet->hits.clear();
    bullet->onHit = [](TLogged& self, TSprite& other, bool& Done) {
        self.Dead();
        other.Dead();
        Done = false;  // the handler cannot undo the end of the pass
    };
    EXPECT_EQ(bullet->Collision(), 1);
    EXPECT_EQ(bullet->hits.size(), 1u);
    EXPECT_EQ(engine.DeadList().size(), 2u);

    bullet->hits.clear();
    EXPECT_EQ(bullet->Collision(), 0);  // a scheduled probe starts no pass
    EXPECT_TRUE(bullet->hits.empty());
}

TEST_F(Collide, ScheduledSpritesCanStillBeHit) {
    TLogged* first = At(0, 0);
    TLogged* enemy = At(10, 0);
    TLogged* second = At(20, 0);  // overlaps the enemy, not the first bullet
    auto shoot = [enemy](TLogged& self, TSprite& other, bool&) {
        if (&other != enemy) return;
        self.Dead();
        other.Dead();
    };
    first->onHit = second->onHit = shoot;
    EXPECT_EQ(first->Collision(), 1);
    EXPECT_TRUE(enemy->IsDead());
    EXPECT_EQ(second->Collision(), 1);  // the scheduled enemy still counts
    EXPECT_EQ(engine.DeadList().size(), 3u);
    engine.PurgeDead();
    EXPECT_EQ(engine.Count(), 0);
}

TEST_F(Collide, NotCollisionedTargetHidesItsChildren) {
    TLogged* probe = At(0, 0);
    TLogged* parent = At(0, 0);
    At(0, 0, parent);
    EXPECT_EQ(probe->Collision(), 2);
    parent->Collisioned = false;
    EXPECT_EQ(probe->Collision(), 0);
}

TEST_F(Collide, NestedPassLeavesTheOuterPassIntact) {
    TLogged* probe = At(0, 0);
    TLogged* a = At(1, 0);
    At(2, 0);
    int inner = -1;
    probe->onHit = [&](TLogged&, TSprite& other, bool&) {
        if (&other == a) inner = a->Collision();
    };
    EXPECT_EQ(probe->Collision(), 2);
    EXPECT_EQ(inner, 2);
}

TEST(Animation, NonLoopedStopsOnLastFrame) {
    TSpriteEngine engine;
    auto* s = new TLogged(&engine, "s");
    s->AnimCount = 4;
    s->AnimSpeed = 0.01;
    s->AnimStart = 10;
    engine.Move(150);
    EXPECT_DOUBLE_EQ(s->AnimPos, 1.5);
    EXPECT_EQ(s->CurrentPattern(), 11);
    engine.Move(1000);
    EXPECT_DOUBLE_EQ(s->AnimPos, 3);
    EXPECT_EQ(s->AnimSpeed, 0);
    EXPECT_EQ(s->CurrentPattern(), 13);

    s->AnimSpeed = -0.01;
    engine.Move(1000);
    EXPECT_EQ(s->AnimPos, 0);
    EXPECT_EQ(s->AnimSpeed, 0);

    s->AnimCount = 0;  // no frames: stays on frame 0
    s->AnimSpeed = 0.5;
    engine.Move(16);
    EXPECT_EQ(s->AnimPos, 0);
}

TEST(Animation, LoopedWrapsAndZeroFramesShowPatternZero) {
    TSpriteEngine engine;
    auto* s = new TLogged(&engine, "s");
    s->AnimCount = 4;
    s->AnimLooped = true;
    s->AnimPos = 3.9;
    s->AnimSpeed = 0.2;
    engine.Move(1);
    EXPECT_NEAR(s->AnimPos, 0.1, 1e-9);
    EXPECT_DOUBLE_EQ(s->AnimSpeed, 0.2);
    s->AnimSpeed = -0.3;
    engine.Move(1);
    EXPECT_NEAR(s->AnimPos, 3.8, 1e-9);

    s->AnimCount = 0;
    engine.Move(1);
    EXPECT_EQ(s->AnimPos, 0);
    EXPECT_EQ(s->CurrentPattern(), 0);
}

TEST(SpriteMath, WrapFloatStaysInRange) {
    EXPECT_NEAR(WrapFloat(-0.5, 4), 3.5, 1e-12);
    EXPECT_NEAR(WrapFloat(1e12 + 1.25, 4), 1.25, 1e-3);  // quotient beyond 32 bits
    EXPECT_EQ(WrapFloat(7.5, 0), 7.5);
    double tiny = WrapFloat(-1e-17, 4);  // would round to 4 itself
    EXPECT_GE(tiny, 0.0);
    EXPECT_LT(tiny, 4.0);
    double huge = WrapFloat(1e300, 3);
    EXPECT_GE(huge, 0.0);
    EXPECT_LT(huge, 3.0);
    EXPECT_EQ(WrapFloat(NAN, 3), 0.0);
}

TEST(SpriteMath, TruncWrapIntAndTheCosineTable) {
    EXPECT_EQ(Trunc(-0.5), 0);
    EXPECT_EQ(Trunc(-1.9), -1);
    EXPECT_EQ(Trunc(1e20), INT32_MAX);
    EXPECT_EQ(Trunc(NAN), 0);
    EXPECT_EQ(TruncBounds(2147483600.0, 0, 100, 5).Right, INT32_MAX);
    EXPECT_EQ(WrapInt(-1, 256), 255);
    EXPECT_EQ(WrapInt(513, 256), 1);
    EXPECT_EQ(WrapInt(INT32_MIN, -1), 0);

    EXPECT_DOUBLE_EQ(CosStep(0), 1.0);
    EXPECT_NEAR(CosStep(128), -1.0, 1e-15);
    EXPECT_NEAR(SinStep(64), 1.0, 1e-15);    // down on the screen
    EXPECT_NEAR(SinStep(192), -1.0, 1e-15);  // up
    EXPECT_EQ(CosStep(-1), CosStep(255));
    EXPECT_EQ(CosStep(INT64_MAX), CosStep(255));
    for (int64_t i = 0; i < 256; i += 17)
        EXPECT_NEAR(SinStep(i), std::sin(i * 2 * std::numbers::pi / 256), 1e-12);
}
