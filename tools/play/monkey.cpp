// monkey.cpp: random input against the game, with the state checked every frame.
#include "tools/play/monkey.h"

#include <algorithm>
#include <exception>
#include <random>
#include <set>
#include <vector>

#include "adventure/game_ids.h"
#include "adventure/inventory.h"
#include "adventure/scene_builder.h"
#include "adventure/step_queue.h"
#include "core/game_state.h"
#include "shell/main_form.h"
#include "tools/play/commands.h"
#include "tools/play/play_session.h"

namespace {
constexpr int32_t kHighestScene = 255;
constexpr int kMaxSample = 11;
constexpr int kMaxCursorKind = 6;

bool HasPicture(PlaySession& session, const std::string& name) {
    return session.Form().ImageList.IndexOf(name) >= 0;
}

bool IsScene(PlaySession& session, int32_t scene) {
    return scene >= 0 && scene <= kHighestScene && HasPicture(session, "scena" + std::to_string(scene));
}

bool IsItem(uint32_t item) {
    uint16_t text = 0;
    return item <= UINT16_MAX && ItemNameTextId(static_cast<uint16_t>(item), text);
}

bool Fault(std::string& error, std::string text) {
    error = std::move(text);
    return false;
}

bool CheckSteps(PlaySession& session, std::string& error) {
    for (size_t i = 0; i < std::size(GameState.ui.steps); ++i) {
        const TSekvence& s = GameState.ui.steps[i];
        const std::string at = "step " + std::to_string(i) + ": ";
        if (s.scene != -1 && !IsScene(session, s.scene))
            return Fault(error, at + "scene " + std::to_string(s.scene) + " is no scene of the game");
        if (s.item != 0 && !IsItem(s.item)) return Fault(error, at + "item " + std::to_string(s.item) + " does not exist");
        if (s.sound > kMaxSample) return Fault(error, at + "sample " + std::to_string(s.sound) + " does not exist");
    }
    return true;
}

bool CheckInventory(PlaySession& session, const std::set<uint8_t>* madeUp, std::string& error) {
    std::set<int> held;
    for (size_t i = 0; i < kInventorySize; ++i) {
        const uint8_t item = GameState.live.inventory[i];
        if (item == 0) continue;
        const std::string at = "inventory[" + std::to_string(i) + "] = " + std::to_string(item);
        if (!IsItem(item)) return Fault(error, at + " is no item");
        const bool fabricated = madeUp != nullptr && madeUp->count(item) != 0;
        if (!held.insert(item).second && !fabricated) return Fault(error, at + " is held twice");
        if (!HasPicture(session, "inv" + std::to_string(item)))
            return Fault(error, at + ": picture inv" + std::to_string(item) + " not found");
    }
    return true;
}

bool CheckHover() {
    if (GameState.ui.hoverId == 0) return true;
    return std::any_of(std::begin(GameState.ui.hotspots), std::end(GameState.ui.hotspots),
                       [](const TPomocnyObjekt& h) { return h.id != 0 && h.id == GameState.ui.hoverId; });
}
}  // namespace

bool CheckGameInvariants(PlaySession& session, std::string& error, const std::set<uint8_t>* madeUp) {
    const int32_t scene = GameState.live.scene;
    if (!IsScene(session, scene))
        return Fault(error, "scene " + std::to_string(scene) + " is no scene of the game (or its picture was not found)");
    if (!CheckHover()) return Fault(error, "hoverId " + std::to_string(GameState.ui.hoverId) + " is no hotspot of scene " + std::to_string(scene));
    if (GameState.ui.selectedItem != 0 && !IsItem(GameState.ui.selectedItem))
        return Fault(error, "selectedItem " + std::to_string(GameState.ui.selectedItem) + " is no item");
    if (GameState.ui.messageLineCount > 2) return Fault(error, "messageLineCount " + std::to_string(GameState.ui.messageLineCount));
    if (GameState.ui.hoverCursor > kMaxCursorKind) return Fault(error, "hoverCursor " + std::to_string(GameState.ui.hoverCursor));
    if (GameState.ui.menuOpen > 1) return Fault(error, "menuOpen " + std::to_string(GameState.ui.menuOpen));
    return CheckSteps(session, error) && CheckInventory(session, madeUp, error);
}

