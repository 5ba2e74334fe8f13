// sprite.h: `TSprite`, one node of the sprite tree.
//
// Every picture on the screen is a sprite in one tree rooted at a
// TSpriteEngine (sprite_engine.h). Once per frame the engine moves the tree
// (Move, children in creation order), frees the sprites that called Dead
// (PurgeDead, after the whole move pass) and draws it (Draw, siblings in
// ascending Z, a parent beneath its children).
//
// Creating and freeing. A sprite is created with its parent:
//     auto* s = new TPredmet(engine);   // attached, owned by `engine`
// The constructor attaches it: it is appended to the parent's children,
// inserted into the parent's draw list by Z, and counted in the engine's
// AllCount. From then on the parent owns it: the sprite is deleted by the
// parent's Clear(), by the engine's PurgeDead() after Dead(), or together with
// an ancestor. `delete s` frees it at once and detaches it (first its own
// children, last created first, then it leaves its parent's lists, AllCount
// and the engine's DeadList). Handlers that run inside Move, Draw or a
// collision pass must never delete sprites: they call Dead().
// A sprite created without a parent (the engine itself) belongs to its creator.
// Where code needs a "class reference" that creates sprites of a class chosen
// at run time, TSpriteClass / CreateSprite<T> below serve.
//
// Errors: Items(index) on a sprite without children throws ESpriteError
// "Index of the list exceeds the range. (%d)"; an index outside an existing
// child list throws EListError. Nothing else throws.
#pragma once
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "graphics/geometry.h"

class TSpriteEngine;

// Items(index) asked of a sprite that has no children.
class ESpriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Items(index) outside an existing child list.
class EListError : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};

class TSprite {
public:
    // Attaches to parent (may be null only for a root). The new sprite has Z 0
    // and goes in front of the parent's other Z 0 children in the draw list.
    explicit TSprite(TSprite* parent);
    virtual ~TSprite();
    TSprite(const TSprite&) = delete;
    TSprite& operator=(const TSprite&) = delete;

    // --- the overridable operations, in this order ---
protected:
    // Called on the probing sprite for each hit of its collision pass. Setting
    // Done ends the pass after this hit.
    virtual void DoCollision(TSprite& other, bool& Done);
    // Paints this sprite only (children are drawn by Draw).
    virtual void DoDraw();
    // This sprite's per-frame behaviour; MoveCount is the frame's milliseconds.
    virtual void DoMove(int32_t MoveCount);
public:
    // Rectangle used to cull drawing and to pre-test collisions:
    // Bounds(Trunc(WorldX), Trunc(WorldY), Width, Height).
    virtual TRect GetBoundsRect() const;
    // Second collision test after the rectangle pre-test; true here.
    virtual bool TestCollision(const TSprite& other) const;
    // The rectangle another sprite's TestCollision measures this one by:
    // GetBoundsRect() here.
    virtual TRect CollisionRect() const { return GetBoundsRect(); }
    // The rectangle of the engine's surface that this sprite's own draw will
    // overwrite pixel for pixel, whatever lies beneath; empty when it will not
    // or cannot tell. The frame need not clear what such a sprite covers.
    virtual TRect OpaqueRect() const { return {}; }

    // --- tree operations ---
    // Runs DoMove, then Move on the children that existed before (count taken
    // once). Does nothing, children included, when Moved is false.
    void Move(int32_t MoveCount);
    // Runs DoDraw when the bounds overlap the engine's SurfaceRect, then Draw
    // on the draw list in ascending Z. Nothing, children included, when not Visible.
    void Draw();
    // A collision pass with this sprite as the probe; returns the number of
    // hits. 0, with no handler called, without an engine, when dead or not Collisioned.
    int32_t Collision();
    // Schedules this sprite for deletion by the engine's PurgeDead (once only).
    // It is still moved, drawn and hit until then.
    void Dead();
    // Frees all children at once, last created first.
    void Clear();

    int32_t Z() const { return z_; }
    // Changes the layer; an equal value changes nothing, otherwise the sprite
    // is re-inserted into the parent's draw list in front of its new equals.
    void SetZ(int32_t value);

    // Position including all ancestors (the engine's X and Y too).
    // (Summed from the root down; the usual sprite sits right on the engine.)
    double WorldX() const {
        if (Parent == nullptr) return X;
        return Parent->Parent == nullptr ? Parent->X + X : Parent->WorldX() + X;
    }
    double WorldY() const {
        if (Parent == nullptr) return Y;
        return Parent->Parent == nullptr ? Parent->Y + Y : Parent->WorldY() + Y;
    }

    // Children in creation order.
    int32_t Count() const { return static_cast<int32_t>(children_.size()); }
    TSprite* Items(int32_t index) const;
    // Children in drawing order (ascending Z, newest first among equals).
    const std::vector<TSprite*>& DrawList() const { return drawList_; }

    bool IsDead() const { return isDead_; }

    // --- fields, in declaration order ---
    TSpriteEngine* const Engine;  // root of the tree; null for the engine itself
    TSprite* const Parent;        // owner in the tree; null for the engine
private:
    std::vector<TSprite*> children_;  // owned, creation order
    bool isDead_ = false;
    std::vector<TSprite*> drawList_;  // the same sprites, by ascending Z
public:
    bool Collisioned = true;  // takes part in collision passes
    bool Moved = true;        // receives Move
    bool Visible = true;      // receives Draw
    double X = 0, Y = 0;      // relative to Parent, in pixels
private:
    int32_t z_ = 0;
public:
    int32_t Width = 0, Height = 0;

private:
    static TSpriteEngine* EngineOf(TSprite* parent);
    void InsertIntoDrawList(TSprite* child);
    void RemoveFromLists(TSprite* child);
    static void CollideTree(TSpriteEngine& e, TSprite& s);
};

// A "class reference" for sprites: makes an instance of one sprite class,
// attached to parent. CreateSprite<TPredmet> is such a factory.
using TSpriteClass = TSprite* (*)(TSprite* parent);
template <class T>
TSprite* CreateSprite(TSprite* parent) {
    return new T(parent);
}
