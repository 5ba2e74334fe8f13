// chapter_cemetery.cpp: the cemetery (scenes 36, 37, 43 and 49): the
// villain's tombstone, the grave with the photo, the stone mechanism and the
// tomb with its font and coffin.
#include "adventure/chapters.h"
#include "adventure/game_ids.h"
#include "adventure/inventory.h"
#include "adventure/stone_mechanism.h"
#include "adventure/rules.h"
#include "adventure/scene_content.h"

namespace {

// ---- Scene 36: the cemetery ------------------------------------------------

void BuildCemetery() {
    if (P().tombOpened == 0) {
        AddHotspot(Spot::TombEntrance, 245, 150, 278, 209, ckPointer, 84);
        DejPredmet("vrata", 238, 136, Object::TombDoor);
    }
    if (P().tombOpened != 0) AddHotspot(Spot::IntoTomb, 245, 150, 278, 209, ckUp, 85);
    AddHotspot(Spot::CemeteryExit, 437, 168, 537, 270, ckRight, 86);
    AddHotspot(Spot::ToGraves, 6, 164, 58, 195, ckLeft, 87);
    AddHotspot(Spot::Tombstone, 246, 117, 257, 135, ckPointer, 68);
    if (P().mechanismSolved == 0)
        AddHotspot(Spot::StoneMechanism, 383, 153, 415, 189, ckPointer, 88);
}

// The tomb's door gives way only to a sharp axe.
void UseTombEntrance() {
    switch (Carried()) {
        case 0: QueueStep({.text = 202}); break;
        case Item::OldAxe: QueueStep({.text = 203}); break;
        case Item::SharpAxe:
            QueueStep({.text = 204});
            RemoveItem(Item::SharpAxe);
            P().tombOpened = 1;
            QueueStep({.to = Scene::Cemetery, .text = 205, .sound = 10});
            break;
        default: break;
    }
}

void ClickCemetery(int32_t id) {
    switch (id) {
        case Spot::TombEntrance: UseTombEntrance(); break;
        case Spot::IntoTomb: WalkFirstTime(P().tombVisited, Scene::Tomb, 206); break;
        case Spot::CemeteryExit: QueueStep({.to = Scene::Park}); break;
        case Spot::ToGraves: WalkFirstTime(P().gravesVisited, Scene::Graves, 250); break;
        case Spot::Tombstone:
            if (Carried() != 0) break;
            QueueStep({.text = 259});
            P().tombstoneRead = 1;
            break;
        case Spot::StoneMechanism:
            if (Carried() == 0) QueueStep({.to = Scene::StoneMechanism});
            break;
        default: break;
    }
}

// ---- Scene 37: inside the tomb ---------------------------------------------

// The two holes in the coffin open when the mechanism is solved.
void BuildTomb() {
    AddHotspot(Spot::TombExit, 90, 235, 428, 271, ckDown, 89);
    if (P().sculptureTaken == 0) AddHotspot(Spot::Font, 283, 91, 333, 114, ckPointer, 90);
    AddHotspot(Spot::Coffin, 209, 176, 334, 221, ckPointer, 91);
    if (P().sculptureTaken == 0) DejPredmet("part", 306, 99, Object::Plain);  // the sculpture glints in the ice
    if (P().mechanismSolved == 1) {
        AddHotspot(Spot::CoffinHoleLeft, 258, 157, 274, 162, ckPointer, 66);
        AddHotspot(Spot::CoffinHoleRight, 317, 157, 334, 165, ckPointer, 66);
    } else {
        DejPredmet("otvory", 255, 158, Object::Plain);
    }
}

// The magnet on its string fishes the little key out of the coffin.
void UseCoffinHole() {
    if (Carried() == 0) QueueStep({.text = 208});
    if (Carried() != Item::MagnetOnString) return;
    QueueStep({.text = 209});
    QueueStep({.text = 210});
    QueueStep({.to = Scene::Tomb, .item = Item::LittleKey});
    RemoveItem(Item::MagnetOnString);
}

void ClickTomb(int32_t id) {
    switch (id) {
        case Spot::TombExit: QueueStep({.to = Scene::Cemetery}); break;
        case Spot::Font:
            if (Carried() != 0) break;
            QueueStep({.text = 207});
            QueueStep({.to = Scene::Tomb, .item = Item::Sculpture});
            P().sculptureTaken = 1;
            break;
        case Spot::CoffinHoleLeft: case Spot::CoffinHoleRight: UseCoffinHole(); break;
        case Spot::Coffin: if (Carried() == 0) QueueStep({.text = 211}); break;
        default: break;
    }
}

// ---- Scene 43: the grave with the photo ------------------------------------

void BuildGrave() {
    AddHotspot(Spot::GravesExit, 358, 203, 536, 270, ckRight, 46);
    if (P().photoTaken == 0) {
        DejPredmet("fotka", 337, 41, Object::Photo);
        AddHotspot(Spot::Photo, 344, 45, 366, 76, ckPointer, 22);
    }
}

// The photo is frozen to the stone: the scraper frees it.
void UsePhoto() {
    if (Carried() == 0) {
        QueueStep({.text = 251});
        QueueStep({.text = 252});
    }
    if (Carried() != Item::Scraper) return;
    QueueStep({.text = 253});
    RemoveItem(Item::Scraper);
    P().photoTaken = 1;
    QueueStep({.to = Scene::Graves, .item = Item::Photo});
}

void ClickGrave(int32_t id) {
    if (id == Spot::Photo) UsePhoto();
    if (id == Spot::GravesExit) QueueStep({.to = Scene::Cemetery});
}

// ---- Scene 49: the stone mechanism -----------------------------------------

// Nine stone buttons, row-major, then their pictures at the spots' corners.
void BuildMechanism() {
    static constexpr int32_t kLeft[3] = {182, 246, 304}, kRight[3] = {233, 297, 355};
    static constexpr int32_t kTop[3] = {98, 155, 210}, kBottom[3] = {150, 205, 261};
    for (int k = 0; k < 9; ++k)
        AddHotspot(Spot::Stone1 + k, kLeft[k % 3], kTop[k / 3], kRight[k % 3], kBottom[k / 3],
                   ckPointer, 30);
    AddHotspot(Spot::MechanismExit, 395, 121, 535, 269, ckDown, 83);
    for (int k = 0; k < 9; ++k)
        DejPredmet("tlac0", kLeft[k % 3], kTop[k / 3], static_cast<uint16_t>(Object::Stone1 + k));
}

void ClickMechanism(int32_t id) {
    if (id >= Spot::Stone1 && id <= Spot::Stone9) PushStone(id - Spot::Stone1);
    if (id == Spot::MechanismExit && Carried() == 0) QueueStep({.to = Scene::Cemetery});
}

constexpr TSceneEntry kScenes[] = {
    {Scene::Cemetery, BuildCemetery, ClickCemetery},
    {Scene::Tomb, BuildTomb, ClickTomb},
    {Scene::Graves, BuildGrave, ClickGrave},
    {Scene::StoneMechanism, BuildMechanism, ClickMechanism},
};

}  // namespace

std::span<const TSceneEntry> CemeteryChapter() { return kScenes; }
