#pragma once

#include <string>

#include "base/AppFolders.h"

namespace velmora {

// The folder of the running executable.
std::string FindProgramFolder();
// The running executable's full path.
std::string FindProgramFile();

// The user's documents folder as the XDG user-dirs configuration names it,
// else ~/Documents.
std::string FindDocumentsFolder();

// DataFolder for a documents folder: "<documents>/ハルカゼ舎/VelmoraData/".
std::string DataFolderIn(const std::string& documentsFolder);

// Finds both folders and creates the data folder with its parents. Failing
// to create it is not fatal: the settings then give their defaults and a
// write reports the folder as missing.
AppFolders PrepareFolders();

// An old helper program of that name is no longer used; a copy left beside
// the program is removed at every start.
void RemoveLeftoverWakeUpProgram(const std::string& programFolder);

}  // namespace velmora
