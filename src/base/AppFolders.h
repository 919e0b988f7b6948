#pragma once

#include <string>

namespace velmora {

// The two folders every file of the program lives in, each with a trailing
// slash: the program's own (read-only data beside the executable) and the
// user's data folder inside the documents folder.
struct AppFolders {
    std::string ProgramFolder;
    std::string DataFolder;
};

}  // namespace velmora
