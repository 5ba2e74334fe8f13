// scene_catalogue.cpp: what each scene holds, one branch per scene.
//
// Rectangles are left, top, right, bottom in picture coordinates, inclusive.
// Labels are text ids (texts.h); Blank spots have no label. Objects are
// DejPredmet calls: picture, x, y, object id.
#include "adventure/scene_catalogue.h"

#include <string>

#include "adventure/hotspots.h"
#include "adventure/phone_game.h"
#include "adventure/scene_builder.h"
#include "core/game_state.h"
#include "texts/texts.h"

namespace {

TProgress& P() { return GameState.live.progress; }

void Spot(int32_t id, int32_t left, int32_t top, int32_t right, int32_t bottom, uint8_t cursor,
          TextId label) {
    AddHotspot(id, left, top, right, bottom, cursor, Text(label));
}

void Blank(int32_t id, int32_t left, int32_t top, int32_t right, int32_t bottom, uint8_t cursor) {
    AddHotspot(id, left, top, right, bottom, cursor, std::string());
}

void Object(const std::string& picture, int32_t x, int32_t y, uint16_t id) {
    DejPredmet(picture, x, y, id);
}

// A picture that exists once per language: stem + the language digit.
std::string InLanguage(const char* stem) {
    std::string suffix;
    LanguageSuffix(suffix);
    return stem + suffix;
}

// The drawing area's left and top edges in picture coordinates (the strips
// of scenes 4 and 5 start there).
int32_t SurfaceLeft() { return -int32_t{GameState.originX}; }
int32_t SurfaceTop() { return -int32_t{GameState.originY}; }

void Scene1Toilet() {
    if (P().flushCount < 3) Spot(6, 388, 22, 390, 132, ckPointer, 43);
    else Object("splachovadlo", 382, 0, 6);
    if (P().scraperTaken == 0) Spot(8, 273, 0, 379, 45, ckPointer, 44);
    if (P().toiletPaperTaken == 0) Spot(9, 206, 113, 229, 125, ckPointer, 45);
    Spot(11, 153, 243, 486, 268, ckDown, 46);
}

void Scene2CorridorLit() {
    Spot(1, 253, 92, 264, 103, ckPointer, 47);
    Spot(3, 223, 41, 236, 236, ckUp, 48);
    Spot(4, 461, 108, 533, 264, ckRight, 49);
    if (P().keyTaken == 0) Spot(5, 204, 164, 210, 167, ckPointer, 9);
}

void Scene3CorridorDark() {
    Spot(2, 253, 92, 264, 103, ckPointer, 47);
    Spot(4, 461, 108, 533, 264, ckRight, 49);
}

void Scene4GameMenu() {
    GameState.menuOpen = 1;
    P().saveMenuMode = 0;
    Object("menu10", 35, 120, 15);
    Blank(15, 35, 120, 105, 134, ckPointer);
    Object("menu20", 35, 135, 16);
    Blank(16, 35, 135, 135, 149, ckPointer);
    Object("menu30", 35, 150, 17);
    Blank(17, 35, 150, 135, 164, ckPointer);
    Object("menu50", 35, 165, 19);
    Blank(19, 35, 165, 101, 179, ckPointer);
    Object("empty", 270, 115, 24);
    Object("empty", 354, 115, 25);
    Object("empty", 438, 115, 26);
    Object("empty", 270, 165, 27);
    Object("empty", 354, 165, 28);
    Object("empty", 438, 165, 29);
    Object("saveload", 268, 113, 23);
    Object(InLanguage("podtitul"), 269, 57, 0);
    if (GameState.menuReturnScene != 0)
        Spot(kGameMenuStripId, SurfaceLeft(), SurfaceTop(), 1024, 35 + SurfaceTop(), ckRight, 50);
}

void Scene10StationEntrance() {
    Spot(35, 256, 128, 289, 201, ckUp, 51);
    if (P().wireTaken == 0) {
        Object("drat", 511, 180, 46);
        Spot(46, 511, 180, 520, 211, ckPointer, 11);
    }
}

void Scene11StationHall() {
    Spot(36, 0, 17, 40, 233, ckLeft, 52);
    Spot(37, 101, 188, 148, 246, ckPointer, 53);
    Spot(38, 314, 5, 349, 36, ckPointer, 54);
    Spot(39, 173, 129, 212, 187, ckPointer, 55);
    Spot(40, 203, 247, 398, 269, ckDown, 56);
    Spot(41, 479, 87, 532, 212, ckRight, 57);
}

void Scene12TicketMachine() {
    Spot(44, 242, 132, 255, 198, ckPointer, 58);
    Spot(45, 133, 243, 407, 266, ckDown, 59);
}

void Scene13Platform() {
    Spot(42, 184, 88, 380, 142, ckUp, 60);
    Spot(43, 228, 228, 536, 268, ckDown, 61);
}

void Scene24VillageStop() {
    if (P().streetReached == 0) Spot(47, 296, 43, 331, 85, ckUp, 62);
    if (P().secretPlaceOpen == 1) Spot(71, 408, 130, 425, 138, ckPointer, 63);
    if (P().pictureSolved == 1) Spot(138, 0, 205, 281, 270, ckDown, 64);
    if (P().mapStudied == 1) Spot(180, 460, 80, 536, 161, ckRight, 65);
}

// "Hole" while empty, "Block filled hole" once a block sits in it.
TextId HoleLabel(int hole) { return P().holeBlock[hole] == 0 ? 66 : 67; }

void Scene25Ruin() {
    if (P().holeOrderCount < 4) {
        Spot(48, 76, 116, 86, 123, ckPointer, HoleLabel(0));
        Spot(49, 141, 123, 152, 131, ckPointer, HoleLabel(1));
        Spot(50, 368, 126, 380, 133, ckPointer, HoleLabel(2));
        Spot(51, 464, 126, 473, 134, ckPointer, HoleLabel(3));
    }
    if (P().tabletDone == 0) Spot(52, 451, 152, 487, 190, ckPointer, 68);
    Spot(53, 243, 43, 275, 49, ckPointer, 69);
    if (P().baseOpened == 0) Spot(55, 253, 189, 292, 207, ckPointer, 70);
    Spot(56, 19, 239, 520, 271, ckDown, 71);
    Object("kostka1", 77, 118, 48);
    Object("kostka1", 142, 125, 49);
    Object("kostka1", 369, 128, 50);
    Object("kostka1", 466, 128, 51);
}

void Scene26Crossroads() {
    Spot(57, 357, 92, 456, 133, ckRight, 72);
    Spot(58, 452, 159, 540, 269, ckRight, 73);
    Spot(60, 31, 222, 271, 271, ckDown, 74);
}

void Scene27Hillside() {
    Spot(59, 131, 96, 160, 125, ckUp, 75);
    Spot(61, 420, 186, 540, 267, ckRight, 76);
    Spot(62, 197, 103, 295, 160, ckUp, 77);
    Spot(63, 118, 173, 237, 250, ckPointer, 78);
    if (P().stonesBlockTaken == 0) Spot(67, 160, 203, 169, 211, ckPointer, 18);
}

void Scene28Excavator() {
    Spot(64, 415, 88, 432, 109, ckPointer, 79);
    Spot(65, 0, 232, 422, 271, ckDown, 59);
    if (P().rodTaken == 0) {
        Spot(66, 43, 223, 84, 238, ckPointer, 80);
        Object("tyc", 40, 223, 66);
    }
}

void Scene30Feeder() {
    Spot(68, 456, 124, 538, 271, ckRight, 59);
    Spot(69, 224, 121, 295, 167, ckPointer, 81);
    Spot(70, 193, 176, 296, 187, ckPointer, 82);
}

// Nine tiles, row-major. The third column's spots start at 294, two pixels
// inside the second column, which the later record wins.
void Scene32PicturePuzzle() {
    static constexpr int32_t kX[3] = {134, 215, 296};
    static constexpr int32_t kY[3] = {13, 94, 175};
    static constexpr int32_t kSpotLeft[3] = {134, 215, 294}, kSpotRight[3] = {214, 295, 374};
    static constexpr int32_t kSpotTop[3] = {13, 94, 174}, kSpotBottom[3] = {93, 173, 254};
    for (int k = 0; k < 9; ++k) Object("p0", kX[k % 3], kY[k / 3], static_cast<uint16_t>(72 + k));
    for (int k = 0; k < 9; ++k)
        Blank(72 + k, kSpotLeft[k % 3], kSpotTop[k / 3], kSpotRight[k % 3], kSpotBottom[k / 3],
              ckPointer);
    Spot(81, 409, 0, 534, 266, ckRight, 83);
}

void Scene36Cemetery() {
    if (P().tombOpened == 0) {
        Spot(82, 245, 150, 278, 209, ckPointer, 84);
        Object("vrata", 238, 136, 82);
    }
    if (P().tombOpened != 0) Spot(83, 245, 150, 278, 209, ckUp, 85);
    Spot(89, 437, 168, 537, 270, ckRight, 86);
    Spot(109, 6, 164, 58, 195, ckLeft, 87);
    Spot(121, 246, 117, 257, 135, ckPointer, 68);
    if (P().mechanismSolved == 0) Spot(135, 383, 153, 415, 189, ckPointer, 88);
}

// The two holes in the coffin open when the mechanism is solved.
void Scene37Tomb() {
    Spot(84, 90, 235, 428, 271, ckDown, 89);
    if (P().sculptureTaken == 0) Spot(85, 283, 91, 333, 114, ckPointer, 90);
    Spot(88, 209, 176, 334, 221, ckPointer, 91);
    if (P().mechanismSolved == 1) {
        Spot(86, 258, 157, 274, 162, ckPointer, 66);
        Spot(87, 317, 157, 334, 165, ckPointer, 66);
    } else {
        Object("otvory", 255, 158, 0);
    }
}

void Scene38Park() {
    Spot(90, 298, 183, 380, 211, ckUp, 92);
    Spot(91, 473, 170, 539, 271, ckRight, 93);
    if (P().axeTaken == 0) {
        Object("sekera", 27, 97, 137);
        Spot(137, 27, 97, 56, 136, ckPointer, 21);
    }
}

void Scene39Street() {
    Spot(92, 0, 199, 54, 269, ckLeft, 94);
    Spot(93, 43, 156, 111, 194, ckRight, 95);
    if (P().whiteHouseKnown != 0) Spot(94, 238, 184, 256, 203, ckUp, 96);
    Spot(96, 417, 158, 538, 270, ckRight, 97);
}

// The stained-glass window shows one pane per glassPattern entry set to 1.
void StainedGlassPanes() {
    struct Pane { const char* picture; int32_t x, y; };
    static constexpr Pane kPanes[9] = {
        {"sklo0", 433, 78},  {"sklo0", 443, 76},  {"sklo0", 452, 74},
        {"sklo1", 434, 94},  {"sklo1", 443, 93},  {"sklo1", 452, 92},
        {"sklo2", 434, 110}, {"sklo2", 443, 109}, {"sklo2", 452, 108},
    };
    for (int k = 0; k < 9; ++k)
        if (P().glassPattern[k] == 1) Object(kPanes[k].picture, kPanes[k].x, kPanes[k].y, 0);
}

void Scene40Square() {
    Spot(97, 0, 131, 40, 189, ckPointer, 98);
    Spot(98, 331, 119, 354, 249, ckRight, 99);
    Spot(99, 308, 33, 350, 82, ckPointer, 100);
    if (P().businessCardTaken == 0) Spot(100, 239, 217, 271, 239, ckPointer, 53);
    Spot(101, 0, 220, 150, 270, ckDown, 93);
    if (P().magnetTaken == 0) {
        Object("magnet", 41, 10, 0);
        Spot(112, 42, 10, 47, 14, ckPointer, 24);
    }
    StainedGlassPanes();
}

void Scene41HouseDoor() {
    Spot(103, 356, 229, 382, 242, ckPointer, 101);
    Spot(104, 0, 0, 74, 270, ckLeft, 59);
    if (P().letterTaken == 0) {
        Object("obalka", 211, 162, 0);
        Spot(102, 181, 78, 339, 189, ckPointer, 102);
        Spot(105, 323, 139, 331, 149, ckPointer, 103);
    }
}

// Every visit to the pub finds the toilet cistern refilled.
void Scene42Pub() {
    Spot(106, 0, 181, 213, 268, ckDown, 104);
    Spot(107, 300, 60, 372, 171, ckPointer, 105);
    Spot(108, 298, 0, 376, 49, ckRight, 106);
    if (P().cardRiddleState == 1) Spot(120, 303, 188, 318, 202, ckPointer, 107);
    if (P().penTaken == 0) {
        Object("propiska", 386, 209, 136);
        Spot(136, 386, 209, 420, 214, ckPointer, 27);
    }
    P().tankRefilling = 0;
}

void Scene43Graves() {
    Spot(111, 358, 203, 536, 270, ckRight, 46);
    if (P().photoTaken == 0) {
        Object("fotka", 337, 41, 1);
        Spot(110, 344, 45, 366, 76, ckPointer, 22);
    }
}

void Scene44CardRiddle() {
    Object("ka0", 86, 146, 115);
    Object("kb0", 183, 146, 116);
    Object("kc0", 280, 146, 117);
    Object("kd0", 377, 146, 118);
    Spot(115, 86, 146, 158, 231, ckPointer, 109);
    Spot(116, 183, 146, 255, 231, ckPointer, 109);
    Spot(117, 280, 146, 352, 231, ckPointer, 109);
    Spot(118, 377, 146, 449, 231, ckPointer, 109);
    Spot(119, 0, 0, 533, 76, ckUp, 110);
}

// Nine stone buttons, row-major, then their pictures at the spots' corners.
void Scene49StoneMechanism() {
    static constexpr int32_t kLeft[3] = {182, 246, 304}, kRight[3] = {233, 297, 355};
    static constexpr int32_t kTop[3] = {98, 155, 210}, kBottom[3] = {150, 205, 261};
    for (int k = 0; k < 9; ++k)
        Spot(125 + k, kLeft[k % 3], kTop[k / 3], kRight[k % 3], kBottom[k / 3], ckPointer, 30);
    Spot(134, 395, 121, 535, 269, ckDown, 83);
    for (int k = 0; k < 9; ++k)
        Object("tlac0", kLeft[k % 3], kTop[k / 3], static_cast<uint16_t>(125 + k));
}

// Buttons 1..9 (ids 140..148) are labelled "Button" and their digit.
void Scene50CodeDial() {
    struct Button { int32_t left, top, right, bottom; };
    static constexpr Button kButtons[9] = {
        {318, 124, 340, 144}, {341, 124, 363, 144}, {364, 124, 385, 144},
        {318, 97, 340, 123},  {341, 97, 363, 123},  {364, 97, 385, 123},
        {318, 71, 340, 96},   {341, 71, 363, 96},   {364, 71, 385, 96},
    };
    const std::string button = Text(111);
    for (int k = 0; k < 9; ++k) {
        const Button& b = kButtons[k];
        AddHotspot(140 + k, b.left, b.top, b.right, b.bottom, ckPointer,
                   button + " " + static_cast<char>('1' + k));
    }
    Object("c0", 336, 51, 140);
    Object("c0", 348, 51, 141);
    Object("c0", 360, 51, 142);
    Spot(149, 0, 187, 536, 269, ckDown, 46);
    Spot(181, 467, 135, 493, 151, ckPointer, 112);
}

void Scene51BunkerGate() {
    Spot(150, 155, 4, 265, 269, ckPointer, 113);
    Spot(151, 440, 17, 471, 73, ckPointer, 114);
    Spot(152, 309, 187, 536, 270, ckDown, 115);
}

void Scene53ByTheTracks() {
    Spot(153, 338, 140, 364, 173, ckUp, 116);
    Spot(154, 20, 195, 111, 206, ckPointer, 117);
}

void Scene54Map() {
    Spot(155, 0, 0, 131, 271, ckLeft, 118);
    if (P().bunkerFound == 0) Spot(156, 469, 199, 487, 217, ckPointer, 119);
}

void Scene56BunkerCorridor() {
    Spot(158, 0, 48, 60, 270, ckLeft, 120);
    if (P().boxOpened == 0) Spot(159, 83, 53, 166, 178, ckPointer, 121);
    Spot(160, 424, 81, 459, 170, ckUp, 122);
    if (P().bathroomOpen != 0) Spot(161, 480, 88, 503, 222, ckRight, 123);
}

// The three companions are labelled with their names.
void Scene57BunkerRoom() {
    Spot(162, 107, 111, 209, 270, ckPointer, 124);
    Spot(163, 216, 59, 344, 169, ckPointer, 125);
    Spot(164, 387, 58, 476, 183, ckPointer, 126);
    Spot(165, 0, 0, 48, 271, ckLeft, 127);
}

// The boilers take two records with one id.
void Scene65BoilerRoom() {
    Spot(166, 24, 210, 409, 273, ckDown, 128);
    Spot(167, 284, 0, 522, 58, ckPointer, 129);
    Spot(167, 345, 59, 522, 90, ckPointer, 129);
    if (P().valveState < 3) Spot(168, 479, 109, 488, 121, ckPointer, 130);
    if (P().valveState != 0) Object("kohoutek", 470, 105, 0);
}

void Scene68Bathroom() {
    Spot(169, 144, 0, 206, 35, ckPointer, 131);
    if (P().tapFound == 0) Spot(171, 428, 253, 443, 265, ckPointer, 132);
    Spot(172, 0, 0, 95, 269, ckLeft, 127);
}

}  // namespace

