// sprite_tree_test.cpp: layers, move and draw passes, deferred deletion and
// freeing order of the sprite tree.
#include <gtest/gtest.h>

#include "tests/sprites/test_sprite.h"

using Names = std::vector<std::string>;

namespace {

struct Tree : ::testing::Test {
    Surface16 surface{640, 480};
    EventLog log;
    TSpriteEngine engine;
    Tree() { engine.SetSurface(&surface); }

    TLogged* Make(const char* name, int32_t z, TSprite* parent = nullptr) {
        auto* s = new TLogged(parent ? parent : &engine, name, &log);
        s->SetZ(z);
        return s;
    }
    Names Drawn() {
        log.clear();
        engine.Draw();
        return Only(log, "draw");
    }
};

}  // namespace

TEST_F(Tree, NewestOfEqualZIsDrawnBeneathAndSettingZAgainChangesNothing) {
    Make("a", 2);
    TLogged* b = Make("b", 2);
    Make("c", 2);
    Make("top", 5);
    Make("bottom", 1);
    EXPECT_EQ(Drawn(), (Names{"bottom", "c", "b", "a", "top"}));
    EXPECT_EQ(engine.DrawCount(), 5);

    b->SetZ(2);
    EXPECT_EQ(Drawn(), (Names{"bottom", "c", "b", "a", "top"}));
    b->SetZ(3);
    EXPECT_EQ(Drawn(), (Names{"bottom", "c", "a", "b", "top"}));
    b->SetZ(2);
    EXPECT_EQ(Drawn(), (Names{"bottom", "b", "c", "a", "top"}));
}

TEST_F(Tree, ExtremeLayersStaySorted) {
    Make("max", INT32_MAX);
    Make("min", INT32_MIN);
    Make("zero", 0);
    EXPECT_EQ(Drawn(), (Names{"min", "zero", "max"}));
}

TEST_F(Tree, ParentIsDrawnBeneathChildrenAndHiddenParentHidesThem) {
    TLogged* p = Make("p", 1);
    Make("child", 0, p);
    Make("other", 2);
    EXPECT_EQ(Drawn(), (Names{"p", "child", "other"}));
    p->Visible = false;
    EXPECT_EQ(Drawn(), (Names{"other"}));
    EXPECT_EQ(engine.DrawCount(), 1);  // reset by every Draw, not accumulated
}

TEST_F(Tree, PlainSpriteOutsideTheSurfaceIsCulled) {
    struct TPlain : TSprite {
        using TSprite::TSprite;
        int draws = 0;
        void DoDraw() override { ++draws; }
    };
    auto* s = new TPlain(&engine);
    s->Width = s->Height = 10;
    s->X = 630;
    engine.Draw();
    EXPECT_EQ(s->draws, 1);
    s->X = 640;  // only touches the right edge
    engine.Draw();
    EXPECT_EQ(s->draws, 1);
    engine.X = -5;  // the engine's position moves the whole tree
    engine.Draw();
    EXPECT_EQ(s->draws, 2);
    EXPECT_DOUBLE_EQ(s->WorldX(), 635);
}

TEST_F(Tree, SpriteCreatedDuringMoveIsDrawnAtOnceAndMovedNextFrame) {
    TLogged* spawner = Make("spawner", 1);
    spawner->onMove = [&](TLogged&, int32_t) {
        if (engine.Count() == 1) Make("young", 2);
    };
    log.clear();
    engine.Move(16);
    EXPECT_EQ(Only(log, "move"), (Names{"spawner"}));
    EXPECT_EQ(Drawn(), (Names{"spawner", "young"}));
    log.clear();
    engine.Move(16);
    EXPECT_EQ(Only(log, "move"), (Names{"spawner", "young"}));
}

TEST_F(Tree, UnmovedSpriteSkipsItsChildrenAndChildrenMoveInCreationOrder) {
    TLogged* p = Make("p", 9);
    Make("late", 0, p);
    Make("early", -1, p);  // drawn before "late", moved after it
    Make("q", 1);
    engine.Move(1);
    EXPECT_EQ(Only(log, "move"), (Names{"p", "late", "early", "q"}));
    log.clear();
    p->Moved = false;
    engine.Move(1);
    EXPECT_EQ(Only(log, "move"), (Names{"q"}));
}

