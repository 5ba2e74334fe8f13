// scene_object.cpp: the per-frame picture choice of the scene objects.
#include "adventure/scene_object.h"

#include "adventure/game_ids.h"
#include "adventure/puzzle_values.h"
#include "core/game_state.h"
#include "sprites/sprite_engine.h"
#include "adventure/game_window.h"

namespace {

const TProgress& Progress() { return GameState.live.progress; }

// The language digit appended to language-specific pictures; -1 (nothing
// appended) for a language byte without pictures, which then resolves to no
// picture and leaves the current one.
int32_t LanguageDigit() {
    uint8_t language = GameState.settings.language;
    return language <= 1 ? language : -1;  // 0 Czech, 1 English
}

bool IsSaveSlotId(uint16_t id) { return id >= Object::SaveSlot1 && id <= Object::SaveSlot6; }

}  // namespace

TSpriteEngine& SceneEngine() { return GameWindow()->SceneSprites(); }

void PlaceOnScene(TImageSpriteEx& sprite, const std::string& name, int32_t x, int32_t y) {
    SetPictureAndSize(sprite, name);
    sprite.X = GameState.ui.originX + x;
    sprite.Y = GameState.ui.originY + y;
    sprite.SetZ(2);
}

TPredmet* DejPredmet(const std::string& name, int32_t x, int32_t y, uint16_t id) {
    auto* object = new TPredmet(&SceneEngine());
    PlaceOnScene(*object, name, x, y);
    object->id = id;
    return object;
}

void TPredmet::DoMove(int32_t MoveCount) {
    TImageSpriteEx::DoMove(MoveCount);
    if (ChoosePicture()) {
        if (TPictureCollectionItem* item = choice_.Item()) Image = item;
    }
    if (IsOpenSaveSlot()) {
        Width = 68;
        Height = 34;
    } else if (Image != nullptr) {
        Width = Image->Width();
        Height = Image->Height();
    }
}

bool TPredmet::IsOpenSaveSlot() const {
    return IsSaveSlotId(id) && Progress().saveMenuMode != 0;
}

// A menu entry lights while hovered, in the current language.
static void ChooseMenuEntry(TPictureChoice& choice, uint16_t id, int entry, bool canLight) {
    static constexpr const char* kUnlit[] = {"", "menu1", "menu2", "menu3", "menu4", "menu5"};
    static constexpr const char* kLit[] = {"", "menu1x", "menu2x", "menu3x", "menu4x", "menu5x"};
    bool lit = canLight && GameState.ui.hoverId == id;
    choice.Want(lit ? kLit[entry] : kUnlit[entry], LanguageDigit());
}

bool TPredmet::ChoosePicture() {
    const TProgress& p = Progress();
    switch (id) {
        case Object::MenuNewGame: ChooseMenuEntry(choice_, id, 1, true); return true;
        case Object::MenuLoad: ChooseMenuEntry(choice_, id, 2, true); return true;
        case Object::MenuSave:
            ChooseMenuEntry(choice_, id, 3, GameState.ui.menuReturnScene != 0);
            return true;
        case Object::MenuQuit: ChooseMenuEntry(choice_, id, 5, true); return true;
        case Object::SaveLoadPanel:
            choice_.Want(p.saveMenuMode != 0 ? "saveload" : "nic");
            return true;
        case Object::SaveSlot1: case Object::SaveSlot2: case Object::SaveSlot3:
        case Object::SaveSlot4: case Object::SaveSlot5: case Object::SaveSlot6:
            return ChooseSlotPicture(id - Object::SaveSlot1);
        case Object::Wire: choice_.Want(p.wireTaken != 0 ? "nic" : "drat"); return true;
        case Object::Hole1: case Object::Hole2: case Object::Hole3: case Object::Hole4:
            choice_.Want(HoleHoldsBlock(id - Object::Hole1) ? "kostka1" : "kostka0");
            return true;
        case Object::Rod: choice_.Want(p.rodTaken != 0 ? "nic" : "tyc"); return true;
        case Object::SlotMatch: choice_.Want(SlotMatchSeen() ? "slotmatch" : "nic"); return true;
        case Object::Card1: choice_.Want("ka", CardFace(0)); return true;
        case Object::Card2: choice_.Want("kb", CardFace(1)); return true;
        case Object::Card3: choice_.Want("kc", CardFace(2)); return true;
        case Object::Card4: choice_.Want("kd", CardFace(3)); return true;
        default: break;
    }
    if (id >= Object::Tile1 && id <= Object::Tile9) {
        choice_.Want("p", TilePiece(id - Object::Tile1));
        return true;
    }
    if (id >= Object::Stone1 && id <= Object::Stone9) {
        uint8_t s = StoneState(id - Object::Stone1);
        choice_.Want(s == kStoneOut ? "tlac0" : s == kStoneHeld ? "tlac2" : "tlac1");
        return true;
    }
    if (id >= Object::DialDigit1 && id <= Object::DialDigit3) {
        choice_.Want("c", DialDigit(id - Object::DialDigit1));
        return true;
    }
    return false;  // a plain picture
}

// Slot k shows the background of the scene saved in it, or "empty"; nothing
// while the save/load list is closed.
bool TPredmet::ChooseSlotPicture(int slot) {
    if (Progress().saveMenuMode == 0) {
        choice_.Want("nic");
        return true;
    }
    const SaveSlot& saved = GameState.settings.slots[slot];
    if (saved.savedAt != 0.0) {
        choice_.Want("scena", saved.scene);
        if (saved.scene >= 0 && choice_.Item() != nullptr) return true;
    }
    choice_.Want("empty");
    return true;
}
