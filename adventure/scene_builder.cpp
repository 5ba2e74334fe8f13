// scene_builder.cpp: the eleven steps of a scene build.
#include "adventure/scene_builder.h"

#include "adventure/comforts.h"
#include "adventure/game_ids.h"
#include "adventure/hotspots.h"
#include "adventure/inventory.h"
#include "adventure/picture_choice.h"
#include "adventure/player_sprite.h"
#include "adventure/chapters.h"
#include "core/game_state.h"
#include "sprites/sprite_engine.h"
#include "adventure/game_window.h"
#include "texts/texts.h"

namespace {

constexpr int32_t kGameMenuStripHeight = 35;
constexpr int32_t kGameMenuStripRight = 1024;
constexpr uint16_t kGameMenuLabel = 133;

void CreateCursor(TSpriteEngine& engine) {
    auto* cursor = new TPlayerSprite(&engine);
    SetPictureAndSize(*cursor, "img2");
    cursor->SetZ(5);
}

// Centres the picture on the drawing surface (halving rounds toward zero).
void CentrePicture() {
    const int32_t w = GameWindow()->DrawingWidth();
    const int32_t h = GameWindow()->DrawingHeight();
    GameState.ui.originX = static_cast<uint16_t>(w / 2 - (kScenePictureWidth / 2));
    GameState.ui.originY = static_cast<uint16_t>(h / 2 - (kScenePictureHeight / 2));
}

void CreateBackground(TSpriteEngine& engine, int32_t scene) {
    auto* background = new TPozadi(&engine);
    std::string name = "scena";
    AppendDecimal(name, scene);
    background->Image = PictureOrNothing(name);
    background->SetZ(1);
    background->Width = kScenePictureWidth;
    background->Height = kScenePictureHeight;
    CentrePicture();
    background->X = GameState.ui.originX;
    background->Y = GameState.ui.originY;
}

void AddGameMenuStrip() {
    const int32_t x = GameState.ui.originX, y = GameState.ui.originY;
    AddHotspot(Spot::GameMenuStrip, -x, -y, kGameMenuStripRight, kGameMenuStripHeight - y,
               ckGameMenu, Text(kGameMenuLabel));
}

}  // namespace

void VykresliScenu() {
    const int32_t scene = GameState.live.scene;
    if (scene < 0 || GameWindow() == nullptr) return;
    GameState.ui.hoverId = 0;
    FreeAllHotspots();
    TSpriteEngine& engine = SceneEngine();
    engine.Clear();
    engine.X = 0;
    engine.Y = 0;
    CreateCursor(engine);
    CreateBackground(engine, scene);
    const bool showBar = AddSceneContent(scene);
    if (GameState.ui.menuOpen == 0 && scene != Scene::PhoneGame) AddGameMenuStrip();
    if (GameState.ui.menuOpen == 0 && showBar) RebuildInventory();
    GameState.ui.selectedItem = 0;
    GameState.ui.hoverCursor = ckPointer;
    GameState.ui.hoverLabel.clear();
    AddComfortSprites(engine);
}
