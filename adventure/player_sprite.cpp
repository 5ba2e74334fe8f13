// player_sprite.cpp: the cursor's per-frame hover test and picture.
#include "adventure/player_sprite.h"

#include "adventure/game_ids.h"
#include "adventure/hotspots.h"
#include "core/game_state.h"

namespace {
constexpr int32_t kHalfCursor = 17;  // the 35x35 picture is centred on the mouse point
}

void TPlayerSprite::DoCollision(TSprite&, bool&) {}

void TPlayerSprite::DoMove(int32_t MoveCount) {
    TImageSpriteEx::DoMove(MoveCount);
    X = static_cast<double>(GameState.ui.mouseX) - kHalfCursor;
    Y = static_cast<double>(GameState.ui.mouseY) - kHalfCursor;
    FindHoverUnderMouse();
    ShowCursorPicture();
}

void MouseMovedTo(int32_t x, int32_t y) {
    GameState.ui.mouseX = x;
    GameState.ui.mouseY = y;
    GameState.ui.hoverStale = true;
}

// The later record wins where hotspots overlap (HotspotAt).
void FindHoverUnderMouse() {
    GameState.ui.hoverId = 0;
    GameState.ui.hoverLabel.clear();
    GameState.ui.hoverCursor = ckPointer;
    GameState.ui.hoverStale = false;
    int64_t px = static_cast<int64_t>(GameState.ui.mouseX) - GameState.ui.originX;
    int64_t py = static_cast<int64_t>(GameState.ui.mouseY) - GameState.ui.originY;
    if (const TPomocnyObjekt* h = HotspotAt(px, py)) {
        GameState.ui.hoverLabel = h->label;
        GameState.ui.hoverId = static_cast<uint16_t>(h->id);
        GameState.ui.hoverCursor = h->cursorKind;
    }
    if (!GameState.ui.messageLines[0].empty() || GameState.live.scene == Scene::PhoneGame)
        GameState.ui.hoverCursor = ckHidden;
}

void TPlayerSprite::ShowCursorPicture() {
    uint8_t kind = GameState.ui.hoverCursor;
    uint16_t carried = GameState.ui.selectedItem;
    switch (kind) {
        case ckHidden: choice_.Want("nic"); break;
        case ckPointer:
            if (carried != 0) choice_.Want("inv", carried);
            else choice_.Want("img2");
            break;
        case ckRight: choice_.Want("kurzor-p"); break;
        case ckDown: choice_.Want("kurzor-d"); break;
        case ckLeft: choice_.Want("kurzor-l"); break;
        case ckUp: choice_.Want("kurzor-n"); break;
        case ckGameMenu: choice_.Want("ozub"); break;
        default: choice_.Want("img2"); break;  // no such kind: the plain pointer
    }
    // A carried item without a picture shows the plain pointer.
    if (TPictureCollectionItem* item = choice_.Item("img2")) Image = item;
    AnimCount = 0;
    if (kind == ckGameMenu && Image != nullptr) {
        AnimCount = Image->PatternCount();
        AnimLooped = true;
        AnimSpeed = kGearSpeed;
    } else {
        // A still cursor shows its first pattern at once, not where the gear stopped.
        AnimLooped = false;
        AnimSpeed = 0;
        AnimPos = 0;
    }
}
