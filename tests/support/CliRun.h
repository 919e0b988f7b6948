#pragma once

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "CliCommands.h"

namespace velmora::test {

// One run of the command-line companion in-process, with what it printed.
struct CliResult {
    int code;
    std::string out;
    std::string err;
};

inline CliResult Cli(std::vector<std::string> args) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = cli::RunCli(args, {out, err});
    return {code, out.str(), err.str()};
}

}  // namespace velmora::test
