// game_data_folder.cpp: the sounds' folder, beside the program or elsewhere.
#include "shell/game_data_folder.h"

#include "core/game_state.h"

namespace {
std::string chosenFolder;
}  // namespace

std::string GameDataFolder() {
    return chosenFolder.empty() ? GameState.programDir + "gamedata/" : chosenFolder;
}

void SetGameDataFolder(std::string folder) { chosenFolder = std::move(folder); }
