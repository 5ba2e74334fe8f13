// test_sprite.h: a recording sprite for the sprite engine tests.
//
// TLogged writes "move <name>", "draw <name>" and "free <name>" into a shared
// log, counts its hits and lets a test hook its move and collision handlers.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "sprites/image_sprite.h"
#include "sprites/sprite_engine.h"

using EventLog = std::vector<std::string>;

class TLogged : public TImageSpriteEx {
public:
    TLogged(TSprite* parent, std::string name, EventLog* log = nullptr)
        : TImageSpriteEx(parent), name_(std::move(name)), log_(log) {
        Width = Height = 17;
    }
    ~TLogged() override { Note("free"); }

    std::function<void(TLogged& self, int32_t MoveCount)> onMove;
    std::function<void(TLogged& self, TSprite& other, bool& Done)> onHit;
    std::vector<const TSprite*> hits;

protected:
    void DoMove(int32_t MoveCount) override {
        TImageSpriteEx::DoMove(MoveCount);
        Note("move");
        if (onMove) onMove(*this, MoveCount);
    }
    void DoDraw() override { Note("draw"); }
    void DoCollision(TSprite& other, bool& Done) override {
        hits.push_back(&other);
        if (onHit) onHit(*this, other, Done);
    }

private:
    void Note(const char* what) {
        if (log_) log_->push_back(std::string(what) + " " + name_);
    }
    std::string name_;
    EventLog* log_;
};

// Events of one kind ("draw", "move", "free"), names only, in log order.
inline std::vector<std::string> Only(const EventLog& log, const std::string& kind) {
    std::vector<std::string> out;
    for (const auto& e : log)
        if (e.rfind(kind + " ", 0) == 0) out.push_back(e.substr(kind.size() + 1));
    return out;
}