TEST_F(Tree, DeadTwiceSchedulesOnceAndTheSpriteLivesUntilPurge) {
    TLogged* a = Make("a", 1);
    Make("b", 1);
    a->Dead();
    a->Dead();
    EXPECT_EQ(engine.DeadList().size(), 1u);
    EXPECT_TRUE(a->IsDead());
    log.clear();
    engine.Move(1);
    EXPECT_EQ(Only(log, "move"), (Names{"a", "b"}));
    EXPECT_EQ(Drawn(), (Names{"b", "a"}));
    EXPECT_EQ(engine.AllCount(), 2);

    log.clear();
    engine.PurgeDead();
    EXPECT_EQ(Only(log, "free"), (Names{"a"}));
    EXPECT_EQ(engine.Count(), 1);
    EXPECT_EQ(engine.AllCount(), 1);
    EXPECT_TRUE(engine.DeadList().empty());
    EXPECT_EQ(Drawn(), (Names{"b"}));
}

TEST_F(Tree, PurgeFreesInReverseSchedulingOrderWithChildren) {
    TLogged* a = Make("a", 1);
    TLogged* b = Make("b", 1);
    TLogged* c = Make("c", 1);
    TLogged* child = Make("child", 0, b);
    Make("grandchild", 0, child);
    Make("keep", 1);
    EXPECT_EQ(engine.AllCount(), 6);

    child->Dead();  // scheduled before its parent: freed with the parent, once
    b->Dead();
    a->Dead();
    c->Dead();
    log.clear();
    engine.PurgeDead();
    Names freed = Only(log, "free");
    EXPECT_EQ(freed.size(), 5u);
    EXPECT_EQ(freed[0], "c");
    EXPECT_EQ(freed[1], "a");
    EXPECT_EQ(freed.back(), "grandchild");  // b's destructor log comes before its children are cleared
    EXPECT_EQ(engine.AllCount(), 1);
    EXPECT_EQ(engine.Count(), 1);
    EXPECT_TRUE(engine.DeadList().empty());
}

TEST_F(Tree, ClearFreesLastCreatedFirstAndEmptiesTheDeadList) {
    Make("a", 3);
    Make("b", 1)->Dead();
    Make("c", 2);
    log.clear();
    engine.Clear();
    EXPECT_EQ(Only(log, "free"), (Names{"c", "b", "a"}));
    EXPECT_EQ(engine.AllCount(), 0);
    EXPECT_TRUE(engine.DeadList().empty());
    EXPECT_TRUE(engine.DrawList().empty());
    engine.PurgeDead();  // nothing left to free twice
}

TEST_F(Tree, DeletingASpriteDirectlyDetachesIt) {
    TLogged* a = Make("a", 1);
    Make("b", 1);
    a->Dead();
    delete a;
    EXPECT_EQ(engine.Count(), 1);
    EXPECT_EQ(engine.AllCount(), 1);
    EXPECT_TRUE(engine.DeadList().empty());
    EXPECT_EQ(Drawn(), (Names{"b"}));
}

TEST_F(Tree, ItemsOutsideTheChildren) {
    TLogged* leaf = Make("leaf", 0);
    try {
        leaf->Items(5);
        FAIL() << "no exception";
    } catch (const ESpriteError& e) {
        EXPECT_STREQ(e.what(), "Index of the list exceeds the range. (5)");
    }
    EXPECT_EQ(engine.Items(0), leaf);
    EXPECT_THROW(engine.Items(1), EListError);
    EXPECT_THROW(engine.Items(-1), EListError);
}

TEST(SpriteWithoutEngine, CannotDieOrCollide) {
    TSprite root(nullptr);
    auto* child = new TLogged(&root, "orphan");
    EXPECT_EQ(child->Engine, nullptr);
    child->Dead();
    EXPECT_FALSE(child->IsDead());
    EXPECT_EQ(child->Collision(), 0);
}
