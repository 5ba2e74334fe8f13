// play_session.cpp: creating, starting and running the headless game.
#include "tools/play/play_session.h"

#include <filesystem>
#include <system_error>

#include "adventure/comforts.h"
#include "graphics/embedded_pictures.h"
#include "core/game_state.h"
#include "core/random.h"
#include "shell/settings_file.h"
#include "texts/texts.h"
#include "tools/play/sample_log.h"
#include "shell/game_reset.h"

namespace fs = std::filesystem;

PlaySession::PlaySession(const PlayOptions& options, std::ostream& out)
    : options_(options), out_(out) {}

PlaySession::~PlaySession() {
    panel_.reset();
    form_.reset();
    SetLanguageSource(nullptr);
}

bool PlaySession::Open(std::string& error) {
    if (options_.programDir.empty()) options_.programDir = ".";
    std::error_code ec;
    fs::create_directories(options_.programDir, ec);
    if (ec || !fs::is_directory(options_.programDir)) {
        error = "cannot create the program folder " + options_.programDir + ": " + ec.message();
        return false;
    }
    ResetGame();
    Comforts() = TComfortSwitches{options_.comforts, options_.comforts};
    form_ = std::make_unique<TMainForm>(platform_.Platform(&text_));
    TStartPanelHost host;
    host.showError = [this](const std::string& text) { startError_ = text; };
    panel_ = std::make_unique<TStartPanel>(*form_, host);
    // The harness's folder is the program folder; it has no user data folder.
    panel_->FormCreate(kDefaultSeed, options_.programDir, [] { return std::string(); });
    if (!form_->LoadPictures(EmbeddedPictureData(), error, true)) return false;
    form_->FormActivate();
    return true;
}

bool PlaySession::Start(std::string& error) {
    if (started_) {
        error = "the game has already started (there is no way back to the start panel)";
        return false;
    }
    startError_.clear();
    if (!panel_->StartClick()) {
        error = "the game did not start: " + startError_;
        return false;
    }
    started_ = true;
    RunFrame(kInputFrameMs);
    return true;
}

// The recording library's log of every call is not read by scripts (they ask
// for the samples started); it is dropped each frame so that a long soak or
// walkthrough does not grow with it.
void PlaySession::RunFrame(int32_t lagMs) {
    platform_.clock.now += static_cast<uint32_t>(lagMs);
    form_->Timer.Idle();
    platform_.sound.calls.clear();
}

std::string PlaySession::ShotPath(const std::string& file) const {
    const fs::path p(file);
    return p.is_absolute() ? p.string() : (fs::path(options_.shotsDir) / p).string();
}

std::vector<int> PlaySession::PlayedSamples() const { return SampleNumbers(platform_.sound.playedPaths); }

std::vector<int> PlaySession::TakeSamples() {
    std::vector<int> numbers = PlayedSamples();
    platform_.sound.playedPaths.clear();
    return numbers;
}

bool PlaySession::SessionNames::ReadName(std::string_view name, Value& out, std::string& error) {
    if (name != "sounds") return GameStateNames::ReadName(name, out, error);
    out = Value::Text(JoinNumbers(session_.PlayedSamples()));
    return true;
}
