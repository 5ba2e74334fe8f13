// play_session.h: the game core running headless for one play script.
//
// A session is the game's window without a window: a TMainForm on the
// headless display backend, a manual clock, the real TTF text renderer (so
// screenshots show real text), a recording sound library and web opener,
// and the embedded pictures. It starts as the program does (random seed,
// program folder, settings) and then does only what the script asks:
// frames run through the form's frame timer exactly as in the game, each
// with the LagCount the script gives.
//
// There is one game state per process, so there is one session at a time.
// Callers: the script runner and the command functions.
#pragma once
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>

#include "graphics/display.h"
#include "platform/ttf_text_renderer.h"
#include "shell/main_form.h"
#include "core/null_platform.h"
#include "shell/start_panel.h"
#include "tools/play/state_names.h"

struct PlayOptions {
    std::string programDir = ".";  // where "save.qzd" is read and written
    std::string shotsDir = ".";    // where relative screenshot paths go
    bool comforts = true;          // the replies and the hotspot marks (window.cfg's default)
};

class PlaySession {
public:
    static constexpr uint32_t kDefaultSeed = 1;
    static constexpr int32_t kInputFrameMs = 16;

    PlaySession(const PlayOptions& options, std::ostream& out);
    ~PlaySession();
    PlaySession(const PlaySession&) = delete;
    PlaySession& operator=(const PlaySession&) = delete;

    // Creates the program folder, resets the game state, seeds the random
    // generator, reads the settings, creates the form and loads its
    // pictures. False with a message when the folder or the pictures fail.
    bool Open(std::string& error);

    // The start panel's start button: sound, display in the mode of
    // `resolution`, the game menu; then one frame. False with the display's
    // error, or when the game has already started.
    bool Start(std::string& error);
    bool Started() const { return started_; }

    // One frame through the frame timer: the clock moves on by lagMs (>= 1).
    void RunFrame(int32_t lagMs);

    TMainForm& Form() { return *form_; }
    TStartPanel& Panel() { return *panel_; }
    INameSource& Names() { return names_; }
    std::ostream& Out() { return out_; }
    // Relative paths go into the screenshot folder.
    std::string ShotPath(const std::string& file) const;

    // Sample numbers played since the last TakeSamples, in order; Take forgets them.
    std::vector<int> PlayedSamples() const;
    std::vector<int> TakeSamples();

private:
    // The game state's names, and `sounds`: the samples not yet taken, as "3 1".
    class SessionNames : public GameStateNames {
    public:
        explicit SessionNames(PlaySession& s) : session_(s) {}
        bool ReadName(std::string_view name, Value& out, std::string& error) override;

    private:
        PlaySession& session_;
    };

    PlayOptions options_;
    std::ostream& out_;
    TNullPlatform platform_;
    TtfTextRenderer text_;
    std::unique_ptr<TMainForm> form_;
    std::unique_ptr<TStartPanel> panel_;
    std::string startError_;
    SessionNames names_{*this};
    bool started_ = false;
};
