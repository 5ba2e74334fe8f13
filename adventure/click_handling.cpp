// click_handling.cpp: dispatching idle clicks and running queued steps.
#include "adventure/click_handling.h"

#include "adventure/chapters.h"
#include "adventure/comforts.h"
#include "adventure/game_ids.h"
#include "adventure/hotspots.h"
#include "adventure/inventory.h"
#include "adventure/inventory_rules.h"
#include "adventure/player_sprite.h"
#include "adventure/scene_builder.h"
#include "adventure/sound_effects.h"
#include "adventure/step_queue.h"
#include "core/game_state.h"

namespace {

constexpr uint8_t kClickSample = 3;

// Stores the item in the first free inventory entry (none free: not stored)
// and shows it in the bar with its sparkle.
void GainItem(uint16_t item) {
    for (uint8_t& entry : GameState.live.inventory) {
        if (entry != 0) continue;
        entry = static_cast<uint8_t>(item);
        break;
    }
    DejInv(item, true);
}

void RunStep(TSekvence& step) {
    if (step.scene >= 0) {
        GameState.live.scene = step.scene;
        VykresliScenu();
    }
    if (step.item != 0) GainItem(step.item);
    if (step.sound != 0) PlaySample(step.sound);
    SetMessage(step.text);
    step.pending = false;
}

}  // namespace

void DispatchClick(int32_t id) {
    if (id >= kFirstInventoryHotspot && id <= kLastInventoryHotspot) {
        ClickInventoryItem(static_cast<uint16_t>(id));
        return;
    }
    if (id == Spot::GameMenuStrip) {
        ClickGameMenuStrip();
        return;
    }
    DispatchSceneClick(GameState.live.scene, id);
}

void RunNextStep() {
    for (TSekvence& step : GameState.ui.steps) {
        if (!step.pending) continue;
        RunStep(step);
        return;
    }
    ClearSteps();
    GameState.ui.messageLines[0].clear();
}

void ClickDrawingSurface() {
    if (GameState.ui.hoverStale) FindHoverUnderMouse();
    if (!IsBusy()) {
        const TTryWatch watch;  // an item tried where no rule takes it gets a reply
        DispatchClick(GameState.ui.hoverId);
        watch.Answer();
    }
    RunNextStep();
}

void RightButtonUp() {
    if (IsBusy()) return;
    if (GameState.ui.selectedItem != 0) PlaySample(kClickSample);
    GameState.ui.selectedItem = 0;
}

void ClickGameMenuByKey() {
    if (!HasHotspot(Spot::GameMenuStrip)) return;
    if (!IsBusy()) DispatchClick(Spot::GameMenuStrip);
    RunNextStep();
}