namespace {
// The soak's own dice, and what it knows of the game it plays.
class Monkey {
public:
    Monkey(PlaySession& session, uint32_t seed) : session_(session), rng_(seed) {
        for (int32_t s = 0; s <= kHighestScene; ++s)
            if (IsScene(session, s)) scenes_.push_back(s);
        for (uint32_t item = kFirstItemId; item <= kLastItemId; ++item)
            if (IsItem(item)) items_.push_back(static_cast<uint8_t>(item));
    }

    int Roll(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    // One random input; returns what it did, for the failure message.
    std::string Act(MonkeyReport& report);
    // A random scene with a random plausible state.
    std::string Jump(MonkeyReport& report);
    // Items a jump put into the inventory since the last new game: the made-up
    // flags may let a rule give one of them a second time, which is the
    // jump's doing, not the game's.
    const std::set<uint8_t>& MadeUpItems() const { return madeUp_; }

private:
    std::string Pick(MonkeyReport& report);
    void RandomProgress();
    void RandomInventory();

    PlaySession& session_;
    std::mt19937 rng_;
    std::vector<int32_t> scenes_;
    std::vector<uint8_t> items_;
    std::set<uint8_t> madeUp_;
};

std::string Monkey::Act(MonkeyReport& report) {
    TMainForm& form = session_.Form();
    const int roll = Roll(100);
    if (roll < 50) {
        const int32_t x = Roll(form.DDraw.SurfaceWidth()), y = Roll(form.DDraw.SurfaceHeight());
        form.DDrawMouseMove(x, y);
        return "move " + std::to_string(x) + " " + std::to_string(y);
    }
    if (roll < 65) {
        ++report.clicks;
        const bool newGame =
            GameState.live.scene == Scene::Menu && GameState.ui.hoverId == Spot::MenuNewGame;
        form.DDrawClick();
        if (newGame && GameState.live.scene == Scene::MyRoom) madeUp_.clear();
        form.DDrawMouseUp(TMouseButton::mbLeft, GameState.ui.mouseX, GameState.ui.mouseY);
        return "click";
    }
    if (roll < 72) {
        ++report.clicks;
        form.DDrawMouseUp(TMouseButton::mbRight, GameState.ui.mouseX, GameState.ui.mouseY);
        return "rclick";
    }
    if (roll < 82) {
        ++report.keys;
        const int32_t key = roll < 77 ? VK_RETURN : VK_SPACE;
        form.FormKeyDown(key);
        form.FormKeyUp(key);
        return key == VK_RETURN ? "key enter" : "key space";
    }
    if (roll < 90) return Pick(report);
    return "nothing";
}

// Points at a random item of the bar (its hotspot's middle) and clicks it.
std::string Monkey::Pick(MonkeyReport& report) {
    std::vector<const TPomocnyObjekt*> bar;
    for (const TPomocnyObjekt& h : GameState.ui.hotspots)
        if (IsItem(static_cast<uint32_t>(h.id))) bar.push_back(&h);
    if (bar.empty()) return "pick (bar empty)";
    const TPomocnyObjekt& h = *bar[Roll(static_cast<int>(bar.size()))];
    const int32_t x = GameState.ui.originX + (h.left + h.right) / 2;
    const int32_t y = GameState.ui.originY + (h.top + h.bottom) / 2;
    TMainForm& form = session_.Form();
    form.DDrawMouseMove(std::clamp(x, 0, form.DDraw.SurfaceWidth() - 1),
                        std::clamp(y, 0, form.DDraw.SurfaceHeight() - 1));
    session_.RunFrame(PlaySession::kInputFrameMs);
    form.DDrawClick();
    ++report.picks;
    return "pick item " + std::to_string(h.id);
}

void Monkey::RandomProgress() {
    TProgress& p = GameState.live.progress;
    for (const TProgressName& entry : kProgressNames)
        for (int k = 0; k < entry.count; ++k) p[entry.index + k] = static_cast<uint8_t>(Roll(2));
    // Entries with more than two states, within the values the game gives them.
    p.flushCount = static_cast<uint8_t>(Roll(4));
    p.saveMenuMode = static_cast<uint8_t>(Roll(3));
    p.cardRiddleState = static_cast<uint8_t>(Roll(3));
    p.holeOrderCount = static_cast<uint8_t>(Roll(5));
    for (uint8_t& b : p.holeBlock) b = 0;
    for (uint8_t& d : p.dialCode) d = static_cast<uint8_t>(1 + Roll(9));
    for (uint8_t& f : p.cardFace) f = static_cast<uint8_t>(Roll(4));
    for (uint8_t& s : p.stone) s = static_cast<uint8_t>(Roll(3));
    for (uint8_t& d : p.dialDigits) d = static_cast<uint8_t>(Roll(10));
    for (int i = 0; i < 9; ++i) p.tile[i] = static_cast<uint8_t>(i);
    std::shuffle(std::begin(p.tile), std::end(p.tile), rng_);
    for (int i = 97; i <= 200; ++i) p[i] = 0;
    p.unused0 = 0;
}

// An item made by combining two others is never held beside what it was made
// from: the combination used them up (the stone, 225, stays).
void DropUsedIngredients(std::vector<uint8_t>& items) {
    struct Made { uint8_t product, used1, used2; };
    static constexpr Made kMade[] = {{221, 219, 220}, {223, 201, 222}, {216, 226, 0}, {233, 224, 225}};
    auto holds = [&](uint8_t item) { return std::find(items.begin(), items.end(), item) != items.end(); };
    for (const Made& m : kMade)
        if (holds(m.product))
            std::erase_if(items, [&](uint8_t item) { return item == m.used1 || (m.used2 != 0 && item == m.used2); });
}

void Monkey::RandomInventory() {
    std::vector<uint8_t> items = items_;
    std::shuffle(items.begin(), items.end(), rng_);
    items.resize(Roll(static_cast<int>(items.size()) + 1));
    DropUsedIngredients(items);
    std::fill(std::begin(GameState.live.inventory), std::end(GameState.live.inventory), 0);
    std::copy(items.begin(), items.end(), GameState.live.inventory);
    madeUp_.insert(items.begin(), items.end());
}

std::string Monkey::Jump(MonkeyReport& report) {
    ++report.jumps;
    RandomProgress();
    RandomInventory();
    ClearSteps();
    SetMessage("");
    GameState.ui.menuOpen = 0;
    GameState.live.scene = scenes_[Roll(static_cast<int>(scenes_.size()))];
    GameState.live.mapReturnScene = static_cast<uint8_t>(scenes_[Roll(static_cast<int>(scenes_.size()))]);
    VykresliScenu();
    return "goto " + std::to_string(GameState.live.scene);
}
}  // namespace

bool RunMonkeySoak(PlaySession& session, int64_t frames, uint32_t seed, MonkeyReport& report,
                   std::string& error) {
    report = MonkeyReport{};
    Monkey monkey(session, seed);
    std::set<int32_t> seen;
    int64_t nextJump = 200 + monkey.Roll(301);
    for (int64_t frame = 1; frame <= frames; ++frame) {
        std::string action;
        try {
            action = frame == nextJump ? monkey.Jump(report) : monkey.Act(report);
            if (frame == nextJump) nextJump = frame + 200 + monkey.Roll(301);
            session.RunFrame(1 + monkey.Roll(50));
        } catch (const std::exception& e) {
            error = "frame " + std::to_string(frame) + " (seed " + std::to_string(seed) + ", " + action +
                    "): " + e.what();
            return false;
        }
        ++report.frames;
        session.TakeSamples();  // a soak checks no sounds; their log would only grow
        seen.insert(GameState.live.scene);
        report.scenesSeen = static_cast<int>(seen.size());
        std::string fault;
        if (!CheckGameInvariants(session, fault, &monkey.MadeUpItems())) {
            error = "frame " + std::to_string(frame) + " (seed " + std::to_string(seed) + ", after " +
                    (action.empty() ? "?" : action) + "): " + fault;
            return false;
        }
    }
    return true;
}

bool RunMonkey(PlaySession& session, const ScriptCommand& command, std::string& error) {
    if (!NeedsStart(session, command, error)) return false;
    int64_t frames = 0, seed = 1;
    if (!ArgInt(session, command, 0, 1, INT64_MAX / 2, frames, error)) return false;
    if (command.args.size() > 1 && !ArgInt(session, command, 1, 0, UINT32_MAX, seed, error)) return false;
    MonkeyReport r;
    const bool ok = RunMonkeySoak(session, frames, static_cast<uint32_t>(seed), r, error);
    session.Out() << "monkey: " << r.frames << " frames, seed " << seed << ", " << r.clicks << " clicks, "
                  << r.keys << " keys, " << r.picks << " picks, " << r.jumps << " jumps, "
                  << r.scenesSeen << " scenes" << (ok ? ", clean" : ", FAILED") << "\n";
    if (!ok) error = "monkey: " + error;
    return ok;
}
