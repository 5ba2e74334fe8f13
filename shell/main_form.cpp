// main_form.cpp: the window's components, its frame and its input handlers.
#include "shell/main_form.h"

#include "adventure/click_handling.h"
#include "adventure/phone_game.h"
#include "adventure/player_sprite.h"

#include "core/game_state.h"
#include "adventure/hotspot_markers.h"
#include "shell/player_controls.h"
#include "shell/text_overlay.h"
#include "texts/texts.h"

TMainForm::TMainForm(const TPlatform& platform)
    : Timer(platform.clock), DDraw(platform.display), Text(platform.text),
      Sound(platform.sound), Web(platform.web) {
    AttachGameWindow(this);
    SetLanguageSource(&GameState.settings.language);
    DXSpriteEngine.SetDXDraw(&DDraw);
    SetMarkerTextRenderer(&Text);
    ImageList.Bind(&DDraw);
    DDraw.OnInitialize = [this] { DDrawInitialize(); };
    DDraw.OnFinalize = [this] { DDrawFinalize(); };
    Timer.OnTimer = [this](TDXTimer&, int32_t lag) { TimerTimer(lag); };
    Timer.OnActivate = [this](TDXTimer&) { TimerActivate(); };
    Timer.OnDeactivate = [this](TDXTimer&) { TimerDeactivate(); };
    Timer.SetInterval(0);
    Timer.SetActiveOnly(false);
    Timer.SetEnabled(true);
}

TMainForm::~TMainForm() {
    DDraw.Finalize();
    DXSpriteEngine.SetDXDraw(nullptr);
    ImageList.Bind(nullptr);
    if (GameWindow() == this) {
        AttachGameWindow(nullptr);
        SetMarkerTextRenderer(nullptr);
    }
}

bool TMainForm::LoadPictures(std::span<const uint8_t> container, std::string& error, bool lasting) {
    ForgetPhoneGamePictures();  // it points into the catalogue being replaced
    return ImageList.LoadFromContainer(container, error, lasting);
}

// One frame: the gamepad's stick moves the mouse point, then move, free the
// dead, clear, draw the sprites, the texts, present (the drawing only when
// frames are drawn).
// The clear leaves out what the scene's opaque background is about to cover,
// and outside it touches only what the last frame drew.
void TMainForm::TimerTimer(int32_t LagCount) {
    if (!DDraw.CanDraw()) return;
    MoveCursorByStick(*this, LagCount);
    DXSpriteEngine.Move(LagCount);
    DXSpriteEngine.PurgeDead();
    if (!DrawFrames) return;
    DDraw.ClearOutside(DXSpriteEngine.OpaqueUnderlay(), 0);
    DXSpriteEngine.Draw();
    DrawTextOverlay(*this);
    DDraw.Flip();
}

void TMainForm::FormActivate() { Timer.SetEnabled(true); }
void TMainForm::FormDeactivate() { Timer.SetEnabled(false); }
void TMainForm::DDrawInitialize() { Timer.SetEnabled(true); }
void TMainForm::DDrawFinalize() { Timer.SetEnabled(false); }

// Switching to another program pauses all sound; coming back resumes it.
void TMainForm::TimerActivate() {
    if (GameState.settings.soundOn) Sound.Start();
}
void TMainForm::TimerDeactivate() {
    if (GameState.settings.soundOn) Sound.Pause();
}

// Enter and Space act exactly like a left click at the cursor; the other
// keys the game knows are in player_controls.h.
void TMainForm::FormKeyDown(int32_t key, bool shift) { GameKeyDown(*this, key, shift); }
void TMainForm::FormKeyUp(int32_t key) { GameKeyUp(*this, key); }

// A click acts on the hotspot under the cursor: the one the last frame found,
// or, after a move no frame has followed, the one under the new position.
void TMainForm::DDrawClick() { ClickDrawingSurface(); }

// The cursor catches up with the mouse in the next frame.
void TMainForm::DDrawMouseMove(int32_t x, int32_t y) { MouseMovedTo(x, y); }

// The middle button holds the marks while it is down.
void TMainForm::DDrawMouseDown(TMouseButton button, int32_t, int32_t) { GameMouseDown(button); }

// The right button's release drops a carried item; the middle one's ends the marks.
void TMainForm::DDrawMouseUp(TMouseButton button, int32_t, int32_t) {
    if (button == TMouseButton::mbRight) RightButtonUp();
    GameMouseUp(button);
}

void TMainForm::PadButtonDown(TPadButton button) { GamePadDown(*this, button); }
void TMainForm::PadButtonUp(TPadButton button) { GamePadUp(*this, button); }

// The cursor follows the stick in the frames that come (MoveCursorByStick).
void TMainForm::PadStickMove(int32_t x, int32_t y) {
    PadStick.x = x;
    PadStick.y = y;
}
