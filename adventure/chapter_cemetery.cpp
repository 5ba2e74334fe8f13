// chapter_cemetery.cpp: the cemetery (scenes 36, 37, 43 and 49): the
// villain's tombstone, the grave with the photo, the stone mechanism and the
// tomb with its font and coffin.
#include "adventure/chapters.h"
#include "adventure/inventory.h"
#include "adventure/puzzles.h"
#include "adventure/rules.h"
#include "adventure/scene_content.h"

namespace {

// ---- Scene 36: the cemetery ------------------------------------------------

void BuildCemetery() {
    if (P().tombOpened == 0) {
        AddHotspot(82, 245, 150, 278, 209, ckPointer, 84);
        DejPredmet("vrata", 238, 136, 82);
    }
    if (P().tombOpened != 0) AddHotspot(83, 245, 150, 278, 209, ckUp, 85);
    AddHotspot(89, 437, 168, 537, 270, ckRight, 86);
    AddHotspot(109, 6, 164, 58, 195, ckLeft, 87);
    AddHotspot(121, 246, 117, 257, 135, ckPointer, 68);
    if (P().mechanismSolved == 0) AddHotspot(135, 383, 153, 415, 189, ckPointer, 88);
}

// The tomb's door gives way only to a sharp axe.
void UseTombEntrance() {
    switch (Carried()) {
        case 0: QueueStep({.text = 202}); break;
        case 226: QueueStep({.text = 203}); break;
        case 216:
            QueueStep({.text = 204});
            RemoveItem(216);
            P().tombOpened = 1;
            QueueStep({.to = 36, .text = 205, .sound = 10});
            break;
        default: break;
    }
}

void ClickCemetery(int32_t id) {
    switch (id) {
        case 82: UseTombEntrance(); break;
        case 83: WalkFirstTime(P().tombVisited, 37, 206); break;
        case 89: QueueStep({.to = 38}); break;
        case 109: WalkFirstTime(P().gravesVisited, 43, 250); break;
        case 121:
            if (Carried() != 0) break;
            QueueStep({.text = 259});
            P().tombstoneRead = 1;
            break;
        case 135: if (Carried() == 0) QueueStep({.to = 49}); break;
        default: break;
    }
}

// ---- Scene 37: inside the tomb ---------------------------------------------

// The two holes in the coffin open when the mechanism is solved.
void BuildTomb() {
    AddHotspot(84, 90, 235, 428, 271, ckDown, 89);
    if (P().sculptureTaken == 0) AddHotspot(85, 283, 91, 333, 114, ckPointer, 90);
    AddHotspot(88, 209, 176, 334, 221, ckPointer, 91);
    if (P().mechanismSolved == 1) {
        AddHotspot(86, 258, 157, 274, 162, ckPointer, 66);
        AddHotspot(87, 317, 157, 334, 165, ckPointer, 66);
    } else {
        DejPredmet("otvory", 255, 158, 0);
    }
}

// The magnet on its string fishes the little key out of the coffin.
void UseCoffinHole() {
    if (Carried() == 0) QueueStep({.text = 208});
    if (Carried() != 221) return;
    QueueStep({.text = 209});
    QueueStep({.text = 210});
    QueueStep({.to = 37, .item = 228});
    RemoveItem(221);
}

void ClickTomb(int32_t id) {
    switch (id) {
        case 84: QueueStep({.to = 36}); break;
        case 85:
            if (Carried() != 0) break;
            QueueStep({.text = 207});
            QueueStep({.to = 37, .item = 224});
            P().sculptureTaken = 1;
            break;
        case 86: case 87: UseCoffinHole(); break;
        case 88: if (Carried() == 0) QueueStep({.text = 211}); break;
        default: break;
    }
}

// ---- Scene 43: the grave with the photo ------------------------------------

void BuildGrave() {
    AddHotspot(111, 358, 203, 536, 270, ckRight, 46);
    if (P().photoTaken == 0) {
        DejPredmet("fotka", 337, 41, 1);
        AddHotspot(110, 344, 45, 366, 76, ckPointer, 22);
    }
}

// The photo is frozen to the stone: the scraper frees it.
void UsePhoto() {
    if (Carried() == 0) {
        QueueStep({.text = 251});
        QueueStep({.text = 252});
    }
    if (Carried() != 218) return;
    QueueStep({.text = 253});
    RemoveItem(218);
    P().photoTaken = 1;
    QueueStep({.to = 43, .item = 217});
}

void ClickGrave(int32_t id) {
    if (id == 110) UsePhoto();
    if (id == 111) QueueStep({.to = 36});
}

// ---- Scene 49: the stone mechanism -----------------------------------------

// Nine stone buttons, row-major, then their pictures at the spots' corners.
void BuildMechanism() {
    static constexpr int32_t kLeft[3] = {182, 246, 304}, kRight[3] = {233, 297, 355};
    static constexpr int32_t kTop[3] = {98, 155, 210}, kBottom[3] = {150, 205, 261};
    for (int k = 0; k < 9; ++k)
        AddHotspot(125 + k, kLeft[k % 3], kTop[k / 3], kRight[k % 3], kBottom[k / 3], ckPointer, 30);
    AddHotspot(134, 395, 121, 535, 269, ckDown, 83);
    for (int k = 0; k < 9; ++k)
        DejPredmet("tlac0", kLeft[k % 3], kTop[k / 3], static_cast<uint16_t>(125 + k));
}

void ClickMechanism(int32_t id) {
    if (id >= 125 && id <= 133) PushStone(id - 125);
    if (id == 134 && Carried() == 0) QueueStep({.to = 36});
}

constexpr TSceneEntry kScenes[] = {
    {36, BuildCemetery, ClickCemetery},
    {37, BuildTomb, ClickTomb},
    {43, BuildGrave, ClickGrave},
    {49, BuildMechanism, ClickMechanism},
};

}  // namespace

std::span<const TSceneEntry> CemeteryChapter() { return kScenes; }
