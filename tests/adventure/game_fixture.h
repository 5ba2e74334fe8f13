// game_fixture.h: a headless game window for the adventure tests.
//
// One TMainForm for the whole test binary (the game has one window per
// process): headless display of 640x480, manual clock, fixed-width text,
// recording sound library, the real embedded pictures. Every test starts
// from a reset GameState with the language bound and sample 1 loaded, and
// builds the scenes it needs. The comforts are off unless a test turns them on.
//
// Every case starts from ResetGame(): no state of a module, and no sprite,
// is left over from the case before.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "adventure/comforts.h"
#include "adventure/hotspots.h"
#include "adventure/scene_builder.h"
#include "adventure/scene_object.h"
#include "graphics/display.h"
#include "graphics/embedded_pictures.h"
#include "graphics/text_renderer.h"
#include "core/game_state.h"
#include "shell/main_form.h"
#include "core/null_platform.h"
#include "core/random.h"
#include "core/sound_library.h"
#include "core/web_opener.h"
#include "sprites/clock.h"
#include "texts/texts.h"
#include "shell/game_reset.h"

struct HeadlessGame {
    TNullPlatform platform;
    HeadlessBackend& display = platform.display;
    ManualClock& clock = platform.clock;
    RecordingSoundLibrary& sound = platform.sound;
    std::unique_ptr<TMainForm> form;

    HeadlessGame() {
        form = std::make_unique<TMainForm>(platform.Platform());
        std::string error;
        if (!form->LoadPictures(EmbeddedPictureData(), error)) ADD_FAILURE() << error;
        Resize(640, 480);
    }
    void Resize(int32_t w, int32_t h) {
        std::string error;
        form->DDraw.Finalize();
        if (!form->DDraw.Initialize(DisplayMode{false, w, h}, error)) ADD_FAILURE() << error;
    }
    static HeadlessGame& Shared() {
        static HeadlessGame game;
        return game;
    }
};

class GameTest : public ::testing::Test {
protected:
    HeadlessGame& game = HeadlessGame::Shared();
    TMainForm& form = *game.form;
    TSpriteEngine& engine = form.DXSpriteEngine.Engine();
    TProgress& progress = GameState.live.progress;

    void SetUp() override {
        ResetGame();
        Comforts() = TComfortSwitches{false, false};  // the rules alone; comfort tests switch them on
        SetLanguageSource(&GameState.settings.language);
        Randomize(1);
        game.sound.calls.clear();
        game.sound.playedPaths.clear();
        form.soundHandles[1] = game.sound.SampleLoad("gamedata/pre.qzd", 3);
        if (form.DDraw.SurfaceWidth() != 640 || form.DDraw.SurfaceHeight() != 480)
            game.Resize(640, 480);
    }

    void Build(int32_t scene) {
        GameState.live.scene = scene;
        VykresliScenu();
    }
    // One frame of the game loop with `ms` milliseconds of move time.
    void Frame(int32_t ms = 16) { form.TimerTimer(ms); }
    // Moves the mouse to a point in picture coordinates and runs a frame.
    void PointAt(int32_t px, int32_t py) {
        form.DDrawMouseMove(GameState.ui.originX + px, GameState.ui.originY + py);
        Frame();
    }

    template <class T>
    std::vector<T*> All() {
        std::vector<T*> found;
        for (int32_t i = 0; i < engine.Count(); ++i)
            if (auto* s = dynamic_cast<T*>(engine.Items(i))) found.push_back(s);
        return found;
    }
    // Ids of the records in use, in table order.
    std::vector<int32_t> SpotIds() const {
        std::vector<int32_t> ids;
        for (const auto& h : GameState.ui.hotspots)
            if (h.id != 0) ids.push_back(h.id);
        return ids;
    }
    const TPomocnyObjekt* SpotOf(int32_t id) const {
        for (const auto& h : GameState.ui.hotspots)
            if (h.id == id) return &h;
        return nullptr;
    }
    static std::string PictureOf(const TImageSprite* s) {
        return s != nullptr && s->Image != nullptr ? s->Image->Name() : "<none>";
    }
    // The scene object with id `id`, or nullptr; the name of its picture.
    TPredmet* ObjectWithId(uint16_t id) {
        for (TPredmet* o : All<TPredmet>())
            if (o->id == id) return o;
        return nullptr;
    }
    std::string PictureOfId(uint16_t id) { return PictureOf(ObjectWithId(id)); }

    // Hovers hotspot `id` as the cursor would have found it, then clicks.
    void ClickOn(int32_t id) {
        GameState.ui.hoverId = static_cast<uint16_t>(id);
        form.DDrawClick();
    }
    // Puts the item into the first free inventory place; carries it.
    static void Give(uint16_t item) {
        for (uint8_t& entry : GameState.live.inventory) {
            if (entry != 0) continue;
            entry = static_cast<uint8_t>(item);
            return;
        }
    }
    static void Carry(uint16_t item) { GameState.ui.selectedItem = item; }
};
