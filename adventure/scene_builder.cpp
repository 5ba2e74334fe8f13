// scene_builder.cpp: the eleven steps of a scene build.
#include "adventure/scene_builder.h"

#include "adventure/comforts.h"
#include "adventure/game_ids.h"
#include "adventure/hotspots.h"
#include "adventure/inventory.h"
#include "adventure/picture_choice.h"
#include "adventure/player_sprite.h"
#include "adventure/scene_catalogue.h"
#include "adventure/scene_object.h"
#include "core/game_state.h"
#include "core/main_form.h"
#include "texts/texts.h"

namespace {

constexpr int32_t kGameMenuStripHeight = 35;
constexpr int32_t kGameMenuStripRight = 1024;
constexpr uint16_t kGameMenuLabel = 133;

// Gives a sprite the picture called `name` (the empty picture when the
// catalogue has none) and that picture's pattern size.
void SetPicture(TImageSpriteEx& sprite, const std::string& name) {
    sprite.Image = PictureOrNothing(name);
    sprite.Width = sprite.Image != nullptr ? sprite.Image->Width() : 0;
    sprite.Height = sprite.Image != nullptr ? sprite.Image->Height() : 0;
}

void CreateCursor(TSpriteEngine& engine) {
    auto* cursor = new TPlayerSprite(&engine);
    SetPicture(*cursor, "img2");
    cursor->SetZ(5);
}

// Centres the picture on the drawing surface (halving rounds toward zero).
void CentrePicture() {
    const int32_t w = MainForm->DDraw.SurfaceWidth();
    const int32_t h = MainForm->DDraw.SurfaceHeight();
    GameState.originX = static_cast<uint16_t>(w / 2 - (kScenePictureWidth / 2));
    GameState.originY = static_cast<uint16_t>(h / 2 - (kScenePictureHeight / 2));
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
    background->X = GameState.originX;
    background->Y = GameState.originY;
}

void AddGameMenuStrip() {
    const int32_t x = GameState.originX, y = GameState.originY;
    AddHotspot(Spot::GameMenuStrip, -x, -y, kGameMenuStripRight, kGameMenuStripHeight - y,
               ckGameMenu, Text(kGameMenuLabel));
}

}  // namespace

TPredmet* DejPredmet(const std::string& name, int32_t x, int32_t y, uint16_t id) {
    auto* object = new TPredmet(&MainForm->DXSpriteEngine.Engine());
    SetPicture(*object, name);
    object->X = GameState.originX + x;
    object->Y = GameState.originY + y;
    object->SetZ(2);
    object->id = id;
    return object;
}

void VykresliScenu() {
    const int32_t scene = GameState.live.scene;
    if (scene < 0 || MainForm == nullptr) return;
    GameState.hoverId = 0;
    FreeAllHotspots();
    TSpriteEngine& engine = MainForm->DXSpriteEngine.Engine();
    engine.Clear();
    engine.X = 0;
    engine.Y = 0;
    CreateCursor(engine);
    CreateBackground(engine, scene);
    const bool showBar = AddSceneContent(scene);
    if (GameState.menuOpen == 0 && scene != Scene::PhoneGame) AddGameMenuStrip();
    if (GameState.menuOpen == 0 && showBar) RebuildInventory();
    GameState.selectedItem = 0;
    GameState.hoverCursor = ckPointer;
    GameState.hoverLabel.clear();
    AddComfortSprites(engine);
}