bool AddSceneContent(int32_t scene) {
    switch (scene) {
        case 1: Scene1Toilet(); break;
        case 2: Scene2CorridorLit(); break;
        case 3: Scene3CorridorDark(); break;
        case 4: Scene4GameMenu(); break;
        case 5: BuildPhoneGame(); break;
        case 10: Scene10StationEntrance(); break;
        case 11: Scene11StationHall(); break;
        case 12: Scene12TicketMachine(); break;
        case 13: Scene13Platform(); break;
        case 20: Object(InLanguage("uvadi"), 180, 205, 0); return false;    // title: presents
        case 21: Object(InLanguage("tvurce"), 72, 92, 0); return false;    // title: authors
        case 22: return false;                                              // title: the name
        case 24: Scene24VillageStop(); break;
        case 25: Scene25Ruin(); break;
        case 26: Scene26Crossroads(); break;
        case 27: Scene27Hillside(); break;
        case 28: Scene28Excavator(); break;
        case 30: Scene30Feeder(); break;
        case 32: Scene32PicturePuzzle(); break;
        case 36: Scene36Cemetery(); break;
        case 37: Scene37Tomb(); break;
        case 38: Scene38Park(); break;
        case 39: Scene39Street(); break;
        case 40: Scene40Square(); break;
        case 41: Scene41HouseDoor(); break;
        case 42: Scene42Pub(); break;
        case 43: Scene43Graves(); break;
        case 44: Scene44CardRiddle(); break;
        case 49: Scene49StoneMechanism(); break;
        case 50: Scene50CodeDial(); break;
        case 51: Scene51BunkerGate(); break;
        case 53: Scene53ByTheTracks(); break;
        case 54: Scene54Map(); break;
        case 56: Scene56BunkerCorridor(); break;
        case 57: Scene57BunkerRoom(); break;
        case 65: Scene65BoilerRoom(); break;
        case 68: Scene68Bathroom(); break;
        case 82: Object(InLanguage("konec"), 171, 113, 0); return false;   // the end
        default: break;  // pictures of queued steps: background, strip and bar only
    }
    return true;
}
