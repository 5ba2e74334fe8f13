// sprite.cpp: the sprite tree: attaching, freeing, layers, moving, drawing
// and the collision pass.
#include "sprites/sprite.h"

#include <algorithm>
#include <string>

#include "sprites/sprite_engine.h"
#include "sprites/sprite_math.h"

TSpriteEngine* TSprite::EngineOf(TSprite* parent) {
    if (parent == nullptr) return nullptr;
    if (auto* engine = dynamic_cast<TSpriteEngine*>(parent)) return engine;
    return parent->Engine;
}

TSprite::TSprite(TSprite* parent) : Engine(EngineOf(parent)), Parent(parent) {
    if (Parent == nullptr) return;
    Parent->children_.push_back(this);
    Parent->InsertIntoDrawList(this);
    if (Engine != nullptr) ++Engine->allCount_;
}

TSprite::~TSprite() {
    Clear();
    if (Parent != nullptr) {
        if (Engine != nullptr) {
            --Engine->allCount_;
            auto& dead = Engine->deadList_;
            auto it = std::find(dead.begin(), dead.end(), this);
            if (it != dead.end()) dead.erase(it);
            if (Engine->probe_ == this) Engine->probe_ = nullptr;
        }
        Parent->RemoveFromLists(this);
    }
}

void TSprite::DoCollision(TSprite&, bool&) {}
void TSprite::DoDraw() {}
void TSprite::DoMove(int32_t) {}

TRect TSprite::GetBoundsRect() const {
    return TruncBounds(WorldX(), WorldY(), Width, Height);
}

bool TSprite::TestCollision(const TSprite&) const { return true; }

// Binary search for the first entry whose Z is not below the child's, so a
// newcomer goes in front of its equals and is drawn beneath them.
void TSprite::InsertIntoDrawList(TSprite* child) {
    int32_t lo = 0, hi = static_cast<int32_t>(drawList_.size()) - 1;
    while (lo <= hi) {
        int32_t mid = (lo + hi) / 2;
        if (int64_t{drawList_[mid]->z_} - child->z_ < 0)
            lo = mid + 1;
        else
            hi = mid - 1;
    }
    drawList_.insert(drawList_.begin() + lo, child);
}

void TSprite::RemoveFromLists(TSprite* child) {
    auto c = std::find(children_.begin(), children_.end(), child);
    if (c != children_.end()) children_.erase(c);
    auto d = std::find(drawList_.begin(), drawList_.end(), child);
    if (d != drawList_.end()) drawList_.erase(d);
}

void TSprite::SetZ(int32_t value) {
    if (value == z_) return;
    z_ = value;
    if (Parent != nullptr) {
        auto d = std::find(Parent->drawList_.begin(), Parent->drawList_.end(), this);
        if (d != Parent->drawList_.end()) Parent->drawList_.erase(d);
        Parent->InsertIntoDrawList(this);
    }
}


TSprite* TSprite::Items(int32_t index) const {
    if (children_.empty())
        throw ESpriteError("Index of the list exceeds the range. (" + std::to_string(index) + ")");
    if (index < 0 || index >= Count())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return children_[static_cast<size_t>(index)];
}

void TSprite::Clear() {
    while (!children_.empty()) delete children_.back();  // the child detaches itself
}

void TSprite::Dead() {
    if (Engine == nullptr || isDead_) return;
    isDead_ = true;
    Engine->deadList_.push_back(this);
}

void TSprite::Move(int32_t MoveCount) {
    if (!Moved) return;
    DoMove(MoveCount);
    // Sprites created by this pass are behind n: drawn this frame, moved from the next.
    const int32_t n = Count();
    for (int32_t i = 0; i < n; ++i) Items(i)->Move(MoveCount);
}

void TSprite::Draw() {
    if (!Visible) return;
    if (Engine != nullptr && OverlapRect(Engine->SurfaceRect, GetBoundsRect())) {
        DoDraw();
        ++Engine->drawCount_;
    }
    const size_t n = drawList_.size();
    for (size_t i = 0; i < n; ++i) drawList_.at(i)->Draw();
}

int32_t TSprite::Collision() {
    if (Engine == nullptr || isDead_ || !Collisioned) return 0;
    TSpriteEngine& e = *Engine;
    // A handler may run a pass of its own; the outer pass resumes afterwards.
    const int32_t outerHits = e.probeHits_;
    const bool outerStop = e.probeStop_;
    const TRect outerRect = e.probeRect_;
    TSprite* const outerProbe = e.probe_;

    e.probeHits_ = 0;
    e.probeStop_ = false;
    e.probeRect_ = GetBoundsRect();
    e.probe_ = this;
    // A handler that kills the probe (or sets Done) ends the whole pass.
    const int32_t n = e.Count();
    for (int32_t i = 0; i < n && !e.probeStop_; ++i) CollideTree(e, *e.Items(i));
    const int32_t hits = e.probeHits_;

    e.probeHits_ = outerHits;
    e.probeStop_ = outerStop;
    e.probeRect_ = outerRect;
    e.probe_ = outerProbe;
    return hits;
}

void TSprite::CollideTree(TSpriteEngine& e, TSprite& s) {
    if (!s.Collisioned) return;
    if (&s != e.probe_ && OverlapRect(s.GetBoundsRect(), e.probeRect_) &&
        e.probe_->TestCollision(s) && s.TestCollision(*e.probe_)) {
        ++e.probeHits_;
        e.probe_->DoCollision(s, e.probeStop_);
        if (e.probe_ == nullptr || !e.probe_->Collisioned || e.probe_->isDead_) e.probeStop_ = true;
    }
    if (e.probeStop_) return;
    const int32_t n = s.Count();
    for (int32_t i = 0; i < n && !e.probeStop_; ++i) CollideTree(e, *s.Items(i));
}
