// game_data_folder.h: where the "gamedata" folder of sounds is found.
//
// Beside the program (programDir + "gamedata/") unless the program entry
// names another folder, as an installed game does when nothing lies beside
// it (PREFIX/share/varnoklet3/gamedata/).
#pragma once
#include <string>

// The folder, with a trailing separator.
std::string GameDataFolder();
// Another folder (with a trailing separator); empty goes back to programDir's.
void SetGameDataFolder(std::string folder);
